// The pictures of the desktop application as toolkit bitmaps, read from the
// three picture sets by slot name ("Convert", "New", "FavFolder", ...).
#pragma once
#include <cstdint>

#include <wx/bitmap.h>

enum class PictureSet { Buttons, MenuIcons, ToolbarIcons };

// The picture of a slot; an empty bitmap when the slot has none.
wxBitmap pictureFor(PictureSet set, const char* slot);

// The About window's 360 x 40 banner.
wxBitmap aboutBanner();

// The size of the main toolbar's icons for a `UI Size` value: 0 → 16,
// 1 → 24, 2 → 32, 3 → 48, 4 → 64, any other → 16.
int toolbarIconSize(int32_t uiSize);
