// The image handle every stage takes and returns. Owning it in a
// unique_ptr makes each early return release what a stage obtained; moving
// a handle into a stage hands the stage its ownership.
#pragma once
#include <FreeImage.h>
#include <memory>

struct ImageRelease {
  void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};

using Image = std::unique_ptr<FIBITMAP, ImageRelease>;
