#include "text/paths.h"
#include "batch/job_state.h"

#include "formats/catalogue.h"
#include "text/text.h"
#include "platform/clock.h"
#include "platform/files.h"

JobState job;
InputSet inputSet;

void resetJobState() {
  job.programFolder = programFolder();
  job.consoleMode = 0;
  job.randomNumber = randomBetween(1, 99999);
  job.fileCounter = 1;
  job.inputFormat.clear();
  job.inputPath.clear();
  job.inputRoot.clear();
  job.subFolderText.clear();
  job.outputPath.clear();
  job.temporaryPath.clear();
  job.outputFolder.clear();
  job.outputExtension.clear();
  job.sourceBitDepth = 0;
  job.targetBitDepth = 0;
  job.keepDepth = 0;
  job.openingCategory = 0;
  inputSet.clear();
  collectAcceptedExtensions();
}

bool acceptInputFile(const std::string& path) {
  // A missing path or a folder passes here and fails later, at validation
  // or at loading; only an empty file is refused by its size.
  PathInfo info = queryPath(path);
  if (info.kind == PathKind::File && info.size == 0) return false;
  if (!isAcceptedInputFile(path)) return false;
  inputSet.clear();
  inputSet[path] = {1, subFolderText(path, job.inputRoot)};
  return true;
}

std::string subFolderText(const std::string& path, const std::string& root) {
  if (path.empty() || root.empty()) return "";
  std::string folder = folderPart(path);
  if (folder.find(root) == std::string::npos) return "";
  std::string result;
  for (size_t i = 0; i < folder.size();) {
    if (folder.compare(i, root.size(), root) == 0) {
      i += root.size();
    } else {
      result += folder[i++];
    }
  }
  return result;
}
