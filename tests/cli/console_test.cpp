// The console face through the real program: its lines, their order, its
// exit status and the files it writes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/support.h"

namespace {

const Lines banner = {"Lumavex JPG to PCX 2.5", "Copyright (c) 2026 Lumavex. All rights reserved.",
                      "https://www.lumavex.example/", " "};

Lines withoutBanner(const Lines& lines) {
  if (lines.size() < banner.size() || !std::equal(banner.begin(), banner.end(), lines.begin())) return lines;
  return Lines(lines.begin() + static_cast<long>(banner.size()), lines.end());
}

struct ConsoleTest : testing::Test {
  TempFolder folder;
  std::string photo;  // an odd-sized JPEG
  void SetUp() override {
    photo = folder.file("Holiday.Photo.JPG");
    writeFile(photo, readFile(dataFile("testorig.jpg")));
    mkdir(folder.file("out").c_str(), 0777);
  }
  std::string out() const { return folder.file("out/"); }
  Lines written() const {
    RunResult listing = runShell("ls -A " + shellQuote(out()));
    return listing.lines();
  }
};

TEST_F(ConsoleTest, aDebugRunReportsEveryStepInOrder) {
  RunResult run = runZorvane({"-i", photo, "-o", folder.file("out"), "-d"});
  EXPECT_EQ(run.status, 0);
  Lines lines = run.lines();
  ASSERT_GE(lines.size(), banner.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4), banner);
  EXPECT_EQ(withoutBanner(lines), (Lines{
                                      "Preparing...",
                                      "Input: " + photo,
                                      "Output: " + folder.file("out"),
                                      "Conversion: pcx",
                                      "PCX BPP: 0",
                                      "Flip Horizontal: 0",
                                      "Flip Vertical: 0",
                                      "Greyscale: 0",
                                      "Frame: none",
                                      "Watermark: none",
                                      "Filename Mask: %filename%.%ext%",
                                      "File Timestamp: current",
                                      "Keep Subfolders: 1",
                                      "Importing...",
                                      "Import complete, new files added: 1",
                                      "Converting...",
                                      "Processing: " + photo,
                                      "File Format: JPEG/JFIF",
                                      "[OK] Saving As: " + out() + "Holiday.Photo.pcx",
                                      "Conversion complete",
                                      "Files converted: 1 of 1",
                                  }));
}

TEST_F(ConsoleTest, theReportShowsEveryGroupOfOptions) {
  writeFile(folder.file("mark.png"), "not empty");
  RunResult run = runZorvane({"-i", photo, "-o", out(), "-d", "--rotation=90", "--rotation-type=advanced",
                              "--rotation-back-color=ff0000", "--width=50", "--width-unit=percent", "--height=40",
                              "--keep-aspect-ratio", "--resize-type=largeimages", "--resize-algorithm=lanczos",
                              "--flip-vertical", "--brightness=-5", "--contrast=10", "--gamma=1.5", "--greyscale",
                              "--threshold=128", "--dither=cluster8", "--fr-solid-left=3", "--fr-solid-top-color=00FF00",
                              "--fr-solid-opacity=128", "--wm-image=" + folder.file("mark.png"),
                              "--wm-image-position=topleft", "--wm-image-x-offset=-4", "--file-timestamp=custom",
                              "--file-timestamp-custom=1000", "--no-subfolders", "--filename-mask=%n%.%ext%"});
  Lines lines = withoutBanner(run.lines());
  Lines expected = {
      "Image Rotation Type: advanced", "Image Rotation: 90", "Image Rotation Back Color: ff0000",
      "Width: 50 percent", "Height: 40 pixels", "Keep Aspect Ratio: 1", "Image Resize Type: largeimages",
      "Image Resize Algorithm: lanczos", "Flip Horizontal: 0", "Flip Vertical: 1", "Brightness: -5", "Contrast: 10",
      "Gamma: 1.50", "Invert: 0", "Greyscale: 1", "Image Threshold: 128", "Image Dithering Algorithm: cluster8",
      "Frame: solid", "Frame left: 3", "Frame right: 0", "Frame top: 0", "Frame bottom: 0",
      "Frame left color: 000000", "Frame right color: 000000", "Frame top color: 00FF00",
      "Frame bottom color: 000000", "Frame opacity: 128", "Watermark: image",
      "Watermark image: " + folder.file("mark.png"), "Watermark greyscale: 0", "Watermark opacity: 255",
      "Watermark boundary: image", "Watermark position: topleft", "Watermark offset (x/y): -4/10",
      "Watermark rotation: 0", "Watermark size/mode: fixed", "Filename Mask: %n%.%ext%", "File Timestamp: custom",
      "Custom Timestamp: 1000", "Keep Subfolders: 0", "Importing..."};
  auto first = std::find(lines.begin(), lines.end(), expected.front());
  ASSERT_NE(first, lines.end()) << run.out;
  EXPECT_EQ(Lines(first, first + std::min<long>(lines.end() - first, static_cast<long>(expected.size()))), expected);
}

