// "Open With": the desktop application started with one file takes it as
// its input file, as a dropped file; every other parameter list leaves the
// window as it opens.
#include <unistd.h>

#include "app/desktop_app.h"
#include "app/desktop_fixture.h"
#include "app/main_window.h"
#include "batch/job_state.h"
#include "platform/files.h"

namespace {

TEST_F(DesktopTest, aSingleExistingFileBecomesTheInputWithItsFolderAsOutput) {
  TempFolder photos;
  writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  open();
  acceptStartFile({photos.file("photo.jpg")});
  EXPECT_EQ(inputFieldText(), photos.file("photo.jpg"));
  EXPECT_EQ(outputFolderText(), photos.path);
  ASSERT_EQ(inputSet.size(), 1u);
  EXPECT_EQ(inputSet.begin()->first, photos.file("photo.jpg"));
}

TEST_F(DesktopTest, aFileNamedFromTheCurrentFolderIsTakenWithItsWholePath) {
  TempFolder photos;
  writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(chdir(photos.path.c_str()), 0);
  open();
  acceptStartFile({"photo.jpg"});
  ASSERT_EQ(chdir(saved), 0);
  EXPECT_EQ(inputFieldText(), photos.file("photo.jpg"));
  EXPECT_EQ(outputFolderText(), photos.path);
}

TEST_F(DesktopTest, otherParameterListsLeaveTheWindowAsItOpens) {
  TempFolder photos;
  writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  writeFile(photos.file("-photo.jpg"), readFile(dataFile("testorig.jpg")));
  createFolder(photos.file("folder.jpg"));
  const struct Case {
    const char* name;
    std::vector<std::string> parameters;
  } cases[] = {
      {"none", {}},
      {"two files", {photos.file("photo.jpg"), photos.file("photo.jpg")}},
      {"an option", {"--width=50"}},
      {"a file that looks like an option", {"-photo.jpg"}},
      {"a missing file", {photos.file("missing.jpg")}},
      {"a folder", {photos.file("folder.jpg")}},
  };
  open();
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(chdir(photos.path.c_str()), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    acceptStartFile(c.parameters);
    EXPECT_EQ(inputFieldText(), "");
    EXPECT_EQ(outputFolderText(), "");
    EXPECT_TRUE(inputSet.empty());
  }
  ASSERT_EQ(chdir(saved), 0);
}

}  // namespace
