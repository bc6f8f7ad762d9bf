#include "manual.h"

#include <algorithm>
#include <vector>

#include "cli/command_line.h"
#include "cli/long_options.h"
#include "cli/reference.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "settings/choices.h"
#include "setting_descriptions.h"
#include "text/numbers.h"
#include "text/product.h"
#include "text/text.h"

namespace {

std::string html(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

std::string code(const std::string& text) { return "<code>" + html(text) + "</code>"; }

// Settings of formats outside the system's lists are kept but never used.
bool inUse(const SettingField& row) {
  if (!row.format) return true;
  const std::vector<std::string>& formats =
      std::string(row.group) == inputGroup ? inputExtensionList() : outputExtensionList();
  return std::find(formats.begin(), formats.end(), row.format) != formats.end();
}

// A number of the field as the console writes it: a keyword, on or off, or digits.
std::string valueOf(const SettingField& row, int32_t number) {
  if (row.kind == FieldKind::Flag) return number ? "on" : "off";
  if (row.editing.choices) {
    std::string word = keywordText(*row.editing.choices, number);
    if (!word.empty()) return word;
  }
  return decimal(number);
}

std::string defaultOf(const SettingField& row) {
  if (row.kind == FieldKind::Flag) return valueOf(row, fieldNumber(row.field));
  if (row.field.text) return fieldText(row.field).empty() ? "empty" : code(fieldText(row.field));
  return html(defaultShown(row));
}

std::string optionsOf(const SettingField& row) {
  std::vector<std::string> parts;
  for (const LongOption& option : longOptions()) {
    if (option.kind == OptionKind::Profile) continue;
    std::string name = toLowerAscii(option.name);
    if (option.field == row.field) {
      std::string value = valueName(option);
      std::string text = code(name + (value.empty() ? "" : "=" + value));
      if (option.kind == OptionKind::Switch && option.value != 1) text += " sets " + valueOf(row, option.value);
      std::vector<std::string> words = keywordsOf(option);
      if (!words.empty()) text += "<br>WORD: " + html(joinText(words, ", "));
      if (option.profileName && *option.profileName && option.name != option.profileName)
        text += "<br>in profiles " + code(toLowerAscii(option.profileName));
      parts.push_back(text);
    } else if (option.switchField == row.field) {
      parts.push_back(valueOf(row, option.switchValue) + " with " + code(name));
    }
  }
  return parts.empty() ? "&mdash;" : joinText(parts, "<br>");
}

std::string settingsTable(const std::string& group) {
  std::string rows;
  for (const SettingField& row : settingFields()) {
    if (group != row.group || !inUse(row)) continue;
    const char* description = settingDescription(row.field);
    std::string range = rangeText(row);
    resetSettings(false);
    std::string desktop = defaultOf(row);
    resetSettings(true);
    std::string console = defaultOf(row);
    std::string label = labelOf(row);
    rows += "<tr><td>" + (label == row.key ? code(row.key) : "<b>" + html(label) + "</b><br><small>" + code(row.key) + "</small>") + "</td><td>" +
            (description ? description : "<span class=\"undescribed\">(not described)</span>") +
            (range.empty() ? "" : " <small>" + html(range) + "</small>") + "</td><td>" + optionsOf(row) +
            "</td><td>" + desktop + (console == desktop ? "" : "<br>console: " + console) + "</td></tr>\n";
  }
  return "<table class=\"settings\">\n<tr><th>Setting<br><small>key in the configuration file</small></th>"
         "<th>What it does</th><th>Console option</th><th>Default</th></tr>\n" +
         rows + "</table>";
}

std::string otherOptions() {
  std::vector<std::string> names;
  for (const LongOption& option : longOptions()) {
    const SettingField* row = settingFieldOf(option.field);
    if (row && !inUse(*row)) names.push_back(code(toLowerAscii(option.name)));
  }
  return joinText(names, ", ");
}

std::string helpText() {
  std::string text;
  for (const char* line : helpLines()) text += html(fillPlaceholders(line, "zorvane", inputExtensionList().front())) + "\n";
  return "<pre>" + text + "</pre>";
}

// The stage pictures: "name | caption | options" a line, "#" opening a comment line.
std::string pictureGallery(const std::string& pictures) {
  std::string out;
  for (const std::string& line : splitText(pictures, '\n')) {
    std::vector<std::string> parts = splitText(line, '|');
    if (line.compare(0, 1, "#") == 0 || parts.size() != 3) continue;
    std::string name = trimmed(parts[0], " "), caption = trimmed(parts[1], " "), options = trimmed(parts[2], " ");
    out += "<figure><img src=\"pictures/" + html(name) + ".png\" alt=\"" + html(caption) + "\"><figcaption>" +
           html(caption) + (options.empty() ? "" : "<br>" + code(options)) + "</figcaption></figure>\n";
  }
  return "<div class=\"gallery\">\n" + out + "</div>";
}

}  // namespace

std::string userManual(const std::string& page, const std::string& pictures) {
  std::string out;
  for (const std::string& line : splitText(page, '\n')) {
    std::string mark = trimmed(line, " ");
    const std::string settingsMark = "<!-- settings ";
    if (mark.compare(0, settingsMark.size(), settingsMark) == 0 && mark.size() > settingsMark.size() + 4)
      out += settingsTable(mark.substr(settingsMark.size(), mark.size() - settingsMark.size() - 4));
    else if (mark == "<!-- other options -->")
      out += otherOptions();
    else if (mark == "<!-- help -->")
      out += helpText();
    else if (mark == "<!-- pictures -->")
      out += pictureGallery(pictures);
    else
      out += replaceIgnoringCase(line, "<!-- title -->", html(titleText()));
    out += "\n";
  }
  resetSettings(true);
  return out;
}
