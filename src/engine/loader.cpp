#include "engine/loader.h"

#include <cstdio>
#include <mutex>
#include <string>

#include "engine/limits.h"
#include "text/text.h"

namespace {

// Set when the decoder reports that the picture's data stopped early (a
// marker where scan data should be); it completes such pictures with grey.
thread_local bool dataEndedEarly = false;

void noteDecoderMessage(FREE_IMAGE_FORMAT, const char* message) {
  if (message && toLowerAscii(message).find("premature end") != std::string::npos) dataEndedEarly = true;
}

// FreeImage reads through these, so the loader learns when the decoder asks
// for data past the end of the file: a truncated picture, which the decoder
// would otherwise complete with grey.
struct Source {
  FILE* file;
  bool ranOut;
};

unsigned readProc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  Source* source = static_cast<Source*>(handle);
  size_t read = fread(buffer, size, count, source->file);
  if (read == 0 && count > 0) source->ranOut = true;
  return static_cast<unsigned>(read);
}

unsigned writeProc(void*, unsigned, unsigned, fi_handle) { return 0; }

int seekProc(fi_handle handle, long offset, int origin) {
  return fseek(static_cast<Source*>(handle)->file, offset, origin);
}

long tellProc(fi_handle handle) { return ftell(static_cast<Source*>(handle)->file); }

}  // namespace

Image loadJpeg(const std::string& path) {
  static std::once_flag once;
  std::call_once(once, [] { FreeImage_SetOutputMessage(noteDecoderMessage); });
  Source source{fopen(path.c_str(), "rb"), false};
  if (!source.file) return nullptr;
  FreeImageIO io{readProc, writeProc, seekProc, tellProc};

  // The frame header alone tells the size; a file that claims more pixels
  // than memory can hold is refused before anything is allocated.
  Image header(FreeImage_LoadFromHandle(FIF_JPEG, &io, &source, FIF_LOAD_NOPIXELS));
  bool fits = header && pictureFitsMemory(FreeImage_GetWidth(header.get()), FreeImage_GetHeight(header.get()));
  header.reset();
  Image picture;
  if (fits && fseek(source.file, 0, SEEK_SET) == 0) {
    source.ranOut = false;
    dataEndedEarly = false;
    picture.reset(FreeImage_LoadFromHandle(FIF_JPEG, &io, &source, JPEG_ACCURATE | JPEG_EXIFROTATE));
    if (source.ranOut || dataEndedEarly) picture.reset();
  }
  fclose(source.file);
  return picture;
}
