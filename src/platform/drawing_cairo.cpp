// The drawing module: frame and text layers drawn with Cairo, Pango and
// fontconfig, headless. Built into "zorvane-layers.so", which exports only
// the function table.
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/drawing.h"

namespace {

// The watermark font, once loaded.
PangoFontDescription* watermarkFont = nullptr;
bool underlined = false;
bool struckOut = false;

// A cairo context over a canvas stored bottom row first: the flip makes
// drawing coordinates start at the top left, y downwards.
cairo_t* drawOn(Canvas canvas, cairo_surface_t*& surface) {
  surface = cairo_image_surface_create_for_data(canvas.bits, CAIRO_FORMAT_ARGB32, canvas.width, canvas.height,
                                                canvas.stride);
  cairo_t* cr = cairo_create(surface);
  cairo_translate(cr, 0, canvas.height);
  cairo_scale(cr, 1, -1);
  return cr;
}

// Cairo keeps premultiplied alpha; the canvas holds straight alpha. An
// opacity below 255 scales the alpha of what was drawn as a whole, as
// drawing it through a group at that opacity would.
bool finish(cairo_t* cr, cairo_surface_t* surface, Canvas canvas, unsigned opacity = 255) {
  bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_surface_destroy(surface);
  for (int y = 0; y < canvas.height; y++) {
    uint8_t* p = canvas.bits + static_cast<ptrdiff_t>(y) * canvas.stride;
    for (int x = 0; x < canvas.width; x++, p += 4) {
      unsigned alpha = p[3];
      if (alpha == 0) continue;
      if (alpha != 255)
        for (int c = 0; c < 3; c++) p[c] = static_cast<uint8_t>(std::min(255u, (p[c] * 255u + alpha / 2) / alpha));
      p[3] = static_cast<uint8_t>((alpha * opacity + 127) / 255);
    }
  }
  return ok;
}

void setColour(cairo_t* cr, Rgba colour, double alpha) {
  cairo_set_source_rgba(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, alpha);
}

void box(cairo_t* cr, Rgba colour, double x, double y, double width, double height) {
  setColour(cr, colour, 1.0);
  cairo_rectangle(cr, x, y, width, height);
  cairo_fill(cr);
}

void quad(cairo_t* cr, Rgba colour, const double (&points)[8]) {
  setColour(cr, colour, 1.0);
  cairo_move_to(cr, points[0], points[1]);
  for (int i = 2; i < 8; i += 2) cairo_line_to(cr, points[i], points[i + 1]);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Runs `draw` once for every column of the drawing that the canvas meets,
// clipped to that column.
template <typename Draw>
void byColumns(cairo_t* cr, Canvas canvas, Draw draw) {
  int64_t first = canvas.left >= 0 ? canvas.left / drawingColumn : (canvas.left + 1) / drawingColumn - 1;
  for (int64_t left = first * drawingColumn - canvas.left; left < canvas.width; left += drawingColumn) {
    int64_t from = std::max<int64_t>(left, 0), to = std::min<int64_t>(left + drawingColumn, canvas.width);
    cairo_save(cr);
    cairo_rectangle(cr, static_cast<double>(from), 0, static_cast<double>(to - from), canvas.height);
    cairo_clip(cr);
    draw();
    cairo_restore(cr);
  }
}

bool drawFrame(const FrameRequest& f, Canvas canvas) {
  cairo_surface_t* surface;
  cairo_t* cr = drawOn(canvas, surface);
  double W = std::max(f.width, 0), H = std::max(f.height, 0);
  double L = std::clamp<double>(f.left, 0, W), R = std::clamp<double>(f.right, 0, W);
  double T = std::clamp<double>(f.top, 0, H), B = std::clamp<double>(f.bottom, 0, H);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  byColumns(cr, canvas, [&] {
    // A piece of the picture is drawn as the whole would be, shifted.
    cairo_translate(cr, static_cast<double>(-canvas.left), static_cast<double>(-canvas.top));
    // The corner boxes lie under the mitre diagonals, so the antialiased
    // edges where two bands meet leave no seam.
    box(cr, f.topColour, 0, 0, L, T);
    box(cr, f.rightColour, W - R, 0, R, T);
    box(cr, f.bottomColour, W - R, H - B, R, B);
    box(cr, f.leftColour, 0, H - B, L, B);
    quad(cr, f.topColour, {0, 0, W, 0, W - R, T, L, T});
    quad(cr, f.rightColour, {W, 0, W, H, W - R, H - B, W - R, T});
    quad(cr, f.bottomColour, {W, H, 0, H, L, H - B, W - R, H - B});
    quad(cr, f.leftColour, {0, H, 0, 0, L, T, L, H - B});
  });
  return finish(cr, surface, canvas, static_cast<unsigned>(std::clamp(f.opacity, 0, 255)));
}

// Fontconfig's own rules merely classify some common families, "Tahoma" and
// "Verdana" among them, as sans-serif, the fallback that any unknown name
// gets too. The module's configuration binds them strongly to installed
// look-alikes, so every family of the default font list loads.
const char* const familyRules = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Tahoma</family>
    <accept><family>DejaVu Sans</family><family>Liberation Sans</family></accept>
  </alias>
  <alias binding="same">
    <family>Verdana</family>
    <accept><family>DejaVu Sans</family><family>Liberation Sans</family></accept>
  </alias>
</fontconfig>
)";

// The system's configuration with the module's rules added, made once.
FcConfig* fontConfiguration() {
  static FcConfig* config = [] {
    FcConfig* loaded = FcInitLoadConfigAndFonts();
    if (loaded && !FcConfigParseAndLoadFromMemory(loaded, reinterpret_cast<const FcChar8*>(familyRules), FcFalse)) {
      FcConfigDestroy(loaded);
      loaded = nullptr;
    }
    return loaded;
  }();
  return config;
}

bool installed(FcConfig* config, const char* family) {
  FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, nullptr);
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(config, pattern, objects);
  bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

// The installed family that stands for a name: the name itself, or one of
// the families fontconfig binds to it strongly ("Arial" is served by its
// metric-compatible "Liberation Sans"). The weak fallbacks it adds for any
// name do not count, so an unknown name resolves to nothing.
std::string resolveFamily(const std::string& name) {
  FcConfig* config = name.empty() ? nullptr : fontConfiguration();
  if (!config) return "";
  FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, name.c_str(), nullptr);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  std::string resolved;
  FcValue value;
  FcValueBinding binding;
  for (int i = 0; resolved.empty() && FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) == FcResultMatch;
       i++)
    if (binding != FcValueBindingWeak && value.type == FcTypeString &&
        installed(config, reinterpret_cast<const char*>(value.u.s)))
      resolved = reinterpret_cast<const char*>(value.u.s);
  FcPatternDestroy(pattern);
  return resolved;
}

