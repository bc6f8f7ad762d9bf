// The main window: its controls where the layout puts them, its menus and
// toolbar, the rows, New and files dropped on it.
#include <wx/bmpbuttn.h>
#include <wx/bmpcbox.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "app/commands.h"
#include "app/desktop_fixture.h"
#include "app/main_window.h"
#include "batch/job_state.h"
#include "settings/settings.h"
#include "text/product.h"

namespace {

struct Place {
  const char* name;
  int x, y, width, height;
};

wxRect placeOf(wxWindow* window) { return wxRect(window->GetPosition(), window->GetSize()); }

void expectPlaces(wxWindow* parent, std::initializer_list<Place> places) {
  for (const Place& place : places) {
    SCOPED_TRACE(place.name);
    wxWindow* window = find<wxWindow>(place.name, parent);
    if (!window) continue;
    EXPECT_EQ(placeOf(window), wxRect(place.x, place.y, place.width, place.height));
  }
}

std::vector<wxWindow*> rowButtons(wxWindow* content) {
  std::vector<wxWindow*> buttons;
  for (wxWindow* child : content->GetChildren())
    if (child->GetName() == "rowButton") buttons.push_back(child);
  return buttons;
}

struct MainWindowTest : DesktopTest {
  wxTextCtrl* inputField() { return find<wxTextCtrl>("inputField", frame); }
  wxBitmapComboBox* folderList() { return find<wxBitmapComboBox>("outputFolderList", frame); }
  void drop(const std::vector<std::string>& paths) {
    wxArrayString names;
    for (const std::string& path : paths) names.Add(wxString::FromUTF8(path));
    static_cast<wxFileDropTarget*>(frame->GetDropTarget())->OnDropFiles(0, 0, names);
  }
};

TEST_F(MainWindowTest, theControlsFollowTheWidthAndTheHeightStays260) {
  open();
  EXPECT_EQ(frame->GetTitle(), "Lumavex JPG to PCX 2.5");
  wxWindow* content = find<wxWindow>("contentArea", frame);
  const struct Case {
    int width;
  } cases[] = {{510}, {1000}, {400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    frame->SetClientSize(c.width, 500);
    ASSERT_TRUE(pumpUntil([&] { return frame->GetClientSize().x == std::max(c.width, 510); }));
    pump(50);
    int w = std::max(c.width, 510);
    EXPECT_EQ(innerHeight(), 260);
    EXPECT_EQ(content->GetPosition(), wxPoint(0, 0));
    EXPECT_EQ(content->GetSize().x, w);
    expectPlaces(content, {{"inputLabel", 10, 5, 350, 20},
                           {"inputField", 10, 20, w - 160, 20},
                           {"outputFolderLabel", 10, 45, 350, 20},
                           {"outputFolderList", 10, 60, w - 160, 21},
                           {"outputFormatLabel", 10, 85, 350, 20},
                           {"outputFormatList", 10, 100, w - 160, 21},
                           {"convertButton", w - 110, 20, 100, 100}});
    std::vector<wxWindow*> buttons = rowButtons(content);
    ASSERT_EQ(buttons.size(), 3u);
    for (int i = 0; i < 3; i++) EXPECT_EQ(placeOf(buttons[i]), wxRect(w - 146, 19 + 40 * i, 24, 24));
  }
  // The footer stays 190 below the inner top, which is the main toolbar's.
  wxWindow* footer = find<wxWindow>("footer", frame);
  int toolbarTop = frame->GetToolBar()->GetScreenPosition().y;
  EXPECT_EQ(footer->GetScreenPosition().y - toolbarTop, 190);
  EXPECT_EQ(footer->GetPosition().x, 10);
  EXPECT_EQ(static_cast<wxStaticText*>(footer)->GetLabel(), wxString::FromUTF8(ownershipNotice));
}

TEST_F(MainWindowTest, menusAndToolbarCarryTheCommandsTextsAndShortcuts) {
  open();
  wxMenuBar* bar = frame->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 3u);
  const char* titles[] = {"File", "Converter", "Help"};
  const char* entries[3][7] = {
      {"New\tCtrl+N", "", "Add Input File...", "Select Output Folder...", "", "Exit\tAlt+X"},
      {"Convert\tF5", "", "Find a File Converter...", "", "Preferences..."},
      {"User Manual...\tF1", "", "Send Feedback", "Visit the Program's Homepage", "Check For a New Version", "",
       "About..."}};
  for (int m = 0; m < 3; m++) {
    SCOPED_TRACE(titles[m]);
    EXPECT_EQ(bar->GetMenuLabelText(m), titles[m]);
    wxMenu* menu = bar->GetMenu(m);
    size_t count = 0;
    while (count < 7 && entries[m][count]) count++;
    ASSERT_EQ(menu->GetMenuItemCount(), count);
    for (size_t i = 0; i < count; i++) {
      wxMenuItem* item = menu->FindItemByPosition(i);
      EXPECT_EQ(item->GetItemLabel(), wxString::FromUTF8(entries[m][i])) << i;
      if (!item->IsSeparator()) {
        EXPECT_TRUE(item->GetBitmap().IsOk()) << i;
      }
    }
  }
  // The menu's shortcuts reach their commands.
  EXPECT_NE(bar->FindItem(commandId(commandNew)), nullptr);
  EXPECT_EQ(bar->FindItem(commandId(commandConvert))->GetAccel()->ToString(), "F5");

  wxToolBar* toolbar = frame->GetToolBar();
  const struct Tool {
    int command;
    const char* tooltip;
  } tools[] = {{commandNew, "New"},
               {commandSelectInputFile, "Add Input File..."},
               {commandSelectOutputFolder, "Select Output Folder..."},
               {commandPreferences, "Preferences..."},
               {commandConvert, "Convert"},
               {commandManual, "User Manual..."},
               {commandSendFeedback, "Send Feedback"},
               {commandVisitHomepage, "Visit the Program's Homepage"},
               {commandCheckForNewVersion, "Check For a New Version"}};
  EXPECT_EQ(toolbar->GetToolsCount(), 12u);  // with three separators
  for (const Tool& tool : tools) {
    SCOPED_TRACE(tool.tooltip);
    EXPECT_EQ(toolbar->GetToolShortHelp(commandId(tool.command)), tool.tooltip);
  }
  // The default `UI Size` 2 gives 32 pixels.
  EXPECT_EQ(toolbar->GetToolBitmapSize(), wxSize(32, 32));
  std::vector<wxWindow*> buttons = rowButtons(find<wxWindow>("contentArea", frame));
  const char* tips[] = {"Add Input File...", "Select Output Folder...", "Options..."};
  const int commands[] = {commandSelectInputFile, commandSelectOutputFolder, commandOutputFormatOptions};
  for (int i = 0; i < 3; i++)
    EXPECT_EQ(static_cast<wxToolBar*>(buttons[i])->GetToolShortHelp(commandId(commands[i])), tips[i]);
}

TEST_F(MainWindowTest, atStartTheRowsAreEmptyAndTheFormatIsPcx) {
  open();
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "Ready");
  EXPECT_EQ(inputField()->GetValue(), "");
  // No recent folders: one empty entry, none shown.
  EXPECT_EQ(folderList()->GetCount(), 1u);
  EXPECT_EQ(folderList()->GetValue(), "");
  auto* formats = find<wxBitmapComboBox>("outputFormatList", frame);
  ASSERT_EQ(formats->GetCount(), 1u);
  EXPECT_EQ(formats->GetValue(), "PCX (ZSoft Paintbrush)");
  EXPECT_EQ(chosenOutputExtension(), "pcx");
}

