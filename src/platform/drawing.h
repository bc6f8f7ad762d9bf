// Drawing the engine's layers (the frame and text watermarks) with vector
// and text rendering. The drawing lives in a module of its own that is
// loaded on first use, so runs without a frame or text pay nothing for it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// 32-bit pixels in FreeImage's layout: bytes blue, green, red, alpha with
// straight (not premultiplied) alpha, rows stored bottom row first. A canvas
// may hold one piece of a larger drawing (the drawing library's surfaces
// stop at 32767 pixels a side): its top-left pixel is then (left, top) of
// the whole.
struct Canvas {
  uint8_t* bits;
  int width, height;
  int stride;  // bytes from one stored row to the next
  int64_t left = 0, top = 0;
};

// Drawings are made column by column, each column of this many pixels (from
// x = 0 of the whole) clipped on its own: the antialiasing of an edge cut at
// a canvas's side would otherwise differ from that of the edge drawn whole.
// A canvas whose sides lie on column lines, or on any row, gets the pixels
// that a canvas of the whole drawing would.
constexpr int drawingColumn = 2048;

struct Rgba {
  uint8_t red, green, blue, alpha;
};

// A solid border of four widths and colours with mitred corners, antialiased,
// at one opacity, drawn onto a transparent canvas of the picture's size or a
// piece of one. Widths are held to 0..width or 0..height.
struct FrameRequest {
  int width, height;  // the picture's
  int left, right, top, bottom;
  Rgba leftColour, rightColour, topColour, bottomColour;
  int opacity;  // 0..255
};

// The watermark font: a family at a size in points (96 dots per inch).
struct FontRequest {
  std::string family;
  int points;
  bool bold, italic, underline, strikeout;
};

// A block of text lines on a box of its own colour.
struct TextRequest {
  std::vector<std::string> lines;
  bool severalLines;  // the text held line breaks (even a single line then has minimum sizes)
  int leading;        // extra pixels between lines
  int padding;        // pixels between the text and the box edge
  int alignment;      // 0 left, 1 centre, 2 right
  bool antialiased;   // smoothed vector text; otherwise raster text
  Rgba text;          // colour; its alpha is the text opacity
  Rgba back;          // box colour; its alpha is the box opacity
};

struct DrawingFunctions {
  bool (*drawFrame)(const FrameRequest& request, Canvas canvas);
  bool (*loadFont)(const FontRequest& request);
  void (*releaseFont)();
  bool (*fontLoaded)();
  // The size of the text's box, which can exceed what a canvas holds.
  bool (*measureText)(const TextRequest& request, int64_t& width, int64_t& height);
  // Draws the box, or the piece of it that the canvas holds.
  bool (*drawText)(const TextRequest& request, Canvas canvas);
};

// The drawing functions, or none when the drawing module cannot be loaded.
const DrawingFunctions* drawing();

// The module's own table; what `drawing()` finds in it.
extern "C" const DrawingFunctions* zorvaneDrawingFunctions();
