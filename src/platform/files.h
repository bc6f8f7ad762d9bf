// Files and folders: the small layer over the operating system that the
// engine, the batch run and the command line use for every file question.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a size query found at a path.
enum class PathKind { Missing, Folder, File };

struct PathInfo {
  PathKind kind = PathKind::Missing;
  int64_t size = 0;  // bytes, for a file
};

// Looks at a path without following it into a folder listing.
PathInfo queryPath(const std::string& path);

// Size of the file at a path; 0 for a missing path, a folder or an empty file.
int64_t fileSize(const std::string& path);

bool isFolder(const std::string& path);

// True for a regular file (following links): not a folder, device or pipe.
bool isRegularFile(const std::string& path);

// Creates one folder level; true when it exists afterwards.
bool createFolder(const std::string& path);

// Creates a folder and every missing folder above it; true when it exists
// afterwards.
bool createFolders(const std::string& path);

// Removes a file (not a folder); true when it is gone afterwards.
bool removeFile(const std::string& path);

// Moves a file over another path, replacing a file there (a read-only one
// too, as its folder allows). Refuses to replace a folder.
[[nodiscard]] bool replaceFile(const std::string& from, const std::string& to);

// The names of the files (folders left out) in a folder whose names end with
// `suffix` (letter case counts), ordered by name without regard to ASCII
// letter case; empty for a missing or unreadable folder.
std::vector<std::string> listFiles(const std::string& folder, const std::string& suffix);

// Last-modification time in seconds since 1970-01-01 UTC.
bool fileModificationTime(const std::string& path, int64_t& seconds, int64_t& nanoseconds);
bool setFileModificationTime(const std::string& path, int64_t seconds, int64_t nanoseconds);

// The running program's own file and its folder (ending with "/").
std::string programPath();
std::string programFolder();

// Writes all of a buffer to an open file descriptor, going on after
// interruptions; false when the system refuses part of it.
[[nodiscard]] bool writeAll(int fd, const void* data, size_t size);

// Opens a regular file for reading without ever waiting (a fifo would wait
// for a writer); -1 for anything else: a missing path, a folder, a fifo, a
// device.
[[nodiscard]] int openRegularFile(const std::string& path);

// Reads a whole regular file of at most `maxBytes` bytes; false when it is
// no regular file, is larger, or cannot be read.
[[nodiscard]] bool readWholeFile(const std::string& path, std::string& content, size_t maxBytes);

// Writes a whole file through a temporary file beside it that is renamed
// over the target, so the target is never left half-written. A symbolic
// link is written through (its target is replaced, the link stays) and an
// existing file keeps its permission bits. The temporary file is marked for
// removal by a signal that ends the process meanwhile.
[[nodiscard]] bool writeFileAtomically(const std::string& path, const std::string& content);
