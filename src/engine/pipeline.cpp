#include "engine/pipeline.h"

#include "engine/loader.h"
#include "engine/name_mask.h"
#include "engine/pcx_writer.h"
#include "engine/stages.h"
#include "platform/files.h"
#include "platform/temporary_files.h"
#include "settings/settings.h"

namespace {

// Only the rotation and the resize change the picture's size; with both
// off, the loaded size is the written one.
bool stagesKeepTheSize() { return !settings.doImageRotation && !settings.doImageResize; }

}  // namespace

bool convertFile(ConversionJob& job) {
  Image image = loadJpeg(job.inputPath, stagesKeepTheSize());
  if (!image) return false;
  // The file gets the resolution the decoder reported, whatever the stages
  // make of it.
  Resolution resolution = resolutionOf(image.get());
  job.sourceBitDepth = static_cast<int32_t>(FreeImage_GetBPP(image.get()));
  int width = static_cast<int>(FreeImage_GetWidth(image.get()));
  int height = static_cast<int>(FreeImage_GetHeight(image.get()));
  if (width == 0 || height == 0) return false;

  image = rotateStage(std::move(image));
  // The resize works from the size the rotation left.
  if (image) {
    width = static_cast<int>(FreeImage_GetWidth(image.get()));
    height = static_cast<int>(FreeImage_GetHeight(image.get()));
  }
  image = resizeStage(std::move(image), width, height);
  if (image) {
    width = static_cast<int>(FreeImage_GetWidth(image.get()));
    height = static_cast<int>(FreeImage_GetHeight(image.get()));
    flipStage(image.get());
  }
  image = colourStage(std::move(image));
  image = greyscaleStage(std::move(image));
  image = thresholdStage(std::move(image));
  image = ditherStage(std::move(image));
  // The frame paints over the picture and never changes its size, so the
  // watermark is placed within the same width and height.
  image = frameStage(std::move(image), width, height);
  image = watermarkStage(std::move(image), width, height, job);
  image = bitDepthStage(std::move(image), job);
  if (!image || FreeImage_GetWidth(image.get()) == 0 || FreeImage_GetHeight(image.get()) == 0) return false;

  job.resultWidth = static_cast<int32_t>(FreeImage_GetWidth(image.get()));
  job.resultHeight = static_cast<int32_t>(FreeImage_GetHeight(image.get()));
  std::string folder = job.outputFolder + (settings.keepSubfolders ? job.subFolderText : "");
  std::string name = outputName(job);
  if (!nameStaysInFolder(name)) return false;
  job.outputPath = folder + name;
  job.temporaryPath = folder + temporaryName(job);
  TemporaryFileMark mark(job.temporaryPath);  // a signal removes it until it is renamed

  // The new file takes the output name only once it is complete, so a
  // failed write never costs the file that had the name before.
  if (!writePcx(std::move(image), job.temporaryPath, resolution)) return false;
  if (!replaceFile(job.temporaryPath, job.outputPath)) {
    removeFile(job.temporaryPath);
    return false;
  }
  return true;
}
