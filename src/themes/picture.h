// A picture of the interface artwork as plain bytes, ready for any window
// toolkit: no handles, no library types.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct Picture {
  int width = 0, height = 0;
  // Straight (not premultiplied) red, green, blue and alpha bytes, four per
  // pixel, top row first, rows without padding.
  std::vector<uint8_t> rgba;
  bool operator==(const Picture&) const = default;
};

// One set of picture slots: slot name ("Convert", "New", ...) to its picture.
using PictureSet = std::map<std::string, Picture>;
