// Without an input file the console program hands over to the desktop
// program beside it, which says so when it has no display.
#include <gtest/gtest.h>

#include "support/support.h"

namespace {

TEST(DesktopHandover, withoutADisplayTheDesktopSaysSoAndEnds1) {
  TempFolder runtime;
  for (const char* parameters : {"", " --width=50 stray"}) {
    SCOPED_TRACE(parameters);
    RunResult run = runShell("XDG_RUNTIME_DIR=" + shellQuote(runtime.path) + " env -u DISPLAY -u WAYLAND_DISPLAY " +
                             shellQuote(ZORVANE_BINARY) + parameters + " 2>&1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "zorvane: cannot open the desktop application: no display\n");
  }
}

TEST(DesktopHandover, aMissingDesktopProgramIsNamed) {
  TempFolder alone;
  ASSERT_EQ(runShell("cp " + shellQuote(ZORVANE_BINARY) + " " + shellQuote(alone.path)).status, 0);
  RunResult run = runShell(shellQuote(alone.file("zorvane")) + " 2>&1");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "zorvane: cannot start the desktop application: " + alone.path +
                         "zorvane-desktop: No such file or directory\n");
  // Console runs need no desktop program.
  EXPECT_EQ(runShell(shellQuote(alone.file("zorvane")) + " -v").status, 0);
}

}  // namespace
