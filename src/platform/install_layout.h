// Where the program's installed pieces lie, relative to the running
// program: the one place to change when the installation layout moves.
#pragma once
#include <string>

// The desktop application, a program of its own beside the console one, so
// that console runs never load the window toolkit.
std::string desktopProgramPath();

// The user manual, an HTML page that the Help menu opens.
std::string userManualPath();

// Replaces this process by the desktop program with the same parameters
// (`argv` as `main` got it). Returns only when the program could not be
// started, with the reason in `reason`.
void startDesktopProgram(char** argv, std::string& reason);
