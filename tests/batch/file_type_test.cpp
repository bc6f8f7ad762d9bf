#include "batch/file_type.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "support/support.h"

using namespace std::string_literals;

namespace {

const char* const kUnrecognized = "[ERROR] UNRECOGNIZED";

struct FileTypeTest : testing::Test {
  TempFolder temp;
  std::string folder = temp.path.substr(0, temp.path.size() - 1);
  std::string write(const std::string& name, const std::string& bytes) {
    writeFile(temp.file(name), bytes);
    return temp.file(name);
  }
};

TEST_F(FileTypeTest, namesFilesByTheirFirstBytes) {
  const struct Case {
    const char* name;
    std::string bytes;
    const char* label;
  } cases[] = {
      {"camera JPEG", "\xFF\xD8\xFF\xE1\x2A\x5E" "Exif\0\0" "MM\0\x2A"s, "JPEG/EXIF"},
      {"APP1 segment that is not Exif", "\xFF\xD8\xFF\xE1\x2A\x5E" "http:/"s, kUnrecognized},
      {"JFIF JPEG", "\xFF\xD8\xFF\xE0\x00\x10" "JFIF\0\x01\x01\x00\x00\x01\x00\x01"s, "JPEG/JFIF"},
      {"JPEG opening with a quantisation table", "\xFF\xD8\xFF\xDB\x00\x43\x00"s, "JPG"},
      {"Canon raw wins over the TIFF it is", "II*\0\x10\0\0\0" "CR\x02\0"s, "CR2"},
      {"little-endian TIFF", "II*\0\x08\0\0\0\x0E\0"s, "TIFF (LE)"},
      {"gzip", "\x1F\x8B\x08\0\0\0\0\0"s, "GZ"},
      {"MP3 with an ID3 tag", "ID3\x03\0\0\0\0\x0F\x76"s, "MP3/ID3V2"},
      {"MP3 opening with a frame header", "\xFF\xFB\x90\x64\0"s, "MP3"},
      {"Flash video", "FLV\x01\x05\0\0\0\x09"s, "FLV"},
      {"3-byte BMP", "BM!"s, "BMP"},
      {"2 bytes of a ZIP signature", "PK"s, kUnrecognized},
      {"TIFF cut before its last zero byte", "II*"s, kUnrecognized},
      {"30-byte RTF text", R"({\rtf1\ansi\deff0{\fonttbl{\f0)"s, "RTF"},
      // The DjVu form type sits at offsets 12 to 14.
      {"DjVu just long enough", "AT&TFORM\0\0\x10\0" "DJV"s, "DJVU"},
      {"DjVu cut inside its form type", "AT&TFORM\0\0\x10\0" "DJ"s, kUnrecognized},
      {"WebP", "RIFF\x24\0\0\0" "WEBPVP8 "s, "WEBP"},
      {"WAV", "RIFF\x24\0\0\0" "WAVEfmt "s, "WAV"},
      {"RAR 1.5", "Rar!\x1A\x07\0\xCF\x90"s, "RAR (1.5+)"},
      {"RAR 5", "Rar!\x1A\x07\x01\0\x33\x92"s, "RAR (5.0+)"},
      {"empty file", ""s, kUnrecognized},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = write("file" + std::to_string(index++), c.bytes);
    EXPECT_EQ(identifyFileType(path), c.label);
  }
}

TEST_F(FileTypeTest, pathsThatCannotBeReadAreUnrecognized) {
  EXPECT_EQ(identifyFileType(folder + "/missing.jpg"), kUnrecognized);
  EXPECT_EQ(identifyFileType(folder), kUnrecognized);
}

TEST_F(FileTypeTest, onlyRegularFilesAreReadSoAFifoNeverBlocks) {
  std::string fifo = temp.file("fifo.jpg");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(identifyFileType(fifo), kUnrecognized);
  EXPECT_EQ(identifyFileType("/dev/zero"), kUnrecognized);
}

}  // namespace
