// What the settings hold for each picture format: the one table that the
// long options, the settings report, the preferences window's format
// sub-panels and the preparation of a run's output format all read.
#pragma once
#include <span>
#include <string>

#include "settings/settings.h"

struct ChoiceList;

// A further setting of a format, in the order the report and the format's
// sub-panel show them.
struct FormatField {
  FieldRef field;
  const char* reportLabel = nullptr;          // when not the key followed by ": "
  const ChoiceList* reportChoices = nullptr;  // when the report names values by another list than the field's
};

struct OutputFormatSettings {
  const char* extension;
  int32_t Settings::*bitsPerPixel;
  int32_t Settings::*quality;      // checked to lie in its range; nullptr when the format has none
  int32_t Settings::*compression;  // nullptr when the format has none
  std::span<const FormatField> more;
};

struct InputFormatSettings {
  const char* extension;
  std::span<const FormatField> fields;
};

std::span<const OutputFormatSettings> outputFormatSettings();
std::span<const InputFormatSettings> inputFormatSettings();

// The row of an extension; none for a format the table does not know.
const OutputFormatSettings* outputFormatSettingsOf(const std::string& extension);
const InputFormatSettings* inputFormatSettingsOf(const std::string& extension);

// The label a report gives a format's field: its own, or the key and ": ".
std::string reportLabelOf(const FormatField& field);