TEST_F(ConsoleTest, theTextWatermarkReportNamesItsSettings) {
  RunResult run = runZorvane({"-i", photo, "-o", out(), "-d", "--wm-text=Hello %filename%", "--wm-font-style=bolditalic",
                              "--wm-font-effect=strikethrought", "--wm-text-alignment=center", "--wm-text-boundary=frame"});
  Lines lines = withoutBanner(run.lines());
  Lines expected = {"Watermark: text", "Watermark text: Hello %filename%", "Watermark font: Arial",
                    "Watermark font size: 14", "Watermark font leading: 0", "Watermark font color: FFFFFF",
                    "Watermark font style: bolditalic", "Watermark font effect: strikethrought",
                    "Watermark text antialiasing: 0", "Watermark text alignment: center",
                    "Watermark text padding: 0", "Watermark text opacity: 255", "Watermark background color: 000000",
                    "Watermark background opacity: 1", "Watermark boundary: frame", "Watermark position: bottomright",
                    "Watermark offset (x/y): 10/10", "Watermark rotation: 0", "Watermark size/mode: fixed"};
  auto first = std::find(lines.begin(), lines.end(), expected.front());
  ASSERT_NE(first, lines.end()) << run.out;
  EXPECT_EQ(Lines(first, first + std::min<long>(lines.end() - first, static_cast<long>(expected.size()))), expected);
}

