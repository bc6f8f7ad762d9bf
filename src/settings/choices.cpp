#include "settings/choices.h"

#include "text/text.h"

namespace {

constexpr Choice updateRanges[] = {{nullptr, 0, "Every day"},      {nullptr, 1, "Every week"},
                                   {nullptr, 2, "Every month"},    {nullptr, 3, "Every 3 months"},
                                   {nullptr, 4, "Every 6 months"}, {nullptr, 5, "Never"}};
constexpr Choice uiSizes[] = {{nullptr, 0, "Small"}, {nullptr, 1, "Medium"}, {nullptr, 2, "Large"}};
constexpr Choice ddsLoadAs[] = {{"AUTO", 0, "Auto"}, {"BGRA", 1, "BGRA"}, {"RGBA", 2, "RGBA"}};
constexpr Choice frameLoadings[] = {{"ALL", 0, "All Frames"},
                                    {"FIRST", 1, "First Frame"},
                                    {"MIDDLE", 2, "Middle Frame"},
                                    {"LAST", 3, "Last Frame"},
                                    {"RANDOM", 4, "Random Frame"}};
constexpr Choice colourModes[] = {{"RGB", 0, "RGB"}, {"CMYK", 1, "CMYK"}, {"LAB", 2, "LAB"}};
constexpr Choice rawLoadAs[] = {{"AUTO", 0, "Auto"},       {"8", 1, "RGB8"},     {"16", 2, "RGB16"},
                                {"24", 3, "RGB24"},        {"48HS", 4, "RGB48HS"}, {"48", 5, "RGB48"}};
constexpr Choice toneMappings[] = {{"NONE", 0, "None"},
                                   {"LINEAR", 1, "Linear"},
                                   {"AL", 2, "Adaptive Logarithmic"},
                                   {"DRR", 3, "DR Reduction"},
                                   {"GD", 4, "Gradient Domain"}};
constexpr Choice rleCompressions[] = {{"NONE", 0, "None"}, {"RLE", 1, "RLE"}};
constexpr Choice exrCompressions[] = {
    {"NONE", 0, "None"}, {"ZIP", 1, "ZIP"}, {"PIZ", 2, "PIZ"}, {"PXR24", 3, "PXR24"}, {"B44", 4, "B44"}};
constexpr Choice pngCompressions[] = {
    {"NONE", 0, "None"}, {"ZLIB1", 1, "ZLIB1"}, {"ZLIB6", 2, "ZLIB6"}, {"ZLIB9", 3, "ZLIB9"}};
constexpr Choice tiffCompressions[] = {{"NONE", 0, "None"},         {"CCITTFAX3", 1, "CCITTFAX3"},
                                       {"CCITTFAX4", 2, "CCITTFAX4"}, {"PACKBITS", 3, "PACKBITS"},
                                       {"DEFLATE", 4, "DEFLATE"},     {"ADOBEDEFLATE", 5, "ADOBEDEFLATE"},
                                       {"LZW", 6, "LZW"},             {"JPEG", 7, "JPEG"},
                                       {"LOGLUV", 8, "LOGLUV"}};
// The five formats' own lists run together, in the order bmp/tga, exr, png, tiff.
constexpr Choice allCompressions[] = {
    {"NONE", 0, nullptr},      {"RLE", 1, nullptr},          {"ZIP", 1, nullptr},      {"PIZ", 2, nullptr},
    {"PXR24", 3, nullptr},     {"B44", 4, nullptr},          {"ZLIB1", 1, nullptr},    {"ZLIB6", 2, nullptr},
    {"ZLIB9", 3, nullptr},     {"CCITTFAX3", 1, nullptr},    {"CCITTFAX4", 2, nullptr}, {"PACKBITS", 3, nullptr},
    {"DEFLATE", 4, nullptr},   {"ADOBEDEFLATE", 5, nullptr}, {"LZW", 6, nullptr},      {"JPEG", 7, nullptr},
    {"LOGLUV", 8, nullptr}};
constexpr Choice colourTables[] = {{"AUTO", 0, "Auto"}, {"EXACT", 1, "Exact"}};
constexpr Choice chromas[] = {{"NONE", 0, "None"}, {"LOW", 1, "Low"}, {"MEDIUM", 2, "Medium"}, {"HIGH", 3, "High"}};
constexpr Choice saveAs[] = {{"STANDARD", 0, "Baseline Standard"},
                             {"SIMPLE", 1, "Baseline Simple"},
                             {"OPTIMIZED", 2, "Baseline Optimized"},
                             {"PROGRESSIVE", 3, "Progressive"}};
constexpr Choice rotationTypes[] = {{"SIMPLE", 0, "Simple Rotation"}, {"ADVANCED", 1, "Advanced Rotation"}};
constexpr Choice sizeUnits[] = {{"PIXELS", 0, "Pixels"}, {"PERCENT", 1, "Percent"}};
constexpr Choice resizeTypes[] = {{"ALLIMAGES", 0, "All Images"}, {"LARGEIMAGES", 1, "Large Images"}};
constexpr Choice resizeAlgorithms[] = {{"BOX", 0, "Box"},         {"BILINEAR", 1, "Bilinear"},
                                       {"BSPLINE", 2, "Bspline"}, {"BICUBIC", 3, "Bicubic"},
                                       {"CATMULLROM", 4, "Catmullrom"}, {"LANCZOS", 5, "Lanczos"}};
constexpr Choice dithers[] = {{"FS", 0, "FS"},           {"BAYER4", 1, "Bayer4"},     {"BAYER8", 2, "Bayer8"},
                              {"BAYER16", 3, "Bayer16"}, {"CLUSTER6", 4, "Cluster6"}, {"CLUSTER8", 5, "Cluster8"},
                              {"CLUSTER16", 6, "Cluster16"}};
constexpr Choice frameTypes[] = {{"NONE", 0, "None"}, {"SOLID", 1, "Frame Solid"}};
constexpr Choice watermarkTypes[] = {
    {"NONE", 0, "None"}, {"TEXT", 1, "Watermark Text"}, {"IMAGE", 2, "Watermark Image"}};
constexpr Choice fontStyles[] = {
    {"REGULAR", 0, "Regular"}, {"BOLD", 1, "Bold"}, {"ITALIC", 2, "Italic"}, {"BOLDITALIC", 3, "Bold Italic"}};
constexpr Choice fontEffects[] = {{"NONE", 0, "None"}, {"UNDERLINE", 1, "Underline"}, {"STRIKETHROUGHT", 2, "Strikeout"}};
constexpr Choice alignments[] = {{"LEFT", 0, "Align Left"}, {"CENTER", 1, "Align Center"}, {"RIGHT", 2, "Align Right"}};
constexpr Choice boundaries[] = {{"IMAGE", 0, "Bound Image"}, {"FRAME", 1, "Bound Frame"}};
constexpr Choice positions[] = {{"TOPLEFT", 0, "Top-Left"},         {"TOPCENTER", 1, "Top-Center"},
                                {"TOPRIGHT", 2, "Top-Right"},       {"MIDDLELEFT", 3, "Middle-Left"},
                                {"MIDDLECENTER", 4, "Middle-Center"}, {"MIDDLERIGHT", 5, "Middle-Right"},
                                {"BOTTOMLEFT", 6, "Bottom-Left"},   {"BOTTOMCENTER", 7, "Bottom-Center"},
                                {"BOTTOMRIGHT", 8, "Bottom-Right"}};
constexpr Choice sizeModes[] = {{"FIXED", 0, "Fixed"}};
constexpr Choice timestamps[] = {{"CURRENT", 0, "Current"}, {"ORIGINAL", 1, "Original"}, {"CUSTOM", 2, "Custom"}};
constexpr Choice foldersHistories[] = {{nullptr, 0, "Clean On Exit"}, {nullptr, 1, "Keep Folders"}};

}  // namespace

