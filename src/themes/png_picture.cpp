#include "themes/png_picture.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace {

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t position;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->position) png_error(png, "truncated");
  memcpy(out, reader->data + reader->position, length);
  reader->position += length;
}

// libpng would print its messages; the artwork code never reports them.
void failQuietly(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void warnQuietly(png_structp, png_const_charp) {}

// Everything libpng may jump out of lives here, with no object that needs a
// destructor between setjmp and the jump: the rows go into `pixels`, a
// buffer the caller allocated once the size was known.
struct Decoding {
  png_structp png = nullptr;
  png_infop info = nullptr;
  MemoryReader reader{};
  png_uint_32 width = 0, height = 0;
};

bool readHeader(Decoding& d) {
  if (setjmp(png_jmpbuf(d.png))) return false;
  png_set_read_fn(d.png, &d.reader, readFromMemory);
  png_set_user_limits(d.png, largestPictureSide, largestPictureSide);
  // Text and profile chunks are never needed; keep what they may claim small.
  png_set_chunk_malloc_max(d.png, 1 << 20);
  png_read_info(d.png, d.info);
  d.width = png_get_image_width(d.png, d.info);
  d.height = png_get_image_height(d.png, d.info);
  if (d.width == 0 || d.height == 0 || d.width > largestPictureSide || d.height > largestPictureSide) return false;

  png_set_expand(d.png);  // palette and low-bit grey to 8 bits, tRNS to alpha
  png_set_strip_16(d.png);
  png_set_gray_to_rgb(d.png);
  png_set_add_alpha(d.png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(d.png);
  png_read_update_info(d.png, d.info);
  return png_get_rowbytes(d.png, d.info) == static_cast<size_t>(d.width) * 4;
}

bool readRows(Decoding& d, png_bytep* rows) {
  if (setjmp(png_jmpbuf(d.png))) return false;
  png_read_image(d.png, rows);
  png_read_end(d.png, nullptr);
  return true;
}

}  // namespace

bool decodePng(const uint8_t* data, size_t size, Picture& picture) {
  if (size < 8 || png_sig_cmp(data, 0, 8) != 0) return false;
  Decoding d;
  d.reader = {data, size, 0};
  d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failQuietly, warnQuietly);
  if (!d.png) return false;
  d.info = png_create_info_struct(d.png);
  bool ok = d.info && readHeader(d);
  Picture decoded;
  if (ok) {
    decoded.width = static_cast<int>(d.width);
    decoded.height = static_cast<int>(d.height);
    decoded.rgba.resize(static_cast<size_t>(d.width) * d.height * 4);
    std::vector<png_bytep> rows(d.height);
    for (png_uint_32 y = 0; y < d.height; y++) rows[y] = decoded.rgba.data() + static_cast<size_t>(y) * d.width * 4;
    ok = readRows(d, rows.data());
  }
  png_destroy_read_struct(&d.png, d.info ? &d.info : nullptr, nullptr);
  if (ok) picture = std::move(decoded);
  return ok;
}
