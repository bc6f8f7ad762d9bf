// Colour correction, greyscale, threshold and dither.
#include "engine/stages.h"

Image colourStage(Image image) { return image; }

Image greyscaleStage(Image image) { return image; }

Image thresholdStage(Image image) { return image; }

Image ditherStage(Image image) { return image; }
