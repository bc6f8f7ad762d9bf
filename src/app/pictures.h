// The pictures of the desktop application as toolkit bitmaps, read from the
// three picture sets by slot name ("Convert", "New", "FavFolder", ...).
#pragma once
#include <wx/bitmap.h>

enum class PictureKind { Buttons, MenuIcons, ToolbarIcons };

// Fills the picture sets: the built-in artwork, then the pack named by
// `UI Theme` over it.
void loadPictures();

// The picture of a slot; an empty bitmap when the slot has none.
wxBitmap pictureFor(PictureKind set, const char* slot);

// The About window's 360 x 40 banner.
wxBitmap aboutBanner();
