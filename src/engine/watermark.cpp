// The text or picture watermark.
#include "engine/stages.h"

Image watermarkStage(Image image, int, int) { return image; }
