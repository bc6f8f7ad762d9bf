#include "engine/exif_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Little-endian TIFF pieces for hand-made Exif blocks.
std::string word(unsigned value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)}; }
std::string longWord(uint32_t value) { return word(value & 0xFFFF) + word(value >> 16); }

struct Entry {
  unsigned tag, type;
  uint32_t count, value;
};

std::string directory(const std::vector<Entry>& entries, uint32_t next = 0) {
  std::string bytes = word(static_cast<unsigned>(entries.size()));
  for (const Entry& e : entries) bytes += word(e.tag) + word(e.type) + longWord(e.count) + longWord(e.value);
  return bytes + longWord(next);
}

// "Exif\0\0", a little-endian header naming IFD0 at `first`, then `body`
// from offset 8 on.
std::string block(uint32_t first, const std::string& body) {
  return std::string("Exif\0\0II*\0", 10) + longWord(first) + body;
}

bool safe(std::string& bytes) { return makeExifSafe(reinterpret_cast<unsigned char*>(&bytes[0]), bytes.size()); }

const Entry orientation = {0x0112, 3, 1, 6};

TEST(ExifCheck, refusesBlocksTheDecodersReaderWouldLeave) {
  // IFD0 at 8 is 2 + 12 + 4 bytes; values after it start at 26.
  const std::string sound = directory({orientation});
  const struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"first directory at 0", block(0, sound)},
      {"first directory at 1", block(1, sound)},
      {"first directory at 7", block(7, sound)},
      {"first directory past the end", block(9, sound)},
      {"entry count 0xFFFF", block(8, word(0xFFFF) + sound.substr(2))},
      {"entry count 0x8001", block(8, word(0x8001) + sound.substr(2))},
      {"no next link", block(8, sound.substr(0, sound.size() - 4))},
      {"next link past the end", block(8, directory({orientation}, 400))},
      {"type 0", block(8, directory({{0x010E, 0, 4, 0}}))},
      {"type 13", block(8, directory({{0x010E, 13, 1, 0}}))},
      {"value past the end", block(8, directory({{0x010E, 2, 20, 26}}) + "short")},
      {"value offset wrapping round", block(8, directory({{0x010E, 2, 20, 0xFFFFFFF0u}}))},
      {"count overflowing 32 bits", block(8, directory({{0x010E, 12, 0x20000001u, 26}}))},
      {"orientation as a LONG", block(8, directory({{0x0112, 4, 1, 6}}))},
      {"Exif IFD past the end", block(8, directory({{0x8769, 4, 1, 500}}))},
      {"Exif IFD pointing at IFD0", block(8, directory({{0x8769, 4, 1, 8}}))},
      {"GPS IFD as a SHORT", block(8, directory({{0x8825, 3, 1, 26}}) + directory({}))},
      {"Interoperability IFD at 0", block(8, directory({{0xA005, 4, 1, 0}}))},
      {"no TIFF header", std::string("Exif\0\0second\0", 13)},
      {"byte order mark only", std::string("Exif\0\0II", 8)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string bytes = c.bytes;
    EXPECT_FALSE(safe(bytes));
  }
}

TEST(ExifCheck, keepsASoundBlockWithoutItsThumbnailAndMakerNote) {
  // IFD0 (orientation, Exif IFD at 38) links a thumbnail IFD at 56; the
  // Exif IFD holds a maker note, whose 6 bytes start at 74.
  std::string ifd0 = directory({orientation, {0x8769, 4, 1, 38}}, 56);
  std::string exif = directory({{0x927C, 7, 6, 74}});
  std::string thumbnail = directory({{0x0201, 4, 1, 0}});
  const std::string note("Nikon\0", 6);
  std::string bytes = block(8, ifd0 + exif + thumbnail + note);
  ASSERT_EQ(bytes.size(), 6u + 80);
  ASSERT_TRUE(safe(bytes));
  std::string expected = block(8, directory({orientation, {0x8769, 4, 1, 38}}) +
                                       directory({{0xFFFF, 7, 6, 74}}) + thumbnail + note);
  EXPECT_EQ(bytes, expected);
}

TEST(ExifCheck, readsBigEndianBlocks) {
  std::string bytes = std::string("Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32);
  EXPECT_TRUE(safe(bytes));
  bytes[14] = 0x7F;  // the entry count, now far too many
  EXPECT_FALSE(safe(bytes));
}

}  // namespace
