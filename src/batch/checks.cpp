#include "batch/checks.h"

#include "batch/job_state.h"
#include "engine/watermark.h"
#include "formats/catalogue.h"
#include "platform/files.h"
#include "settings/format_settings.h"
#include "settings/settings.h"

namespace {

Check problem(Problem found, std::string argument = "") { return {found, std::move(argument)}; }

// Outside the field's range; the range is that of its editing controls.
bool outOfRange(int32_t value, FieldRef field) {
  const FieldEditing& editing = settingFieldOf(field)->editing;
  return value < editing.minimum || value > editing.maximum;
}

}  // namespace

Check checkConversionType(const std::string& extension) {
  return isOutputFormat(extension) ? Check{} : problem(Problem::InvalidConversionType, extension);
}

Check checkFormatValues(const std::string& extension) {
  const OutputFormatSettings* format = outputFormatSettingsOf(extension);
  if (!format) return {};
  if (!isValidBitDepth(extension, settings.*format->bitsPerPixel)) return problem(Problem::InvalidBitDepth, extension);
  if (format->quality && outOfRange(settings.*format->quality, format->quality))
    return problem(Problem::InvalidQuality, extension);
  return {};
}

Check checkInputFile(const std::string& path) {
  return fileSize(path) > 0 ? Check{} : problem(Problem::InvalidInputFile, path);
}

Check checkInputSet() { return inputSet.empty() ? problem(Problem::EmptyInputFiles) : Check{}; }

Check checkOutputFolderStays(const std::string& folder) {
  return folder.compare(0, 2, "..") == 0 ? problem(Problem::IncorrectOutputFolder, folder) : Check{};
}

Check checkOutputFolder(const std::string& folder) {
  if (folder.empty()) return problem(Problem::EmptyOutputFolder);
  return isFolder(folder) ? Check{} : problem(Problem::InvalidOutputFolder, folder);
}

Check checkResizeSizes() {
  if (!settings.doImageResize) return {};
  // Only 0 is refused; the stage leaves a picture alone for other sizes it cannot use.
  if (settings.imageWidth == 0) return problem(Problem::InvalidWidth);
  if (settings.imageHeight == 0) return problem(Problem::InvalidHeight);
  return {};
}

Check checkColourRanges() {
  if (!settings.doImageColorCorrection) return {};
  if (outOfRange(settings.imageBrightness, &Settings::imageBrightness)) return problem(Problem::InvalidBrightness);
  if (outOfRange(settings.imageContrast, &Settings::imageContrast)) return problem(Problem::InvalidContrast);
  // The range is held in hundredths; compared as floats, both ends allowed,
  // so that not-a-number fails too.
  const FieldEditing& gamma = settingFieldOf(&Settings::imageGamma)->editing;
  float lowest = static_cast<float>(gamma.minimum) / static_cast<float>(gamma.scale);
  float highest = static_cast<float>(gamma.maximum) / static_cast<float>(gamma.scale);
  if (!(settings.imageGamma >= lowest && settings.imageGamma <= highest)) return problem(Problem::InvalidGamma);
  return {};
}

Check checkWatermarkFont() {
  if (settings.doWatermark != 1) return {};
  return loadWatermarkFont() ? Check{} : problem(Problem::InvalidWatermarkFont, settings.font);
}

Check checkWatermarkPicture() {
  if (settings.doWatermark != 2) return {};
  if (settings.image.empty()) return problem(Problem::EmptyWatermarkImage);
  return fileSize(settings.image) > 0 ? Check{} : problem(Problem::InvalidWatermarkImage, settings.image);
}

Check checkProfileFile(const std::string& path) {
  // Only a regular file: a device or a pipe would never end or never come.
  return isRegularFile(path) ? Check{} : problem(Problem::InvalidProfile, path);
}
