#include "settings/recent_folders.h"

#include <zlib.h>

#include <vector>

#include "text/text.h"
#include "settings/settings.h"

namespace {

uLong folderChecksum(const std::string& folder) {
  std::string upper = toUpperText(folder);
  return crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(upper.data()), static_cast<uInt>(upper.size()));
}

std::string entryOf(const std::vector<std::string>& entries, int index) {
  if (index < 0 || static_cast<size_t>(index) >= entries.size()) return "";
  return trimmed(entries[static_cast<size_t>(index)], " ");
}

}  // namespace

bool addRecentOutputFolder(const std::string& folder) {
  if (folder.empty()) return false;
  std::vector<std::string> old = splitText(settings.recentOutFolders, '\t');
  int limit = settings.outFoldersNumber;
  uLong checksum = folderChecksum(folder);
  std::string list = folder;
  int count = 1;
  for (int i = 0; i < limit && count < limit; i++) {
    std::string entry = entryOf(old, i);
    if (entry.empty() || folderChecksum(entry) == checksum) continue;
    list += "\t" + entry;
    count++;
  }
  settings.recentOutFolders = list;
  return true;
}

std::string recentOutputFolder(int index) { return entryOf(splitText(settings.recentOutFolders, '\t'), index); }
