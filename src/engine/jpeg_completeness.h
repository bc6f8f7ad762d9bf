// Whether a JPEG's coded data holds its whole picture. The decoder paints
// whatever the data lacks (grey for Huffman coding, the last colour for
// arithmetic coding), so a damaged file must be recognised before its
// picture is used.
#pragma once
#include <cstddef>

#include "engine/jpeg_markers.h"

// A bound that costs nothing: every Huffman-coded block takes at least one
// bit (its DC code, or its DC refinement bit), so a scan whose data has
// fewer bits than it has blocks cannot hold its picture. False for such a
// file, which can be refused before anything is allocated; arithmetic
// coding has no such bound.
[[nodiscard]] bool dataCanCoverFrame(const JpegLayout& layout);

// Decodes the coded data with the JPEG library, scaled to an eighth (an
// IDCT of one coefficient per block, so little more than the entropy
// decoding) and tells whether every row of the picture was in the data:
//  - no warning of lost data (a scan ending early, a bad code, a missing
//    restart marker, an inconsistent progression);
//  - a file that only lacks its end marker is whole: running out of bytes
//    is no fault by itself;
//  - every component is covered by a scan, and in a progressive file every
//    coefficient reaches its full precision;
//  - arithmetic coding may legally meet the next marker before a scan's last
//    block (it reads zeros after it), so its truncation shows only in where
//    the data ends. A sequential scan, or a progressive DC scan, whose data
//    ends with more MCUs left than the decoder's read-ahead of a few bytes
//    spans (at the density of the MCUs it coded) is taken as cut short (a
//    cut AC or refinement scan costs detail, not rows). Limits: an
//    arithmetic-coded picture whose last MCUs are so uniform that their code
//    fits in the encoder's dropped trailing zero bytes is refused too, and a
//    cut within the read-ahead (about the scan's last MCU) is not seen.
// Refusals stop the decoding at once, so a cut or bombed file costs little.
// It allocates what the library needs for the scaled picture, and for a
// progressive or multi-scan file the coefficients of the whole picture.
[[nodiscard]] bool pictureIsWhole(const unsigned char* data, size_t size);
