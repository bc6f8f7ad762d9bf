// Writes the reference texts at build time: "man", "bash" or "zsh", or
// "manual PAGE PICTURES" (the user manual from its hand-written page and its
// list of pictures).
#include <cstdio>
#include <string>

#include "cli/reference.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "manual.h"
#include "platform/files.h"

namespace {

constexpr size_t sourceLimit = 1024 * 1024;

}  // namespace

int main(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  buildInputCatalogue();
  buildOutputCatalogue();
  loadLanguageTable();
  std::string text;
  if (what == "man") {
    text = manualPage();
  } else if (what == "bash") {
    text = bashCompletion();
  } else if (what == "zsh") {
    text = zshCompletion();
  } else if (what == "manual" && argc == 4) {
    std::string page, pictures;
    if (!readWholeFile(argv[2], page, sourceLimit) || !readWholeFile(argv[3], pictures, sourceLimit)) {
      fprintf(stderr, "zorvane-reference: cannot read %s or %s\n", argv[2], argv[3]);
      return 1;
    }
    text = userManual(page, pictures);
  }
  if (text.empty()) {
    fprintf(stderr, "usage: zorvane-reference man|bash|zsh|manual PAGE PICTURES\n");
    return 2;
  }
  return fwrite(text.data(), 1, text.size(), stdout) == text.size() && fflush(stdout) == 0 ? 0 : 1;
}
