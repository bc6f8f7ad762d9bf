#include "app/main_window.h"

#include <wx/bmpcbox.h>
#include <wx/bmpbuttn.h>
#include <wx/dirdlg.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <algorithm>

#include "app/commands.h"
#include "app/pictures.h"
#include "app/progress_window.h"
#include "batch/job_state.h"
#include "formats/catalogue.h"
#include "i18n/language_table.h"
#include "platform/files.h"
#include "settings/settings.h"
#include "text/paths.h"
#include "text/product.h"
#include "settings/recent_folders.h"

namespace {

// The window's fixed measures: the smallest inner size, and the only height.
constexpr int smallestWidth = 510;
constexpr int fixedHeight = 260;

struct Controls {
  wxFrame* frame = nullptr;
  wxPanel* root = nullptr;     // fills the client area, holds the content area and the footer
  wxPanel* content = nullptr;  // the rows and the Convert button
  wxTextCtrl* inputField = nullptr;
  wxBitmapComboBox* folderList = nullptr;
  wxBitmapComboBox* formatList = nullptr;
  wxToolBar* rowButtons[3] = {};
  wxBitmapButton* convertButton = nullptr;
  wxStaticText* footer = nullptr;
  // Layout measures, taken when the bars are built.
  int menuHeight = 0, toolbarHeight = 0, statusHeight = 0;
};

Controls window;

const int rowButtonCommands[3] = {commandSelectInputFile, commandSelectOutputFolder, commandOutputFormatOptions};
const int rowButtonTops[3] = {19, 59, 99};

wxString text(const char* group, const char* key) { return wxString::FromUTF8(lookupText(group, key)); }

std::string utf8(const wxString& value) { return std::string(value.utf8_str()); }

// Files dropped from a file manager: the first one only.
struct FileDrop : wxFileDropTarget {
  bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) override {
    if (!names.empty()) acceptFileIntoWindow(utf8(names[0]));
    return true;
  }
};

wxStaticText* label(wxWindow* parent, const char* key, const char* name, int y) {
  return new wxStaticText(parent, wxID_ANY, text("General", key), wxPoint(10, y), wxSize(350, 20),
                          wxST_NO_AUTORESIZE, name);
}

wxBitmapComboBox* list(wxWindow* parent, const char* name, int y) {
  return new wxBitmapComboBox(parent, wxID_ANY, "", wxPoint(10, y), wxSize(350, 21), 0, nullptr, wxCB_READONLY,
                              wxDefaultValidator, name);
}

void rebuildMenuBar() {
  delete window.frame->GetMenuBar();
  window.frame->SetMenuBar(buildMenuBar());
  window.menuHeight = window.frame->GetMenuBar()->GetBestSize().y;
}

void rebuildMainToolbar() {
  delete window.frame->GetToolBar();
  window.frame->SetToolBar(nullptr);
  wxToolBar* toolbar = window.frame->CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, wxID_ANY, "mainToolbar");
  fillMainToolbar(toolbar);
  window.toolbarHeight = toolbar->GetBestSize().y;
}

void rebuildRowButtons() {
  for (int i = 0; i < 3; i++) {
    delete window.rowButtons[i];
    // Free-standing: no divider, no own sizing and no alignment to the parent.
    wxToolBar* toolbar =
        new wxToolBar(window.content, wxID_ANY, wxPoint(364, rowButtonTops[i]), wxSize(24, 24),
                      wxTB_FLAT | wxTB_NODIVIDER | wxTB_NOALIGN, "rowButton");
    fillRowButton(toolbar, rowButtonCommands[i]);
    toolbar->SetSize(364, rowButtonTops[i], 24, 24);
    window.rowButtons[i] = toolbar;
  }
}

void refreshItemImages() {
  window.convertButton->SetBitmap(pictureFor(PictureKind::Buttons, "Convert"));
  for (unsigned i = 0; i < window.folderList->GetCount(); i++)
    window.folderList->SetItemBitmap(i, pictureFor(PictureKind::MenuIcons, "FavFolder"));
  for (unsigned i = 0; i < window.formatList->GetCount(); i++)
    window.formatList->SetItemBitmap(i, pictureFor(PictureKind::MenuIcons, "New"));
}

