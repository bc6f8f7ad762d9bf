// Frames and text boxes are drawn in pieces the drawing library can hold;
// the pieces must give the pixels one whole drawing would, and pictures
// wider than the library's surfaces must still get their layers.
#include <gtest/gtest.h>

#include <array>

#include "batch/job_state.h"
#include "engine/layers.h"
#include "engine/stages.h"
#include "engine/watermark.h"
#include "settings/settings.h"
#include "support/pictures.h"

namespace {

const Pixel black = {0, 0, 0};
const Pixel white = {255, 255, 255};
const Pixel blue = {0, 0, 255};

// Draws a whole layer on one canvas and lays it over the picture.
template <typename Draw>
Image laidWhole(Image picture, int width, int height, int x, int y, Draw draw) {
  Image layer = transparentLayer(width, height);
  EXPECT_TRUE(draw(canvasOf(layer.get())));
  return compositeLayer(std::move(picture), layer.get(), x, y);
}

TEST(LayerPieces, aFrameDrawnInPiecesEqualsOneDrawnWhole) {
  // Mitres steep and shallow that cross the pieces' sides, half opaque.
  const int width = 4200, height = 2200;
  const struct Case {
    int left, right, top, bottom;
  } cases[] = {{2100, 999, 2150, 33}, {4100, 60, 2150, 40}, {17, 4000, 5, 2190}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.left) + " " + std::to_string(c.top));
    resetSettings(true);
    settings.doFrame = 1;
    settings.solidLeft = c.left;
    settings.solidRight = c.right;
    settings.solidTop = c.top;
    settings.solidBottom = c.bottom;
    settings.solidTopColor = "FF0000";
    settings.solidLeftColor = "00FF00";
    settings.solidOpacity = 200;
    Image framed = frameStage(patternPicture(width, height), width, height);
    const FrameRequest frame = {width,  height, c.left, c.right, c.top, c.bottom, {0, 255, 0, 255}, {0, 0, 0, 255},
                                {255, 0, 0, 255}, {0, 0, 0, 255}, 200};
    Image whole = laidWhole(patternPicture(width, height), width, height, 0, 0,
                            [&](Canvas canvas) { return drawing()->drawFrame(frame, canvas); });
    EXPECT_TRUE(samePixels(framed.get(), whole.get()));
  }
}

TEST(LayerPieces, aTextBoxDrawnInPiecesEqualsOneDrawnWhole) {
  resetSettings(true);
  settings.doWatermark = 1;
  settings.font = "Arial";
  settings.fontSize = 600;
  settings.fontStyle = 2;
  settings.fontEffect = 1;
  settings.text = "Wavy%eol%fjord";
  settings.textAlignment = 1;
  settings.textPadding = 200;
  settings.fontColor = "FF0000";
  settings.backColor = "0000FF";
  settings.backOpacity = 90;
  settings.textOpacity = 230;
  settings.textPosition = 0;
  settings.textXOffset = 17;
  settings.textYOffset = 5;
  ASSERT_TRUE(loadWatermarkFont());
  for (int8_t smooth : {0, 1}) {
    SCOPED_TRACE(static_cast<int>(smooth));
    settings.textAntialiasing = smooth;
    const int width = 2500, height = 2250;
    Image marked = watermarkStage(patternPicture(width, height), width, height, job);
    TextRequest request = {{"Wavy", "fjord"}, true, 0, 200, 1, smooth != 0, {255, 0, 0, 230}, {0, 0, 255, 90}};
    int64_t boxWidth, boxHeight;
    ASSERT_TRUE(drawing()->measureText(request, boxWidth, boxHeight));
    ASSERT_GT(boxWidth, 2100);  // more than one piece each way
    ASSERT_GT(boxHeight, 2100);
    Image whole = laidWhole(patternPicture(width, height), static_cast<int>(boxWidth), static_cast<int>(boxHeight), 17,
                            5, [&](Canvas canvas) { return drawing()->drawText(request, canvas); });
    EXPECT_TRUE(samePixels(marked.get(), whole.get()));
  }
  releaseWatermarkFont();
}

// Glyphs this large are filled as outlines rather than drawn from images,
// and outlines are what a piece's sides could cut differently.
TEST(LayerPieces, aGlyphFilledAsAnOutlineIsCutExactly) {
  resetSettings(true);
  settings.font = "Arial";
  settings.fontSize = 9000;
  ASSERT_TRUE(loadWatermarkFont());
  TextRequest request = {{"W"}, false, 0, 0, 0, true, {255, 0, 0, 255}, {0, 0, 255, 255}};
  // Around the first column line, rows cut anywhere.
  const int64_t left = drawingColumn - 300, top = 5400;
  Image whole = transparentLayer(600, 300);
  Canvas canvas = canvasOf(whole.get());
  canvas.left = left;
  canvas.top = top;
  ASSERT_TRUE(drawing()->drawText(request, canvas));
  Image pieced = transparentLayer(600, 300);
  for (auto [x, y, w, h] : {std::array{0, 0, 300, 110}, {300, 0, 300, 110}, {0, 110, 300, 190}, {300, 110, 300, 190}}) {
    Image piece = transparentLayer(w, h);
    Canvas part = canvasOf(piece.get());
    part.left = left + x;
    part.top = top + y;
    ASSERT_TRUE(drawing()->drawText(request, part));
    FreeImage_Paste(pieced.get(), piece.get(), x, y, 256);
  }
  releaseWatermarkFont();
  Image flat(FreeImage_ConvertTo24Bits(whole.get()));
  ASSERT_GT(boxOf(flat.get(), {255, 0, 0}).width, 0);  // both ink and box in view
  ASSERT_GT(boxOf(flat.get(), blue).width, 0);
  EXPECT_TRUE(samePixels(whole.get(), pieced.get()));
}

// The drawing library's surfaces stop at 32767 pixels a side.
TEST(LayerPieces, picturesWiderThanTheDrawingSurfacesGetTheirLayers) {
  resetSettings(true);
  const int width = 40000, height = 30;
  settings.doFrame = 1;
  settings.solidLeft = settings.solidRight = settings.solidTop = settings.solidBottom = 3;
  Image framed = frameStage(solidPicture(width, height, 24, 255, 255, 255), width, height);
  EXPECT_EQ(pixelAt(framed.get(), width - 1, 15), black);
  EXPECT_EQ(pixelAt(framed.get(), 35000, height - 1), black);
  EXPECT_EQ(pixelAt(framed.get(), 35000, 15), white);

  // A text box wider than a surface is cut to the picture, not lost.
  settings.doFrame = 0;
  settings.doWatermark = 1;
  settings.font = "Arial";
  settings.text = "Wide";
  settings.textPadding = 20000;
  settings.backColor = "0000FF";
  settings.backOpacity = 255;
  settings.textPosition = 0;
  settings.textXOffset = settings.textYOffset = 0;
  ASSERT_TRUE(loadWatermarkFont());
  Image marked = watermarkStage(solidPicture(width, height, 24, 255, 255, 255), width, height, job);
  releaseWatermarkFont();
  EXPECT_EQ(boxOf(marked.get(), blue), (Box{0, 0, width, height}));
}

}  // namespace
