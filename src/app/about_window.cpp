#include "app/about_window.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/hyperlink.h>
#include <wx/generic/hyperlink.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "app/main_window.h"
#include "app/pictures.h"
#include "app/shell_open.h"
#include "i18n/language_table.h"
#include "text/product.h"
#include "text/maker.h"

namespace {

wxString text(const char* group, const char* key) { return wxString::FromUTF8(lookupText(group, key)); }

wxGenericHyperlinkCtrl* link(wxWindow* parent, const std::string& shown, const std::string& target, int y, const char* name) {
  // The generic control, since the native one draws in the theme's colour.
  auto* control = new wxGenericHyperlinkCtrl(parent, wxID_ANY, wxString::FromUTF8(shown), wxString::FromUTF8(target),
                                      wxPoint(140, y), wxSize(215, 20), wxHL_ALIGN_LEFT, name);
  const wxColour blue(0, 0, 255);
  control->SetNormalColour(blue);
  control->SetHoverColour(blue);
  control->SetVisitedColour(blue);
  control->Bind(wxEVT_HYPERLINK, [target](wxHyperlinkEvent&) { openWithShell(target); });
  return control;
}

}  // namespace

void openAboutWindow() {
  wxDialog dialog(mainWindow(), wxID_ANY, text("About", "Title"), wxDefaultPosition, wxDefaultSize,
                  wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX, "aboutWindow");
  dialog.SetClientSize(360, 240);
  new wxStaticBitmap(&dialog, wxID_ANY, aboutBanner(), wxPoint(0, 0), wxSize(360, 40), 0, "banner");
  // The box holds the lines, so its own origin is 40 lower than the window's.
  wxPanel* box = new wxPanel(&dialog, wxID_ANY, wxPoint(0, 40), wxSize(360, 150), wxBORDER_SUNKEN, "frame");
  new wxStaticText(box, wxID_ANY, wxString::FromUTF8(titleText()), wxPoint(20, 10), wxSize(320, 20),
                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE, "titleLine");
  new wxStaticText(box, wxID_ANY, wxString::FromUTF8(ownershipNotice), wxPoint(20, 30), wxSize(320, 20),
                   wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE, "noticeLine");
  new wxStaticText(box, wxID_ANY, text("About", "Website"), wxPoint(80, 60), wxSize(60, 20), 0, "webLabel");
  new wxStaticText(box, wxID_ANY, text("About", "Email"), wxPoint(80, 80), wxSize(50, 20), 0, "mailLabel");
  link(box, makerWebSite, makerWebSite, 60, "webLink");
  link(box, supportMail, supportMailLink(), 80, "mailLink");
  wxButton* ok = new wxButton(&dialog, wxID_OK, text("Dialog", "OK"), wxPoint(140, 200), wxSize(80, 25), 0,
                              wxDefaultValidator, "okButton");
  ok->SetDefault();
  // Return and Escape both press OK.
  dialog.SetAffirmativeId(wxID_OK);
  dialog.SetEscapeId(wxID_OK);
  dialog.CentreOnParent();
  dialog.ShowModal();
}
