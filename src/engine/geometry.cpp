// Rotation, resize and flips: the stages that change the picture's geometry.
#include <cmath>
#include <cstdint>

#include "engine/limits.h"
#include "engine/stages.h"
#include "settings/settings.h"

namespace {

FREE_IMAGE_FILTER resizeFilter(int algorithm) {
  switch (algorithm) {
    case 0:
      return FILTER_BOX;
    case 1:
      return FILTER_BILINEAR;
    case 2:
      return FILTER_BSPLINE;
    case 4:
      return FILTER_CATMULLROM;
    case 5:
      return FILTER_LANCZOS3;
    default:
      return FILTER_BICUBIC;
  }
}

// A target side in pixels: as given, or a percentage of the current side
// rounded half to even; 0 for an unknown unit.
int64_t targetSide(int32_t value, int8_t unit, int side) {
  if (unit == 0) return value;
  if (unit == 1) return static_cast<int64_t>(std::nearbyint(value / 100.0 * side));
  return 0;
}

}  // namespace

Image rotateStage(Image image) {
  if (!image || !settings.doImageRotation) return image;
  int angle = settings.imageRotation;
  if (angle < 1 || angle > 359) return image;
  unsigned bpp = FreeImage_GetBPP(image.get());
  if (bpp <= 16 || bpp > 32) image.reset(FreeImage_ConvertTo24Bits(image.get()));
  if (!image) return image;

  switch (settings.imageRotationType) {
    case 0: {
      Colour colour = colourFromHex(settings.imageRotationBackColor);
      RGBQUAD background = {colour.blue, colour.green, colour.red, 0};
      return Image(FreeImage_Rotate(image.get(), angle, &background));
    }
    case 1: {
      double width = FreeImage_GetWidth(image.get()), height = FreeImage_GetHeight(image.get());
      // About the centre with the size kept; the uncovered corners mirror the picture.
      return Image(FreeImage_RotateEx(image.get(), angle, 0, 0, width / 2, height / 2, FALSE));
    }
    default:
      return image;
  }
}

Image resizeStage(Image image, int width, int height) {
  if (!image || !settings.doImageResize) return image;
  int64_t targetWidth = targetSide(settings.imageWidth, settings.imageWidthUnit, width);
  int64_t targetHeight = targetSide(settings.imageHeight, settings.imageHeightUnit, height);
  if (targetWidth <= 0 || targetHeight <= 0) return image;
  if (targetWidth == width && targetHeight == height) return image;
  // "Large Images" leaves a picture alone that is smaller in both directions.
  if (settings.imageResizeType == 1 && width < targetWidth && height < targetHeight) return image;
  if (settings.keepAspectRatio) {
    // The longer side decides; the ratio is held in single precision.
    if (width >= height) {
      float ratio = static_cast<float>(width) / static_cast<float>(height);
      targetHeight = static_cast<int64_t>(std::round(static_cast<float>(targetWidth) / ratio));
    } else {
      float ratio = static_cast<float>(height) / static_cast<float>(width);
      targetWidth = static_cast<int64_t>(std::round(static_cast<float>(targetHeight) / ratio));
    }
  }
  // A size the pipeline's copies could not hold fails the file here rather
  // than exhausting the machine.
  if (targetWidth <= 0 || targetHeight <= 0 || targetWidth > INT32_MAX || targetHeight > INT32_MAX ||
      !pictureFitsMemory(static_cast<uint64_t>(targetWidth), static_cast<uint64_t>(targetHeight)))
    return nullptr;
  return Image(FreeImage_Rescale(image.get(), static_cast<int>(targetWidth), static_cast<int>(targetHeight),
                                 resizeFilter(settings.imageResizeAlgorithm)));
}

void flipStage(FIBITMAP* image) {
  if (!image) return;
  if (settings.doImageFlipHorizontal) FreeImage_FlipHorizontal(image);
  if (settings.doImageFlipVertical) FreeImage_FlipVertical(image);
}
