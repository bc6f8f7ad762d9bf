#include "engine/limits.h"

#include <cmath>

#include "platform/memory.h"

bool pictureFitsMemory(uint64_t width, uint64_t height) {
  // At most three 24-bit copies live at once: the decoded picture, its
  // Exif-turned or stage-made successor, and the writer's buffer.
  const uint64_t copies = 3, bytesPerPixel = 3;
  if (width == 0 || height == 0) return true;
  if (width > UINT32_MAX / height) return false;
  return width * height * bytesPerPixel * copies <= availableMemory();
}

bool bytesFitMemory(double bytes) { return bytes <= static_cast<double>(availableMemory()); }

void turnedSize(uint64_t width, uint64_t height, int angle, uint64_t& turnedWidth, uint64_t& turnedHeight) {
  int degrees = ((angle % 360) + 360) % 360;
  if (degrees % 90 == 0) {
    bool swapped = degrees % 180 != 0;
    turnedWidth = swapped ? height : width;
    turnedHeight = swapped ? width : height;
    return;
  }
  // The bounding box of the turned rectangle, with room for FreeImage's
  // rounding of its three shears.
  double radians = degrees * M_PI / 180, c = std::fabs(std::cos(radians)), s = std::fabs(std::sin(radians));
  double w = static_cast<double>(width), h = static_cast<double>(height);
  turnedWidth = static_cast<uint64_t>(std::ceil(w * c + h * s)) + 2;
  turnedHeight = static_cast<uint64_t>(std::ceil(w * s + h * c)) + 2;
}
