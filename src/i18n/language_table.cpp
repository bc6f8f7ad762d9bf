// Indexed form of the built-in language table: groups in table order, each
// with its entries sorted by key and a first-character index into them.
#include "i18n/language_table.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "i18n/language_data.h"
#include "text/text.h"

namespace {

const std::string noStringError = "%NO_STRING_ERROR%";

// Joins a key to its text for sorting. It is below every character a key
// holds, so a key sorts before the longer keys it begins.
constexpr char keyTextSeparator = '\x01';

struct Group {
  std::string name;  // upper case
  std::size_t first = 0;
  std::size_t last = 0;  // below `first` when the group is empty
  // Entry index of the group's first key, in sorted order, beginning with
  // each character; 0 for none.
  std::array<std::size_t, 256> firstByChar{};
};

// Element 0 of each array stays empty so that index 0 can mean "none".
std::vector<Group> groups(1);
std::vector<std::string> entryKeys(1);
std::vector<std::string> entryTexts(1);
// Windows look up many texts of one group in a row; this skips the group
// search. Each thread keeps its own, so the worker and the window can both
// look up texts while a run is going.
thread_local std::size_t lastGroup = 0;

// Every key and group name of the table is ASCII, so ASCII upper-casing is
// all that matching without regard to case needs.
unsigned char firstChar(const std::string& key) { return key.empty() ? 0 : static_cast<unsigned char>(key[0]); }

std::size_t findGroup(const std::string& name) {
  for (std::size_t i = 1; i < groups.size(); ++i) {
    if (groups[i].name == name) return i;
  }
  return 0;
}

// Sorts one group's joined strings, splits them into keys and texts and fills
// the first-character index. Byte order of UTF-8 is code point order, which
// matches UTF-16 code unit order wherever keys can differ (keys are ASCII).
void indexGroup(Group& group, std::vector<std::string>& joined) {
  std::sort(joined.begin() + group.first, joined.begin() + group.last + 1);
  int previousChar = -1;
  for (std::size_t i = group.first; i <= group.last; ++i) {
    const std::size_t cut = joined[i].find(keyTextSeparator);
    entryKeys[i] = joined[i].substr(0, cut);
    entryTexts[i] = joined[i].substr(cut + 1);
    const unsigned char c = firstChar(entryKeys[i]);
    // Slot 0 stays empty: an empty key is never found.
    if (c != 0 && c != previousChar) group.firstByChar[c] = i;
    previousChar = c;
  }
}

}  // namespace

void loadLanguageTable() {
  const std::span<const LanguagePair> pairs = builtInLanguagePairs();
  std::size_t groupCount = 0;
  std::size_t entryCount = 0;
  for (const LanguagePair& pair : pairs) {
    const std::string key = toUpperAscii(std::string(pair.key));
    if (key == languageEndMarker) break;
    if (key == languageGroupMarker) {
      ++groupCount;
    } else {
      ++entryCount;
    }
  }

  groups.assign(groupCount + 1, Group{});
  entryKeys.assign(entryCount + 1, std::string{});
  entryTexts.assign(entryCount + 1, std::string{});
  std::vector<std::string> joined(entryCount + 1);
  lastGroup = 0;

  std::size_t current = 0;
  std::size_t stored = 0;
  // Pairs before the first group mark belong to no group.
  const auto closeGroup = [&] {
    if (current > 0) groups[current].last = stored;
  };
  for (const LanguagePair& pair : pairs) {
    const std::string key = toUpperAscii(std::string(pair.key));
    if (key == languageEndMarker) break;
    if (key == languageGroupMarker) {
      closeGroup();
      ++current;
      groups[current].name = toUpperAscii(std::string(pair.text));
      groups[current].first = stored + 1;
    } else {
      ++stored;
      joined[stored] = key + keyTextSeparator + std::string(pair.text);
    }
  }
  closeGroup();

  for (std::size_t g = 1; g < groups.size(); ++g) {
    if (groups[g].last >= groups[g].first) indexGroup(groups[g], joined);
  }
}

std::string lookupText(const std::string& group, const std::string& key) {
  const std::string groupName = toUpperAscii(group);
  const std::string wanted = toUpperAscii(key);
  if (lastGroup == 0 || groups[lastGroup].name != groupName) lastGroup = findGroup(groupName);
  if (lastGroup == 0) return noStringError;

  const Group& found = groups[lastGroup];
  const std::size_t start = found.firstByChar[firstChar(wanted)];
  if (start == 0) return noStringError;
  for (std::size_t i = start; i <= found.last; ++i) {
    if (entryKeys[i] == wanted) return entryTexts[i];
    // Keys are sorted: once past the key sought it cannot come later.
    if (wanted < entryKeys[i]) break;
  }
  return noStringError;
}

std::string fillPlaceholders(const std::string& text, const std::string& s1, const std::string& s2,
                             const std::string& s3, const std::string& s4) {
  std::string result = text;
  const std::string* const arguments[] = {&s1, &s2, &s3, &s4};
  // Each argument works on the text the previous ones left, so an inserted
  // "%s2%" is filled by the second argument.
  for (std::size_t n = 0; n < 4; ++n)
    if (!arguments[n]->empty()) result = replaceIgnoringCase(result, "%s" + std::to_string(n + 1) + "%", *arguments[n]);
  return result;
}
