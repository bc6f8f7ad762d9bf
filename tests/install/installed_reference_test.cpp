// The installed reference texts: the manual page renders without a warning,
// bash completes from the installed script, and the user manual names every
// setting in use with its console options and its default, and shows
// pictures that were installed with it.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "cli/command_line.h"
#include "cli/long_options.h"
#include "cli/reference.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "install/staged.h"
#include "settings/settings.h"
#include "support/support.h"
#include "text/text.h"

namespace {

TEST(InstalledReference, theManualPageRendersWithoutWarnings) {
  std::string page = shellQuote(staged("share/man/man1/zorvane.1"));
  RunResult groff = runShell("groff -ww -man -Tutf8 " + page + " 2>&1 >/dev/null");
  EXPECT_EQ(groff.status, 0);
  EXPECT_EQ(groff.out, "");
  RunResult man = runShell("MANPAGER=cat MANWIDTH=80 man --warnings -l " + page + " 2>&1 >/dev/null");
  EXPECT_EQ(man.status, 0);
  EXPECT_EQ(man.out, "");
}

TEST(InstalledReference, bashCompletesKeywordsFromTheInstalledScript) {
  // bash splits "--dither=" at the "=".
  std::string script = "source " + shellQuote(staged("share/bash-completion/completions/zorvane")) +
                       " && complete -p zorvane && COMP_WORDS=(zorvane --dither =) && COMP_CWORD=2 && _zorvane"
                       " && printf '%s\\n' \"${COMPREPLY[@]}\"";
  RunResult run = runShell("bash -c " + shellQuote(script));
  EXPECT_EQ(run.status, 0);
  Lines offered = run.lines();
  ASSERT_FALSE(offered.empty());
  EXPECT_EQ(offered[0], "complete -o filenames -F _zorvane zorvane");
  for (const char* word : {"fs", "bayer8", "cluster16"}) {
    SCOPED_TRACE(word);
    EXPECT_NE(std::find(offered.begin(), offered.end(), word), offered.end()) << run.out;
  }
}

struct InstalledManual : testing::Test {
  std::string page = readFile(staged("share/doc/zorvane/manual.html"));
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    loadLanguageTable();
  }
};

bool inUse(const SettingField& row) {
  if (!row.format) return true;
  const std::vector<std::string>& formats =
      std::string(row.group) == inputGroup ? inputExtensionList() : outputExtensionList();
  return std::find(formats.begin(), formats.end(), row.format) != formats.end();
}

// The default as the page shows it: a word, digits or text.
std::string shownDefault(const SettingField& row) {
  if (row.kind == FieldKind::Flag) return fieldNumber(row.field) ? "on" : "off";
  if (row.field.text) return fieldText(row.field).empty() ? "empty" : "<code>" + fieldText(row.field) + "</code>";
  return defaultShown(row);
}

TEST_F(InstalledManual, namesEverySettingInUseWithItsOptionsAndDefault) {
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page.find("class=\"undescribed\""), std::string::npos);
  // Rows come in the order of the field table, one for each setting in use.
  resetSettings(false);
  size_t at = 0;
  for (const SettingField& row : settingFields()) {
    if (!inUse(row)) continue;
    SCOPED_TRACE(std::string(row.group) + "/" + row.key);
    size_t start = page.find("<code>" + std::string(row.key) + "</code>", at);
    ASSERT_NE(start, std::string::npos);
    size_t end = page.find("</tr>", start);
    ASSERT_NE(end, std::string::npos);
    std::string cells = page.substr(start, end - start);
    for (const LongOption& option : longOptions()) {
      if (option.field != row.field && option.switchField != row.field) continue;
      EXPECT_NE(cells.find("<code>" + toLowerAscii(option.name)), std::string::npos) << option.name;
    }
    std::string lastCell = cells.substr(cells.rfind("<td>"));
    EXPECT_EQ(lastCell.find("<td>" + shownDefault(row)), 0u) << lastCell;
    at = end;
  }
}

TEST_F(InstalledManual, namesEveryOptionOfTheConsoleAndItsHelp) {
  for (const LongOption& option : longOptions()) {
    SCOPED_TRACE(option.name);
    EXPECT_NE(page.find("<code>" + toLowerAscii(option.name)), std::string::npos);
  }
  for (const char* line : helpLines()) {
    std::string text = trimmed(line, " ");
    if (text.compare(0, 2, "--") == 0 || text.compare(0, 3, "-i ") == 0) {
      SCOPED_TRACE(text);
      EXPECT_NE(page.find(text.substr(0, text.find(' '))), std::string::npos);
    }
  }
}

TEST_F(InstalledManual, showsPicturesThatWereInstalledWithIt) {
  std::regex source("src=\"([^\"]+)\"");
  int pictures = 0;
  for (std::sregex_iterator found(page.begin(), page.end(), source), end; found != end; ++found, pictures++) {
    std::string path = (*found)[1];
    SCOPED_TRACE(path);
    EXPECT_GT(readFile(staged("share/doc/zorvane/" + path)).size(), 100u);
  }
  EXPECT_GE(pictures, 10);
}

}  // namespace
