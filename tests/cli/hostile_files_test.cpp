// Hostile and damaged JPEG files through the console converter: each either
// converts to exactly the picture its data holds or fails cleanly, with the
// failure lines, exit status 1, nothing written, no temporary file left and
// the file that had the output name untouched.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/support.h"

namespace {

struct HostileFilesTest : testing::Test {
  TempFolder folder;
  std::string out() const { return folder.file("out/"); }
  void SetUp() override {
    mkdir(folder.file("out").c_str(), 0777);
    writeFile(out() + "result.pcx", "the file that was there");
  }
  Lines written() const { return runShell("ls -A " + shellQuote(out())).lines(); }
  RunResult convert(const std::string& input, const Lines& extra = {}) {
    Lines args = {"-d", "-i", input, "-o", out(), "--filename-mask=result.%ext%"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runZorvane(args);
  }
  void expectCleanFailure(const std::string& input, const Lines& extra = {}) {
    std::string before = readFile(out() + "result.pcx");
    RunResult run = convert(input, extra);
    EXPECT_EQ(run.status, 1);
    Lines lines = run.lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "[ERROR] Unable to convert the file!");
    EXPECT_EQ(lines.back(), "Conversion stopped");
    EXPECT_EQ(written(), Lines{"result.pcx"});
    EXPECT_EQ(readFile(out() + "result.pcx"), before);
  }
  // Converts and returns the picture written, read by `reader`.
  Rgb converted(const std::string& input, Rgb (*reader)(const std::string&) = decodePcx) {
    RunResult run = convert(input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(written(), Lines{"result.pcx"});
    return reader(out() + "result.pcx");
  }
  // The file with its last `bytes` bytes cut off, written as a new file.
  std::string withoutEnd(const std::string& file, size_t bytes) {
    std::string jpeg = readFile(dataFile(file));
    std::string path = folder.file("cut-" + std::to_string(bytes) + "-" + fileName(file));
    writeFile(path, jpeg.substr(0, jpeg.size() - bytes));
    return path;
  }
  static std::string fileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }
};

TEST_F(HostileFilesTest, picturesWithMissingRowsFail) {
  // Each of these decodes to a picture with a part painted in, grey or
  // the last colour, and warnings the decoder reports only in part.
  for (const char* file : {"hostile/scan-cut-and-closed-after-junk-bytes.jpg",
                           "hostile/restart-intervals-cut-before-rst4.jpg",
                           "hostile/arithmetic-coded-header-claims-227x4000.jpg", "malformed/vips-truncated.jpg"}) {
    SCOPED_TRACE(file);
    expectCleanFailure(dataFile(file));
  }
  // A progressive picture cut between its scans and closed: no warning,
  // but its later scans' coefficients never arrive.
  std::string progressive = readFile(dataFile("testimgp.jpg"));
  size_t sixthScan = 0;
  for (int scan = 0; scan < 6; scan++) sixthScan = progressive.find("\xFF\xDA", sixthScan + 1);
  ASSERT_NE(sixthScan, std::string::npos);
  writeFile(folder.file("scans-missing.jpg"), progressive.substr(0, sixthScan) + "\xFF\xD9");
  expectCleanFailure(folder.file("scans-missing.jpg"));
}

TEST_F(HostileFilesTest, headersClaimingMoreThanTheDataHoldsFail) {
  // A few kilobytes claiming hundreds of megapixels; refused before the
  // picture is allocated (bench/run.sh shows the time and memory).
  for (const char* file : {"hostile/header-claims-30000x30000.jpg", "hostile/header-claims-40000x40000.jpg",
                           "hostile/arithmetic-coded-header-claims-30000x30000.jpg"}) {
    SCOPED_TRACE(file);
    expectCleanFailure(dataFile(file));
    // With stages that change the size, the same.
    expectCleanFailure(dataFile(file), {"--width=10", "--height=10"});
  }
}

TEST_F(HostileFilesTest, dataLackingOnlyItsEndMarkerConverts) {
  // Cameras and interrupted copies write such files; every pixel is there.
  const struct Case {
    const char* file;
    size_t cut;  // bytes cut from the end
  } cases[] = {
      {"testorig.jpg", 2},         {"testorig.jpg", 1},         {"testimgp.jpg", 2},
      {"testimgari.jpg", 2},       {"pil_sample_rgb.jpg", 2},   // restart markers
      {"malformed/truncated_jpeg.jpg", 0},                        // only the 0xFF of its end marker left
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " less " + std::to_string(c.cut));
    std::string whole = folder.file("whole.jpg");
    writeFile(whole, readFile(dataFile(c.file)) + (c.cut == 0 ? "\xD9" : ""));
    expectSamePixels(converted(withoutEnd(c.file, c.cut)), decodeJpeg(whole));
  }
  // One byte more cut is a row's data lost.
  expectCleanFailure(withoutEnd("testorig.jpg", 3));
}

TEST_F(HostileFilesTest, exifBlocksThatCrashTheDecoderCostOnlyTheOrientation) {
  for (const char* file : {"hostile/exif-first-directory-at-offset-0.jpg", "hostile/exif-entry-count-one-bit-flipped.jpg"}) {
    SCOPED_TRACE(file);
    expectSamePixels(converted(dataFile(file)), decodeJpeg(dataFile(file)));
    // The watermark picture is loaded the same way.
    RunResult marked = convert(dataFile("testorig.jpg"), {std::string("--wm-image=") + dataFile(file)});
    EXPECT_EQ(marked.status, 0);
    EXPECT_EQ(decodePcx(out() + "result.pcx").width, 227);
  }
}

TEST_F(HostileFilesTest, aPictureWiderThanNetpbmReadsConverts) {
  // netpbm takes the window fields as signed and refuses this one.
  expectSamePixels(converted(dataFile("hostile/valid-40000x8.jpg"), readPcx),
                   decodeJpeg(dataFile("hostile/valid-40000x8.jpg")));
}

TEST_F(HostileFilesTest, aRunOutOfMemoryEndsWithTheFailureLines) {
  // Under an address-space limit the decoder's metadata reader throws where
  // it cannot allocate. From the lowest limit that converts a small file
  // on, every limit must give a conversion or the normal failure.
  auto limited = [&](const std::string& input, int kilobytes) {
    return runShell("ulimit -v " + std::to_string(kilobytes) + "; " + shellQuote(ZORVANE_BINARY) + " -d -i " +
                    shellQuote(input) + " -o " + shellQuote(out()) + " --filename-mask=limited.%ext% 2>&1");
  };
  int lowest = 16000;
  while (lowest < 200000 && limited(dataFile("testorig.jpg"), lowest).status != 0) lowest += 250;
  ASSERT_LT(lowest, 200000);
  for (const char* file : {"pil_sample_rgb.jpg", "orientation/Landscape_6.jpg"})
    for (int kilobytes = lowest; kilobytes < lowest + 8000; kilobytes += 250) {
      SCOPED_TRACE(std::string(file) + " " + std::to_string(kilobytes));
      RunResult run = limited(dataFile(file), kilobytes);
      Lines lines = run.lines();
      ASSERT_TRUE(run.status == 0 || run.status == 1) << run.out;
      ASSERT_FALSE(lines.empty());
      EXPECT_EQ(lines.back(), run.status == 0 ? "Files converted: 1 of 1" : "Conversion stopped");
    }
}

}  // namespace