// The resize rule: the content area, the rows' widths and the buttons follow
// the inner width; the height is fixed by the size limits.
void layOut() {
  int w = window.frame->GetClientSize().x;
  int h = innerHeight();
  window.content->SetSize(0, 0, w, h - window.menuHeight - window.toolbarHeight - window.statusHeight - 40);
  window.inputField->SetSize(w - 160, 20);
  window.folderList->SetSize(w - 160, 21);
  window.formatList->SetSize(w - 160, 21);
  for (int i = 0; i < 3; i++)
    if (window.rowButtons[i]) window.rowButtons[i]->SetSize(w - 146, rowButtonTops[i], 24, 24);
  window.convertButton->Move(w - 110, 20);
  window.frame->Refresh(false);
}

void fillFormatList() {
  wxBitmapComboBox* formats = window.formatList;
  formats->Clear();
  const std::vector<std::string>& extensions = outputExtensionList();
  for (size_t i = 0; i < extensions.size(); i++) {
    if (extensions[i].empty()) continue;
    formats->Append(wxString::FromUTF8(formatLabel(extensions[i], true)),
                    pictureFor(PictureKind::MenuIcons, "New"), reinterpret_cast<void*>(i));
  }
  int chosen = 0;
  for (unsigned item = 0; item < formats->GetCount(); item++)
    if (extensions[reinterpret_cast<size_t>(formats->GetClientData(item))] == settings.outputFormat) chosen = item;
  if (formats->GetCount() > 0) formats->SetSelection(chosen);
}

void build() {
  // Caption, system menu, both boxes and a frame that sizes; the limits
  // below leave only the width free.
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(titleText()), wxPoint(settings.x, settings.y),
                               wxDefaultSize, wxDEFAULT_FRAME_STYLE, "mainWindow");
  window = Controls{};
  window.frame = frame;
  frame->SetDropTarget(new FileDrop);
  rebuildMenuBar();
  rebuildMainToolbar();
  wxStatusBar* status = frame->CreateStatusBar(1);
  status->SetStatusText("");
  window.statusHeight = status->GetBestSize().y;

  int bars = window.toolbarHeight + window.statusHeight;
  frame->SetMinClientSize(wxSize(smallestWidth, fixedHeight - bars));
  frame->SetMaxClientSize(wxSize(-1, fixedHeight - bars));
  frame->SetClientSize(std::max<int>(settings.width, smallestWidth), fixedHeight - bars);

  window.root = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), frame->GetClientSize(), wxTAB_TRAVERSAL, "root");
  window.content = new wxPanel(window.root, wxID_ANY, wxPoint(0, 0), wxSize(smallestWidth, 100), wxTAB_TRAVERSAL,
                               "contentArea");
  wxPanel* content = window.content;
  label(content, "Input File", "inputLabel", 5);
  window.inputField = new wxTextCtrl(content, wxID_ANY, "", wxPoint(10, 20), wxSize(350, 20), 0,
                                     wxDefaultValidator, "inputField");
  label(content, "Output Folder", "outputFolderLabel", 45);
  window.folderList = list(content, "outputFolderList", 60);
  label(content, "Output Format", "outputFormatLabel", 85);
  window.formatList = list(content, "outputFormatList", 100);
  window.convertButton = new wxBitmapButton(content, commandId(commandConvert), wxNullBitmap, wxPoint(400, 20),
                                            wxSize(100, 100), 0, wxDefaultValidator, "convertButton");
  rebuildRowButtons();
  // The footer lies outside the content area, at a place measured from the
  // inner top, where the main toolbar begins.
  window.footer = new wxStaticText(window.root, wxID_ANY, wxString::FromUTF8(ownershipNotice),
                                   wxPoint(10, fixedHeight - 70 - window.toolbarHeight), wxSize(350, 20), 0,
                                   "footer");

  frame->Bind(wxEVT_MENU, [](wxCommandEvent& event) {
    int number = commandOfId(event.GetId());
    if (number < 0) return event.Skip();
    runCommand(number);
  });
  window.convertButton->Bind(wxEVT_BUTTON, [](wxCommandEvent&) { startConversion(); });
  window.folderList->Bind(wxEVT_COMBOBOX, [](wxCommandEvent&) { job.outputFolder = outputFolderText(); });
  window.formatList->Bind(wxEVT_COMBOBOX, [](wxCommandEvent&) {
    int item = window.formatList->GetSelection();
    if (item == wxNOT_FOUND) return;
    settings.outputFormat = outputExtensionList()[reinterpret_cast<size_t>(window.formatList->GetClientData(item))];
  });
}

