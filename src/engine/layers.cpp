#include "engine/layers.h"

#include <algorithm>

#include "engine/limits.h"

namespace {

// Pieces are at most this many pixels a side, plus the margin all round.
const int pieceSide = 2048, pieceMargin = 2;

}  // namespace

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
  // A piece lives with the two 24-bit copies its taker may composite it
  // with.
  const double side = pieceSide + 2 * pieceMargin;
  if (!bytesFitMemory(side * side * (4 + 2 * 3))) return false;
  for (int y = 0; y < height; y += pieceSide)
    for (int x = 0; x < width; x += pieceSide) {
      int pieceWidth = std::min(pieceSide, width - x), pieceHeight = std::min(pieceSide, height - y);
      Image piece = transparentLayer(pieceWidth + 2 * pieceMargin, pieceHeight + 2 * pieceMargin);
      if (!piece) return false;
      Canvas canvas = canvasOf(piece.get());
      canvas.left = left + x - pieceMargin;
      canvas.top = top + y - pieceMargin;
      if (!draw(canvas)) return false;
      Image kept(FreeImage_CreateView(piece.get(), pieceMargin, pieceMargin, pieceMargin + pieceWidth,
                                      pieceMargin + pieceHeight));
      if (!kept || !take(kept.get(), x, y)) return false;
    }
  return true;
}
