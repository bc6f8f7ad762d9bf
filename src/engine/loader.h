// Loading the input picture.
#pragma once
#include <string>

#include "engine/image.h"

// Decodes a JPEG file (whatever its name says) with accurate decoding and
// its Exif orientation applied, reading the file once. No image when the
// file is no readable JPEG, when its data lacks part of the picture (a file
// that only lacks its end marker is whole), when the picture is too large
// for the memory left or for its data, or when memory runs out. A damaged
// Exif block costs the orientation only. When `sizeIsFinal` (no stage will
// change the picture's size), a picture the PCX writer cannot hold is
// refused before decoding too.
Image loadJpeg(const std::string& path, bool sizeIsFinal = false);
