#include "settings/configuration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "formats/catalogue.h"
#include "platform/exit_signals.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

struct ConfigurationTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    settings.configurationPath = folder.file("config.ini");
  }
  void load(const std::string& content) {
    writeFile(settings.configurationPath, content);
    loadConfiguration();
  }
  std::string saved() {
    EXPECT_TRUE(saveConfiguration());
    return readFile(settings.configurationPath);
  }
};

TEST_F(ConfigurationTest, writesTheExactLayout) {
  resetSettings(false);
  settings.x = settings.y = 100;
  settings.updateDate = settings.customTimestamp = 1767225600;
  EXPECT_EQ(saved(), readFile(dataFile("config-defaults.ini")));
}

TEST_F(ConfigurationTest, aSavedRecordLoadsBackUnchanged) {
  resetSettings(false);
  settings.imageBrightness = -42;
  settings.imageGamma = 1.5f;
  settings.filenameMask = "Copy of %filename% = %n%.%ext%";
  settings.text = "caf\u00E9 \u00A9";
  settings.solidTopColor = "FF8000";
  settings.outFoldersNumber = 50;
  settings.recentOutFolders = "/a\t/b";
  settings.pcxBpp = 24;
  std::string first = saved();
  EXPECT_NE(first.find("Image Gamma = 1.500000\r\n"), std::string::npos);
  resetSettings(false);
  loadConfiguration();
  EXPECT_EQ(settings.imageBrightness, -42);
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.5f);
  EXPECT_EQ(settings.filenameMask, "Copy of %filename% = %n%.%ext%");
  EXPECT_EQ(settings.text, "caf\u00E9 \u00A9");
  EXPECT_EQ(settings.recentOutFolders, "/a\t/b");
  EXPECT_EQ(settings.pcxBpp, 24);
  EXPECT_EQ(saved(), first);
}

TEST_F(ConfigurationTest, readsValuesByTheRulesOfTheirKind) {
  load("[adjustment]\n  image brightness = 5\nIMAGE CONTRAST=12abc\nImage Gamma = -Infinity\n"
       "[Transform]\nImage Width = abc\nKeep Aspect Ratio = 256\n"
       "[Watermark]\nFont = \t Liberation Sans \t\nImage = \n"
       "[File]\nRecent Out Folders = \t/first\t/second\n");
  EXPECT_EQ(settings.imageBrightness, 5);
  EXPECT_EQ(settings.imageContrast, 12);
  EXPECT_TRUE(std::isinf(settings.imageGamma) && settings.imageGamma < 0);
  EXPECT_EQ(settings.imageWidth, 0);
  EXPECT_EQ(settings.keepAspectRatio, 0);
  EXPECT_EQ(settings.font, "Liberation Sans");
  EXPECT_EQ(settings.image, "");
  // Values lose blanks and tabs at both ends, and with them an empty first entry.
  EXPECT_EQ(settings.recentOutFolders, "/first\t/second");
}

TEST_F(ConfigurationTest, missingKeysTakeTheirDefaultsButTheWindowIsNotCentred) {
  setDesktopSize(1920, 1080);
  load("[General]\nCFG = 19\n");
  setDesktopSize(0, 0);
  EXPECT_EQ(settings.imageBrightness, 0);
  EXPECT_EQ(settings.jpgQuality, 95);
  EXPECT_EQ(settings.keepAspectRatio, 1);
  EXPECT_EQ(settings.x, 100);
  EXPECT_EQ(settings.y, 100);
  EXPECT_EQ(settings.filenameMask, "%filename%.%ext%");
}

TEST_F(ConfigurationTest, aKeyIsLookedForOnlyInItsOwnGroupAndTheFirstLineWins) {
  load("[Transform]\nImage Brightness = 7\n[Adjustment]\nImage Brightness = 3\nImage Brightness = 4\n"
       "[Adjustment]\nImage Contrast = 9\n");
  EXPECT_EQ(settings.imageBrightness, 3);
  EXPECT_EQ(settings.imageContrast, 0);
}

