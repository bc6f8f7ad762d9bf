#include "cli/long_options.h"

#include <gtest/gtest.h>

#include <cmath>

#include "cli/command_line.h"
#include "settings/choices.h"
#include "text/numbers.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

struct LongOptionsTest : testing::Test {
  void SetUp() override { resetSettings(true); }
  OptionResult apply(const std::string& parameter) {
    return applyLongOption(optionName(parameter), optionValue(parameter));
  }
};

TEST(Numbers, readLikeTheCommandLineReadsThem) {
  const struct Case {
    const char* text;
    int64_t value;
  } cases[] = {
      {"640", 640},   {" \t-42", -42}, {"+7", 7},       {"$14", 20},     {"$fF", 255},  {"%101", 5},
      {"50%", 50},    {"12abc", 12},   {"abc", 0},      {"", 0},         {"-$10", -16}, {"%102", 2},
      {"$", 0},       {"- 5", 0},      {"0x10", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(readNum(c.text), c.value);
  }
  EXPECT_FLOAT_EQ(readReal("1,5"), 1.0f);
  EXPECT_FLOAT_EQ(readReal("0.01"), 0.01f);
  EXPECT_FLOAT_EQ(readReal("gamma"), 0.0f);
  EXPECT_TRUE(std::isnan(readReal("nan")));
}

TEST(Keywords, mapWordsToNumbersAndBack) {
  EXPECT_EQ(keywordValue(ditherChoices, " bayer8 "), 2);
  EXPECT_EQ(keywordValue(ditherChoices, "bayer"), 0);
  EXPECT_EQ(keywordValue(compressionKeywords, "lzw"), 6);
  EXPECT_EQ(keywordValue(compressionKeywords, "piz"), 2);
  EXPECT_EQ(keywordValue(compressionKeywords, "ZLIB6"), 2);
  // The frame and watermark types only name values in reports.
  EXPECT_EQ(keywordValue(frameTypeChoices, "SOLID"), 0);
  EXPECT_EQ(keywordValue(watermarkTypeChoices, "IMAGE"), 0);
  EXPECT_EQ(keywordText(sizeUnitChoices, 1), "percent");
  EXPECT_EQ(keywordText(positionChoices, 9), "");
  EXPECT_EQ(keywordText(frameTypeChoices, 1), "solid");
  EXPECT_EQ(keywordText(watermarkTypeChoices, 2), "image");
  // Each format names its compressions by its own list.
  EXPECT_EQ(keywordText(pngCompressionChoices, 2), "zlib6");
  EXPECT_EQ(keywordText(exrCompressionChoices, 2), "piz");
  EXPECT_EQ(keywordText(tiffCompressionChoices, 2), "ccittfax4");
  EXPECT_EQ(keywordText(rleCompressionChoices, 1), "rle");
  EXPECT_EQ(keywordText(pngCompressionChoices, 5), "");
  EXPECT_EQ(keywordText(timestampChoices, 2), "custom");
}

TEST_F(LongOptionsTest, valuesAreStoredByKindAndSwitchTheirStage) {
  EXPECT_EQ(apply("--dither=Bayer8"), OptionResult::Applied);
  EXPECT_EQ(settings.imageDitherAlgorithm, 2);
  EXPECT_EQ(settings.doImageDither, 1);
  EXPECT_EQ(apply("--INVERT=0"), OptionResult::Applied);
  EXPECT_EQ(settings.imageInvert, 1);
  EXPECT_EQ(settings.doImageColorCorrection, 1);
  EXPECT_EQ(apply("--Brightness=-$14"), OptionResult::Applied);
  EXPECT_EQ(settings.imageBrightness, -20);
  EXPECT_EQ(apply("--gamma=1,5"), OptionResult::Applied);
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.0f);
  EXPECT_EQ(apply("--width=50%"), OptionResult::Applied);
  EXPECT_EQ(settings.imageWidth, 50);
  EXPECT_EQ(settings.doImageResize, 1);
  EXPECT_EQ(settings.imageHeight, 0);
  EXPECT_EQ(apply("--wm-image-size=huge"), OptionResult::Applied);
  EXPECT_EQ(settings.imageSize, 0);
  EXPECT_EQ(apply("--filename-mask=a=b=%n%"), OptionResult::Applied);
  EXPECT_EQ(settings.filenameMask, "a=b=%n%");
  EXPECT_EQ(apply("--wm-text=Hello"), OptionResult::Applied);
  EXPECT_EQ(settings.doWatermark, 1);
  EXPECT_EQ(apply("--wm-image=/a.png"), OptionResult::Applied);
  EXPECT_EQ(settings.doWatermark, 2);
  EXPECT_EQ(apply("--no-subfolders"), OptionResult::Applied);
  EXPECT_EQ(settings.keepSubfolders, 0);
  EXPECT_EQ(apply("--fr-solid-left-color=00ff00"), OptionResult::Applied);
  EXPECT_EQ(settings.doFrame, 0);  // colours switch nothing on
  EXPECT_EQ(apply("--rotation=$FFFFFFFF5"), OptionResult::Applied);
  EXPECT_EQ(settings.imageRotation, -11);
  EXPECT_EQ(apply("--pcx-bpp"), OptionResult::BadValue);
  EXPECT_EQ(apply("--height=--5"), OptionResult::BadValue);
  EXPECT_EQ(apply("--height="), OptionResult::BadValue);
  EXPECT_EQ(settings.imageHeight, 0);
  EXPECT_EQ(apply("--nothing=5"), OptionResult::NotAnOption);
}

TEST_F(LongOptionsTest, profilesCarryTheSameOptionsUnderTheirGroup) {
  TempFolder folder;
  writeFile(folder.file("p.ini"),
            "[Other]\n--WIDTH = 10\n"
            "[cli]\n"
            "--width = 320\n"
            "--Height=\t240 \n"
            "--fr-solid-opacity = 99\n"
            "--WM-SOLID-OPACITY = 128\n"
            "WIDTH-UNIT = percent\n"
            "--filename-mask = \"%n% copy.%ext%\"\n"
            "--invert = no\n"
            "--input = /etc/passwd\n"
            "--profile = other.ini\n"
            "--wm-font =\n");
  EXPECT_EQ(apply("--profile=" + folder.file("p.ini")), OptionResult::Applied);
  EXPECT_EQ(settings.imageWidth, 320);
  EXPECT_EQ(settings.imageHeight, 240);
  EXPECT_EQ(settings.doImageResize, 1);
  EXPECT_EQ(settings.solidOpacity, 128);
  EXPECT_EQ(settings.imageWidthUnit, 0);
  EXPECT_EQ(settings.filenameMask, "%n% copy.%ext%");
  EXPECT_EQ(settings.imageInvert, 1);
  EXPECT_EQ(settings.font, "");

  writeFile(folder.file("none.ini"), "[General]\nCFG = 19\n");
  resetSettings(true);
  EXPECT_TRUE(loadProfile(folder.file("none.ini")));
  EXPECT_EQ(settings.imageWidth, 0);
  EXPECT_FALSE(loadProfile(folder.file("missing.ini")));
  EXPECT_FALSE(loadProfile(""));
  EXPECT_FALSE(loadProfile(folder.path));
  EXPECT_EQ(apply("--profile=" + folder.file("missing.ini")), OptionResult::BadProfile);
  EXPECT_EQ(apply("--profile="), OptionResult::BadValue);
}

}  // namespace
