// What the console run writes: PCX pixels checked by an independent decoder
// against the JPEG's own decoded pixels, file times, and the fate of files
// that were there before.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "support/support.h"

namespace {

struct OutputFilesTest : testing::Test {
  TempFolder folder;
  std::string out() const { return folder.file("out/"); }
  void SetUp() override { mkdir(folder.file("out").c_str(), 0777); }
  Lines written() const { return runShell("ls -A " + shellQuote(out())).lines(); }
  // Converts a fixture; true when the run reports success.
  bool convert(const std::string& input, const Lines& extra = {}) {
    Lines args = {"-q", "-i", input, "-o", out()};
    args.insert(args.end(), extra.begin(), extra.end());
    return runZorvane(args).status == 0;
  }
};

TEST_F(OutputFilesTest, pcxPixelsEqualTheDecodedJpeg) {
  const struct Case {
    const char* file;
    int width, height;
  } cases[] = {
      {"testorig.jpg", 227, 149},       // odd width and height
      {"testimgp.jpg", 227, 149},       // progressive
      {"testimgari.jpg", 227, 149},     // arithmetic coding
      {"testimggray.jpg", 227, 149},    // one component: equal red, green and blue
      {"jfif_unit_cm.jpg", 1, 1},       // one pixel
      {"pil_sample_rgb.jpg", 100, 100}, // restart markers, ICC profile
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(convert(dataFile(c.file)));
    std::string name = std::string(c.file).substr(0, std::string(c.file).size() - 4) + ".pcx";
    Rgb pcx = decodePcx(out() + name);
    EXPECT_EQ(pcx.width, c.width);
    EXPECT_EQ(pcx.height, c.height);
    expectSamePixels(pcx, decodeJpeg(dataFile(c.file)));
  }
  // The same coefficients coded three ways give the same picture.
  EXPECT_EQ(readFile(out() + "testimgp.pcx"), readFile(out() + "testimgari.pcx"));
}

TEST_F(OutputFilesTest, theHeaderDescribesA24BitPicture) {
  ASSERT_TRUE(convert(dataFile("testorig.jpg")));
  std::string pcx = readFile(out() + "testorig.pcx");
  ASSERT_GT(pcx.size(), 128u);
  auto word = [&](size_t at) { return littleWord(pcx, at); };
  EXPECT_EQ(pcx[0], 10);      // manufacturer
  EXPECT_EQ(pcx[2], 1);       // run-length encoded
  EXPECT_EQ(pcx[3], 8);       // bits per plane
  EXPECT_EQ(word(8), 226);    // last column
  EXPECT_EQ(word(10), 148);   // last row
  EXPECT_EQ(pcx[65], 3);      // planes
  EXPECT_EQ(word(66), 228);   // bytes per line, even
}

TEST_F(OutputFilesTest, theHeaderCarriesThePicturesResolution) {
  // JFIF density in dots per inch, per centimetre, or none (72 then).
  std::string dpi = readFile(dataFile("testorig.jpg"));
  ASSERT_EQ(dpi.compare(6, 5, std::string("JFIF\0", 5)), 0);
  dpi.replace(13, 5, std::string("\x01\x01\x2C\x00\x96", 5));  // unit, 300, 150
  writeFile(folder.file("dpi.jpg"), dpi);
  const struct Case {
    std::string file, pcx;
    unsigned x, y;
  } cases[] = {
      {folder.file("dpi.jpg"), "dpi.pcx", 300, 150},
      {dataFile("jfif_unit_cm.jpg"), "jfif_unit_cm.pcx", 3, 5},  // 1 x 2 dots per centimetre
      {dataFile("testorig.jpg"), "testorig.pcx", 72, 72},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(convert(c.file));
    std::string pcx = readFile(out() + c.pcx);
    ASSERT_GT(pcx.size(), 128u);
    EXPECT_EQ(littleWord(pcx, 12), c.x);
    EXPECT_EQ(littleWord(pcx, 14), c.y);
  }
}

TEST_F(OutputFilesTest, theWriterHoldsAtMost65534PixelsAcross) {
  // Bytes per line must be even and fit 16 bits; the last row is a 16-bit
  // field too. netpbm takes the window fields as signed and refuses such
  // sizes, so the tests' own reader checks them.
  const struct Case {
    int width, height;
    bool converts;
  } cases[] = {{65534, 1, true}, {65535, 1, false}, {65536, 1, false}, {1, 65536, true}, {1, 65537, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    Lines sizes = {"--width=" + std::to_string(c.width), "--height=" + std::to_string(c.height),
                   "--filename-mask=sized.%ext%"};
    ASSERT_EQ(convert(dataFile("jfif_unit_cm.jpg"), sizes), c.converts);
    if (!c.converts) {
      EXPECT_TRUE(written().empty());
      continue;
    }
    Rgb pcx = readPcx(out() + "sized.pcx");
    EXPECT_EQ(pcx.width, c.width);
    EXPECT_EQ(pcx.height, c.height);
    EXPECT_EQ(littleWord(readFile(out() + "sized.pcx"), 66), static_cast<unsigned>(c.width + c.width % 2));
    EXPECT_EQ(unlink((out() + "sized.pcx").c_str()), 0);
  }
}

TEST_F(OutputFilesTest, aNameWithADotDotPartFailsTheWrite) {
  // "-o .." is refused; a mask must not reach outside the folder either.
  mkdir(folder.file("out/sub").c_str(), 0777);
  for (const char* mask : {"../escaped.%ext%", "sub/../../escaped.%ext%", ".."}) {
    SCOPED_TRACE(mask);
    RunResult run = runZorvane({"-d", "-i", dataFile("testorig.jpg"), "-o", out(), std::string("--filename-mask=") + mask});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("[ERROR] Unable to convert the file!"), std::string::npos);
    EXPECT_EQ(written(), Lines{"sub"});
    EXPECT_EQ(runShell("ls -A " + shellQuote(folder.path)).lines(), Lines{"out"});
  }
  // Dots that are no ".." part are plain names.
  EXPECT_TRUE(convert(dataFile("testorig.jpg"), {"--filename-mask=sub/..x.%ext%"}));
  EXPECT_TRUE(exists(out() + "sub/..x.pcx"));
}

TEST_F(OutputFilesTest, exifOrientationIsAppliedAtLoading) {
  // How to turn the stored picture upright, for each orientation value.
  const char* const turns[] = {"cat",         "cat",          "pamflip -lr", "pamflip -r180",
                               "pamflip -tb", "pamflip -xy",  "pamflip -cw", "pamflip -xy | pamflip -r180",
                               "pamflip -ccw"};
  for (int n = 0; n <= 8; n++) {
    SCOPED_TRACE(n);
    std::string name = "Landscape_" + std::to_string(n);
    std::string input = dataFile("orientation/" + name + ".jpg");
    ASSERT_TRUE(convert(input));
    std::string reference = folder.file(name + ".ppm");
    ASSERT_EQ(runShell("djpeg -dct int -pnm " + shellQuote(input) + " | " + turns[n] + " > " + shellQuote(reference))
                  .status,
              0);
    Rgb pcx = decodePcx(out() + name + ".pcx");
    EXPECT_EQ(pcx.width, 1800);
    EXPECT_EQ(pcx.height, 1200);
    expectSamePixels(pcx, readPnm(reference));
  }
  ASSERT_TRUE(convert(dataFile("orientation/orientation_rectangle.jpg")));
  Rgb small = decodePcx(out() + "orientation_rectangle.pcx");
  EXPECT_EQ(small.width, 1);
  EXPECT_EQ(small.height, 2);
}

TEST_F(OutputFilesTest, brokenAndHostileFilesFailCleanly) {
  // A picture of 60000 x 60000 pixels claimed by a few kilobytes.
  std::string huge = readFile(dataFile("testorig.jpg"));
  size_t frame = huge.find("\xFF\xC0");
  ASSERT_NE(frame, std::string::npos);
  huge.replace(frame + 5, 4, "\xEA\x60\xEA\x60");
  writeFile(folder.file("huge.jpg"), huge);

  const struct Case {
    std::string file;
    bool converts;
  } cases[] = {
      {folder.file("huge.jpg"), false},
      {dataFile("testorig12.jpg"), false},
      {dataFile("malformed/afl-01-eof-after-soi.jpg"), false},
      {dataFile("malformed/afl-02-eof-in-dht.jpg"), false},
      {dataFile("malformed/afl-03-zero-width.jpg"), false},
      {dataFile("malformed/afl-04-sof-c8-unsupported.jpg"), false},
      {dataFile("malformed/afl-05-bogus-dht-index.jpg"), false},
      {dataFile("malformed/afl-06-bogus-marker-length.jpg"), false},
      {dataFile("malformed/afl-07-precision-136.jpg"), false},
      {dataFile("malformed/afl-08-height-65503.jpg"), false},
      {dataFile("malformed/afl-09-width-64544-progressive.jpg"), false},
      {dataFile("malformed/afl-10-nine-components.jpg"), false},
      {dataFile("malformed/vips-truncated.jpg"), false},
      // Junk between segments costs nothing of the picture.
      {dataFile("malformed/junk_jpeg_header.jpg"), true},
      // Its data is whole; only the second byte of its end marker is missing.
      {dataFile("malformed/truncated_jpeg.jpg"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    RunResult run = runZorvane({"-d", "-i", c.file, "-o", out(), "--filename-mask=result.%ext%"});
    EXPECT_EQ(run.status, c.converts ? 0 : 1);
    Lines lines = run.lines();
    ASSERT_GE(lines.size(), 2u);
    if (c.converts) {
      EXPECT_EQ(lines.back(), "Files converted: 1 of 1");
      EXPECT_EQ(written(), Lines{"result.pcx"});
      EXPECT_EQ(unlink((out() + "result.pcx").c_str()), 0);
    } else {
      EXPECT_EQ(lines[lines.size() - 2], "[ERROR] Unable to convert the file!");
      EXPECT_EQ(lines.back(), "Conversion stopped");
      EXPECT_TRUE(written().empty());
    }
  }
}

TEST_F(OutputFilesTest, theOutputFileCanTakeTheInputFilesTimeOrAFixedOne) {
  std::string input = folder.file("photo.jpg");
  writeFile(input, readFile(dataFile("testorig.jpg")));
  ASSERT_EQ(runShell("touch -m -d '2001-02-03 04:05:06.5' " + shellQuote(input)).status, 0);
  auto modified = [](const std::string& path) {
    struct stat st;
    stat(path.c_str(), &st);
    return st.st_mtim;
  };
  ASSERT_TRUE(convert(input, {"--file-timestamp=original"}));
  EXPECT_EQ(modified(out() + "photo.pcx").tv_sec, modified(input).tv_sec);
  EXPECT_EQ(modified(out() + "photo.pcx").tv_nsec, modified(input).tv_nsec);

  // A custom time counts seconds of local time: 2020-01-02 03:04:05 here.
  ASSERT_TRUE(convert(input, {"--file-timestamp=custom", "--file-timestamp-custom=1577934245"}));
  EXPECT_EQ(runShell("date -r " + shellQuote(out() + "photo.pcx") + " '+%F %T'").out, "2020-01-02 03:04:05\n");

  time_t before = time(nullptr);
  ASSERT_TRUE(convert(input, {"--file-timestamp=current"}));
  EXPECT_GE(modified(out() + "photo.pcx").tv_sec, before);
}

TEST_F(OutputFilesTest, anExistingFileIsReplacedOnlyByACompleteNewOne) {
  std::string input = dataFile("testorig.jpg");
  std::string target = out() + "testorig.pcx";
  writeFile(target, "old content");
  chmod(target.c_str(), 0444);
  ASSERT_TRUE(convert(input));
  EXPECT_EQ(decodePcx(target).width, 227);

  // A write that fails (here the file size limit) leaves the old file as it was.
  writeFile(target, "old content");
  RunResult limited = runShell("ulimit -f 8; " + shellQuote(ZORVANE_BINARY) + " -d -i " + shellQuote(input) +
                               " -o " + shellQuote(out()));
  EXPECT_EQ(limited.status, 1);
  EXPECT_NE(limited.out.find("[ERROR] Unable to convert the file!"), std::string::npos);
  EXPECT_EQ(readFile(target), "old content");
  EXPECT_EQ(written(), Lines{"testorig.pcx"});
}

TEST_F(OutputFilesTest, aFolderWithTheOutputNameIsLeftAlone) {
  mkdir((out() + "testorig.pcx").c_str(), 0777);
  RunResult run = runZorvane({"-d", "-i", dataFile("testorig.jpg"), "-o", out()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("[ERROR] Unable to convert the file!"), std::string::npos);
  EXPECT_EQ(written(), Lines{"testorig.pcx"});
  EXPECT_TRUE(exists(out() + "testorig.pcx/."));
}

TEST_F(OutputFilesTest, twoRunsSideBySideBothConvert) {
  std::string command = shellQuote(ZORVANE_BINARY) + " -q -i " + shellQuote(dataFile("testorig.jpg")) + " -o " +
                        shellQuote(out()) + " --filename-mask=";
  RunResult both =
      runShell("(" + command + "a.%ext% & " + command + "b.%ext% & wait %1; echo $?; wait %2; echo $?) 2>&1");
  EXPECT_EQ(both.out, "0\n0\n");
  EXPECT_EQ(written(), (Lines{"a.pcx", "b.pcx"}));
}

TEST_F(OutputFilesTest, relativeOutputFoldersLieInTheProgramsFolder) {
  std::string program = ZORVANE_BINARY;
  std::string programFolder = program.substr(0, program.rfind('/') + 1);
  std::string name = "relative-" + std::to_string(getpid());
  ASSERT_EQ(mkdir((programFolder + name).c_str(), 0777), 0);
  EXPECT_TRUE(convert(dataFile("testorig.jpg"), {"-o", "./" + name}));
  EXPECT_TRUE(exists(programFolder + name + "/testorig.pcx"));
  EXPECT_TRUE(written().empty());
  // An input without a folder part and no output option: the program's folder.
  writeFile(folder.file(name + ".jpg"), readFile(dataFile("testorig.jpg")));
  RunResult run = runShell("cd " + shellQuote(folder.path) + " && " + shellQuote(program) + " -q -i " + name + ".jpg");
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(exists(programFolder + name + ".pcx"));
  runShell("rm -rf " + shellQuote(programFolder + name) + " " + shellQuote(programFolder + name + ".pcx"));
}

}  // namespace
