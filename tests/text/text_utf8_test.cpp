#include "text/text.h"

#include <gtest/gtest.h>

TEST(Text, utf8IsValidOnlyInItsShortestFormsAndWithinUnicode) {
  const struct Case {
    const char* name;
    const char* bytes;
    bool valid;
  } cases[] = {
      {"ASCII", "abc", true},
      {"U+0080, the first two-byte character", "\xC2\x80", true},
      {"U+0800, the first three-byte character", "\xE0\xA0\x80", true},
      {"U+D7FF, below the surrogates", "\xED\x9F\xBF", true},
      {"U+E000, above the surrogates", "\xEE\x80\x80", true},
      {"U+10000, the first four-byte character", "\xF0\x90\x80\x80", true},
      {"U+10FFFF, the last character", "\xF4\x8F\xBF\xBF", true},
      {"overlong NUL", "\xC0\x80", false},
      {"overlong with lead byte C1", "\xC1\xBF", false},
      {"overlong three-byte form", "\xE0\x9F\xBF", false},
      {"overlong four-byte form", "\xF0\x8F\xBF\xBF", false},
      {"surrogate U+D800", "\xED\xA0\x80", false},
      {"surrogate U+DFFF", "\xED\xBF\xBF", false},
      {"U+110000", "\xF4\x90\x80\x80", false},
      {"lead byte F5", "\xF5\x80\x80\x80", false},
      {"lead byte F7", "\xF7\xBF\xBF\xBF", false},
      {"lone continuation byte", "a\x80", false},
      {"cut sequence", "\xE2\x82", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(isValidUtf8(c.bytes), c.valid);
  }
}

TEST(Text, latin1BytesBecomeTheirOwnCodePoints) {
  EXPECT_EQ(latin1ToUtf8("caf\xE9 \x80\xFF"), "caf\u00E9 \u0080\u00FF");
}

TEST(Text, charactersAreCountedAsDecoded) {
  EXPECT_EQ(utf8Characters("a\u00E9\u20AC\U0001F600"), U"a\u00E9\u20AC\U0001F600");
  // A malformed byte stands for itself.
  EXPECT_EQ(utf8Characters("\xC0\xAF" "a"), (std::u32string{0xDCC0, 0xDCAF, 'a'}));
}
