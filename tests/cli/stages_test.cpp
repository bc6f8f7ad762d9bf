// The geometry and colour options through the real program, the PCX read
// back by an independent decoder and compared with netpbm's own operations
// on the decoded JPEG where the result is exact.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/support.h"

namespace {

struct StagesTest : testing::Test {
  TempFolder folder;
  Rgb convert(const Lines& options) {
    Lines args = {"-q", "-i", dataFile("testorig.jpg"), "-o", folder.path, "--filename-mask=out.%ext%"};
    args.insert(args.end(), options.begin(), options.end());
    if (runZorvane(args).status != 0) return {};
    return decodePcx(folder.file("out.pcx"));
  }
  Rgb reference(const std::string& netpbm) {
    std::string file = folder.file("reference.ppm");
    runShell("djpeg -dct int -pnm " + shellQuote(dataFile("testorig.jpg")) + " | " + netpbm + " > " + shellQuote(file));
    return readPnm(file);
  }
};

TEST_F(StagesTest, exactOperationsMatchNetpbm) {
  const struct Case {
    Lines options;
    const char* netpbm;
  } cases[] = {
      {{"--invert"}, "pnminvert"},
      {{"--flip-horizontal"}, "pamflip -lr"},
      {{"--flip-horizontal", "--flip-vertical"}, "pamflip -r180"},
      {{"--rotation=90"}, "pamflip -ccw"},
      {{"--rotation=270", "--rotation-type=simple"}, "pamflip -cw"},
      {{"--rotation=360"}, "cat"},
      {{"--brightness=0", "--contrast=0", "--gamma=1"}, "cat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.netpbm);
    expectSamePixels(convert(c.options), reference(c.netpbm));
  }
}

TEST_F(StagesTest, sizesFollowTheResizeOptions) {
  const struct Case {
    Lines options;
    int width, height;
  } cases[] = {
      {{"--width=50", "--width-unit=percent", "--height=50", "--height-unit=percent"}, 114, 74},
      {{"--width=100", "--height=1", "--keep-aspect-ratio"}, 100, 66},
      {{"--width=200", "--height=300", "--resize-type=largeimages", "--resize-algorithm=lanczos"}, 200, 300},
      {{"--width=500", "--height=500", "--resize-type=largeimages"}, 227, 149},
      {{"--rotation=45", "--rotation-back-color=FF0000"}, 267, 267},
      {{"--rotation=45", "--rotation-type=advanced"}, 227, 149},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options[0] + " " + c.options[1]);
    Rgb pcx = convert(c.options);
    EXPECT_EQ(pcx.width, c.width);
    EXPECT_EQ(pcx.height, c.height);
  }
  Rgb slanted = convert({"--rotation=45", "--rotation-back-color=FF0000"});
  ASSERT_GT(slanted.width, 0);
  EXPECT_EQ(slanted.at(0, 0)[0], 255);
  EXPECT_EQ(slanted.at(0, 0)[1], 0);
}

TEST_F(StagesTest, greyAndBlackAndWhiteResultsReachThePcxAs24BitPixels) {
  auto grey = [](const Rgb& picture) {
    for (size_t i = 0; i < picture.pixels.size(); i += 3)
      if (picture.pixels[i] != picture.pixels[i + 1] || picture.pixels[i] != picture.pixels[i + 2]) return false;
    return !picture.pixels.empty();
  };
  auto blackAndWhite = [](const Rgb& picture) {
    for (uint8_t value : picture.pixels)
      if (value != 0 && value != 255) return false;
    return !picture.pixels.empty();
  };
  EXPECT_TRUE(grey(convert({"--greyscale"})));
  EXPECT_TRUE(blackAndWhite(convert({"--threshold=128"})));
  EXPECT_TRUE(blackAndWhite(convert({"--dither=bayer16"})));
  EXPECT_TRUE(blackAndWhite(convert({"--threshold=100", "--dither=cluster6"})));
  Rgb white = convert({"--threshold=0"});
  EXPECT_TRUE(!white.pixels.empty() && std::all_of(white.pixels.begin(), white.pixels.end(), [](uint8_t v) { return v == 255; }));
}

TEST_F(StagesTest, anAbsurdSizeFailsTheFileWithoutWritingIt) {
  RunResult run = runZorvane({"-d", "-i", dataFile("testorig.jpg"), "-o", folder.path, "--width=2000000000",
                              "--height=2000000000"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("[ERROR] Unable to convert the file!"), std::string::npos);
  EXPECT_EQ(runShell("ls -A " + shellQuote(folder.path)).out, "");
}

TEST_F(StagesTest, aTurnTheMemoryCannotHoldFailsTheFileBeforeItIsMade) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#endif
  // 30000 x 10 pixels take little memory; turned by 45 degrees they would
  // fill 21000 x 21000, more than the 1.5 GB the run may have.
  std::string wide = folder.file("wide.jpg");
  ASSERT_EQ(runShell("ppmmake rgb:80/80/80 30000 10 | pnmtojpeg > " + shellQuote(wide)).status, 0);
  std::string run = "ulimit -v 1500000; " + shellQuote(ZORVANE_BINARY) + " -q -i " + shellQuote(wide) + " -o " +
                    shellQuote(folder.path) + " --filename-mask=out.%ext%";
  EXPECT_EQ(runShell(run + " --rotation=45").status, 1);
  EXPECT_FALSE(exists(folder.file("out.pcx")));
  EXPECT_EQ(runShell(run + " --rotation=90").status, 0);
  EXPECT_EQ(decodePcx(folder.file("out.pcx")).height, 30000);
}

}  // namespace
