#include "engine/layers.h"

#include <algorithm>

#include "engine/limits.h"

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
  if (x < 0 || y < 0 || x > pictureWidth - width || y > pictureHeight - height) return picture;
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

bool drawInPieces(int64_t left, int64_t top, int width, int height, const DrawPiece& draw, const TakePiece& take) {
  // A piece is at most one column of the drawing wide and as many rows
  // high; it lives with the two 24-bit copies its taker may composite it
  // with.
  const int rows = drawingColumn;
  if (!bytesFitMemory(double{drawingColumn} * rows * (4 + 2 * 3))) return false;
  for (int y = 0; y < height; y += rows)
    for (int x = 0, next; x < width; x = next) {
      // Pieces end on the drawing's column lines, where it draws as whole.
      int64_t column = (left + x) / drawingColumn + 1;
      next = static_cast<int>(std::min<int64_t>(column * drawingColumn - left, width));
      Image piece = transparentLayer(next - x, std::min(rows, height - y));
      if (!piece) return false;
      Canvas canvas = canvasOf(piece.get());
      canvas.left = left + x;
      canvas.top = top + y;
      if (!draw(canvas) || !take(piece.get(), x, y)) return false;
    }
  return true;
}
