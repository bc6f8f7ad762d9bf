// The text or picture watermark: a layer drawn apart, turned, cut to fit,
// placed by its anchor and blended over the picture.
#include "engine/watermark.h"

#include "engine/layers.h"
#include "engine/limits.h"
#include "engine/loader.h"
#include "engine/name_mask.h"
#include "engine/stages.h"
#include "text/text.h"
#include "settings/settings.h"

namespace {

// Opacities outside 0..255 (unchecked on the command line) are held to it.
uint8_t opacityByte(int32_t opacity) { return static_cast<uint8_t>(opacity < 0 ? 0 : opacity > 255 ? 255 : opacity); }

Rgba withAlpha(const std::string& hex, int32_t opacity) {
  Colour colour = colourFromHex(hex);
  return {colour.red, colour.green, colour.blue, opacityByte(opacity)};
}

// The lines of the watermark text, split at "%eol%" in any letter case.
std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string lowered = toLowerAscii(text);
  size_t start = 0;
  for (size_t found; (found = lowered.find("%eol%", start)) != std::string::npos; start = found + 5)
    lines.push_back(text.substr(start, found - start));
  lines.push_back(text.substr(start));
  return lines;
}

Image textLayer(const ConversionJob& job) {
  const DrawingFunctions* draw = drawing();
  if (!draw || !draw->fontLoaded()) return nullptr;
  TextRequest request;
  request.lines = textLines(substitutePlaceholders(settings.text, job));
  request.severalLines = request.lines.size() > 1;
  request.leading = settings.fontLeading;
  request.padding = settings.textPadding;
  request.alignment = settings.textAlignment;
  request.antialiased = settings.textAntialiasing != 0;
  request.text = withAlpha(settings.fontColor, settings.textOpacity);
  request.back = withAlpha(settings.backColor, settings.backOpacity);
  int width, height;
  if (!draw->measureText(request, width, height) || !pictureFitsMemory(width, height)) return nullptr;
  Image layer = transparentLayer(width, height);
  if (!layer || !draw->drawText(request, canvasOf(layer.get()))) return nullptr;
  return layer;
}

// The watermark picture drawn onto a layer of its own size: onto a
// transparent one when it carries alpha, else onto opaque black, at
// `Image Opacity` and, when asked, in grey.
Image pictureLayer() {
  const char* path = settings.image.c_str();
  FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path, 0);
  Image source;
  if (format == FIF_JPEG) {
    source = loadJpeg(settings.image);
  } else if (format == FIF_PNG || format == FIF_BMP) {
    // Watermark files are untrusted too: the size is checked before decoding.
    Image header(FreeImage_Load(format, path, FIF_LOAD_NOPIXELS));
    if (header && pictureFitsMemory(FreeImage_GetWidth(header.get()), FreeImage_GetHeight(header.get())))
      source.reset(FreeImage_Load(format, path, 0));
  }
  if (!source || FreeImage_GetWidth(source.get()) == 0 || FreeImage_GetHeight(source.get()) == 0) return nullptr;
  bool carriesAlpha = FreeImage_GetBPP(source.get()) == 32 || FreeImage_IsTransparent(source.get());
  Image layer(FreeImage_ConvertTo32Bits(source.get()));
  source.reset();
  if (!layer) return nullptr;

  unsigned opacity = opacityByte(settings.imageOpacity);
  unsigned width = FreeImage_GetWidth(layer.get()), height = FreeImage_GetHeight(layer.get());
  for (unsigned y = 0; y < height; y++) {
    BYTE* p = FreeImage_GetScanLine(layer.get(), static_cast<int>(y));
    for (unsigned x = 0; x < width; x++, p += 4) {
      unsigned blue = p[FI_RGBA_BLUE], green = p[FI_RGBA_GREEN], red = p[FI_RGBA_RED];
      unsigned alpha = carriesAlpha ? p[FI_RGBA_ALPHA] : 255;
      if (settings.imageGreyscale) red = green = blue = (77 * red + 150 * green + 29 * blue) / 256;
      unsigned drawn = (alpha * opacity + 127) / 255;
      if (carriesAlpha) {
        p[FI_RGBA_ALPHA] = static_cast<BYTE>(drawn);
      } else {
        // Blended onto opaque black: darker, but still opaque.
        red = (red * drawn + 127) / 255;
        green = (green * drawn + 127) / 255;
        blue = (blue * drawn + 127) / 255;
        p[FI_RGBA_ALPHA] = 255;
      }
      p[FI_RGBA_RED] = static_cast<BYTE>(red);
      p[FI_RGBA_GREEN] = static_cast<BYTE>(green);
      p[FI_RGBA_BLUE] = static_cast<BYTE>(blue);
    }
  }
  return layer;
}

