#include "themes/theme_config.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfigValue, followsTheLineRules) {
  struct Case {
    const char* what;
    std::string text;
    const char* section;
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"plain", "[Theme]\r\nName=Hand-drawn\r\n", "Theme", "Name", "Hand-drawn"},
      {"the last line has no line break", "[Theme]\r\nName=Hand-drawn", "Theme", "Name", ""},
      {"section and key in other letter cases", "[THEME]\r\nnAmE=Dark\r\n", "Theme", "Name", "Dark"},
      {"a longer key that begins with the key", "[Theme]\r\nNames=Long\r\nName=Short\r\n", "Theme", "Name", "Long"},
      {"the first of two lines wins", "[Icons]\r\nNew=a\r\nNew=b\r\n", "Icons", "New", "a"},
      {"a [ inside a value: its own line still counts", "[Icons]\r\nNew=a[b\r\nAdd=c\r\n", "Icons", "New", "a[b"},
      {"a [ inside a value ends the section", "[Icons]\r\nNew=a[b\r\nAdd=c\r\n", "Icons", "Add", ""},
      {"the key lives in another section", "[Buttons]\r\nNew=x\r\n[Icons]\r\nAdd=y\r\n", "Icons", "New", ""},
      {"the key of the earlier section", "[Buttons]\r\nNew=x\r\n[Icons]\r\nAdd=y\r\n", "Buttons", "New", "x"},
      {"the key found only after the section", "[Theme]\r\nX=1\r\n[Other]\r\nName=2\r\n", "Theme", "Name", ""},
      {"no such section", "[Icons]\r\nNew=x\r\n", "Buttons", "New", ""},
      {"the key not at the start of a line", "[Icons]\r\nXNew=1\r\n", "Icons", "New", ""},
      {"the key right after the header, without a line break", "[Icons]New=1\r\n", "Icons", "New", ""},
      {"blanks and tabs trimmed", "[Icons]\r\nNew = \t new \t\r\n", "Icons", "New", "new"},
      {"a second = ends the value", "[Icons]\r\nNew=a=b\r\n", "Icons", "New", "a"},
      {"a line without =", "[Icons]\r\nNew\r\n", "Icons", "New", ""},
      {"lines ended by LF alone", "[Icons]\nNew=x\n", "Icons", "New", ""},
      {"an empty value", "[Icons]\r\nNew=\r\n", "Icons", "New", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(configValue(c.text, c.section, c.key), c.value);
  }
}

TEST(PictureEntryName, aPngValueNamesTheEntryAndAnyOtherAddsTheSize) {
  EXPECT_EQ(pictureEntryName("convert.PNG", 16), "convert.PNG");
  EXPECT_EQ(pictureEntryName("art/Convert.Png", 24), "art/Convert.Png");
  EXPECT_EQ(pictureEntryName("a.pngx", 24), "a.pngx");  // ".png" anywhere in the value
  EXPECT_EQ(pictureEntryName("convert", 16), "convert_16.png");
  EXPECT_EQ(pictureEntryName("new", 24), "new_24.png");
  EXPECT_EQ(pictureEntryName("", 16), "_16.png");
}

TEST(ToolbarIconSize, stepsThroughTheFiveSizes) {
  const std::pair<int, int> cases[] = {{0, 16}, {1, 24}, {2, 32}, {3, 48}, {4, 64}, {5, 16}, {-1, 16}, {1000, 16}};
  for (auto [uiSize, pixels] : cases) {
    SCOPED_TRACE(uiSize);
    EXPECT_EQ(toolbarIconSize(uiSize), pixels);
  }
}

}  // namespace
