#include "engine/jpeg_markers.h"

namespace {

const uint8_t SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, TEM = 0x01;

bool isRestart(uint8_t marker) { return marker >= 0xD0 && marker <= 0xD7; }

// The frames the library decodes; the other SOFn kinds it refuses.
bool isDecodedFrame(uint8_t marker) {
  return marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
}

// Markers the library knows and skips or reads by their length. It stops
// at any other marker, and the decoder goes on reading after its code byte
// as if the segment were junk.
bool hasLength(uint8_t marker) {
  return (marker >= 0xC0 && marker <= 0xCF) || (marker >= 0xDA && marker <= 0xDD) || (marker >= 0xE0 && marker <= 0xEF) ||
         marker == 0xFE;
}

struct Reader {
  const uint8_t* bytes;
  size_t size;
  unsigned word(size_t at) const { return static_cast<unsigned>(bytes[at]) << 8 | bytes[at + 1]; }
};

// `payload` is the offset of the byte after a segment's length field.
bool readFrame(const Reader& r, size_t payload, size_t length, JpegLayout& layout) {
  if (!layout.components.empty() || length < 8) return false;
  layout.height = r.word(payload + 1);
  layout.width = r.word(payload + 3);
  size_t count = r.bytes[payload + 5];
  if (layout.width == 0 || layout.height == 0 || count == 0 || length != 8 + 3 * count) return false;
  for (size_t i = 0; i < count; i++) {
    const uint8_t* c = r.bytes + payload + 6 + 3 * i;
    JpegComponent component{c[0], c[1] >> 4, c[1] & 15};
    if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4) return false;
    layout.components.push_back(component);
  }
  return true;
}

bool readScanHeader(const Reader& r, size_t payload, size_t length, JpegLayout& layout) {
  if (layout.components.empty() || length < 6) return false;
  size_t count = r.bytes[payload];
  if (count < 1 || count > 4 || length != 6 + 2 * count) return false;
  JpegScan scan;
  for (size_t i = 0; i < count; i++) {
    uint8_t id = r.bytes[payload + 1 + 2 * i];
    int found = -1;
    for (size_t c = 0; c < layout.components.size(); c++)
      if (layout.components[c].id == id) found = static_cast<int>(c);
    if (found < 0) return false;
    scan.components.push_back(found);
  }
  scan.Ss = r.bytes[payload + 1 + 2 * count];
  scan.Ah = r.bytes[payload + 3 + 2 * count] >> 4;
  layout.scans.push_back(scan);
  return true;
}

// The end of the coded data that starts at `at`: the 0xFF of the first
// marker that is neither a stuffed zero nor a restart marker, or the end of
// the bytes.
size_t endOfCodedData(const Reader& r, size_t at) {
  while (at < r.size) {
    if (r.bytes[at] != 0xFF) {
      at++;
      continue;
    }
    size_t next = at + 1;
    while (next < r.size && r.bytes[next] == 0xFF) next++;
    if (next >= r.size) return r.size;
    if (r.bytes[next] != 0 && !isRestart(r.bytes[next])) return next - 1;
    at = next + 1;
  }
  return r.size;
}

}  // namespace

bool walkJpeg(const std::string& bytes, JpegLayout& layout) {
  layout = JpegLayout();
  Reader r{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
  if (r.size < 2 || r.bytes[0] != 0xFF || r.bytes[1] != SOI) return false;
  size_t at = 2;
  while (true) {
    // Junk and a stuffed zero before a marker are skipped, fill bytes too.
    while (at < r.size && r.bytes[at] != 0xFF) at++;
    while (at < r.size && r.bytes[at] == 0xFF) at++;
    if (at >= r.size) break;
    uint8_t marker = r.bytes[at];
    size_t start = at - 1;
    at++;
    if (marker == 0) continue;
    if (marker == EOI) break;
    if (marker == SOI) return false;
    if (isRestart(marker) || marker == TEM || !hasLength(marker)) continue;
    if (at + 2 > r.size) break;
    size_t length = r.word(at);
    if (length < 2) length = 2;  // the library reads such a segment as empty
    if (at + length > r.size) break;
    layout.segments.push_back({marker, start, length + 2});
    size_t payload = at + 2;
    at += length;
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xCC) {
      if (!isDecodedFrame(marker) || !readFrame(r, payload, length, layout)) return false;
      layout.frameMarker = marker;
    } else if (marker == SOS) {
      if (!readScanHeader(r, payload, length, layout)) return false;
      size_t end = endOfCodedData(r, at);
      layout.scans.back().dataBytes = end - at;
      at = end;
    }
  }
  return !layout.scans.empty();
}
