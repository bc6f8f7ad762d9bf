#include "app/shell_open.h"

#include <wx/utils.h>

namespace {

void openWithXdgOpen(const std::string& target) {
  // No shell between us and the target: it reaches xdg-open as one argument.
  const wxString program = "xdg-open";
  const wxString argument = wxString::FromUTF8(target);
  const wchar_t* argv[] = {program.wc_str(), argument.wc_str(), nullptr};
  wxExecute(argv, wxEXEC_ASYNC);
}

}  // namespace

OpenWithShell openWithShell = openWithXdgOpen;
