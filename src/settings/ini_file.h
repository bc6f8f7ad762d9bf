// Reading the INI layout shared by the configuration file and profile files:
// "[Group]" headers, "key = value" lines, ";" comments.
#pragma once
#include <string>
#include <vector>

struct IniEntry {
  std::string key;    // up to the first "=", less trailing blanks and tabs
  std::string value;  // the rest of the line, as it stands
};

struct IniGroup {
  std::string name;
  std::vector<IniEntry> entries;  // in file order
};

struct IniFile {
  std::vector<IniGroup> groups;  // in file order
};

// Reads and parses a file; false when it cannot be opened, is no regular
// file, or is larger than a few megabytes.
[[nodiscard]] bool readIniFile(const std::string& path, IniFile& ini);

// Parses the bytes of a file. A byte-order mark selects UTF-8; without one,
// valid UTF-8 is taken as such and anything else as ISO-8859-1.
IniFile parseIni(const std::string& bytes);

// The first group of that name, matched without regard to letter case.
const IniGroup* findIniGroup(const IniFile& ini, const std::string& name);

// The value of the first line of that key in the group (any letter case).
[[nodiscard]] bool findIniValue(const IniGroup* group, const std::string& key, std::string& value);
