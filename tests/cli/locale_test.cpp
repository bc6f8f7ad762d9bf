// Numbers in the configuration file, profiles, the settings report and
// typed values do not follow the process locale, which the window toolkit
// sets from the environment.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <unistd.h>

#include "batch/job_state.h"
#include "cli/console_run.h"
#include "cli/long_options.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "settings/configuration.h"
#include "settings/settings.h"
#include "support/support.h"
#include "text/numbers.h"

namespace {

// Runs the test body under a locale that writes 1.5 as "1,5".
struct DecimalCommaTest : testing::Test {
  std::string previous;
  void SetUp() override {
    previous = setlocale(LC_ALL, nullptr);
    // The set-up script generates this locale.
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-locale.sh de_DE.UTF-8";
    char formatted[16];
    snprintf(formatted, sizeof formatted, "%.1f", 1.5);
    ASSERT_STREQ(formatted, "1,5");  // the locale really has a decimal comma
    buildInputCatalogue();
    buildOutputCatalogue();
    loadLanguageTable();
  }
  void TearDown() override { setlocale(LC_ALL, previous.c_str()); }
};

TEST_F(DecimalCommaTest, theConfigurationKeepsItsPoint) {
  TempFolder folder;
  settings.configurationPath = folder.file("config.ini");
  resetSettings(false);
  settings.imageGamma = 1.5f;
  ASSERT_TRUE(saveConfiguration());
  EXPECT_NE(readFile(settings.configurationPath).find("Image Gamma = 1.500000\r\n"), std::string::npos);
  settings.imageGamma = 1.0f;
  loadConfiguration();
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.5f);
}

TEST_F(DecimalCommaTest, typedAndProfileNumbersKeepTheirPoint) {
  EXPECT_FLOAT_EQ(readReal("2.25"), 2.25f);
  EXPECT_FLOAT_EQ(readReal("1,5"), 1.0f);  // a comma still ends the number
  EXPECT_EQ(fixedText(2.5, 2), "2.50");
  TempFolder folder;
  writeFile(folder.file("p.ini"), "[CLI]\n--gamma = 1.75\n");
  resetSettings(true);
  ASSERT_TRUE(loadProfile(folder.file("p.ini")));
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.75f);
}

TEST_F(DecimalCommaTest, theSettingsReportKeepsItsPoint) {
  TempFolder folder;
  writeFile(folder.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  resetSettings(true);
  resetJobState();
  job.consoleMode = 1;
  job.runMode = "DEBUG";
  job.inputRoot = folder.file("photo.jpg");
  job.outputFolder = folder.path;
  ASSERT_EQ(applyLongOption("--GAMMA", "1.5"), OptionResult::Applied);

  // The report goes to standard output; catch it in a file.
  fflush(stdout);
  int saved = dup(STDOUT_FILENO);
  FILE* capture = freopen(folder.file("report.txt").c_str(), "w", stdout);
  ASSERT_NE(capture, nullptr);
  bool converted = runConsoleConversion(false);
  fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  job.runMode.clear();
  EXPECT_TRUE(converted);
  EXPECT_NE(readFile(folder.file("report.txt")).find("\nGamma: 1.50\n"), std::string::npos);
}

}  // namespace
