// The preferences window's colour lists (`Font Colors`, `Back Colors`):
// comma-separated six-digit colours, each shown by its name.
#pragma once
#include <string>
#include <vector>

#include "settings/settings.h"

// A list's entries are `listEntries(settings.fontColors, ',')` (text/text.h).

// The name of a colour entry: "Black", "Orange" and the other named colours
// of group "Preferences", found by the upper-cased hex text; any other entry
// is the "Color" text, " #" and the upper-cased hex text ("Color #1A2B3C").
std::string colourName(const std::string& hex);

// The entry to select for a colour: the first whose colour equals it, else
// entry 0; -1 for no entries.
int colourIndex(const std::vector<std::string>& entries, Colour colour);

// Appends a picked colour to a colour list setting, after a comma, when no
// entry has that colour yet; true when it was appended.
bool addListColour(std::string& list, Colour colour);
