#include "platform/console.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <stdio_ext.h>
#include <termios.h>
#include <unistd.h>

namespace {
std::mutex outputLock;

// The first failed write to standard output, reported when the run ends.
int outputError = 0;

void noteOutputError() {
  if (outputError == 0) outputError = errno != 0 ? errno : EIO;
}

// The terminal's settings while waitForKey has it in single-key mode.
struct termios savedTerminal;
std::atomic<bool> terminalChanged{false};
}  // namespace

void setConsoleTitle(const std::string& title) {
  if (!isatty(STDOUT_FILENO)) return;
  std::lock_guard<std::mutex> guard(outputLock);
  if (fprintf(stdout, "\033]0;%s\007", title.c_str()) < 0) noteOutputError();
}

void printLine(const std::string& text) {
  std::lock_guard<std::mutex> guard(outputLock);
  if (fwrite(text.data(), 1, text.size(), stdout) != text.size() || fputc('\n', stdout) == EOF) noteOutputError();
  // A terminal sees each line as it comes; a pipe gets them in blocks.
  if (isatty(STDOUT_FILENO) && fflush(stdout) != 0) noteOutputError();
}

void flushConsole() {
  std::lock_guard<std::mutex> guard(outputLock);
  if (fflush(stdout) != 0) noteOutputError();
}

int closeConsole() {
  std::lock_guard<std::mutex> guard(outputLock);
  errno = 0;
  bool failed = ferror(stdout) != 0;
  bool pending = __fpending(stdout) != 0;
  // Closing a standard output that was never open fails too; that matters
  // only when something was printed.
  if (fclose(stdout) != 0 && (pending || errno != EBADF)) failed = true;
  if (failed) noteOutputError();
  return outputError;
}

void waitForKey() {
  if (!isatty(STDIN_FILENO)) return;
  flushConsole();
  if (tcgetattr(STDIN_FILENO, &savedTerminal) != 0) return;
  struct termios raw = savedTerminal;
  raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  terminalChanged = true;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  char key;
  ssize_t ignored = read(STDIN_FILENO, &key, 1);
  (void)ignored;
  restoreTerminal();
}

void restoreTerminal() {
  if (terminalChanged.exchange(false)) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
}
