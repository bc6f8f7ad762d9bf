// The one process-wide settings record: every option of the system, its
// defaults, and the table that names each field by its configuration key.
#pragma once
#include <cstdint>
#include <span>
#include <string>

struct Settings {
  // General
  int32_t cfg;
  std::string language;
  int32_t updateRange;
  int32_t updateDate;
  int8_t saveWindowPosition;
  // Window
  int8_t isMaximized;
  int32_t width, height, x, y;
  // Interface
  std::string uiTheme;
  int32_t uiSize;
  // Input
  std::string inputFormat;
  int32_t ddsLoadAs, gifFrameLoading, icoFrameLoading, tiffFrameLoading, psdColorMode;
  int32_t rawLoadAs, rawHeaderSize, rawImageWidth, rawImageHeight, rawToneMapping;
  // Output
  std::string outputFormat;
  int32_t bmpBpp, bmpCompression, bmpColorTable, ddsBpp, exrBpp, exrCompression, gifBpp, hdrBpp, icoBpp;
  int32_t j2kBpp, jngBpp, jp2Bpp, jpgBpp, jpgQuality, jpgChroma, jpgSaveAs, jxrBpp, pbmBpp, pcxBpp;
  int32_t pfmBpp, pgmBpp, pngBpp, pngCompression;
  int8_t pngInterlaced;
  int32_t ppmBpp, psdBpp, tgaBpp, tgaCompression, tiffBpp, tiffCompression, tiffColorMode;
  int32_t wbmpBpp, webpBpp, webpQuality, xpmBpp;
  // Transform
  int8_t doImageRotation, imageRotationType;
  int32_t imageRotation;
  std::string imageRotationBackColor;
  int8_t doImageResize;
  int32_t imageWidth;
  int8_t imageWidthUnit;
  int32_t imageHeight;
  int8_t imageHeightUnit, keepAspectRatio, imageResizeType, imageResizeAlgorithm;
  int8_t doImageFlipHorizontal, doImageFlipVertical;
  // Adjustment
  int8_t doImageColorCorrection;
  int32_t imageBrightness, imageContrast;
  float imageGamma;
  int8_t imageInvert, doImageGreyscale, doImageThreshold;
  int32_t imageThreshold;
  int8_t doImageDither, imageDitherAlgorithm;
  // Frame
  int8_t doFrame;
  int32_t solidLeft, solidRight, solidTop, solidBottom;
  std::string solidLeftColor, solidRightColor, solidTopColor, solidBottomColor;
  int32_t solidOpacity;
  // Watermark
  int8_t doWatermark;
  std::string text, fonts, font;
  int32_t fontSize, fontLeading;
  std::string fontColors, fontColor;
  int8_t fontStyle, fontEffect, textAntialiasing, textAlignment;
  int32_t textPadding, textOpacity;
  std::string backColors, backColor;
  int32_t backOpacity;
  int8_t textBoundary, textPosition;
  int32_t textXOffset, textYOffset, textRotation;
  int8_t textSize;
  int32_t textScale;
  std::string image;
  int8_t imageGreyscale;
  int32_t imageOpacity;
  int8_t imageBoundary, imagePosition;
  int32_t imageXOffset, imageYOffset;
  int32_t watermarkImageRotation;  // key `Image Rotation` of the Watermark group
  int8_t imageSize;
  int32_t imageScale;
  // Advanced
  std::string filenameMask;
  int8_t fileTimestamp;
  int32_t customTimestamp;
  int8_t outFoldersHistory, outFoldersNumber, keepSubfolders;
  // File
  std::string recentOutFolders, recentFiles;
  // Privacy
  int8_t cleanRecentFiles;

  // Not an option: where the desktop application keeps the record.
  std::string configurationPath;
};

extern Settings settings;

// The groups of the record, named as the configuration file names them.
inline constexpr const char* generalGroup = "General";
inline constexpr const char* windowGroup = "Window";
inline constexpr const char* interfaceGroup = "Interface";
inline constexpr const char* inputGroup = "Input";
inline constexpr const char* outputGroup = "Output";
inline constexpr const char* transformGroup = "Transform";
inline constexpr const char* adjustmentGroup = "Adjustment";
inline constexpr const char* frameGroup = "Frame";
inline constexpr const char* watermarkGroup = "Watermark";
inline constexpr const char* advancedGroup = "Advanced";
inline constexpr const char* fileGroup = "File";
inline constexpr const char* privacyGroup = "Privacy";

