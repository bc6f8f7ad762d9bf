#include "themes/themes.h"

#include <algorithm>
#include <map>
#include <set>
#include <strings.h>

#include "platform/files.h"
#include "platform/install_layout.h"
#include "settings/settings.h"
#include "themes/png_picture.h"
#include "themes/theme_config.h"
#include "themes/theme_pack.h"

std::vector<InstalledTheme> installedThemes;

namespace {

const char* const configEntry = "theme.cfg";
const std::string packSuffix = ".zip";

// A configuration text has no business being longer; reading stops there.
constexpr size_t configLimit = 64 * 1024;
// Only the head of the configuration names the theme.
constexpr size_t displayNameLimit = 255;
// Well above any PNG of `largestPictureSide` pixels a side.
constexpr size_t pictureLimit = 2 * 1024 * 1024;

struct Slot {
  PictureSet* set;
  const char* key;
};

template <size_t N>
void wantSet(std::map<std::string, std::vector<Slot>>& wanted, const std::string& config, PictureSet& set,
             const char* section, const std::array<const char*, N>& keys, int size) {
  for (const char* key : keys) wanted[pictureEntryName(configValue(config, section, key), size)].push_back({&set, key});
}

}  // namespace

std::string themeFolder() { return dataFolder() + "gfx/"; }

void listThemes(const std::string& folder) {
  installedThemes.clear();
  for (const std::string& file : listFiles(folder, packSuffix)) {
    std::string pack = file.substr(0, file.size() - packSuffix.size());
    installedThemes.push_back({pack, themeDisplayName(pack, folder)});
  }
}

std::string themeDisplayName(const std::string& packName, const std::string& folder) {
  std::string path = folder + packName + packSuffix;
  std::map<std::string, PackEntry> found;
  if (fileSize(path) == 0 || !readPackEntries(path, {configEntry}, displayNameLimit, found)) return packName;
  auto config = found.find(configEntry);
  return config == found.end() ? "" : configValue(config->second.bytes, "Theme", "Name");
}

void loadTheme(bool buttons, bool menuIcons, bool toolbarIcons, const std::string& folder) {
  std::string path = folder + settings.uiTheme + packSuffix;
  if (queryPath(path).kind != PathKind::File && !installedThemes.empty()) {
    settings.uiTheme = installedThemes.back().packName;
    path = folder + settings.uiTheme + packSuffix;
  }
  if (fileSize(path) == 0) return;

  std::map<std::string, PackEntry> found;
  if (!readPackEntries(path, {configEntry}, configLimit, found) || !found.count(configEntry)) return;
  const std::string& config = found[configEntry].bytes;

  // Several slots may name one entry; each entry is read and decoded once.
  std::map<std::string, std::vector<Slot>> wanted;
  if (buttons) wantSet(wanted, config, pictureSlots.buttons, "Buttons", buttonKeys, 16);
  if (menuIcons) wantSet(wanted, config, pictureSlots.menuIcons, "Icons", iconKeys, 16);
  if (toolbarIcons)
    wantSet(wanted, config, pictureSlots.toolbarIcons, "Icons", iconKeys, toolbarIconSize(settings.uiSize));

  std::set<std::string> names;
  for (const auto& [name, slots] : wanted) names.insert(name);
  std::map<std::string, PackEntry> pictures;
  if (!readPackEntries(path, names, pictureLimit, pictures)) return;
  for (const auto& [name, entry] : pictures) {
    Picture picture;
    if (entry.cut || !decodePng(reinterpret_cast<const uint8_t*>(entry.bytes.data()), entry.bytes.size(), picture))
      continue;
    for (const Slot& slot : wanted[name]) (*slot.set)[slot.key] = picture;
  }
}

std::vector<InstalledTheme> themeChoices() {
  std::vector<InstalledTheme> choices;
  for (const InstalledTheme& theme : installedThemes)
    if (!theme.displayName.empty()) choices.push_back(theme);
  std::stable_sort(choices.begin(), choices.end(), [](const InstalledTheme& a, const InstalledTheme& b) {
    return strcasecmp(a.packName.c_str(), b.packName.c_str()) < 0;
  });
  return choices;
}
