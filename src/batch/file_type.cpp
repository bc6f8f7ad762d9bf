#include "batch/file_type.h"

#include <cerrno>
#include <unistd.h>

#include "platform/files.h"
#include "text/text.h"

namespace {

// Bytes a signature needs at one offset, written as spaced hex pairs so each
// row reads exactly like the byte listing of the format it names.
struct Need {
  int offset;
  const char* hex;  // nullptr when the row has no second requirement
};

struct Signature {
  const char* label;
  Need first;  // always at offset 0; its first byte is the row's group
  Need second;
};

// Tested in this order; a later match replaces an earlier one, which is how
// "CR2" wins over "TIFF (LE)". Rows sharing a first byte are contiguous.
constexpr Signature kSignatures[] = {
    {"ICO", {0, "00 00 01 00"}, {}},
    {"MPEG", {0, "00 00 01 B3"}, {}},
    {"MPG/VOB", {0, "00 00 01 BA"}, {}},
    {"MKV/MKA/WEBM", {0, "1A 45 DF A3"}, {}},
    {"LUAC", {0, "1B 4C 75 61"}, {}},
    {"GZ", {0, "1F 8B"}, {}},
    {"PS", {0, "25 21 50 53"}, {}},
    {"PDF", {0, "25 50 44 46 2D"}, {}},
    {"ACE", {0, "2A 2A 41 43 45 2A 2A"}, {}},
    {"XPM", {0, "2F 2A 20 58 50 4D 20 2A 2F"}, {}},
    {"ASF/WMA/WMV", {0, "30 26 B2 75 8E 66 CF 11 A6 D9 00 AA 00 62 CE 6C"}, {}},
    {"SRT", {0, "31 0A 30 30"}, {}},
    {"7Z", {0, "37 7A BC AF 27 1C"}, {}},
    {"PSD", {0, "38 42 50 53"}, {}},
    {"FH8", {0, "41 47 44 33"}, {}},
    {"DJVU", {0, "41 54 26 54 46 4F 52 4D"}, {12, "44 4A 56"}},
    {"BLEND", {0, "42 4C 45 4E 44 45 52"}, {}},
    {"BMP", {0, "42 4D"}, {}},
    {"BPG", {0, "42 50 47 FB"}, {}},
    {"BZ2", {0, "42 5A 68"}, {}},
    {"SWF", {0, "43 57 53"}, {}},
    {"DRC", {0, "44 52 41 43 4F"}, {}},
    {"FLIF", {0, "46 4C 49 46"}, {}},
    {"SWF", {0, "46 57 53"}, {}},
    {"FLV", {0, "46 4C 56"}, {}},
    {"GIF87A", {0, "47 49 46 38 37 61"}, {}},
    {"GIF89A", {0, "47 49 46 38 39 61"}, {}},
    {"TIFF (LE)", {0, "49 49 2A 00"}, {}},
    {"CR2", {0, "49 49 2A 00 10 00 00 00 43 52"}, {}},
    {"CHM", {0, "49 54 53 46 03 00 00 00 60 00 00 00"}, {}},
    {"MP3/ID3V2", {0, "49 44 33"}, {}},
    {"CAB (IS)", {0, "49 53 63 28"}, {}},
    {"LZ", {0, "4C 5A 49 50"}, {}},
    {"MLV", {0, "4D 4C 56 49"}, {}},
    {"TIFF (BE)", {0, "4D 4D 00 2A"}, {}},
    {"CAB", {0, "4D 53 43 46"}, {}},
    {"MID/MIDI", {0, "4D 54 68 64"}, {}},
    {"EXE/DLL (MZ/PE/NE)", {0, "4D 5A"}, {}},
    {"NUI", {0, "4E 55 52 55 49 4D 47"}, {}},
    {"NUP", {0, "4E 55 52 55 50 41 4C"}, {}},
    {"OGG/OGA/OGV", {0, "4F 67 67 53"}, {}},
    {"PBM", {0, "50 31 0A"}, {}},
    {"PGM", {0, "50 32 0A"}, {}},
    {"PPM", {0, "50 33 0A"}, {}},
    {"ZIP", {0, "50 4B 03 04"}, {}},
    {"ZIP (E)", {0, "50 4B 05 06"}, {}},
    {"ZIP (S)", {0, "50 4B 07 08"}, {}},
    {"ANI", {0, "52 49 46 46"}, {8, "41 43 4F 4E"}},
    {"AVI", {0, "52 49 46 46"}, {8, "41 56 49 20"}},
    {"WAV", {0, "52 49 46 46"}, {8, "57 41 56 45"}},
    {"WEBP", {0, "52 49 46 46"}, {8, "57 45 42 50"}},
    {"RAR (1.5+)", {0, "52 61 72 21 1A 07 00"}, {}},
    {"RAR (5.0+)", {0, "52 61 72 21 1A 07 01 00"}, {}},
    {"DPX (BE)", {0, "53 44 50 58"}, {}},
    {"SQLITE/DB", {0, "53 51 4C 69 74 65 20 66 6F 72 6D 61 74 20 33 00"}, {}},
    {"DPX (LE)", {0, "58 50 44 53"}, {}},
    {"EXE (ZM)", {0, "5A 4D"}, {}},
    {"ARJ", {0, "60 EA"}, {}},
    {"FLAC", {0, "66 4C 61 43"}, {}},
    {"3GP", {0, "66 74 79 70 33 67"}, {}},
    {"XCF", {0, "67 69 6D 70 20 78 63 66"}, {}},
    {"TOX", {0, "74 6F 78 33"}, {}},
    {"EXR", {0, "76 2F 31 01"}, {}},
    {"XAR", {0, "78 61 72 21"}, {}},
    {"RTF", {0, "7B 5C 72 74 66 31"}, {}},
    {"CIN", {0, "80 2A 5F D7"}, {}},
    {"PNG", {0, "89 50 4E 47 0D 0A 1A 0A"}, {}},
    {"CLASS", {0, "CA FE BA BE"}, {}},
    {"LEP", {0, "CF 84 01"}, {}},
    {"DOC/XLS/PPT", {0, "D0 CF 11 E0 A1 B1 1A E1"}, {}},
    {"WMF", {0, "D7 CD C6 9A"}, {}},
    {"XZ", {0, "FD 37 7A 58 5A 00"}, {}},
    {"JPG", {0, "FF D8 FF DB"}, {}},
    {"JPEG/JFIF", {0, "FF D8 FF E0 00 10 4A 46 49 46 00 01"}, {}},
    {"JPEG", {0, "FF D8 FF EE"}, {}},
    {"JPEG/EXIF", {0, "FF D8 FF E1"}, {6, "45 78 69 66 00 00"}},
    {"MP3", {0, "FF F2"}, {}},
    {"MP3", {0, "FF F3"}, {}},
    {"MP3", {0, "FF FB"}, {}},
};

// The longest signature ends at offset 15; reading a little more is harmless.
constexpr int kHeadSize = 20;

int hexByte(const char* hex) { return hexDigitValue(hex[0]) * 16 + hexDigitValue(hex[1]); }

// A byte past what was read never matches, so short files fall through.
bool matches(const unsigned char* head, int n, const Need& need) {
  if (!need.hex) return true;
  int at = need.offset;
  for (const char* p = need.hex;; p += 3, ++at) {
    if (at >= n || head[at] != hexByte(p)) return false;
    if (p[2] == '\0') return true;
  }
}

// Fills head from the start of the file; -1 when it cannot be read.
int readHead(int fd, unsigned char* head) {
  int n = 0;
  while (n < kHeadSize) {
    ssize_t got = read(fd, head + n, kHeadSize - n);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    n += static_cast<int>(got);
  }
  return n;
}

}  // namespace

std::string identifyFileType(const std::string& path) {
  std::string label = "[ERROR] UNRECOGNIZED";
  // A fifo or a device is no picture, and must not keep the worker waiting.
  int fd = openRegularFile(path);
  if (fd < 0) return label;
  unsigned char head[kHeadSize] = {};  // bytes past n stay defined, though unused
  int n = readHead(fd, head);
  close(fd);
  if (n <= 0) return label;
  for (const Signature& row : kSignatures) {
    // Only the group of the file's first byte can match.
    if (hexByte(row.first.hex) != head[0]) continue;
    if (matches(head, n, row.first) && matches(head, n, row.second)) label = row.label;
  }
  return label;
}
