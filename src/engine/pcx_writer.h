// Writing the finished picture as a PCX file with DevIL.
#pragma once
#include <string>

#include "engine/image.h"

// A picture's resolution as FreeImage reports it, in dots per metre; 0 for
// none.
struct Resolution {
  unsigned dotsPerMetreX = 0, dotsPerMetreY = 0;
};
Resolution resolutionOf(FIBITMAP* image);

// Writes the picture as 24-bit pixels (whatever its depth or pixel type) to
// a new file at `path`, with the resolution in dots per inch (72 for none),
// releasing the picture as soon as the writer holds its pixels. Refuses a
// picture it cannot hold (see pictureFitsWriter). On failure
// nothing is left at `path`.
[[nodiscard]] bool writePcx(Image image, const std::string& path, Resolution resolution);
