// The named values of the settings that hold a choice: for each value its
// keyword on the command line and the key of its label in the language
// table's "Preferences" group. The number of a value is its index unless
// the list gives another one.
#pragma once
#include <cstdint>
#include <span>
#include <string>

struct Choice {
  const char* keyword;  // as the command line writes it (upper case); nullptr when it has none
  int32_t value;
  const char* label;    // key in group "Preferences"; nullptr when no window lists it
};

struct ChoiceList {
  std::span<const Choice> items;
  // Lists that only name values in the settings report: reading a word
  // with them gives 0.
  bool reportOnly = false;
};

extern const ChoiceList updateRangeChoices, uiSizeChoices, ddsLoadAsChoices, frameLoadingChoices,
    colourModeChoices, tiffColourModeChoices, rawLoadAsChoices, toneMappingChoices, rleCompressionChoices,
    exrCompressionChoices, pngCompressionChoices, tiffCompressionChoices, colourTableChoices, chromaChoices,
    saveAsChoices, rotationTypeChoices, sizeUnitChoices, resizeTypeChoices, resizeAlgorithmChoices, ditherChoices,
    frameTypeChoices, watermarkTypeChoices, fontStyleChoices, fontEffectChoices, alignmentChoices, boundaryChoices,
    positionChoices, sizeModeChoices, timestampChoices, foldersHistoryChoices;

// Every compression keyword of every format, each numbered within its own
// format: the command line reads any of them for any format.
extern const ChoiceList compressionKeywords;

// The number of a keyword (the text trimmed of blanks and upper-cased
// first); 0 for an unknown word and for report-only lists.
int32_t keywordValue(const ChoiceList& list, const std::string& text);

// The keyword of a number in lower case; "" when the list has none for it.
std::string keywordText(const ChoiceList& list, int32_t number);
