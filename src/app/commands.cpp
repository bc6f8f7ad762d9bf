#include "app/commands.h"

#include <span>

#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/about_window.h"
#include "app/converter_search_window.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/progress_window.h"
#include "app/shell_open.h"
#include "app/update_messages.h"
#include "batch/job_state.h"
#include "i18n/language_table.h"
#include "platform/install_layout.h"
#include "settings/settings.h"
#include "themes/theme_config.h"
#include "text/maker.h"

namespace {

void closeMainWindow() { mainWindow()->Close(); }

// The preferences window opens on its "Output" page after this command.
void openOutputOptions() { job.openingCategory = 3; }

void openManual() { openWithShell(userManualPath()); }
void sendFeedback() { openWithShell(feedbackMailLink()); }
void visitHomepage() { openWithShell(productPage()); }

const CommandRow commands[] = {
    {commandNew, "New", "Ctrl+N", "New", newJob},
    {commandExit, "Exit", "Alt+X", "Exit", closeMainWindow},
    {commandSelectInputFile, "Select Input File", nullptr, "Add", [] { (void)inputFileDialog(); }},
    {commandSelectOutputFolder, "Select Output Folder", nullptr, "OutFolder", outputFolderDialog},
    {commandOutputFormatOptions, "Output Format Options", nullptr, "OutFormat", openOutputOptions},
    {commandConvert, "Convert", "F5", "Convert", startConversion},
    {commandCustomConverter, "Custom Converter", nullptr, "CustomConverter", openConverterSearchWindow},
    {commandPreferences, "Preferences", nullptr, "Preferences", nullptr},
    {commandManual, "Manual", "F1", "Help", openManual},
    {commandSendFeedback, "Send Feedback", nullptr, "Email", sendFeedback},
    {commandVisitHomepage, "Visit Homepage", nullptr, "Web", visitHomepage},
    {commandCheckForNewVersion, "Check For New Version", nullptr, "Updates", checkForUpdateAndTell},
    {commandAbout, "About", nullptr, "About", openAboutWindow},
};

// The menus and the main toolbar by command number; -1 is a separator.
constexpr int separator = -1;
const int fileMenu[] = {commandNew, separator, commandSelectInputFile, commandSelectOutputFolder, separator,
                        commandExit};
const int converterMenu[] = {commandConvert, separator, commandCustomConverter, separator, commandPreferences};
const int helpMenu[] = {commandManual, separator, commandSendFeedback, commandVisitHomepage,
                        commandCheckForNewVersion, separator, commandAbout};
const struct {
  const char* titleKey;
  std::span<const int> entries;
} menus[] = {{"File", fileMenu}, {"Converter", converterMenu}, {"Help", helpMenu}};

const int mainToolbar[] = {commandNew, commandSelectInputFile, commandSelectOutputFolder, separator,
                           commandPreferences, separator, commandConvert, separator, commandManual,
                           commandSendFeedback, commandVisitHomepage, commandCheckForNewVersion};

// Identifiers above the toolkit's own.
constexpr int firstCommandId = wxID_HIGHEST + 1;
constexpr int lastCommand = commandAbout;

wxString menuText(const char* key) { return wxString::FromUTF8(lookupText("Menu", key)); }

}  // namespace

const CommandRow* commandRow(int number) {
  for (const CommandRow& row : commands)
    if (row.number == number) return &row;
  return nullptr;
}

int commandId(int number) { return firstCommandId + number; }

int commandOfId(int id) {
  return id >= firstCommandId && id <= firstCommandId + lastCommand ? id - firstCommandId : -1;
}

void runCommand(int number) {
  const CommandRow* row = commandRow(number);
  if (row && row->handler) row->handler();
}

wxMenuBar* buildMenuBar() {
  wxMenuBar* bar = new wxMenuBar;
  for (const auto& layout : menus) {
    wxMenu* menu = new wxMenu;
    for (int number : layout.entries) {
      if (number == separator) {
        menu->AppendSeparator();
        continue;
      }
      const CommandRow* row = commandRow(number);
      wxString text = menuText(row->menuKey);
      if (row->shortcut) text += wxString("\t") + row->shortcut;
      wxMenuItem* item = new wxMenuItem(menu, commandId(number), text);
      item->SetBitmap(pictureFor(PictureKind::MenuIcons, row->picture));
      menu->Append(item);
    }
    bar->Append(menu, menuText(layout.titleKey));
  }
  return bar;
}

void fillMainToolbar(wxToolBar* toolbar) {
  int size = toolbarIconSize(settings.uiSize);
  toolbar->SetToolBitmapSize(wxSize(size, size));
  for (int number : mainToolbar) {
    if (number == separator) {
      toolbar->AddSeparator();
      continue;
    }
    const CommandRow* row = commandRow(number);
    toolbar->AddTool(commandId(number), "", pictureFor(PictureKind::ToolbarIcons, row->picture),
                     menuText(row->menuKey));
  }
  toolbar->Realize();
}

void fillRowButton(wxToolBar* toolbar, int number) {
  const CommandRow* row = commandRow(number);
  toolbar->SetToolBitmapSize(wxSize(16, 16));
  toolbar->AddTool(commandId(number), "", pictureFor(PictureKind::MenuIcons, row->picture), menuText(row->menuKey));
  toolbar->Realize();
}
