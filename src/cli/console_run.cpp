#include "cli/console_run.h"

#include <cstdio>
#include <system_error>
#include <thread>

#include "batch/job_state.h"
#include "batch/worker.h"
#include "cli/long_options.h"
#include "engine/watermark.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "i18n/text.h"
#include "platform/console.h"
#include "platform/files.h"
#include "settings/settings.h"

namespace {

// A line of the settings report: a label and a field shown as its number,
// by a keyword list (`list` >= 0), or as stored text.
struct ReportLine {
  const char* label;
  const char* group;
  const char* key;
  int list = -1;
};

const int compressionList = 4;

// Input formats with reading options of their own.
struct InputReport {
  const char* format;
  std::initializer_list<ReportLine> lines;
};

const InputReport inputReports[] = {
    {"dds", {{"DDS Load As: ", inputGroup, "DDS Load As", 0}}},
    {"gif", {{"GIF Frame Loading: ", inputGroup, "GIF Frame Loading", 2}}},
    {"ico", {{"ICO Frame Loading: ", inputGroup, "ICO Frame Loading", 2}}},
    {"psd", {{"PSD Color Mode: ", inputGroup, "PSD Color Mode", 6}}},
    {"raw",
     {{"RAW Load As: ", inputGroup, "RAW Load As", 1},
      {"RAW Header Size: ", inputGroup, "RAW Header Size"},
      {"RAW Image Width: ", inputGroup, "RAW Image Width"},
      {"RAW Image Height: ", inputGroup, "RAW Image Height"},
      {"RAW Tone Mapping: ", inputGroup, "RAW Tone Mapping", 3}}},
    {"tiff", {{"TIFF Frame Loading: ", inputGroup, "TIFF Frame Loading", 2}}},
};

// Output formats: their report lines (the first is the bit depth) and the
// quality field checked for 1..100, where they have one.
struct OutputReport {
  const char* format;
  std::initializer_list<ReportLine> lines;
  const char* qualityKey = nullptr;
};

#define BPP(upper) {upper " BPP: ", outputGroup, upper " BPP"}
const OutputReport outputReports[] = {
    {"bmp",
     {BPP("BMP"), {"BMP Compression: ", outputGroup, "BMP Compression", compressionList},
      {"BMP Color Table: ", outputGroup, "BMP Color Table", 5}}},
    {"dds", {BPP("DDS")}},
    {"exr", {BPP("EXR"), {"EXR Compression: ", outputGroup, "EXR Compression", compressionList}}},
    {"gif", {BPP("GIF")}},
    {"hdr", {BPP("HDR")}},
    {"ico", {BPP("ICO")}},
    {"j2k", {BPP("J2K")}},
    {"jng", {BPP("JNG")}},
    {"jp2", {BPP("JP2")}},
    {"jpg",
     {BPP("JPG"), {"JPG Quality: ", outputGroup, "JPG Quality"},
      {"JPG Chroma Subsampling: ", outputGroup, "JPG Chroma", 7}, {"JPG Save As: ", outputGroup, "JPG Save As", 8}},
     "JPG Quality"},
    {"jxr", {BPP("JXR")}},
    {"pbm", {BPP("PBM")}},
    {"pcx", {BPP("PCX")}},
    {"pfm", {BPP("PFM")}},
    {"pgm", {BPP("PGM")}},
    {"png",
     {BPP("PNG"), {"PNG Compression: ", outputGroup, "PNG Compression", compressionList},
      {"PNG Interlaced: ", outputGroup, "PNG Interlaced"}}},
    {"ppm", {BPP("PPM")}},
    {"psd", {BPP("PSD")}},
    {"tga", {BPP("TGA"), {"TGA Compression: ", outputGroup, "TGA Compression", compressionList}}},
    {"tiff",
     {BPP("TIFF"), {"TIFF Compression: ", outputGroup, "TIFF Compression", compressionList},
      {"TIFF Color Mode: ", outputGroup, "TIFF Color Mode", 6}}},
    {"wbmp", {BPP("WBMP")}},
    {"webp", {BPP("WEBP"), {"WEBP Quality: ", outputGroup, "WEBP Quality"}}, "WEBP Quality"},
    {"xpm", {BPP("XPM")}},
};
#undef BPP

std::string fieldShown(const ReportLine& line) {
  const SettingField* field = findSettingField(line.group, line.key);
  if (field->text) return fieldText(*field);
  if (line.list >= 0) return keywordText(line.list, fieldNumber(*field), job.outputExtension);
  return decimal(fieldNumber(*field));
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
  void report(const ReportLine& line) const { report(line.label + fieldShown(line)); }
  bool error(const std::string& text) const {
    printLine("Error: " + text);
    return false;
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

std::string flag(int8_t value) { return decimal(value); }

bool checkOutputFormat(const Reporter& out) {
  for (const InputReport& input : inputReports)
    if (job.inputFormat == input.format)
      for (const ReportLine& line : input.lines) out.report(line);

  for (const OutputReport& output : outputReports) {
    if (job.outputExtension != output.format) continue;
    for (const ReportLine& line : output.lines) out.report(line);
    const ReportLine& depth = *output.lines.begin();
    if (!isValidBitDepth(output.format, fieldNumber(*findSettingField(depth.group, depth.key))))
      return out.error(std::string("Invalid ") + output.format + "-bpp value");
    if (output.qualityKey) {
      int32_t quality = fieldNumber(*findSettingField(outputGroup, output.qualityKey));
      if (quality < 1 || quality > 100) return out.error(std::string("Invalid ") + output.format + "-quality value");
    }
  }
  return true;
}

bool checkStages(const Reporter& out) {
  const Settings& s = settings;
  if (s.doImageRotation) {
    out.report("Image Rotation Type: " + keywordText(9, s.imageRotationType));
    out.report("Image Rotation: " + decimal(s.imageRotation));
    out.report("Image Rotation Back Color: " + s.imageRotationBackColor);
  }
  if (s.doImageResize) {
    out.report("Width: " + decimal(s.imageWidth) + " " + keywordText(10, s.imageWidthUnit));
    if (s.imageWidth == 0) return out.error("Invalid width value");
    out.report("Height: " + decimal(s.imageHeight) + " " + keywordText(10, s.imageHeightUnit));
    if (s.imageHeight == 0) return out.error("Invalid height value");
    out.report("Keep Aspect Ratio: " + flag(s.keepAspectRatio));
    out.report("Image Resize Type: " + keywordText(11, s.imageResizeType));
    out.report("Image Resize Algorithm: " + keywordText(12, s.imageResizeAlgorithm));
  }
  out.report("Flip Horizontal: " + flag(s.doImageFlipHorizontal));
  out.report("Flip Vertical: " + flag(s.doImageFlipVertical));
  if (s.doImageColorCorrection) {
    out.report("Brightness: " + decimal(s.imageBrightness));
    if (s.imageBrightness < -100 || s.imageBrightness > 100) return out.error("Invalid brightness value");
    out.report("Contrast: " + decimal(s.imageContrast));
    if (s.imageContrast < -100 || s.imageContrast > 100) return out.error("Invalid contrast value");
    char gamma[64];
    snprintf(gamma, sizeof gamma, "%.2f", static_cast<double>(s.imageGamma));
    out.report(std::string("Gamma: ") + gamma);
    // Compared as floats, both ends allowed; not-a-number fails too.
    if (!(s.imageGamma >= 0.01f && s.imageGamma <= 9.99f)) return out.error("Invalid gamma value");
    out.report("Invert: " + flag(s.imageInvert));
  }
  out.report("Greyscale: " + flag(s.doImageGreyscale));
  if (s.doImageThreshold) out.report("Image Threshold: " + decimal(s.imageThreshold));
  if (s.doImageDither) out.report("Image Dithering Algorithm: " + keywordText(13, s.imageDitherAlgorithm));

  out.report("Frame: " + keywordText(14, s.doFrame));
  if (s.doFrame == 1) {
    out.report("Frame left: " + decimal(s.solidLeft));
    out.report("Frame right: " + decimal(s.solidRight));
    out.report("Frame top: " + decimal(s.solidTop));
    out.report("Frame bottom: " + decimal(s.solidBottom));
    out.report("Frame left color: " + s.solidLeftColor);
    out.report("Frame right color: " + s.solidRightColor);
    out.report("Frame top color: " + s.solidTopColor);
    out.report("Frame bottom color: " + s.solidBottomColor);
    out.report("Frame opacity: " + decimal(s.solidOpacity));
  }

  out.report("Watermark: " + keywordText(15, s.doWatermark));
  if (s.doWatermark == 1) {
    out.report("Watermark text: " + s.text);
    out.report("Watermark font: " + s.font);
    out.report("Watermark font size: " + decimal(s.fontSize));
    out.report("Watermark font leading: " + decimal(s.fontLeading));
    out.report("Watermark font color: " + s.fontColor);
    out.report("Watermark font style: " + keywordText(16, s.fontStyle));
    out.report("Watermark font effect: " + keywordText(17, s.fontEffect));
    out.report("Watermark text antialiasing: " + flag(s.textAntialiasing));
    out.report("Watermark text alignment: " + keywordText(18, s.textAlignment));
    out.report("Watermark text padding: " + decimal(s.textPadding));
    out.report("Watermark text opacity: " + decimal(s.textOpacity));
    out.report("Watermark background color: " + s.backColor);
    out.report("Watermark background opacity: " + decimal(s.backOpacity));
    out.report("Watermark boundary: " + keywordText(19, s.textBoundary));
    out.report("Watermark position: " + keywordText(20, s.textPosition));
    out.report("Watermark offset (x/y): " + decimal(s.textXOffset) + "/" + decimal(s.textYOffset));
    out.report("Watermark rotation: " + decimal(s.textRotation));
    out.report("Watermark size/mode: " + keywordText(21, s.textSize));
    if (!loadWatermarkFont()) return out.error("Invalid watermark font");
  } else if (s.doWatermark == 2) {
    out.report("Watermark image: " + s.image);
    out.report("Watermark greyscale: " + flag(s.imageGreyscale));
    out.report("Watermark opacity: " + decimal(s.imageOpacity));
    out.report("Watermark boundary: " + keywordText(19, s.imageBoundary));
    out.report("Watermark position: " + keywordText(20, s.imagePosition));
    out.report("Watermark offset (x/y): " + decimal(s.imageXOffset) + "/" + decimal(s.imageYOffset));
    out.report("Watermark rotation: " + decimal(s.watermarkImageRotation));
    out.report("Watermark size/mode: " + keywordText(21, s.imageSize));
    if (fileSize(s.image) <= 0) return out.error("Invalid watermark image");
  }
  return true;
}

void reportOutputFiles(const Reporter& out) {
  out.report("Filename Mask: " + settings.filenameMask);
  out.report("File Timestamp: " + keywordText(22, settings.fileTimestamp));
  if (settings.fileTimestamp == 2) out.report("Custom Timestamp: " + decimal(settings.customTimestamp));
  out.report("Keep Subfolders: " + flag(settings.keepSubfolders));
}

// The worker on its own thread, waited for. A thread that cannot be
// started (no memory for its stack) converts nothing.
int32_t runWorker() {
  progress.currentIndex = 0;
  progress.currentName.clear();
  progress.convertedCount = 0;
  progress.running = 1;
  try {
    std::thread worker(batchWorker);
    worker.join();
  } catch (const std::system_error&) {
    return 0;
  }
  std::lock_guard<std::mutex> guard(progress.lock);
  return progress.convertedCount;
}

}  // namespace

bool runConsoleConversion(bool quiet) {
  Reporter out{quiet, job.runMode == "DEBUG"};
  out.progressLine(lookupText("General", "Preparing"));
  out.report("Input: " + job.inputRoot);
  if (!hasExtension(job.inputRoot)) {
    job.inputRoot.clear();
    return out.error("Invalid input file");
  }
  job.inputPath = job.inputRoot;
  job.inputRoot.clear();
  if (fileSize(job.inputPath) <= 0) return out.error("Invalid input file");

  if (job.outputFolder.empty()) job.outputFolder = folderPart(job.inputPath);
  out.report("Output: " + job.outputFolder);
  if (job.outputFolder.compare(0, 2, "..") == 0) return out.error("Incorrect output folder");
  // A relative output folder lies in the program's folder, not the current one.
  if (job.outputFolder[0] != '/') {
    if (job.outputFolder.compare(0, 2, "./") == 0) job.outputFolder.erase(0, 2);
    job.outputFolder = job.programFolder + job.outputFolder;
  }
  if (job.outputFolder.back() != '/') job.outputFolder += "/";
  if (!isFolder(job.outputFolder)) return out.error("Invalid output folder");

  if (job.inputFormat.empty()) job.inputFormat = inputExtensionList().front();
  if (job.outputExtension.empty()) job.outputExtension = outputExtensionList().front();
  out.report("Conversion: " + job.outputExtension);
  if (!isOutputFormat(job.outputExtension)) return out.error("Invalid conversion type");

  if (!checkOutputFormat(out) || !checkStages(out)) return false;
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
  if (settings.doWatermark == 1 && watermarkFontLoaded()) releaseWatermarkFont();
  if (converted == 0) {
    printLine(lookupText("Msg", "Conversion is not complete"));
    return false;
  }
  out.progressLine(lookupText("Msg", "Conversion complete"));
  out.progressLine(fillPlaceholders(lookupText("Msg", "Files converted"), decimal(converted), decimal(added)));
  return true;
}
