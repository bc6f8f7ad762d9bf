// The update check of the desktop application: asks the maker's server for
// the newest version number and compares it with this build's. The windows
// show the outcome; nothing here shows or prints anything.
//
// The environment variable ZORVANE_UPDATE_URL, when set and not empty,
// replaces the update file's address (tests point it at a server of their
// own on the loopback interface).
#pragma once
#include <cstdint>
#include <string>

enum class UpdateOutcome {
  ConnectionProblem,  // nothing fetched, or the answer does not start with a number
  NoUpdate,           // the server's number is not above this build's
  NewUpdate,          // a newer version exists
};

// The address of the update file: ZORVANE_UPDATE_URL or the maker's.
std::string updateFileUrl();

// "Lumavex JPG to PCX 2.5": the title text.
std::string updateUserAgent();

// The decision on what `fetchBodyHead` gave, read as the command line reads
// numbers ("$FF" is 255, "2.5" is 2): 0 is a connection problem, up to this
// build's version number no update, above it a new update.
UpdateOutcome updateOutcome(const std::string& fetched);

// One whole check: fetches the update file (waiting up to about 10 seconds
// for the answer) and decides.
UpdateOutcome checkForUpdate();

// Whether the scheduled check is due: `updateDate` (seconds counted in local
// time, as the settings store dates) plus the period of `updateRange` lies
// before `now`. Periods: 0 one day, 1 a week (7 days), 2 a month (30),
// 3 three months (90), 4 six months (180), 5 never, any other 30 days.
bool scheduledUpdateDue(int32_t updateRange, int64_t updateDate, int64_t now);
