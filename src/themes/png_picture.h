// Decoding the PNG pictures of the artwork and of theme packs.
#pragma once
#include <cstddef>
#include <cstdint>

#include "themes/picture.h"

// Larger sides are refused before any pixel is decoded: no interface picture
// comes near it, and a hostile header cannot make us allocate much.
inline constexpr int largestPictureSide = 512;

// Decodes a PNG held in memory into straight RGBA (palette, grey, 16-bit and
// transparency-chunk pictures included). False, with `picture` untouched, for
// anything that is not a whole, valid PNG of at most `largestPictureSide`
// pixels a side; libpng's messages are swallowed.
[[nodiscard]] bool decodePng(const uint8_t* data, size_t size, Picture& picture);