void complete() {
  buildInputCatalogue();
  buildOutputCatalogue();
  window.frame->Bind(wxEVT_SIZE, [](wxSizeEvent& event) {
    layOut();
    event.Skip();  // the toolkit then fills the client area with the root panel
  });
  if (settings.recentOutFolders.empty()) window.folderList->Append("", pictureFor(PictureKind::MenuIcons, "FavFolder"));
  fillFormatList();
  refreshItemImages();
  newJob();
  window.frame->Show();
  // Maximised once shown: the window manager takes the state from a window it manages.
  if (settings.isMaximized) window.frame->Maximize();
  postResize();
}

}  // namespace

wxFrame* openMainWindow() {
  build();
  complete();
  return window.frame;
}

wxFrame* mainWindow() { return window.frame; }

std::string inputFieldText() { return utf8(window.inputField->GetValue()); }

std::string outputFolderText() { return utf8(window.folderList->GetValue()); }

std::string chosenOutputExtension() {
  int item = window.formatList->GetSelection();
  if (item == wxNOT_FOUND) return "";
  return outputExtensionList()[reinterpret_cast<size_t>(window.formatList->GetClientData(item))];
}

void setStatusText(const std::string& value) { window.frame->SetStatusText(wxString::FromUTF8(value)); }

void newJob() {
  refillOutputFolderList();
  resetJobState();
  window.inputField->ChangeValue("");
  window.folderList->SetSelection(wxNOT_FOUND);
  setStatusText(lookupText("General", "Ready"));
  window.inputField->SetFocus();
}

bool acceptFileIntoWindow(const std::string& path) {
  if (!acceptInputFile(path)) return false;
  window.inputField->ChangeValue(wxString::FromUTF8(path));
  if (outputFolderText().empty()) {
    std::string folder = folderPart(path);
    (void)addRecentOutputFolder(folder);
    job.outputFolder = folder;
    refillOutputFolderList();
  }
  return true;
}

bool inputFileDialog() {
  wxFileDialog dialog(window.frame, text("Dialog", "Select Input Files"),
                      wxString::FromUTF8(folderPart(job.inputPath)), wxString::FromUTF8(fileNamePart(job.inputPath)),
                      wxString::FromUTF8(inputFileFilter()), wxFD_OPEN, wxDefaultPosition, wxDefaultSize,
                      "inputFileDialog");
  dialog.SetFilterIndex(0);
  bool accepted = dialog.ShowModal() == wxID_OK && acceptFileIntoWindow(utf8(dialog.GetPath()));
  // The next dialog opens where the next conversion leaves the input path.
  job.inputPath.clear();
  postResize();
  return accepted;
}

void outputFolderDialog() {
  std::string start = job.outputFolder;
  if (!outputFolderText().empty()) start = folderPart(outputFolderText());
  wxDirDialog dialog(window.frame, text("Dialog", "Select Output Folder"), wxString::FromUTF8(start),
                     wxDD_DEFAULT_STYLE, wxDefaultPosition, wxDefaultSize, "outputFolderDialog");
  if (dialog.ShowModal() == wxID_OK) {
    std::string folder = utf8(dialog.GetPath());
    if (isFolder(folder)) {
      if (folder.back() != '/') folder += "/";
      (void)addRecentOutputFolder(folder);
      job.outputFolder = folder;
      refillOutputFolderList();
    }
  }
  postResize();
}

void refillOutputFolderList() {
  if (settings.recentOutFolders.empty()) return;
  wxBitmapComboBox* folders = window.folderList;
  folders->Clear();
  int chosen = 0;
  for (int i = 0; i < settings.outFoldersNumber; i++) {
    std::string folder = recentOutputFolder(i);
    if (folder.empty()) continue;
    if (folder == job.outputFolder) chosen = static_cast<int>(folders->GetCount());
    folders->Append(wxString::FromUTF8(folder), pictureFor(PictureKind::MenuIcons, "FavFolder"));
  }
  if (folders->GetCount() > 0) folders->SetSelection(chosen);
}

void postResize() { window.frame->PostSizeEvent(); }

void recordWindowGeometry() {
  wxFrame* frame = window.frame;
  if (frame->IsMaximized()) {
    settings.isMaximized = 1;
  } else if (!frame->IsIconized()) {
    settings.isMaximized = 0;
    settings.width = frame->GetClientSize().x;
    settings.height = innerHeight();
    wxPoint position = frame->GetPosition();
    settings.x = position.x;
    settings.y = position.y;
  }
}

int innerHeight() { return window.frame->GetClientSize().y + window.toolbarHeight + window.statusHeight; }
