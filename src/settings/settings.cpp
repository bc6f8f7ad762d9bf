#include "settings/settings.h"

#include <cctype>
#include <cstdio>
#include <strings.h>

#include "formats/catalogue.h"
#include "i18n/text.h"
#include "platform/clock.h"

Settings settings;

const char* const ownershipNotice = "Copyright \u00A9 2026 Lumavex. All rights reserved.";

namespace {

constexpr SettingField flag(const char* group, const char* key, int8_t Settings::*field, int32_t value,
                            const char* format = nullptr) {
  return {group, key, FieldKind::Flag, field, nullptr, nullptr, nullptr, value, "", format};
}
constexpr SettingField choice(const char* group, const char* key, int8_t Settings::*field, int32_t value) {
  return {group, key, FieldKind::Choice, field, nullptr, nullptr, nullptr, value, "", nullptr};
}
constexpr SettingField choice(const char* group, const char* key, int32_t Settings::*field, int32_t value,
                              const char* format = nullptr) {
  return {group, key, FieldKind::Choice, nullptr, field, nullptr, nullptr, value, "", format};
}
constexpr SettingField number(const char* group, const char* key, int32_t Settings::*field, int32_t value,
                              const char* format = nullptr) {
  return {group, key, FieldKind::Number, nullptr, field, nullptr, nullptr, value, "", format};
}
constexpr SettingField number(const char* group, const char* key, int8_t Settings::*field, int32_t value) {
  return {group, key, FieldKind::Number, field, nullptr, nullptr, nullptr, value, "", nullptr};
}
constexpr SettingField date(const char* group, const char* key, int32_t Settings::*field) {
  return {group, key, FieldKind::Date, nullptr, field, nullptr, nullptr, 0, "", nullptr};
}
constexpr SettingField text(const char* group, const char* key, std::string Settings::*field, const char* value) {
  return {group, key, FieldKind::Text, nullptr, nullptr, nullptr, field, 0, value, nullptr};
}
constexpr SettingField colour(const char* group, const char* key, std::string Settings::*field) {
  return {group, key, FieldKind::Colour, nullptr, nullptr, nullptr, field, 0, "000000", nullptr};
}

constexpr const char* colourChoices = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

using S = Settings;

// Groups in the order the configuration file is written, keys in each group
// likewise. Defaults that depend on the moment or the desktop (dates, window
// position, formats, `Keep Aspect Ratio`) are filled in by the reset.
const SettingField fields[] = {
    number(generalGroup, "CFG", &S::cfg, 19),
    text(generalGroup, "Language", &S::language, "en"),
    choice(generalGroup, "Update Range", &S::updateRange, 2),
    date(generalGroup, "Update Date", &S::updateDate),
    flag(generalGroup, "Save Window Position", &S::saveWindowPosition, 1),

    flag(windowGroup, "IsMaximized", &S::isMaximized, 0),
    number(windowGroup, "Width", &S::width, 510),
    number(windowGroup, "Height", &S::height, 260),
    number(windowGroup, "X", &S::x, 100),
    number(windowGroup, "Y", &S::y, 100),

    text(interfaceGroup, "UI Theme", &S::uiTheme, "handdrawn"),
    choice(interfaceGroup, "UI Size", &S::uiSize, 2),

    text(inputGroup, "Format", &S::inputFormat, ""),
    choice(inputGroup, "DDS Load As", &S::ddsLoadAs, 0, "dds"),
    choice(inputGroup, "GIF Frame Loading", &S::gifFrameLoading, 0, "gif"),
    choice(inputGroup, "ICO Frame Loading", &S::icoFrameLoading, 0, "ico"),
    choice(inputGroup, "TIFF Frame Loading", &S::tiffFrameLoading, 0, "tiff"),
    choice(inputGroup, "PSD Color Mode", &S::psdColorMode, 0, "psd"),
    choice(inputGroup, "RAW Load As", &S::rawLoadAs, 0, "raw"),
    number(inputGroup, "RAW Header Size", &S::rawHeaderSize, 0, "raw"),
    number(inputGroup, "RAW Image Width", &S::rawImageWidth, 0, "raw"),
    number(inputGroup, "RAW Image Height", &S::rawImageHeight, 0, "raw"),
    choice(inputGroup, "RAW Tone Mapping", &S::rawToneMapping, 2, "raw"),

    text(outputGroup, "Format", &S::outputFormat, ""),
    number(outputGroup, "BMP BPP", &S::bmpBpp, 0, "bmp"),
    choice(outputGroup, "BMP Compression", &S::bmpCompression, 0, "bmp"),
    choice(outputGroup, "BMP Color Table", &S::bmpColorTable, 0, "bmp"),
    number(outputGroup, "DDS BPP", &S::ddsBpp, 0, "dds"),
    number(outputGroup, "EXR BPP", &S::exrBpp, 0, "exr"),
    choice(outputGroup, "EXR Compression", &S::exrCompression, 0, "exr"),
    number(outputGroup, "GIF BPP", &S::gifBpp, 0, "gif"),
    number(outputGroup, "HDR BPP", &S::hdrBpp, 0, "hdr"),
    number(outputGroup, "ICO BPP", &S::icoBpp, 0, "ico"),
    number(outputGroup, "J2K BPP", &S::j2kBpp, 0, "j2k"),
    number(outputGroup, "JNG BPP", &S::jngBpp, 0, "jng"),
    number(outputGroup, "JP2 BPP", &S::jp2Bpp, 0, "jp2"),
    number(outputGroup, "JPG BPP", &S::jpgBpp, 0, "jpg"),
    number(outputGroup, "JPG Quality", &S::jpgQuality, 95, "jpg"),
    choice(outputGroup, "JPG Chroma", &S::jpgChroma, 0, "jpg"),
    choice(outputGroup, "JPG Save As", &S::jpgSaveAs, 0, "jpg"),
    number(outputGroup, "JXR BPP", &S::jxrBpp, 0, "jxr"),
    number(outputGroup, "PBM BPP", &S::pbmBpp, 0, "pbm"),
    number(outputGroup, "PCX BPP", &S::pcxBpp, 0, "pcx"),
    number(outputGroup, "PFM BPP", &S::pfmBpp, 0, "pfm"),
    number(outputGroup, "PGM BPP", &S::pgmBpp, 0, "pgm"),
    number(outputGroup, "PNG BPP", &S::pngBpp, 0, "png"),
    choice(outputGroup, "PNG Compression", &S::pngCompression, 0, "png"),
    flag(outputGroup, "PNG Interlaced", &S::pngInterlaced, 0, "png"),
    number(outputGroup, "PPM BPP", &S::ppmBpp, 0, "ppm"),
    number(outputGroup, "PSD BPP", &S::psdBpp, 0, "psd"),
    number(outputGroup, "TGA BPP", &S::tgaBpp, 0, "tga"),
    choice(outputGroup, "TGA Compression", &S::tgaCompression, 0, "tga"),
    number(outputGroup, "TIFF BPP", &S::tiffBpp, 0, "tiff"),
    choice(outputGroup, "TIFF Compression", &S::tiffCompression, 0, "tiff"),
    choice(outputGroup, "TIFF Color Mode", &S::tiffColorMode, 0, "tiff"),
    number(outputGroup, "WBMP BPP", &S::wbmpBpp, 0, "wbmp"),
    number(outputGroup, "WEBP BPP", &S::webpBpp, 0, "webp"),
    number(outputGroup, "WEBP Quality", &S::webpQuality, 100, "webp"),
    number(outputGroup, "XPM BPP", &S::xpmBpp, 0, "xpm"),

    flag(transformGroup, "Do Image Rotation", &S::doImageRotation, 0),
    choice(transformGroup, "Image Rotation Type", &S::imageRotationType, 0),
    number(transformGroup, "Image Rotation", &S::imageRotation, 0),
    colour(transformGroup, "Image Rotation Back Color", &S::imageRotationBackColor),
    flag(transformGroup, "Do Image Resize", &S::doImageResize, 0),
    number(transformGroup, "Image Width", &S::imageWidth, 0),
    choice(transformGroup, "Image Width Unit", &S::imageWidthUnit, 0),
    number(transformGroup, "Image Height", &S::imageHeight, 0),
    choice(transformGroup, "Image Height Unit", &S::imageHeightUnit, 0),
    flag(transformGroup, "Keep Aspect Ratio", &S::keepAspectRatio, 1),
    choice(transformGroup, "Image Resize Type", &S::imageResizeType, 0),
    choice(transformGroup, "Image Resize Algorithm", &S::imageResizeAlgorithm, 3),
    flag(transformGroup, "Do Image Flip Horizontal", &S::doImageFlipHorizontal, 0),
    flag(transformGroup, "Do Image Flip Vertical", &S::doImageFlipVertical, 0),

    flag(adjustmentGroup, "Do Image Color Correction", &S::doImageColorCorrection, 0),
    number(adjustmentGroup, "Image Brightness", &S::imageBrightness, 0),
    number(adjustmentGroup, "Image Contrast", &S::imageContrast, 0),
    {adjustmentGroup, "Image Gamma", FieldKind::Real, nullptr, nullptr, &S::imageGamma, nullptr, 1, "", nullptr},
    flag(adjustmentGroup, "Image Invert", &S::imageInvert, 0),
    flag(adjustmentGroup, "Do Image Greyscale", &S::doImageGreyscale, 0),
    flag(adjustmentGroup, "Do Image Threshold", &S::doImageThreshold, 0),
    number(adjustmentGroup, "Image Threshold", &S::imageThreshold, 0),
    flag(adjustmentGroup, "Do Image Dither", &S::doImageDither, 0),
    choice(adjustmentGroup, "Image Dither Algorithm", &S::imageDitherAlgorithm, 0),

    choice(frameGroup, "Do Frame", &S::doFrame, 0),
    number(frameGroup, "Solid Left", &S::solidLeft, 0),
    number(frameGroup, "Solid Right", &S::solidRight, 0),
    number(frameGroup, "Solid Top", &S::solidTop, 0),
    number(frameGroup, "Solid Bottom", &S::solidBottom, 0),
    colour(frameGroup, "Solid Left Color", &S::solidLeftColor),
    colour(frameGroup, "Solid Right Color", &S::solidRightColor),
    colour(frameGroup, "Solid Top Color", &S::solidTopColor),
    colour(frameGroup, "Solid Bottom Color", &S::solidBottomColor),
    number(frameGroup, "Solid Opacity", &S::solidOpacity, 255),

    choice(watermarkGroup, "Do Watermark", &S::doWatermark, 0),
    text(watermarkGroup, "Text", &S::text, ownershipNotice),
    text(watermarkGroup, "Fonts", &S::fonts, "Arial,Tahoma,Verdana"),
    text(watermarkGroup, "Font", &S::font, "Arial"),
    number(watermarkGroup, "Font Size", &S::fontSize, 14),
    number(watermarkGroup, "Font Leading", &S::fontLeading, 0),
    text(watermarkGroup, "Font Colors", &S::fontColors, colourChoices),
    {watermarkGroup, "Font Color", FieldKind::Colour, nullptr, nullptr, nullptr, &S::fontColor, 0, "FFFFFF", nullptr},
    choice(watermarkGroup, "Font Style", &S::fontStyle, 0),
    choice(watermarkGroup, "Font Effect", &S::fontEffect, 0),
    flag(watermarkGroup, "Text Antialiasing", &S::textAntialiasing, 0),
    choice(watermarkGroup, "Text Alignment", &S::textAlignment, 0),
    number(watermarkGroup, "Text Padding", &S::textPadding, 0),
    number(watermarkGroup, "Text Opacity", &S::textOpacity, 255),
    text(watermarkGroup, "Back Colors", &S::backColors, colourChoices),
    colour(watermarkGroup, "Back Color", &S::backColor),
    number(watermarkGroup, "Back Opacity", &S::backOpacity, 1),
    choice(watermarkGroup, "Text Boundary", &S::textBoundary, 0),
    choice(watermarkGroup, "Text Position", &S::textPosition, 8),
    number(watermarkGroup, "Text X Offset", &S::textXOffset, 10),
    number(watermarkGroup, "Text Y Offset", &S::textYOffset, 10),
    number(watermarkGroup, "Text Rotation", &S::textRotation, 0),
    choice(watermarkGroup, "Text Size", &S::textSize, 0),
    number(watermarkGroup, "Text Scale", &S::textScale, 10),
    text(watermarkGroup, "Image", &S::image, ""),
    flag(watermarkGroup, "Image Greyscale", &S::imageGreyscale, 0),
    number(watermarkGroup, "Image Opacity", &S::imageOpacity, 255),
    choice(watermarkGroup, "Image Boundary", &S::imageBoundary, 0),
    choice(watermarkGroup, "Image Position", &S::imagePosition, 8),
    number(watermarkGroup, "Image X Offset", &S::imageXOffset, 10),
    number(watermarkGroup, "Image Y Offset", &S::imageYOffset, 10),
    number(watermarkGroup, "Image Rotation", &S::watermarkImageRotation, 0),
    choice(watermarkGroup, "Image Size", &S::imageSize, 0),
    number(watermarkGroup, "Image Scale", &S::imageScale, 10),

    text(advancedGroup, "Filename Mask", &S::filenameMask, "%filename%.%ext%"),
    choice(advancedGroup, "File Timestamp", &S::fileTimestamp, 0),
    date(advancedGroup, "Custom Timestamp", &S::customTimestamp),
    choice(advancedGroup, "Out Folders History", &S::outFoldersHistory, 1),
    number(advancedGroup, "Out Folders Number", &S::outFoldersNumber, 5),
    flag(advancedGroup, "Keep Subfolders", &S::keepSubfolders, 1),

    text("File", "Recent Out Folders", &S::recentOutFolders, ""),
    text("File", "Recent Files", &S::recentFiles, ""),

    flag("Privacy", "Clean Recent Files", &S::cleanRecentFiles, 0),
};

int desktopWidth = 0;
int desktopHeight = 0;

// A hexadecimal digit's value; -1 for any other character.
int hexValue(char32_t c) { return c < 0x80 ? hexDigitValue(static_cast<char>(c)) : -1; }

// A pair of hexadecimal digits, read up to its first other character.
uint8_t hexPair(char32_t first, char32_t second) {
  int high = hexValue(first);
  if (high < 0) return 0;
  int low = hexValue(second);
  return static_cast<uint8_t>(low < 0 ? high : high * 16 + low);
}

}  // namespace

