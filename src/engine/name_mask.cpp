#include "engine/name_mask.h"

#include "text/text.h"
#include "platform/clock.h"
#include "text/paths.h"
#include "settings/settings.h"

namespace {

// Zero-padded to five digits; a longer number keeps its first five.
std::string fiveDigits(int32_t number) {
  std::string text = decimal(number);
  if (text.size() < 5) text.insert(0, 5 - text.size(), '0');
  return text.substr(0, 5);
}

std::string twoDigits(int number) { return fiveDigits(number).substr(3); }

std::string titleCase(const std::string& text) {
  if (text.empty()) return text;
  // The first character may take several bytes.
  size_t length = 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) length++;
  return toUpperText(text.substr(0, length)) + toLowerText(text.substr(length));
}

std::string inputStem(const ConversionJob& job) {
  std::string name = fileNamePart(job.inputPath);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The placeholders in the order they are substituted; each value is made
// when its placeholder is found, so every date part reads the clock itself.
struct Placeholder {
  const char* token;
  std::string (*value)(const ConversionJob& job);
};

const Placeholder placeholders[] = {
    {"%filename%", [](const ConversionJob& job) { return inputStem(job); }},
    {"%filename[u]%", [](const ConversionJob& job) { return toUpperText(inputStem(job)); }},
    {"%filename[l]%", [](const ConversionJob& job) { return toLowerText(inputStem(job)); }},
    {"%filename[t]%", [](const ConversionJob& job) { return titleCase(inputStem(job)); }},
    {"%ext%", [](const ConversionJob& job) { return job.outputExtension; }},
    {"%ext[u]%", [](const ConversionJob& job) { return toUpperText(job.outputExtension); }},
    {"%ext[t]%", [](const ConversionJob& job) { return titleCase(job.outputExtension); }},
    {"%yyyy%", [](const ConversionJob&) { return decimal(localTimeNow().year); }},
    {"%mm%", [](const ConversionJob&) { return twoDigits(localTimeNow().month); }},
    {"%dd%", [](const ConversionJob&) { return twoDigits(localTimeNow().day); }},
    {"%hh%", [](const ConversionJob&) { return twoDigits(localTimeNow().hour); }},
    {"%ii%", [](const ConversionJob&) { return twoDigits(localTimeNow().minute); }},
    {"%ss%", [](const ConversionJob&) { return twoDigits(localTimeNow().second); }},
    {"%bpp%", [](const ConversionJob& job) { return decimal(job.targetBitDepth); }},
    {"%width%", [](const ConversionJob& job) { return decimal(job.resultWidth); }},
    {"%height%", [](const ConversionJob& job) { return decimal(job.resultHeight); }},
    {"%rnd%", [](const ConversionJob& job) { return fiveDigits(job.randomNumber); }},
    {"%n%", [](const ConversionJob& job) { return fiveDigits(job.fileCounter); }},
};

}  // namespace

std::string outputName(const ConversionJob& job) {
  // Literal text of the mask is lower-cased with it; inserted values keep
  // their case, and a value holding a later placeholder gets it filled too.
  std::string name = toLowerText(settings.filenameMask);
  if (name.empty()) name = "%filename%.%ext%";
  for (const Placeholder& p : placeholders)
    if (name.find(p.token) != std::string::npos) name = replaceIgnoringCase(name, p.token, p.value(job));
  return name;
}

bool nameStaysInFolder(const std::string& name) {
  for (size_t start = 0; start <= name.size();) {
    size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

std::string substitutePlaceholders(const std::string& text, const ConversionJob& job) {
  size_t percents = 0;
  for (char c : text) percents += c == '%';
  if (percents < 2) return text;
  std::string lowered = toLowerText(text);
  std::string result = text;
  for (const Placeholder& p : placeholders)
    if (lowered.find(p.token) != std::string::npos) result = replaceIgnoringCase(result, p.token, p.value(job));
  return result;
}

std::string temporaryName(const ConversionJob& job) {
  std::string name = "zorvane";
  for (char digit : decimal(localSecondsNow()))
    if (digit >= '0' && digit <= '9') name += static_cast<char>('a' + (digit - '0'));
  for (int i = 0; i < 5; i++) name += static_cast<char>('a' + randomBetween(0, 25));
  return name + "." + job.outputExtension;
}
