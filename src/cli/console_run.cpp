#include "cli/console_run.h"

#include "batch/checks.h"
#include "batch/job_state.h"
#include "batch/worker.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "platform/console.h"
#include "settings/choices.h"
#include "settings/format_settings.h"
#include "settings/settings.h"
#include "text/numbers.h"
#include "text/paths.h"
#include "text/text.h"

namespace {

using S = Settings;

// A field as the settings report shows it: text as stored, a choice by its
// keyword, the gamma with two decimals, any other number in decimal.
std::string shown(FieldRef field, const ChoiceList* choices = nullptr) {
  if (field.text) return fieldText(field);
  if (field.real) return fixedText(settings.*field.real, 2);
  if (!choices) choices = settingFieldOf(field)->editing.choices;
  return choices ? keywordText(*choices, fieldNumber(field)) : decimal(fieldNumber(field));
}

// The console's words for a problem, after "Error: ".
std::string errorText(const Check& check) {
  switch (check.problem) {
    case Problem::InvalidInputFile:
      return "Invalid input file";
    case Problem::IncorrectOutputFolder:
      return "Incorrect output folder";
    case Problem::EmptyOutputFolder:
    case Problem::InvalidOutputFolder:
      return "Invalid output folder";
    case Problem::InvalidConversionType:
      return "Invalid conversion type";
    case Problem::InvalidBitDepth:
      return "Invalid " + check.argument + "-bpp value";
    case Problem::InvalidQuality:
      return "Invalid " + check.argument + "-quality value";
    case Problem::InvalidWidth:
      return "Invalid width value";
    case Problem::InvalidHeight:
      return "Invalid height value";
    case Problem::InvalidBrightness:
      return "Invalid brightness value";
    case Problem::InvalidContrast:
      return "Invalid contrast value";
    case Problem::InvalidGamma:
      return "Invalid gamma value";
    case Problem::InvalidWatermarkFont:
      return "Invalid watermark font";
    case Problem::EmptyWatermarkImage:
    case Problem::InvalidWatermarkImage:
      return "Invalid watermark image";
    case Problem::InvalidProfile:
      return "Invalid profile file";
    case Problem::EmptyInputFiles:
    case Problem::None:
      break;
  }
  return "";
}

// Prints the run's lines; errors whatever the quiet flag says.
struct Reporter {
  bool quiet;
  bool debug;
  void progressLine(const std::string& text) const {
    if (!quiet) printLine(text);
  }
  void report(const std::string& text) const {
    if (debug) printLine(text);
  }
  void report(const std::string& label, FieldRef field, const ChoiceList* choices = nullptr) const {
    if (debug) printLine(label + shown(field, choices));
  }
  bool failed(const Check& check) const {
    if (check) printLine("Error: " + errorText(check));
    return static_cast<bool>(check);
  }
};

// The extension of the input path, by a stricter rule than file names
// elsewhere: none after a blank or a folder separator, and none for a name
// that only begins with a dot.
bool hasExtension(const std::string& path) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot == 0) return false;
  if (path.find_first_of(" /\\", dot) != std::string::npos) return false;
  return path[dot - 1] != '/' && path[dot - 1] != '\\';
}

// The input format's lines, then the output format's lines and checks.
bool formatFailed(const Reporter& out) {
  if (const InputFormatSettings* input = inputFormatSettingsOf(job.inputFormat))
    for (const FormatField& field : input->fields) out.report(reportLabelOf(field), field.field, field.reportChoices);
  const OutputFormatSettings* output = outputFormatSettingsOf(job.outputExtension);
  if (!output) return false;
  out.report(settingFieldOf(output->bitsPerPixel)->key + std::string(": "), output->bitsPerPixel);
  if (output->quality) out.report(settingFieldOf(output->quality)->key + std::string(": "), output->quality);
  if (output->compression)
    out.report(settingFieldOf(output->compression)->key + std::string(": "), output->compression);
  for (const FormatField& field : output->more) out.report(reportLabelOf(field), field.field, field.reportChoices);
  return out.failed(checkFormatValues(job.outputExtension));
}

