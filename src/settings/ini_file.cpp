#include "settings/ini_file.h"

#include "text/text.h"
#include "platform/files.h"

namespace {

// No layout this system reads needs more; a larger file is refused rather
// than read into memory (a device such as /dev/zero has no end at all).
constexpr size_t maxIniBytes = 4 << 20;

}  // namespace

IniFile parseIni(const std::string& bytes) {
  std::string text;
  if (bytes.size() > 2 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
    text = bytes.substr(3);
  else if (isValidUtf8(bytes))
    text = bytes;  // files written on this platform are UTF-8 without a mark
  else
    text = latin1ToUtf8(bytes);

  IniFile ini;
  IniGroup* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;

    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) continue;
    line.erase(0, first);
    if (line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      ini.groups.push_back({line.substr(1, close == std::string::npos ? std::string::npos : close - 1), {}});
      current = &ini.groups.back();
      continue;
    }
    // Lines without "=" carry nothing this system writes; they are skipped,
    // and so are settings before the first group.
    size_t equals = line.find('=');
    if (equals == std::string::npos || !current) continue;
    std::string key = line.substr(0, equals);
    key.erase(key.find_last_not_of(" \t") + 1);
    current->entries.push_back({key, line.substr(equals + 1)});
  }
  return ini;
}

bool readIniFile(const std::string& path, IniFile& ini) {
  std::string bytes;
  if (!readWholeFile(path, bytes, maxIniBytes)) return false;
  ini = parseIni(bytes);
  return true;
}

const IniGroup* findIniGroup(const IniFile& ini, const std::string& name) {
  for (const IniGroup& group : ini.groups)
    if (equalsIgnoringCase(group.name, name)) return &group;
  return nullptr;
}

bool findIniValue(const IniGroup* group, const std::string& key, std::string& value) {
  if (!group) return false;
  for (const IniEntry& entry : group->entries) {
    if (equalsIgnoringCase(entry.key, key)) {
      value = entry.value;
      return true;
    }
  }
  return false;
}
