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

void compositeLayer(FIBITMAP* picture, FIBITMAP* layer, int x, int y) {
  int width = static_cast<int>(FreeImage_GetWidth(layer)), height = static_cast<int>(FreeImage_GetHeight(layer));
  if (x < 0 || y < 0 || x + width > static_cast<int>(FreeImage_GetWidth(picture)) ||
      y + height > static_cast<int>(FreeImage_GetHeight(picture)))
    return;
  // Only the part under the layer can change, so only that part is
  // composited: the same pixels as a picture-sized transparent canvas.
  Image under(FreeImage_Copy(picture, x, y, x + width, y + height));
  if (!under) return;
  Image blended(FreeImage_Composite(layer, FALSE, nullptr, under.get()));
  if (blended) FreeImage_Paste(picture, blended.get(), x, y, 256);
}
