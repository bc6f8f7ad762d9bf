#include "themes/png_picture.h"

#include <gtest/gtest.h>
#include <png.h>

#include "pack_writer.h"
#include "support/support.h"

namespace {

bool decode(const std::string& bytes, Picture& picture) {
  return decodePng(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), picture);
}

TEST(DecodePng, givesStraightRgbaForEveryPixelFormat) {
  const uint8_t grey[] = {0, 255};
  const uint8_t greyAlpha[] = {0, 255, 255, 0};
  const uint8_t rgb[] = {255, 0, 0, 0, 0, 255};
  const uint8_t rgba[] = {255, 0, 0, 255, 0, 0, 255, 0};
  const uint16_t wide[] = {65535, 0, 0, 65535, 0, 0, 65535, 65535};
  const uint8_t indices[] = {1, 0};
  const uint8_t colourMap[] = {0, 0, 255, 0, 255, 0, 0, 255};
  struct Case {
    const char* what;
    std::string png;
    std::vector<uint8_t> expected;
  };
  const Case cases[] = {
      {"grey", encodePngAs(PNG_FORMAT_GRAY, 2, 1, grey), {0, 0, 0, 255, 255, 255, 255, 255}},
      {"grey with alpha", encodePngAs(PNG_FORMAT_GA, 2, 1, greyAlpha), {0, 0, 0, 255, 255, 255, 255, 0}},
      {"rgb", encodePngAs(PNG_FORMAT_RGB, 2, 1, rgb), {255, 0, 0, 255, 0, 0, 255, 255}},
      {"rgba", encodePngAs(PNG_FORMAT_RGBA, 2, 1, rgba), {255, 0, 0, 255, 0, 0, 255, 0}},
      {"16 bits a sample", encodePngAs(PNG_FORMAT_LINEAR_RGB_ALPHA, 2, 1, wide), {255, 0, 0, 255, 0, 0, 255, 255}},
      {"palette with transparency", encodePngAs(PNG_FORMAT_RGBA_COLORMAP, 2, 1, indices, colourMap, 2),
       {255, 0, 0, 255, 0, 0, 255, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_FALSE(c.png.empty());
    Picture picture;
    ASSERT_TRUE(decode(c.png, picture));
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.height, 1);
    EXPECT_EQ(picture.rgba, c.expected);
  }
}

TEST(DecodePng, refusesWhatIsNotAWholeSmallPicture) {
  std::string good = encodePng(solidPicture(40, 40, 10, 20, 30));
  std::string badChecksum = good;
  badChecksum[good.find("IDAT") + 6] ^= 0x55;
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"no signature", "not a picture at all"},
      {"the signature alone", good.substr(0, 8)},
      {"cut in half", good.substr(0, good.size() / 2)},
      {"image data with a wrong checksum", badChecksum},
      {"a header claiming 60000 x 60000 pixels", readFile(dataFile("watermarks/huge-header.png"))},
      {"one pixel wider than the largest side", encodePng(solidPicture(largestPictureSide + 1, 2, 1, 2, 3))},
      {"one pixel taller than the largest side", encodePng(solidPicture(2, largestPictureSide + 1, 1, 2, 3))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Picture picture = solidPicture(1, 1, 9, 9, 9);
    EXPECT_FALSE(decode(c.bytes, picture));
    EXPECT_EQ(picture, solidPicture(1, 1, 9, 9, 9)) << "a refused picture leaves the target alone";
  }
  Picture largest;
  EXPECT_TRUE(decode(encodePng(solidPicture(largestPictureSide, largestPictureSide, 1, 2, 3)), largest));
}

}  // namespace
