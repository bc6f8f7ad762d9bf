// Loading the input picture.
#pragma once
#include <string>

#include "engine/image.h"

// Decodes a JPEG file (whatever its name says) with accurate decoding and
// its Exif orientation applied. No image when the file is no readable JPEG,
// when its data ends before the picture does, or when the picture is too
// large for the memory left.
Image loadJpeg(const std::string& path);
