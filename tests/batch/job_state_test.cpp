#include "batch/job_state.h"

#include <gtest/gtest.h>

#include "formats/catalogue.h"
#include "platform/files.h"
#include "support/support.h"

namespace {

struct JobStateTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    buildInputCatalogue();
    resetJobState();
    job.consoleMode = 1;
  }
};

TEST_F(JobStateTest, resetStartsTheCountersAndKeepsTheRunMode) {
  job.runMode = "DEBUG";
  job.fileCounter = 9;
  job.resultWidth = 640;
  inputSet["/a.jpg"] = {};
  resetJobState();
  EXPECT_EQ(job.fileCounter, 1);
  EXPECT_GE(job.randomNumber, 1);
  EXPECT_LE(job.randomNumber, 99999);
  EXPECT_EQ(job.runMode, "DEBUG");
  EXPECT_EQ(job.resultWidth, 640);
  EXPECT_TRUE(inputSet.empty());
  EXPECT_EQ(job.programFolder, programFolder());
  EXPECT_EQ(job.programFolder.back(), '/');
}

TEST_F(JobStateTest, acceptsOneFileWithAJpegExtension) {
  writeFile(folder.file("photo.JPEG"), "x");
  writeFile(folder.file("second.jpg"), "x");
  writeFile(folder.file("empty.jpg"), "");
  writeFile(folder.file("picture.png"), "x");
  EXPECT_TRUE(acceptInputFile(folder.file("photo.JPEG")));
  EXPECT_FALSE(acceptInputFile(folder.file("empty.jpg")));
  EXPECT_FALSE(acceptInputFile(folder.file("picture.png")));
  ASSERT_EQ(inputSet.size(), 1u);
  EXPECT_EQ(inputSet.begin()->first, folder.file("photo.JPEG"));
  EXPECT_TRUE(acceptInputFile(folder.file("second.jpg")));
  ASSERT_EQ(inputSet.size(), 1u);
  EXPECT_EQ(inputSet.begin()->first, folder.file("second.jpg"));
  // A missing file or a folder passes here and fails when it is loaded.
  EXPECT_TRUE(acceptInputFile(folder.file("missing.jpg")));
  createFolder(folder.file("folder.jpg"));
  EXPECT_TRUE(acceptInputFile(folder.file("folder.jpg")));
}

TEST_F(JobStateTest, subFolderTextIsTheFolderBelowTheRoot) {
  EXPECT_EQ(subFolderText("/in/trip/day1/a.jpg", "/in/"), "trip/day1/");
  EXPECT_EQ(subFolderText("/other/a.jpg", "/in/"), "");
  EXPECT_EQ(subFolderText("/in/a.jpg", ""), "");
  EXPECT_EQ(subFolderText("", "/in/"), "");
}

}  // namespace
