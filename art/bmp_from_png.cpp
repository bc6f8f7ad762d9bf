// Build tool: turns a rendered PNG into the uncompressed 24-bit BMP file that
// the program carries for its About banner. Transparent parts go onto white.
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "themes/png_picture.h"

namespace {

void put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

std::string bmpOf(const Picture& picture) {
  uint32_t rowSize = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
  uint32_t pixelBytes = rowSize * static_cast<uint32_t>(picture.height);
  std::string out = "BM";
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);  // pixel data after both headers
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, static_cast<uint32_t>(picture.width));
  put32(out, static_cast<uint32_t>(picture.height));  // positive: bottom row first
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // no compression
  put32(out, pixelBytes);
  put32(out, 2835);  // 72 dots per inch
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = picture.height - 1; y >= 0; y--) {
    std::string row;
    for (int x = 0; x < picture.width; x++) {
      const uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
      for (int c = 2; c >= 0; c--) row += static_cast<char>((p[c] * p[3] + 255 * (255 - p[3]) + 127) / 255);
    }
    row.resize(rowSize, '\0');
    out += row;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string png;
  Picture picture;
  if (argc != 3 || !readWholeFile(argv[1], png, size_t{1} << 24) ||
      !decodePng(reinterpret_cast<const uint8_t*>(png.data()), png.size(), picture)) {
    fprintf(stderr, "usage: bmp_from_png PICTURE.png OUT.bmp (a PNG of at most %d pixels a side)\n", largestPictureSide);
    return 1;
  }
  return writeFileAtomically(argv[2], bmpOf(picture)) ? 0 : 1;
}
