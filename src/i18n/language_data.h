// The built-in English language table as stored: (key, text) pairs read in
// order by the table loader.
#pragma once
#include <span>
#include <string_view>

struct LanguagePair {
  std::string_view key;
  std::string_view text;
};

// A pair with this key opens a group named by its text.
inline constexpr std::string_view languageGroupMarker = "_GROUP_";
// A pair with this key ends the table; its text is unused.
inline constexpr std::string_view languageEndMarker = "_END_";

// Every pair of the table, the closing end marker included.
std::span<const LanguagePair> builtInLanguagePairs();
