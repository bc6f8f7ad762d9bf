#include "app/converter_search_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/shell_open.h"
#include "i18n/language_table.h"
#include "text/converter_search.h"

namespace {

wxString text(const char* key) { return wxString::FromUTF8(lookupText("Custom-Converter", key)); }

std::string utf8(const wxTextCtrl* field) { return std::string(field->GetValue().utf8_str()); }

void search(wxDialog& dialog, wxTextCtrl* from, wxTextCtrl* to) {
  std::string page = converterSearchUrl(utf8(from), utf8(to));
  if (page.empty()) {
    warningBox(lookupText("Msg", "Empty extensions"));
    return;
  }
  // Hidden first; the page opens as the window goes.
  dialog.EndModal(wxID_OK);
  openWithShell(page);
}

}  // namespace

void openConverterSearchWindow() {
  wxDialog dialog(mainWindow(), wxID_ANY, text("Title"), wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "converterSearchWindow");
  dialog.SetClientSize(370, 60);
  new wxStaticText(&dialog, wxID_ANY, text("From"), wxPoint(10, 23), wxSize(40, 20), 0, "fromLabel");
  auto* from = new wxTextCtrl(&dialog, wxID_ANY, "", wxPoint(50, 20), wxSize(80, 20), 0, wxDefaultValidator,
                              "fromField");
  new wxStaticText(&dialog, wxID_ANY, text("To"), wxPoint(150, 23), wxSize(30, 20), 0, "toLabel");
  auto* to = new wxTextCtrl(&dialog, wxID_ANY, "", wxPoint(180, 20), wxSize(80, 20), 0, wxDefaultValidator,
                            "toField");
  auto* button = new wxButton(&dialog, wxID_ANY, text("Search"), wxPoint(280, 18), wxSize(80, 25), 0,
                              wxDefaultValidator, "searchButton");
  button->SetDefault();
  button->Bind(wxEVT_BUTTON, [&dialog, from, to](wxCommandEvent&) { search(dialog, from, to); });
  // Return searches from anywhere in the window; Escape closes it.
  dialog.Bind(wxEVT_CHAR_HOOK, [&dialog, from, to](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER)
      search(dialog, from, to);
    else if (event.GetKeyCode() == WXK_ESCAPE)
      dialog.EndModal(wxID_CANCEL);
    else
      event.Skip();
  });
  dialog.CentreOnParent();
  from->SetFocus();
  dialog.ShowModal();
}
