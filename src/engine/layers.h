// What the frame and watermark stages share: 32-bit layers drawn in
// FreeImage's own bitmaps, and laying a layer over the picture.
#pragma once
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
