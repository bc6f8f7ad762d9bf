// Draws every picture of the built-in artwork and of the default theme pack
// at its own size, on a light and on a dark ground, with the 16-pixel icons
// also enlarged pixel for pixel, into one PNG for people to look at.
//   themes_contact_sheet OUT.png PACK-FOLDER/
#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "themes/built_in_artwork.h"
#include "themes/themes.h"

namespace {

constexpr int labelWidth = 150, column = 74, margin = 10;

// Cairo wants premultiplied pixels in native-endian ARGB words.
cairo_surface_t* surfaceOf(const Picture& picture) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.height; y++)
    for (int x = 0; x < picture.width; x++) {
      const uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
      uint32_t a = p[3];
      uint32_t word = a << 24 | (p[0] * a / 255) << 16 | (p[1] * a / 255) << 8 | (p[2] * a / 255);
      *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) = word;
    }
  cairo_surface_mark_dirty(surface);
  return surface;
}

void drawPicture(cairo_t* cr, const Picture& picture, double x, double y, int zoom) {
  if (picture.width == 0) return;
  cairo_surface_t* surface = surfaceOf(picture);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, zoom, zoom);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(surface);
}

void text(cairo_t* cr, const std::string& line, double x, double y, double size, bool light) {
  cairo_set_source_rgb(cr, light ? 0.15 : 0.9, light ? 0.15 : 0.9, light ? 0.15 : 0.9);
  cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, line.c_str());
}

struct Row {
  std::string label;
  std::vector<Picture> pictures;
  int zoom;
  int height;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: themes_contact_sheet OUT.png PACK-FOLDER/\n");
    return 2;
  }
  std::string packFolder = argv[2];
  auto icons = [](const PictureSet& set) {
    std::vector<Picture> pictures;
    for (const char* key : iconKeys) pictures.push_back(set.at(key));
    return pictures;
  };
  auto buttons = [](const PictureSet& set) {
    std::vector<Picture> pictures;
    for (const char* key : buttonKeys) pictures.push_back(set.at(key));
    return pictures;
  };

  std::vector<Row> rows;
  if (!loadBuiltInArtwork()) return 1;
  rows.push_back({"built in, 16 px", icons(pictureSlots.menuIcons), 1, 24});
  rows.push_back({"built in, 16 px x3", icons(pictureSlots.menuIcons), 3, 56});
  rows.push_back({"built-in buttons", buttons(pictureSlots.buttons), 1, 72});
  resetSettings(false);
  settings.uiTheme = "handdrawn";
  for (int uiSize : {0, 1, 2}) {
    settings.uiSize = uiSize;
    loadTheme(true, true, true, packFolder);
    int size = 16 + 8 * uiSize;
    rows.push_back({"hand-drawn, " + std::to_string(size) + " px", icons(pictureSlots.toolbarIcons), 1, size + 10});
  }
  rows.push_back({"hand-drawn, 16 px x3", icons(pictureSlots.menuIcons), 3, 56});
  rows.push_back({"hand-drawn buttons", buttons(pictureSlots.buttons), 1, 72});

  int bandHeight = 0;
  for (const Row& row : rows) bandHeight += row.height;
  int headerHeight = 24;
  int width = labelWidth + column * static_cast<int>(iconKeys.size()) + margin;
  int height = headerHeight + 2 * bandHeight + margin + 48;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.96, 0.96, 0.95);
  cairo_paint(cr);
  for (size_t i = 0; i < iconKeys.size(); i++) text(cr, iconKeys[i], labelWidth + column * i, 16, 9, true);
  for (int band = 0; band < 2; band++) {
    bool light = band == 0;
    double top = headerHeight + band * bandHeight;
    if (!light) {
      cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
      cairo_rectangle(cr, 0, top, width, bandHeight);
      cairo_fill(cr);
    }
    for (const Row& row : rows) {
      text(cr, row.label, margin, top + 14, 11, light);
      bool isButtons = row.pictures.size() == buttonKeys.size();
      double x = labelWidth;
      for (const Picture& picture : row.pictures) {
        drawPicture(cr, picture, x, top + 2, row.zoom);
        x += isButtons ? picture.width + 24 : column;
      }
      top += row.height;
    }
  }
  // The About banner at the foot.
  std::span<const uint8_t> bmp = aboutBannerBmp();
  if (bmp.size() >= 54) {
    Picture picture{360, 40, std::vector<uint8_t>(360 * 40 * 4)};
    size_t rowSize = (360 * 3 + 3) & ~size_t(3);
    for (int y = 0; y < 40; y++)
      for (int x = 0; x < 360; x++) {
        const uint8_t* p = &bmp[54 + (39 - y) * rowSize + x * 3];
        uint8_t* q = &picture.rgba[(y * 360 + x) * 4];
        q[0] = p[2], q[1] = p[1], q[2] = p[0], q[3] = 255;
      }
    text(cr, "About banner", margin, height - 30, 11, true);
    drawPicture(cr, picture, labelWidth, height - 44, 1);
  }
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(sheet, argv[1]) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok ? 0 : 1;
}
