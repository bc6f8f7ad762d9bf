// The last stage: brings the picture to the output format's bit depth.
#include "engine/stages.h"
#include "formats/catalogue.h"

namespace {

bool oneOf(const std::string& extension, std::initializer_list<const char*> list) {
  for (const char* entry : list)
    if (extension == entry) return true;
  return false;
}

Image convert(Image image, FIBITMAP* (*conversion)(FIBITMAP*)) { return Image(conversion(image.get())); }

}  // namespace

Image bitDepthStage(Image image, ConversionJob& job) {
  if (!image) return image;
  // "Auto" is derived anew for each file from the depth it was loaded with.
  if (job.keepDepth) job.targetBitDepth = nearestBitDepth(job.outputExtension, job.sourceBitDepth);
  int depth = static_cast<int>(FreeImage_GetBPP(image.get()));
  if (depth == job.targetBitDepth) return image;

  switch (job.targetBitDepth) {
    case 96:
      return convert(std::move(image), FreeImage_ConvertToRGBF);
    case 48:
      return convert(std::move(image), FreeImage_ConvertToRGB16);
    case 32:
      return convert(std::move(image), FreeImage_ConvertTo32Bits);
    case 24:
      return convert(std::move(image), FreeImage_ConvertTo24Bits);
    case 16:
      if (depth > 32 && !(image = convert(std::move(image), FreeImage_ConvertTo24Bits))) return image;
      return convert(std::move(image), oneOf(job.outputExtension, {"ico", "tga"}) ? FreeImage_ConvertTo16Bits555
                                                                                   : FreeImage_ConvertTo16Bits565);
    case 8:
      if (oneOf(job.outputExtension, {"j2k", "jp2", "jpg", "jxr"}))
        return convert(std::move(image), FreeImage_ConvertTo8Bits);
      if (depth != 24 && !(image = convert(std::move(image), FreeImage_ConvertTo24Bits))) return image;
      return Image(FreeImage_ColorQuantizeEx(image.get(), FIQ_WUQUANT, 256, 0, nullptr));
    case 4:
      return convert(std::move(image), FreeImage_ConvertTo4Bits);
    case 1:
      return Image(FreeImage_Dither(image.get(), FID_FS));
    default:
      return nullptr;
  }
}