TEST_F(MainWindowTest, droppedFilesGiveTheFirstAcceptedOneItsFolderAsOutput) {
  TempFolder photos, others;
  writeFile(photos.file("photo.JPEG"), readFile(dataFile("testorig.jpg")));
  writeFile(photos.file("second.jpg"), readFile(dataFile("testorig.jpg")));
  writeFile(others.file("other.jpg"), readFile(dataFile("testorig.jpg")));
  writeFile(others.file("a.jpg"), "");
  writeFile(others.file("b.png"), readFile(dataFile("testorig.jpg")));
  open();

  // Three files: only the first counts; no folder shown, so its own becomes the output.
  drop({photos.file("photo.JPEG"), photos.file("second.jpg"), others.file("other.jpg")});
  EXPECT_EQ(inputField()->GetValue(), photos.file("photo.JPEG"));
  EXPECT_EQ(folderList()->GetValue(), photos.path);
  EXPECT_EQ(job.outputFolder, photos.path);
  EXPECT_EQ(settings.recentOutFolders, photos.path);
  ASSERT_EQ(inputSet.size(), 1u);

  // A folder is shown now: it stays. Refused files change nothing.
  drop({others.file("other.jpg")});
  EXPECT_EQ(inputField()->GetValue(), others.file("other.jpg"));
  EXPECT_EQ(folderList()->GetValue(), photos.path);
  for (const char* refused : {"a.jpg", "b.png"}) {
    SCOPED_TRACE(refused);
    drop({others.file(refused)});
    EXPECT_EQ(inputField()->GetValue(), others.file("other.jpg"));
  }
  EXPECT_EQ(inputSet.begin()->first, others.file("other.jpg"));
}

