// The solid frame painted over the picture's edges.
#include <algorithm>
#include <cstdint>

#include "engine/layers.h"
#include "engine/stages.h"
#include "settings/settings.h"

namespace {

Rgba opaque(const std::string& hex) {
  Colour colour = colourFromHex(hex);
  return {colour.red, colour.green, colour.blue, 255};
}

}  // namespace

Image frameStage(Image image, int width, int height) {
  if (!image || settings.doFrame == 0) return image;
  if (FreeImage_GetBPP(image.get()) != 24) image.reset(FreeImage_ConvertTo24Bits(image.get()));
  if (!image || settings.doFrame != 1) return image;
  // Any failure from here on leaves the picture without more of a border.
  const DrawingFunctions* draw = drawing();
  if (!draw) return image;
  FrameRequest frame = {width,
                        height,
                        settings.solidLeft,
                        settings.solidRight,
                        settings.solidTop,
                        settings.solidBottom,
                        opaque(settings.solidLeftColor),
                        opaque(settings.solidRightColor),
                        opaque(settings.solidTopColor),
                        opaque(settings.solidBottomColor),
                        settings.solidOpacity};

  // Nothing is drawn inside the bands (widths held to the picture's sides),
  // so only these four areas, which do not overlap, are drawn and laid over
  // the picture, piece by piece: no layer of the picture's size is needed,
  // whatever its size.
  int top = std::clamp(frame.top, 0, height);
  int bottomStart = std::max(top, height - std::clamp(frame.bottom, 0, height));
  int left = std::clamp(frame.left, 0, width);
  int rightStart = std::max(left, width - std::clamp(frame.right, 0, width));
  const struct Area {
    int x, y, width, height;
  } areas[] = {{0, 0, width, top},
               {0, bottomStart, width, height - bottomStart},
               {0, top, left, bottomStart - top},
               {rightStart, top, width - rightStart, bottomStart - top}};
  for (const Area& area : areas) {
    if (area.width <= 0 || area.height <= 0) continue;
    bool drawn = drawInPieces(
        area.x, area.y, area.width, area.height, [&](Canvas canvas) { return draw->drawFrame(frame, canvas); },
        [&](FIBITMAP* piece, int x, int y) {
          image = compositeLayer(std::move(image), piece, area.x + x, area.y + y);
          return image != nullptr;
        });
    if (!drawn) break;
  }
  return image;
}
