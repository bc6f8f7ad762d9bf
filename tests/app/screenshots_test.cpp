// Pictures of the real windows for the README, taken from the test display
// with a window manager drawing the frames. Not part of the suite; run
//   ZORVANE_SCREENSHOTS=$PWD/docs build/tests/app_tests --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

#include "app/commands.h"
#include "app/desktop_fixture.h"
#include "app/main_window.h"

namespace {

// Saves the screen area of a top-level window with its frame, cut from a
// picture of the whole display (ImageMagick's import and convert).
void shoot(wxWindow* window, const std::string& name) {
  // The inner area below the title bar: for a frame from its menu bar down,
  // for a dialog its client area; then the window manager's frame around it.
  wxFrame* frame = dynamic_cast<wxFrame*>(window);
  wxRect area = frame ? wxRect(frame->GetMenuBar()->GetScreenPosition(),
                               wxSize(frame->GetClientSize().x, innerHeight() + frame->GetMenuBar()->GetSize().y))
                      : wxRect(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
  area.x -= 4;
  area.width += 8;
  area.y -= 26;
  area.height += 30;
  std::string geometry = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                         std::to_string(area.x) + "+" + std::to_string(area.y);
  std::string target = std::string(getenv("ZORVANE_SCREENSHOTS")) + "/" + name;
  EXPECT_EQ(runShell("import -window root png:- | convert png:- -crop " + geometry + " +repage " +
                     shellQuote(target)).status, 0);
}

TEST_F(DesktopTest, DISABLED_Screenshots) {
  ASSERT_NE(getenv("ZORVANE_SCREENSHOTS"), nullptr);
  WindowManager manager;
  TempFolder photos;
  writeFile(photos.file("holiday in the mountains.jpg"), readFile(dataFile("testorig.jpg")));
  open();
  frame->Move(100, 100);
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("holiday in the mountains.jpg")));
  pump(500);
  shoot(frame, "main-window.png");

  // Each window is taken once it has been on the screen for half a second.
  const int settled = 50;
  int doneLooks = 0, aboutLooks = 0, searchLooks = 0;
  whenReady([&] {
    auto* progress = dynamic_cast<wxDialog*>(openWindow("progressWindow"));
    if (!progress || !find<wxWindow>("okButton", progress)->IsEnabled() || ++doneLooks < settled) return false;
    shoot(progress, "progress-window.png");
    progress->EndModal(wxID_OK);
    return true;
  });
  command(commandConvert);
  whenReady([&] {
    auto* about = dynamic_cast<wxDialog*>(openWindow("aboutWindow"));
    if (!about || ++aboutLooks < settled) return false;
    shoot(about, "about-window.png");
    about->EndModal(wxID_OK);
    return true;
  });
  command(commandAbout);
  whenReady([&] {
    auto* search = dynamic_cast<wxDialog*>(openWindow("converterSearchWindow"));
    if (!search) return false;
    if (searchLooks++ == 0) {
      find<wxTextCtrl>("fromField", search)->SetValue("jpg");
      find<wxTextCtrl>("toField", search)->SetValue("pcx");
    }
    if (searchLooks < settled) return false;
    shoot(search, "converter-search-window.png");
    search->EndModal(wxID_OK);
    return true;
  });
  command(commandCustomConverter);
}

}  // namespace
