// The default theme pack as the build delivers it beside the program.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "themes/built_in_artwork.h"
#include "themes/theme_config.h"
#include "themes/themes.h"

namespace {

TEST(HanddrawnPack, isNamedAndListed) {
  EXPECT_EQ(themeDisplayName("handdrawn", THEME_PACK_FOLDER), "Hand-drawn");
  listThemes(THEME_PACK_FOLDER);
  ASSERT_EQ(installedThemes.size(), 1u);
  EXPECT_EQ(installedThemes[0].packName, "handdrawn");
}

TEST(HanddrawnPack, replacesEverySlotAtEveryOfferedSize) {
  resetSettings(false);
  EXPECT_EQ(settings.uiTheme, "handdrawn") << "the default theme";
  for (int uiSize : {0, 1, 2}) {
    SCOPED_TRACE(uiSize);
    pictureSlots = {};
    ASSERT_TRUE(loadBuiltInArtwork());
    const PictureSlots builtIn = pictureSlots;
    settings.uiSize = uiSize;
    loadTheme(true, true, true, THEME_PACK_FOLDER);
    const std::pair<const char*, int> buttons[] = {{"Convert", 64}, {"InFiles", 48}, {"InFolder", 48}};
    for (auto [key, size] : buttons) {
      SCOPED_TRACE(key);
      EXPECT_NE(pictureSlots.buttons[key], builtIn.buttons.at(key));
      EXPECT_EQ(pictureSlots.buttons[key].width, size);
    }
    int toolbarSize = toolbarIconSize(uiSize);
    for (const char* key : iconKeys) {
      SCOPED_TRACE(key);
      EXPECT_NE(pictureSlots.menuIcons[key], builtIn.menuIcons.at(key));
      EXPECT_EQ(pictureSlots.menuIcons[key].width, 16);
      EXPECT_EQ(pictureSlots.toolbarIcons[key].width, toolbarSize);
      EXPECT_EQ(pictureSlots.toolbarIcons[key].height, toolbarSize);
    }
  }
}

}  // namespace