TEST_F(ConsoleTest, aQuietSuccessfulRunPrintsNothing) {
  RunResult run = runZorvane({"-q", "-i", photo, "-o", out()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(written(), Lines{"Holiday.Photo.pcx"});
}

TEST_F(ConsoleTest, everyFailedCheckPrintsItsErrorLineAndConvertsNothing) {
  writeFile(folder.file("empty.jpg"), "");
  writeFile(folder.file("noextension"), readFile(photo));
  writeFile(folder.file("mark.png"), "");
  mkdir(folder.file("folder.jpg").c_str(), 0777);
  const struct Case {
    Lines args;
    const char* error;
  } cases[] = {
      {{"-i", folder.file("noextension")}, "Error: Invalid input file"},
      {{"-i", folder.file("missing.jpg")}, "Error: Invalid input file"},
      {{"-i", folder.file("folder.jpg")}, "Error: Invalid input file"},
      {{"-i", folder.file("empty.jpg")}, "Error: Invalid input file"},
      {{"-i", photo, "-o", "../somewhere"}, "Error: Incorrect output folder"},
      {{"-i", photo, "-o", folder.file("missing")}, "Error: Invalid output folder"},
      {{"-i", photo, "-o", photo}, "Error: Invalid output folder"},
      {{"-i", photo, "-c", "PCX"}, "Error: Invalid conversion type"},
      {{"-i", photo, "--conversion=png"}, "Error: Invalid conversion type"},
      {{"-i", photo, "--pcx-bpp=8"}, "Error: Invalid pcx-bpp value"},
      {{"-i", photo, "--width=100"}, "Error: Invalid height value"},
      {{"-i", photo, "--height=100"}, "Error: Invalid width value"},
      {{"-i", photo, "--width=0", "--height=5"}, "Error: Invalid width value"},
      {{"-i", photo, "--brightness=101"}, "Error: Invalid brightness value"},
      {{"-i", photo, "--contrast=-101"}, "Error: Invalid contrast value"},
      {{"-i", photo, "--gamma=10"}, "Error: Invalid gamma value"},
      {{"-i", photo, "--gamma=0.009"}, "Error: Invalid gamma value"},
      {{"-i", photo, "--gamma=nan"}, "Error: Invalid gamma value"},
      {{"-i", photo, "--wm-image=" + folder.file("mark.png")}, "Error: Invalid watermark image"},
      {{"-i", photo, "--wm-image=" + folder.file("missing.png")}, "Error: Invalid watermark image"},
  };
  for (const Case& c : cases) {
    for (bool quiet : {false, true}) {
      Lines args = c.args;
      if (quiet) args.push_back("-q");
      std::string trace;
      for (const std::string& arg : args) trace += arg + " ";
      SCOPED_TRACE(trace);
      RunResult run = runZorvane(args);
      EXPECT_EQ(run.status, 1);
      ASSERT_FALSE(run.lines().empty());
      EXPECT_EQ(run.lines().back(), c.error);
      EXPECT_EQ(run.lines().size(), quiet ? 1u : banner.size() + 2);
    }
  }
  EXPECT_TRUE(written().empty());
  EXPECT_EQ(runShell("ls -A " + shellQuote(folder.path) + " | grep -c '^zorvane'").out, "0\n");
}

TEST_F(ConsoleTest, valuesAtTheEdgeOfTheirRangePass) {
  for (const char* option : {"--gamma=0.01", "--gamma=9.99", "--brightness=-100", "--contrast=100", "--pcx-bpp=24",
                             "--pcx-bpp=0", "-c=pcx", "--width=-5"}) {
    SCOPED_TRACE(option);
    Lines args = {"-q", "-i", photo, "-o", out(), option};
    if (std::string(option) == "--width=-5") args.push_back("--height=5");
    EXPECT_EQ(runZorvane(args).status, 0);
  }
}

TEST_F(ConsoleTest, filesThatAreNoJpegPicturesAreNotImported) {
  writeFile(folder.file("picture.png"), readFile(photo));
  writeFile(folder.file("list.txt"), "x");
  for (const char* name : {"picture.png", "list.txt"}) {
    SCOPED_TRACE(name);
    RunResult run = runZorvane({"-i", folder.file(name), "-o", out()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(withoutBanner(run.lines()),
              (Lines{"Preparing...", "Importing...", "Import complete, new files added: 0", "Conversion stopped",
                     "No input file(s) found. Please, add valid file(s) and try again!"}));
    RunResult quiet = runZorvane({"-q", "-i", folder.file(name), "-o", out()});
    EXPECT_EQ(quiet.lines(),
              (Lines{"Conversion stopped", "No input file(s) found. Please, add valid file(s) and try again!"}));
  }
}

TEST_F(ConsoleTest, aPictureThatIsNoJpegFailsInTheWorker) {
  ASSERT_EQ(runShell("djpeg -pnm " + shellQuote(photo) + " | pnmtopng > " + shellQuote(folder.file("p.jpg"))).status,
            0);
  RunResult run = runZorvane({"-i", folder.file("p.jpg"), "-o", out(), "-d"});
  EXPECT_EQ(run.status, 1);
  Lines lines = run.lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()), (Lines{"Processing: " + folder.file("p.jpg"), "File Format: PNG",
                                                        "[ERROR] Unable to convert the file!", "Conversion stopped"}));
  EXPECT_EQ(runZorvane({"-q", "-i", folder.file("p.jpg"), "-o", out()}).out, "Conversion stopped\n");
  EXPECT_TRUE(written().empty());
}

TEST_F(ConsoleTest, parameterErrorsStopTheScan) {
  const struct Case {
    Lines args;
    const char* error;
  } cases[] = {
      {{"-i"}, "Error: Incorrect number of parameters"},
      {{"-i", "-q"}, "Error: Incorrect number of parameters"},
      {{"--input"}, "Error: Incorrect number of parameters"},
      {{"--input="}, "Error: Incorrect number of parameters"},
      {{"-o", "/tmp", "-c"}, "Error: Incorrect number of parameters"},
      {{"-i", "a.jpg", "--width=--5"}, "Error: Incorrect number of parameters"},
      {{"-i", "a.jpg", "--profile="}, "Error: Incorrect number of parameters"},
      {{"-i", "a.jpg", "--profile=/no/such/profile.ini"}, "Error: Invalid profile file"},
      {{"--profile=/no/such/profile.ini", "-i", "a.jpg"}, "Error: Invalid profile file"},
      {{"-q", "-p", "--width"}, "Error: Incorrect number of parameters"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : ""));
    RunResult run = runZorvane(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, std::string(c.error) + "\n");
  }
}

TEST_F(ConsoleTest, aProfileThatIsNoRegularFileOfAFewMegabytesIsRefused) {
  std::string fifo = folder.file("fifo.ini");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  writeFile(folder.file("large.ini"), "[CLI]\n--flip-vertical\n" + std::string(5 << 20, ';'));
  for (const std::string& profile : {fifo, std::string("/dev/zero"), folder.file("large.ini"), folder.path}) {
    SCOPED_TRACE(profile);
    // Without the refusal, a fifo waits for ever and /dev/zero fills the memory.
    RunResult run = runShell("timeout 60 " + shellQuote(ZORVANE_BINARY) + " -i " + shellQuote(photo) +
                             " --profile=" + shellQuote(profile) + " </dev/null");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "Error: Invalid profile file\n");
  }
  // A long profile below the limit is read.
  writeFile(folder.file("long.ini"), "[CLI]\n--filename-mask = long.%ext%\n" + std::string(3 << 20, ';'));
  EXPECT_EQ(runZorvane({"-q", "-i", photo, "-o", out(), "--profile=" + folder.file("long.ini")}).status, 0);
  EXPECT_EQ(written(), Lines{"long.pcx"});
}

