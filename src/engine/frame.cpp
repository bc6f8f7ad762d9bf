// The solid frame painted over the picture's edges.
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
  // Any failure from here on leaves the picture without a border.
  const DrawingFunctions* draw = drawing();
  Image layer = transparentLayer(width, height);
  if (!draw || !layer) return image;
  FrameRequest frame = {settings.solidLeft,
                        settings.solidRight,
                        settings.solidTop,
                        settings.solidBottom,
                        opaque(settings.solidLeftColor),
                        opaque(settings.solidRightColor),
                        opaque(settings.solidTopColor),
                        opaque(settings.solidBottomColor),
                        settings.solidOpacity};
  if (!draw->drawFrame(frame, canvasOf(layer.get()))) return image;
  return compositeLayer(std::move(image), layer.get(), 0, 0);
}
