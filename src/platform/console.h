// The console of the command-line face: standard output and the terminal.
#pragma once
#include <string>

// Sets the terminal's title; does nothing unless standard output is a terminal.
void setConsoleTitle(const std::string& title);

// Prints one line (the text and a line feed) on standard output. Safe to call
// from the worker thread while the main thread waits.
void printLine(const std::string& text);

// Flushes what has been printed.
void flushConsole();

// Flushes and closes standard output at the end of a run. 0 when everything
// printed reached it; otherwise the error number of the first failed write
// (EIO when the system named none).
[[nodiscard]] int closeConsole();

// Waits for one key press on the terminal; returns at once when standard
// input is not a terminal.
void waitForKey();

// Gives the terminal back the settings that waitForKey changed, if it is
// waiting now. Async-signal-safe.
void restoreTerminal();
