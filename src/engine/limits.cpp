#include "engine/limits.h"

#include "platform/memory.h"

bool pictureFitsMemory(uint64_t width, uint64_t height) {
  // At most three 24-bit copies live at once: the decoded picture, its
  // Exif-turned or stage-made successor, and the writer's buffer.
  const uint64_t copies = 3, bytesPerPixel = 3;
  if (width == 0 || height == 0) return true;
  if (width > UINT32_MAX / height) return false;
  return width * height * bytesPerPixel * copies <= availableMemory();
}

bool pictureFitsWriter(uint64_t width, uint64_t height) {
  const uint64_t widest = 65534, tallest = 65536;
  return width >= 1 && height >= 1 && width <= widest && height <= tallest && width * height * 3 <= UINT32_MAX;
}
