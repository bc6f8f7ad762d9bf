// Writes the console's reference texts at build time: "man", "bash" or "zsh".
#include <cstdio>
#include <string>

#include "cli/reference.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"

int main(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  buildInputCatalogue();
  buildOutputCatalogue();
  loadLanguageTable();
  std::string text = what == "man" ? manualPage() : what == "bash" ? bashCompletion() : what == "zsh" ? zshCompletion() : "";
  if (text.empty()) {
    fprintf(stderr, "usage: zorvane-reference man|bash|zsh\n");
    return 2;
  }
  return fwrite(text.data(), 1, text.size(), stdout) == text.size() && fflush(stdout) == 0 ? 0 : 1;
}
