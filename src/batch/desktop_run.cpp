#include "batch/desktop_run.h"

#include "batch/job_state.h"
#include "formats/catalogue.h"
#include "platform/files.h"
#include "text/text.h"

Check startDesktopJob(const std::string& inputText, const std::string& folderText, const std::string& extension) {
  job.inputPath = trimmed(inputText);
  inputSet.clear();
  // Only an empty file is refused by its size; a missing path fails as an
  // empty input set only through its extension, or later when it is loaded.
  PathInfo input = queryPath(job.inputPath);
  bool emptyFile = input.kind == PathKind::File && input.size == 0;
  if (!emptyFile && isAcceptedInputFile(job.inputPath)) inputSet[job.inputPath] = {1, ""};
  job.outputFolder = trimmed(folderText);
  job.outputExtension = extension;

  if (Check found = checkInputSet()) return found;
  if (job.outputFolder.empty()) return {Problem::EmptyOutputFolder, ""};
  if (job.outputFolder.back() != '/') job.outputFolder += "/";
  if (Check found = checkOutputFolder(job.outputFolder)) return found;
  if (Check found = checkResizeSizes()) return found;
  if (Check found = checkWatermarkFont()) return found;
  return checkWatermarkPicture();
}

DesktopMessage desktopMessageOf(const Check& check) {
  static const struct {
    Problem problem;
    const char* key;
    bool showsStopped;
  } messages[] = {
      {Problem::EmptyInputFiles, "Empty input files", true},
      {Problem::EmptyOutputFolder, "Empty output folder", true},
      {Problem::InvalidOutputFolder, "Invalid output folder", true},
      {Problem::InvalidWidth, "Invalid width", true},
      {Problem::InvalidHeight, "Invalid height", true},
      {Problem::InvalidWatermarkFont, "Invalid watermark font", false},
      {Problem::EmptyWatermarkImage, "Empty watermark image", false},
      {Problem::InvalidWatermarkImage, "Invalid watermark image", false},
  };
  for (const auto& message : messages)
    if (message.problem == check.problem) return {message.key, check.argument, message.showsStopped};
  return {};
}
