#include "settings/recent_folders.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

struct RecentFoldersTest : testing::Test {
  void SetUp() override { resetSettings(false); }
};

}  // namespace

TEST_F(RecentFoldersTest, theNewFolderLeadsAndTheSameFolderInAnyCaseGoes) {
  struct Case {
    const char* note;
    int number;
    std::string stored, added, result;
  };
  const Case cases[] = {
      {"into an empty list", 5, "", "/out/", "/out/"},
      {"same letters in another case: the new form replaces the old", 5, "/a/\t/photos/out/\t/b/", "/Photos/OUT/",
       "/Photos/OUT/\t/a/\t/b/"},
      {"the letter case of other scripts counts too", 5, "/bilder/straße/\t/fotos/ärger/", "/FOTOS/ÄRGER/",
       "/FOTOS/ÄRGER/\t/bilder/straße/"},
      {"a different folder is no duplicate", 5, "/out1/", "/out2/", "/out2/\t/out1/"},
      {"six stored, three kept: the new one and the first two others", 3, "/1/\t/2/\t/3/\t/4/\t/5/\t/6/", "/9/",
       "/9/\t/1/\t/2/"},
      {"six stored, three kept: only the first three are looked at", 3, "/1/\t/2/\t/3/\t/4/\t/5/\t/6/", "/2/",
       "/2/\t/1/\t/3/"},
      {"empty and blank entries are skipped, entries trimmed", 5, "\t /a/ \t  \t/b/", "/c/", "/c/\t/a/\t/b/"},
      {"one kept: the new folder alone", 1, "/a/\t/b/", "/c/", "/c/"},
      {"300 stored into the 8-bit field keeps 44", 300, "/a/\t/b/", "/c/", "/c/\t/a/\t/b/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.note);
    setFieldNumber(&Settings::outFoldersNumber, c.number);
    settings.recentOutFolders = c.stored;
    EXPECT_TRUE(addRecentOutputFolder(c.added));
    EXPECT_EQ(settings.recentOutFolders, c.result);
  }
  EXPECT_EQ(settings.outFoldersNumber, 44);
}

TEST_F(RecentFoldersTest, fortyFourEntriesAreKeptWhen300WasStored) {
  setFieldNumber(&Settings::outFoldersNumber, 300);
  for (int i = 0; i < 60; i++) ASSERT_TRUE(addRecentOutputFolder("/f" + std::to_string(i) + "/"));
  EXPECT_EQ(recentOutputFolder(0), "/f59/");
  EXPECT_EQ(recentOutputFolder(43), "/f16/");
  EXPECT_EQ(recentOutputFolder(44), "");
}

TEST_F(RecentFoldersTest, anEmptyFolderChangesNothing) {
  settings.recentOutFolders = "/a/\t/b/";
  EXPECT_FALSE(addRecentOutputFolder(""));
  EXPECT_EQ(settings.recentOutFolders, "/a/\t/b/");
}

TEST_F(RecentFoldersTest, entriesAreReadTrimmedAndEmptyWhenAbsent) {
  settings.recentOutFolders = " /a/ \t\t/b c/";
  EXPECT_EQ(recentOutputFolder(0), "/a/");
  EXPECT_EQ(recentOutputFolder(1), "");
  EXPECT_EQ(recentOutputFolder(2), "/b c/");
  EXPECT_EQ(recentOutputFolder(3), "");
  EXPECT_EQ(recentOutputFolder(-1), "");
}
