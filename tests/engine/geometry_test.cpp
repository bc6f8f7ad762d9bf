#include <gtest/gtest.h>

#include "engine/stages.h"
#include "settings/settings.h"
#include "support/pictures.h"

namespace {

struct GeometryTest : testing::Test {
  void SetUp() override { resetSettings(true); }
  Image rotated(Image image, int angle, int type = 0) {
    settings.doImageRotation = 1;
    settings.imageRotation = angle;
    settings.imageRotationType = static_cast<int8_t>(type);
    return rotateStage(std::move(image));
  }
  Image resized(int width, int height, int32_t targetWidth, int32_t targetHeight) {
    settings.doImageResize = 1;
    settings.imageWidth = targetWidth;
    settings.imageHeight = targetHeight;
    return resizeStage(patternPicture(width, height), width, height);
  }
};

void expectSize(FIBITMAP* image, unsigned width, unsigned height) {
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(FreeImage_GetWidth(image), width);
  EXPECT_EQ(FreeImage_GetHeight(image), height);
}

TEST_F(GeometryTest, simpleRotationGrowsThePictureAndFillsTheCorners) {
  settings.imageRotationBackColor = "ff8000";
  Image quarter = rotated(patternPicture(200, 100), 90);
  expectSize(quarter.get(), 100, 200);
  Image slanted = rotated(patternPicture(200, 100), 45);
  ASSERT_TRUE(slanted);
  EXPECT_GT(FreeImage_GetWidth(slanted.get()), 200u);
  EXPECT_GT(FreeImage_GetHeight(slanted.get()), 100u);
  EXPECT_EQ(pixelAt(slanted.get(), 0, 0), (Pixel{255, 128, 0}));
  settings.imageRotationBackColor = "bad";
  EXPECT_EQ(pixelAt(rotated(patternPicture(200, 100), 45).get(), 0, 0), (Pixel{0, 0, 0}));
}

TEST_F(GeometryTest, fourQuarterTurnsGiveThePictureBack) {
  Image original = patternPicture(31, 17);
  Image turned(FreeImage_Clone(original.get()));
  for (int i = 0; i < 4; i++) turned = rotated(std::move(turned), 90);
  EXPECT_TRUE(samePixels(turned.get(), original.get()));
}

TEST_F(GeometryTest, advancedRotationKeepsTheSizeAndMirrorsIntoTheCorners) {
  Image turned = rotated(patternPicture(200, 100), 90, 1);
  expectSize(turned.get(), 200, 100);
  EXPECT_NE(pixelAt(turned.get(), 0, 0), (Pixel{0, 0, 0}));
  EXPECT_NE(pixelAt(turned.get(), 199, 99), (Pixel{0, 0, 0}));
  // An unknown type leaves the picture unturned but in 24 bits.
  Image grey = solidPicture(20, 10, 8, 90, 90, 90);
  Image unturned = rotated(std::move(grey), 90, 2);
  expectSize(unturned.get(), 20, 10);
  EXPECT_EQ(FreeImage_GetBPP(unturned.get()), 24u);
}

TEST_F(GeometryTest, anglesOutsideOneTo359LeaveThePictureAlone) {
  for (int angle : {0, 360, -90, 450}) {
    SCOPED_TRACE(angle);
    Image grey = solidPicture(20, 10, 8, 90, 90, 90);
    FIBITMAP* before = grey.get();
    Image result = rotated(std::move(grey), angle);
    EXPECT_EQ(result.get(), before);
    EXPECT_EQ(FreeImage_GetBPP(result.get()), 8u);
  }
  // A real turn brings a greyscale picture to 24 bits first.
  EXPECT_EQ(FreeImage_GetBPP(rotated(solidPicture(20, 10, 8, 90, 90, 90), 90).get()), 24u);
}

TEST_F(GeometryTest, resizeFollowsUnitsAspectRatioAndType) {
  const struct Case {
    const char* what;
    int width, height;
    int32_t targetWidth, targetHeight;
    int8_t widthUnit, heightUnit, keepAspect, type;
    unsigned resultWidth, resultHeight;
  } cases[] = {
      {"percent rounds half to even", 1001, 601, 50, 50, 1, 1, 0, 0, 500, 300},
      {"pixels", 300, 200, 64, 48, 0, 0, 0, 0, 64, 48},
      {"landscape keeps its ratio by the width", 1000, 750, 640, 1, 0, 0, 1, 0, 640, 480},
      {"portrait keeps its ratio by the height", 750, 1000, 1, 640, 0, 0, 1, 0, 480, 640},
      {"large images only: smaller both ways", 300, 200, 640, 480, 0, 0, 0, 1, 300, 200},
      {"large images only: one side larger", 800, 200, 640, 480, 0, 0, 0, 1, 640, 480},
      {"the same size", 300, 200, 300, 200, 0, 0, 0, 0, 300, 200},
      {"an unknown unit", 300, 200, 50, 50, 2, 0, 0, 0, 300, 200},
      {"a negative target", 300, 200, -5, 50, 0, 0, 0, 0, 300, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    settings.imageWidthUnit = c.widthUnit;
    settings.imageHeightUnit = c.heightUnit;
    settings.keepAspectRatio = c.keepAspect;
    settings.imageResizeType = c.type;
    Image result = resized(c.width, c.height, c.targetWidth, c.targetHeight);
    expectSize(result.get(), c.resultWidth, c.resultHeight);
  }
}

TEST_F(GeometryTest, aSizeNoMemoryCouldHoldFailsThePicture) {
  EXPECT_FALSE(resized(100, 100, 2000000000, 2000000000));
  settings.imageWidthUnit = settings.imageHeightUnit = 1;
  EXPECT_FALSE(resized(100, 100, 2000000000, 2000000000));
}

TEST_F(GeometryTest, bothFlipsEqualAHalfTurn) {
  Image flipped = patternPicture(31, 17);
  settings.doImageFlipHorizontal = settings.doImageFlipVertical = 1;
  flipStage(flipped.get());
  EXPECT_TRUE(samePixels(flipped.get(), rotated(patternPicture(31, 17), 180).get()));
  // One flip twice is no change.
  settings.doImageFlipVertical = 0;
  Image twice = patternPicture(31, 17);
  flipStage(twice.get());
  flipStage(twice.get());
  EXPECT_TRUE(samePixels(twice.get(), patternPicture(31, 17).get()));
}

}  // namespace
