#include "formats/catalogue.h"

#include <gtest/gtest.h>

#include "i18n/language_table.h"

namespace {

struct CatalogueTest : testing::Test {
  void SetUp() override {
    loadLanguageTable();
    buildInputCatalogue();
    buildOutputCatalogue();
    collectAcceptedExtensions();
  }
};

TEST_F(CatalogueTest, acceptsTheJpegExtensionsInTheirOwnOrder) {
  EXPECT_EQ(acceptedExtensions(), (std::vector<std::string>{"jpeg", "jpe", "jpg", "jif"}));
  const struct Case {
    const char* path;
    bool accepted;
  } cases[] = {
      {"photo.JPG", true},     {"photo.Jpeg", true},  {"/a/b.c/photo.jif", true}, {"photo.jfif", false},
      {"photo.png", false},    {"photo", false},      {"/a/b.jpg/photo", false},  {"photo.jpg.txt", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(isAcceptedInputFile(c.path), c.accepted);
  }
}

TEST_F(CatalogueTest, theInputFilterNamesEveryPatternNewestFirstPerDescription) {
  EXPECT_EQ(inputFileFilter(),
            "All Supported Files|*.jpeg;*.jpe;*.jpg;*.jif|JPEG File|*.jif;*.jpg;*.jpe;*.jpeg|All Files (*.*)|*.*");
}

TEST_F(CatalogueTest, bitDepthsComeFromTheOutputTable) {
  EXPECT_EQ(bitDepthsOf("pcx"), std::vector<int>{24});
  EXPECT_EQ(bitDepthsOf("png"), (std::vector<int>{1, 4, 8, 24, 32, 48}));
  EXPECT_TRUE(bitDepthsOf("jpeg").empty());
  EXPECT_TRUE(isValidBitDepth("pcx", 0));
  EXPECT_TRUE(isValidBitDepth("pcx", 24));
  EXPECT_FALSE(isValidBitDepth("pcx", 8));
  EXPECT_TRUE(isValidBitDepth("nothing", 0));
  EXPECT_FALSE(isValidBitDepth("nothing", 24));
}

TEST_F(CatalogueTest, autoStandsForTheFirstDepthThatHoldsTheSource) {
  const struct Case {
    const char* format;
    int source, nearest;
  } cases[] = {
      {"pcx", 8, 24},  {"pcx", 32, 24}, {"bmp", 12, 16}, {"bmp", 48, 32}, {"png", 24, 24},
      {"png", 8, 8},   {"png", 96, 48}, {"png", 1, 1},   {"nothing", 24, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.source));
    EXPECT_EQ(nearestBitDepth(c.format, c.source), c.nearest);
  }
}

TEST_F(CatalogueTest, onlyPcxIsAnOutputFormat) {
  EXPECT_TRUE(isOutputFormat("pcx"));
  EXPECT_FALSE(isOutputFormat("PCX"));
  EXPECT_FALSE(isOutputFormat("png"));
  EXPECT_EQ(formatLabel("pcx", true), "PCX (ZSoft Paintbrush)");
  EXPECT_EQ(formatLabel("pcx", false), "PCX");
  EXPECT_EQ(formatLabel("jpg", true), "JPG (JPEG File Format)");
}

}  // namespace
