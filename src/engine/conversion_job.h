// The values of a job that the engine reads and writes while it converts a
// file. The batch layer's job state is built on this record; the engine sees
// nothing else of it.
#pragma once
#include <cstdint>
#include <string>

struct ConversionJob {
  std::string inputPath;        // file being converted
  std::string subFolderText;    // sub-folder of the file below its input root
  std::string outputFolder;     // receives the output files, normally ending with "/"
  std::string outputExtension;  // output format without dot ("pcx")
  std::string outputPath;       // file being written
  std::string temporaryPath;    // name the writer writes under
  int32_t sourceBitDepth = 0;   // bits per pixel of the picture as loaded
  int32_t targetBitDepth = 0;   // depth of the bit-depth stage and %bpp%
  int8_t keepDepth = 0;         // 1 when the target depth is derived per file
  int32_t resultWidth = 0;      // size of the last converted picture
  int32_t resultHeight = 0;
  int32_t randomNumber = 0;     // value of %rnd%
  int32_t fileCounter = 1;      // value of %n%
};