// The stages' lines, each group's check right after the lines it concerns.
bool stagesFailed(const Reporter& out) {
  if (settings.doImageRotation) {
    out.report("Image Rotation Type: ", &S::imageRotationType);
    out.report("Image Rotation: ", &S::imageRotation);
    out.report("Image Rotation Back Color: ", &S::imageRotationBackColor);
  }
  if (settings.doImageResize) {
    Check sizes = checkResizeSizes();
    out.report("Width: " + shown(&S::imageWidth) + " " + shown(&S::imageWidthUnit));
    if (sizes.problem == Problem::InvalidWidth) return out.failed(sizes);
    out.report("Height: " + shown(&S::imageHeight) + " " + shown(&S::imageHeightUnit));
    if (out.failed(sizes)) return true;
    out.report("Keep Aspect Ratio: ", &S::keepAspectRatio);
    out.report("Image Resize Type: ", &S::imageResizeType);
    out.report("Image Resize Algorithm: ", &S::imageResizeAlgorithm);
  }
  out.report("Flip Horizontal: ", &S::doImageFlipHorizontal);
  out.report("Flip Vertical: ", &S::doImageFlipVertical);
  if (settings.doImageColorCorrection) {
    Check ranges = checkColourRanges();
    out.report("Brightness: ", &S::imageBrightness);
    if (ranges.problem == Problem::InvalidBrightness) return out.failed(ranges);
    out.report("Contrast: ", &S::imageContrast);
    if (ranges.problem == Problem::InvalidContrast) return out.failed(ranges);
    out.report("Gamma: ", &S::imageGamma);
    if (out.failed(ranges)) return true;
    out.report("Invert: ", &S::imageInvert);
  }
  out.report("Greyscale: ", &S::doImageGreyscale);
  if (settings.doImageThreshold) out.report("Image Threshold: ", &S::imageThreshold);
  if (settings.doImageDither) out.report("Image Dithering Algorithm: ", &S::imageDitherAlgorithm);

  out.report("Frame: ", &S::doFrame);
  if (settings.doFrame == 1) {
    out.report("Frame left: ", &S::solidLeft);
    out.report("Frame right: ", &S::solidRight);
    out.report("Frame top: ", &S::solidTop);
    out.report("Frame bottom: ", &S::solidBottom);
    out.report("Frame left color: ", &S::solidLeftColor);
    out.report("Frame right color: ", &S::solidRightColor);
    out.report("Frame top color: ", &S::solidTopColor);
    out.report("Frame bottom color: ", &S::solidBottomColor);
    out.report("Frame opacity: ", &S::solidOpacity);
  }

  out.report("Watermark: ", &S::doWatermark);
  if (settings.doWatermark == 1) {
    out.report("Watermark text: ", &S::text);
    out.report("Watermark font: ", &S::font);
    out.report("Watermark font size: ", &S::fontSize);
    out.report("Watermark font leading: ", &S::fontLeading);
    out.report("Watermark font color: ", &S::fontColor);
    out.report("Watermark font style: ", &S::fontStyle);
    out.report("Watermark font effect: ", &S::fontEffect);
    out.report("Watermark text antialiasing: ", &S::textAntialiasing);
    out.report("Watermark text alignment: ", &S::textAlignment);
    out.report("Watermark text padding: ", &S::textPadding);
    out.report("Watermark text opacity: ", &S::textOpacity);
    out.report("Watermark background color: ", &S::backColor);
    out.report("Watermark background opacity: ", &S::backOpacity);
    out.report("Watermark boundary: ", &S::textBoundary);
    out.report("Watermark position: ", &S::textPosition);
    out.report("Watermark offset (x/y): " + shown(&S::textXOffset) + "/" + shown(&S::textYOffset));
    out.report("Watermark rotation: ", &S::textRotation);
    out.report("Watermark size/mode: ", &S::textSize);
    return out.failed(checkWatermarkFont());
  }
  if (settings.doWatermark == 2) {
    out.report("Watermark image: ", &S::image);
    out.report("Watermark greyscale: ", &S::imageGreyscale);
    out.report("Watermark opacity: ", &S::imageOpacity);
    out.report("Watermark boundary: ", &S::imageBoundary);
    out.report("Watermark position: ", &S::imagePosition);
    out.report("Watermark offset (x/y): " + shown(&S::imageXOffset) + "/" + shown(&S::imageYOffset));
    out.report("Watermark rotation: ", &S::watermarkImageRotation);
    out.report("Watermark size/mode: ", &S::imageSize);
    return out.failed(checkWatermarkPicture());
  }
  return false;
}