const SettingField* settingFields() { return fields; }
int settingFieldCount() { return static_cast<int>(sizeof fields / sizeof fields[0]); }

const SettingField* findSettingField(const std::string& group, const std::string& key) {
  for (const SettingField& field : fields)
    if (strcasecmp(field.group, group.c_str()) == 0 && strcasecmp(field.key, key.c_str()) == 0) return &field;
  return nullptr;
}

int32_t fieldNumber(const SettingField& field) {
  if (field.small) return settings.*field.small;
  if (field.number) return settings.*field.number;
  if (field.real) return static_cast<int32_t>(settings.*field.real);
  return 0;
}

void setFieldNumber(const SettingField& field, int64_t value) {
  // Fields keep only their own width of the number: two's-complement cut.
  if (field.small) settings.*field.small = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
  if (field.number) settings.*field.number = static_cast<int32_t>(static_cast<uint32_t>(value & 0xFFFFFFFF));
  if (field.real) settings.*field.real = static_cast<float>(value);
}

std::string& fieldText(const SettingField& field) { return settings.*field.text; }

void setDesktopSize(int width, int height) {
  desktopWidth = width;
  desktopHeight = height;
}

int32_t centredPosition(int32_t windowSize, int32_t desktopSize) {
  return windowSize < desktopSize ? (desktopSize - windowSize) / 2 : 100;
}

void resetSettings(bool forCommandLine) {
  for (const SettingField& field : fields) {
    if (field.text)
      fieldText(field) = field.defaultText;
    else if (field.real)
      settings.*field.real = static_cast<float>(field.defaultNumber);
    else
      setFieldNumber(field, field.defaultNumber);
  }
  int32_t now = static_cast<int32_t>(localSecondsNow());
  settings.updateDate = now;
  settings.customTimestamp = now;
  settings.keepAspectRatio = forCommandLine ? 0 : 1;
  settings.inputFormat = inputExtensionList().front();
  settings.outputFormat = outputExtensionList().front();
  settings.x = centredPosition(settings.width, desktopWidth);
  settings.y = centredPosition(settings.height, desktopHeight);
}

Colour colourFromHex(const std::string& text) {
  // Six characters, however many bytes they take.
  std::u32string c = utf8Characters(text);
  if (c.size() != 6) return {0, 0, 0};
  return {hexPair(c[0], c[1]), hexPair(c[2], c[3]), hexPair(c[4], c[5])};
}

std::string colourToHex(Colour colour) {
  char buffer[8];
  snprintf(buffer, sizeof buffer, "%02X%02X%02X", colour.red, colour.green, colour.blue);
  return buffer;
}
