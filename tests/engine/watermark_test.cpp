#include <gtest/gtest.h>

#include "batch/job_state.h"
#include "engine/layers.h"
#include "engine/stages.h"
#include "engine/watermark.h"
#include "settings/settings.h"
#include "support/pictures.h"
#include "support/support.h"

namespace {

const Pixel red = {255, 0, 0};
const Pixel blue = {0, 0, 255};

struct WatermarkTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    resetSettings(true);
    job.resultWidth = 0;
  }
  // A picture watermark of one colour saved as a file.
  void pictureMark(int width, int height, int bpp = 24, const char* name = "mark.png",
                   FREE_IMAGE_FORMAT format = FIF_PNG) {
    Image mark = solidPicture(width, height, bpp, 255, 0, 0);
    if (bpp == 32) {
      // Partly transparent everywhere.
      for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) FreeImage_GetScanLine(mark.get(), y)[x * 4 + FI_RGBA_ALPHA] = 200;
      FreeImage_SetTransparent(mark.get(), TRUE);
    }
    ASSERT_TRUE(FreeImage_Save(format, mark.get(), folder.file(name).c_str(), 0));
    settings.doWatermark = 2;
    settings.image = folder.file(name);
  }
  Image marked(int width = 100, int height = 80) {
    return watermarkStage(white(width, height), width, height, job);
  }
  static Image white(int width = 100, int height = 80) { return solidPicture(width, height, 24, 255, 255, 255); }
};

TEST_F(WatermarkTest, anchorsPlaceTheLayerWithItsOffsets) {
  pictureMark(10, 6);
  settings.imageXOffset = 3;
  settings.imageYOffset = 2;
  const Box expected[] = {{3, 2, 10, 6},  {45, 2, 10, 6},  {87, 2, 10, 6},  {3, 37, 10, 6},  {45, 37, 10, 6},
                          {87, 37, 10, 6}, {3, 72, 10, 6}, {45, 72, 10, 6}, {87, 72, 10, 6}, {0, 0, 10, 6}};
  for (int8_t position = 0; position <= 9; position++) {
    SCOPED_TRACE(static_cast<int>(position));
    settings.imagePosition = position;
    EXPECT_EQ(boxOf(marked().get(), red), expected[position]);
  }
}

TEST_F(WatermarkTest, insideTheFrameTheAreaShrinksAndTheLayerMovesIn) {
  pictureMark(10, 6);
  settings.doFrame = 1;
  settings.solidLeft = settings.solidRight = settings.solidTop = settings.solidBottom = 20;
  Image outside = marked();
  EXPECT_EQ(boxOf(outside.get(), red), (Box{80, 64, 10, 6}));
  settings.imageBoundary = 1;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{60, 44, 10, 6}));
  settings.imagePosition = 0;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{30, 30, 10, 6}));
  // Without a frame the boundary changes nothing.
  settings.doFrame = 0;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{10, 10, 10, 6}));
}

TEST_F(WatermarkTest, aLayerTooLargeIsCutAtItsRightAndBottom) {
  pictureMark(30, 20);
  settings.imagePosition = 0;
  settings.imageXOffset = 80;
  settings.imageYOffset = 70;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{80, 70, 20, 10}));
  // Bottom-right anchored, a mark larger than the picture ends at the offsets.
  pictureMark(150, 100);
  settings.imagePosition = 8;
  settings.imageXOffset = settings.imageYOffset = 10;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{0, 0, 90, 70}));
}

TEST_F(WatermarkTest, offsetsThatPushTheLayerOutLeaveNoWatermark) {
  pictureMark(10, 6);
  settings.imagePosition = 0;
  for (auto [ox, oy] : {std::pair{100, 0}, std::pair{0, 80}, std::pair{-1, 0}, std::pair{0, -5}}) {
    SCOPED_TRACE(std::to_string(ox) + "," + std::to_string(oy));
    settings.imageXOffset = ox;
    settings.imageYOffset = oy;
    EXPECT_TRUE(samePixels(marked().get(), white().get()));
  }
}

TEST_F(WatermarkTest, aPictureWithoutAlphaIsBlendedOntoOpaqueBlack) {
  pictureMark(10, 6);
  settings.imageOpacity = 128;
  Image result = marked();
  EXPECT_EQ(pixelAt(result.get(), 85, 67), (Pixel{128, 0, 0}));
  settings.imageOpacity = 255;
  settings.imageGreyscale = 1;
  EXPECT_EQ(pixelAt(marked().get(), 85, 67), (Pixel{76, 76, 76}));
  // A picture with alpha is laid over the picture by its own alpha (200)
  // times the opacity: 100 of 255 here.
  pictureMark(10, 6, 32);
  settings.imageGreyscale = 0;
  settings.imageOpacity = 128;
  Pixel blended = pixelAt(marked().get(), 85, 67);
  EXPECT_NEAR(blended.red, 255, 1);
  EXPECT_NEAR(blended.green, 155, 1);
  EXPECT_EQ(blended.green, blended.blue);
}

