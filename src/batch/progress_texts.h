// What the desktop application's progress window shows of a run: its title,
// its name line and the status bar's outcome, as plain texts.
#pragma once
#include <cstdint>
#include <string>

#include "batch/worker.h"

// The name line is 280 pixels wide.
inline constexpr int nameLineWidth = 280;

// The width of one character: the measured width of the nine characters
// "abc123:\-" divided by 9, or 7 when nothing could be measured.
int characterWidth(int measuredWidth);

// The file name as the name line shows it. A name wider than the line (its
// length times `characterWidth`) and longer than k = 280 / width characters
// keeps its first and last m = (k - 3) / 2 characters around "...".
std::string shortenedName(const std::string& name, int characterWidth);

// While running: "Converting (i/n)" with the file's number from the snapshot.
std::string runningTitle(const RunSnapshot& snapshot, int32_t fileCount);

// After the end. The title names the last file number the window read while
// the worker ran (0 when it ended before the first look); the name line and
// the status bar say whether the run was stopped or how many files it
// converted.
std::string finishedTitle(bool stopped, int32_t lastIndexRead, int32_t fileCount);
std::string finishedNameLine(bool stopped, const RunSnapshot& snapshot, int32_t fileCount);
std::string finishedStatusText(bool stopped);
