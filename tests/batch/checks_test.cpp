// Each check of a conversion job finds its problem, and only that one.
#include "batch/checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "batch/job_state.h"
#include "formats/catalogue.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

struct ChecksTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    resetSettings(true);
    resetJobState();
    writeFile(folder.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
    writeFile(folder.file("empty.jpg"), "");
  }
};

TEST_F(ChecksTest, eachCheckReportsItsProblemWithTheValueItNames) {
  const struct Case {
    const char* name;
    std::function<void()> arrange;
    std::function<Check()> check;
    Problem problem;
    std::string argument;
  } cases[] = {
      {"pcx is an output format", [] {}, [] { return checkConversionType("pcx"); }, Problem::None, ""},
      {"PCX is not", [] {}, [] { return checkConversionType("PCX"); }, Problem::InvalidConversionType, "PCX"},
      {"bit depth 24", [] { settings.pcxBpp = 24; }, [] { return checkFormatValues("pcx"); }, Problem::None, ""},
      {"bit depth 8", [] { settings.pcxBpp = 8; }, [] { return checkFormatValues("pcx"); }, Problem::InvalidBitDepth,
       "pcx"},
      {"quality 0", [] { settings.jpgQuality = 0; }, [] { return checkFormatValues("jpg"); }, Problem::InvalidQuality,
       "jpg"},
      {"quality 101", [] { settings.webpQuality = 101; }, [] { return checkFormatValues("webp"); },
       Problem::InvalidQuality, "webp"},
      {"quality 100", [] { settings.webpQuality = 100; }, [] { return checkFormatValues("webp"); }, Problem::None, ""},
      {"a photo", [] {}, [this] { return checkInputFile(folder.file("photo.jpg")); }, Problem::None, ""},
      {"an empty file", [] {}, [this] { return checkInputFile(folder.file("empty.jpg")); }, Problem::InvalidInputFile,
       folder.file("empty.jpg")},
      {"a folder as input", [] {}, [this] { return checkInputFile(folder.path); }, Problem::InvalidInputFile,
       folder.path},
      {"no input file", [] { inputSet.clear(); }, [] { return checkInputSet(); }, Problem::EmptyInputFiles, ""},
      {"a folder beginning with ..", [] {}, [] { return checkOutputFolderStays("../out/"); },
       Problem::IncorrectOutputFolder, "../out/"},
      {"a .. further in", [] {}, [] { return checkOutputFolderStays("out/../x/"); }, Problem::None, ""},
      {"no output folder", [] {}, [] { return checkOutputFolder(""); }, Problem::EmptyOutputFolder, ""},
      {"a missing folder", [] {}, [this] { return checkOutputFolder(folder.file("none/")); },
       Problem::InvalidOutputFolder, folder.file("none/")},
      {"a file as folder", [] {}, [this] { return checkOutputFolder(folder.file("photo.jpg")); },
       Problem::InvalidOutputFolder, folder.file("photo.jpg")},
      {"width 0", [] { settings.doImageResize = 1; }, [] { return checkResizeSizes(); }, Problem::InvalidWidth, ""},
      {"height 0",
       [] {
         settings.doImageResize = 1;
         settings.imageWidth = -5;
       },
       [] { return checkResizeSizes(); }, Problem::InvalidHeight, ""},
      {"sizes unchecked with resizing off", [] {}, [] { return checkResizeSizes(); }, Problem::None, ""},
      {"brightness -101",
       [] {
         settings.doImageColorCorrection = 1;
         settings.imageBrightness = -101;
       },
       [] { return checkColourRanges(); }, Problem::InvalidBrightness, ""},
      {"contrast 101",
       [] {
         settings.doImageColorCorrection = 1;
         settings.imageContrast = 101;
       },
       [] { return checkColourRanges(); }, Problem::InvalidContrast, ""},
      {"gamma 9.99 and 0.01 pass",
       [] {
         settings.doImageColorCorrection = 1;
         settings.imageGamma = 9.99f;
         settings.imageBrightness = 100;
       },
       [] { return checkColourRanges(); }, Problem::None, ""},
      {"gamma 10",
       [] {
         settings.doImageColorCorrection = 1;
         settings.imageGamma = 10.0f;
       },
       [] { return checkColourRanges(); }, Problem::InvalidGamma, ""},
      {"gamma not a number",
       [] {
         settings.doImageColorCorrection = 1;
         settings.imageGamma = std::nanf("");
       },
       [] { return checkColourRanges(); }, Problem::InvalidGamma, ""},
      {"an unknown font",
       [] {
         settings.doWatermark = 1;
         settings.font = "No Such Font Family Anywhere";
       },
       [] { return checkWatermarkFont(); }, Problem::InvalidWatermarkFont, "No Such Font Family Anywhere"},
      {"no watermark picture", [] { settings.doWatermark = 2; }, [] { return checkWatermarkPicture(); },
       Problem::EmptyWatermarkImage, ""},
      {"an empty watermark picture",
       [this] {
         settings.doWatermark = 2;
         settings.image = folder.file("empty.jpg");
       },
       [] { return checkWatermarkPicture(); }, Problem::InvalidWatermarkImage, folder.file("empty.jpg")},
      {"a profile that is a folder", [] {}, [this] { return checkProfileFile(folder.path); }, Problem::InvalidProfile,
       folder.path},
      {"a profile that is a device", [] {}, [] { return checkProfileFile("/dev/zero"); }, Problem::InvalidProfile,
       "/dev/zero"},
      {"a profile", [] {}, [this] { return checkProfileFile(folder.file("photo.jpg")); }, Problem::None, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetSettings(true);
    c.arrange();
    Check found = c.check();
    EXPECT_EQ(found.problem, c.problem);
    EXPECT_EQ(found.argument, c.argument);
    EXPECT_EQ(static_cast<bool>(found), c.problem != Problem::None);
  }
}

}  // namespace
