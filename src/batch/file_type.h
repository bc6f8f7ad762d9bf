// Names the kind of a file from the bytes at its start, whatever its name.
#pragma once
#include <string>

// The label of the last matching signature row ("JPEG/EXIF", "PNG", ...),
// or "[ERROR] UNRECOGNIZED" for a file that matches none or cannot be read.
std::string identifyFileType(const std::string& path);
