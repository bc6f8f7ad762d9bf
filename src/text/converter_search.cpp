#include "text/converter_search.h"

#include "text/maker.h"
#include "text/text.h"

namespace {

std::string searchWord(const std::string& text) {
  std::string word;
  for (char c : firstCharacters(toLowerText(text), 12))
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) word += c;
  return word;
}

}  // namespace

std::string converterSearchPath(const std::string& from, const std::string& to) {
  std::string fromWord = searchWord(from), toWord = searchWord(to);
  if (fromWord.empty() || toWord.empty()) return "";
  return "/find/" + fromWord + "-" + toWord + "/";
}

std::string converterSearchUrl(const std::string& from, const std::string& to) {
  std::string path = converterSearchPath(from, to);
  return path.empty() ? "" : makerPage(path);
}
