#include "app/desktop_fixture.h"

#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include "app/commands.h"
#include "app/desktop_app.h"
#include "app/main_window.h"
#include "app/shell_open.h"
#include "platform/instance_lock.h"
#include "platform/files.h"
#include "text/product.h"

extern char** environ;

std::vector<RecordedBox> boxes;
std::deque<bool> answers;
std::vector<std::string> opened;

namespace {

bool recordBox(BoxKind kind, const std::string& title, const std::string& text) {
  boxes.push_back({kind, title, text});
  if (kind != BoxKind::Question && kind != BoxKind::WarningQuestion) return true;
  if (answers.empty()) return false;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

void recordOpen(const std::string& target) { opened.push_back(target); }

// A timer that calls its step until the step is done, then deletes itself.
struct Stepper : wxTimer {
  std::function<bool()> step;
  void Notify() override {
    if (!step()) return;
    Stop();
    wxTheApp->CallAfter([this] { delete this; });
  }
};

}  // namespace

void pump(int milliseconds) {
  wxMilliClock_t end = wxGetLocalTimeMillis() + milliseconds;
  while (wxGetLocalTimeMillis() < end) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
    wxMilliSleep(2);
  }
}

bool pumpUntil(const std::function<bool()>& condition) {
  wxMilliClock_t end = wxGetLocalTimeMillis() + 10000;
  while (!condition()) {
    if (wxGetLocalTimeMillis() > end) return false;
    pump(5);
  }
  return true;
}

void whenReady(std::function<bool()> step) {
  Stepper* stepper = new Stepper;
  stepper->step = std::move(step);
  stepper->Start(10);
}

wxWindow* openWindow(const char* name) {
  for (wxWindow* window : wxTopLevelWindows)
    if (window->GetName() == name && window->IsShown()) return window;
  return nullptr;
}

WindowManager::WindowManager() {
  char program[] = "openbox";
  char option[] = "--sm-disable";
  char* argv[] = {program, option, nullptr};
  if (posix_spawnp(&pid, "openbox", nullptr, nullptr, argv, environ) != 0) pid = -1;
  EXPECT_GT(pid, 0) << "openbox could not be started";
  pump(1000);  // until it manages the screen
}

WindowManager::~WindowManager() {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

void DesktopTest::SetUp() {
  setenv("XDG_CONFIG_HOME", (home.path + "config").c_str(), 1);
  std::string runtime = home.path + "runtime";
  createFolder(runtime);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  boxes.clear();
  answers.clear();
  opened.clear();
  showBox = recordBox;
  openWithShell = recordOpen;
}

void DesktopTest::TearDown() {
  if (frame) close();
  unsetenv("ZORVANE_UPDATE_URL");
}

void DesktopTest::writeConfig(const std::string& content) {
  createFolder(home.path + "config");
  createFolder(home.path + "config/Lumavex");
  createFolder(home.path + "config/Lumavex/zorvane");
  writeFile(configFile(), content);
}

void DesktopTest::open(bool scheduledCheck) {
  frame = openDesktop(scheduledCheck);
  pump(100);
}

void DesktopTest::close() {
  frame->Close();
  frame = nullptr;
  pump(50);  // the destroyed window goes at the next idle time
}

void DesktopTest::command(int number) {
  wxCommandEvent event(wxEVT_MENU, commandId(number));
  event.SetEventObject(frame);
  frame->GetEventHandler()->ProcessEvent(event);
}

std::string DesktopTest::savedValue(const std::string& key) const {
  std::string text = readFile(configFile());
  std::string line = "\r\n" + key + " = ";
  size_t at = text.find(line);
  if (at == std::string::npos) return "<missing>";
  at += line.size();
  return text.substr(at, text.find("\r\n", at) - at);
}
