#include "text/text.h"

#include <gtest/gtest.h>

TEST(Text, firstCharactersCountsCharactersNotBytes) {
  EXPECT_EQ(firstCharacters("äöüß.tiff", 5), "äöüß.");
  EXPECT_EQ(firstCharacters("tif", 12), "tif");
  EXPECT_EQ(firstCharacters("€uro", 1), "€");
  EXPECT_EQ(firstCharacters("\xFF\xFEz", 2), "\xFF\xFE");  // a malformed byte is one character
  EXPECT_EQ(firstCharacters("abc", 0), "");
}

TEST(Text, lastCharactersAndTheCountTakeCharactersNotBytes) {
  EXPECT_EQ(lastCharacters("photo.äöü", 4), ".äöü");
  EXPECT_EQ(lastCharacters("tif", 12), "tif");
  EXPECT_EQ(lastCharacters("abc", 0), "");
  EXPECT_EQ(lastCharacters("z\xFF\xFE", 2), "\xFF\xFE");
  EXPECT_EQ(characterCount("äöü€"), 4u);
  EXPECT_EQ(characterCount("a\xFF" "b"), 3u);
  EXPECT_EQ(characterCount(""), 0u);
}

TEST(Text, listEntriesAreTrimmedAndNeverEmpty) {
  EXPECT_EQ(listEntries(" Arial ,\tTahoma,, ,Verdana", ','), (std::vector<std::string>{"Arial", "Tahoma", "Verdana"}));
  EXPECT_TRUE(listEntries("", ',').empty());
  EXPECT_EQ(listEntries("a\tb", '\t'), (std::vector<std::string>{"a", "b"}));
}
