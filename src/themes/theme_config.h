// Reading a theme pack's `theme.cfg` text: section and key lookup, and the
// rule that turns a picture value into an entry name of the pack.
#pragma once
#include <cstdint>
#include <string>

// The value of `key` in `section` of a `theme.cfg` text; "" when either is
// missing. Lines end in CR LF; sections and keys match in any letter case.
// The section runs from its "[Name]" header to the next "[" anywhere, a
// value included. The key is found as the text after a CR LF, so it also
// matches a longer key that begins with it (Name finds Names=...); the first
// such line wins. A line without a CR LF after it, or without "=", has an
// empty value. The value is the text after the line's first "=" up to the
// next "=", with blanks, tabs, CRs and LFs trimmed at both ends.
std::string configValue(const std::string& text, const std::string& section, const std::string& key);

// The pack entry a picture value names: the value itself when it contains
// ".png" in any letter case, otherwise value + "_" + size + ".png".
std::string pictureEntryName(const std::string& value, int size);

// Pixel size of the toolbar icons for a `UI Size` setting: 0 → 16, 1 → 24,
// 2 → 32, 3 → 48, 4 → 64, any other value → 16.
int toolbarIconSize(int32_t uiSize);