void releaseFont() {
  if (watermarkFont) pango_font_description_free(watermarkFont);
  watermarkFont = nullptr;
}

bool loadFont(const FontRequest& request) {
  releaseFont();
  std::string family = resolveFamily(request.family);
  if (family.empty() || request.points <= 0 || request.points > 10000) return false;
  watermarkFont = pango_font_description_new();
  pango_font_description_set_family(watermarkFont, family.c_str());
  pango_font_description_set_size(watermarkFont, request.points * PANGO_SCALE);
  pango_font_description_set_weight(watermarkFont, request.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(watermarkFont, request.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  underlined = request.underline;
  struckOut = request.strikeout;
  return true;
}

bool fontLoaded() { return watermarkFont != nullptr; }

// One line of text laid out with the watermark font at 96 dots per inch;
// raster text is drawn and measured without smoothing.
PangoLayout* lineLayout(cairo_t* cr, const std::string& line, bool antialiased) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoContext* context = pango_layout_get_context(layout);
  pango_cairo_context_set_resolution(context, 96);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, antialiased ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options, antialiased ? CAIRO_HINT_METRICS_OFF : CAIRO_HINT_METRICS_ON);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);
  pango_layout_set_font_description(layout, watermarkFont);
  PangoAttrList* attributes = pango_attr_list_new();
  if (underlined) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (struckOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout, attributes);
  pango_attr_list_unref(attributes);
  pango_layout_set_text(layout, line.c_str(), static_cast<int>(line.size()));
  return layout;
}

// Where one line's ink reaches, in pixels from the point it is drawn at.
struct Ink {
  int64_t left = 0, top = 0, right = 0, bottom = 0;
};

// Line sizes with the raster font, and where the block of text puts them.
// Glyphs that overhang their advance (italics, some accents) widen the box by
// margins so that the box edge does not clip them.
struct TextBox {
  std::vector<int64_t> lineWidths;  // as aligned: the vector width for smooth text
  std::vector<Ink> inks;
  int64_t width = 0, height = 0, step = 0;
  int64_t marginLeft = 0, marginRight = 0, marginTop = 0, marginBottom = 0;
};

