// Pieces of "/"-separated paths, taken apart as text without asking the
// file system.
#pragma once
#include <string>

// The folder part of a path including its final "/", or "" without one.
std::string folderPart(const std::string& path);

// The file name part of a path (after its last "/").
std::string fileNamePart(const std::string& path);

// The text after the last "." of a path's file name part; "" when it has none.
std::string pathExtension(const std::string& path);