TEST_F(WatermarkTest, aBmpWhoseFourthBytesAreAllZeroIsOpaque) {
  // The fourth byte of a 32-bit BMP is commonly unused; a picture with some
  // alpha keeps it.
  for (BYTE alpha : {0, 200}) {
    SCOPED_TRACE(static_cast<int>(alpha));
    Image mark = solidPicture(10, 6, 32, 255, 0, 0);
    for (int y = 0; y < 6; y++)
      for (int x = 0; x < 10; x++) FreeImage_GetScanLine(mark.get(), y)[x * 4 + FI_RGBA_ALPHA] = alpha;
    ASSERT_TRUE(FreeImage_Save(FIF_BMP, mark.get(), folder.file("mark.bmp").c_str(), 0));
    settings.doWatermark = 2;
    settings.image = folder.file("mark.bmp");
    Pixel drawn = pixelAt(marked().get(), 85, 67);
    if (alpha == 0) {
      EXPECT_EQ(drawn, red);
    } else {
      EXPECT_NEAR(drawn.green, 55, 1);
    }
  }
}

TEST_F(WatermarkTest, aTurnedLayerHasItsSidesSwapped) {
  pictureMark(20, 6);
  settings.imagePosition = 0;
  settings.imageXOffset = settings.imageYOffset = 0;
  settings.watermarkImageRotation = 90;
  EXPECT_EQ(boxOf(marked().get(), red), (Box{0, 0, 6, 20}));
}

TEST_F(WatermarkTest, unreadableWatermarkPicturesLeaveThePictureAlone) {
  writeFile(folder.file("broken.png"), readFile(dataFile("watermarks/truncated.png")));
  writeFile(folder.file("huge.png"), readFile(dataFile("watermarks/huge-header.png")));
  writeFile(folder.file("text.png"), "not a picture at all");
  // 54 bytes whose header claims 20000 x 20000 uncompressed pixels, turned
  // as well: refused before anything is allocated.
  writeFile(folder.file("cut.bmp"), readFile(dataFile("watermarks/bmp-header-claims-20000x20000.bmp")));
  settings.watermarkImageRotation = 30;
  pictureMark(10, 6, 24, "mark.tif", FIF_TIFF);
  for (std::string path : {folder.file("broken.png"), folder.file("huge.png"), folder.file("text.png"),
                           folder.file("cut.bmp"), folder.file("missing.png"), folder.path, folder.file("mark.tif")}) {
    SCOPED_TRACE(path);
    settings.image = path;
    EXPECT_TRUE(samePixels(marked().get(), white().get()));
  }
}

struct TextWatermarkTest : WatermarkTest {
  void SetUp() override {
    WatermarkTest::SetUp();
    settings.doWatermark = 1;
    settings.font = "Arial";
    settings.fontSize = 14;
    settings.fontColor = "FF0000";
    settings.backColor = "0000FF";
    settings.backOpacity = 255;
    settings.textPosition = 0;
    settings.textXOffset = settings.textYOffset = 0;
    ASSERT_TRUE(loadWatermarkFont());
  }
  void TearDown() override { releaseWatermarkFont(); }
  Image layerOf(const std::string& text, int width = 400, int height = 300) {
    settings.text = text;
    return marked(width, height);
  }
};

// The default font list is "Arial,Tahoma,Verdana": every one of them loads,
// while a name that nothing answers to is refused.
TEST(WatermarkFont, loadsInstalledFamiliesAndTheirMetricAliases) {
  resetSettings(true);
  const struct Case {
    const char* family;
    int32_t size;
    bool loads;
  } cases[] = {
      {"Arial", 14, true},           {"arial", 14, true},  {"Liberation Sans", 9, true},
      {"Times New Roman", 20, true}, {"NoSuchFont", 14, false}, {"", 14, false},
      {"Arial", 0, false},           {"Tahoma", 14, true}, {"verdana", 14, true},
      {"Zorvane Imaginary Sans", 14, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.family);
    settings.font = c.family;
    settings.fontSize = c.size;
    EXPECT_EQ(loadWatermarkFont(), c.loads);
    EXPECT_EQ(watermarkFontLoaded(), c.loads);
  }
  releaseWatermarkFont();
  EXPECT_FALSE(watermarkFontLoaded());
}

