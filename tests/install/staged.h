// Where the tests find the program installed into its staging folder.
#pragma once
#include <string>

// A path below the staged prefix ("bin/zorvane").
inline std::string staged(const std::string& path) { return std::string(STAGED_PREFIX) + path; }
