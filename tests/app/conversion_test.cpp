// The Convert command: its warnings with their status bar texts, a real
// conversion behind the progress window, and the stop question.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include <functional>

#include "app/commands.h"
#include "app/desktop_fixture.h"
#include "app/main_window.h"
#include "batch/job_state.h"
#include "batch/worker.h"
#include "platform/files.h"
#include "settings/settings.h"

namespace {

struct ConversionTest : DesktopTest {
  TempFolder photos, out;
  void SetUp() override {
    DesktopTest::SetUp();
    writeFile(photos.file("photo.jpg"), readFile(dataFile("testorig.jpg")));
    writeFile(photos.file("photo.png"), readFile(dataFile("testorig.jpg")));
    open();
  }
  void typeInput(const std::string& text) { find<wxTextCtrl>("inputField", frame)->SetValue(wxString::FromUTF8(text)); }
  std::string status() { return std::string(frame->GetStatusBar()->GetStatusText().utf8_str()); }

  // What the progress window showed at its end, before OK closed it.
  struct Outcome {
    std::string title, nameLine;
    bool okEnabledAtEnd = false;
  };
  // Converts with the Convert button, closing the progress window with
  // `whileRunning` (when given) as soon as it is shown, then OK at the end.
  Outcome convert(std::function<void(wxDialog*)> whileRunning = nullptr) {
    Outcome outcome;
    bool asked = false;
    whenReady([&] {
      auto* dialog = dynamic_cast<wxDialog*>(openWindow("progressWindow"));
      if (!dialog) return false;
      if (whileRunning && !asked) {
        asked = true;
        whileRunning(dialog);
      }
      auto* ok = find<wxButton>("okButton", dialog);
      if (!ok->IsEnabled()) return false;
      outcome.title = dialog->GetTitle().utf8_str();
      outcome.nameLine = find<wxStaticText>("nameLine", dialog)->GetLabel().utf8_str();
      outcome.okEnabledAtEnd = true;
      wxCommandEvent click(wxEVT_BUTTON, wxID_OK);
      click.SetEventObject(ok);
      ok->GetEventHandler()->ProcessEvent(click);
      return true;
    });
    wxWindow* button = find<wxWindow>("convertButton", frame);
    wxCommandEvent click(wxEVT_BUTTON, button->GetId());
    click.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(click);
    return outcome;
  }
};

TEST_F(ConversionTest, eachWarningHasItsTextAndStatusBarText) {
  const struct Case {
    const char* name;
    std::function<void(ConversionTest&)> arrange;
    std::string text;
    const char* status;
  } cases[] = {
      {"nothing typed", [](ConversionTest&) {}, "No input file(s) found. Please, add valid file(s) and try again!",
       "Conversion stopped"},
      {"a png", [](ConversionTest& t) { t.typeInput(t.photos.file("photo.png")); },
       "No input file(s) found. Please, add valid file(s) and try again!", "Conversion stopped"},
      {"no folder shown", [](ConversionTest& t) { t.typeInput(t.photos.file("photo.jpg")); },
       "The output folder's field is empty. Please, select existed output folder and try again!",
       "Conversion stopped"},
      {"a folder that is gone",
       [](ConversionTest& t) {
         t.typeInput(t.photos.file("photo.jpg"));
         settings.recentOutFolders = "/no/such/folder";
         refillOutputFolderList();
       },
       "The following output folder is invalid or doesn't exist:\r\n/no/such/folder/\r\n\r\nPlease, correct the "
       "output path and try again!",
       "Conversion stopped"},
      {"width 0",
       [](ConversionTest& t) {
         ASSERT_TRUE(acceptFileIntoWindow(t.photos.file("photo.jpg")));
         settings.doImageResize = 1;
         settings.imageWidth = 0;
       },
       "Invalid resize width value!", "Conversion stopped"},
      {"height 0",
       [](ConversionTest& t) {
         ASSERT_TRUE(acceptFileIntoWindow(t.photos.file("photo.jpg")));
         settings.doImageResize = 1;
         settings.imageWidth = 640;
         settings.imageHeight = 0;
       },
       "Invalid resize height value!", "Conversion stopped"},
      {"a font nobody has",
       [](ConversionTest& t) {
         ASSERT_TRUE(acceptFileIntoWindow(t.photos.file("photo.jpg")));
         settings.doWatermark = 1;
         settings.font = "No Such Font Anywhere";
       },
       "Unable to load selected font for a watermark: No Such Font Anywhere", "Preparing..."},
      {"no watermark picture",
       [](ConversionTest& t) {
         ASSERT_TRUE(acceptFileIntoWindow(t.photos.file("photo.jpg")));
         settings.doWatermark = 2;
         settings.image = "";
       },
       "Selected watermark image is invalid/empty!", "Preparing..."},
      {"a missing watermark picture",
       [](ConversionTest& t) {
         ASSERT_TRUE(acceptFileIntoWindow(t.photos.file("photo.jpg")));
         settings.doWatermark = 2;
         settings.image = "/no/such/logo.png";
       },
       "Unable to load selected file as a watermark image: /no/such/logo.png", "Preparing..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    command(commandNew);
    resetSettings(false);
    boxes.clear();
    c.arrange(*this);
    command(commandConvert);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(boxes[0].title, "Warning");
    EXPECT_EQ(boxes[0].text, c.text);
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(openWindow("progressWindow"), nullptr);
  }
}

TEST_F(ConversionTest, aConversionShowsItsOutcomeAndWritesThePcx) {
  typeInput(" " + photos.file("photo.jpg") + " ");
  // A typed folder without its "/" is taken with it, and joins the recent ones.
  std::string folder = out.path.substr(0, out.path.size() - 1);
  settings.recentOutFolders = folder;
  refillOutputFolderList();
  Outcome outcome = convert();
  ASSERT_TRUE(outcome.okEnabledAtEnd);
  EXPECT_TRUE(outcome.title == "Conversion complete (1/1)" || outcome.title == "Conversion complete (0/1)")
      << outcome.title;
  EXPECT_EQ(outcome.nameLine, "Files converted: 1 of 1");
  EXPECT_EQ(status(), "Conversion complete");
  EXPECT_EQ(openWindow("progressWindow"), nullptr);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(settings.recentOutFolders, out.path + "\t" + folder);
  expectSamePixels(decodePcx(out.file("photo.pcx")), decodeJpeg(photos.file("photo.jpg")));
}

TEST_F(ConversionTest, aFailedFileShowsNoneConverted) {
  writeFile(photos.file("broken.jpg"), "not a picture");
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("broken.jpg")));
  Outcome outcome = convert();
  EXPECT_EQ(outcome.nameLine, "Files converted: 0 of 1");
  EXPECT_EQ(status(), "Conversion complete");
}

