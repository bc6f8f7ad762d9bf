#include "engine/exif_check.h"

#include <cstdint>
#include <cstring>

namespace {

const unsigned exifIfdTag = 0x8769, gpsIfdTag = 0x8825, interoperabilityIfdTag = 0xA005;
const unsigned makerNoteTag = 0x927C, orientationTag = 0x0112;
const unsigned unknownTag = 0xFFFF;
const unsigned shortType = 3, longType = 4;
// IFD0, Exif, GPS and Interoperability, with room for blocks that link more.
const int mostDirectories = 8;

// The TIFF structure after "Exif\0\0"; offsets count from its header.
struct Tiff {
  unsigned char* bytes;
  uint64_t size;
  bool bigEndian;
  uint32_t visited[mostDirectories];
  int visits = 0;

  unsigned word(uint64_t at) const {
    return bigEndian ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at];
  }
  uint32_t longWord(uint64_t at) const {
    return bigEndian ? uint32_t{word(at)} << 16 | word(at + 2) : uint32_t{word(at + 2)} << 16 | word(at);
  }
  void putWord(uint64_t at, unsigned value) {
    bytes[at + (bigEndian ? 0 : 1)] = static_cast<unsigned char>(value >> 8);
    bytes[at + (bigEndian ? 1 : 0)] = static_cast<unsigned char>(value);
  }
};

unsigned typeWidth(unsigned type) {
  static const unsigned widths[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
  return type < sizeof widths / sizeof widths[0] ? widths[type] : 0;
}

// A directory beyond the header with its count, entries and next link.
bool wholeDirectory(const Tiff& tiff, uint64_t offset) {
  return offset >= 8 && offset + 2 <= tiff.size && offset + 2 + 12 * uint64_t{tiff.word(offset)} + 4 <= tiff.size;
}

bool checkDirectory(Tiff& tiff, uint32_t offset, bool first) {
  if (!wholeDirectory(tiff, offset) || tiff.visits == mostDirectories) return false;
  for (int i = 0; i < tiff.visits; i++)
    if (tiff.visited[i] == offset) return false;
  tiff.visited[tiff.visits++] = offset;
  unsigned entries = tiff.word(offset);
  for (unsigned i = 0; i < entries; i++) {
    uint64_t entry = offset + 2 + 12 * uint64_t{i};
    unsigned tag = tiff.word(entry), type = tiff.word(entry + 2);
    uint64_t count = tiff.longWord(entry + 4), bytes = count * typeWidth(type);
    if (typeWidth(type) == 0 || (bytes > 4 && tiff.longWord(entry + 8) + bytes > tiff.size)) return false;
    if (tag == exifIfdTag || tag == gpsIfdTag || tag == interoperabilityIfdTag) {
      if (type != longType || count != 1 || !checkDirectory(tiff, tiff.longWord(entry + 8), false)) return false;
    } else if (tag == makerNoteTag) {
      tiff.putWord(entry, unknownTag);
    } else if (first && tag == orientationTag && (type != shortType || count != 1)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool makeExifSafe(unsigned char* block, size_t size) {
  if (size < 6 + 8 || memcmp(block, "Exif\0\0", 6) != 0) return false;
  Tiff tiff{block + 6, size - 6, false, {}};
  if (memcmp(tiff.bytes, "MM\0*", 4) == 0)
    tiff.bigEndian = true;
  else if (memcmp(tiff.bytes, "II*\0", 4) != 0)
    return false;
  uint32_t first = tiff.longWord(4);
  if (!checkDirectory(tiff, first, true)) return false;
  uint64_t link = first + 2 + 12 * uint64_t{tiff.word(first)};
  uint32_t next = tiff.longWord(link);
  if (next != 0 && !wholeDirectory(tiff, next)) return false;
  tiff.putWord(link, 0);
  tiff.putWord(link + 2, 0);
  return true;
}
