// The configuration file that keeps the settings record between runs of the
// desktop application. The command line never reads or writes it.
#pragma once
#include <string>

// Builds the path ($XDG_CONFIG_HOME or ~/.config, then "Lumavex/zorvane/
// config.ini"), creating the two program folders when missing, and stores it
// in the settings record.
std::string configurationPath();

// Fills the settings record from the file at the stored path, or with the
// defaults when it cannot be opened; then migrates older layouts.
void loadConfiguration();

// Writes the whole record to the file, replacing it at once (written beside
// it, then renamed over it). False when it could not be written.
bool saveConfiguration();
