#include "cli/long_options.h"

#include <vector>

#include "batch/checks.h"
#include "settings/choices.h"
#include "settings/format_settings.h"
#include "settings/ini_file.h"
#include "text/numbers.h"
#include "text/text.h"

namespace {

using S = Settings;

LongOption num(const char* name, FieldRef field, FieldRef switchField = {}) {
  return {name, OptionKind::Num, field, nullptr, 0, switchField};
}
// Read with the field's own choices unless another list is given.
LongOption key(const char* name, FieldRef field, FieldRef switchField = {}, const ChoiceList* keywords = nullptr) {
  return {name, OptionKind::Key, field, keywords, 0, switchField};
}
LongOption text(const char* name, FieldRef field, FieldRef switchField = {}, int32_t switchValue = 1) {
  return {name, OptionKind::Text, field, nullptr, 0, switchField, switchValue};
}
LongOption on(const char* name, FieldRef field, int32_t value = 1, FieldRef switchField = {}) {
  return {name, OptionKind::Switch, field, nullptr, value, switchField};
}

std::vector<LongOption> buildOptions() {
  std::vector<LongOption> options = {
      key("--DDS-LOAD-AS", &S::ddsLoadAs),
      key("--GIF-FRAME-LOADING", &S::gifFrameLoading),
      key("--ICO-FRAME-LOADING", &S::icoFrameLoading),
      key("--TIFF-FRAME-LOADING", &S::tiffFrameLoading),
      key("--PSD-COLOR-MODE", &S::psdColorMode),
      key("--RAW-LOAD-AS", &S::rawLoadAs),
      num("--RAW-HEADER-SIZE", &S::rawHeaderSize),
      num("--RAW-WIDTH", &S::rawImageWidth),
      num("--RAW-HEIGHT", &S::rawImageHeight),
      key("--RAW-TONE-MAPPING", &S::rawToneMapping),

      key("--BMP-COLOR-TABLE", &S::bmpColorTable),
      key("--JPG-CHROMA", &S::jpgChroma),
      key("--JPG-SAVE-AS", &S::jpgSaveAs),
      on("--PNG-INTERLACED", &S::pngInterlaced),
      // TIFF has two colour modes but reads the words of PSD's three.
      key("--TIFF-COLOR-MODE", &S::tiffColorMode, {}, &colourModeChoices),

      num("--ROTATION", &S::imageRotation, &S::doImageRotation),
      key("--ROTATION-TYPE", &S::imageRotationType),
      text("--ROTATION-BACK-COLOR", &S::imageRotationBackColor),
      num("--WIDTH", &S::imageWidth, &S::doImageResize),
      key("--WIDTH-UNIT", &S::imageWidthUnit),
      num("--HEIGHT", &S::imageHeight, &S::doImageResize),
      key("--HEIGHT-UNIT", &S::imageHeightUnit),
      on("--KEEP-ASPECT-RATIO", &S::keepAspectRatio),
      key("--RESIZE-TYPE", &S::imageResizeType),
      key("--RESIZE-ALGORITHM", &S::imageResizeAlgorithm),
      on("--FLIP-HORIZONTAL", &S::doImageFlipHorizontal),
      on("--FLIP-VERTICAL", &S::doImageFlipVertical),

      num("--BRIGHTNESS", &S::imageBrightness, &S::doImageColorCorrection),
      num("--CONTRAST", &S::imageContrast, &S::doImageColorCorrection),
      {"--GAMMA", OptionKind::Real, &S::imageGamma, nullptr, 0, &S::doImageColorCorrection},
      on("--INVERT", &S::imageInvert, 1, &S::doImageColorCorrection),
      on("--GREYSCALE", &S::doImageGreyscale),
      num("--THRESHOLD", &S::imageThreshold, &S::doImageThreshold),
      key("--DITHER", &S::imageDitherAlgorithm, &S::doImageDither),

      num("--FR-SOLID-LEFT", &S::solidLeft, &S::doFrame),
      num("--FR-SOLID-RIGHT", &S::solidRight, &S::doFrame),
      num("--FR-SOLID-TOP", &S::solidTop, &S::doFrame),
      num("--FR-SOLID-BOTTOM", &S::solidBottom, &S::doFrame),
      text("--FR-SOLID-LEFT-COLOR", &S::solidLeftColor),
      text("--FR-SOLID-RIGHT-COLOR", &S::solidRightColor),
      text("--FR-SOLID-TOP-COLOR", &S::solidTopColor),
      text("--FR-SOLID-BOTTOM-COLOR", &S::solidBottomColor),
      // Profiles have always spelt this one differently.
      {"--FR-SOLID-OPACITY", OptionKind::Num, &S::solidOpacity, nullptr, 0, {}, 1, "--WM-SOLID-OPACITY"},

      text("--WM-TEXT", &S::text, &S::doWatermark, 1),
      text("--WM-FONT", &S::font),
      num("--WM-FONT-SIZE", &S::fontSize),
      num("--WM-FONT-LEADING", &S::fontLeading),
      text("--WM-FONT-COLOR", &S::fontColor),
      key("--WM-FONT-STYLE", &S::fontStyle),
      key("--WM-FONT-EFFECT", &S::fontEffect),
      on("--WM-TEXT-ANTIALIASING", &S::textAntialiasing),
      key("--WM-TEXT-ALIGNMENT", &S::textAlignment),
      num("--WM-TEXT-PADDING", &S::textPadding),
      num("--WM-TEXT-OPACITY", &S::textOpacity),
      text("--WM-BACK-COLOR", &S::backColor),
      num("--WM-BACK-OPACITY", &S::backOpacity),
      key("--WM-TEXT-BOUNDARY", &S::textBoundary),
      key("--WM-TEXT-POSITION", &S::textPosition),
      num("--WM-TEXT-X-OFFSET", &S::textXOffset),
      num("--WM-TEXT-Y-OFFSET", &S::textYOffset),
      num("--WM-TEXT-ROTATION", &S::textRotation),
      key("--WM-TEXT-SIZE", &S::textSize),

      text("--WM-IMAGE", &S::image, &S::doWatermark, 2),
      on("--WM-IMAGE-GREYSCALE", &S::imageGreyscale),
      num("--WM-IMAGE-OPACITY", &S::imageOpacity),
      key("--WM-IMAGE-BOUNDARY", &S::imageBoundary),
      key("--WM-IMAGE-POSITION", &S::imagePosition),
      num("--WM-IMAGE-X-OFFSET", &S::imageXOffset),
      num("--WM-IMAGE-Y-OFFSET", &S::imageYOffset),
      num("--WM-IMAGE-ROTATION", &S::watermarkImageRotation),
      key("--WM-IMAGE-SIZE", &S::imageSize),

      text("--FILENAME-MASK", &S::filenameMask),
      key("--FILE-TIMESTAMP", &S::fileTimestamp),
      num("--FILE-TIMESTAMP-CUSTOM", &S::customTimestamp),
      on("--NO-SUBFOLDERS", &S::keepSubfolders, 0),
      {"--PROFILE", OptionKind::Profile, {}, nullptr, 0, {}, 1, ""},
  };
  // Every output format has its bit depth option, and its quality and
  // compression options where it has those settings.
  for (const OutputFormatSettings& format : outputFormatSettings()) {
    std::string stem = "--" + toUpperAscii(format.extension);
    options.push_back({stem + "-BPP", OptionKind::Num, format.bitsPerPixel});
    if (format.quality) options.push_back({stem + "-QUALITY", OptionKind::Num, format.quality});
    if (format.compression)
      options.push_back({stem + "-COMPRESSION", OptionKind::Key, format.compression, &compressionKeywords});
  }
  return options;
}

const LongOption* findOption(const std::string& name, bool inProfile) {
  for (const LongOption& option : longOptions()) {
    const std::string& optionName = inProfile && option.profileName ? option.profileName : option.name;
    if (name == optionName) return &option;
  }
  return nullptr;
}

const ChoiceList& keywordsOf(const LongOption& option) {
  if (option.keywords) return *option.keywords;
  return *settingFieldOf(option.field)->editing.choices;
}

// Stores a value by the option's kind, then turns on its switch field.
void applyValue(const LongOption& option, const std::string& value) {
  switch (option.kind) {
    case OptionKind::Num:
      setFieldNumber(option.field, readNum(value));
      break;
    case OptionKind::Real:
      settings.*option.field.real = readReal(value);
      break;
    case OptionKind::Key:
      setFieldNumber(option.field, keywordValue(keywordsOf(option), value));
      break;
    case OptionKind::Text:
      fieldText(option.field) = value;
      break;
    case OptionKind::Switch:
      setFieldNumber(option.field, option.value);
      break;
    case OptionKind::Profile:
      return;
  }
  if (option.switchField) setFieldNumber(option.switchField, option.switchValue);
}

}  // namespace

std::span<const LongOption> longOptions() {
  static const std::vector<LongOption> options = buildOptions();
  return options;
}

OptionResult applyLongOption(const std::string& name, const std::string& value) {
  const LongOption* option = findOption(name, false);
  if (!option) return OptionResult::NotAnOption;
  if (option->kind != OptionKind::Switch && (value.empty() || value.compare(0, 2, "--") == 0))
    return OptionResult::BadValue;
  if (option->kind == OptionKind::Profile) return loadProfile(value) ? OptionResult::Applied : OptionResult::BadProfile;
  applyValue(*option, value);
  return OptionResult::Applied;
}

bool loadProfile(const std::string& path) {
  IniFile ini;
  if (checkProfileFile(path) || !readIniFile(path, ini)) return false;
  const IniGroup* group = findIniGroup(ini, "CLI");
  if (!group) return true;
  for (const IniEntry& entry : group->entries) {
    const LongOption* option = findOption(toUpperAscii(entry.key), true);
    if (!option || option->kind == OptionKind::Profile) continue;
    std::string value = trimmed(entry.value);
    // A mask may be written in quotes.
    if (option->field == FieldRef(&S::filenameMask)) value = trimmed(value, "\"");
    applyValue(*option, value);
  }
  return true;
}
