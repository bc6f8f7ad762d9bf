// The desktop application's windows under a display of the tests' own: a
// fixture that opens the real application with its own configuration and
// runtime folders, recorders for message boxes and the shell, and helpers
// that drive modal windows from inside their event loops.
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <wx/window.h>

#include <gtest/gtest.h>

#include "app/message_boxes.h"
#include "support/support.h"

class wxFrame;

struct RecordedBox {
  BoxKind kind;
  std::string title, text;
};

// What the application showed and opened; questions take their answers
// from `answers` (No when it is empty).
extern std::vector<RecordedBox> boxes;
extern std::deque<bool> answers;
extern std::vector<std::string> opened;

// A window of the given name and class below `parent` (anywhere when null);
// fails the test when there is none.
template <typename T>
T* find(const char* name, wxWindow* parent = nullptr) {
  T* window = dynamic_cast<T*>(wxWindow::FindWindowByName(name, parent));
  EXPECT_NE(window, nullptr) << name;
  return window;
}

// Handles window events for a while.
void pump(int milliseconds);

// Handles window events until the condition holds; false after 10 seconds.
bool pumpUntil(const std::function<bool()>& condition);

// Calls `step` every 10 ms from the event loop that runs then (a modal
// window's too) until it returns true.
void whenReady(std::function<bool()> step);

// The open dialog of that name, or nullptr.
wxWindow* openWindow(const char* name);

// Starts a window manager on the display, for the tests that need the
// maximised and minimised states; it ends with the test.
struct WindowManager {
  WindowManager();
  ~WindowManager();
  int pid = -1;
};

struct DesktopTest : testing::Test {
  TempFolder home;
  wxFrame* frame = nullptr;
  void SetUp() override;
  void TearDown() override;
  // The configuration file the application reads and writes.
  std::string configFile() const { return home.path + "config/Lumavex/zorvane/config.ini"; }
  // Writes a configuration file before the application starts.
  void writeConfig(const std::string& content);
  // Starts the application (its configuration, texts and main window).
  void open(bool scheduledCheck = false);
  // Closes the main window as its close box does; the configuration is saved.
  void close();
  // Runs a command as the menu, toolbar and shortcuts do.
  void command(int number);
  // The value of a key in the saved configuration file.
  std::string savedValue(const std::string& key) const;
};
