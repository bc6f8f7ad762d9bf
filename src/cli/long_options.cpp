#include "cli/long_options.h"

#include <cstdio>

#include "i18n/text.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace {

struct Keyword {
  const char* word;
  int32_t number;
};

struct KeywordList {
  std::initializer_list<Keyword> words;
};

// Lists 14 and 15 only name values in reports; they set nothing.
const KeywordList keywordLists[] = {
    {{{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}}},
    {{{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}}},
    {{{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}}},
    {{{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}}},
    {{{"NONE", 0}, {"RLE", 1}, {"ZIP", 1}, {"PIZ", 2}, {"PXR24", 3}, {"B44", 4}, {"ZLIB1", 1}, {"ZLIB6", 2},
      {"ZLIB9", 3}, {"CCITTFAX3", 1}, {"CCITTFAX4", 2}, {"PACKBITS", 3}, {"DEFLATE", 4}, {"ADOBEDEFLATE", 5},
      {"LZW", 6}, {"JPEG", 7}, {"LOGLUV", 8}}},
    {{{"AUTO", 0}, {"EXACT", 1}}},
    {{{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}}},
    {{{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}}},
    {{{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}}},
    {{{"SIMPLE", 0}, {"ADVANCED", 1}}},
    {{{"PIXELS", 0}, {"PERCENT", 1}}},
    {{{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}}},
    {{{"BOX", 0}, {"BILINEAR", 1}, {"BSPLINE", 2}, {"BICUBIC", 3}, {"CATMULLROM", 4}, {"LANCZOS", 5}}},
    {{{"FS", 0}, {"BAYER4", 1}, {"BAYER8", 2}, {"BAYER16", 3}, {"CLUSTER6", 4}, {"CLUSTER8", 5}, {"CLUSTER16", 6}}},
    {{{"NONE", 0}, {"SOLID", 1}}},
    {{{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}}},
    {{{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}}},
    {{{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}}},
    {{{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}}},
    {{{"IMAGE", 0}, {"FRAME", 1}}},
    {{{"TOPLEFT", 0}, {"TOPCENTER", 1}, {"TOPRIGHT", 2}, {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5},
      {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}}},
    {{{"FIXED", 0}}},
    {{{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}}},
};
const int keywordListCount = static_cast<int>(sizeof keywordLists / sizeof keywordLists[0]);
const int compressionList = 4;

// Each format's own compressions, numbered from 1 after "NONE".
struct FormatCompressions {
  const char* format;
  std::initializer_list<const char*> words;
};
const FormatCompressions formatCompressions[] = {
    {"bmp", {"NONE", "RLE"}},
    {"tga", {"NONE", "RLE"}},
    {"exr", {"NONE", "ZIP", "PIZ", "PXR24", "B44"}},
    {"png", {"NONE", "ZLIB1", "ZLIB6", "ZLIB9"}},
    {"tiff", {"NONE", "CCITTFAX3", "CCITTFAX4", "PACKBITS", "DEFLATE", "ADOBEDEFLATE", "LZW", "JPEG", "LOGLUV"}},
};

enum class Kind { Num, Real, Key, Text, Switch, Profile };

// One option: the field it sets (group and key of the settings record) and
// the stage switch it turns on as well. A switch stores `value`.
struct Option {
  const char* name;
  Kind kind;
  const char* group;
  const char* key;
  int list = 0;
  int32_t value = 0;
  const char* switchKey = nullptr;  // in the same group
  int32_t switchValue = 1;
  // The name a profile file gives it: the same unless set; "" keeps the
  // option out of profiles.
  const char* profileName = nullptr;
};


Option key(const char* name, const char* group, const char* field, int list) {
  return {name, Kind::Key, group, field, list};
}
Option num(const char* name, const char* group, const char* field, const char* switchKey = nullptr) {
  return {name, Kind::Num, group, field, 0, 0, switchKey};
}
Option text(const char* name, const char* group, const char* field, const char* switchKey = nullptr,
            int32_t switchValue = 1) {
  return {name, Kind::Text, group, field, 0, 0, switchKey, switchValue};
}
Option on(const char* name, const char* group, const char* field, int32_t value = 1, const char* switchKey = nullptr) {
  return {name, Kind::Switch, group, field, 0, value, switchKey};
}

