// The application's three process-wide picture sets: the big button
// pictures, the menu icons and the toolbar icons. The desktop face reads the
// slots by name; the built-in artwork fills them and theme packs replace them.
#pragma once
#include <array>

#include "themes/picture.h"

// The slot names of the button pictures.
inline constexpr std::array<const char*, 3> buttonKeys = {"Convert", "InFiles", "InFolder"};

// The slot names of the menu icons and of the toolbar icons.
inline constexpr std::array<const char*, 22> iconKeys = {
    "New", "Add", "InFiles", "InFolder", "OutFolder", "OutFormat", "FavFolder", "ImportFiles",
    "ExportFiles", "Exit", "Copy", "Delete", "SelectAll", "Convert", "Error", "Preferences",
    "CustomConverter", "Help", "Email", "Web", "Updates", "About"};

struct PictureSlots {
  PictureSet buttons;       // Convert 64 x 64, InFiles and InFolder 48 x 48 when built in
  PictureSet menuIcons;     // 16 x 16
  PictureSet toolbarIcons;  // 16 x 16 when built in; a theme gives them the `UI Size`
};

extern PictureSlots pictureSlots;
