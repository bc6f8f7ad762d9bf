// The batch worker, which converts every file of the input set on a thread
// of its own, and the run that a face starts, watches and finishes.
//
// While a run is going, the worker owns the settings record (it reads it),
// the job state and the input set (it writes the job's per-file fields), the
// PCX writer and the watermark font: the face touches none of them between
// startRun and finishRun, and sees the run only through runSnapshot.
#pragma once
#include <cstdint>
#include <string>

// Sets the job's target bit depth from the output format's BPP setting, and
// the keep-depth flag when that setting is 0 ("Auto"). Both faces call it
// after their checks.
void prepareOutputFormat();

// What a face may know of a run at a given moment, copied under the run's lock.
struct RunSnapshot {
  int32_t currentIndex = 0;  // number of the file being converted, from 1; 0 before the first
  std::string currentName;   // its input path
  int32_t convertedCount = 0;  // files converted; set when the worker ends
  bool ended = false;          // the worker has ended (or never started)
};

// Resets the progress record and starts the worker over the input set.
// False when no thread could be started; nothing runs then.
[[nodiscard]] bool startRun();

// A copy of the progress record; never waits for the worker's conversion.
RunSnapshot runSnapshot();

// Asks the worker to stop after the file it is converting.
void stopRun();

// Keeps the worker from starting a further file until released: the face
// holds it while a question about the run is open. A run started while held
// waits before its first file.
void holdRun();
void releaseRun();

// Waits for the worker to end, then releases the watermark font. Returns
// the converted count.
int32_t finishRun();

// The worker's thread procedure. Throws nothing: a file that fails in any
// way, running out of memory included, counts as not converted.
void batchWorker();
