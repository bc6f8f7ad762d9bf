#include "cli/command_line.h"
#include "text/product.h"

#include <gtest/gtest.h>

TEST(CommandLine, versionNumbersReadAsDottedText) {
  EXPECT_EQ(versionText(250), "2.5");
  EXPECT_EQ(versionText(251), "2.5.1");
  EXPECT_EQ(versionText(300), "3.0");
  EXPECT_EQ(titleText(), "Lumavex JPG to PCX 2.5");
}

TEST(CommandLine, parametersSplitIntoNameAndValue) {
  const struct Case {
    const char* parameter;
    const char* name;
    const char* value;
  } cases[] = {
      {" -i ", "-I", "-i"},
      {"--input=/a=b.jpg", "--INPUT", "/a=b.jpg"},
      {"--Width=50%", "--WIDTH", "50%"},
      {"--invert", "--INVERT", "--invert"},
      {"--input=", "--INPUT", ""},
      {"-o=/tmp", "-O=/TMP", "-o=/tmp"},
      {"photo.jpg", "", "photo.jpg"},
      {"--brightness=-5", "--BRIGHTNESS", "-5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parameter);
    EXPECT_EQ(optionName(c.parameter), c.name);
    EXPECT_EQ(optionValue(c.parameter), c.value);
  }
}
