// The maker's pages and links, and the custom-converter search.
#include <gtest/gtest.h>

#include "text/converter_search.h"
#include "text/maker.h"

TEST(Maker, pagesAndLinksLieOnTheMakersSite) {
  EXPECT_EQ(productPage(), "https://www.lumavex.example/zorvane/");
  EXPECT_EQ(uninstallPage(), "https://www.lumavex.example/zorvane/uninstall.html");
  EXPECT_EQ(supportMailLink(), "mailto:support@lumavex.example");
  EXPECT_EQ(feedbackMailLink(),
            "mailto:support@lumavex.example?subject=Lumavex JPG to PCX 2.5 Feedback");
}

TEST(Maker, theConverterSearchKeepsTwelveCharactersOfLettersAndDigits) {
  struct Case {
    std::string from, to, path;
  };
  const Case cases[] = {
      {"   .TIFF", "Pdf!", "/find/tiff-pdf/"},
      {".JPG", "PCX", "/find/jpg-pcx/"},
      {"ABCDEFGHIJKLMNO", "png", "/find/abcdefghijkl-png/"},
      {"..........abcd", "png", "/find/ab-png/"},         // cut before the symbols go
      {"ÄÖÜäöüßéèêëx", "tga", "/find/x-tga/"},           // twelve characters, not bytes
      {"ÄÖÜäöüßéèêëxy", "tga", "/find/x-tga/"},
      {"*.*", "png", ""},
      {"jpg", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from + " -> " + c.to);
    EXPECT_EQ(converterSearchPath(c.from, c.to), c.path);
    EXPECT_EQ(converterSearchUrl(c.from, c.to), c.path.empty() ? "" : "https://www.lumavex.example" + c.path);
  }
}