const ChoiceList updateRangeChoices{updateRanges}, uiSizeChoices{uiSizes}, ddsLoadAsChoices{ddsLoadAs},
    frameLoadingChoices{frameLoadings}, colourModeChoices{colourModes},
    tiffColourModeChoices{std::span<const Choice>(colourModes).first(2)}, rawLoadAsChoices{rawLoadAs},
    toneMappingChoices{toneMappings}, rleCompressionChoices{rleCompressions}, exrCompressionChoices{exrCompressions},
    pngCompressionChoices{pngCompressions}, tiffCompressionChoices{tiffCompressions},
    colourTableChoices{colourTables}, chromaChoices{chromas}, saveAsChoices{saveAs},
    rotationTypeChoices{rotationTypes}, sizeUnitChoices{sizeUnits}, resizeTypeChoices{resizeTypes},
    resizeAlgorithmChoices{resizeAlgorithms}, ditherChoices{dithers}, frameTypeChoices{frameTypes, true},
    watermarkTypeChoices{watermarkTypes, true}, fontStyleChoices{fontStyles}, fontEffectChoices{fontEffects},
    alignmentChoices{alignments}, boundaryChoices{boundaries}, positionChoices{positions},
    sizeModeChoices{sizeModes}, timestampChoices{timestamps}, foldersHistoryChoices{foldersHistories};

const ChoiceList compressionKeywords{allCompressions};

int32_t keywordValue(const ChoiceList& list, const std::string& text) {
  if (list.reportOnly) return 0;
  std::string word = toUpperAscii(trimmed(text, " "));
  for (const Choice& choice : list.items)
    if (choice.keyword && word == choice.keyword) return choice.value;
  return 0;
}

std::string keywordText(const ChoiceList& list, int32_t number) {
  for (const Choice& choice : list.items)
    if (choice.keyword && choice.value == number) return toLowerAscii(choice.keyword);
  return "";
}
