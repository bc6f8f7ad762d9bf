// Temporary files being written, remembered so that a signal which ends the
// process can remove them first (see exit_signals.h).
#pragma once
#include <string>

// Marks a temporary file for the life of the object: set before the file is
// created, cleared once it has been renamed or removed. Paths longer than
// the system's path limit, and marks beyond the few slots there are, are
// not remembered.
class TemporaryFileMark {
 public:
  explicit TemporaryFileMark(const std::string& path);
  ~TemporaryFileMark();
  TemporaryFileMark(const TemporaryFileMark&) = delete;
  TemporaryFileMark& operator=(const TemporaryFileMark&) = delete;

 private:
  int slot = -1;
};

// Removes every marked file. Async-signal-safe.
void removeMarkedFiles();
