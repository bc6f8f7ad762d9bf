#include "settings/configuration.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "formats/catalogue.h"
#include "text/numbers.h"
#include "text/text.h"
#include "platform/files.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace {

// C `atoi` reading (blanks, sign, decimal digits), widened so that the field
// width alone decides what is kept.
int64_t readInteger(const std::string& value) { return strtoll(value.c_str(), nullptr, 10); }

std::string gammaText(float gamma) {
  if (std::isinf(gamma)) return gamma > 0 ? "+Infinity" : "-Infinity";
  if (std::isnan(gamma)) return "NaN";
  return fixedText(gamma, 6);
}

// A line break inside a value would end its line early, and the rest would
// be read back as a line of its own: a group header or another key. An
// escape is no way out, since files of earlier versions hold every other
// character literally (backslashes in paths, percent signs in masks) and
// could no longer be read as they were written. Line breaks are dropped
// instead, as the preferences window drops them from the watermark text; a
// folder whose name holds one cannot be kept in this file whole.
std::string oneLine(std::string text) {
  text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
  return text;
}

std::string valueText(const SettingField& row) {
  if (row.field.text) return oneLine(fieldText(row.field));
  if (row.field.real) return gammaText(settings.*row.field.real);
  return decimal(fieldNumber(row.field));
}

void readField(const SettingField& row, const IniGroup* group) {
  std::string value;
  if (!findIniValue(group, row.key, value)) return;  // the default stays
  if (row.field.text)
    fieldText(row.field) = trimmed(value);
  else if (row.field.real)
    settings.*row.field.real = static_cast<float>(readCDouble(value));
  else
    setFieldNumber(row.field, readInteger(value));
}

// The number as a 32-bit field keeps it: what C `atoi` gives.
int32_t readInteger32(const std::string& value) {
  return static_cast<int32_t>(static_cast<uint32_t>(readInteger(value) & 0xFFFFFFFF));
}

// Older layouts named two colour-mode keys differently and lacked parts of
// the name mask.
void migrate(const IniFile& ini) {
  if (settings.cfg < 11 && settings.filenameMask.find("%ext%") == std::string::npos)
    settings.filenameMask += ".%ext%";
  // 32-bit arithmetic that wraps, as the field does.
  if (settings.cfg < 14 && settings.rawLoadAs != 0)
    settings.rawLoadAs = static_cast<int32_t>(static_cast<uint32_t>(settings.rawLoadAs) + 2u);
  if (settings.cfg < 19) {
    std::string value;
    if (findIniValue(findIniGroup(ini, inputGroup), "PSD Color Model", value) && readInteger32(value) != 0)
      settings.psdColorMode = readInteger32(value);
    if (findIniValue(findIniGroup(ini, outputGroup), "TIFF Color Model", value) && readInteger32(value) != 0)
      settings.tiffColorMode = readInteger32(value);
  }
}

void appendLine(std::string& out, const std::string& line) { out += line + "\r\n"; }

std::string configurationText() {
  std::string out = "\xEF\xBB\xBF\r\n";
  std::span<const SettingField> fields = settingFields();
  int count = static_cast<int>(fields.size());
  for (int i = 0; i < count;) {
    std::string group = fields[i].group;
    int end = i;
    while (end < count && group == fields[end].group) end++;
    appendLine(out, "[" + group + "]");
    bool windowHidden = group == windowGroup && settings.saveWindowPosition != 1;
    if (!windowHidden) {
      for (int k = i; k < end; k++)
        if (!fields[k].format) appendLine(out, std::string(fields[k].key) + " = " + valueText(fields[k]));
      // Per-format keys only for the formats this system reads and writes.
      const std::vector<std::string>* formats =
          group == inputGroup ? &inputExtensionList() : group == outputGroup ? &outputExtensionList() : nullptr;
      if (formats)
        for (const std::string& format : *formats)
          for (int k = i; k < end; k++)
            if (fields[k].format && format == fields[k].format)
              appendLine(out, std::string(fields[k].key) + " = " + valueText(fields[k]));
    }
    appendLine(out, "; ");
    i = end;
  }
  return out;
}

}  // namespace

std::string configurationPath() {
  std::string base = trimmed(getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "");
  if (base.empty() || base[0] != '/') {
    const char* home = getenv("HOME");
    base = std::string(home ? home : "") + "/.config";
  }
  createFolders(base);
  if (base.back() != '/') base += "/";
  std::string folder = base + "Lumavex/";
  createFolder(folder);
  folder += "zorvane/";
  createFolder(folder);
  settings.configurationPath = folder + "config.ini";
  return settings.configurationPath;
}

void loadConfiguration() {
  IniFile ini;
  if (!readIniFile(settings.configurationPath, ini)) {
    resetSettings(false);
    return;
  }
  // Keys missing from the file keep the defaults, except that a file's
  // window position is never centred and a missing layout version reads 0.
  resetSettings(false);
  settings.x = 100;
  settings.y = 100;
  settings.cfg = 0;
  for (const SettingField& row : settingFields()) readField(row, findIniGroup(ini, row.group));
  migrate(ini);
}

bool saveConfiguration() {
  settings.cfg = 19;
  return writeFileAtomically(settings.configurationPath, configurationText());
}
