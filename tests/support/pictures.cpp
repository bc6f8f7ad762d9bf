#include "support/pictures.h"

#include <algorithm>
#include <cstring>

Image patternPicture(int width, int height) {
  Image image(FreeImage_Allocate(width, height, 24));
  for (int y = 0; y < height; y++) {
    BYTE* row = FreeImage_GetScanLine(image.get(), height - 1 - y);
    for (int x = 0; x < width; x++) {
      row[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(20 + x * 7);
      row[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(30 + y * 11);
      row[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>(40 + (x * 3 + y * 5) % 200);
    }
  }
  return image;
}

Image solidPicture(int width, int height, int bpp, BYTE red, BYTE green, BYTE blue) {
  Image colour(FreeImage_Allocate(width, height, 24));
  RGBQUAD value = {blue, green, red, 0};
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) FreeImage_SetPixelColor(colour.get(), x, y, &value);
  switch (bpp) {
    case 8:
      return Image(FreeImage_ConvertToGreyscale(colour.get()));
    case 32:
      return Image(FreeImage_ConvertTo32Bits(colour.get()));
    case 4:
      return Image(FreeImage_ConvertTo4Bits(colour.get()));
    case 1:
      return Image(FreeImage_Threshold(colour.get(), 128));
    default:
      return colour;
  }
}

bool samePixels(FIBITMAP* a, FIBITMAP* b) {
  if (!a || !b) return false;
  unsigned width = FreeImage_GetWidth(a), height = FreeImage_GetHeight(a);
  if (width != FreeImage_GetWidth(b) || height != FreeImage_GetHeight(b) || FreeImage_GetBPP(a) != FreeImage_GetBPP(b))
    return false;
  unsigned bytes = (width * FreeImage_GetBPP(a) + 7) / 8;
  for (unsigned y = 0; y < height; y++)
    if (memcmp(FreeImage_GetScanLine(a, y), FreeImage_GetScanLine(b, y), bytes) != 0) return false;
  return true;
}

Pixel pixelAt(FIBITMAP* image, int x, int y) {
  RGBQUAD value{};
  int row = static_cast<int>(FreeImage_GetHeight(image)) - 1 - y;
  if (FreeImage_GetBPP(image) <= 8) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(image, x, row, &index);
    RGBQUAD* palette = FreeImage_GetPalette(image);
    return {palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue};
  }
  FreeImage_GetPixelColor(image, x, row, &value);
  return {value.rgbRed, value.rgbGreen, value.rgbBlue};
}

Box boxOf(FIBITMAP* image, Pixel colour) {
  int width = static_cast<int>(FreeImage_GetWidth(image)), height = static_cast<int>(FreeImage_GetHeight(image));
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++)
      if (pixelAt(image, x, y) == colour) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}
