#include "platform/console.h"

#include <cstdio>
#include <mutex>
#include <termios.h>
#include <unistd.h>

namespace {
std::mutex outputLock;
}

void setConsoleTitle(const std::string& title) {
  if (!isatty(STDOUT_FILENO)) return;
  std::lock_guard<std::mutex> guard(outputLock);
  fprintf(stdout, "\033]0;%s\007", title.c_str());
}

void printLine(const std::string& text) {
  std::lock_guard<std::mutex> guard(outputLock);
  fwrite(text.data(), 1, text.size(), stdout);
  fputc('\n', stdout);
  // A terminal sees each line as it comes; a pipe gets them in blocks.
  if (isatty(STDOUT_FILENO)) fflush(stdout);
}

void flushConsole() {
  std::lock_guard<std::mutex> guard(outputLock);
  fflush(stdout);
}

void waitForKey() {
  if (!isatty(STDIN_FILENO)) return;
  flushConsole();
  struct termios saved;
  if (tcgetattr(STDIN_FILENO, &saved) != 0) return;
  struct termios raw = saved;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  char key;
  ssize_t ignored = read(STDIN_FILENO, &key, 1);
  (void)ignored;
  tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}