TEST_F(ConversionTest, theStopQuestionHoldsTheRunAndYesStopsIt) {
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("photo.jpg")));
  const struct Case {
    bool yes;
    const char* nameLine;
    const char* status;
    bool written;
  } cases[] = {{false, "Files converted: 1 of 1", "Conversion complete", true},
               {true, "Conversion stopped", "Conversion stopped", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.yes ? "Yes" : "No");
    removeFile(photos.file("photo.pcx"));
    boxes.clear();
    answers = {c.yes};
    // Held from the start, the worker waits before its first file until the
    // question has been answered.
    holdRun();
    Outcome outcome = convert([](wxDialog* dialog) { dialog->Close(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::WarningQuestion);
    EXPECT_EQ(boxes[0].title, "Warning");
    EXPECT_EQ(boxes[0].text, "Do you want to break the conversion?");
    EXPECT_EQ(outcome.nameLine, c.nameLine);
    if (c.yes) {
      EXPECT_EQ(outcome.title, "Conversion stopped (0/1)");
    }
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(exists(photos.file("photo.pcx")), c.written);
  }
}

TEST_F(ConversionTest, afterTheEndTheCloseBoxClosesWithoutAQuestion) {
  ASSERT_TRUE(acceptFileIntoWindow(photos.file("photo.jpg")));
  bool closed = false;
  whenReady([&] {
    auto* dialog = dynamic_cast<wxDialog*>(openWindow("progressWindow"));
    if (!dialog || !find<wxButton>("okButton", dialog)->IsEnabled()) return false;
    dialog->Close();
    closed = true;
    return true;
  });
  command(commandConvert);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(openWindow("progressWindow"), nullptr);
}

}  // namespace
