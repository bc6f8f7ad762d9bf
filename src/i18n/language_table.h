// The built-in English language table: every text a window, menu, message
// or console progress line shows is looked up here by group and key.
#pragma once
#include <string>

// Builds the indexed form of the built-in table; replaces any earlier one.
void loadLanguageTable();

// The text of a key in a group, both matched without regard to letter case;
// "%NO_STRING_ERROR%" when the group or the key does not exist.
std::string lookupText(const std::string& group, const std::string& key);

// Replaces "%s1%" to "%s4%" (any letter case) by the arguments, in order;
// an empty argument leaves its placeholder as it stands.
std::string fillPlaceholders(const std::string& text, const std::string& s1 = "", const std::string& s2 = "",
                             const std::string& s3 = "", const std::string& s4 = "");
