// The main window: menu bar, main toolbar, the input file, output folder and
// output format rows with their small buttons, the Convert button, the
// footer and the status bar; what the rows do; and the resize rule.
#pragma once
#include <string>

class wxFrame;

// Builds the window hidden at the stored geometry and completes it: the
// resize rule bound, the maximised state, the rows filled, New run; then
// shows it. Returns the window.
wxFrame* openMainWindow();

// The open main window; nullptr before `openMainWindow`.
wxFrame* mainWindow();

// What the rows show.
std::string inputFieldText();
std::string outputFolderText();
// The output extension of the format list's chosen item; "" when none.
std::string chosenOutputExtension();

void setStatusText(const std::string& text);

// New: the output folder list refilled, a new job, the input field and the
// list's selection cleared, "Ready", the focus in the input field.
void newJob();

// Accepts a file as the input (`acceptInputFile`) and shows it: the input
// field takes its path, and when the output folder list shows no folder,
// the file's own folder becomes the output folder at the head of the recent
// folders. False, with nothing changed, for a refused file.
bool acceptFileIntoWindow(const std::string& path);

// The input file dialog; true when the chosen file was accepted.
[[nodiscard]] bool inputFileDialog();

// The output folder chooser; an existing folder chosen there becomes the
// output folder, at the head of the recent folders.
void outputFolderDialog();

// Fills the output folder list from the recent folders (left alone while
// there are none) and selects the job's output folder, else the first.
void refillOutputFolderList();

// Lays the window out once more, after the events waiting now.
void postResize();

// The shutdown's record of the geometry: maximised sets `IsMaximized` and
// keeps the stored size and position; minimised changes nothing; otherwise
// the inner size and the position are stored.
void recordWindowGeometry();

// The height below the menu bar: the client area with the main toolbar and
// the status bar, the height that `Height` stores.
int innerHeight();
