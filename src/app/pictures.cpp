#include "app/pictures.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include "themes/built_in_artwork.h"
#include "themes/picture_slots.h"
#include "themes/themes.h"

namespace {

// Straight RGBA bytes into the toolkit's picture with its alpha channel.
wxBitmap bitmapOf(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0) return wxBitmap();
  wxImage image(picture.width, picture.height, false);
  image.InitAlpha();
  unsigned char* rgb = image.GetData();
  unsigned char* alpha = image.GetAlpha();
  size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
  for (size_t i = 0; i < pixels; i++) {
    rgb[i * 3] = picture.rgba[i * 4];
    rgb[i * 3 + 1] = picture.rgba[i * 4 + 1];
    rgb[i * 3 + 2] = picture.rgba[i * 4 + 2];
    alpha[i] = picture.rgba[i * 4 + 3];
  }
  return wxBitmap(image);
}

}  // namespace

void loadPictures() {
  (void)loadBuiltInArtwork();  // a missing built-in picture leaves its slot empty
  listThemes();
  loadTheme(true, true, true);
}

wxBitmap pictureFor(PictureKind set, const char* slot) {
  const PictureSet& pictures = set == PictureKind::Buttons     ? pictureSlots.buttons
                                 : set == PictureKind::MenuIcons ? pictureSlots.menuIcons
                                                                : pictureSlots.toolbarIcons;
  auto found = pictures.find(slot);
  return found == pictures.end() ? wxBitmap() : bitmapOf(found->second);
}

wxBitmap aboutBanner() {
  std::span<const uint8_t> bmp = aboutBannerBmp();
  wxMemoryInputStream stream(bmp.data(), bmp.size());
  wxImage image;
  if (!image.LoadFile(stream, wxBITMAP_TYPE_BMP)) return wxBitmap(360, 40);
  return wxBitmap(image);
}
