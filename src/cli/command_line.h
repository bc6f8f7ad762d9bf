// The console face's front door: help, version, the scan of the parameters
// and the console conversion run.
#pragma once
#include <span>
#include <string>
#include <vector>

// What start-up does after the command line had its look.
constexpr int startDesktop = -1;

// Handles the parameters (without the program name). Returns the process's
// exit status when the command line handled the run (help, version, a
// parameter error, a conversion), or `startDesktop` when there are no
// parameters or they name no input file.
int runCommandLine(const std::vector<std::string>& parameters);

// The two views of a parameter: its option name (upper case; the part
// before "=" of a "--" option) and its value (after the first "=" of a "--"
// option, else the whole parameter). Both trimmed of blanks.
std::string optionName(const std::string& parameter);
std::string optionValue(const std::string& parameter);

// The lines of the help text as written, with "%s1%" for the program and
// "%s2%" for an input extension.
std::span<const char* const> helpLines();

// Exit statuses of a console run.
constexpr int exitSuccess = 0;
constexpr int exitFailure = 1;        // an "Error: " line, or nothing converted
constexpr int exitParameterError = 2;
