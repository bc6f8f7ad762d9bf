// About, the converter search, the Help menu's pages and the update check.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/hyperlink.h>
#include <wx/generic/hyperlink.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>

#include "app/commands.h"
#include "app/desktop_fixture.h"
#include "platform/clock.h"
#include "platform/install_layout.h"
#include "settings/settings.h"
#include "support/loopback_server.h"
#include "text/maker.h"

namespace {

void press(wxWindow* button) {
  wxCommandEvent click(wxEVT_BUTTON, button->GetId());
  click.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(click);
}

void key(wxWindow* window, int code) {
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = code;
  event.SetEventObject(window);
  window->GetEventHandler()->ProcessEvent(event);
}

struct SmallWindowsTest : DesktopTest {
  void SetUp() override {
    DesktopTest::SetUp();
    open();
  }
  // Runs a command that opens a modal window, acting in it once it is shown.
  void inWindow(int number, const char* name, std::function<void(wxDialog*)> act) {
    bool acted = false;
    whenReady([&] {
      auto* dialog = dynamic_cast<wxDialog*>(openWindow(name));
      if (!dialog) return false;
      act(dialog);
      acted = true;
      return true;
    });
    command(number);
    EXPECT_TRUE(acted);
    EXPECT_EQ(openWindow(name), nullptr) << "still open";
  }
};

TEST_F(SmallWindowsTest, aboutShowsTheProductAndOpensItsLinks) {
  inWindow(commandAbout, "aboutWindow", [](wxDialog* about) {
    EXPECT_EQ(about->GetTitle(), "About...");
    EXPECT_EQ(about->GetClientSize(), wxSize(360, 240));
    EXPECT_EQ(find<wxStaticText>("titleLine", about)->GetLabel(), "Lumavex JPG to PCX 2.5");
    EXPECT_EQ(find<wxStaticText>("webLabel", about)->GetLabel(), "Web:");
    EXPECT_EQ(find<wxStaticText>("mailLabel", about)->GetLabel(), "E-mail:");
    wxWindow* box = find<wxWindow>("frame", about);
    EXPECT_EQ(wxRect(box->GetPosition(), box->GetSize()), wxRect(0, 40, 360, 150));
    auto* web = find<wxGenericHyperlinkCtrl>("webLink", about);
    EXPECT_EQ(web->GetLabel(), makerWebSite);
    EXPECT_EQ(web->GetNormalColour(), wxColour(0, 0, 255));
    EXPECT_EQ(web->GetPosition() + box->GetPosition(), wxPoint(140, 100));
    for (const char* name : {"webLink", "mailLink"}) {
      auto* link = find<wxGenericHyperlinkCtrl>(name, about);
      wxHyperlinkEvent click(link, link->GetId(), link->GetURL());
      link->GetEventHandler()->ProcessEvent(click);
    }
    wxWindow* ok = find<wxWindow>("okButton", about);
    EXPECT_EQ(wxRect(ok->GetPosition(), ok->GetSize()), wxRect(140, 200, 80, 25));
    press(ok);
  });
  EXPECT_EQ(opened, (std::vector<std::string>{makerWebSite, "mailto:support@lumavex.example"}));
}

TEST_F(SmallWindowsTest, theSearchWindowTurnsTwoExtensionsIntoTheSearchPage) {
  const struct Case {
    const char* from;
    const char* to;
    const char* how;  // "button", "return" or "escape"
    std::vector<std::string> opened;
    size_t warnings;
  } cases[] = {
      {"   .TIFF", "Pdf!", "button", {makerPage("/find/tiff-pdf/")}, 0},
      {"abcdefghijklmno", "pcx", "return", {makerPage("/find/abcdefghijkl-pcx/")}, 0},
      {"jpg", "pcx", "escape", {}, 0},
      {".!?", "pcx", "button", {}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    opened.clear();
    boxes.clear();
    inWindow(commandCustomConverter, "converterSearchWindow", [&](wxDialog* search) {
      EXPECT_EQ(search->GetTitle(), "Find a File Converter");
      EXPECT_EQ(search->GetClientSize(), wxSize(370, 60));
      find<wxTextCtrl>("fromField", search)->SetValue(c.from);
      find<wxTextCtrl>("toField", search)->SetValue(c.to);
      std::string how = c.how;
      if (how == "button") press(find<wxWindow>("searchButton", search));
      if (how == "return") key(search, WXK_RETURN);
      if (how == "escape") key(search, WXK_ESCAPE);
      if (c.warnings) {
        // The warning leaves the window open with its texts.
        EXPECT_TRUE(search->IsShown());
        EXPECT_EQ(find<wxTextCtrl>("fromField", search)->GetValue(), c.from);
        key(search, WXK_ESCAPE);
      }
    });
    EXPECT_EQ(opened, c.opened);
    ASSERT_EQ(boxes.size(), c.warnings);
    if (c.warnings) {
      EXPECT_EQ(boxes[0].text, "Please, fill all required fields and try again!");
    }
  }
}

TEST_F(SmallWindowsTest, theHelpMenuOpensTheManualTheMailAndTheHomepage) {
  command(commandManual);
  command(commandSendFeedback);
  command(commandVisitHomepage);
  EXPECT_EQ(opened, (std::vector<std::string>{userManualPath(),
                                               "mailto:support@lumavex.example?subject=Lumavex JPG to PCX 2.5 Feedback",
                                               productPage()}));
}

TEST_F(SmallWindowsTest, theUpdateCheckTellsItsThreeOutcomes) {
  const struct Case {
    std::vector<std::string> answer;  // the server's pieces; none: nobody listens
    BoxKind kind;
    const char* title;
    const char* text;
    bool yes;
    std::vector<std::string> opened;
  } cases[] = {
      {{"HTTP/1.0 200 OK\r\n\r\n  251\r\n"}, BoxKind::Question, "New Update",
       "A new version of Lumavex JPG to PCX is available! Are you ready to download it right now?", true,
       {productPage()}},
      {{"HTTP/1.0 200 OK\r\n\r\n$FF"}, BoxKind::Question, "New Update",
       "A new version of Lumavex JPG to PCX is available! Are you ready to download it right now?", false, {}},
      {{"HTTP/1.0 200 OK\r\n\r\n250"}, BoxKind::Information, "No Update",
       "There is no update of Lumavex JPG to PCX yet. You're using the most recent version.", false, {}},
      {{"HTTP/1.0 200 OK\r\n", "\r\n2.5.1"}, BoxKind::Information, "No Update",
       "There is no update of Lumavex JPG to PCX yet. You're using the most recent version.", false, {}},
      {{"HTTP/1.0 404 Not Found\r\n\r\n<html>"}, BoxKind::Error, "Error", "Internet connection problems!", false,
       {}},
      {{}, BoxKind::Error, "Error", "Internet connection problems!", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    boxes.clear();
    opened.clear();
    answers = {c.yes};
    std::unique_ptr<LoopbackServer> server;
    if (c.answer.empty()) {
      setenv("ZORVANE_UPDATE_URL", ("http://127.0.0.1:" + std::to_string(closedPort()) + "/files/zorvane.dat").c_str(),
             1);
    } else {
      server = std::make_unique<LoopbackServer>(c.answer);
      setenv("ZORVANE_UPDATE_URL", server->url("/files/zorvane.dat").c_str(), 1);
    }
    command(commandCheckForNewVersion);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, c.kind);
    EXPECT_EQ(boxes[0].title, c.title);
    EXPECT_EQ(boxes[0].text, c.text);
    EXPECT_EQ(opened, c.opened);
    if (server) {
      EXPECT_EQ(server->request().substr(0, server->request().find("\r\n")), "GET /files/zorvane.dat HTTP/1.0");
    }
  }
}

}  // namespace
