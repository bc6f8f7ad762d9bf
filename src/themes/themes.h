// Interface themes: the theme packs installed with the program, their
// display names, and loading a pack's pictures into the picture slots.
// A pack is "<theme folder><name>.zip" holding PNG pictures and a
// `theme.cfg` that maps every slot to one of them.
#pragma once
#include <string>
#include <vector>

#include "themes/picture_slots.h"

// Where the packs live: the installation's data folder + "gfx/".
std::string themeFolder();

struct InstalledTheme {
  std::string packName;     // file name without ".zip"
  std::string displayName;  // `themeDisplayName` of the pack
};

// The installed-themes table, in the order of the folder scan (file names
// without regard to letter case); filled by `listThemes`.
extern std::vector<InstalledTheme> installedThemes;

// Fills the installed-themes table afresh from the "*.zip" files of the
// folder (folders with such names are skipped).
void listThemes(const std::string& folder = themeFolder());

// The Name value of the section Theme in the first 255 bytes of the pack's
// `theme.cfg` ("" without one); the pack name itself when the pack is
// missing, empty or no archive.
std::string themeDisplayName(const std::string& packName, const std::string& folder = themeFolder());

// Loads the chosen picture sets from the pack named by `UI Theme`: buttons
// from the section Buttons at size 16, menu icons from Icons at 16, toolbar
// icons from Icons at the size of `UI Size`. When that pack is missing and
// some pack is installed, `UI Theme` becomes the pack the scan found last.
// Slots the pack cannot fill (missing, empty, oversized or broken pictures)
// keep their pictures; nothing is reported.
void loadTheme(bool buttons, bool menuIcons, bool toolbarIcons, const std::string& folder = themeFolder());

// The themes the preferences window offers: ordered by pack name without
// regard to letter case, those with an empty display name left out. Empty
// when none is installed (the window then shows its "None" entry).
std::vector<InstalledTheme> themeChoices();
