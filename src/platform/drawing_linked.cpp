// The drawing functions linked into the same binary (the tests' build).
#include "platform/drawing.h"

const DrawingFunctions* drawing() { return zorvaneDrawingFunctions(); }
