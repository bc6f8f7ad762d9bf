#include "engine/layers.h"

Image transparentLayer(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  // FreeImage clears new pixels: every byte 0, alpha included.
  return Image(FreeImage_Allocate(width, height, 32));
}

Canvas canvasOf(FIBITMAP* layer) {
  return {FreeImage_GetBits(layer), static_cast<int>(FreeImage_GetWidth(layer)),
          static_cast<int>(FreeImage_GetHeight(layer)), static_cast<int>(FreeImage_GetPitch(layer))};
}

Image compositeLayer(Image picture, FIBITMAP* layer, int x, int y) {
  int width = static_cast<int>(FreeImage_GetWidth(layer)), height = static_cast<int>(FreeImage_GetHeight(layer));
  int pictureWidth = static_cast<int>(FreeImage_GetWidth(picture.get()));
  int pictureHeight = static_cast<int>(FreeImage_GetHeight(picture.get()));
  if (x < 0 || y < 0 || x + width > pictureWidth || y + height > pictureHeight) return picture;
  if (width == pictureWidth && height == pictureHeight) {
    Image blended(FreeImage_Composite(layer, FALSE, nullptr, picture.get()));
    return blended ? std::move(blended) : std::move(picture);
  }
  // Only the part under the layer can change, so only that part is
  // composited: the same pixels as with a picture-sized transparent canvas.
  Image under(FreeImage_Copy(picture.get(), x, y, x + width, y + height));
  if (!under) return picture;
  Image blended(FreeImage_Composite(layer, FALSE, nullptr, under.get()));
  if (blended) FreeImage_Paste(picture.get(), blended.get(), x, y, 256);
  return picture;
}
