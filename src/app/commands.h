// The commands of the desktop application: one table from command number to
// its menu text, shortcut, picture and handler. Menu entries, toolbar
// buttons and shortcuts of one command share its number, and the menu bar
// and the main toolbar are built from the table.
#pragma once

class wxFrame;
class wxMenuBar;
class wxToolBar;

enum Command {
  commandNew = 0,
  commandExit = 3,
  commandSelectInputFile = 5,
  commandSelectOutputFolder = 7,
  commandOutputFormatOptions = 8,
  commandConvert = 14,
  commandCustomConverter = 16,
  commandPreferences = 17,
  commandManual = 18,
  commandSendFeedback = 21,
  commandVisitHomepage = 22,
  commandCheckForNewVersion = 23,
  commandAbout = 24,
};

struct CommandRow {
  int number;
  const char* menuKey;   // its text (and tooltip) in group "Menu"
  const char* shortcut;  // as the menu shows it after a tab, or nullptr
  const char* picture;   // slot of its menu and toolbar icon
  void (*handler)();     // nullptr: does nothing yet
};

// The row of a command number; nullptr when it has none.
const CommandRow* commandRow(int number);

// The toolkit's identifier of a command, and back (-1 for other identifiers).
int commandId(int number);
int commandOfId(int id);

// Runs a command's handler; a number without a row or handler does nothing.
void runCommand(int number);

// The menu bar: File, Converter and Help, each entry with its icon and
// shortcut text.
wxMenuBar* buildMenuBar();

// Fills the main toolbar with its buttons (icons of `UI Size`, tooltips).
void fillMainToolbar(wxToolBar* toolbar);

// A one-button toolbar of a command, showing its menu icon.
void fillRowButton(wxToolBar* toolbar, int number);