TEST_F(ConfigurationTest, withoutAByteOrderMarkNonUtf8BytesAreLatin1) {
  load("[Watermark]\r\nText = caf\xE9\r\n");
  EXPECT_EQ(settings.text, "caf\u00E9");
  std::string written = saved();
  EXPECT_EQ(written.compare(0, 5, "\xEF\xBB\xBF\r\n"), 0);
  EXPECT_NE(written.find("Text = caf\xC3\xA9\r\n"), std::string::npos);
  // A byte-order mark, or valid UTF-8 without one, reads as UTF-8.
  load("\xEF\xBB\xBF[Watermark]\nText = caf\xC3\xA9\n");
  EXPECT_EQ(settings.text, "caf\u00E9");
  load("[Watermark]\nText = caf\xC3\xA9\n");
  EXPECT_EQ(settings.text, "caf\u00E9");
}

TEST_F(ConfigurationTest, onlyStrictUtf8ReadsAsUtf8WithoutAByteOrderMark) {
  const struct Case {
    const char* name;
    const char* bytes;  // the value's bytes
    const char* text;   // as read
  } cases[] = {
      {"two-byte form", "\xC3\xA9", "\u00E9"},
      {"overlong slash", "\xC0\xAF", "\u00C0\u00AF"},
      {"overlong three-byte form", "\xE0\x80\xAF", "\u00E0\u0080\u00AF"},
      {"surrogate", "\xED\xA0\x80", "\u00ED\u00A0\u0080"},
      {"lead byte F5", "\xF5\x80\x80\x80", "\u00F5\u0080\u0080\u0080"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "\u00F4\u0090\u0080\u0080"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    load(std::string("[Watermark]\nText = ") + c.bytes + "\n");
    EXPECT_EQ(settings.text, c.text);
  }
}

TEST_F(ConfigurationTest, aLineBreakInAValueIsNeverWritten) {
  resetSettings(false);
  for (const char* breaking : {"\n", "\r", "\r\n"}) {
    SCOPED_TRACE(testing::PrintToString(breaking));
    settings.recentOutFolders = std::string("/a") + breaking + "[Privacy]" + breaking + "Clean Recent Files = 1";
    std::string written = saved();
    EXPECT_NE(written.find("Recent Out Folders = /a[Privacy]Clean Recent Files = 1\r\n"), std::string::npos);
    loadConfiguration();
    EXPECT_EQ(settings.cleanRecentFiles, 0);
    EXPECT_EQ(settings.recentOutFolders, "/a[Privacy]Clean Recent Files = 1");
  }
}

TEST_F(ConfigurationTest, olderLayoutsAreMigrated) {
  load("[Advanced]\nFilename Mask = %filename%\n[Input]\nRAW Load As = 1\n");
  EXPECT_EQ(settings.filenameMask, "%filename%.%ext%");
  EXPECT_EQ(settings.rawLoadAs, 3);
  EXPECT_EQ(settings.cfg, 0);

  load("[General]\nCFG = 18\n[Input]\nPSD Color Model = 2\nPSD Color Mode = 0\nRAW Load As = 1\n"
       "[Output]\nTIFF Color Model = 0\nTIFF Color Mode = 1\n[Advanced]\nFilename Mask = %n%\n");
  EXPECT_EQ(settings.psdColorMode, 2);
  EXPECT_EQ(settings.tiffColorMode, 1);
  EXPECT_EQ(settings.rawLoadAs, 1);
  EXPECT_EQ(settings.filenameMask, "%n%");
  std::string written = saved();
  EXPECT_NE(written.find("CFG = 19\r\n"), std::string::npos);
  EXPECT_EQ(written.find("Color Model"), std::string::npos);
}

TEST_F(ConfigurationTest, migratedNumbersAreWhatA32BitFieldKeeps) {
  const struct Case {
    const char* file;
    int32_t psdColorMode, rawLoadAs;
  } cases[] = {
      // 2^32 is 0 in 32 bits, so the old key is not taken.
      {"[General]\nCFG = 18\n[Input]\nPSD Color Model = 4294967296\nPSD Color Mode = 1\n", 1, 0},
      {"[General]\nCFG = 18\n[Input]\nPSD Color Model = 4294967298\nPSD Color Mode = 1\n", 2, 0},
      {"[Input]\nRAW Load As = 2147483647\n", 0, -2147483647},
      {"[Input]\nRAW Load As = -2\n", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    load(c.file);
    EXPECT_EQ(settings.psdColorMode, c.psdColorMode);
    EXPECT_EQ(settings.rawLoadAs, c.rawLoadAs);
  }
}

TEST_F(ConfigurationTest, onlyARegularFileOfAFewMegabytesIsRead) {
  std::string fifo = folder.file("fifo.ini");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string large = folder.file("large.ini");
  writeFile(large, "[Adjustment]\nImage Brightness = 5\n" + std::string(5 << 20, ';'));
  for (const std::string& path : {fifo, std::string("/dev/zero"), folder.path, large}) {
    SCOPED_TRACE(path);
    settings.configurationPath = path;
    settings.imageBrightness = 50;
    loadConfiguration();  // returns at once with the defaults
    EXPECT_EQ(settings.imageBrightness, 0);
  }
}

TEST_F(ConfigurationTest, aSaveWritesThroughASymbolicLinkAndKeepsThePermissions) {
  ASSERT_EQ(mkdir(folder.file("kept").c_str(), 0700), 0);
  const struct Case {
    const char* link;  // relative to the link's folder
    bool targetExists;
  } cases[] = {{"kept/config.ini", true}, {"kept/new.ini", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    std::string target = folder.file(c.link);
    if (c.targetExists) {
      writeFile(target, "old");
      ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    }
    unlink(settings.configurationPath.c_str());
    ASSERT_EQ(symlink(c.link, settings.configurationPath.c_str()), 0);
    resetSettings(false);
    std::string written = saved();
    struct stat st;
    ASSERT_EQ(lstat(settings.configurationPath.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readFile(target), written);
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    if (c.targetExists) {
      EXPECT_EQ(st.st_mode & 07777, 0600u);
    }
    EXPECT_EQ(runShell("ls -A " + shellQuote(folder.file("kept"))).out, c.targetExists ? "config.ini\n" : "config.ini\nnew.ini\n");
  }
  // A plain file keeps its permissions too.
  unlink(settings.configurationPath.c_str());
  writeFile(settings.configurationPath, "old");
  ASSERT_EQ(chmod(settings.configurationPath.c_str(), 0640), 0);
  saved();
  struct stat st;
  ASSERT_EQ(stat(settings.configurationPath.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ConfigurationTest, aSignalDuringTheSaveLeavesNoTemporaryFile) {
  std::string path = settings.configurationPath;
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    installExitCleanup();
    // A watcher ends the process as soon as the temporary file exists; the
    // file is large enough to be still unfinished then.
    std::string temporary = path + ".tmp" + std::to_string(getpid());
    std::thread watcher([&] {
      while (!exists(temporary)) {
      }
      kill(getpid(), SIGTERM);
    });
    watcher.detach();
    bool ignored = writeFileAtomically(path, std::string(64 << 20, 'x'));
    (void)ignored;
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(runShell("ls -A " + shellQuote(folder.path)).out, "");
}

TEST_F(ConfigurationTest, aMissingFileGivesTheDefaultsWithoutMigrating) {
  settings.imageBrightness = 50;
  loadConfiguration();
  EXPECT_EQ(settings.imageBrightness, 0);
  EXPECT_EQ(settings.cfg, 19);
  EXPECT_FALSE(exists(settings.configurationPath));
}

TEST_F(ConfigurationTest, theWindowGroupStandsEmptyWhenItsPositionIsNotKept) {
  resetSettings(false);
  settings.saveWindowPosition = 0;
  EXPECT_NE(saved().find("[Window]\r\n; \r\n[Interface]"), std::string::npos);
}

TEST_F(ConfigurationTest, aFailedSaveLeavesTheOldFileWhole) {
  resetSettings(false);
  std::string before = saved();
  settings.configurationPath = folder.file("missing-folder/config.ini");
  EXPECT_FALSE(saveConfiguration());
  settings.configurationPath = folder.file("config.ini");
  EXPECT_EQ(readFile(settings.configurationPath), before);
  EXPECT_EQ(runShell("ls -A " + shellQuote(folder.path)).out, "config.ini\n");
}

TEST_F(ConfigurationTest, thePathFollowsTheXdgConfigFolder) {
  // The folder itself is created when missing, every level of it.
  for (std::string base : {folder.path, folder.file("missing/levels")}) {
    SCOPED_TRACE(base);
    setenv("XDG_CONFIG_HOME", base.c_str(), 1);
    std::string path = configurationPath();
    unsetenv("XDG_CONFIG_HOME");
    if (base.back() != '/') base += "/";
    EXPECT_EQ(path, base + "Lumavex/zorvane/config.ini");
    EXPECT_EQ(settings.configurationPath, path);
    EXPECT_TRUE(isFolder(base + "Lumavex/zorvane"));
  }
}

}  // namespace
