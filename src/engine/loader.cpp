#include "engine/loader.h"

#include <cstring>
#include <string>
#include <thread>

#include "engine/exif_check.h"
#include "engine/jpeg_completeness.h"
#include "engine/jpeg_markers.h"
#include "engine/limits.h"
#include "platform/files.h"
#include "text/text.h"

namespace {

// Hides from the decoder's metadata reader what it would read unchecked:
// an Exif block that fails its check (the picture then loads without its
// orientation) and a JFIF extension thumbnail (decoded as a JPEG of its own
// otherwise). Nothing of the picture is lost.
void guardMetadata(std::string& bytes, const JpegLayout& layout) {
  for (auto segment = layout.segments.rbegin(); segment != layout.segments.rend(); ++segment) {
    unsigned char* payload = reinterpret_cast<unsigned char*>(&bytes[segment->offset + 4]);
    size_t size = segment->size - 4;
    bool remove = false;
    if (segment->marker == 0xE0)
      remove = size >= 5 && memcmp(payload, "JFXX\0", 5) == 0;
    else if (segment->marker == 0xE1 && size >= 6 && memcmp(payload, "Exif\0\0", 6) == 0)
      remove = !makeExifSafe(payload, size);
    if (remove) bytes.erase(segment->offset, segment->size);
  }
}

// FreeImage's decode of the bytes, with the orientation the Exif data
// records applied; no image when it fails or throws.
Image decode(const std::string& bytes) {
  FIMEMORY* memory = FreeImage_OpenMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()));
  if (!memory) return nullptr;
  Image picture;
  try {
    picture.reset(FreeImage_LoadFromMemory(FIF_JPEG, memory, JPEG_ACCURATE | JPEG_EXIFROTATE));
  } catch (...) {
    // The metadata reader allocates with new; a process out of memory fails the file.
  }
  FreeImage_CloseMemory(memory);
  return picture;
}

bool isWhole(const std::string& bytes) {
  try {
    return pictureIsWhole(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  } catch (...) {
    return false;
  }
}

// The check of the coded data runs beside FreeImage's decode when it needs
// little memory (one scan, Huffman-coded: the check keeps one row of MCUs),
// so a plain conversion takes no longer. Arithmetic-coded files have no
// bound of bits per block, and a multi-scan check holds all coefficients,
// so those are checked first and decoded only when whole.
Image decodeWhole(const std::string& bytes, const JpegLayout& layout) {
  if (layout.arithmetic() || layout.progressive() || layout.scans.size() > 1) return isWhole(bytes) ? decode(bytes) : nullptr;
  bool whole = false;
  std::thread check;
  try {
    check = std::thread([&] { whole = isWhole(bytes); });
  } catch (...) {
    return isWhole(bytes) ? decode(bytes) : nullptr;
  }
  Image picture = decode(bytes);
  check.join();
  return whole ? std::move(picture) : nullptr;
}

}  // namespace

Image loadJpeg(const std::string& path, bool sizeIsFinal) {
  try {
    // Read once: the size checked and the picture decoded are the same bytes
    // whatever happens to the file meanwhile.
    std::string bytes;
    JpegLayout layout;
    // Only a regular file is read, and never more than the decoder takes.
    if (!readWholeFile(path, bytes, UINT32_MAX) || !walkJpeg(bytes, layout)) return nullptr;
    // A file that claims more pixels than memory holds, or than its data
    // can code, is refused before anything is allocated.
    if (!pictureFitsMemory(layout.width, layout.height) || !dataCanCoverFrame(layout)) return nullptr;
    // The decoder refuses sides over 65500, which the writer holds either
    // way round, so the Exif orientation does not matter here.
    if (sizeIsFinal && !pictureFitsWriter(layout.width, layout.height)) return nullptr;
    guardMetadata(bytes, layout);
    return decodeWhole(bytes, layout);
  } catch (...) {
    return nullptr;
  }
}
