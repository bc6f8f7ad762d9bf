// Writing the finished picture as a PCX file with DevIL.
#pragma once
#include <string>

#include "engine/image.h"

// Writes the picture as 24-bit pixels to a new file at `path`, releasing the
// picture as soon as the writer holds its pixels. On failure nothing is left
// at `path`.
[[nodiscard]] bool writePcx(Image image, const std::string& path);
