#include "settings/font_list.h"

#include <algorithm>

#include "text/text.h"
#include "settings/settings.h"

std::vector<std::string> fontListEntries() {
  if (settings.fonts.empty()) settings.fonts = settings.font;
  return listEntries(settings.fonts, ',');
}

int fontIndex(const std::vector<std::string>& entries) {
  std::string font = toUpperText(settings.font);
  for (size_t i = 0; i < entries.size(); i++)
    if (toUpperText(entries[i]) == font) return static_cast<int>(i);
  return entries.empty() ? -1 : 0;
}

std::string fontFaceName(const std::string& chosen) {
  std::string face = chosen;
  face.erase(std::remove(face.begin(), face.end(), ','), face.end());
  return face;
}

bool addFontFace(const std::string& face) {
  if (face.empty()) return false;
  std::vector<std::string> entries = listEntries(settings.fonts, ',');
  if (std::find(entries.begin(), entries.end(), face) != entries.end()) return false;
  settings.fonts = trimmed(settings.fonts).empty() ? face : settings.fonts + "," + face;
  return true;
}
