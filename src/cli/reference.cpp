#include "cli/reference.h"

#include <vector>

#include "cli/command_line.h"
#include "cli/long_options.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "settings/choices.h"
#include "settings/format_settings.h"
#include "settings/settings.h"
#include "text/numbers.h"
#include "text/product.h"
#include "text/text.h"

namespace {

// An option of the help text: its names as the help shows them and what it does.
struct HelpEntry {
  std::string names;
  std::string text;
};

// The help's option lines ("  -o PATH, --output=PATH    Set output folder").
std::vector<HelpEntry> helpEntries() {
  std::vector<HelpEntry> entries;
  for (const char* line : helpLines()) {
    std::string text = trimmed(line, " ");
    if (text.compare(0, 1, "-") != 0) continue;
    size_t gap = text.find("  ");
    if (gap == std::string::npos) continue;
    entries.push_back({text.substr(0, gap), trimmed(text.substr(gap), " ")});
  }
  return entries;
}

// What the help says of a long option, "" when it does not list it.
std::string helpTextOf(const std::string& longName) {
  for (const HelpEntry& entry : helpEntries()) {
    std::string names = toUpperAscii(entry.names);
    size_t at = names.find(longName);
    size_t end = at + longName.size();
    if (at != std::string::npos && (end == names.size() || names[end] == '=' || names[end] == ','))
      return entry.text;
  }
  return "";
}

// roff text: backslashes and hyphens escaped, no line starting with a dot.
std::string roff(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else out += c;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string lowerName(const LongOption& option) { return toLowerAscii(option.name); }

const ChoiceList* choicesOf(const LongOption& option) {
  // A format's own words document a compression option better than the
  // union it reads.
  const SettingField* row = settingFieldOf(option.field);
  if (row && row->editing.choices) return row->editing.choices;
  return option.keywords;
}

}  // namespace

std::vector<std::string> keywordsOf(const LongOption& option) {
  std::vector<std::string> words;
  if (option.kind != OptionKind::Key) return words;
  if (const ChoiceList* list = choicesOf(option))
    for (const Choice& choice : list->items)
      if (choice.keyword) words.push_back(toLowerAscii(choice.keyword));
  return words;
}

std::string valueName(const LongOption& option) {
  const SettingField* row = settingFieldOf(option.field);
  switch (option.kind) {
    case OptionKind::Num:
    case OptionKind::Real:
      return "NUM";
    case OptionKind::Key:
      return "WORD";
    case OptionKind::Profile:
      return "FILE";
    case OptionKind::Text:
      if (row && row->kind == FieldKind::Colour) return "RRGGBB";
      if (option.field == FieldRef(&Settings::image)) return "FILE";
      return "TEXT";
    case OptionKind::Switch:
      break;
  }
  return "";
}

std::string defaultShown(const SettingField& row) {
  if (row.kind == FieldKind::Date) return "the current date and time";
  FieldRef field = row.field;
  if (field.text) return "\"" + fieldText(field) + "\"";
  if (field.real) return fixedText(settings.*field.real, 2);
  if (const ChoiceList* list = row.editing.choices) {
    int32_t number = fieldNumber(field);
    std::string word = keywordText(*list, number);
    if (!word.empty()) return word;
    // A list that only the preferences window shows has labels, not keywords.
    for (const Choice& choice : list->items)
      if (choice.value == number && choice.label) return lookupText("Preferences", choice.label);
  }
  return decimal(fieldNumber(field));
}

std::string labelOf(const SettingField& row) {
  if (!row.editing.label) return row.key;
  return trimmed(lookupText("Preferences", row.editing.label), " :");
}

std::string rangeText(const SettingField& row) {
  const FieldEditing& editing = row.editing;
  std::string text;
  if (editing.maximum > editing.minimum) {
    if (editing.scale > 1)
      text = "From " + fixedText(static_cast<double>(editing.minimum) / editing.scale, 2) + " to " +
             fixedText(static_cast<double>(editing.maximum) / editing.scale, 2) + ".";
    else
      text = "From " + decimal(editing.minimum) + " to " + decimal(editing.maximum) + ".";
  }
  if (editing.unit) text += (text.empty() ? "In " : " In ") + lookupText("Preferences", editing.unit) + ".";
  return text;
}

namespace {

std::string describe(const LongOption& option) {
  const SettingField* row = settingFieldOf(option.field);
  std::string text = helpTextOf(option.name);
  if (!text.empty()) text += ". ";
  if (!row) return text;
  text += std::string(row->group) + ": " + labelOf(*row) + " (setting \"" + row->key + "\").";
  std::string range = rangeText(*row);
  if (!range.empty()) text += " " + range;
  std::vector<std::string> words = keywordsOf(option);
  if (!words.empty()) text += " WORD is one of: " + joinText(words, ", ") + "; any other word gives the first.";
  if (option.kind == OptionKind::Switch)
    text += " Sets it to " + decimal(option.value) + "; a value after \"=\" is ignored.";
  else
    text += " Default: " + defaultShown(*row) + ".";
  if (option.switchField) {
    const SettingField* stage = settingFieldOf(option.switchField);
    if (stage) text += " Also sets \"" + std::string(stage->key) + "\" to " + decimal(option.switchValue) + ".";
  }
  return text;
}

// The options in the order of the settings they set, grouped as the settings are.
std::vector<const LongOption*> optionsOfGroup(const std::string& group) {
  std::vector<const LongOption*> found;
  for (const SettingField& row : settingFields()) {
    if (group != row.group) continue;
    for (const LongOption& option : longOptions())
      if (option.kind != OptionKind::Profile && option.field == row.field) found.push_back(&option);
  }
  return found;
}

const char* const optionGroups[] = {inputGroup,      outputGroup, transformGroup, adjustmentGroup,
                                    frameGroup,      watermarkGroup, advancedGroup};

}  // namespace

std::string manualPage() {
  resetSettings(true);
  std::string page;
  auto line = [&page](const std::string& text) { page += text + "\n"; };
  line(".TH ZORVANE 1 \"\" \"" + roff(titleText()) + "\" \"User Commands\"");
  line(".SH NAME");
  line("zorvane \\- convert a JPEG photo into a ZSoft PCX file");
  line(".SH SYNOPSIS");
  line(".B zorvane");
  line(".B \\-i");
  line(".I FILE");
  line("[\\fIOPTION\\fR]...");
  line(".br");
  line(".B zorvane");
  line("[\\fIFILE\\fR]");
  line(".SH DESCRIPTION");
  line(roff(std::string(productName)) + " turns a JPEG picture into a 24-bit PCX file through an optional chain of");
  line("stages: rotation, resize, flips, colour correction, greyscale, threshold, dither, a solid frame and a");
  line("text or picture watermark. Given an input file with");
  line(".BR \\-i ,");
  line("it converts that one file on the console and exits. Without parameters, or with parameters that name no");
  line("input file, it opens the desktop application; a single parameter naming an existing file opens it with");
  line("that file as its input.");
  line(".PP");
  line("The console starts from the default settings and applies the options in the order given; a later option");
  line("overrides an earlier one. It never reads or writes the desktop application's configuration file.");
  line("Option names are matched in any letter case; a value follows \"=\" and keeps its case.");
  line("Numbers (NUM) may be written in decimal, as \"$\" and hexadecimal digits, or as \"%\" and binary digits;");
  line("reading stops at the first other character.");
  line(".SH OPTIONS");
  for (const HelpEntry& entry : helpEntries()) {
    if (entry.names.find("--") != std::string::npos && entry.names.compare(0, 2, "--") == 0) continue;
    line(".TP");
    line(".B " + roff(entry.names));
    line(roff(entry.text) + ".");
  }
  for (const char* group : optionGroups) {
    line(".SS " + std::string(group) + " options");
    for (const LongOption* option : optionsOfGroup(group)) {
      line(".TP");
      std::string value = valueName(*option);
      line(".B " + roff(lowerName(*option)) + (value.empty() ? "" : "=\\fI" + value + "\\fR"));
      line(roff(describe(*option)));
    }
  }
  line(".SH PROFILE FILES");
  line(".TP");
  line(".B \\-\\-profile=\\fIFILE\\fR");
  line("Applies the options in the group [CLI] of an INI file, in file order, each key a long option name with");
  line("its leading dashes (\"\\-\\-width = 640\"); switches take any value. The frame opacity is written");
  line(".B \\-\\-wm\\-solid\\-opacity");
  line("there. Options before \\-\\-profile are overridden by the file, options after it override the file.");
  line("A file that is missing, not a regular file or unreadable is refused with \"Error: Invalid profile file\".");
  line(".SH OUTPUT");
  line("The PCX file is named by the file name mask (default \"%filename%.%ext%\") and written under a temporary");
  line("name in the output folder, then renamed over any file of that name once it is complete, so a failed");
  line("conversion never destroys an existing file. Without");
  line(".BR \\-o ,");
  line("the output folder is the input path's folder; when the input path has no folder, and for a relative");
  line(".B \\-o");
  line("folder, the folder is taken inside the folder of the program itself, not the current folder, and");
  line("must exist there. Installed, the program's folder is the bin folder of its installation (such as");
  line(".IR /usr/bin ),");
  line("where the permissions normally refuse the writing: give an absolute");
  line(".B \\-o");
  line("folder there.");
  line(".SH EXIT STATUS");
  line(".TP");
  line(".B 0");
  line("The file was converted, or help, version or the desktop application ran.");
  line(".TP");
  line(".B 1");
  line("A check failed (an \"Error: \" line), nothing was converted, or standard output could not be written.");
  line(".TP");
  line(".B 2");
  line("The parameters were malformed (\"Error: Incorrect number of parameters\" or \"Error: Invalid profile file\").");
  line(".SH FILES");
  line(".TP");
  line(".I $XDG_CONFIG_HOME/Lumavex/zorvane/config.ini");
  line("The desktop application's settings (~/.config when XDG_CONFIG_HOME is not set). The console never uses it.");
  line(".PP");
  line("Below the installation's prefix (the folder above the one holding");
  line(".BR zorvane ,");
  line("such as");
  line(".IR /usr ):");
  line(".TP");
  line(".I lib/zorvane/");
  line("The desktop application zorvane\\-desktop and the drawing module zorvane\\-layers.so.");
  line(".TP");
  line(".I share/zorvane/gfx/");
  line("The theme packs of the desktop application.");
  line(".TP");
  line(".I share/zorvane/samples/landscape.jpg");
  line("A sample photo.");
  line(".TP");
  line(".I share/doc/zorvane/manual.html");
  line("The user manual: every setting with its option and its default, and pictures of what the stages do.");
  line(".SH EXAMPLES");
  line(".EX");
  line("zorvane \\-i /photos/holiday.jpg \\-o /tmp/converted");
  line("zorvane \\-i photo.jpg \\-o /tmp \\-\\-width=640 \\-\\-height=480 \\-\\-keep\\-aspect\\-ratio");
  line("zorvane \\-i photo.jpg \\-o /tmp \\-\\-wm\\-text=\"%filename% %yyyy%\" \\-\\-wm\\-font=Arial");
  line("zorvane \\-i photo.jpg \\-o /tmp \\-d \\-\\-profile=settings.ini");
  line(".EE");
  return page;
}

std::string bashCompletion() {
  std::vector<std::string> names, fileValues = {"--input", "--profile", "--wm-image"};
  std::string cases;
  for (const HelpEntry& entry : helpEntries())
    for (const std::string& part : splitText(entry.names, ',')) {
      std::string name = trimmed(part, " ");
      name = name.substr(0, name.find_first_of(" ="));
      if (name.compare(0, 2, "--") == 0 && name != "--input" && name != "--output" && name != "--conversion" &&
          name != "--profile")
        names.push_back(name);
    }
  names.insert(names.end(), {"-i", "-o", "-c", "--input=", "--output=", "--conversion="});
  for (const LongOption& option : longOptions()) {
    std::string name = lowerName(option);
    names.push_back(option.kind == OptionKind::Switch ? name : name + "=");
    std::vector<std::string> words = keywordsOf(option);
    if (!words.empty()) cases += "      " + name + ") words=\"" + joinText(words, " ") + "\" ;;\n";
  }
  std::string conversions = joinText(outputExtensionList(), " ");
  return "# bash completion for zorvane, made from its own option table\n"
         "_zorvane() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} option=\"\" value words\n"
         "  # bash splits \"--name=value\" at the \"=\"\n"
         "  if [[ $cur == = ]]; then option=$prev; value=\"\"\n"
         "  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then option=${COMP_WORDS[COMP_CWORD-2]}; value=$cur\n"
         "  elif [[ $cur == --*=* ]]; then option=${cur%%=*}; value=${cur#*=}\n"
         "  fi\n"
         "  if [[ -n $option ]]; then\n"
         "    option=${option,,}\n"
         "    case $option in\n"
         "      --input|--profile|--wm-image) COMPREPLY=($(compgen -f -- \"$value\")) ;;\n"
         "      --output) COMPREPLY=($(compgen -d -- \"$value\")) ;;\n"
         "      --conversion) COMPREPLY=($(compgen -W \"" + conversions + "\" -- \"$value\")) ;;\n"
         "      *)\n"
         "        words=\"\"\n"
         "        case $option in\n" + cases +
         "        esac\n"
         "        COMPREPLY=($(compgen -W \"$words\" -- \"${value,,}\")) ;;\n"
         "    esac\n"
         "    return\n"
         "  fi\n"
         "  case $prev in\n"
         "    -i|-I) COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n"
         "    -o|-O) COMPREPLY=($(compgen -d -- \"$cur\")); return ;;\n"
         "    -c|-C) COMPREPLY=($(compgen -W \"" + conversions + "\" -- \"$cur\")); return ;;\n"
         "  esac\n"
         "  if [[ $cur == -* ]]; then\n"
         "    COMPREPLY=($(compgen -W \"" + joinText(names, " ") + "\" -- \"$cur\"))\n"
         "    if [[ ${COMPREPLY[0]} == *= ]]; then compopt -o nospace 2>/dev/null || true; fi\n"
         "  else\n"
         "    COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "  fi\n"
         "}\n"
         "complete -o filenames -F _zorvane zorvane\n";
}

std::string zshCompletion() {
  std::string out = "#compdef zorvane\n# zsh completion for zorvane, made from its own option table\n_arguments \\\n";
  out += "  '(-i --input)'{-i,--input=}'[set input file]:file:_files' \\\n";
  out += "  '(-o --output)'{-o,--output=}'[set output folder]:folder:_files -/' \\\n";
  out += "  '(-c --conversion)'{-c,--conversion=}'[set output extension]:extension:(" +
         joinText(outputExtensionList(), " ") + ")' \\\n";
  out += "  {-d,--debug}'[print debug information]' {-q,--quiet}'[print no status messages]' \\\n";
  out += "  {-p,--pause}'[pause at exit]' {-h,--help}'[display the help]' {-v,--version}'[display the version]' \\\n";
  for (const LongOption& option : longOptions()) {
    std::string name = lowerName(option);
    if (option.kind == OptionKind::Switch) {
      out += "  '" + name + "' \\\n";
      continue;
    }
    std::string action = ":value: ";
    std::vector<std::string> words = keywordsOf(option);
    if (!words.empty()) action = ":word:(" + joinText(words, " ") + ")";
    else if (valueName(option) == "FILE") action = ":file:_files";
    out += "  '" + name + "=-" + action + "' \\\n";
  }
  out += "  '*:file:_files'\n";
  return out;
}
