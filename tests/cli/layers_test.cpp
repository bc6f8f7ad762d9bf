// Frames and watermarks through the real program, which draws them with a
// module it loads on demand, with or without a display.
#include <gtest/gtest.h>

#include "support/support.h"

namespace {

struct LayersTest : testing::Test {
  TempFolder folder;
  RunResult run(const Lines& options) {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " + shellQuote(ZORVANE_BINARY) + " -i " +
                          shellQuote(dataFile("testorig.jpg")) + " -o " + shellQuote(folder.path) +
                          " --filename-mask=out.%ext%";
    for (const std::string& option : options) command += " " + shellQuote(option);
    return runShell(command + " 2>&1 </dev/null");
  }
};

TEST_F(LayersTest, aFrameIsPaintedOverTheEdges) {
  RunResult result = run({"-q", "--fr-solid-left=10", "--fr-solid-right=10", "--fr-solid-top=10",
                          "--fr-solid-bottom=10", "--fr-solid-left-color=00FF00", "--fr-solid-right-color=00FF00",
                          "--fr-solid-top-color=00FF00", "--fr-solid-bottom-color=00FF00"});
  EXPECT_EQ(result.status, 0) << result.out;
  Rgb pcx = decodePcx(folder.file("out.pcx"));
  Rgb original = decodeJpeg(dataFile("testorig.jpg"));
  ASSERT_EQ(pcx.width, 227);
  ASSERT_EQ(pcx.height, 149);
  for (int y = 0; y < pcx.height; y++)
    for (int x = 0; x < pcx.width; x++) {
      bool ring = x < 10 || x >= 217 || y < 10 || y >= 139;
      const uint8_t* p = pcx.at(x, y);
      const uint8_t* o = original.at(x, y);
      if (ring) {
        ASSERT_TRUE(p[0] == 0 && p[1] == 255 && p[2] == 0) << x << "," << y;
      } else {
        ASSERT_TRUE(p[0] == o[0] && p[1] == o[1] && p[2] == o[2]) << x << "," << y;
      }
    }
}

TEST_F(LayersTest, aTextWatermarkNeedsAFontThatCanBeLoaded) {
  RunResult drawn = run({"-q", "--wm-text=Hello %filename%", "--wm-back-opacity=255", "--wm-back-color=0000FF"});
  EXPECT_EQ(drawn.status, 0) << drawn.out;
  Rgb pcx = decodePcx(folder.file("out.pcx"));
  ASSERT_EQ(pcx.width, 227);
  // The box sits 10 pixels in from the bottom-right corner.
  const uint8_t* corner = pcx.at(227 - 11, 149 - 11);
  EXPECT_TRUE(corner[0] == 0 && corner[1] == 0 && corner[2] == 255);
  const uint8_t* outside = pcx.at(227 - 9, 149 - 9);
  EXPECT_FALSE(outside[0] == 0 && outside[1] == 0 && outside[2] == 255);

  RunResult refused = run({"-d", "--wm-text=Hello", "--wm-font=No Such Font"});
  EXPECT_EQ(refused.status, 1);
  Lines lines = refused.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Watermark size/mode: fixed");
  EXPECT_EQ(lines.back(), "Error: Invalid watermark font");
}

TEST_F(LayersTest, brokenWatermarkPicturesConvertWithoutWatermark) {
  for (const char* mark : {"watermarks/truncated.png", "watermarks/huge-header.png", "testorig12.jpg",
                           "malformed/vips-truncated.jpg"}) {
    SCOPED_TRACE(mark);
    RunResult result = run({"-q", std::string("--wm-image=") + dataFile(mark), "--wm-image-position=topleft"});
    EXPECT_EQ(result.status, 0) << result.out;
    Rgb pcx = decodePcx(folder.file("out.pcx"));
    EXPECT_TRUE(pcx.pixels == decodeJpeg(dataFile("testorig.jpg")).pixels);
  }
  RunResult folderMark = run({"-q", "--wm-image=" + folder.path});
  EXPECT_EQ(folderMark.status, 1);
  EXPECT_EQ(folderMark.out, "Error: Invalid watermark image\n");
}

// Option values are 32-bit and unchecked: the stages must neither overflow
// nor allocate what the values claim.
TEST_F(LayersTest, extremeOptionValuesConvertCleanly) {
  const std::string most = "2147483647", least = "-2147483648";
  const Lines frame = {"--fr-solid-left=7", "--fr-solid-top=7", "--fr-solid-right=7", "--fr-solid-bottom=7"};
  const struct Case {
    Lines options;
    int status;
  } cases[] = {
      {{"--wm-text=Hi", "--wm-text-x-offset=" + most}, 0},
      {{"--wm-text=Hi", "--wm-text-x-offset=" + least, "--wm-text-y-offset=" + least}, 0},
      {{"--wm-text=Hi", "--wm-text-position=topleft", "--wm-text-x-offset=" + least}, 0},
      {{"--wm-text=Hi", "--wm-text-position=middlecenter", "--wm-text-padding=" + most}, 0},
      {{"--wm-text=Hi", "--wm-text-padding=" + most, "--wm-text-rotation=45"}, 0},
      {{"--wm-text=Hi", "--wm-text-padding=" + least}, 0},
      {{"--wm-text=Hi%eol%there", "--wm-font-leading=" + least}, 0},
      {{"--wm-text=Hi%eol%there", "--wm-font-leading=" + most, "--wm-text-alignment=center"}, 0},
      {{"--wm-text=Hi", "--wm-text-rotation=" + most}, 0},
      {{"--wm-text=Hi", "--wm-text-rotation=" + least, "--wm-text-opacity=" + least, "--wm-back-opacity=" + most}, 0},
      {{"--wm-text=Hi", "--wm-font-size=" + most}, 1},
      {{"--wm-text=Hi", "--wm-font-size=" + least}, 1},
      {{"--fr-solid-left=" + least, "--fr-solid-right=" + most, "--fr-solid-opacity=" + least}, 0},
      {{"--fr-solid-top=" + most, "--fr-solid-bottom=" + most, "--fr-solid-opacity=" + most}, 0},
      {{"--fr-solid-left=" + most, "--fr-solid-right=" + most, "--wm-text=Hi", "--wm-text-boundary=frame"}, 0},
      {{"--fr-solid-top=" + least, "--fr-solid-bottom=" + least, "--wm-text=Hi", "--wm-text-boundary=frame",
        "--wm-text-position=topleft"},
       0},
      {{"--wm-image=" + dataFile("testorig.jpg"), "--wm-image-x-offset=" + least, "--wm-image-y-offset=" + most}, 0},
      {{"--wm-image=" + dataFile("testorig.jpg"), "--wm-image-rotation=" + most, "--wm-image-opacity=" + least}, 0},
      {{"--rotation=" + most}, 0},
      {{"--rotation=" + least}, 0},
  };
  for (const Case& c : cases) {
    Lines options = c.options;
    options.insert(options.begin(), "-q");
    if (c.options.front().rfind("--wm-", 0) == 0) options.insert(options.end(), frame.begin(), frame.end());
    std::string trace;
    for (const std::string& option : options) trace += option + " ";
    SCOPED_TRACE(trace);
    runShell("rm -f " + shellQuote(folder.file("out.pcx")));
    RunResult result = run(options);
    EXPECT_EQ(result.status, c.status) << result.out;
    if (c.status == 0) {
      Rgb pcx = decodePcx(folder.file("out.pcx"));
      EXPECT_EQ(pcx.width, 227);
      EXPECT_EQ(pcx.height, 149);
    }
  }
}

TEST_F(LayersTest, withoutTheDrawingModuleTextCannotBeDrawnAndSaysWhy) {
  std::string lonely = folder.file("zorvane");
  runShell("cp " + shellQuote(ZORVANE_BINARY) + " " + shellQuote(lonely));
  RunResult result = runShell(shellQuote(lonely) + " -q -i " + shellQuote(dataFile("testorig.jpg")) + " -o " +
                              shellQuote(folder.path) + " --wm-text=x 2>&1");
  EXPECT_EQ(result.status, 1);
  Lines lines = result.lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("zorvane-layers.so"), std::string::npos);
  EXPECT_EQ(lines[1], "Error: Invalid watermark font");
}

}  // namespace