TEST_F(ConsoleTest, aWriteErrorOnStandardOutputFailsTheRun) {
  const struct Case {
    Lines args;
    const char* redirection;
    const char* error;  // on standard error; "" for none
  } cases[] = {
      {{"-h"}, ">/dev/full", "zorvane: write error: No space left on device\n"},
      {{"-v"}, ">/dev/full", "zorvane: write error: No space left on device\n"},
      {{"-v"}, ">&-", "zorvane: write error: Bad file descriptor\n"},
      {{"-i", photo, "-o", out()}, ">/dev/full", "zorvane: write error: No space left on device\n"},
      {{"-i", "-p"}, ">/dev/full", "zorvane: write error: No space left on device\n"},
      // Nothing printed, nothing lost.
      {{"-q", "-i", photo, "-o", out()}, ">/dev/full", ""},
  };
  for (const Case& c : cases) {
    std::string command = shellQuote(ZORVANE_BINARY);
    for (const std::string& arg : c.args) command += " " + shellQuote(arg);
    command += std::string(" </dev/null 2>&1 ") + c.redirection;
    SCOPED_TRACE(command);
    RunResult run = runShell(command);
    EXPECT_EQ(run.status, c.error[0] ? 1 : 0);
    EXPECT_EQ(run.out, c.error);
  }
}

TEST_F(ConsoleTest, aWorkerThreadThatCannotStartEndsTheRunAsFailed) {
#ifdef ZORVANE_SANITIZE
  GTEST_SKIP() << "the sanitizers' shadow memory needs more address space than the limit allows";
#endif
  // A thread's stack is as large as the stack limit, which here does not fit
  // into the address space left.
  RunResult run = runShell("ulimit -s 2000000 && ulimit -v 1000000 && " + shellQuote(ZORVANE_BINARY) + " -i " +
                           shellQuote(photo) + " -o " + shellQuote(out()) + " -d </dev/null");
  EXPECT_EQ(run.status, 1);
  Lines lines = run.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"Converting...", "Conversion stopped"}));
  EXPECT_TRUE(written().empty());
}

TEST_F(ConsoleTest, helpAndVersionAnswerOnlyInFirstPlace) {
  RunResult version = runZorvane({"-v", "-i", photo});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "2.5\n");
  EXPECT_EQ(runZorvane({"--VERSION"}).out, "2.5\n");

  for (const char* help : {"-h", "-?", "--help", "--Help=please"}) {
    RunResult run = runZorvane({help, "-i", photo});
    EXPECT_EQ(run.status, 0);
    Lines lines = run.lines();
    ASSERT_EQ(lines.size(), 36u) << help;
    EXPECT_EQ(lines[1], "Usage: zorvane -i <filename> [options]");
    EXPECT_EQ(lines[6], "  zorvane -i /tmp/example.jpg -o /tmp/converted --jpg-quality=95");
    EXPECT_EQ(lines[35], "  -v, --version             Display version information and exit");
  }
  EXPECT_TRUE(written().empty());

  // Anywhere else they are ignored like any stray word.
  RunResult run = runZorvane({"-q", "-i", photo, "-o", out(), "-h", "-v", "stray", "--unknown=1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(written(), Lines{"Holiday.Photo.pcx"});
}

TEST_F(ConsoleTest, pauseAsksForAKeyAndReturnsWithoutATerminal) {
  RunResult run = runZorvane({"-q", "-p", "-i", photo, "-o", out()}, "x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Press any key to exit.\n");
}

TEST_F(ConsoleTest, parametersWithoutAnInputFileConvertNothing) {
  for (Lines args : {Lines{"-q"}, Lines{photo}, Lines{"-o", out(), "--width=5"}}) {
    RunResult run = runZorvane(args);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.status, 0);
  }
  EXPECT_TRUE(written().empty());
}

TEST_F(ConsoleTest, aProfileSetsOptionsInItsPlaceAmongTheParameters) {
  writeFile(folder.file("profile.ini"), "[CLI]\n--filename-mask = \"from-profile.%ext%\"\n--flip-vertical = 0\n");
  RunResult run = runZorvane({"-d", "-i", photo, "-o", out(), "--filename-mask=before.%ext%",
                              "--profile=" + folder.file("profile.ini")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(written(), Lines{"from-profile.pcx"});
  Lines lines = run.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Flip Vertical: 1"), lines.end());
  runZorvane({"-q", "-i", photo, "-o", out(), "--profile=" + folder.file("profile.ini"), "--filename-mask=after.%ext%"});
  EXPECT_EQ(written(), (Lines{"after.pcx", "from-profile.pcx"}));
}

TEST_F(ConsoleTest, theMaskNamesTheOutputFile) {
  RunResult run = runZorvane(
      {"-i", photo, "-o", out(), "-d", "--filename-mask=%FILENAME[U]%-%n%.%EXT[U]%"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(written(), Lines{"HOLIDAY.PHOTO-00001.PCX"});
}

}  // namespace
