#include "themes/built_in_artwork.h"

#include <gtest/gtest.h>

#include <set>

#include "themes/picture_slots.h"

namespace {

uint32_t little32(std::span<const uint8_t> bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// A drawing that rendered: opaque pixels of more than one colour.
bool isDrawn(const Picture& picture) {
  std::set<uint32_t> colours;
  for (size_t i = 0; i + 3 < picture.rgba.size(); i += 4)
    if (picture.rgba[i + 3] == 255)
      colours.insert(picture.rgba[i] << 16 | picture.rgba[i + 1] << 8 | picture.rgba[i + 2]);
  return colours.size() > 1;
}

TEST(BuiltInArtwork, fillsEverySlotAtItsSize) {
  pictureSlots = {};
  ASSERT_TRUE(loadBuiltInArtwork());
  const std::pair<const char*, int> buttons[] = {{"Convert", 64}, {"InFiles", 48}, {"InFolder", 48}};
  EXPECT_EQ(pictureSlots.buttons.size(), 3u);
  for (auto [key, size] : buttons) {
    SCOPED_TRACE(key);
    const Picture& picture = pictureSlots.buttons[key];
    EXPECT_EQ(picture.width, size);
    EXPECT_EQ(picture.height, size);
    EXPECT_TRUE(isDrawn(picture));
  }
  EXPECT_EQ(pictureSlots.menuIcons.size(), iconKeys.size());
  std::set<std::vector<uint8_t>> distinct;
  for (const char* key : iconKeys) {
    SCOPED_TRACE(key);
    const Picture& icon = pictureSlots.menuIcons[key];
    EXPECT_EQ(icon.width, 16);
    EXPECT_EQ(icon.height, 16);
    EXPECT_EQ(icon.rgba.size(), 16u * 16 * 4);
    EXPECT_TRUE(isDrawn(icon));
    distinct.insert(icon.rgba);
  }
  EXPECT_EQ(distinct.size(), iconKeys.size()) << "every icon has a drawing of its own";
  EXPECT_EQ(pictureSlots.toolbarIcons, pictureSlots.menuIcons);
}

TEST(BuiltInArtwork, bannerIsA360By40Bmp24) {
  std::span<const uint8_t> bmp = aboutBannerBmp();
  ASSERT_GE(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(little32(bmp, 2), bmp.size());
  EXPECT_EQ(little32(bmp, 18), 360u);  // width
  EXPECT_EQ(little32(bmp, 22), 40u);   // height, bottom row first
  EXPECT_EQ(bmp[28] | bmp[29] << 8, 24);
  EXPECT_EQ(little32(bmp, 30), 0u);  // uncompressed
  EXPECT_EQ(bmp.size(), little32(bmp, 10) + 360u * 3 * 40);
}

}  // namespace
