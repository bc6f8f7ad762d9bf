// The recent output folders of the desktop application: `Recent Out Folders`
// holds them most recent first, separated by tabs, at most
// `Out Folders Number` of them.
#pragma once
#include <string>

// Puts a folder at the head of the list: the new folder first, then the old
// entries 0 to N - 1 (N = `Out Folders Number`) that are not empty and not
// the same folder, until the list holds N entries. Two folders are the same
// when the CRC-32 of their upper-cased UTF-8 texts is equal, so "/Out/"
// replaces "/out/". False for an empty folder, which changes nothing.
bool addRecentOutputFolder(const std::string& folder);

// Entry `index` (from 0) trimmed of blanks; "" when there is none.
std::string recentOutputFolder(int index);
