// The desktop application's start-up and shutdown: the single-instance
// guard, the window toolkit, the configuration, the texts and pictures, the
// main window, the scheduled update check and the event loop.
#pragma once
#include <string>
#include <vector>

class wxFrame;

// The whole desktop application; returns the process's exit status: 0,
// also for a second copy, which ends at once without a word; 1 when no
// display can be opened (said in one line on standard error).
int runDesktopApplication(int argc, char** argv);

// Starts the window toolkit; false, with nothing said, when it cannot open
// a display.
[[nodiscard]] bool startToolkit();

// Everything between the toolkit's start and the event loop: tables,
// configuration, texts, pictures and the main window, which is shown and
// saves the configuration when it closes. Returns the main window.
wxFrame* openDesktop(bool scheduledCheck);

// "Open With" from a file manager: a single parameter (the program's
// parameters without its name) that names an existing file and is no option
// becomes the input file, as a file dropped on the main window does. Any
// other parameter list changes nothing.
void acceptStartFile(const std::vector<std::string>& parameters);
