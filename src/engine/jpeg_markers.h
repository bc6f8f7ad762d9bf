// The marker walk: the segments and scans of a JPEG file, found the way the
// JPEG library reads them, without decoding anything.
//
// Promise: walkJpeg reads only inside the bytes it is given, whatever they
// hold, and accepts a file only when it starts with SOI and names a frame
// of a kind the library decodes (baseline, extended, progressive, each with
// Huffman or arithmetic coding) before its first scan. Junk between
// segments is skipped as the library skips it; the walk ends at the first
// EOI or at the end of the bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct JpegComponent {
  uint8_t id = 0;
  int h = 1, v = 1;  // sampling factors
};

struct JpegScan {
  std::vector<int> components;  // indexes into the frame's components
  int Ss = 0, Ah = 0;            // first coefficient; 0 unless it refines earlier bits
  size_t dataBytes = 0;  // bytes of coded data, restart markers included
};

// A segment that carries a length (everything but SOI, EOI, RSTn, TEM).
struct JpegSegment {
  uint8_t marker = 0;
  size_t offset = 0;  // of its 0xFF
  size_t size = 0;    // marker, length field and payload
};

struct JpegLayout {
  uint8_t frameMarker = 0;  // 0xC0, 0xC1, 0xC2, 0xC9 or 0xCA
  uint32_t width = 0, height = 0;
  std::vector<JpegComponent> components;
  std::vector<JpegScan> scans;
  std::vector<JpegSegment> segments;  // every segment with a length, in file order

  bool arithmetic() const { return frameMarker >= 0xC9; }
  bool progressive() const { return frameMarker == 0xC2 || frameMarker == 0xCA; }
};

[[nodiscard]] bool walkJpeg(const std::string& bytes, JpegLayout& layout);
