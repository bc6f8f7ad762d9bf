// Work on the colour channels of a 24-bit picture side by side. Several of
// FreeImage's calls treat each channel on its own, so making the same call
// on each channel as an 8-bit greyscale picture gives the same bytes as one
// call on the whole picture, and the channels can run on separate cores.
#pragma once
#include <functional>

#include "engine/image.h"

// One FreeImage call on one channel (FICC_RED, FICC_GREEN or FICC_BLUE) held
// as an 8-bit greyscale picture; returns a new 8-bit picture or null.
using ChannelCall = std::function<FIBITMAP*(FIBITMAP* channel, FREE_IMAGE_COLOR_CHANNEL which)>;

// The threads a picture's channels can use: the usable cores, at most one per
// channel; 1 (the whole picture in one call) unless it is a 24-bit picture.
unsigned channelThreads(FIBITMAP* image);

// Splits a 24-bit picture into its channels and releases it, makes the call
// on each channel on up to `threads` threads (the calling thread one of
// them), and joins the three results into a new 24-bit picture. No image
// when a call fails or the results differ in size or depth.
Image eachChannel(Image image, unsigned threads, const ChannelCall& call);
