#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "i18n/language_data.h"
#include "i18n/language_table.h"

namespace {

const std::string missing = "%NO_STRING_ERROR%";

std::string lowerCased(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

class LanguageTableTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { loadLanguageTable(); }
};

TEST_F(LanguageTableTest, groupsHoldTheirEntriesInTableOrder) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Menu", 27},        {"General", 10},          {"Msg", 41},   {"Dialog", 18},
      {"Preferences", 223}, {"About", 4}, {"Custom-Converter", 4}, {"Uninstall", 3}};
  std::vector<std::pair<std::string, int>> counted;
  bool ended = false;
  for (const LanguagePair& pair : builtInLanguagePairs()) {
    ASSERT_FALSE(ended) << "pairs after the end mark";
    if (pair.key == languageEndMarker) {
      ended = true;
    } else if (pair.key == languageGroupMarker) {
      counted.emplace_back(std::string(pair.text), 0);
    } else {
      ASSERT_FALSE(counted.empty()) << "entry before the first group: " << pair.key;
      ++counted.back().second;
    }
  }
  EXPECT_TRUE(ended);
  EXPECT_EQ(counted, expected);
}

// Keys differing only by a later character, the same key in several groups,
// and keys the sorted index must not confuse with their neighbours.
TEST_F(LanguageTableTest, lookupFindsTextsIgnoringCase) {
  const struct Case {
    const char* group;
    const char* key;
    std::string expected;
  } cases[] = {
      {"menu", "open", "Open..."},
      {"Menu", "Select Input File", "Add Input File..."},
      {"MENU", "SELECT INPUT FILES", "Add Input Files..."},
      {"Dialog", "Select Input Files", "Select Input Files"},
      {"Dialog", "Select Input File", missing},
      {"Menu", "Select", missing},
      {"Menu", "Send Feedbacks", missing},
      {"Menu", "Zoom", missing},
      {"Menu", "", missing},
      {"Nowhere", "Open", missing},
      {"", "", missing},
      {"General", "Input File", "Input File:"},
      {"General", "input files", "Input Files:"},
      {"Preferences", "Medium", "Medium"},
      {"Preferences", "Left", "Left:"},
      {"Preferences", "Align Left", "Left"},
      {"Preferences", "bayer8", "Bayer ordered dot dithering 8x8"},
      {"Preferences", "Bayer16", "Bayer ordered dot dithering 16x16"},
      {"About", "Title", "About..."},
      {"custom-converter", "Title", "Find a File Converter"},
      {"Uninstall", "Next", "Next"},
      {"Msg", "Invalid input folder",
       "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\n"
       "Please, correct the input path and try again!"},
      {"Msg", "Invalid output folder",
       "The following output folder is invalid or doesn't exist:\r\n%s1%\r\n\r\n"
       "Please, correct the output path and try again!"},
      {"Msg", "Ask continue to find",
       "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.group) + " / " + c.key);
    EXPECT_EQ(lookupText(c.group, c.key), c.expected);
  }
}

// The last-group cache must follow every change of group, also through a
// group that does not exist.
TEST_F(LanguageTableTest, lookupFollowsTheGroupFromCallToCall) {
  EXPECT_EQ(lookupText("Msg", "Error"), "Error");
  EXPECT_EQ(lookupText("Dialog", "Time Remaining"), "Time Remaining: %s1%");
  EXPECT_EQ(lookupText("Msg", "Progress"), "(%s1%/%s2%)");
  EXPECT_EQ(lookupText("Nowhere", "Progress"), missing);
  EXPECT_EQ(lookupText("Msg", "Time Remaining"), missing);
  EXPECT_EQ(lookupText("Dialog", "Error"), missing);
}

TEST_F(LanguageTableTest, everyBuiltInEntryIsFoundAgain) {
  std::string group;
  for (const LanguagePair& pair : builtInLanguagePairs()) {
    if (pair.key == languageEndMarker) break;
    if (pair.key == languageGroupMarker) {
      group = pair.text;
      continue;
    }
    SCOPED_TRACE(group + " / " + std::string(pair.key));
    EXPECT_EQ(lookupText(lowerCased(group), lowerCased(pair.key)), pair.text);
  }
}

TEST(FillPlaceholdersTest, replacesArgumentsInOrder) {
  const struct Case {
    const char* text;
    const char* s1;
    const char* s2;
    const char* s3;
    const char* s4;
    const char* expected;
  } cases[] = {
      {"Files converted: %s1% of %s2%", "3", "10", "", "", "Files converted: 3 of 10"},
      {"(%s1%/%s2%)", "", "7", "", "", "(%s1%/7)"},
      {"%S1% and %s1%", "x", "", "", "", "x and x"},
      {"%s4%-%s3%-%s2%-%s1%", "a", "b", "c", "d", "d-c-b-a"},
      {"", "x", "", "", "", ""},
      {"100%s1 %s5% %s1", "x", "", "", "", "100%s1 %s5% %s1"},
      // An earlier argument's placeholders are filled by later arguments,
      // but an argument is never filled into itself.
      {"%s1%", "%s1%+%s2%", "two", "", "", "%s1%+two"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fillPlaceholders(c.text, c.s1, c.s2, c.s3, c.s4), c.expected);
  }
}

TEST_F(LanguageTableTest, messageIsFilledWithItsArgument) {
  EXPECT_EQ(fillPlaceholders(lookupText("msg", "Invalid output folder"), "/home/ann/out"),
            "The following output folder is invalid or doesn't exist:\r\n/home/ann/out\r\n\r\n"
            "Please, correct the output path and try again!");
}

}  // namespace
