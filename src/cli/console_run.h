// The console conversion run: checks, settings report, the worker, summary.
#pragma once

// Converts the file the command line named. True when it was converted;
// false after an "Error: " line or when nothing was converted.
bool runConsoleConversion(bool quiet);
