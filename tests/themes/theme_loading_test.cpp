#include "themes/themes.h"

#include <gtest/gtest.h>

#include <functional>

#include "pack_writer.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

// A small picture whose green byte tells where it came from.
Picture tagged(int tag) { return solidPicture(3, 2, 200, static_cast<uint8_t>(tag), 50); }
std::string taggedPng(int tag) { return encodePng(tagged(tag)); }

struct ThemeLoadingTest : testing::Test {
  TempFolder folder;
  PictureSlots before;

  void SetUp() override {
    resetSettings(false);
    settings.uiTheme = "pack";
    settings.uiSize = 0;
    installedThemes.clear();
    // Every slot starts with a picture of its own, so any change shows.
    int set = 0;
    for (PictureSet* slots : {&pictureSlots.buttons, &pictureSlots.menuIcons, &pictureSlots.toolbarIcons}) {
      slots->clear();
      int key = 0;
      for (const char* name : set == 0 ? std::vector<const char*>(buttonKeys.begin(), buttonKeys.end())
                                       : std::vector<const char*>(iconKeys.begin(), iconKeys.end()))
        (*slots)[name] = solidPicture(1, 1, static_cast<uint8_t>(set), static_cast<uint8_t>(key++), 7);
      set++;
    }
    before = pictureSlots;
  }

  void writePack(const std::string& name, const std::vector<ZipEntry>& entries) {
    ASSERT_TRUE(writeZip(folder.file(name + ".zip"), entries));
  }
  void load(bool buttons = true, bool menuIcons = true, bool toolbarIcons = true) {
    loadTheme(buttons, menuIcons, toolbarIcons, folder.path);
  }
};

TEST_F(ThemeLoadingTest, fillsEachChosenSetFromItsSectionAndSize) {
  settings.uiSize = 2;
  writePack("pack", {{"theme.cfg", configText({"[Buttons]", "Convert=convert.png", "[Icons]", "New=new", "Help=help"})},
                     {"convert.png", taggedPng(1)},
                     {"new_16.png", taggedPng(2)},
                     {"new_32.png", taggedPng(3)},
                     {"help_16.png", taggedPng(4)}});
  load();
  EXPECT_EQ(pictureSlots.buttons["Convert"], tagged(1));
  EXPECT_EQ(pictureSlots.menuIcons["New"], tagged(2));
  EXPECT_EQ(pictureSlots.toolbarIcons["New"], tagged(3));
  EXPECT_EQ(pictureSlots.menuIcons["Help"], tagged(4));
  EXPECT_EQ(pictureSlots.toolbarIcons["Help"], before.toolbarIcons["Help"]) << "no help_32.png in the pack";
  EXPECT_EQ(pictureSlots.buttons["InFiles"], before.buttons["InFiles"]);
  EXPECT_EQ(pictureSlots.menuIcons["Add"], before.menuIcons["Add"]);
  EXPECT_EQ(pictureSlots.menuIcons.size(), iconKeys.size());
}

