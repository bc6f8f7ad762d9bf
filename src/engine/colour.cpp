// Colour correction, greyscale, threshold and dither. Each stage first
// brings the picture to a depth its FreeImage call accepts; the depths differ
// on purpose.
#include "engine/stages.h"
#include "settings/settings.h"

namespace {

// Converts to 24 bits when the depth lies outside [lowest, 32].
Image withDepthFrom(Image image, unsigned lowest) {
  unsigned bpp = FreeImage_GetBPP(image.get());
  if (bpp < lowest || bpp > 32) image.reset(FreeImage_ConvertTo24Bits(image.get()));
  return image;
}

FREE_IMAGE_DITHER ditherMethod(int algorithm) {
  switch (algorithm) {
    case 1:
      return FID_BAYER4x4;
    case 2:
      return FID_BAYER8x8;
    case 3:
      return FID_BAYER16x16;
    case 4:
      return FID_CLUSTER6x6;
    case 5:
      return FID_CLUSTER8x8;
    case 6:
      return FID_CLUSTER16x16;
    default:
      return FID_FS;
  }
}

}  // namespace

Image colourStage(Image image) {
  if (!image || !settings.doImageColorCorrection) return image;
  image = withDepthFrom(std::move(image), 8);
  // Works in place; a picture FreeImage refuses (16 bits) stays as it is.
  if (image)
    FreeImage_AdjustColors(image.get(), settings.imageBrightness, settings.imageContrast, settings.imageGamma,
                           settings.imageInvert ? TRUE : FALSE);
  return image;
}

Image greyscaleStage(Image image) {
  if (!image || !settings.doImageGreyscale) return image;
  image = withDepthFrom(std::move(image), 1);
  return image ? Image(FreeImage_ConvertToGreyscale(image.get())) : nullptr;
}

Image thresholdStage(Image image) {
  if (!image || !settings.doImageThreshold) return image;
  image = withDepthFrom(std::move(image), 4);
  // Only the low eight bits of the level count: 256 acts as 0.
  BYTE level = static_cast<BYTE>(settings.imageThreshold & 0xFF);
  return image ? Image(FreeImage_Threshold(image.get(), level)) : nullptr;
}

Image ditherStage(Image image) {
  if (!image || !settings.doImageDither) return image;
  image = withDepthFrom(std::move(image), 4);
  return image ? Image(FreeImage_Dither(image.get(), ditherMethod(settings.imageDitherAlgorithm))) : nullptr;
}
