// The job state: per-job values shared by the engine, the batch worker and
// both faces; and the input set, the files that a run converts.
#pragma once
#include <cstdint>
#include <map>
#include <string>

struct JobState {
  std::string programFolder;     // folder of the program's own file, ending with "/"
  std::string inputPath;         // file being converted
  std::string inputRoot;         // the command line's input option, until the run takes it
  std::string subFolderText;     // sub-folder of the file below its input root
  std::string outputPath;        // file being written
  std::string temporaryPath;     // name the writer writes under
  std::string outputFolder;      // receives the output files, normally ending with "/"
  int32_t randomNumber = 0;      // value of %rnd%
  int32_t fileCounter = 1;       // value of %n%
  std::string inputFormat;       // input extension whose reading options apply
  int32_t sourceBitDepth = 0;    // bits per pixel of the picture as loaded
  std::string outputExtension;   // output format without dot ("pcx")
  int32_t targetBitDepth = 0;    // depth of the bit-depth stage and %bpp%
  int8_t keepDepth = 0;          // 1 when the target depth is derived per file
  int8_t consoleMode = 0;        // 1 in a console run
  std::string runMode;           // "", "DEBUG" or "T"
  int32_t resultWidth = 0;       // size of the last converted picture
  int32_t resultHeight = 0;
  int openingCategory = 0;       // preferences category the next opening shows
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