void reportOutputFiles(const Reporter& out) {
  out.report("Filename Mask: ", &S::filenameMask);
  out.report("File Timestamp: ", &S::fileTimestamp);
  if (settings.fileTimestamp == 2) out.report("Custom Timestamp: " + decimal(settings.customTimestamp));
  out.report("Keep Subfolders: ", &S::keepSubfolders);
}

// The worker on its own thread, waited for; 0 when it could not start.
int32_t runWorker() {
  if (!startRun()) return 0;
  return finishRun();
}

}  // namespace

bool runConsoleConversion(bool quiet) {
  Reporter out{quiet, job.runMode == "DEBUG"};
  out.progressLine(lookupText("General", "Preparing"));
  out.report("Input: " + job.inputRoot);
  if (!hasExtension(job.inputRoot)) {
    job.inputRoot.clear();
    out.failed({Problem::InvalidInputFile, ""});
    return false;
  }
  job.inputPath = job.inputRoot;
  job.inputRoot.clear();
  if (out.failed(checkInputFile(job.inputPath))) return false;

  if (job.outputFolder.empty()) job.outputFolder = folderPart(job.inputPath);
  out.report("Output: " + job.outputFolder);
  if (out.failed(checkOutputFolderStays(job.outputFolder))) return false;
  // A relative output folder lies in the program's folder, not the current one.
  if (job.outputFolder[0] != '/') {
    if (job.outputFolder.compare(0, 2, "./") == 0) job.outputFolder.erase(0, 2);
    job.outputFolder = job.programFolder + job.outputFolder;
  }
  if (job.outputFolder.back() != '/') job.outputFolder += "/";
  if (out.failed(checkOutputFolder(job.outputFolder))) return false;

  if (job.inputFormat.empty()) job.inputFormat = inputExtensionList().front();
  if (job.outputExtension.empty()) job.outputExtension = outputExtensionList().front();
  out.report("Conversion: " + job.outputExtension);
  if (out.failed(checkConversionType(job.outputExtension))) return false;

  if (formatFailed(out) || stagesFailed(out)) return false;
  reportOutputFiles(out);
  prepareOutputFormat();

  out.progressLine(lookupText("General", "Importing"));
  std::string extension = toLowerAscii(pathExtension(job.inputPath));
  int added = extension != "txt" && extension != "lst" && acceptInputFile(job.inputPath) ? 1 : 0;
  out.progressLine(fillPlaceholders(lookupText("Msg", "Import complete"), decimal(added)));
  if (added == 0) {
    printLine(lookupText("Msg", "Conversion is not complete"));
    printLine(lookupText("Msg", "Empty input files"));
    return false;
  }

  out.progressLine(lookupText("General", "Converting"));
  int32_t converted = runWorker();
  if (converted == 0) {
    printLine(lookupText("Msg", "Conversion is not complete"));
    return false;
  }
  out.progressLine(lookupText("Msg", "Conversion complete"));
  out.progressLine(fillPlaceholders(lookupText("Msg", "Files converted"), decimal(converted), decimal(added)));
  return true;
}
