// The console's reference texts, made from the same tables the program
// reads its parameters with, so they cannot drift from it: the manual page
// and the shell completions.
#pragma once
#include <string>
#include <vector>

#include "cli/long_options.h"
#include "settings/settings.h"

// The manual page zorvane(1) in roff.
std::string manualPage();

// A bash completion script for "zorvane".
std::string bashCompletion();

// A zsh completion script for "zorvane".
std::string zshCompletion();

// Pieces of the descriptions, for the user manual as well.
// The keywords a KEY option reads, in lower case; none for other options.
std::vector<std::string> keywordsOf(const LongOption& option);
// What an option's value is called: "NUM", "WORD", "RRGGBB", "FILE", "TEXT";
// "" for a switch.
std::string valueName(const LongOption& option);
// The field's label in the preferences window without its colon, else its key.
std::string labelOf(const SettingField& row);
// The field's current value as the settings report shows it (called after a
// reset, its default): quoted text, a keyword, a number.
std::string defaultShown(const SettingField& row);
// The field's range and unit ("From 1 to 255.", "In pixels."); "" without.
std::string rangeText(const SettingField& row);
