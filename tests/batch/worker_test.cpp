#include "batch/worker.h"

#include <gtest/gtest.h>

#include "batch/job_state.h"
#include "formats/catalogue.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

struct WorkerTest : testing::Test {
  TempFolder folder;
  void SetUp() override {
    buildInputCatalogue();
    buildOutputCatalogue();
    resetSettings(true);
    resetJobState();
    job.consoleMode = 1;
    job.outputFolder = folder.path;
    job.outputExtension = "pcx";
    settings.filenameMask = "%n%-%rnd%.%ext%";
    writeFile(folder.file("good.jpg"), readFile(dataFile("testorig.jpg")));
    writeFile(folder.file("bad.jpg"), "not a picture");
  }
  int32_t run(const std::string& name) {
    EXPECT_TRUE(acceptInputFile(folder.file(name)));
    prepareOutputFormat();
    progress.running = 1;
    batchWorker();
    return progress.convertedCount;
  }
};

TEST_F(WorkerTest, onlyConvertedFilesAdvanceTheCounterAndTheRandomNumber) {
  int32_t random = job.randomNumber;
  EXPECT_EQ(run("good.jpg"), 1);
  EXPECT_EQ(job.outputPath, folder.path + "00001-" + std::string(5 - std::to_string(random).size(), '0') +
                                std::to_string(random) + ".pcx");
  EXPECT_EQ(job.fileCounter, 2);
  random = job.randomNumber;
  EXPECT_EQ(run("bad.jpg"), 0);
  EXPECT_EQ(job.fileCounter, 2);
  EXPECT_EQ(job.randomNumber, random);
  EXPECT_EQ(run("good.jpg"), 1);
  EXPECT_EQ(job.fileCounter, 3);
  EXPECT_EQ(progress.currentIndex, 1);
  EXPECT_EQ(progress.currentName, folder.file("good.jpg"));
}

TEST_F(WorkerTest, aClearedRunningFlagStopsBeforeTheNextFile) {
  acceptInputFile(folder.file("good.jpg"));
  prepareOutputFormat();
  progress.running = 0;
  progress.currentIndex = 0;
  batchWorker();
  EXPECT_EQ(progress.convertedCount, 0);
  EXPECT_EQ(progress.currentIndex, 0);
}

TEST_F(WorkerTest, theTargetDepthComesFromTheFormatsSetting) {
  settings.pcxBpp = 24;
  prepareOutputFormat();
  EXPECT_EQ(job.targetBitDepth, 24);
  EXPECT_EQ(job.keepDepth, 0);
  settings.pcxBpp = 0;
  prepareOutputFormat();
  EXPECT_EQ(job.keepDepth, 1);
  job.outputExtension = "tga";
  settings.tgaBpp = 16;
  prepareOutputFormat();
  EXPECT_EQ(job.targetBitDepth, 16);
  job.outputExtension = "none";
  prepareOutputFormat();
  EXPECT_EQ(job.targetBitDepth, 16);
}

}  // namespace
