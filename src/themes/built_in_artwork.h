// The artwork built into the program, shown whenever no theme pack provides
// a picture.
#pragma once
#include <cstdint>
#include <span>

// Fills every slot of the three picture sets with the built-in pictures:
// buttons Convert 64 x 64, InFiles and InFolder 48 x 48; menu and toolbar
// icons 16 x 16. False only when the program was built with a picture
// missing or undecodable, which leaves that slot empty.
[[nodiscard]] bool loadBuiltInArtwork();

// The About window's 360 x 40 banner: the bytes of a 24-bit BMP file.
std::span<const uint8_t> aboutBannerBmp();
