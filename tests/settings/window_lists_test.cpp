// The preferences window's colour and font lists.
#include <gtest/gtest.h>

#include "i18n/language_table.h"
#include "settings/colour_lists.h"
#include "settings/font_list.h"
#include "settings/settings.h"
#include "text/text.h"

namespace {

struct WindowListsTest : testing::Test {
  void SetUp() override {
    loadLanguageTable();
    resetSettings(false);
  }
};

}  // namespace

TEST_F(WindowListsTest, coloursAreNamedFromTheTableOrByTheirHexText) {
  struct Case {
    std::string hex, name;
  };
  const Case cases[] = {
      {"000000", "Black"},  {"c0c0c0", "Silver"}, {"808080", "Gray"},    {"FFFFFF", "White"},
      {"800000", "Maroon"}, {"FF0000", "Red"},    {"800080", "Purple"},  {"ff00ff", "Fuchsia"},
      {"008000", "Green"},  {"00FF00", "Lime"},   {"808000", "Olive"},   {"FFFF00", "Yellow"},
      {"000080", "Navy"},   {"0000FF", "Blue"},   {"008080", "Teal"},    {"00ffff", "Aqua"},
      {"FF8000", "Orange"}, {"804000", "Brown"},  {"8000FF", "Violet"},  {"1a2b3c", "Color #1A2B3C"},
      {"FF8001", "Color #FF8001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hex);
    EXPECT_EQ(colourName(c.hex), c.name);
  }
}

TEST_F(WindowListsTest, aColourListSelectsTheCurrentColourOrTheFirstEntry) {
  std::vector<std::string> entries = listEntries(" 000000 ,ffffff,, FF8000\t", ',');
  EXPECT_EQ(entries, (std::vector<std::string>{"000000", "ffffff", "FF8000"}));
  EXPECT_EQ(colourIndex(entries, colourFromHex("FFFFFF")), 1);
  EXPECT_EQ(colourIndex(entries, colourFromHex("FF8000")), 2);
  EXPECT_EQ(colourIndex(entries, colourFromHex("123456")), 0);
  EXPECT_EQ(colourIndex({}, colourFromHex("123456")), -1);
  EXPECT_EQ(listEntries(settings.fontColors, ',').size(), 9u);
}

TEST_F(WindowListsTest, aPickedColourIsAppendedOnlyWhenNoEntryHasIt) {
  struct Case {
    std::string list, picked;
    bool added;
    std::string result;
  };
  const Case cases[] = {
      {"000000,FFFFFF", "1A2B3C", true, "000000,FFFFFF,1A2B3C"},
      {"000000, ff8000 ", "FF8000", false, "000000, ff8000 "},
      {"", "FF0000", true, "FF0000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list + " + " + c.picked);
    std::string list = c.list;
    EXPECT_EQ(addListColour(list, colourFromHex(c.picked)), c.added);
    EXPECT_EQ(list, c.result);
  }
  EXPECT_TRUE(addListColour(settings.backColors, colourFromHex("123456")));
  EXPECT_EQ(listEntries(settings.backColors, ',').back(), "123456");
  EXPECT_EQ(listEntries(settings.fontColors, ',').size(), 9u);
}

TEST_F(WindowListsTest, theFontListHoldsTheFontsAndSelectsTheFontIgnoringCase) {
  struct Case {
    std::string fonts, font;
    std::vector<std::string> entries;
    int selected;
    std::string storedFonts;
  };
  const Case cases[] = {
      {"Arial,Tahoma,Verdana", "tahoma", {"Arial", "Tahoma", "Verdana"}, 1, "Arial,Tahoma,Verdana"},
      {" Arial , Tahoma,", "Courier", {"Arial", "Tahoma"}, 0, " Arial , Tahoma,"},
      {"Ärial,Öffice", "öFFICE", {"Ärial", "Öffice"}, 1, "Ärial,Öffice"},
      {"", "Verdana", {"Verdana"}, 0, "Verdana"},
      {"", "", {}, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fonts + " / " + c.font);
    settings.fonts = c.fonts;
    settings.font = c.font;
    std::vector<std::string> entries = fontListEntries();
    EXPECT_EQ(entries, c.entries);
    EXPECT_EQ(fontIndex(entries), c.selected);
    EXPECT_EQ(settings.fonts, c.storedFonts);
  }
}

TEST_F(WindowListsTest, aChosenFaceLosesItsCommasAndIsAddedOnce) {
  EXPECT_EQ(fontFaceName("Noto Sans, Condensed,Bold"), "Noto Sans CondensedBold");
  settings.fonts = "Arial, Tahoma";
  EXPECT_TRUE(addFontFace(fontFaceName("Noto Sans, Condensed")));
  EXPECT_EQ(settings.fonts, "Arial, Tahoma,Noto Sans Condensed");
  EXPECT_FALSE(addFontFace("Tahoma"));
  EXPECT_FALSE(addFontFace("Noto Sans Condensed"));
  EXPECT_TRUE(addFontFace("tahoma"));  // compared exactly
  EXPECT_EQ(settings.fonts, "Arial, Tahoma,Noto Sans Condensed,tahoma");
  EXPECT_FALSE(addFontFace(fontFaceName(",")));
  settings.fonts = "";
  EXPECT_TRUE(addFontFace("Verdana"));
  EXPECT_EQ(settings.fonts, "Verdana");
}
