#include <gtest/gtest.h>

#include "engine/stages.h"
#include "settings/settings.h"
#include "support/pictures.h"

namespace {

struct ColourTest : testing::Test {
  void SetUp() override { resetSettings(true); }
};

TEST_F(ColourTest, neutralCorrectionChangesNothingAndInvertGivesTheNegative) {
  settings.doImageColorCorrection = 1;
  Image neutral = colourStage(patternPicture(31, 17));
  EXPECT_TRUE(samePixels(neutral.get(), patternPicture(31, 17).get()));

  settings.imageInvert = 1;
  Image negative = colourStage(patternPicture(31, 17));
  Image original = patternPicture(31, 17);
  for (int y = 0; y < 17; y++)
    for (int x = 0; x < 31; x++) {
      Pixel p = pixelAt(original.get(), x, y);
      ASSERT_EQ(pixelAt(negative.get(), x, y), (Pixel{BYTE(255 - p.red), BYTE(255 - p.green), BYTE(255 - p.blue)}));
    }
}

TEST_F(ColourTest, eachStageLeavesItsOwnDepth) {
  const struct Case {
    const char* stage;
    Image (*run)(Image);
    int8_t Settings::*switchField;
    int in, out;
  } cases[] = {
      {"colour on 8 bits", colourStage, &Settings::doImageColorCorrection, 8, 8},
      {"colour on 4 bits", colourStage, &Settings::doImageColorCorrection, 4, 24},
      {"colour on 32 bits", colourStage, &Settings::doImageColorCorrection, 32, 32},
      {"greyscale on 24 bits", greyscaleStage, &Settings::doImageGreyscale, 24, 8},
      {"greyscale on 1 bit", greyscaleStage, &Settings::doImageGreyscale, 1, 8},
      {"threshold on 24 bits", thresholdStage, &Settings::doImageThreshold, 24, 1},
      {"threshold on 1 bit", thresholdStage, &Settings::doImageThreshold, 1, 1},
      {"dither on 8 bits", ditherStage, &Settings::doImageDither, 8, 1},
      {"dither on 1 bit", ditherStage, &Settings::doImageDither, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stage);
    resetSettings(true);
    settings.*c.switchField = 1;
    Image result = c.run(solidPicture(12, 5, c.in, 200, 100, 50));
    ASSERT_TRUE(result);
    EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(result.get())), c.out);
    // Switched off, every stage hands back the very same picture.
    settings.*c.switchField = 0;
    Image untouched = solidPicture(12, 5, c.in, 200, 100, 50);
    FIBITMAP* before = untouched.get();
    EXPECT_EQ(c.run(std::move(untouched)).get(), before);
  }
}

TEST_F(ColourTest, thresholdUsesTheLowEightBitsOfItsLevel) {
  settings.doImageThreshold = 1;
  const struct Case {
    int32_t level;
    BYTE red, green, blue;
    Pixel result;
  } cases[] = {
      {0, 0, 0, 0, {255, 255, 255}},       {255, 254, 254, 254, {0, 0, 0}},
      {255, 255, 255, 255, {255, 255, 255}}, {256, 0, 0, 0, {255, 255, 255}},
      {128, 200, 200, 200, {255, 255, 255}}, {128, 20, 20, 20, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    settings.imageThreshold = c.level;
    Image result = thresholdStage(solidPicture(4, 4, 24, c.red, c.green, c.blue));
    EXPECT_EQ(pixelAt(result.get(), 1, 1), c.result);
  }
}

TEST_F(ColourTest, ditherMethodsFollowTheirNumbers) {
  settings.doImageDither = 1;
  const struct Case {
    int8_t algorithm;
    FREE_IMAGE_DITHER method;
  } cases[] = {{0, FID_FS},          {1, FID_BAYER4x4},      {2, FID_BAYER8x8},      {3, FID_BAYER16x16},
               {4, FID_CLUSTER6x6}, {5, FID_CLUSTER8x8},    {6, FID_CLUSTER16x16}, {7, FID_FS}};
  Image grey = Image(FreeImage_ConvertToGreyscale(patternPicture(40, 40).get()));
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.algorithm));
    settings.imageDitherAlgorithm = c.algorithm;
    Image expected(FreeImage_Dither(grey.get(), c.method));
    EXPECT_TRUE(samePixels(ditherStage(Image(FreeImage_Clone(grey.get()))).get(), expected.get()));
  }
}

TEST_F(ColourTest, thresholdThenDitherDithersTheBlackAndWhiteResult) {
  settings.doImageThreshold = settings.doImageDither = 1;
  settings.imageThreshold = 128;
  settings.imageDitherAlgorithm = 1;
  Image thresholded = thresholdStage(patternPicture(40, 40));
  Image expected(FreeImage_Dither(Image(FreeImage_ConvertTo24Bits(thresholded.get())).get(), FID_BAYER4x4));
  EXPECT_TRUE(samePixels(ditherStage(std::move(thresholded)).get(), expected.get()));
}

}  // namespace
