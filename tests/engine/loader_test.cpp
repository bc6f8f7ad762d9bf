// The loader against damaged metadata, files that change while read, and
// damaged coded data.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>

#include "engine/loader.h"
#include "support/support.h"

namespace {

// Where the first APP1 segment of a file starts its payload, and its size.
struct Block {
  size_t offset = 0, size = 0;
};
Block firstExifBlock(const std::string& jpeg) {
  size_t at = jpeg.find("\xFF\xE1");
  if (at == std::string::npos) return {};
  size_t length = static_cast<uint8_t>(jpeg[at + 2]) << 8 | static_cast<uint8_t>(jpeg[at + 3]);
  return {at + 4, length - 2};
}

TEST(Loader, everyBitFlipInAnExifBlockLoadsWithoutCrashing) {
  // The decoder's own metadata reader crashes on damaged Exif blocks; the
  // loader must hand it none. Each file is loaded once per flipped bit.
  const struct Case {
    const char* file;
    size_t bytes;  // of the block, from its start
    unsigned width, height;
  } cases[] = {
      {"jfif_unit_cm.jpg", 64, 1, 1},
      {"orientation/orientation_rectangle.jpg", 64, 2, 1},
      {"pil_sample_rgb.jpg", 200, 100, 100},
  };
  TempFolder folder;
  std::string path = folder.file("flipped.jpg");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    std::string jpeg = readFile(dataFile(c.file));
    Block block = firstExifBlock(jpeg);
    ASSERT_GT(block.size, 14u);
    size_t end = block.offset + std::min(block.size, c.bytes);
    for (size_t at = block.offset + 6; at < end; at++)
      for (int bit = 0; bit < 8; bit++) {
        std::string flipped = jpeg;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
        writeFile(path, flipped);
        Image picture = loadJpeg(path);
        // Orientation is the only thing a flip there may cost or change.
        ASSERT_TRUE(picture) << at << " " << bit;
        unsigned w = FreeImage_GetWidth(picture.get()), h = FreeImage_GetHeight(picture.get());
        EXPECT_TRUE((w == c.width && h == c.height) || (w == c.height && h == c.width)) << at << " " << bit;
      }
  }
}

// Little-endian TIFF words for a hand-made Exif block.
std::string word(unsigned value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)}; }
std::string longWord(uint32_t value) { return word(value & 0xFFFF) + word(value >> 16); }

// A segment of the given marker holding `payload`, put right after SOI.
std::string withSegment(const std::string& jpeg, char marker, const std::string& payload) {
  size_t length = payload.size() + 2;
  return jpeg.substr(0, 2) + '\xFF' + marker + static_cast<char>(length >> 8) + static_cast<char>(length & 0xFF) +
         payload + jpeg.substr(2);
}

TEST(Loader, thumbnailsAreNeverDecoded) {
  // The decoder would decode a thumbnail as a JPEG of its own, unchecked;
  // here one whose Exif block crashes its metadata reader.
  std::string thumbnail = readFile(dataFile("hostile/exif-first-directory-at-offset-0.jpg"));
  std::string photo = readFile(dataFile("testorig.jpg"));
  // IFD0 without entries links IFD1 at 14, which locates the thumbnail at 44.
  std::string ifd1 = word(2) + word(0x0201) + word(4) + longWord(1) + longWord(44) + word(0x0202) + word(4) +
                     longWord(1) + longWord(static_cast<uint32_t>(thumbnail.size())) + longWord(0);
  std::string exif = std::string("Exif\0\0II*\0", 10) + longWord(8) + word(0) + longWord(14) + ifd1 + thumbnail;
  const struct Case {
    const char* where;
    std::string jpeg;
  } cases[] = {
      {"Exif thumbnail", withSegment(photo, '\xE1', exif)},
      {"JFIF extension thumbnail", withSegment(photo, '\xE0', std::string("JFXX\0\x10", 6) + thumbnail)},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    writeFile(folder.file("thumbnail.jpg"), c.jpeg);
    Image picture = loadJpeg(folder.file("thumbnail.jpg"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(FreeImage_GetWidth(picture.get()), 227u);
  }
}

TEST(Loader, refusesAPipeWithoutWaitingForIt) {
  // The file is read once, so the size checked and the picture decoded are
  // the same bytes; only a regular file is read, so a pipe nobody writes to
  // cannot hold the conversion up.
  TempFolder folder;
  std::string pipe = folder.file("pipe.jpg");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(loadJpeg(pipe));
}

}  // namespace
