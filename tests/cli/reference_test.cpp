// The manual page and the completions name every option the program reads.
#include "cli/reference.h"

#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "cli/long_options.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "support/support.h"
#include "text/text.h"

namespace {

struct ReferenceTest : testing::Test {
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    loadLanguageTable();
  }
};

std::string roffName(const std::string& name) {
  std::string out;
  for (char c : name) out += c == '-' ? std::string("\\-") : std::string(1, c);
  return out;
}

TEST_F(ReferenceTest, theManualPageListsEveryOptionOfTheTableAndTheHelp) {
  std::string page = manualPage();
  for (const LongOption& option : longOptions()) {
    SCOPED_TRACE(option.name);
    EXPECT_NE(page.find(".B " + roffName(toLowerAscii(option.name))), std::string::npos);
  }
  // Every option the help lists, by every name it gives.
  RunResult help = runZorvane({"--help"});
  for (const std::string& line : help.lines()) {
    std::string text = trimmed(line, " ");
    if (text.compare(0, 1, "-") != 0) continue;
    for (const std::string& part : splitText(text.substr(0, text.find("  ")), ',')) {
      std::string name = trimmed(part, " ");
      name = name.substr(0, name.find_first_of(" ="));
      SCOPED_TRACE(name);
      EXPECT_NE(page.find(roffName(name)), std::string::npos);
    }
  }
  // The page the build installs is this one, and the formatter accepts it without a warning.
  TempFolder folder;
  writeFile(folder.file("zorvane.1"), page);
  RunResult rendered = runShell("groff -ww -man -Tutf8 " + shellQuote(folder.file("zorvane.1")) + " 2>&1 >/dev/null");
  EXPECT_EQ(rendered.status, 0);
  EXPECT_EQ(rendered.out, "");
}

TEST_F(ReferenceTest, bashCompletesOptionsKeywordsAndFiles) {
  TempFolder folder;
  writeFile(folder.file("zorvane.bash"), bashCompletion());
  writeFile(folder.file("photo.jpg"), "x");
  // Words as bash splits them, "=" being a word break.
  const struct Case {
    const char* words;
    int current;
    const char* offered;
  } cases[] = {
      {"zorvane --dith", 1, "--dither="},
      {"zorvane --dither =", 2, "bayer8"},
      {"zorvane --dither = bay", 3, "bayer16"},
      {"zorvane --wm-font-style = bo", 3, "bolditalic"},
      {"zorvane -i ph", 2, "photo.jpg"},
      {"zorvane --profile = ph", 3, "photo.jpg"},
      {"zorvane -c ", 2, "pcx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words);
    std::string script = "cd " + shellQuote(folder.path) + " && source ./zorvane.bash && COMP_WORDS=(" + c.words +
                         ") && COMP_CWORD=" + std::to_string(c.current) +
                         " && _zorvane && printf '%s\\n' \"${COMPREPLY[@]}\"";
    RunResult run = runShell("bash -c " + shellQuote(script));
    EXPECT_EQ(run.status, 0);
    Lines offered = run.lines();
    EXPECT_NE(std::find(offered.begin(), offered.end(), c.offered), offered.end()) << run.out;
  }
}

}  // namespace
