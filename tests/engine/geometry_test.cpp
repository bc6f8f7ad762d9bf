#include <gtest/gtest.h>

#include "engine/loader.h"
#include "engine/stages.h"
#include "settings/settings.h"
#include "support/pictures.h"
#include "support/support.h"

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

// The stages may spread a picture's channels over the cores; what they give
// must be the bytes of one FreeImage call on the whole picture.
TEST_F(GeometryTest, rotationGivesTheBytesOfOneWholePictureCall) {
  settings.imageRotationBackColor = "ff8000";
  RGBQUAD background = {0x00, 0x80, 0xff, 0};
  Image colour = loadJpeg(dataFile("testorig.jpg")), grey = loadJpeg(dataFile("testimggray.jpg"));  // 227 x 149
  ASSERT_TRUE(colour && grey);
  ASSERT_EQ(FreeImage_GetBPP(grey.get()), 8u);
  for (FIBITMAP* picture : {colour.get(), grey.get()})
    for (int type : {0, 1})
      for (int angle : {90, 180, 270, 1, 30, 45, 100, 135, 225, 300, 359}) {
        SCOPED_TRACE(testing::Message() << FreeImage_GetBPP(picture) << " bits, type " << type << ", " << angle);
        Image whole(FreeImage_ConvertTo24Bits(picture));
        double width = FreeImage_GetWidth(picture), height = FreeImage_GetHeight(picture);
        Image expected(type == 0 ? FreeImage_Rotate(whole.get(), angle, &background)
                                 : FreeImage_RotateEx(whole.get(), angle, 0, 0, width / 2, height / 2, FALSE));
        EXPECT_TRUE(samePixels(rotated(Image(FreeImage_Clone(picture)), angle, type).get(), expected.get()));
      }
}

TEST_F(GeometryTest, resizeGivesTheBytesOfOneWholePictureCall) {
  Image colour = loadJpeg(dataFile("testorig.jpg")), grey = loadJpeg(dataFile("testimggray.jpg"));
  ASSERT_TRUE(colour && grey);
  const FREE_IMAGE_FILTER filters[] = {FILTER_BOX,      FILTER_BILINEAR,   FILTER_BSPLINE,
                                       FILTER_BICUBIC,  FILTER_CATMULLROM, FILTER_LANCZOS3};
  settings.doImageResize = 1;
  for (FIBITMAP* picture : {colour.get(), grey.get()})
    for (int algorithm = 0; algorithm < 6; algorithm++)
      for (int32_t side : {75, 301}) {
        SCOPED_TRACE(testing::Message() << FreeImage_GetBPP(picture) << " bits, algorithm " << algorithm << ", " << side);
        settings.imageResizeAlgorithm = static_cast<int8_t>(algorithm);
        settings.imageWidth = side;
        settings.imageHeight = side * 2 / 3;
        Image expected(FreeImage_Rescale(picture, side, side * 2 / 3, filters[algorithm]));
        Image result = resizeStage(Image(FreeImage_Clone(picture)), 227, 149);
        EXPECT_TRUE(samePixels(result.get(), expected.get()));
      }
}

}  // namespace
