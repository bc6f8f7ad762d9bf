#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/catalogue.h"

TEST(Settings, resetGivesTheDefaultsAndDiffersForTheCommandLineOnlyInAspectRatio) {
  resetSettings(false);
  EXPECT_EQ(settings.keepAspectRatio, 1);
  EXPECT_EQ(settings.cfg, 19);
  EXPECT_EQ(settings.language, "en");
  EXPECT_EQ(settings.jpgQuality, 95);
  EXPECT_EQ(settings.imageResizeAlgorithm, 3);
  EXPECT_FLOAT_EQ(settings.imageGamma, 1.0f);
  EXPECT_EQ(settings.filenameMask, "%filename%.%ext%");
  EXPECT_EQ(settings.inputFormat, "jpg");
  EXPECT_EQ(settings.outputFormat, "pcx");
  EXPECT_EQ(settings.fontColor, "FFFFFF");
  EXPECT_EQ(settings.textPosition, 8);
  EXPECT_EQ(settings.outFoldersNumber, 5);
  EXPECT_EQ(settings.width, 510);
  EXPECT_GT(settings.updateDate, 0);

  auto values = [] {
    std::vector<std::string> shown;
    for (const SettingField& row : settingFields()) {
      FieldRef field = row.field;
      shown.push_back(field.text ? fieldText(field)
                                 : field.real ? std::to_string(settings.*field.real) : std::to_string(fieldNumber(field)));
    }
    return shown;
  };
  std::vector<std::string> desktop = values();
  int32_t updateDate = settings.updateDate, customTimestamp = settings.customTimestamp;
  resetSettings(true);
  EXPECT_EQ(settings.keepAspectRatio, 0);
  settings.keepAspectRatio = 1;
  settings.updateDate = updateDate;  // the clock may have moved on
  settings.customTimestamp = customTimestamp;
  EXPECT_EQ(values(), desktop);
}

TEST(Settings, theWindowIsCentredOnTheDesktopUnlessItDoesNotFit) {
  EXPECT_EQ(centredPosition(510, 1920), 705);
  EXPECT_EQ(centredPosition(260, 1080), 410);
  EXPECT_EQ(centredPosition(510, 500), 100);
  setDesktopSize(1920, 1080);
  resetSettings(false);
  EXPECT_EQ(settings.x, 705);
  EXPECT_EQ(settings.y, 410);
  setDesktopSize(0, 0);
}

TEST(Settings, fieldsKeepOnlyTheirOwnWidth) {
  const SettingField* folders = findSettingField("advanced", "OUT FOLDERS NUMBER");
  ASSERT_NE(folders, nullptr);
  setFieldNumber(folders->field, 300);
  EXPECT_EQ(settings.outFoldersNumber, 44);
  setFieldNumber(findSettingField("Transform", "Keep Aspect Ratio")->field, 256);
  EXPECT_EQ(settings.keepAspectRatio, 0);
  setFieldNumber(findSettingField("Transform", "Keep Aspect Ratio")->field, 200);
  EXPECT_EQ(settings.keepAspectRatio, -56);
  setFieldNumber(findSettingField("Adjustment", "Image Brightness")->field, 0x1'0000'0005LL);
  EXPECT_EQ(settings.imageBrightness, 5);
}

TEST(Settings, theSameKeyInTwoGroupsNamesTwoFields) {
  EXPECT_EQ(findSettingField("Transform", "Image Rotation")->field.number, &Settings::imageRotation);
  EXPECT_EQ(findSettingField("Watermark", "Image Rotation")->field.number, &Settings::watermarkImageRotation);
  EXPECT_EQ(findSettingField("Transform", "No Such Key"), nullptr);
}

TEST(Colours, hexTextsReadPairByPair) {
  const struct Case {
    const char* text;
    Colour colour;
  } cases[] = {
      {"ff8000", {255, 128, 0}}, {"FF8000", {255, 128, 0}}, {"FF800", {0, 0, 0}},
      {"", {0, 0, 0}},           {"G01G00", {0, 1, 0}},    {"0080FF", {0, 128, 255}},
      // Characters count, not bytes.
      {"FF00\u00E90", {255, 0, 0}}, {"\u00E91234", {0, 0, 0}}, {"\u00E9\u00E9\u00E9", {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Colour colour = colourFromHex(c.text);
    EXPECT_EQ(colour.red, c.colour.red);
    EXPECT_EQ(colour.green, c.colour.green);
    EXPECT_EQ(colour.blue, c.colour.blue);
  }
  EXPECT_EQ(colourToHex({0, 128, 255}), "0080FF");
  EXPECT_EQ(colourToHex({255, 10, 171}), "FF0AAB");
}
