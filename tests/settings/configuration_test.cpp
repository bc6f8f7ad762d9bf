#include "settings/configuration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "formats/catalogue.h"
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
  setenv("XDG_CONFIG_HOME", folder.path.c_str(), 1);
  std::string path = configurationPath();
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(path, folder.path + "Lumavex/zorvane/config.ini");
  EXPECT_EQ(settings.configurationPath, path);
  EXPECT_TRUE(isFolder(folder.path + "Lumavex/zorvane"));
}

}  // namespace
