#include "engine/limits.h"

#include <cmath>

#include "platform/memory.h"

namespace {

// Room kept free for the libraries' own small allocations (decoder tables,
// metadata, the worker's threads): some of them do not check what they get,
// so a picture is refused while they can still be served.
constexpr double reserve = 32.0 * 1024 * 1024;

}  // namespace

bool pictureFitsMemory(uint64_t width, uint64_t height) {
  // At most three 24-bit copies live at once: the decoded picture, its
  // Exif-turned or stage-made successor, and the writer's buffer.
  const uint64_t copies = 3, bytesPerPixel = 3;
  if (width == 0 || height == 0) return true;
  if (width > UINT32_MAX / height) return false;
  return bytesFitMemory(static_cast<double>(width * height * bytesPerPixel * copies));
}

bool pictureFitsWriter(uint64_t width, uint64_t height) {
  const uint64_t widest = 65534, tallest = 65536;
  return width >= 1 && height >= 1 && width <= widest && height <= tallest && width * height * 3 <= UINT32_MAX;
}

bool bytesFitMemory(double bytes) { return bytes + reserve <= static_cast<double>(availableMemory()); }

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
