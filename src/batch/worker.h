// The batch worker: converts every file of the input set on its own thread
// and publishes its progress for the face that started it.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

// Shared between the worker and the face; index, name and count are read
// and written under `lock`. The face clears `running` to stop the run after
// the file being converted.
struct Progress {
  std::mutex lock;
  int32_t currentIndex = 0;
  std::string currentName;
  int32_t convertedCount = 0;
  std::atomic<int8_t> running{0};
};

extern Progress progress;

// Sets the job's target bit depth from the output format's BPP setting, and
// the keep-depth flag when that setting is 0 ("Auto").
void prepareOutputFormat();

// The thread procedure; the starter has filled the input set and the job,
// called prepareOutputFormat, and reset the progress record. Throws nothing:
// a file that fails in any way, running out of memory included, counts as
// not converted.
void batchWorker();
