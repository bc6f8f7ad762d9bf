// The text or picture watermark: a layer drawn apart, turned, cut to fit,
// placed by its anchor and blended over the picture.
#include "engine/watermark.h"

#include <cstdio>
#include <cstdlib>

#include "engine/layers.h"
#include "engine/limits.h"
#include "engine/loader.h"
#include "engine/name_mask.h"
#include "engine/stages.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "text/text.h"

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

// The text watermark's request; false when the font is not loaded.
bool textRequest(TextRequest& request, const ConversionJob& job) {
  const DrawingFunctions* draw = drawing();
  if (!draw || !draw->fontLoaded()) return false;
  // Bytes that are not UTF-8 are read as ISO-8859-1, as profiles are.
  std::string text = substitutePlaceholders(settings.text, job);
  if (!isValidUtf8(text)) text = latin1ToUtf8(text);
  request.lines = textLines(text);
  request.severalLines = request.lines.size() > 1;
  request.leading = settings.fontLeading;
  request.padding = settings.textPadding;
  request.alignment = settings.textAlignment;
  request.antialiased = settings.textAntialiasing != 0;
  request.text = withAlpha(settings.fontColor, settings.textOpacity);
  request.back = withAlpha(settings.backColor, settings.backOpacity);
  return true;
}

// Bytes FreeImage takes to turn a 32-bit layer by the angle: its three
// shears hold up to two turned copies beside the layer, one of them a little
// larger than the result.
double turningBytes(double width, double height, int angle) {
  if (angle < 1 || angle > 359) return 0;
  uint64_t turnedWidth, turnedHeight;
  turnedSize(static_cast<uint64_t>(width), static_cast<uint64_t>(height), angle, turnedWidth, turnedHeight);
  return 3 * 4 * static_cast<double>(turnedWidth) * static_cast<double>(turnedHeight);
}

// The whole text layer, to be turned.
Image textLayer(const ConversionJob& job) {
  TextRequest request;
  int64_t width, height;
  const DrawingFunctions* draw = drawing();
  if (!textRequest(request, job) || !draw->measureText(request, width, height) || width > INT32_MAX ||
      height > INT32_MAX ||
      !bytesFitMemory(4.0 * width * height + turningBytes(width, height, settings.textRotation)))
    return nullptr;
  Image layer = transparentLayer(static_cast<int>(width), static_cast<int>(height));
  if (!layer ||
      !drawInPieces(
          0, 0, static_cast<int>(width), static_cast<int>(height),
          [&](Canvas canvas) { return draw->drawText(request, canvas); },
          [&](FIBITMAP* piece, int x, int y) { return FreeImage_Paste(layer.get(), piece, x, y, 256) != FALSE; }))
    return nullptr;
  return layer;
}

// False for an uncompressed BMP shorter than its rows of pixels: FreeImage
// would allocate the whole picture and leave what is missing black.
// Run-length coded data can be short by right, and is left to FreeImage.
bool bmpHoldsItsPixels(const std::string& path) {
  unsigned char h[34];
  FILE* file = fopen(path.c_str(), "rb");
  size_t read = file ? fread(h, 1, sizeof h, file) : 0;
  if (file) fclose(file);
  auto word = [&](int at) { return static_cast<uint32_t>(h[at] | h[at + 1] << 8); };
  auto dword = [&](int at) { return word(at) | word(at + 2) << 16; };
  if (read < 26) return false;
  int64_t width, height, bits, compression = 0;
  if (dword(14) == 12) {  // the old core header: 16-bit sides
    width = word(18);
    height = word(20);
    bits = word(24);
  } else {
    if (read < 34) return false;
    width = static_cast<int32_t>(dword(18));
    height = static_cast<int32_t>(dword(22));  // negative: stored top row first
    bits = word(28);
    compression = dword(30);
  }
  if (compression != 0 && compression != 3 && compression != 6) return true;
  int64_t rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
  return fileSize(path) >= int64_t{dword(10)} + rowBytes * std::abs(height);
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
    // Watermark files are untrusted too: the size is checked before
    // decoding, against the decoded picture, its 32-bit layer and the
    // layer's rotation.
    Image header(FreeImage_Load(format, path, FIF_LOAD_NOPIXELS));
    if (header && (format != FIF_BMP || bmpHoldsItsPixels(settings.image))) {
      double width = FreeImage_GetWidth(header.get()), height = FreeImage_GetHeight(header.get());
      double decoded = width * height * FreeImage_GetBPP(header.get()) / 8;
      if (bytesFitMemory(decoded + 4 * width * height + turningBytes(width, height, settings.watermarkImageRotation)))
        source.reset(FreeImage_Load(format, path, 0));
    }
  }
  if (!source || FreeImage_GetWidth(source.get()) == 0 || FreeImage_GetHeight(source.get()) == 0) return nullptr;
  bool carriesAlpha = FreeImage_GetBPP(source.get()) == 32 || FreeImage_IsTransparent(source.get());
  Image layer(FreeImage_ConvertTo32Bits(source.get()));
  source.reset();
  if (!layer) return nullptr;

  unsigned width = FreeImage_GetWidth(layer.get()), height = FreeImage_GetHeight(layer.get());
  // A picture whose every alpha is 0 says nothing by it: the fourth byte of
  // a 32-bit BMP is commonly unused. It is taken as opaque.
  bool anyAlpha = false;
  for (unsigned y = 0; carriesAlpha && !anyAlpha && y < height; y++) {
    const BYTE* p = FreeImage_GetScanLine(layer.get(), static_cast<int>(y));
    for (unsigned x = 0; x < width && !anyAlpha; x++) anyAlpha = p[x * 4 + FI_RGBA_ALPHA] != 0;
  }
  carriesAlpha = anyAlpha;

  unsigned opacity = opacityByte(settings.imageOpacity);
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

