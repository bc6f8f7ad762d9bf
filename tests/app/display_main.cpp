// The app tests' own display: a virtual X server started for the run, so
// that they need no desktop and never touch the user's. A watchdog ends a
// run whose window waits for ever.
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <cstddef>
#include <cstring>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <wx/debug.h>
#include <wx/string.h>
#include <wx/init.h>

#include <gtest/gtest.h>

#include "app/desktop_app.h"

namespace {

// True when an X server answers on display `number`. Clients try the
// abstract socket first, and that name is shared with other sandboxes on
// the machine, so a number counts as taken when it answers there.
bool displayAnswers(int number) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  int length = snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "/tmp/.X11-unix/X%d", number);
  int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  bool answered = connect(s, reinterpret_cast<sockaddr*>(&address), offsetof(sockaddr_un, sun_path) + 1 + length) == 0;
  close(s);
  return answered;
}

// Starts Xvfb on a display nobody uses and sets DISPLAY to it; its process
// id, or -1. The server ends with this process, however this process ends.
pid_t startDisplay() {
  pid_t parent = getpid();
  int first = 100 + parent % 400;
  for (int number = first; number < first + 20; number++) {
    if (displayAnswers(number)) continue;
    pid_t pid = fork();
    if (pid == 0) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (getppid() != parent) _exit(1);
      int null = open("/dev/null", O_RDWR);
      dup2(null, 0);
      dup2(null, 1);
      dup2(null, 2);
      std::string display = ":" + std::to_string(number);
      execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    if (pid < 0) return -1;
    for (int wait = 0; wait < 500; wait++) {
      if (waitpid(pid, nullptr, WNOHANG) == pid) break;  // it gave up: the number was taken after all
      if (displayAnswers(number)) {
        setenv("DISPLAY", (":" + std::to_string(number)).c_str(), 1);
        return pid;
      }
      usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  unsetenv("WAYLAND_DISPLAY");
  pid_t display = startDisplay();
  if (display <= 0) {
    fprintf(stderr, "app_tests: Xvfb could not be started\n");
    return 1;
  }
  alarm(120);
  // A failed toolkit assertion ends the run at once instead of waiting in a dialog.
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& condition,
                        const wxString& message) {
    fprintf(stderr, "%s:%d: toolkit assertion %s %s\n", static_cast<const char*>(file.utf8_str()), line,
            static_cast<const char*>(condition.utf8_str()), static_cast<const char*>(message.utf8_str()));
    abort();
  });
  int status = 1;
  if (startToolkit()) {
    status = RUN_ALL_TESTS();
    wxEntryCleanup();
  } else {
    fprintf(stderr, "app_tests: the window toolkit did not start on the test display\n");
  }
  kill(display, SIGTERM);
  waitpid(display, nullptr, 0);
  return status;
}
