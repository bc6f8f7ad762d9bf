// The watermark font, which a run loads before its first file (and checks
// by loading) and frees after its last; the watermark stage draws with it.
#pragma once

// Loads `Font` at `Font Size` points with `Font Style` and `Font Effect`;
// false when no installed font answers to that name.
[[nodiscard]] bool loadWatermarkFont();
void releaseWatermarkFont();
bool watermarkFontLoaded();
