// The console's reference texts, made from the same tables the program
// reads its parameters with, so they cannot drift from it: the manual page
// and the shell completions.
#pragma once
#include <string>

// The manual page zorvane(1) in roff.
std::string manualPage();

// A bash completion script for "zorvane".
std::string bashCompletion();

// A zsh completion script for "zorvane".
std::string zshCompletion();
