#include "app/message_boxes.h"

#include <wx/msgdlg.h>
#include <wx/window.h>

#include "i18n/language_table.h"

namespace {

bool showToolkitBox(BoxKind kind, const std::string& title, const std::string& text) {
  static const long styles[] = {wxOK | wxICON_WARNING, wxOK | wxICON_ERROR, wxOK | wxICON_INFORMATION,
                                wxYES_NO | wxICON_QUESTION, wxYES_NO | wxICON_WARNING};
  wxMessageDialog box(wxGetActiveWindow(), wxString::FromUTF8(text), wxString::FromUTF8(title),
                      styles[static_cast<int>(kind)]);
  int answer = box.ShowModal();
  return answer == wxID_OK || answer == wxID_YES;
}

}  // namespace

ShowBox showBox = showToolkitBox;

void warningBox(const std::string& text) { showBox(BoxKind::Warning, lookupText("Msg", "Warning"), text); }

void errorBox(const std::string& text) { showBox(BoxKind::Error, lookupText("Msg", "Error"), text); }
