#include "batch/progress_texts.h"

#include "i18n/language_table.h"
#include "text/text.h"

namespace {

std::string outcomeText(bool stopped) {
  return lookupText("Msg", stopped ? "Conversion is not complete" : "Conversion complete");
}

std::string progressCount(int32_t index, int32_t fileCount) {
  return fillPlaceholders(lookupText("Msg", "Progress"), decimal(index), decimal(fileCount));
}

}  // namespace

int characterWidth(int measuredWidth) { return measuredWidth > 0 ? measuredWidth / 9 : 7; }

std::string shortenedName(const std::string& name, int characterWidth) {
  // A width below 1 would divide by zero; such a font shows nothing anyway.
  if (characterWidth < 1) characterWidth = 1;
  size_t length = characterCount(name);
  size_t limit = static_cast<size_t>(nameLineWidth / characterWidth);
  if (length * static_cast<size_t>(characterWidth) <= static_cast<size_t>(nameLineWidth) || length <= limit)
    return name;
  size_t kept = limit >= 3 ? (limit - 3) / 2 : 0;
  return firstCharacters(name, kept) + "..." + lastCharacters(name, kept);
}

std::string runningTitle(const RunSnapshot& snapshot, int32_t fileCount) {
  return lookupText("Dialog", "Convert Progress") + " " + progressCount(snapshot.currentIndex, fileCount);
}

std::string finishedTitle(bool stopped, int32_t lastIndexRead, int32_t fileCount) {
  return outcomeText(stopped) + " " + progressCount(lastIndexRead, fileCount);
}

std::string finishedNameLine(bool stopped, const RunSnapshot& snapshot, int32_t fileCount) {
  if (stopped) return outcomeText(true);
  return fillPlaceholders(lookupText("Msg", "Files converted"), decimal(snapshot.convertedCount), decimal(fileCount));
}

std::string finishedStatusText(bool stopped) { return outcomeText(stopped); }
