// The About window: the banner, the product's title and notice, and links to
// the maker's web site and support address.
#pragma once

// Command 24; returns when the window is closed (OK, Return, Escape or the
// close box).
void openAboutWindow();