const Option options[] = {
    key("--DDS-LOAD-AS", inputGroup, "DDS Load As", 0),
    key("--GIF-FRAME-LOADING", inputGroup, "GIF Frame Loading", 2),
    key("--ICO-FRAME-LOADING", inputGroup, "ICO Frame Loading", 2),
    key("--TIFF-FRAME-LOADING", inputGroup, "TIFF Frame Loading", 2),
    key("--PSD-COLOR-MODE", inputGroup, "PSD Color Mode", 6),
    key("--RAW-LOAD-AS", inputGroup, "RAW Load As", 1),
    num("--RAW-HEADER-SIZE", inputGroup, "RAW Header Size"),
    num("--RAW-WIDTH", inputGroup, "RAW Image Width"),
    num("--RAW-HEIGHT", inputGroup, "RAW Image Height"),
    key("--RAW-TONE-MAPPING", inputGroup, "RAW Tone Mapping", 3),

    num("--BMP-BPP", outputGroup, "BMP BPP"),
    num("--DDS-BPP", outputGroup, "DDS BPP"),
    num("--EXR-BPP", outputGroup, "EXR BPP"),
    num("--GIF-BPP", outputGroup, "GIF BPP"),
    num("--HDR-BPP", outputGroup, "HDR BPP"),
    num("--ICO-BPP", outputGroup, "ICO BPP"),
    num("--J2K-BPP", outputGroup, "J2K BPP"),
    num("--JNG-BPP", outputGroup, "JNG BPP"),
    num("--JP2-BPP", outputGroup, "JP2 BPP"),
    num("--JPG-BPP", outputGroup, "JPG BPP"),
    num("--JXR-BPP", outputGroup, "JXR BPP"),
    num("--PBM-BPP", outputGroup, "PBM BPP"),
    num("--PCX-BPP", outputGroup, "PCX BPP"),
    num("--PFM-BPP", outputGroup, "PFM BPP"),
    num("--PGM-BPP", outputGroup, "PGM BPP"),
    num("--PNG-BPP", outputGroup, "PNG BPP"),
    num("--PPM-BPP", outputGroup, "PPM BPP"),
    num("--PSD-BPP", outputGroup, "PSD BPP"),
    num("--TGA-BPP", outputGroup, "TGA BPP"),
    num("--TIFF-BPP", outputGroup, "TIFF BPP"),
    num("--WBMP-BPP", outputGroup, "WBMP BPP"),
    num("--WEBP-BPP", outputGroup, "WEBP BPP"),
    num("--XPM-BPP", outputGroup, "XPM BPP"),

    key("--BMP-COMPRESSION", outputGroup, "BMP Compression", compressionList),
    key("--BMP-COLOR-TABLE", outputGroup, "BMP Color Table", 5),
    key("--EXR-COMPRESSION", outputGroup, "EXR Compression", compressionList),
    num("--JPG-QUALITY", outputGroup, "JPG Quality"),
    key("--JPG-CHROMA", outputGroup, "JPG Chroma", 7),
    key("--JPG-SAVE-AS", outputGroup, "JPG Save As", 8),
    key("--PNG-COMPRESSION", outputGroup, "PNG Compression", compressionList),
    on("--PNG-INTERLACED", outputGroup, "PNG Interlaced"),
    key("--TGA-COMPRESSION", outputGroup, "TGA Compression", compressionList),
    key("--TIFF-COMPRESSION", outputGroup, "TIFF Compression", compressionList),
    key("--TIFF-COLOR-MODE", outputGroup, "TIFF Color Mode", 6),
    num("--WEBP-QUALITY", outputGroup, "WEBP Quality"),

    num("--ROTATION", transformGroup, "Image Rotation", "Do Image Rotation"),
    key("--ROTATION-TYPE", transformGroup, "Image Rotation Type", 9),
    text("--ROTATION-BACK-COLOR", transformGroup, "Image Rotation Back Color"),
    num("--WIDTH", transformGroup, "Image Width", "Do Image Resize"),
    key("--WIDTH-UNIT", transformGroup, "Image Width Unit", 10),
    num("--HEIGHT", transformGroup, "Image Height", "Do Image Resize"),
    key("--HEIGHT-UNIT", transformGroup, "Image Height Unit", 10),
    on("--KEEP-ASPECT-RATIO", transformGroup, "Keep Aspect Ratio"),
    key("--RESIZE-TYPE", transformGroup, "Image Resize Type", 11),
    key("--RESIZE-ALGORITHM", transformGroup, "Image Resize Algorithm", 12),
    on("--FLIP-HORIZONTAL", transformGroup, "Do Image Flip Horizontal"),
    on("--FLIP-VERTICAL", transformGroup, "Do Image Flip Vertical"),

    num("--BRIGHTNESS", adjustmentGroup, "Image Brightness", "Do Image Color Correction"),
    num("--CONTRAST", adjustmentGroup, "Image Contrast", "Do Image Color Correction"),
    {"--GAMMA", Kind::Real, adjustmentGroup, "Image Gamma", 0, 0, "Do Image Color Correction"},
    on("--INVERT", adjustmentGroup, "Image Invert", 1, "Do Image Color Correction"),
    on("--GREYSCALE", adjustmentGroup, "Do Image Greyscale"),
    num("--THRESHOLD", adjustmentGroup, "Image Threshold", "Do Image Threshold"),
    {"--DITHER", Kind::Key, adjustmentGroup, "Image Dither Algorithm", 13, 0, "Do Image Dither"},

    num("--FR-SOLID-LEFT", frameGroup, "Solid Left", "Do Frame"),
    num("--FR-SOLID-RIGHT", frameGroup, "Solid Right", "Do Frame"),
    num("--FR-SOLID-TOP", frameGroup, "Solid Top", "Do Frame"),
    num("--FR-SOLID-BOTTOM", frameGroup, "Solid Bottom", "Do Frame"),
    text("--FR-SOLID-LEFT-COLOR", frameGroup, "Solid Left Color"),
    text("--FR-SOLID-RIGHT-COLOR", frameGroup, "Solid Right Color"),
    text("--FR-SOLID-TOP-COLOR", frameGroup, "Solid Top Color"),
    text("--FR-SOLID-BOTTOM-COLOR", frameGroup, "Solid Bottom Color"),
    // Profiles have always spelt this one differently.
    {"--FR-SOLID-OPACITY", Kind::Num, frameGroup, "Solid Opacity", 0, 0, nullptr, 1, "--WM-SOLID-OPACITY"},

    text("--WM-TEXT", watermarkGroup, "Text", "Do Watermark", 1),
    text("--WM-FONT", watermarkGroup, "Font"),
    num("--WM-FONT-SIZE", watermarkGroup, "Font Size"),
    num("--WM-FONT-LEADING", watermarkGroup, "Font Leading"),
    text("--WM-FONT-COLOR", watermarkGroup, "Font Color"),
    key("--WM-FONT-STYLE", watermarkGroup, "Font Style", 16),
    key("--WM-FONT-EFFECT", watermarkGroup, "Font Effect", 17),
    on("--WM-TEXT-ANTIALIASING", watermarkGroup, "Text Antialiasing"),
    key("--WM-TEXT-ALIGNMENT", watermarkGroup, "Text Alignment", 18),
    num("--WM-TEXT-PADDING", watermarkGroup, "Text Padding"),
    num("--WM-TEXT-OPACITY", watermarkGroup, "Text Opacity"),
    text("--WM-BACK-COLOR", watermarkGroup, "Back Color"),
    num("--WM-BACK-OPACITY", watermarkGroup, "Back Opacity"),
    key("--WM-TEXT-BOUNDARY", watermarkGroup, "Text Boundary", 19),
    key("--WM-TEXT-POSITION", watermarkGroup, "Text Position", 20),
    num("--WM-TEXT-X-OFFSET", watermarkGroup, "Text X Offset"),
    num("--WM-TEXT-Y-OFFSET", watermarkGroup, "Text Y Offset"),
    num("--WM-TEXT-ROTATION", watermarkGroup, "Text Rotation"),
    key("--WM-TEXT-SIZE", watermarkGroup, "Text Size", 21),

    text("--WM-IMAGE", watermarkGroup, "Image", "Do Watermark", 2),
    on("--WM-IMAGE-GREYSCALE", watermarkGroup, "Image Greyscale"),
    num("--WM-IMAGE-OPACITY", watermarkGroup, "Image Opacity"),
    key("--WM-IMAGE-BOUNDARY", watermarkGroup, "Image Boundary", 19),
    key("--WM-IMAGE-POSITION", watermarkGroup, "Image Position", 20),
    num("--WM-IMAGE-X-OFFSET", watermarkGroup, "Image X Offset"),
    num("--WM-IMAGE-Y-OFFSET", watermarkGroup, "Image Y Offset"),
    num("--WM-IMAGE-ROTATION", watermarkGroup, "Image Rotation"),
    key("--WM-IMAGE-SIZE", watermarkGroup, "Image Size", 21),

    text("--FILENAME-MASK", advancedGroup, "Filename Mask"),
    key("--FILE-TIMESTAMP", advancedGroup, "File Timestamp", 22),
    num("--FILE-TIMESTAMP-CUSTOM", advancedGroup, "Custom Timestamp"),
    on("--NO-SUBFOLDERS", advancedGroup, "Keep Subfolders", 0),
    {"--PROFILE", Kind::Profile, nullptr, nullptr, 0, 0, nullptr, 1, ""},
};

