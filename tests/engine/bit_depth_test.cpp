#include <gtest/gtest.h>

#include "batch/job_state.h"
#include "engine/pcx_writer.h"
#include "engine/stages.h"
#include "formats/catalogue.h"
#include "support/pictures.h"
#include "support/support.h"

namespace {

// A patterned picture, 24-bit or as an 8-bit palette picture.
Image picture(int bpp, int width = 8, int height = 4) {
  Image pattern = patternPicture(width, height);
  return bpp == 8 ? Image(FreeImage_ColorQuantize(pattern.get(), FIQ_WUQUANT)) : std::move(pattern);
}

struct BitDepthTest : testing::Test {
  void SetUp() override {
    buildOutputCatalogue();
    job.keepDepth = 0;
    job.sourceBitDepth = 24;
  }
};

TEST_F(BitDepthTest, convertsToTheTargetOfTheFormat) {
  const struct Case {
    const char* format;
    int target, source, resultBpp;
    FREE_IMAGE_COLOR_TYPE type;
  } cases[] = {
      {"pcx", 24, 8, 24, FIC_RGB},      {"pcx", 24, 24, 24, FIC_RGB},     {"png", 32, 24, 32, FIC_RGB},
      {"jpg", 8, 24, 8, FIC_MINISBLACK}, {"png", 8, 24, 8, FIC_PALETTE},   {"png", 8, 8, 8, FIC_PALETTE},
      {"bmp", 4, 24, 4, FIC_PALETTE},   {"pbm", 1, 24, 1, FIC_MINISBLACK}, {"tiff", 48, 24, 48, FIC_RGB},
      {"pfm", 96, 24, 96, FIC_RGB},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.target) + " from " + std::to_string(c.source));
    job.outputExtension = c.format;
    job.targetBitDepth = c.target;
    Image result = bitDepthStage(picture(c.source), job);
    ASSERT_TRUE(result);
    EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(result.get())), c.resultBpp);
    EXPECT_EQ(FreeImage_GetColorType(result.get()), c.type);
  }
}

TEST_F(BitDepthTest, sixteenBitsUseTheLayoutOfTheFormat) {
  job.targetBitDepth = 16;
  job.outputExtension = "tga";
  Image tga = bitDepthStage(picture(24), job);
  EXPECT_EQ(FreeImage_GetGreenMask(tga.get()), static_cast<unsigned>(FI16_555_GREEN_MASK));
  job.outputExtension = "bmp";
  Image bmp = bitDepthStage(picture(24), job);
  EXPECT_EQ(FreeImage_GetGreenMask(bmp.get()), static_cast<unsigned>(FI16_565_GREEN_MASK));
}

TEST_F(BitDepthTest, autoIsDerivedFromEachFilesOwnDepth) {
  job.outputExtension = "pcx";
  job.keepDepth = 1;
  job.sourceBitDepth = 8;
  Image result = bitDepthStage(picture(8), job);
  EXPECT_EQ(job.targetBitDepth, 24);
  EXPECT_EQ(FreeImage_GetBPP(result.get()), 24u);
  job.outputExtension = "png";
  job.sourceBitDepth = 8;
  EXPECT_EQ(FreeImage_GetBPP(bitDepthStage(picture(8), job).get()), 8u);
  EXPECT_EQ(job.targetBitDepth, 8);
}

TEST_F(BitDepthTest, anUnknownTargetYieldsNoImage) {
  job.outputExtension = "pcx";
  job.targetBitDepth = 2;
  EXPECT_FALSE(bitDepthStage(picture(24), job));
  EXPECT_FALSE(bitDepthStage(nullptr, job));
}

TEST(PcxWriter, writesEveryDepthAs24BitPixels) {
  // Every depth the bit-depth stage may hand over; the 48- and 96-bit forms
  // hold the 24-bit pixels exactly.
  const struct Case {
    const char* depth;
    FIBITMAP* (*make)(FIBITMAP*);
  } cases[] = {
      {"1", [](FIBITMAP* p) { return FreeImage_Threshold(p, 128); }},
      {"4", FreeImage_ConvertTo4Bits},
      {"8", [](FIBITMAP* p) { return FreeImage_ColorQuantize(p, FIQ_WUQUANT); }},
      {"16 (565)", FreeImage_ConvertTo16Bits565},
      {"16 (555)", FreeImage_ConvertTo16Bits555},
      {"24", [](FIBITMAP* p) { return FreeImage_Clone(p); }},
      {"32", FreeImage_ConvertTo32Bits},
      {"48", FreeImage_ConvertToRGB16},
      {"96", FreeImage_ConvertToRGBF},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    Image pattern = picture(24, 7, 3);
    Image original(c.make(pattern.get()));
    ASSERT_TRUE(original);
    bool bitmap = FreeImage_GetImageType(original.get()) == FIT_BITMAP;
    Image expected(bitmap ? FreeImage_ConvertTo24Bits(original.get()) : FreeImage_Clone(pattern.get()));
    std::string path = folder.file(std::string("picture") + c.depth + ".pcx");
    ASSERT_TRUE(writePcx(std::move(original), path, {}));
    Rgb pcx = decodePcx(path);
    ASSERT_EQ(pcx.width, 7);
    ASSERT_EQ(pcx.height, 3);
    for (int y = 0; y < 3; y++)
      for (int x = 0; x < 7; x++) {
        const BYTE* bgr = FreeImage_GetScanLine(expected.get(), 2 - y) + x * 3;
        const uint8_t* rgb = pcx.at(x, y);
        EXPECT_EQ(rgb[0], bgr[FI_RGBA_RED]);
        EXPECT_EQ(rgb[1], bgr[FI_RGBA_GREEN]);
        EXPECT_EQ(rgb[2], bgr[FI_RGBA_BLUE]);
      }
  }
}

TEST(PcxWriter, neverTakesOverAFileThatIsThere) {
  TempFolder folder;
  writeFile(folder.file("taken.pcx"), "someone else's");
  EXPECT_FALSE(writePcx(picture(24), folder.file("taken.pcx"), {}));
  EXPECT_EQ(readFile(folder.file("taken.pcx")), "someone else's");
  EXPECT_FALSE(writePcx(picture(24), folder.file("missing/new.pcx"), {}));
  EXPECT_FALSE(writePcx(nullptr, folder.file("none.pcx"), {}));
  EXPECT_FALSE(exists(folder.file("none.pcx")));
}

}  // namespace
