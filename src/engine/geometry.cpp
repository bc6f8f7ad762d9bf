// Rotation, resize and flips.
#include "engine/stages.h"

Image rotateStage(Image image) { return image; }

Image resizeStage(Image image, int, int) { return image; }

void flipStage(FIBITMAP*) {}
