// Theme packs and PNG pictures made at test time.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "themes/picture.h"

// One entry of a ZIP archive to write.
struct ZipEntry {
  std::string name;
  std::string bytes;
  bool folder = false;     // a folder entry instead of a file
  bool encrypted = false;  // the whole archive is then encrypted with a passphrase
  bool sizeUnknown = false;  // written without its size, which then follows the data
};

// Writes a deflated ZIP archive with libarchive; false when it could not.
[[nodiscard]] bool writeZip(const std::string& path, const std::vector<ZipEntry>& entries);

// A picture of one colour.
Picture solidPicture(int width, int height, uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha = 255);

// Pixels in one of libpng's simplified formats (PNG_FORMAT_GRAY, ..._RGBA,
// ..._LINEAR_RGB_ALPHA for 16-bit, ..._RGBA_COLORMAP with a colour map)
// encoded as PNG; "" when libpng refuses.
std::string encodePngAs(uint32_t format, int width, int height, const void* pixels, const void* colourMap = nullptr,
                        int colourMapEntries = 0);

// The picture encoded as an RGBA PNG.
std::string encodePng(const Picture& picture);

// A theme.cfg text from its lines, each ended with CR LF.
std::string configText(const std::vector<std::string>& lines);

// Lets failed comparisons show a picture's size and first pixel.
inline void PrintTo(const Picture& picture, std::ostream* out) {
  *out << picture.width << " x " << picture.height;
  if (picture.rgba.size() >= 4)
    *out << ", first pixel " << +picture.rgba[0] << " " << +picture.rgba[1] << " " << +picture.rgba[2] << " " << +picture.rgba[3];
}
