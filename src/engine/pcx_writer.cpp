#include "engine/pcx_writer.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <cmath>
#include <cstdint>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "engine/limits.h"
#include "platform/files.h"

namespace {

// DevIL's encoder hands over one byte at a time; these procedures collect
// them in a large buffer and remember any failed write, which the encoder
// itself does not always look at.
struct Output {
  int fd = -1;
  unsigned char buffer[1 << 16];
  size_t used = 0;
  long written = 0;
  bool created = false;  // this call made the file, so it may remove it
  bool failed = false;
  uint16_t dpi[2] = {72, 72};
};

Output output;

// DevIL leaves the header's resolution fields (bytes 12 to 15) at 0; the
// header is whole in the buffer when its first block goes out.
const size_t resolutionField = 12;

bool flushOutput() {
  if (output.written == 0 && output.used >= resolutionField + 4)
    for (int i = 0; i < 2; i++) {
      output.buffer[resolutionField + 2 * i] = static_cast<unsigned char>(output.dpi[i] & 0xFF);
      output.buffer[resolutionField + 2 * i + 1] = static_cast<unsigned char>(output.dpi[i] >> 8);
    }
  if (!output.failed && !writeAll(output.fd, output.buffer, output.used)) output.failed = true;
  output.written += static_cast<long>(output.used);
  output.used = 0;
  return !output.failed;
}

ILHANDLE ILAPIENTRY openProc(ILconst_string path) {
  // A new file only: the caller names a fresh temporary path.
  output.fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  output.used = 0;
  output.written = 0;
  output.created = output.fd >= 0;
  output.failed = output.fd < 0;
  return output.fd < 0 ? nullptr : &output;
}

void ILAPIENTRY closeProc(ILHANDLE) {
  flushOutput();
  if (close(output.fd) != 0) output.failed = true;
  output.fd = -1;
}

ILint ILAPIENTRY putcProc(ILubyte byte, ILHANDLE) {
  if (output.used == sizeof output.buffer && !flushOutput()) return IL_EOF;
  output.buffer[output.used++] = byte;
  return byte;
}

ILint ILAPIENTRY writeProc(const void* data, ILuint size, ILuint count, ILHANDLE) {
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  size_t total = static_cast<size_t>(size) * count;
  for (size_t i = 0; i < total; i++)
    if (putcProc(bytes[i], nullptr) == IL_EOF) return static_cast<ILint>(i / (size ? size : 1));
  return static_cast<ILint>(count);
}

// The PCX encoder only moves forward; seeking is not needed.
ILint ILAPIENTRY seekProc(ILHANDLE, ILint, ILint) { return -1; }

ILint ILAPIENTRY tellProc(ILHANDLE) { return static_cast<ILint>(output.written + static_cast<long>(output.used)); }

void initialiseWriter() {
  static std::once_flag once;
  std::call_once(once, [] {
    ilInit();
    iluInit();
    ilSetWrite(openProc, closeProc, putcProc, seekProc, tellProc, writeProc);
  });
}

uint16_t dotsPerInch(unsigned dotsPerMetre) {
  if (dotsPerMetre == 0) return 72;
  return static_cast<uint16_t>(std::min(65535.0, std::round(dotsPerMetre * 0.0254)));
}

// Floating-point samples run from 0 to 1; FreeImage has no conversion of
// them back to bytes that keeps them as they are.
Image bytesFromFloats(FIBITMAP* picture, unsigned width, unsigned height, unsigned channels) {
  Image result(FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24));
  if (!result) return result;
  for (unsigned y = 0; y < height; y++) {
    const float* from = reinterpret_cast<const float*>(FreeImage_GetScanLine(picture, static_cast<int>(y)));
    BYTE* to = FreeImage_GetScanLine(result.get(), static_cast<int>(y));
    for (unsigned x = 0; x < width; x++, from += channels, to += 3) {
      auto byte = [](float value) { return static_cast<BYTE>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f); };
      to[FI_RGBA_RED] = byte(from[0]);
      to[FI_RGBA_GREEN] = byte(from[1]);
      to[FI_RGBA_BLUE] = byte(from[2]);
    }
  }
  return result;
}

// The picture as a 24-bit bitmap: the same one when it is one already.
Image as24Bits(Image picture, unsigned width, unsigned height) {
  FREE_IMAGE_TYPE type = FreeImage_GetImageType(picture.get());
  if (type == FIT_BITMAP && FreeImage_GetBPP(picture.get()) == 24) return picture;
  if (type == FIT_RGBF || type == FIT_RGBAF) return bytesFromFloats(picture.get(), width, height, type == FIT_RGBF ? 3 : 4);
  return Image(FreeImage_ConvertTo24Bits(picture.get()));
}

// Copies the picture into the writer's own image as RGB rows, top row
// first: the order the PCX encoder writes, so it makes no copies of its own.
bool fillWriterImage(FIBITMAP* picture, unsigned width, unsigned height) {
  if (!ilTexImage(width, height, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, nullptr)) return false;
  ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
  BYTE* pixels = ilGetData();
  if (!pixels) return false;
  unsigned pitch = width * 3;
  FreeImage_ConvertToRawBits(pixels, picture, pitch, 24, FI_RGBA_RED_MASK, FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK,
                             TRUE);
  // The raw bits come in FreeImage's blue-green-red order.
  for (BYTE* p = pixels, *end = pixels + static_cast<size_t>(pitch) * height; p < end; p += 3) std::swap(p[0], p[2]);
  return true;
}

}  // namespace

Resolution resolutionOf(FIBITMAP* image) {
  return {FreeImage_GetDotsPerMeterX(image), FreeImage_GetDotsPerMeterY(image)};
}

bool writePcx(Image image, const std::string& path, Resolution resolution) {
  if (!image) return false;
  unsigned width = FreeImage_GetWidth(image.get());
  unsigned height = FreeImage_GetHeight(image.get());
  if (!pictureFitsWriter(width, height)) return false;
  image = as24Bits(std::move(image), width, height);
  if (!image) return false;

  initialiseWriter();
  output.dpi[0] = dotsPerInch(resolution.dotsPerMetreX);
  output.dpi[1] = dotsPerInch(resolution.dotsPerMetreY);
  ILuint name = 0;
  ilGenImages(1, &name);
  ilBindImage(name);
  bool ok = fillWriterImage(image.get(), width, height);
  image.reset();
  if (ok) {
    ilEnable(IL_FILE_OVERWRITE);
    output.created = false;
    ok = ilSave(IL_PCX, path.c_str()) && !output.failed;
    if (!ok && output.created) removeFile(path);
  }
  ilDeleteImages(1, &name);
  return ok;
}