enum class FieldKind { Flag, Choice, Number, Real, Text, Colour, Date };

// A field of the record named by its member pointer; exactly one pointer is
// set, and its type gives the field's width. Tables refer to fields this
// way, so a misspelt field fails to compile.
struct FieldRef {
  int8_t Settings::*small = nullptr;
  int32_t Settings::*number = nullptr;
  float Settings::*real = nullptr;
  std::string Settings::*text = nullptr;

  constexpr FieldRef() = default;
  constexpr FieldRef(int8_t Settings::*field) : small(field) {}
  constexpr FieldRef(int32_t Settings::*field) : number(field) {}
  constexpr FieldRef(float Settings::*field) : real(field) {}
  constexpr FieldRef(std::string Settings::*field) : text(field) {}
  constexpr bool operator==(const FieldRef&) const = default;
  constexpr explicit operator bool() const { return small || number || real || text; }
};

struct ChoiceList;

// How the preferences window edits a field and how reports name its values.
struct FieldEditing {
  const char* label = nullptr;            // key of its label in group "Preferences"; nullptr: no label
  const ChoiceList* choices = nullptr;    // the values a list offers, with their keywords
  int32_t minimum = 0, maximum = 0;       // range of its slider and spin box, both 0 when unbounded
  int32_t sliderShift = 0;                // the slider shows the value plus this (brightness: 0..200)
  int32_t scale = 1;                      // the controls hold the value times this (gamma: hundredths)
  const char* unit = nullptr;             // key of the unit shown beside a number field
  FieldRef enabledBy;                     // the field whose value enables this one's control
  int32_t enabledWhen = 1;                // ... when it holds this value
};

// One field of the record: its key in the configuration file, its default,
// and how it is edited.
struct SettingField {
  const char* group;
  const char* key;
  FieldKind kind;
  FieldRef field;
  int32_t defaultNumber;
  const char* defaultText;
  // For a per-format key, the extension of its format ("pcx" for `PCX BPP`);
  // the configuration writer writes only the keys of formats in use.
  const char* format;
  FieldEditing editing;

  // Table-building modifiers, each returning the changed row.
  constexpr SettingField label(const char* key_, const ChoiceList* choices = nullptr) const {
    SettingField row = *this;
    row.editing.label = key_;
    row.editing.choices = choices;
    return row;
  }
  constexpr SettingField range(int32_t minimum, int32_t maximum, int32_t sliderShift = 0, int32_t scale = 1) const {
    SettingField row = *this;
    row.editing.minimum = minimum;
    row.editing.maximum = maximum;
    row.editing.sliderShift = sliderShift;
    row.editing.scale = scale;
    return row;
  }
  constexpr SettingField unit(const char* key_) const {
    SettingField row = *this;
    row.editing.unit = key_;
    return row;
  }
  constexpr SettingField enabledBy(FieldRef field_, int32_t value = 1) const {
    SettingField row = *this;
    row.editing.enabledBy = field_;
    row.editing.enabledWhen = value;
    return row;
  }
};

// Every field, grouped as the configuration file is and in its written order.
std::span<const SettingField> settingFields();

// The field of a key in a group, both matched without regard to letter case.
const SettingField* findSettingField(const std::string& group, const std::string& key);

// The row of a field; every field of the record has one (a test walks them).
const SettingField* settingFieldOf(FieldRef field);

// Reading and storing a field's value. Numbers are cut to the field's width
// (storing 300 into an 8-bit field keeps 44).
int32_t fieldNumber(FieldRef field);
void setFieldNumber(FieldRef field, int64_t value);
std::string& fieldText(FieldRef field);

// Sets every option to its default. `forCommandLine` decides only
// `Keep Aspect Ratio` (0 for the command line, 1 otherwise).
void resetSettings(bool forCommandLine);

// The size of the primary desktop, which the reset centres the window on; the
// desktop face tells it at start-up (0 x 0, the default, centres nothing).
void setDesktopSize(int width, int height);

// The default window position on a desktop of the given size.
int32_t centredPosition(int32_t windowSize, int32_t desktopSize);

struct Colour {
  uint8_t red, green, blue;
};

// Six hexadecimal digits RRGGBB (either case); a text of any other number of
// characters is black, and each pair stops at its first character that is
// no hexadecimal digit.
Colour colourFromHex(const std::string& text);
// Six upper-case hexadecimal digits, red first.
std::string colourToHex(Colour colour);
