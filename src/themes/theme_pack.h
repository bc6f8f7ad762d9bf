// Reading entries of a theme pack, a ZIP archive, without trusting it:
// entries are found by their exact names only, nothing is ever written to
// disk, and every read stops at a limit, so a hostile pack can neither
// escape its folder nor make us inflate more than a few megabytes.
#pragma once
#include <cstddef>
#include <map>
#include <set>
#include <string>

struct PackEntry {
  std::string bytes;  // at most the limit of the read
  bool cut = false;   // the entry holds more than the limit
};

// Reads the first entry of each wanted name that holds more than 0 bytes
// (regular files only) into `found`. An entry that cannot be read (damaged,
// encrypted) is left out. False when the file cannot be opened as a ZIP
// archive; a damaged archive gives what could be read before the damage.
[[nodiscard]] bool readPackEntries(const std::string& path, const std::set<std::string>& wanted, size_t limit,
                                   std::map<std::string, PackEntry>& found);
