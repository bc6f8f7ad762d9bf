// The program as installed into a staging folder: the console converts from
// there and finds its drawing module in its library folder, a relative
// output folder lies in its bin folder, the desktop application opens with
// the installed theme and takes the file it is opened with, and the desktop
// entry and the AppStream file pass their validators.
#include <gtest/gtest.h>

#include <unistd.h>

#include "install/staged.h"
#include "platform/files.h"
#include "support/support.h"
#include "text/product.h"

namespace {

const std::string appId = "example.lumavex.Zorvane";

std::string sample() { return staged("share/zorvane/samples/landscape.jpg"); }

// The installed console program with these (shell-quoted) parameters; its
// standard output and error together.
RunResult runInstalled(const std::string& parameters) {
  return runShell(shellQuote(staged("bin/zorvane")) + " " + parameters + " </dev/null 2>&1");
}

unsigned bigEndian32(const std::string& bytes, size_t at) {
  unsigned value = 0;
  for (size_t i = 0; i < 4; i++) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

TEST(InstalledTree, theIconsHaveTheirSizesAndNothingLiesBesideTheProgram) {
  for (unsigned size : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    std::string folder = std::to_string(size) + "x" + std::to_string(size);
    std::string png = readFile(staged("share/icons/hicolor/" + folder + "/apps/" + appId + ".png"));
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(bigEndian32(png, 16), size);
    EXPECT_EQ(bigEndian32(png, 20), size);
  }
  EXPECT_TRUE(exists(staged("share/icons/hicolor/scalable/apps/" + appId + ".svg")));
  // What the program loads it can only have found in the library and data folders.
  for (const char* beside : {"bin/zorvane-desktop", "bin/zorvane-layers.so", "bin/gfx"}) {
    SCOPED_TRACE(beside);
    EXPECT_FALSE(exists(staged(beside)));
  }
}

TEST(InstalledConsole, convertsTheSamplePhotoAsTheBuiltProgramDoes) {
  TempFolder installed, built;
  RunResult run = runInstalled("-q -i " + shellQuote(sample()) + " -o " + shellQuote(installed.path));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  ASSERT_EQ(runShell(shellQuote(ZORVANE_BINARY) + " -q -i " + shellQuote(sample()) + " -o " + shellQuote(built.path))
                .status,
            0);
  expectSamePixels(decodePcx(installed.file("landscape.pcx")), decodePcx(built.file("landscape.pcx")));
}

TEST(InstalledConsole, drawsFramesAndTextWithTheModuleOfItsLibraryFolder) {
  TempFolder out;
  // A red frame on the left, and a text on a solid blue box at the top right.
  RunResult run = runInstalled("-q -i " + shellQuote(sample()) + " -o " + shellQuote(out.path) +
                               " --width=300 --height=300 --keep-aspect-ratio --fr-solid-left=10"
                               " --fr-solid-left-color=FF0000 --wm-text=Zorvane --wm-text-position=topright"
                               " --wm-back-color=0000FF --wm-back-opacity=255 --wm-text-padding=6");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");  // no word of a module that could not be loaded
  Rgb picture = decodePcx(out.file("landscape.pcx"));
  ASSERT_EQ(picture.width, 300);
  const uint8_t* frame = picture.at(3, picture.height / 2);
  EXPECT_EQ(frame[0], 255);
  EXPECT_EQ(frame[1], 0);
  EXPECT_EQ(frame[2], 0);
  // The box's top right corner lies 10 pixels in from the picture's; its padding is plain blue.
  const uint8_t* box = picture.at(picture.width - 12, 12);
  EXPECT_EQ(box[0], 0);
  EXPECT_EQ(box[1], 0);
  EXPECT_EQ(box[2], 255);
}

TEST(InstalledConsole, aRelativeOutputFolderLiesInItsBinFolder) {
  std::string name = "relative-" + std::to_string(getpid());
  ASSERT_TRUE(createFolder(staged("bin/" + name)));
  RunResult run = runInstalled("-q -i " + shellQuote(sample()) + " -o " + name +
                               " --width=40 --height=40 --keep-aspect-ratio");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(exists(staged("bin/" + name + "/landscape.pcx")));
  runShell("rm -rf " + shellQuote(staged("bin/" + name)));
}

TEST(InstalledDesktop, opensWithTheInstalledThemeAndTakesTheFileItIsOpenedWith) {
  TempFolder home;
  ASSERT_TRUE(createFolders(home.path + "config/Lumavex/zorvane"));
  ASSERT_TRUE(createFolder(home.path + "runtime"));
  // A theme that is gone gives way to an installed one, and only the
  // installed data folder holds one.
  writeFile(home.path + "config/Lumavex/zorvane/config.ini", "[Interface]\r\nUI Theme = missing\r\n");
  // Started as "Open With" starts it, then closed as its close box does.
  const std::string script =
      "\"$0\" \"$1\" & program=$!; \"$2\" \"$3\" 30; closed=$?; [ $closed = 0 ] || kill $program; "
      "wait $program; echo \"closed=$closed status=$?\"";
  RunResult run = runShell("XDG_CONFIG_HOME=" + shellQuote(home.path + "config") +
                           " XDG_RUNTIME_DIR=" + shellQuote(home.path + "runtime") + " xvfb-run -a -n " +
                           std::to_string(700 + getpid() % 200) + " sh -c " + shellQuote(script) + " " +
                           shellQuote(staged("bin/zorvane")) + " " + shellQuote(sample()) + " " +
                           shellQuote(CLOSE_WINDOW) + " " + shellQuote(titleText()) + " 2>/dev/null");
  EXPECT_EQ(run.out, "closed=0 status=0\n");
  std::string config = readFile(home.path + "config/Lumavex/zorvane/config.ini");
  EXPECT_NE(config.find("UI Theme = handdrawn\r\n"), std::string::npos) << config;
  // The file's own folder became the output folder, as when it is dropped.
  EXPECT_NE(config.find("Recent Out Folders = " + staged("share/zorvane/samples/") + "\r\n"), std::string::npos)
      << config;
}

TEST(DesktopFiles, passTheirValidatorsAndNameTheProgramAndEachOther) {
  std::string entry = staged("share/applications/" + appId + ".desktop");
  std::string metainfo = staged("share/metainfo/" + appId + ".metainfo.xml");
  RunResult entryCheck = runShell("desktop-file-validate " + shellQuote(entry) + " 2>&1");
  EXPECT_EQ(entryCheck.status, 0);
  EXPECT_EQ(entryCheck.out, "");
  RunResult metainfoCheck = runShell("appstreamcli validate --no-net " + shellQuote(metainfo) + " 2>&1");
  EXPECT_EQ(metainfoCheck.status, 0) << metainfoCheck.out;

  std::string entryText = readFile(entry), metainfoText = readFile(metainfo);
  EXPECT_NE(entryText.find("\nName=" + std::string(productName) + "\n"), std::string::npos);
  EXPECT_NE(entryText.find("\nIcon=" + appId + "\n"), std::string::npos);
  // "Open With" hands the chosen file to the program.
  EXPECT_NE(entryText.find("\nExec=zorvane %f\n"), std::string::npos);
  EXPECT_NE(metainfoText.find("<id>" + appId + "</id>"), std::string::npos);
  EXPECT_NE(metainfoText.find("<name>" + std::string(productName) + "</name>"), std::string::npos);
  EXPECT_NE(metainfoText.find("<launchable type=\"desktop-id\">" + appId + ".desktop</launchable>"),
            std::string::npos);
}

}  // namespace
