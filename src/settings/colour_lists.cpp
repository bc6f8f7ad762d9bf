#include "settings/colour_lists.h"

#include "i18n/language_table.h"
#include "text/text.h"

namespace {

struct NamedColour {
  const char* hex;
  const char* key;
};

const NamedColour namedColours[] = {
    {"000000", "Black"},  {"C0C0C0", "Silver"}, {"808080", "Gray"},    {"FFFFFF", "White"},  {"800000", "Maroon"},
    {"FF0000", "Red"},    {"800080", "Purple"}, {"FF00FF", "Fuchsia"}, {"008000", "Green"},  {"00FF00", "Lime"},
    {"808000", "Olive"},  {"FFFF00", "Yellow"}, {"000080", "Navy"},    {"0000FF", "Blue"},   {"008080", "Teal"},
    {"00FFFF", "Aqua"},   {"FF8000", "Orange"}, {"804000", "Brown"},   {"8000FF", "Violet"},
};

// The first entry of that colour, -1 when none has it.
int findColour(const std::vector<std::string>& entries, Colour colour) {
  for (size_t i = 0; i < entries.size(); i++) {
    Colour c = colourFromHex(entries[i]);
    if (c.red == colour.red && c.green == colour.green && c.blue == colour.blue) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::string colourName(const std::string& hex) {
  std::string upper = toUpperAscii(hex);
  for (const NamedColour& named : namedColours)
    if (upper == named.hex) return lookupText("Preferences", named.key);
  return lookupText("Preferences", "Color") + " #" + upper;
}

int colourIndex(const std::vector<std::string>& entries, Colour colour) {
  int found = findColour(entries, colour);
  return found >= 0 || entries.empty() ? found : 0;
}

bool addListColour(std::string& list, Colour colour) {
  if (findColour(listEntries(list, ','), colour) >= 0) return false;
  std::string hex = colourToHex(colour);
  list = trimmed(list).empty() ? hex : list + "," + hex;
  return true;
}
