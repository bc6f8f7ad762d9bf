#include "batch/worker.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "batch/file_type.h"
#include "batch/job_state.h"
#include "engine/pipeline.h"
#include "engine/watermark.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/files.h"
#include "settings/format_settings.h"
#include "settings/settings.h"

namespace {

// The progress record: index, name, count and the end are read and written
// under `lock`; the running flag is read by the worker between files.
struct Progress {
  std::mutex lock;
  std::condition_variable released;
  int32_t currentIndex = 0;
  std::string currentName;
  int32_t convertedCount = 0;
  bool ended = true;
  bool held = false;
  std::atomic<int8_t> running{0};
  std::thread worker;
};

Progress progress;

void applyFileTimestamp() {
  switch (settings.fileTimestamp) {
    case 1: {
      int64_t seconds, nanoseconds;
      if (fileModificationTime(job.inputPath, seconds, nanoseconds))
        setFileModificationTime(job.outputPath, seconds, nanoseconds);
      break;
    }
    case 2:
      setFileModificationTime(job.outputPath, localToUtcSeconds(settings.customTimestamp), 0);
      break;
    default:
      break;  // "Current": the time of writing stays
  }
}

// A conversion that runs out of memory inside a library fails the file; it
// never ends the process.
bool convertCurrentFile() {
  try {
    return convertFile(job);
  } catch (...) {
    return false;
  }
}

// The safe point between files: nothing is held here, neither the lock's
// record nor any library's state.
void waitWhileHeld() {
  std::unique_lock<std::mutex> guard(progress.lock);
  progress.released.wait(guard, [] { return !progress.held; });
}

// Converts the files of the input set, counting into `converted` as it goes.
void convertInputSet(int32_t& converted) {
  bool debug = job.consoleMode == 1 && job.runMode == "DEBUG";
  int32_t count = 0;
  for (auto entry = inputSet.begin(); entry != inputSet.end(); ++entry) {
    waitWhileHeld();
    if (!progress.running) break;
    count++;
    job.inputPath = entry->first;
    job.subFolderText = entry->second.subFolderText;
    {
      std::lock_guard<std::mutex> guard(progress.lock);
      progress.currentIndex = count;
      progress.currentName = job.inputPath;
    }
    if (debug) {
      printLine("Processing: " + job.inputPath);
      printLine("File Format: " + identifyFileType(job.inputPath));
    }
    if (convertCurrentFile()) {
      if (debug) printLine("[OK] Saving As: " + job.outputPath);
      converted++;
      job.randomNumber = randomBetween(1, 99999);
      job.fileCounter++;
      applyFileTimestamp();
    } else if (debug) {
      printLine("[ERROR] Unable to convert the file!");
    }
  }
}

}  // namespace

void prepareOutputFormat() {
  if (const OutputFormatSettings* format = outputFormatSettingsOf(job.outputExtension))
    job.targetBitDepth = settings.*format->bitsPerPixel;
  job.keepDepth = job.targetBitDepth == 0 ? 1 : 0;
}

void batchWorker() {
  int32_t converted = 0;
  // Nothing may leave the thread, where an exception would abort the
  // process: a line that cannot be printed for want of memory ends the run
  // with what it converted so far.
  try {
    convertInputSet(converted);
  } catch (...) {
  }
  std::lock_guard<std::mutex> guard(progress.lock);
  progress.convertedCount = converted;
  progress.ended = true;
}

bool startRun() {
  {
    std::lock_guard<std::mutex> guard(progress.lock);
    progress.currentIndex = 0;
    progress.currentName.clear();
    progress.convertedCount = 0;
    progress.ended = false;
  }
  progress.running = 1;
  try {
    progress.worker = std::thread(batchWorker);
  } catch (...) {
    // No thread (too little memory or too many threads): the run never began.
    std::lock_guard<std::mutex> guard(progress.lock);
    progress.ended = true;
    return false;
  }
  return true;
}

RunSnapshot runSnapshot() {
  std::lock_guard<std::mutex> guard(progress.lock);
  return {progress.currentIndex, progress.currentName, progress.convertedCount, progress.ended};
}

void stopRun() {
  std::lock_guard<std::mutex> guard(progress.lock);
  progress.running = 0;
}

void holdRun() {
  std::lock_guard<std::mutex> guard(progress.lock);
  progress.held = true;
}

void releaseRun() {
  {
    std::lock_guard<std::mutex> guard(progress.lock);
    progress.held = false;
  }
  progress.released.notify_all();
}

int32_t finishRun() {
  releaseRun();
  if (progress.worker.joinable()) progress.worker.join();
  if (settings.doWatermark == 1 && watermarkFontLoaded()) releaseWatermarkFont();
  return runSnapshot().convertedCount;
}
