// Small pictures made in memory for the engine's tests.
#pragma once
#include "engine/image.h"

// A 24-bit picture whose every pixel differs from its neighbours: red from
// x, green from y, blue from both; never black.
Image patternPicture(int width, int height);

// A picture of one colour at the given depth (8-bit pictures are greyscale).
Image solidPicture(int width, int height, int bpp, BYTE red, BYTE green, BYTE blue);

// True when both pictures have the same size, depth and pixel bytes.
bool samePixels(FIBITMAP* a, FIBITMAP* b);

// The red, green and blue of one pixel, (0, 0) being the top left.
struct Pixel {
  BYTE red, green, blue;
  bool operator==(const Pixel&) const = default;
};
Pixel pixelAt(FIBITMAP* image, int x, int y);

// The smallest rectangle holding every pixel of a colour; width 0 when none.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Box&) const = default;
};
Box boxOf(FIBITMAP* image, Pixel colour);
