// What the progress window says: the shortened name line, the titles while
// running and after the end, and the outcome.
#include "batch/progress_texts.h"

#include <gtest/gtest.h>

#include "i18n/language_table.h"

namespace {

TEST(ProgressTexts, theCharacterWidthIsANinthOfTheMeasureOr7) {
  EXPECT_EQ(characterWidth(63), 7);
  EXPECT_EQ(characterWidth(71), 7);
  EXPECT_EQ(characterWidth(72), 8);
  EXPECT_EQ(characterWidth(0), 7);
  EXPECT_EQ(characterWidth(-1), 7);
}

TEST(ProgressTexts, longNamesKeepTheirEndsAroundThreeDots) {
  const std::string mountains = "/photos/2026/holiday in the mountains/very long file name number 0001.jpg";
  const struct Case {
    std::string name;
    int cw;
    std::string shown;
  } cases[] = {
      // k = 40, m = 18
      {mountains, 7, "/photos/2026/holid...me number 0001.jpg"},
      {std::string(40, 'a'), 7, std::string(40, 'a')},  // 280 wide: fits
      {std::string(41, 'a'), 7, std::string(18, 'a') + "..." + std::string(18, 'a')},
      // k = 28, m = 12: a name of 30 at 10 pixels is 300 wide
      {std::string(30, 'b'), 10, std::string(12, 'b') + "..." + std::string(12, 'b')},
      // characters, not bytes: 41 of them, two bytes each
      {[] {
         std::string s;
         for (int i = 0; i < 41; i++) s += "\xC3\xA4";
         return s;
       }(),
       7,
       [] {
         std::string s;
         for (int i = 0; i < 18; i++) s += "\xC3\xA4";
         return s + "..." + s;
       }()},
      {"", 7, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shortenedName(c.name, c.cw), c.shown);
  }
}

TEST(ProgressTexts, titlesAndNameLinesOfTheRunAndItsEnd) {
  loadLanguageTable();
  RunSnapshot running{1, "/a.jpg", 0, false};
  EXPECT_EQ(runningTitle(running, 1), "Converting (1/1)");
  RunSnapshot converted{1, "/a.jpg", 1, true};
  RunSnapshot failed{1, "/a.jpg", 0, true};
  EXPECT_EQ(finishedTitle(false, 1, 1), "Conversion complete (1/1)");
  EXPECT_EQ(finishedTitle(false, 0, 1), "Conversion complete (0/1)");  // ended before the first look
  EXPECT_EQ(finishedTitle(true, 1, 1), "Conversion stopped (1/1)");
  EXPECT_EQ(finishedNameLine(false, converted, 1), "Files converted: 1 of 1");
  EXPECT_EQ(finishedNameLine(false, failed, 1), "Files converted: 0 of 1");
  EXPECT_EQ(finishedNameLine(true, converted, 1), "Conversion stopped");
  EXPECT_EQ(finishedStatusText(false), "Conversion complete");
  EXPECT_EQ(finishedStatusText(true), "Conversion stopped");
}

}  // namespace
