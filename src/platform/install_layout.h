// Where the program's installed pieces lie, relative to the running
// program: the one place to change when the installation layout moves.
//
// Installed under a prefix, the console program is PREFIX/bin/zorvane; the
// programs and modules it loads lie in PREFIX/lib/zorvane/, the theme packs
// and the sample photo in PREFIX/share/zorvane/ and the user manual in
// PREFIX/share/doc/zorvane/. The prefix is found from the running program's
// own place, so a moved installation still finds its pieces. In a build
// folder, which has no such layout, everything lies beside the programs
// (the manual in doc/).
#pragma once
#include <string>

// The folders, each ending with "/": of the programs and modules loaded on
// demand (zorvane-desktop, zorvane-layers.so); of the data (gfx/ with the
// theme packs, samples/ with the sample photo); of the user manual and its
// pictures.
std::string moduleFolder();
std::string dataFolder();
std::string documentFolder();

// The desktop application, a program of its own beside the console one, so
// that console runs never load the window toolkit.
std::string desktopProgramPath();

// The user manual, an HTML page that the Help menu opens.
std::string userManualPath();

// Replaces this process by the desktop program with the same parameters
// (`argv` as `main` got it). Returns only when the program could not be
// started, with the reason in `reason`.
void startDesktopProgram(char** argv, std::string& reason);
