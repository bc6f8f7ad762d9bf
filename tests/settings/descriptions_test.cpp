// Every table that names settings fields resolves, and every text key it
// names exists in the language table: a misspelling fails here.
#include <gtest/gtest.h>

#include <set>

#include "cli/long_options.h"
#include "i18n/language_table.h"
#include "settings/choices.h"
#include "settings/format_settings.h"
#include "settings/settings.h"

namespace {

const std::string missing = "%NO_STRING_ERROR%";

void expectPreferencesText(const char* key) {
  if (!key) return;
  SCOPED_TRACE(key);
  EXPECT_NE(lookupText("Preferences", key), missing);
}

TEST(Descriptions, everyRowNamesItsOwnFieldAndTextsThatExist) {
  loadLanguageTable();
  std::set<std::pair<std::string, std::string>> keys;
  for (size_t i = 0; i < settingFields().size(); i++) {
    const SettingField& row = settingFields()[i];
    SCOPED_TRACE(std::string(row.group) + "/" + row.key);
    EXPECT_TRUE(keys.insert({row.group, row.key}).second);
    EXPECT_TRUE(row.field);
    EXPECT_EQ(settingFieldOf(row.field), &row);  // no two rows share a field
    const FieldEditing& editing = row.editing;
    expectPreferencesText(editing.label);
    expectPreferencesText(editing.unit);
    if (editing.choices)
      for (const Choice& choice : editing.choices->items) expectPreferencesText(choice.label);
    EXPECT_LE(editing.minimum, editing.maximum);
    if (editing.enabledBy) {
      EXPECT_NE(settingFieldOf(editing.enabledBy), nullptr);
    }
    EXPECT_EQ(row.kind == FieldKind::Choice, editing.choices != nullptr);
  }
}

TEST(Descriptions, everyLongOptionResolvesToAField) {
  std::set<std::string> names;
  for (const LongOption& option : longOptions()) {
    SCOPED_TRACE(option.name);
    EXPECT_TRUE(names.insert(option.name).second);
    if (option.kind == OptionKind::Profile) continue;
    ASSERT_NE(settingFieldOf(option.field), nullptr);
    if (option.switchField) {
      EXPECT_NE(settingFieldOf(option.switchField), nullptr);
    }
    if (option.kind != OptionKind::Key) continue;
    const ChoiceList* words = option.keywords ? option.keywords : settingFieldOf(option.field)->editing.choices;
    ASSERT_NE(words, nullptr);
    for (const Choice& choice : words->items) {
      EXPECT_NE(choice.keyword, nullptr);
    }
  }
  // One option per bit depth setting, 23 formats.
  size_t depths = 0;
  for (const LongOption& option : longOptions()) depths += option.name.ends_with("-BPP");
  EXPECT_EQ(depths, outputFormatSettings().size());
  EXPECT_EQ(outputFormatSettings().size(), 23u);
}

TEST(Descriptions, everyFormatFieldResolvesToAPerFormatRow) {
  auto expectRow = [](FieldRef field, const char* format) {
    const SettingField* row = settingFieldOf(field);
    ASSERT_NE(row, nullptr);
    ASSERT_NE(row->format, nullptr);
    EXPECT_STREQ(row->format, format);
  };
  for (const OutputFormatSettings& format : outputFormatSettings()) {
    SCOPED_TRACE(format.extension);
    expectRow(format.bitsPerPixel, format.extension);
    if (format.quality) expectRow(format.quality, format.extension);
    if (format.compression) expectRow(format.compression, format.extension);
    for (const FormatField& field : format.more) expectRow(field.field, format.extension);
  }
  for (const InputFormatSettings& format : inputFormatSettings()) {
    SCOPED_TRACE(format.extension);
    for (const FormatField& field : format.fields) expectRow(field.field, format.extension);
  }
}

}  // namespace