TEST_F(MainWindowTest, newClearsTheRowsButKeepsTheRecentFolders) {
  TempFolder photos;
  writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  open();
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("photo.jpg")));
  job.fileCounter = 7;
  frame->SetStatusText("something else");
  command(commandNew);
  EXPECT_EQ(inputField()->GetValue(), "");
  EXPECT_EQ(folderList()->GetValue(), "");
  EXPECT_EQ(folderList()->GetCount(), 1u);
  EXPECT_EQ(folderList()->GetString(0), photos.path);
  EXPECT_EQ(frame->GetStatusBar()->GetStatusText(), "Ready");
  EXPECT_TRUE(inputSet.empty());
  EXPECT_EQ(job.outputFolder, "");
  EXPECT_EQ(job.fileCounter, 1);
  // The next file sets the output folder again.
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("photo.jpg")));
  EXPECT_EQ(folderList()->GetValue(), photos.path);
}

TEST_F(MainWindowTest, recentFoldersAreKeptByTheirUpperCasedTextAndCountedByTheSetting) {
  TempFolder photos;
  writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
  std::string upper = photos.path;
  for (char& c : upper) c = static_cast<char>(toupper(c));
  writeConfig("[Advanced]\r\nOut Folders Number = 3\r\n[File]\r\nRecent Out Folders = /one/\t" + upper +
              "\t/two/\t/three/\t/four/\t/five/\r\n");
  open();
  ASSERT_EQ(folderList()->GetCount(), 3u);
  EXPECT_EQ(folderList()->GetString(1), upper);
  EXPECT_EQ(folderList()->GetValue(), "");  // New left none shown

  ASSERT_TRUE(acceptFileIntoWindow(photos.file("photo.jpg")));
  EXPECT_EQ(settings.recentOutFolders, photos.path + "\t/one/\t/two/");
  ASSERT_EQ(folderList()->GetCount(), 3u);
  EXPECT_EQ(folderList()->GetString(0), photos.path);
  EXPECT_EQ(folderList()->GetValue(), photos.path);

  // Choosing an entry makes it the output folder.
  folderList()->SetSelection(2);
  wxCommandEvent chosen(wxEVT_COMBOBOX, folderList()->GetId());
  chosen.SetEventObject(folderList());
  folderList()->GetEventHandler()->ProcessEvent(chosen);
  EXPECT_EQ(job.outputFolder, "/two/");
}

}  // namespace
