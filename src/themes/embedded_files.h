// Files compiled into the program: the rendered built-in artwork, generated
// at build time from the drawings in art/.
#pragma once
#include <cstddef>
#include <cstdint>

struct EmbeddedFile {
  const char* name;  // "icons/new.png", "buttons/convert.png", "banner.bmp"
  const uint8_t* data;
  size_t size;
};

extern const EmbeddedFile builtInArtworkFiles[];
extern const size_t builtInArtworkFileCount;
