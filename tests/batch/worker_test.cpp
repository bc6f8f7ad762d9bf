#include "batch/worker.h"

#include <gtest/gtest.h>

#include <thread>

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
    EXPECT_TRUE(startRun());
    return finishRun();
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
}

TEST_F(WorkerTest, theSnapshotShowsTheLastFileAndTheOutcome) {
  const struct Case {
    const char* file;
    int32_t converted;
  } cases[] = {{"good.jpg", 1}, {"bad.jpg", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(run(c.file), c.converted);
    RunSnapshot after = runSnapshot();
    EXPECT_TRUE(after.ended);
    EXPECT_EQ(after.currentIndex, 1);
    EXPECT_EQ(after.currentName, folder.file(c.file));
    EXPECT_EQ(after.convertedCount, c.converted);
  }
}

TEST_F(WorkerTest, aStoppedRunFinishesTheCurrentFileAndStartsNoOther) {
  // Two files, though a face enters one: the worker is a loop over the set.
  writeFile(folder.file("a.jpg"), readFile(dataFile("orientation/Landscape_1.jpg")));
  writeFile(folder.file("b.jpg"), readFile(dataFile("testorig.jpg")));
  inputSet.clear();
  inputSet[folder.file("a.jpg")] = {};
  inputSet[folder.file("b.jpg")] = {};
  prepareOutputFormat();

  // Held from the start, it waits before its first file; a stop then ends it
  // with nothing converted.
  holdRun();
  ASSERT_TRUE(startRun());
  RunSnapshot waiting = runSnapshot();
  EXPECT_EQ(waiting.currentIndex, 0);
  EXPECT_FALSE(waiting.ended);
  stopRun();
  EXPECT_EQ(finishRun(), 0);
  EXPECT_EQ(runSnapshot().currentIndex, 0);
  EXPECT_TRUE(runSnapshot().ended);

  // Held while the first file converts and stopped meanwhile: that file is
  // finished and counted, the second is never started.
  ASSERT_TRUE(startRun());
  while (runSnapshot().currentIndex == 0) std::this_thread::yield();
  holdRun();
  stopRun();
  releaseRun();
  EXPECT_EQ(finishRun(), 1);
  RunSnapshot after = runSnapshot();
  EXPECT_EQ(after.currentIndex, 1);
  EXPECT_EQ(after.currentName, folder.file("a.jpg"));
  EXPECT_EQ(after.convertedCount, 1);
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
