// Fits the toolkit theme's controls into the window's fixed pixel measures.
#pragma once

// The text fields, drop-down lists and toolbar buttons take their sizes
// from the windows' own measures (a 20-pixel text field, a 24-pixel
// button); the theme's paddings shrink so that their text stays whole.
void useCompactStyle();
