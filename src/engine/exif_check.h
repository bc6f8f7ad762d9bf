// The Exif check: an Exif block is checked before the decoder's metadata
// reader sees it. That reader follows the block's offsets and counts with
// few checks of its own, and a damaged block makes it read far outside the
// block (a crash).
//
// Promise: makeExifSafe reads and writes only inside the `size` bytes of
// `block` (an APP1 payload beginning "Exif\0\0"). It accepts the block
// only when every structure the decoder's reader walks lies inside it: the
// TIFF header; IFD0 with its entry count, entries and next-IFD link; the
// Exif, GPS and Interoperability IFDs wherever they are linked from, each
// linked once; every entry's type (one of the twelve TIFF types), count
// and, for values over four bytes, value offset; the orientation as one
// SHORT. An accepted block is changed in two places the reader would
// otherwise follow unchecked and the converter never uses: the link to the
// thumbnail IFD is cut (the reader would decode that thumbnail as a JPEG of
// its own, whatever size it claims), and maker notes get a tag number no
// reader knows (the reader parses them by vendor rules of its own).
#pragma once
#include <cstddef>

[[nodiscard]] bool makeExifSafe(unsigned char* block, size_t size);
