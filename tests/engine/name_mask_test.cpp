#include "engine/name_mask.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "batch/job_state.h"
#include "platform/clock.h"
#include "settings/settings.h"

namespace {

struct NameMaskTest : testing::Test {
  void SetUp() override {
    resetSettings(true);
    job = JobState{};
    job.outputExtension = "pcx";
    job.fileCounter = 1;
    job.randomNumber = 42;
  }
  std::string name(const std::string& mask, const std::string& input) {
    settings.filenameMask = mask;
    job.inputPath = input;
    return outputName(job);
  }
};

TEST_F(NameMaskTest, fillsThePlaceholdersOfTheMask) {
  job.targetBitDepth = 24;
  job.resultWidth = 640;
  job.resultHeight = 480;
  const struct Case {
    const char* mask;
    const char* input;
    const char* name;
  } cases[] = {
      {"%filename%.%ext%", "/in/Holiday.Photo.JPG", "Holiday.Photo.pcx"},
      {"%FILENAME[U]%-%n%.%EXT[U]%", "/in/Holiday.Photo.JPG", "HOLIDAY.PHOTO-00001.PCX"},
      {"%filename[t]%.%ext[t]%", "/in/dSC_0042.jpg", "Dsc_0042.Pcx"},
      {"%filename[l]%.%ext%", "/in/\u00C9T\u00C9.jpg", "\u00E9t\u00E9.pcx"},
      {"%filename[u]%.%ext%", "/in/\u00E9t\u00E9.jpg", "\u00C9T\u00C9.pcx"},
      {"Copy of %filename%.%ext%", "/in/Holiday.jpg", "copy of Holiday.pcx"},
      {"%width%x%height%_%bpp%.%ext%", "/in/a.jpg", "640x480_24.pcx"},
      {"", "/in/Holiday.jpg", "Holiday.pcx"},
      {"%n%", "/in/a.jpg", "00001"},
      {"%rnd%-%unknown%-100%", "/in/a.jpg", "00042-%unknown%-100%"},
      {"%filename%", "/in/noextension", "noextension"},
      // A value holding a later placeholder has it filled as well.
      {"%filename%.%ext%", "/in/%n%.jpg", "00001.pcx"},
      {"x/%filename%.%ext%", "/in/a.jpg", "x/a.pcx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mask);
    EXPECT_EQ(name(c.mask, c.input), c.name);
  }
}

TEST_F(NameMaskTest, numbersHaveExactlyFiveDigits) {
  job.fileCounter = 123456;
  job.randomNumber = 7;
  EXPECT_EQ(name("%n%_%rnd%", "/a.jpg"), "12345_00007");
}

TEST_F(NameMaskTest, datePartsComeFromTheLocalClock) {
  auto format = [](const LocalTime& t) {
    char text[64];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d.pcx", t.year, t.month, t.day, t.hour, t.minute,
             t.second);
    return std::string(text);
  };
  LocalTime before = localTimeNow();
  std::string result = name("%yyyy%-%mm%-%dd% %hh%-%ii%-%ss%.%ext%", "/a.jpg");
  LocalTime after = localTimeNow();
  EXPECT_TRUE(result == format(before) || result == format(after)) << result;
}

TEST_F(NameMaskTest, watermarkTextsKeepTheirCase) {
  job.inputPath = "/in/Holiday.jpg";
  job.resultWidth = 0;
  EXPECT_EQ(substitutePlaceholders("Photo %FILENAME% (%Width% px) 50%", job), "Photo Holiday (0 px) 50%");
  EXPECT_EQ(substitutePlaceholders("100% Holiday %n", job), "100% Holiday %n");
  EXPECT_EQ(substitutePlaceholders("%eol% stays for the watermark", job), "%eol% stays for the watermark");
}

TEST_F(NameMaskTest, temporaryNamesSpellTheDateAndDifferByChance) {
  std::string first = temporaryName(job);
  EXPECT_TRUE(std::regex_match(first, std::regex("zorvane[a-j]{10}[a-z]{5}\\.pcx"))) << first;
  std::string digits = std::to_string(localSecondsNow());
  for (size_t i = 0; i + 2 < digits.size(); i++) EXPECT_EQ(first[7 + i], 'a' + (digits[i] - '0'));
  int same = 0;
  for (int i = 0; i < 20; i++) same += temporaryName(job) == temporaryName(job);
  EXPECT_LT(same, 2);
}

TEST(NameStaysInFolder, refusesOnlyADotDotPart) {
  const struct Case {
    const char* name;
    bool stays;
  } cases[] = {{"..", false},        {"../a.pcx", false}, {"a/../b.pcx", false}, {"a/..", false},
               {"...pcx", true},     {"a..b.pcx", true},  {"a/.../b.pcx", true}, {"./a.pcx", true},
               {"sub/a.pcx", true},  {"", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(nameStaysInFolder(c.name), c.stays);
  }
}

}  // namespace
