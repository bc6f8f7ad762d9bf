// The stages of the pipeline, in the order it runs them. Each takes the
// current image and returns the one to continue with: the same image when
// it changes nothing, a new one (the given one released) when it makes one,
// no image when it fails.
#pragma once
#include "engine/conversion_job.h"
#include "engine/image.h"

Image rotateStage(Image image);
Image resizeStage(Image image, int width, int height);
void flipStage(FIBITMAP* image);  // mirrors in place
Image colourStage(Image image);
Image greyscaleStage(Image image);
Image thresholdStage(Image image);
Image ditherStage(Image image);
Image frameStage(Image image, int width, int height);
Image watermarkStage(Image image, int width, int height, const ConversionJob& job);
Image bitDepthStage(Image image, ConversionJob& job);
