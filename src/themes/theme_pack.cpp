#include "themes/theme_pack.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <memory>

namespace {

// No pack needs more entries than this; the bound keeps a forged central
// directory from keeping us busy.
constexpr int mostEntries = 10000;

struct ArchiveCloser {
  void operator()(archive* a) const { archive_read_free(a); }
};

// Reads the current entry's data, stopping once one byte past the limit
// shows that there is more. False for a read error.
bool readData(archive* a, size_t limit, PackEntry& entry) {
  char buffer[65536];
  while (entry.bytes.size() <= limit) {
    size_t room = std::min(sizeof buffer, limit + 1 - entry.bytes.size());
    la_ssize_t n = archive_read_data(a, buffer, room);
    if (n < 0) return false;
    if (n == 0) return true;
    entry.bytes.append(buffer, static_cast<size_t>(n));
  }
  entry.cut = true;
  entry.bytes.resize(limit);
  return true;
}

}  // namespace

bool readPackEntries(const std::string& path, const std::set<std::string>& wanted, size_t limit,
                     std::map<std::string, PackEntry>& found) {
  std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
  if (!a || archive_read_support_format_zip(a.get()) != ARCHIVE_OK) return false;
  if (archive_read_open_filename(a.get(), path.c_str(), 65536) != ARCHIVE_OK) return false;

  archive_entry* header = nullptr;
  for (int i = 0; i < mostEntries && found.size() < wanted.size(); i++) {
    int status = archive_read_next_header(a.get(), &header);
    if (status == ARCHIVE_EOF || status == ARCHIVE_FATAL) break;
    if (status == ARCHIVE_FAILED || status == ARCHIVE_RETRY) continue;  // this entry only
    const char* name = archive_entry_pathname(header);
    if (!name || !wanted.count(name) || found.count(name)) continue;
    if (archive_entry_filetype(header) != AE_IFREG) continue;
    if (archive_entry_size_is_set(header) && archive_entry_size(header) <= 0) continue;
    PackEntry entry;
    bool read = readData(a.get(), limit, entry);
    bool cut = entry.cut;
    if (read && !entry.bytes.empty()) found[name] = std::move(entry);
    // Skipping the rest of an entry of unknown length means inflating all
    // of it, which a bomb makes endless: stop here instead.
    if (cut && !archive_entry_size_is_set(header)) break;
  }
  return true;
}
