#include "cli/command_line.h"

#include "batch/job_state.h"
#include "cli/console_run.h"
#include "cli/long_options.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "text/text.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/files.h"
#include "text/paths.h"
#include "text/maker.h"
#include "text/product.h"
#include "settings/settings.h"

namespace {


const char* const helpTextLines[] = {
    " ",
    "Usage: %s1% -i <filename> [options]",
    " ",
    "  %s1% -i example.%s2%",
    "  %s1% -i /tmp/example.%s2%",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted",
    "  %s1% -i /tmp/example.%s2% -o /tmp/converted --jpg-quality=95",
    " ",
    "Options:",
    " ",
    "  -h, -?, --help            Display this help and exit",
    "  -i FILE, --input=FILE     Set input file",
    "  -o PATH, --output=PATH    Set output folder",
    "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
    " ",
    "Advanced options:",
    " ",
    "  --width=NUM               Set output image width",
    "  --height=NUM              Set output image height",
    "  --filename-mask=STR       Define output filename format",
    "  --flip-horizontal         Flip output image horizontally",
    "  --flip-vertical           Flip output image vertically",
    "  --brightness=NUM          Set output image brightness, NUM = -100..100",
    "  --contrast=NUM            Set output image contrast, NUM = -100..100",
    "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
    "  --invert                  Invert output image",
    "  --greyscale               Greyscale output image",
    "  --profile=FILE            Set configuration file with required settings",
    "    ...                     Refer documentation for all available options",
    " ",
    "Other options:",
    " ",
    "  -q, --quiet               Don't print status messages to stdout",
    "  -d, --debug               Print debug information to stdout",
    "  -p, --pause               Pause at exit",
    "  -v, --version             Display version information and exit",
};

void printHelp() {
  std::string program = fileNamePart(programPath());
  size_t dot = program.rfind('.');
  if (dot != std::string::npos && dot > 0) program.erase(dot);
  const std::vector<std::string>& extensions = inputExtensionList();
  for (const char* line : helpTextLines) {
    std::string extension = extensions[randomBetween(0, static_cast<int32_t>(extensions.size()) - 1)];
    printLine(fillPlaceholders(line, program, extension));
  }
}

void printBanner() {
  printLine(titleText());
  printLine(replaceIgnoringCase(ownershipNotice, "\u00A9", "(c)"));
  printLine(makerWebSite);
  printLine(" ");
}

enum class Scan { Done, BadValue, BadProfile };

// Rule S: the value of the input, output and conversion options.
bool takeShortValue(const std::vector<std::string>& parameters, size_t& i, std::string& value) {
  std::string name = optionName(parameters[i]);
  if (name.compare(0, 2, "--") != 0) i++;
  value = i < parameters.size() ? optionValue(parameters[i]) : "";
  return !value.empty() && value[0] != '-';
}

Scan scanParameters(const std::vector<std::string>& parameters, bool& quiet, bool& pause) {
  for (size_t i = 0; i < parameters.size(); i++) {
    std::string name = optionName(parameters[i]);
    std::string value;
    if (name == "-I" || name == "--INPUT") {
      job.consoleMode = 1;
      if (!takeShortValue(parameters, i, value)) return Scan::BadValue;
      job.inputRoot = value;
    } else if (name == "-O" || name == "--OUTPUT") {
      if (!takeShortValue(parameters, i, value)) return Scan::BadValue;
      job.outputFolder = value;
    } else if (name == "-C" || name == "--CONVERSION") {
      if (!takeShortValue(parameters, i, value)) return Scan::BadValue;
      job.outputExtension = value;
    } else if (name == "-D" || name == "--DEBUG") {
      job.runMode = "DEBUG";
    } else if (name == "-Q" || name == "--QUIET") {
      quiet = true;
    } else if (name == "-P" || name == "--PAUSE") {
      pause = true;
    } else {
      switch (applyLongOption(name, optionValue(parameters[i]))) {
        case OptionResult::BadValue:
          return Scan::BadValue;
        case OptionResult::BadProfile:
          return Scan::BadProfile;
        default:
          break;  // applied, or no option at all: stray words are ignored
      }
    }
  }
  return Scan::Done;
}

}  // namespace

std::span<const char* const> helpLines() { return helpTextLines; }

std::string optionName(const std::string& parameter) {
  std::string text = trimmed(parameter, " ");
  if (text.empty() || text[0] != '-') return "";
  if (text.compare(0, 2, "--") == 0) text = text.substr(0, text.find('='));
  return toUpperAscii(text);
}

std::string optionValue(const std::string& parameter) {
  std::string text = trimmed(parameter, " ");
  size_t equals = text.find('=');
  if (text.compare(0, 2, "--") == 0 && equals != std::string::npos) return text.substr(equals + 1);
  return text;
}

int runCommandLine(const std::vector<std::string>& parameters) {
  if (parameters.empty()) return startDesktop;
  buildInputCatalogue();
  buildOutputCatalogue();
  resetJobState();
  resetSettings(true);
  loadLanguageTable();

  std::string first = optionName(parameters[0]);
  if (first == "-V" || first == "--VERSION" || first == "-H" || first == "-?" || first == "--HELP") {
    setConsoleTitle(titleText());
    if (first == "-V" || first == "--VERSION")
      printLine(versionText(versionNumber));
    else
      printHelp();
    flushConsole();
    return exitSuccess;
  }

  bool quiet = false, pause = false;
  Scan scan = scanParameters(parameters, quiet, pause);
  if (scan != Scan::Done) {
    setConsoleTitle(titleText());
    printLine(std::string("Error: ") +
              (scan == Scan::BadValue ? "Incorrect number of parameters" : "Invalid profile file"));
    if (pause) waitForKey();
    flushConsole();
    return exitParameterError;
  }
  if (job.consoleMode == 0) return startDesktop;

  setConsoleTitle(titleText());
  if (!quiet) printBanner();
  bool converted = runConsoleConversion(quiet);
  if (pause) {
    printLine("Press any key to exit.");
    waitForKey();
  }
  flushConsole();
  return converted ? exitSuccess : exitFailure;
}
