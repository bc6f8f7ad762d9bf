// Pictures the pipeline refuses before it allocates them.
#pragma once
#include <cstdint>

// True when a picture of this size, in the 24-bit form the pipeline brings
// every picture to, fits the memory left with all the copies the pipeline
// may hold of it at once.
bool pictureFitsMemory(uint64_t width, uint64_t height);

// True when the PCX writer can hold a picture of this size: the format's
// bytes per line (even, 16 bits) allow 65534 pixels across and its last-row
// field 65536 rows; DevIL counts the bytes of its RGB image in 32 bits.
bool pictureFitsWriter(uint64_t width, uint64_t height);

// True when buffers of this many bytes in all, and a reserve for the
// libraries beside them, can be had (the sum of sizes may be
// far beyond any real allocation, hence a double).
bool bytesFitMemory(double bytes);

// The size FreeImage_Rotate gives a picture turned by whole degrees: exact
// for quarter turns, at most a pixel or two larger than needed otherwise.
void turnedSize(uint64_t width, uint64_t height, int angle, uint64_t& turnedWidth, uint64_t& turnedHeight);
