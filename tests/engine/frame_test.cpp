#include <gtest/gtest.h>

#include "engine/stages.h"
#include "settings/settings.h"
#include "support/pictures.h"

namespace {

struct FrameTest : testing::Test {
  void SetUp() override {
    resetSettings(true);
    settings.doFrame = 1;
  }
  void widths(int left, int right, int top, int bottom) {
    settings.solidLeft = left;
    settings.solidRight = right;
    settings.solidTop = top;
    settings.solidBottom = bottom;
  }
  Image framed(Image picture) {
    int width = static_cast<int>(FreeImage_GetWidth(picture.get()));
    int height = static_cast<int>(FreeImage_GetHeight(picture.get()));
    return frameStage(std::move(picture), width, height);
  }
};

TEST_F(FrameTest, paintsTheOuterRingAndLeavesTheInsideAlone) {
  widths(10, 10, 10, 10);
  Image result = framed(solidPicture(100, 80, 24, 255, 255, 255));
  ASSERT_EQ(FreeImage_GetWidth(result.get()), 100u);
  ASSERT_EQ(FreeImage_GetHeight(result.get()), 80u);
  EXPECT_EQ(boxOf(result.get(), {255, 255, 255}), (Box{10, 10, 80, 60}));
  for (int y = 0; y < 80; y++)
    for (int x = 0; x < 100; x++) {
      bool ring = x < 10 || x >= 90 || y < 10 || y >= 70;
      if (ring) {
        ASSERT_EQ(pixelAt(result.get(), x, y), (Pixel{0, 0, 0})) << x << "," << y;
      }
    }
}

TEST_F(FrameTest, cornersAreSplitAlongTheirDiagonal) {
  widths(20, 0, 20, 0);
  settings.solidTopColor = "FF0000";
  settings.solidLeftColor = "0000FF";
  Image result = framed(solidPicture(100, 80, 24, 255, 255, 255));
  for (int y = 0; y < 20; y++)
    for (int x = 0; x < 20; x++) {
      if (x > y + 1) {
        ASSERT_EQ(pixelAt(result.get(), x, y), (Pixel{255, 0, 0})) << x << "," << y;
      } else if (y > x + 1) {
        ASSERT_EQ(pixelAt(result.get(), x, y), (Pixel{0, 0, 255})) << x << "," << y;
      }
    }
  // The top band runs to the right edge; there is no right or bottom band.
  EXPECT_EQ(pixelAt(result.get(), 99, 10), (Pixel{255, 0, 0}));
  EXPECT_EQ(pixelAt(result.get(), 99, 30), (Pixel{255, 255, 255}));
  EXPECT_EQ(pixelAt(result.get(), 50, 79), (Pixel{255, 255, 255}));
}

TEST_F(FrameTest, opacityBlendsTheBorderOverThePicture) {
  widths(5, 5, 5, 5);
  settings.solidOpacity = 128;
  Pixel border = pixelAt(framed(solidPicture(40, 30, 24, 255, 255, 255)).get(), 2, 15);
  EXPECT_NEAR(border.red, 127, 1);
  EXPECT_EQ(border.red, border.green);
  EXPECT_EQ(border.red, border.blue);
}

TEST_F(FrameTest, anyFrameSettingBringsThePictureTo24Bits) {
  for (int8_t kind : {1, 2}) {
    SCOPED_TRACE(static_cast<int>(kind));
    settings.doFrame = kind;
    widths(0, 0, 0, 0);
    Image result = framed(solidPicture(30, 20, 8, 90, 90, 90));
    EXPECT_TRUE(samePixels(result.get(), solidPicture(30, 20, 24, 90, 90, 90).get()));
  }
  settings.doFrame = 2;
  widths(5, 5, 5, 5);
  EXPECT_TRUE(samePixels(framed(solidPicture(30, 20, 24, 90, 90, 90)).get(), solidPicture(30, 20, 24, 90, 90, 90).get()));
  settings.doFrame = 0;
  Image untouched = solidPicture(30, 20, 8, 90, 90, 90);
  FIBITMAP* before = untouched.get();
  EXPECT_EQ(framed(std::move(untouched)).get(), before);
}

}  // namespace