const Option* findOption(const std::string& name, bool inProfile) {
  for (const Option& option : options) {
    const char* optionName = inProfile && option.profileName ? option.profileName : option.name;
    if (name == optionName) return &option;
  }
  return nullptr;
}

// Stores a value by the option's kind, then turns on its switch field.
void applyValue(const Option& option, const std::string& value) {
  const SettingField* field = findSettingField(option.group, option.key);
  switch (option.kind) {
    case Kind::Num:
      setFieldNumber(*field, readNum(value));
      break;
    case Kind::Real:
      settings.*field->real = readReal(value);
      break;
    case Kind::Key:
      setFieldNumber(*field, keywordValue(option.list, value));
      break;
    case Kind::Text:
      fieldText(*field) = value;
      break;
    case Kind::Switch:
      setFieldNumber(*field, option.value);
      break;
    case Kind::Profile:
      return;
  }
  if (option.switchKey) setFieldNumber(*findSettingField(option.group, option.switchKey), option.switchValue);
}

}  // namespace

int64_t readNum(const std::string& text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;
  uint64_t value = 0;
  for (int digit; i < text.size() && (digit = hexDigitValue(text[i])) >= 0 && digit < base; i++)
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
  return static_cast<int64_t>(negative ? 0 - value : value);
}

float readReal(const std::string& text) {
  float value = 0;
  return sscanf(text.c_str(), "%f", &value) == 1 ? value : 0.0f;
}

