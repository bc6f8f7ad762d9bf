// The custom-converter search window: two extensions become a search page
// on the maker's site.
#pragma once

// Command 16; returns when the window is closed, after a search or without.
void openConverterSearchWindow();