// Where a layer lies on the picture once cut to fit: its kept top-left part
// of width x height, with that part's top-left corner at (x, y).
struct Placement {
  int64_t x, y, width, height;
};

// The anchor's position of a w x h layer in an a x b area with offsets.
void anchorPosition(int anchor, int64_t a, int64_t b, int64_t w, int64_t h, int64_t ox, int64_t oy, int64_t& x,
                    int64_t& y) {
  int column = anchor >= 0 && anchor <= 8 ? anchor % 3 : -1;
  int row = anchor >= 0 && anchor <= 8 ? anchor / 3 : -1;
  x = column == 0 ? ox : column == 1 ? (a - w) / 2 : column == 2 ? a - w - ox : 0;
  y = row == 0 ? oy : row == 1 ? (b - h) / 2 : row == 2 ? b - h - oy : 0;
}

// Cuts a w x h layer to fit and places it on a width x height picture; false
// when nothing of it can be laid on. Every sum of the 32-bit settings is made
// in 64 bits, where none can overflow.
bool placeLayer(bool text, int64_t w, int64_t h, int width, int height, Placement& place) {
  // The area within which the layer is placed: the whole picture, or the
  // part inside the frame.
  bool insideFrame = (text ? settings.textBoundary : settings.imageBoundary) == 1 && settings.doFrame != 0;
  int64_t areaWidth = insideFrame ? int64_t{width} - settings.solidLeft - settings.solidRight : width;
  int64_t areaHeight = insideFrame ? int64_t{height} - settings.solidTop - settings.solidBottom : height;
  int64_t ox = text ? settings.textXOffset : settings.imageXOffset;
  int64_t oy = text ? settings.textYOffset : settings.imageYOffset;

  // A layer too large for the area keeps its top-left part.
  if (w + ox > areaWidth) w = areaWidth - ox;
  if (h + oy > areaHeight) h = areaHeight - oy;
  if (w <= 0 || h <= 0) return false;

  int64_t x, y;
  anchorPosition(text ? settings.textPosition : settings.imagePosition, areaWidth, areaHeight, w, h, ox, oy, x, y);
  if (insideFrame) {
    x += settings.solidLeft;
    y += settings.solidTop;
  }
  // FreeImage refuses to paste a layer at a negative position or past the
  // picture's edge: no watermark then.
  if (x < 0 || y < 0 || x + w > width || y + h > height) return false;
  place = {x, y, w, h};
  return true;
}

// An unturned text watermark: only the part of its layer that reaches the
// picture is drawn, piece by piece, each laid over the picture when done.
Image textWatermark(Image image, int width, int height, const ConversionJob& job) {
  TextRequest request;
  int64_t layerWidth, layerHeight;
  Placement place;
  const DrawingFunctions* draw = drawing();
  if (!textRequest(request, job) || !draw->measureText(request, layerWidth, layerHeight) ||
      !placeLayer(true, layerWidth, layerHeight, width, height, place))
    return image;
  // A piece that cannot be made leaves those before it laid on; the memory
  // they take is checked before the first.
  drawInPieces(
      0, 0, static_cast<int>(place.width), static_cast<int>(place.height),
      [&](Canvas canvas) { return draw->drawText(request, canvas); },
      [&](FIBITMAP* piece, int x, int y) {
        image = compositeLayer(std::move(image), piece, static_cast<int>(place.x) + x, static_cast<int>(place.y) + y);
        return true;
      });
  return image;
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
  int angle = text ? settings.textRotation : settings.watermarkImageRotation;
  bool turned = angle >= 1 && angle <= 359;
  if (text && !turned) return textWatermark(std::move(image), width, height, job);
  Image layer = text ? textLayer(job) : settings.doWatermark == 2 ? pictureLayer() : nullptr;
  if (!layer) return image;

  if (turned) {
    // The uncovered corners of a turned 32-bit layer are transparent.
    if (!bytesFitMemory(turningBytes(FreeImage_GetWidth(layer.get()), FreeImage_GetHeight(layer.get()), angle)))
      return image;
    layer.reset(FreeImage_Rotate(layer.get(), angle, nullptr));
    if (!layer) return image;
  }

  int64_t w = FreeImage_GetWidth(layer.get()), h = FreeImage_GetHeight(layer.get());
  Placement place;
  // The cut layer lives with the two 24-bit copies compositing makes.
  if (!placeLayer(text, w, h, width, height, place) || !bytesFitMemory(10.0 * place.width * place.height))
    return image;
  if (place.width < w || place.height < h) {
    layer.reset(FreeImage_Copy(layer.get(), 0, 0, static_cast<int>(place.width), static_cast<int>(place.height)));
    if (!layer) return image;
  }
  return compositeLayer(std::move(image), layer.get(), static_cast<int>(place.x), static_cast<int>(place.y));
}