// The anchor's position of a w x h layer in an a x b area with offsets.
void anchorPosition(int anchor, int a, int b, int w, int h, int ox, int oy, int& x, int& y) {
  int column = anchor >= 0 && anchor <= 8 ? anchor % 3 : -1;
  int row = anchor >= 0 && anchor <= 8 ? anchor / 3 : -1;
  x = column == 0 ? ox : column == 1 ? (a - w) / 2 : column == 2 ? a - w - ox : 0;
  y = row == 0 ? oy : row == 1 ? (b - h) / 2 : row == 2 ? b - h - oy : 0;
}

}  // namespace

bool loadWatermarkFont() {
  const DrawingFunctions* draw = drawing();
  if (!draw) return false;
  FontRequest font = {settings.font, settings.fontSize, settings.fontStyle == 1 || settings.fontStyle == 3,
                      settings.fontStyle == 2 || settings.fontStyle == 3, settings.fontEffect == 1,
                      settings.fontEffect == 2};
  return draw->loadFont(font);
}

void releaseWatermarkFont() {
  if (const DrawingFunctions* draw = drawing()) draw->releaseFont();
}

bool watermarkFontLoaded() {
  const DrawingFunctions* draw = drawing();
  return draw && draw->fontLoaded();
}

Image watermarkStage(Image image, int width, int height, const ConversionJob& job) {
  if (!image || settings.doWatermark == 0) return image;
  if (FreeImage_GetBPP(image.get()) != 24) image.reset(FreeImage_ConvertTo24Bits(image.get()));
  if (!image) return image;
  bool text = settings.doWatermark == 1;
  Image layer = text ? textLayer(job) : settings.doWatermark == 2 ? pictureLayer() : nullptr;
  if (!layer) return image;

  int angle = text ? settings.textRotation : settings.watermarkImageRotation;
  if (angle >= 1 && angle <= 359) {
    // The uncovered corners of a turned 32-bit layer are transparent.
    layer.reset(FreeImage_Rotate(layer.get(), angle, nullptr));
    if (!layer) return image;
  }

  // The area within which the layer is placed: the whole picture, or the
  // part inside the frame.
  bool insideFrame = (text ? settings.textBoundary : settings.imageBoundary) == 1 && settings.doFrame != 0;
  int areaWidth = insideFrame ? width - settings.solidLeft - settings.solidRight : width;
  int areaHeight = insideFrame ? height - settings.solidTop - settings.solidBottom : height;
  int ox = text ? settings.textXOffset : settings.imageXOffset;
  int oy = text ? settings.textYOffset : settings.imageYOffset;

  // A layer too large for the area keeps its top-left part.
  int w = static_cast<int>(FreeImage_GetWidth(layer.get())), h = static_cast<int>(FreeImage_GetHeight(layer.get()));
  if (w + ox > areaWidth || h + oy > areaHeight) {
    int right = w + ox > areaWidth ? areaWidth - ox : w;
    int bottom = h + oy > areaHeight ? areaHeight - oy : h;
    if (right <= 0 || bottom <= 0) return image;
    layer.reset(FreeImage_Copy(layer.get(), 0, 0, right, bottom));
    if (!layer) return image;
    w = right;
    h = bottom;
  }

  int x, y;
  anchorPosition(text ? settings.textPosition : settings.imagePosition, areaWidth, areaHeight, w, h, ox, oy, x, y);
  if (insideFrame) {
    x += settings.solidLeft;
    y += settings.solidTop;
  }
  return compositeLayer(std::move(image), layer.get(), x, y);
}
