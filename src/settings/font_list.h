// The preferences window's watermark font list: the entries of `Fonts`
// (comma-separated) with `Font` selected.
#pragma once
#include <string>
#include <vector>

// The entries of `Fonts`, each trimmed, empty ones left out. An empty
// `Fonts` is first set to `Font`.
std::vector<std::string> fontListEntries();

// The entry to select: the first that equals `Font` without regard to
// letter case, else entry 0; -1 for no entries.
int fontIndex(const std::vector<std::string>& entries);

// A face name from the font dialog as the list keeps it: every comma removed,
// since commas separate the entries of `Fonts`.
std::string fontFaceName(const std::string& chosen);

// Appends a face name (as `fontFaceName` gives it) to `Fonts` after a comma
// when it is not yet one of its entries (compared exactly); true when it was
// appended. An empty name is never appended.
bool addFontFace(const std::string& face);