TEST_F(TextWatermarkTest, oneLineSitsAtThePaddingWhateverTheAlignment) {
  settings.textPadding = 6;
  Image left = layerOf("Hello");
  Box box = boxOf(left.get(), blue);
  ASSERT_GT(box.width, 12);
  EXPECT_EQ(box.x, 0);
  EXPECT_EQ(box.y, 0);
  Box ink = boxOf(left.get(), red);
  EXPECT_GE(ink.x, 6);
  EXPECT_GE(ink.y, 6);
  EXPECT_LE(ink.x + ink.width, box.width - 6);
  EXPECT_LE(ink.y + ink.height, box.height - 6);
  settings.textAlignment = 2;
  EXPECT_TRUE(samePixels(layerOf("Hello").get(), left.get()));
}

TEST_F(TextWatermarkTest, linesOfSeveralAlignLeftCentreOrRight) {
  settings.textPadding = 5;
  for (int8_t alignment : {0, 2}) {
    SCOPED_TRACE(static_cast<int>(alignment));
    settings.textAlignment = alignment;
    Image result = layerOf("Short%EOL%A much longer line");
    Box box = boxOf(result.get(), blue);
    int middle = box.height / 2;
    Image top(FreeImage_Copy(result.get(), 0, 0, box.width, middle));
    Image bottom(FreeImage_Copy(result.get(), 0, middle, box.width, box.height));
    Box first = boxOf(top.get(), red), second = boxOf(bottom.get(), red);
    ASSERT_GT(first.width, 0);
    ASSERT_GT(second.width, first.width);
    if (alignment == 0) {
      EXPECT_NEAR(first.x, second.x, 2);
    } else {
      EXPECT_NEAR(first.x + first.width, second.x + second.width, 2);
      EXPECT_GE(box.width - (second.x + second.width), 5);
    }
  }
}

TEST_F(TextWatermarkTest, overhangingGlyphsAreNotClippedWithoutPadding) {
  settings.fontStyle = 2;
  settings.fontSize = 40;
  ASSERT_TRUE(loadWatermarkFont());
  for (const char* text : {"fjf", "Jiffy%eol%fig"}) {
    SCOPED_TRACE(text);
    settings.textPadding = 12;
    Box padded = boxOf(layerOf(text).get(), red);
    settings.textPadding = 0;
    Image tight = layerOf(text);
    Box ink = boxOf(tight.get(), red);
    EXPECT_EQ(ink.width, padded.width);
    EXPECT_EQ(ink.height, padded.height);
    // The box still holds all of the ink.
    Box box = boxOf(tight.get(), blue);
    EXPECT_GE(ink.x, 0);
    EXPECT_LE(ink.x + ink.width, box.x + box.width);
  }
}

TEST_F(TextWatermarkTest, aQuarterTurnSwapsTheSidesOfTheLayer) {
  Box upright = boxOf(layerOf("Turn me").get(), blue);
  settings.textRotation = 90;
  Box turned = boxOf(layerOf("Turn me").get(), blue);
  EXPECT_EQ(turned.width, upright.height);
  EXPECT_EQ(turned.height, upright.width);
}

TEST_F(TextWatermarkTest, bytesThatAreNotUtf8AreReadAsLatin1) {
  Image latin1 = layerOf("Caf\xE9 \xC0 la cr\xE8me");
  EXPECT_TRUE(samePixels(latin1.get(), layerOf("Caf\u00E9 \u00C0 la cr\u00E8me").get()));
  EXPECT_FALSE(samePixels(latin1.get(), layerOf("Cafe A la creme").get()));
}

TEST_F(TextWatermarkTest, placeholdersTakeTheJobsValues) {
  job.inputPath = "/in/photo.jpg";
  Image first = layerOf("W%width% %filename%");
  EXPECT_TRUE(samePixels(first.get(), layerOf("W0 photo").get()));
  job.resultWidth = 640;
  EXPECT_TRUE(samePixels(layerOf("W%width%").get(), layerOf("W640").get()));
}

TEST_F(TextWatermarkTest, smoothAndRasterTextBothDrawWithinTheirBox) {
  for (int8_t smooth : {0, 1}) {
    SCOPED_TRACE(static_cast<int>(smooth));
    settings.textAntialiasing = smooth;
    settings.backOpacity = 255;
    Image result = layerOf("Smooth?");
    Box box = boxOf(result.get(), blue);
    ASSERT_GT(box.width, 0);
    Box ink = boxOf(result.get(), red);
    EXPECT_GT(ink.width, 0);
    EXPECT_LE(ink.x + ink.width, box.width);
  }
  // An unloaded font draws nothing.
  releaseWatermarkFont();
  EXPECT_TRUE(samePixels(layerOf("Gone").get(), white(400, 300).get()));
}

}  // namespace
