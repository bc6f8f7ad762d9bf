// Start-up and shutdown: the geometry the window opens with and the one it
// saves, the single instance, the scheduled update question and a save
// under a locale that writes numbers with a comma.
#include <wx/frame.h>

#include <clocale>
#include <cstdlib>

#include "app/commands.h"
#include "app/desktop_fixture.h"
#include "app/main_window.h"
#include "platform/clock.h"
#include "platform/instance_lock.h"
#include "settings/settings.h"
#include "text/product.h"

namespace {

const char* const storedGeometry =
    "[General]\r\nSave Window Position = 1\r\n[Window]\r\nIsMaximized = 0\r\nWidth = 700\r\nHeight = 400\r\n"
    "X = 40\r\nY = 50\r\n";

TEST_F(DesktopTest, theWindowOpensAtTheStoredGeometryAndSavesItsOwn) {
  writeConfig(storedGeometry);
  open();
  EXPECT_EQ(frame->GetClientSize().x, 700);
  EXPECT_EQ(innerHeight(), 260);  // a stored 400 opens 260 high
  EXPECT_EQ(frame->GetPosition(), wxPoint(40, 50));
  frame->SetSize(60, 70, -1, -1);
  frame->SetClientSize(820, frame->GetClientSize().y);
  ASSERT_TRUE(pumpUntil([&] { return frame->GetClientSize().x == 820; }));
  close();
  EXPECT_EQ(savedValue("Width"), "820");
  EXPECT_EQ(savedValue("Height"), "260");
  EXPECT_EQ(savedValue("X"), "60");
  EXPECT_EQ(savedValue("Y"), "70");
  EXPECT_EQ(savedValue("IsMaximized"), "0");
}

TEST_F(DesktopTest, maximisedKeepsTheNormalGeometryAndMinimisedChangesNothing) {
  WindowManager manager;
  const struct Case {
    const char* name;
    bool maximise;
    const char* isMaximized;
  } cases[] = {{"maximised", true, "1"}, {"minimised", false, "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    writeConfig(storedGeometry);
    open();
    pump(300);
    if (c.maximise)
      frame->Maximize();
    else
      frame->Iconize();
    ASSERT_TRUE(pumpUntil([&] { return c.maximise ? frame->IsMaximized() : frame->IsIconized(); }));
    close();
    EXPECT_EQ(savedValue("IsMaximized"), c.isMaximized);
    EXPECT_EQ(savedValue("Width"), "700");
    EXPECT_EQ(savedValue("Height"), "400");
    EXPECT_EQ(savedValue("X"), "40");
    EXPECT_EQ(savedValue("Y"), "50");
  }
  // Stored maximised, it opens maximised.
  std::string maximised = storedGeometry;
  maximised.replace(maximised.find("IsMaximized = 0"), 15, "IsMaximized = 1");
  writeConfig(maximised);
  open();
  EXPECT_TRUE(pumpUntil([&] { return frame->IsMaximized(); }));
}

TEST_F(DesktopTest, exitSavesAsTheCloseBoxDoesAndForgetsFoldersWithoutHistory) {
  writeConfig("[Advanced]\r\nOut Folders History = 0\r\n[File]\r\nRecent Out Folders = /a/\t/b/\r\n");
  open();
  EXPECT_EQ(settings.recentOutFolders, "/a/\t/b/");
  command(commandExit);
  pump(50);
  frame = nullptr;
  EXPECT_EQ(wxTopLevelWindows.GetCount(), 0u);
  EXPECT_EQ(savedValue("Recent Out Folders"), "");
  EXPECT_EQ(savedValue("Out Folders History"), "0");
  // The instance lock went with the window.
  EXPECT_TRUE(takeInstanceLock(titleText()));
  releaseInstanceLock();
}

TEST_F(DesktopTest, theConfigurationIsWrittenTheSameUnderADecimalCommaLocale) {
  ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-locale.sh de_DE.UTF-8";
  open();
  settings.imageGamma = 1.5f;
  close();
  setlocale(LC_ALL, "C");
  EXPECT_EQ(savedValue("Image Gamma"), "1.500000") << readFile(configFile());
}

TEST_F(DesktopTest, theScheduledCheckAsksWhenItsPeriodHasPassed) {
  const int64_t day = 86400;
  const struct Case {
    int range;
    int64_t ago;
    bool asked;
  } cases[] = {{1, 8 * day, true}, {1, 6 * day, false}, {5, 400 * day, false}, {0, 2 * day, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.range);
    int64_t date = localSecondsNow() - c.ago;
    writeConfig("[General]\r\nUpdate Range = " + std::to_string(c.range) + "\r\nUpdate Date = " +
                std::to_string(date) + "\r\n");
    boxes.clear();
    answers = {false};
    open(true);
    ASSERT_EQ(boxes.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(boxes[0].kind, BoxKind::Question);
      EXPECT_EQ(boxes[0].title, "Check for Updates");
      EXPECT_EQ(boxes[0].text, "Do you want to check for updates?");
    }
    close();
    // Answered No, the date moves on all the same.
    int64_t saved = std::atoll(savedValue("Update Date").c_str());
    if (c.asked) {
      EXPECT_GE(saved, localSecondsNow() - 60);
    } else {
      EXPECT_EQ(saved, date);
    }
  }
}

TEST_F(DesktopTest, aSecondCopyEndsAtOnceAndSilentlyButConsoleRunsGoOn) {
  ASSERT_TRUE(takeInstanceLock(titleText()));
  RunResult second = runShell(shellQuote(ZORVANE_BINARY) + " 2>&1");
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.out, "");
  RunResult console = runShell(shellQuote(ZORVANE_BINARY) + " -v 2>&1");
  EXPECT_EQ(console.status, 0);
  EXPECT_EQ(console.out, "2.5\n");
  releaseInstanceLock();
}

}  // namespace
