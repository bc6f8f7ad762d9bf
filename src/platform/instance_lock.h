// The single-instance guard of the desktop application: an exclusive lock
// on a file in the user's runtime folder, which the system drops when the
// process ends, however it ends.
#pragma once
#include <string>

// The lock file for a name: $XDG_RUNTIME_DIR (or the temporary folder, with
// the user's number in the name) + "/" + name + ".lock".
std::string instanceLockPath(const std::string& name);

// Takes the lock of that name for the rest of the process; false when
// another process (or an earlier call) holds it, or it cannot be taken.
[[nodiscard]] bool takeInstanceLock(const std::string& name);

// Gives the lock back (at shutdown); does nothing when none is held.
void releaseInstanceLock();
