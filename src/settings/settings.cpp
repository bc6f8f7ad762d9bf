#include "settings/settings.h"

#include <cctype>
#include <cstdio>
#include <strings.h>

#include "formats/catalogue.h"
#include "settings/choices.h"
#include "text/product.h"
#include "text/text.h"
#include "platform/clock.h"

Settings settings;

namespace {

using S = Settings;

constexpr SettingField row(const char* group, const char* key, FieldKind kind, FieldRef field, int32_t value,
                           const char* text = "", const char* format = nullptr) {
  return {group, key, kind, field, value, text, format, {}};
}
constexpr SettingField flag(const char* group, const char* key, int8_t S::*field, int32_t value,
                            const char* format = nullptr) {
  return row(group, key, FieldKind::Flag, field, value, "", format);
}
template <typename Field>
constexpr SettingField choice(const char* group, const char* key, Field field, int32_t value,
                              const char* format = nullptr) {
  return row(group, key, FieldKind::Choice, field, value, "", format);
}
template <typename Field>
constexpr SettingField number(const char* group, const char* key, Field field, int32_t value,
                              const char* format = nullptr) {
  return row(group, key, FieldKind::Number, field, value, "", format);
}
constexpr SettingField date(const char* group, const char* key, int32_t S::*field) {
  return row(group, key, FieldKind::Date, field, 0);
}
constexpr SettingField text(const char* group, const char* key, std::string S::*field, const char* value) {
  return row(group, key, FieldKind::Text, field, 0, value);
}
constexpr SettingField colour(const char* group, const char* key, std::string S::*field,
                              const char* value = "000000") {
  return row(group, key, FieldKind::Colour, field, 0, value);
}
constexpr SettingField bitsPerPixel(const char* key, int32_t S::*field, const char* format) {
  return number(outputGroup, key, field, 0, format).label("Bits Per Pixel");
}

constexpr const char* colourChoices = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

// Groups in the order the configuration file is written, keys in each group
// likewise. Defaults that depend on the moment or the desktop (dates, window
// position, formats, `Keep Aspect Ratio`) are filled in by the reset.
const SettingField fields[] = {
    number(generalGroup, "CFG", &S::cfg, 19),
    text(generalGroup, "Language", &S::language, "en").label("Language"),
    choice(generalGroup, "Update Range", &S::updateRange, 2).label("Check for Updates", &updateRangeChoices),
    date(generalGroup, "Update Date", &S::updateDate),
    flag(generalGroup, "Save Window Position", &S::saveWindowPosition, 1).label("Save window position"),

    flag(windowGroup, "IsMaximized", &S::isMaximized, 0),
    number(windowGroup, "Width", &S::width, 510),
    number(windowGroup, "Height", &S::height, 260),
    number(windowGroup, "X", &S::x, 100),
    number(windowGroup, "Y", &S::y, 100),

    text(interfaceGroup, "UI Theme", &S::uiTheme, "handdrawn").label("UI Theme"),
    choice(interfaceGroup, "UI Size", &S::uiSize, 2).label("UI Size", &uiSizeChoices),

    text(inputGroup, "Format", &S::inputFormat, "").label("Input Format"),
    choice(inputGroup, "DDS Load As", &S::ddsLoadAs, 0, "dds").label("Load As", &ddsLoadAsChoices),
    choice(inputGroup, "GIF Frame Loading", &S::gifFrameLoading, 0, "gif").label("Frame Loading", &frameLoadingChoices),
    choice(inputGroup, "ICO Frame Loading", &S::icoFrameLoading, 0, "ico").label("Frame Loading", &frameLoadingChoices),
    choice(inputGroup, "TIFF Frame Loading", &S::tiffFrameLoading, 0, "tiff")
        .label("Frame Loading", &frameLoadingChoices),
    choice(inputGroup, "PSD Color Mode", &S::psdColorMode, 0, "psd").label("Color Mode", &colourModeChoices),
    choice(inputGroup, "RAW Load As", &S::rawLoadAs, 0, "raw").label("Load As", &rawLoadAsChoices),
    number(inputGroup, "RAW Header Size", &S::rawHeaderSize, 0, "raw").label("Header Size").unit("Bytes"),
    number(inputGroup, "RAW Image Width", &S::rawImageWidth, 0, "raw").label("Image Width").unit("Pixels"),
    number(inputGroup, "RAW Image Height", &S::rawImageHeight, 0, "raw").label("Image Height").unit("Pixels"),
    choice(inputGroup, "RAW Tone Mapping", &S::rawToneMapping, 2, "raw").label("Tone Mapping", &toneMappingChoices),

    text(outputGroup, "Format", &S::outputFormat, "").label("Output Format"),
    bitsPerPixel("BMP BPP", &S::bmpBpp, "bmp"),
    choice(outputGroup, "BMP Compression", &S::bmpCompression, 0, "bmp").label("Compression", &rleCompressionChoices),
    choice(outputGroup, "BMP Color Table", &S::bmpColorTable, 0, "bmp").label("Color Table", &colourTableChoices),
    bitsPerPixel("DDS BPP", &S::ddsBpp, "dds"),
    bitsPerPixel("EXR BPP", &S::exrBpp, "exr"),
    choice(outputGroup, "EXR Compression", &S::exrCompression, 0, "exr").label("Compression", &exrCompressionChoices),
    bitsPerPixel("GIF BPP", &S::gifBpp, "gif"),
    bitsPerPixel("HDR BPP", &S::hdrBpp, "hdr"),
    bitsPerPixel("ICO BPP", &S::icoBpp, "ico"),
    bitsPerPixel("J2K BPP", &S::j2kBpp, "j2k"),
    bitsPerPixel("JNG BPP", &S::jngBpp, "jng"),
    bitsPerPixel("JP2 BPP", &S::jp2Bpp, "jp2"),
    bitsPerPixel("JPG BPP", &S::jpgBpp, "jpg"),
    number(outputGroup, "JPG Quality", &S::jpgQuality, 95, "jpg").label("Image Quality").range(1, 100),
    choice(outputGroup, "JPG Chroma", &S::jpgChroma, 0, "jpg").label("Chroma Subsampling", &chromaChoices),
    choice(outputGroup, "JPG Save As", &S::jpgSaveAs, 0, "jpg").label("Save As", &saveAsChoices),
    bitsPerPixel("JXR BPP", &S::jxrBpp, "jxr"),
    bitsPerPixel("PBM BPP", &S::pbmBpp, "pbm"),
    bitsPerPixel("PCX BPP", &S::pcxBpp, "pcx"),
    bitsPerPixel("PFM BPP", &S::pfmBpp, "pfm"),
    bitsPerPixel("PGM BPP", &S::pgmBpp, "pgm"),
    bitsPerPixel("PNG BPP", &S::pngBpp, "png"),
    choice(outputGroup, "PNG Compression", &S::pngCompression, 0, "png").label("Compression", &pngCompressionChoices),
    flag(outputGroup, "PNG Interlaced", &S::pngInterlaced, 0, "png").label("Interlaced"),
    bitsPerPixel("PPM BPP", &S::ppmBpp, "ppm"),
    bitsPerPixel("PSD BPP", &S::psdBpp, "psd"),
    bitsPerPixel("TGA BPP", &S::tgaBpp, "tga"),
    choice(outputGroup, "TGA Compression", &S::tgaCompression, 0, "tga").label("Compression", &rleCompressionChoices),
    bitsPerPixel("TIFF BPP", &S::tiffBpp, "tiff"),
    choice(outputGroup, "TIFF Compression", &S::tiffCompression, 0, "tiff")
        .label("Compression", &tiffCompressionChoices),
    choice(outputGroup, "TIFF Color Mode", &S::tiffColorMode, 0, "tiff").label("Color Mode", &tiffColourModeChoices),
    bitsPerPixel("WBMP BPP", &S::wbmpBpp, "wbmp"),
    bitsPerPixel("WEBP BPP", &S::webpBpp, "webp"),
    number(outputGroup, "WEBP Quality", &S::webpQuality, 100, "webp").label("Image Quality").range(1, 100),
    bitsPerPixel("XPM BPP", &S::xpmBpp, "xpm"),

    flag(transformGroup, "Do Image Rotation", &S::doImageRotation, 0).label("Image Rotation"),
    choice(transformGroup, "Image Rotation Type", &S::imageRotationType, 0)
        .label("Rotation Type", &rotationTypeChoices)
        .enabledBy(&S::doImageRotation),
    number(transformGroup, "Image Rotation", &S::imageRotation, 0)
        .label("Rotation Angle")
        .range(0, 360)
        .enabledBy(&S::doImageRotation),
    colour(transformGroup, "Image Rotation Back Color", &S::imageRotationBackColor)
        .label("Background Color")
        .enabledBy(&S::doImageRotation),
    flag(transformGroup, "Do Image Resize", &S::doImageResize, 0).label("Image Resize"),
    number(transformGroup, "Image Width", &S::imageWidth, 0).label("Image Width").enabledBy(&S::doImageResize),
    choice(transformGroup, "Image Width Unit", &S::imageWidthUnit, 0)
        .label(nullptr, &sizeUnitChoices)
        .enabledBy(&S::doImageResize),
    number(transformGroup, "Image Height", &S::imageHeight, 0).label("Image Height").enabledBy(&S::doImageResize),
    choice(transformGroup, "Image Height Unit", &S::imageHeightUnit, 0)
        .label(nullptr, &sizeUnitChoices)
        .enabledBy(&S::doImageResize),
    flag(transformGroup, "Keep Aspect Ratio", &S::keepAspectRatio, 1)
        .label("Keep Aspect Ratio")
        .enabledBy(&S::doImageResize),
    choice(transformGroup, "Image Resize Type", &S::imageResizeType, 0)
        .label("Resize Type", &resizeTypeChoices)
        .enabledBy(&S::doImageResize),
    choice(transformGroup, "Image Resize Algorithm", &S::imageResizeAlgorithm, 3)
        .label("Resize Algorithm", &resizeAlgorithmChoices)
        .enabledBy(&S::doImageResize),
    flag(transformGroup, "Do Image Flip Horizontal", &S::doImageFlipHorizontal, 0).label("Image Flip Horizontal"),
    flag(transformGroup, "Do Image Flip Vertical", &S::doImageFlipVertical, 0).label("Image Flip Vertical"),

    // Derived from the four values below when the preferences are confirmed.
    flag(adjustmentGroup, "Do Image Color Correction", &S::doImageColorCorrection, 0),
    number(adjustmentGroup, "Image Brightness", &S::imageBrightness, 0).label("Image Brightness").range(-100, 100, 100),
    number(adjustmentGroup, "Image Contrast", &S::imageContrast, 0).label("Image Contrast").range(-100, 100, 100),
    row(adjustmentGroup, "Image Gamma", FieldKind::Real, &S::imageGamma, 1).label("Image Gamma").range(1, 999, 0, 100),
    flag(adjustmentGroup, "Image Invert", &S::imageInvert, 0).label("Image Invert"),
    flag(adjustmentGroup, "Do Image Greyscale", &S::doImageGreyscale, 0).label("Image Greyscale"),
    flag(adjustmentGroup, "Do Image Threshold", &S::doImageThreshold, 0).label("Image Threshold"),
    number(adjustmentGroup, "Image Threshold", &S::imageThreshold, 0)
        .label("Threshold Level")
        .range(0, 255)
        .enabledBy(&S::doImageThreshold),
    flag(adjustmentGroup, "Do Image Dither", &S::doImageDither, 0).label("Image Dither"),
    choice(adjustmentGroup, "Image Dither Algorithm", &S::imageDitherAlgorithm, 0)
        .label("Dither Algorithm", &ditherChoices)
        .enabledBy(&S::doImageDither),

    choice(frameGroup, "Do Frame", &S::doFrame, 0).label("Frame Type", &frameTypeChoices),
    number(frameGroup, "Solid Left", &S::solidLeft, 0).label("Left").unit("Pixels"),
    number(frameGroup, "Solid Right", &S::solidRight, 0).label("Right").unit("Pixels"),
    number(frameGroup, "Solid Top", &S::solidTop, 0).label("Top").unit("Pixels"),
    number(frameGroup, "Solid Bottom", &S::solidBottom, 0).label("Bottom").unit("Pixels"),
    colour(frameGroup, "Solid Left Color", &S::solidLeftColor).label("Left Color"),
    colour(frameGroup, "Solid Right Color", &S::solidRightColor).label("Right Color"),
    colour(frameGroup, "Solid Top Color", &S::solidTopColor).label("Top Color"),
    colour(frameGroup, "Solid Bottom Color", &S::solidBottomColor).label("Bottom Color"),
    number(frameGroup, "Solid Opacity", &S::solidOpacity, 255).label("Opacity").range(1, 255),

    choice(watermarkGroup, "Do Watermark", &S::doWatermark, 0).label("Watermark Type", &watermarkTypeChoices),
    text(watermarkGroup, "Text", &S::text, ownershipNotice).label("Text"),
    text(watermarkGroup, "Fonts", &S::fonts, "Arial,Tahoma,Verdana"),
    text(watermarkGroup, "Font", &S::font, "Arial").label("Font"),
    number(watermarkGroup, "Font Size", &S::fontSize, 14).label("Font Size").unit("Points"),
    number(watermarkGroup, "Font Leading", &S::fontLeading, 0).label("Font Leading").unit("Pixels"),
    text(watermarkGroup, "Font Colors", &S::fontColors, colourChoices),
    colour(watermarkGroup, "Font Color", &S::fontColor, "FFFFFF").label("Font Color"),
    choice(watermarkGroup, "Font Style", &S::fontStyle, 0).label("Font Style", &fontStyleChoices),
    choice(watermarkGroup, "Font Effect", &S::fontEffect, 0).label("Font Effect", &fontEffectChoices),
    flag(watermarkGroup, "Text Antialiasing", &S::textAntialiasing, 0).label("Antialiasing"),
    choice(watermarkGroup, "Text Alignment", &S::textAlignment, 0).label("Text Alignment", &alignmentChoices),
    number(watermarkGroup, "Text Padding", &S::textPadding, 0).label("Text Padding").unit("Pixels"),
    number(watermarkGroup, "Text Opacity", &S::textOpacity, 255).label("Text Opacity").range(1, 255),
    text(watermarkGroup, "Back Colors", &S::backColors, colourChoices),
    colour(watermarkGroup, "Back Color", &S::backColor).label("Background Color"),
    number(watermarkGroup, "Back Opacity", &S::backOpacity, 1).label("Background Opacity").range(1, 255),
    choice(watermarkGroup, "Text Boundary", &S::textBoundary, 0).label("Boundary", &boundaryChoices),
    choice(watermarkGroup, "Text Position", &S::textPosition, 8).label("Position", &positionChoices),
    number(watermarkGroup, "Text X Offset", &S::textXOffset, 10).label("X-Offset").unit("Pixels"),
    number(watermarkGroup, "Text Y Offset", &S::textYOffset, 10).label("Y-Offset").unit("Pixels"),
    number(watermarkGroup, "Text Rotation", &S::textRotation, 0).label("Rotation Angle").range(0, 360),
    choice(watermarkGroup, "Text Size", &S::textSize, 0).label("Size", &sizeModeChoices),
    // No size mode uses the scale, so its row only shows for a mode that does not exist.
    number(watermarkGroup, "Text Scale", &S::textScale, 10).label("Scale").range(1, 200).enabledBy(&S::textSize, 1),
    text(watermarkGroup, "Image", &S::image, "").label("Image"),
    flag(watermarkGroup, "Image Greyscale", &S::imageGreyscale, 0).label("Image Greyscale"),
    number(watermarkGroup, "Image Opacity", &S::imageOpacity, 255).label("Opacity").range(1, 255),
    choice(watermarkGroup, "Image Boundary", &S::imageBoundary, 0).label("Boundary", &boundaryChoices),
    choice(watermarkGroup, "Image Position", &S::imagePosition, 8).label("Position", &positionChoices),
    number(watermarkGroup, "Image X Offset", &S::imageXOffset, 10).label("X-Offset").unit("Pixels"),
    number(watermarkGroup, "Image Y Offset", &S::imageYOffset, 10).label("Y-Offset").unit("Pixels"),
    number(watermarkGroup, "Image Rotation", &S::watermarkImageRotation, 0).label("Rotation Angle").range(0, 360),
    choice(watermarkGroup, "Image Size", &S::imageSize, 0).label("Size", &sizeModeChoices),
    number(watermarkGroup, "Image Scale", &S::imageScale, 10).label("Scale").range(1, 200).enabledBy(&S::imageSize, 1),

    text(advancedGroup, "Filename Mask", &S::filenameMask, "%filename%.%ext%").label("Filename Mask"),
    choice(advancedGroup, "File Timestamp", &S::fileTimestamp, 0).label("File Timestamp", &timestampChoices),
    date(advancedGroup, "Custom Timestamp", &S::customTimestamp).label("Custom Timestamp").enabledBy(&S::fileTimestamp, 2),
    choice(advancedGroup, "Out Folders History", &S::outFoldersHistory, 1)
        .label("Out Folders History", &foldersHistoryChoices),
    number(advancedGroup, "Out Folders Number", &S::outFoldersNumber, 5).label("Out Folders Number").range(1, 50),
    flag(advancedGroup, "Keep Subfolders", &S::keepSubfolders, 1).label("Keep Subfolders"),

    text(fileGroup, "Recent Out Folders", &S::recentOutFolders, ""),
    text(fileGroup, "Recent Files", &S::recentFiles, ""),

    flag(privacyGroup, "Clean Recent Files", &S::cleanRecentFiles, 0),
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

std::span<const SettingField> settingFields() { return fields; }

const SettingField* findSettingField(const std::string& group, const std::string& key) {
  for (const SettingField& field : fields)
    if (strcasecmp(field.group, group.c_str()) == 0 && strcasecmp(field.key, key.c_str()) == 0) return &field;
  return nullptr;
}

const SettingField* settingFieldOf(FieldRef field) {
  for (const SettingField& row : fields)
    if (row.field == field) return &row;
  return nullptr;
}

int32_t fieldNumber(FieldRef field) {
  if (field.small) return settings.*field.small;
  if (field.number) return settings.*field.number;
  if (field.real) return static_cast<int32_t>(settings.*field.real);
  return 0;
}

void setFieldNumber(FieldRef field, int64_t value) {
  // Fields keep only their own width of the number: two's-complement cut.
  if (field.small) settings.*field.small = static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF));
  if (field.number) settings.*field.number = static_cast<int32_t>(static_cast<uint32_t>(value & 0xFFFFFFFF));
  if (field.real) settings.*field.real = static_cast<float>(value);
}

std::string& fieldText(FieldRef field) { return settings.*field.text; }

void setDesktopSize(int width, int height) {
  desktopWidth = width;
  desktopHeight = height;
}

int32_t centredPosition(int32_t windowSize, int32_t desktopSize) {
  return windowSize < desktopSize ? (desktopSize - windowSize) / 2 : 100;
}

void resetSettings(bool forCommandLine) {
  for (const SettingField& row : fields) {
    if (row.field.text)
      fieldText(row.field) = row.defaultText;
    else if (row.field.real)
      settings.*row.field.real = static_cast<float>(row.defaultNumber);
    else
      setFieldNumber(row.field, row.defaultNumber);
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
