// Pictures the pipeline refuses before it allocates them.
#pragma once
#include <cstdint>

// True when a picture of this size, in the 24-bit form the pipeline brings
// every picture to, fits the memory left with all the copies the pipeline
// may hold of it at once.
bool pictureFitsMemory(uint64_t width, uint64_t height);
