// The job state: per-job values shared by the engine, the batch worker and
// both faces; and the input set, the files that a run converts.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "engine/conversion_job.h"

// The engine's part of the job, and what the faces keep beside it.
struct JobState : ConversionJob {
  std::string programFolder;  // folder of the program's own file, ending with "/"
  std::string inputRoot;      // the command line's input option, until the run takes it
  std::string inputFormat;    // input extension whose reading options apply
  int8_t consoleMode = 0;     // 1 in a console run
  std::string runMode;        // "", "DEBUG" or "T"
  int openingCategory = 0;    // preferences category the next opening shows
};

extern JobState job;

struct InputEntry {
  int32_t present = 1;
  std::string subFolderText;
};

// Keyed by full input path, compared exactly.
using InputSet = std::map<std::string, InputEntry>;
extern InputSet inputSet;

// Starts a new job: counters, paths and the input set; `runMode` and the
// result size are kept.
void resetJobState();

// Accepts a file as the input of the next run, replacing any earlier one;
// refuses an empty file and extensions the catalogue does not accept.
bool acceptInputFile(const std::string& path);

// The sub-folder of a path below a root: the folder part of the path with
// every occurrence of the root removed; "" when either is empty or the
// folder does not contain the root.
std::string subFolderText(const std::string& path, const std::string& root);
