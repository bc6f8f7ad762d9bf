#include "themes/built_in_artwork.h"

#include <string>

#include "text/text.h"
#include "themes/embedded_files.h"
#include "themes/picture_slots.h"
#include "themes/png_picture.h"

namespace {

const EmbeddedFile* findFile(const std::string& name) {
  for (size_t i = 0; i < builtInArtworkFileCount; i++)
    if (name == builtInArtworkFiles[i].name) return &builtInArtworkFiles[i];
  return nullptr;
}

// Each slot's picture is the file named after the slot in lower case.
bool loadSlot(PictureSet& set, const std::string& folder, const char* key) {
  const EmbeddedFile* file = findFile(folder + toLowerAscii(key) + ".png");
  Picture picture;
  if (!file || !decodePng(file->data, file->size, picture)) return false;
  set[key] = std::move(picture);
  return true;
}

}  // namespace

bool loadBuiltInArtwork() {
  bool ok = true;
  for (const char* key : buttonKeys) ok = loadSlot(pictureSlots.buttons, "buttons/", key) && ok;
  for (const char* key : iconKeys) ok = loadSlot(pictureSlots.menuIcons, "icons/", key) && ok;
  pictureSlots.toolbarIcons = pictureSlots.menuIcons;
  return ok;
}

std::span<const uint8_t> aboutBannerBmp() {
  const EmbeddedFile* file = findFile("banner.bmp");
  if (!file) return {};
  return {file->data, file->size};
}
