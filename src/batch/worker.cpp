#include "batch/worker.h"

#include "batch/file_type.h"
#include "batch/job_state.h"
#include "engine/pipeline.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/files.h"
#include "settings/settings.h"

Progress progress;

namespace {

// The BPP setting of each output format.
struct FormatDepth {
  const char* extension;
  int32_t Settings::*depth;
};

const FormatDepth formatDepths[] = {
    {"bmp", &Settings::bmpBpp},   {"dds", &Settings::ddsBpp},   {"exr", &Settings::exrBpp},
    {"gif", &Settings::gifBpp},   {"hdr", &Settings::hdrBpp},   {"ico", &Settings::icoBpp},
    {"j2k", &Settings::j2kBpp},   {"jng", &Settings::jngBpp},   {"jp2", &Settings::jp2Bpp},
    {"jpg", &Settings::jpgBpp},   {"jxr", &Settings::jxrBpp},   {"pbm", &Settings::pbmBpp},
    {"pcx", &Settings::pcxBpp},   {"pfm", &Settings::pfmBpp},   {"pgm", &Settings::pgmBpp},
    {"png", &Settings::pngBpp},   {"ppm", &Settings::ppmBpp},   {"psd", &Settings::psdBpp},
    {"tga", &Settings::tgaBpp},   {"tiff", &Settings::tiffBpp}, {"wbmp", &Settings::wbmpBpp},
    {"webp", &Settings::webpBpp}, {"xpm", &Settings::xpmBpp},
};

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

// A conversion that runs out of memory fails the file; it never ends the
// process.
bool convertCurrentFile() {
  try {
    return convertFile();
  } catch (...) {
    return false;
  }
}

// Converts the files of the input set, counting into `converted` as it goes.
void convertInputSet(int32_t& converted) {
  bool debug = job.consoleMode == 1 && job.runMode == "DEBUG";
  int32_t count = 0;
  for (auto entry = inputSet.begin(); progress.running && entry != inputSet.end(); ++entry) {
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
  for (const FormatDepth& entry : formatDepths)
    if (job.outputExtension == entry.extension) job.targetBitDepth = settings.*entry.depth;
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
}