TEST_F(ThemeLoadingTest, buttonValuesNameEntriesByThePictureFileRule) {
  struct Case {
    const char* what;
    std::vector<std::string> buttons;  // lines of the Buttons section
    const char* entry;
  };
  const Case cases[] = {
      {"a value with .PNG names the entry itself", {"Convert=convert.PNG"}, "convert.PNG"},
      {"a base name gets the size 16", {"Convert=convert"}, "convert_16.png"},
      {"no line gives an empty base name", {"InFiles=infiles"}, "_16.png"},
      {"a key in other letter cases", {"CONVERT=big"}, "big_16.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    std::vector<std::string> lines = {"[buttons]"};
    lines.insert(lines.end(), c.buttons.begin(), c.buttons.end());
    writePack("pack", {{"theme.cfg", configText(lines)}, {c.entry, taggedPng(5)}});
    load();
    EXPECT_EQ(pictureSlots.buttons["Convert"], tagged(5));
  }
}

TEST_F(ThemeLoadingTest, toolbarIconsFollowTheUiSizeAndMenuIconsStayAt16) {
  std::vector<ZipEntry> entries = {{"theme.cfg", configText({"[Icons]", "New=new"})}};
  for (int size : {16, 24, 32, 48, 64}) entries.push_back({"new_" + std::to_string(size) + ".png", taggedPng(size)});
  writePack("pack", entries);
  const std::pair<int, int> cases[] = {{0, 16}, {1, 24}, {2, 32}, {3, 48}, {4, 64}, {5, 16}, {-1, 16}};
  for (auto [uiSize, size] : cases) {
    SCOPED_TRACE(uiSize);
    SetUp();
    settings.uiSize = uiSize;
    load();
    EXPECT_EQ(pictureSlots.toolbarIcons["New"], tagged(size));
    EXPECT_EQ(pictureSlots.menuIcons["New"], tagged(16));
  }
}

TEST_F(ThemeLoadingTest, onlyTheChosenSetsChange) {
  settings.uiSize = 1;
  writePack("pack", {{"theme.cfg", configText({"[Buttons]", "Convert=c.png", "[Icons]", "New=new"})},
                     {"c.png", taggedPng(1)},
                     {"new_16.png", taggedPng(2)},
                     {"new_24.png", taggedPng(3)}});
  load(false, false, true);
  EXPECT_EQ(pictureSlots.buttons, before.buttons);
  EXPECT_EQ(pictureSlots.menuIcons, before.menuIcons);
  EXPECT_EQ(pictureSlots.toolbarIcons["New"], tagged(3));
}

TEST_F(ThemeLoadingTest, aSectionEndsAtABracketInsideAValue) {
  writePack("pack", {{"theme.cfg", configText({"[Icons]", "New=new[1]", "Add=add"})},
                     {"new[1]_16.png", taggedPng(1)},
                     {"add_16.png", taggedPng(2)}});
  load();
  EXPECT_EQ(pictureSlots.menuIcons["New"], tagged(1));
  EXPECT_EQ(pictureSlots.menuIcons["Add"], before.menuIcons["Add"]);
}

TEST_F(ThemeLoadingTest, aMissingPackFallsBackToTheLastListedPack) {
  // Listed without regard to letter case: alpha, beta.zip (a folder, skipped), Zeta.
  writePack("alpha", {{"theme.cfg", configText({"[Theme]", "Name=Alpha", "[Icons]", "New=new"})}, {"new_16.png", taggedPng(1)}});
  writePack("Zeta", {{"theme.cfg", configText({"[Theme]", "Name=Zeta", "[Icons]", "New=new"})}, {"new_16.png", taggedPng(2)}});
  ASSERT_TRUE(createFolder(folder.file("zz.zip")));
  settings.uiTheme = "deleted";
  listThemes(folder.path);
  load();
  EXPECT_EQ(settings.uiTheme, "Zeta");
  EXPECT_EQ(pictureSlots.menuIcons["New"], tagged(2));

  settings.uiTheme = "alpha";
  load();
  EXPECT_EQ(settings.uiTheme, "alpha") << "a present pack is used as named";
  EXPECT_EQ(pictureSlots.menuIcons["New"], tagged(1));
}

TEST_F(ThemeLoadingTest, withoutPacksNothingChanges) {
  for (const char* theme : {"deleted", ""}) {
    SCOPED_TRACE(theme);
    settings.uiTheme = theme;
    listThemes(folder.path);
    load();
    EXPECT_EQ(settings.uiTheme, theme);
    EXPECT_TRUE(pictureSlots.menuIcons == before.menuIcons && pictureSlots.buttons == before.buttons);
  }
  listThemes(folder.path + "no such folder/");
  EXPECT_TRUE(installedThemes.empty());
}

TEST_F(ThemeLoadingTest, theInstalledTableAndThePreferencesChoices) {
  writePack("dark", {{"theme.cfg", configText({"[Theme]", "Name=Dark"})}});
  writePack("Bright", {{"theme.cfg", configText({"[Theme]", "Name=Bright"})}});
  writePack("anonymous", {{"theme.cfg", configText({"[Theme]"})}});
  writeFile(folder.file("broken.zip"), "no archive");
  writeFile(folder.file("notes.txt"), "not a pack");
  ASSERT_TRUE(createFolder(folder.file("folder.zip")));
  listThemes(folder.path);
  std::vector<std::pair<std::string, std::string>> table;
  for (const InstalledTheme& theme : installedThemes) table.push_back({theme.packName, theme.displayName});
  EXPECT_EQ(table, (std::vector<std::pair<std::string, std::string>>{
                       {"anonymous", ""}, {"Bright", "Bright"}, {"broken", "broken"}, {"dark", "Dark"}}));
  std::vector<std::string> choices;
  for (const InstalledTheme& theme : themeChoices()) choices.push_back(theme.packName);
  EXPECT_EQ(choices, (std::vector<std::string>{"Bright", "broken", "dark"}));
}

TEST_F(ThemeLoadingTest, displayNames) {
  std::string padding(300, 'x');
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> write;
    const char* name;
  };
  auto pack = [](std::vector<ZipEntry> entries) {
    return [entries](const std::string& path) { ASSERT_TRUE(writeZip(path, entries)); };
  };
  auto cfg = [&](const std::string& text) { return pack({{"theme.cfg", text}}); };
  const Case cases[] = {
      {"a Name line", cfg(configText({"[Theme]", "Name=Hand-drawn"})), "Hand-drawn"},
      {"Name as the last line without a line break", cfg("[Theme]\r\nName=Hand-drawn"), ""},
      {"a longer key first", cfg(configText({"[theme]", "NAMES=Plural", "Name=Single"})), "Plural"},
      {"Name beyond the first 255 bytes", cfg("[Theme]\r\n;" + padding + "\r\nName=Late\r\n"), ""},
      {"no Name", cfg(configText({"[Theme]", "Author=me"})), ""},
      {"no theme.cfg", pack({{"other.cfg", configText({"[Theme]", "Name=Other"})}}), ""},
      {"an empty theme.cfg", pack({{"theme.cfg", ""}}), ""},
      {"a pack that is no archive", [](const std::string& path) { writeFile(path, "[Theme]\r\nName=Text\r\n"); }, "pack"},
      {"an empty pack file", [](const std::string& path) { writeFile(path, ""); }, "pack"},
      {"no pack at all", [](const std::string&) {}, "pack"},
      {"a folder named like the pack", [](const std::string& path) { ASSERT_TRUE(createFolder(path)); }, "pack"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder own;
    c.write(own.file("pack.zip"));
    EXPECT_EQ(themeDisplayName("pack", own.path), c.name);
  }
}

// Packs made to do harm. Each names pictures for Convert (button) and New
// (icons) that it cannot deliver, and, where it is a readable archive, a
// good picture for Add, to show that the rest of the pack still loads.
TEST_F(ThemeLoadingTest, hostilePacksLeaveTheirSlotsAlone) {
  const std::string config = configText({"[Buttons]", "Convert=convert", "[Icons]", "Add=add", "New=new"});
  const std::string good = taggedPng(9);
  const std::string noise = [] {
    Picture picture = solidPicture(128, 128, 0, 0, 0);
    uint32_t seed = 1;
    for (uint8_t& byte : picture.rgba) byte = static_cast<uint8_t>((seed = seed * 1103515245 + 12345) >> 16);
    return encodePng(picture);
  }();
  std::string badChecksum = good;
  badChecksum[good.find("IDAT") + 6] ^= 0x55;

  struct Case {
    const char* what;
    std::function<void(const std::string& path)> write;
    bool addLoads;
  };
  auto pack = [&](const std::string& cfg, const std::string& picture, std::vector<ZipEntry> more = {}) {
    std::vector<ZipEntry> entries = {{"theme.cfg", cfg}, {"add_16.png", good}, {"new_16.png", picture}, {"convert_16.png", picture}};
    entries.insert(entries.end(), more.begin(), more.end());
    return [entries](const std::string& path) { ASSERT_TRUE(writeZip(path, entries)); };
  };
  const Case cases[] = {
      {"a good picture padded past the read limit", pack(config, taggedPng(1) + std::string(3 << 20, '\0')), true},
      {"a deflate bomb of 64 MB", pack(config, std::string(64 << 20, '\0')), true},
      {"a header claiming 60000 x 60000 pixels", pack(config, readFile(dataFile("watermarks/huge-header.png"))), true},
      {"a picture larger than 512 pixels a side", pack(config, encodePng(solidPicture(513, 4, 1, 2, 3))), true},
      {"a picture cut in half", pack(config, noise.substr(0, noise.size() / 2)), true},
      {"image data with a wrong checksum", pack(config, badChecksum), true},
      {"bytes that are no PNG", pack(config, "GIF89a, not a PNG"), true},
      {"empty entries", pack(config, ""), true},
      {"folder entries named like the pictures",
       [&](const std::string& path) {
         ASSERT_TRUE(writeZip(path, {{"theme.cfg", config}, {"add_16.png", good}, {"new_16.png", "", true}, {"convert_16.png", "", true}}));
       },
       true},
      {"the pictures only under names that leave the folder",
       [&](const std::string& path) {
         ASSERT_TRUE(writeZip(path, {{"theme.cfg", config}, {"add_16.png", good}, {"../new_16.png", good}, {"/new_16.png", good},
                                     {"sub/../convert_16.png", good}, {"./convert_16.png", good}}));
       },
       true},
      {"the names in the configuration beyond its read limit",
       pack(configText({"[Icons]", "Add=add", std::string(4 << 20, 'x'), "New=new", "[Buttons]", "Convert=convert"}), good),
       true},
      {"an encrypted archive",
       [&](const std::string& path) {
         ASSERT_TRUE(writeZip(path, {{"theme.cfg", config, false, true}, {"add_16.png", good, false, true}, {"new_16.png", good, false, true}}));
       },
       false},
      {"an archive cut inside its pictures",
       [&](const std::string& path) {
         ASSERT_TRUE(writeZip(path, {{"theme.cfg", config}, {"add_16.png", good}, {"new_16.png", noise}, {"convert_16.png", noise}}));
         std::string whole = readFile(path);
         writeFile(path, whole.substr(0, whole.size() - noise.size() * 3 / 2));
       },
       true},
      {"a bomb of unknown length in an archive without its directory",
       [&](const std::string& path) {
         ASSERT_TRUE(writeZip(path, {{"theme.cfg", config}, {"add_16.png", good},
                                     {"new_16.png", std::string(64 << 20, '\0'), false, false, true}, {"convert_16.png", good}}));
         // Without the central directory the archive can only be read as a stream.
         std::string whole = readFile(path);
         writeFile(path, whole.substr(0, whole.find("PK\x01\x02")));
       },
       true},
      {"a file that is no archive", [&](const std::string& path) { writeFile(path, config + good); }, false},
      {"an empty pack file", [](const std::string& path) { writeFile(path, ""); }, false},
      {"a folder named like the pack", [](const std::string& path) { ASSERT_TRUE(createFolder(path)); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder own;
    ASSERT_TRUE(createFolder(own.file("gfx")));
    c.write(own.file("gfx/pack.zip"));
    SetUp();
    loadTheme(true, true, true, own.file("gfx/"));
    EXPECT_EQ(pictureSlots.buttons, before.buttons);
    EXPECT_EQ(pictureSlots.menuIcons["New"], before.menuIcons["New"]);
    EXPECT_EQ(pictureSlots.toolbarIcons["New"], before.toolbarIcons["New"]);
    EXPECT_EQ(pictureSlots.menuIcons["Add"], c.addLoads ? tagged(9) : before.menuIcons["Add"]);
    EXPECT_EQ(listFiles(own.path, ".png"), std::vector<std::string>{}) << "nothing is written beside the pack folder";
    EXPECT_EQ(listFiles(own.file("gfx/"), ".png"), std::vector<std::string>{});
  }
}

}  // namespace
