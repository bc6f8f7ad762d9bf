#include "engine/pcx_writer.h"

#include <IL/il.h>
#include <IL/ilu.h>
#include <cstdint>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

#include <utility>

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
};

Output output;

bool flushOutput() {
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

bool writePcx(Image image, const std::string& path) {
  if (!image) return false;
  unsigned width = FreeImage_GetWidth(image.get());
  unsigned height = FreeImage_GetHeight(image.get());
  // The format stores the last column and row in 16 bits, and the writer
  // counts the bytes of its image in 32 bits.
  if (width == 0 || height == 0 || width > 65536 || height > 65536) return false;
  if (static_cast<uint64_t>(width) * height * 3 > UINT32_MAX) return false;

  initialiseWriter();
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
