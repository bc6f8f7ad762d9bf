// What the frame and watermark stages share: 32-bit layers drawn in
// FreeImage's own bitmaps, and laying a layer over the picture.
#pragma once
#include <cstdint>
#include <functional>

#include "engine/image.h"
#include "platform/drawing.h"

// A fully transparent 32-bit bitmap; none when it cannot be allocated.
Image transparentLayer(int width, int height);

// The pixels of a 32-bit bitmap as a drawing canvas.
Canvas canvasOf(FIBITMAP* layer);

// Blends a 32-bit layer over the 24-bit picture with its top-left corner at
// (x, y) and returns the picture to continue with. A layer that does not lie
// wholly within the picture (FreeImage refuses to paste it) leaves the
// picture as it is.
Image compositeLayer(Image picture, FIBITMAP* layer, int x, int y);

// Draws the width x height part of a drawing whose top-left pixel is (left,
// top) of the whole (left at least 0), in pieces that the drawing functions
// accept and that take little memory: transparent 32-bit bitmaps that end
// on the drawing's column lines, so that together they give the pixels of
// one whole drawing. Each is handed to `take` with its place within the
// part. False when a piece cannot be made, drawn or taken; the pieces taken
// before stay taken.
using DrawPiece = std::function<bool(Canvas canvas)>;
using TakePiece = std::function<bool(FIBITMAP* piece, int x, int y)>;
bool drawInPieces(int64_t left, int64_t top, int width, int height, const DrawPiece& draw, const TakePiece& take);