int32_t keywordValue(int list, const std::string& text) {
  if (list < 0 || list >= keywordListCount || list == 14 || list == 15) return 0;
  std::string word = toUpperAscii(trimmed(text, " "));
  for (const Keyword& keyword : keywordLists[list].words)
    if (word == keyword.word) return keyword.number;
  return 0;
}

std::string keywordText(int list, int32_t number, const std::string& format) {
  if (list < 0 || list >= keywordListCount) return "";
  if (list == compressionList) {
    for (const FormatCompressions& entry : formatCompressions) {
      if (format != entry.format) continue;
      if (number < 0 || number >= static_cast<int32_t>(entry.words.size())) return "";
      return toLowerAscii(entry.words.begin()[number]);
    }
  }
  for (const Keyword& keyword : keywordLists[list].words)
    if (keyword.number == number) return toLowerAscii(keyword.word);
  return "";
}

OptionResult applyLongOption(const std::string& name, const std::string& value) {
  const Option* option = findOption(name, false);
  if (!option) return OptionResult::NotAnOption;
  if (option->kind != Kind::Switch && (value.empty() || value.compare(0, 2, "--") == 0))
    return OptionResult::BadValue;
  if (option->kind == Kind::Profile) return loadProfile(value) ? OptionResult::Applied : OptionResult::BadProfile;
  applyValue(*option, value);
  return OptionResult::Applied;
}

bool loadProfile(const std::string& path) {
  IniFile ini;
  if (path.empty() || !readIniFile(path, ini)) return false;
  const IniGroup* group = findIniGroup(ini, "CLI");
  if (!group) return true;
  for (const IniEntry& entry : group->entries) {
    const Option* option = findOption(toUpperAscii(entry.key), true);
    if (!option || option->kind == Kind::Profile) continue;
    std::string value = trimmed(entry.value);
    // A mask may be written in quotes.
    if (std::string(option->name) == "--FILENAME-MASK") value = trimmed(value, "\"");
    applyValue(*option, value);
  }
  return true;
}