TextBox measure(const TextRequest& request) {
  TextBox box;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 10, 10);
  cairo_t* cr = cairo_create(surface);
  int64_t widest = 0, tallest = 0;
  for (const std::string& line : request.lines) {
    PangoLayout* layout = lineLayout(cr, line, false);
    int width, height;
    pango_layout_get_pixel_size(layout, &width, &height);
    widest = std::max<int64_t>(widest, width);
    tallest = std::max<int64_t>(tallest, height);
    if (request.antialiased) {
      g_object_unref(layout);
      layout = lineLayout(cr, line, true);
      PangoRectangle logical;
      pango_layout_get_extents(layout, nullptr, &logical);
      width = static_cast<int>(std::lround(logical.width / static_cast<double>(PANGO_SCALE)));
    }
    PangoRectangle ink;
    pango_layout_get_pixel_extents(layout, &ink, nullptr);
    g_object_unref(layout);
    box.lineWidths.push_back(width);
    box.inks.push_back({ink.x, ink.y, int64_t{ink.x} + ink.width, int64_t{ink.y} + ink.height});
    box.marginLeft = std::max(box.marginLeft, -box.inks.back().left);
    box.marginRight = std::max(box.marginRight, box.inks.back().right - width);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  // Sums of 32-bit settings are made in 64 bits: the box may be far larger
  // than any canvas, and the caller draws only the part it needs.
  int64_t lines = static_cast<int64_t>(request.lines.size()), lineHeight = tallest;
  if (request.severalLines) {
    lineHeight = std::max<int64_t>(tallest, 10);
    box.width = std::max<int64_t>(widest, 10);
    box.step = lineHeight + request.leading;
    box.height = lineHeight + (lines - 1) * box.step;
  } else {
    box.width = widest;
    box.height = tallest;
  }
  box.marginTop = std::max<int64_t>(0, -box.inks.front().top);
  box.marginBottom = std::max<int64_t>(0, box.inks.back().bottom - lineHeight);
  box.width += box.marginLeft + box.marginRight + 2 * int64_t{request.padding};
  box.height += box.marginTop + box.marginBottom + 2 * int64_t{request.padding};
  return box;
}

bool measureText(const TextRequest& request, int64_t& width, int64_t& height) {
  if (!watermarkFont || request.lines.empty()) return false;
  TextBox box = measure(request);
  width = box.width;
  height = box.height;
  return width > 0 && height > 0;
}

int64_t lineX(const TextRequest& request, const TextBox& box, int64_t lineWidth) {
  int64_t left = request.padding + box.marginLeft;
  if (!request.severalLines) return left;
  switch (request.alignment) {
    case 0:
      return left;
    case 1: {
      double middle = (box.width - lineWidth + box.marginLeft - box.marginRight) / 2.0;
      return static_cast<int64_t>(std::round(middle));
    }
    case 2:
      return box.width - lineWidth - request.padding - box.marginRight;
    default:
      return box.marginLeft;
  }
}

bool drawText(const TextRequest& request, Canvas canvas) {
  if (!watermarkFont || request.lines.empty()) return false;
  TextBox box = measure(request);
  cairo_surface_t* surface;
  cairo_t* cr = drawOn(canvas, surface);
  bool antialiased = request.antialiased;
  // Raster text blends its colours as it draws; smoothed text is drawn
  // opaque and laid on at the two opacities afterwards.
  double textAlpha = antialiased ? 1.0 : request.text.alpha / 255.0;
  double backAlpha = antialiased ? 1.0 : request.back.alpha / 255.0;
  byColumns(cr, canvas, [&] {
    cairo_push_group(cr);
    setColour(cr, request.back, backAlpha);
    cairo_paint(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, antialiased ? request.back.alpha / 255.0 : 1.0);

    cairo_push_group(cr);
    int64_t y = int64_t{request.padding} + box.marginTop;
    for (size_t i = 0; i < request.lines.size(); i++, y += box.step) {
      // A line is laid out only when its ink comes near the canvas: far-off
      // positions would overflow the drawing library's fixed-point
      // coordinates.
      const int64_t near = 1024;
      int64_t x = lineX(request, box, box.lineWidths[i]) - canvas.left, top = y - canvas.top;
      const Ink& ink = box.inks[i];
      if (x + ink.right + near < 0 || x + ink.left - near > canvas.width || top + ink.bottom + near < 0 ||
          top + ink.top - near > canvas.height)
        continue;
      PangoLayout* layout = lineLayout(cr, request.lines[i], antialiased);
      cairo_move_to(cr, static_cast<double>(x), static_cast<double>(top));
      setColour(cr, request.text, textAlpha);
      pango_cairo_show_layout(cr, layout);
      g_object_unref(layout);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, antialiased ? request.text.alpha / 255.0 : 1.0);
  });
  return finish(cr, surface, canvas);
}

const DrawingFunctions functions = {drawFrame, loadFont, releaseFont, fontLoaded, measureText, drawText};

}  // namespace

extern "C" __attribute__((visibility("default"))) const DrawingFunctions* zorvaneDrawingFunctions() {
  return &functions;
}
