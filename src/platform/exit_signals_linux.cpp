#include "platform/exit_signals.h"

#include <csignal>

#include "platform/console.h"
#include "platform/temporary_files.h"

namespace {

const int endingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, SIGXCPU,
                             SIGVTALRM, SIGPROF, SIGABRT, SIGBUS, SIGFPE, SIGILL, SIGSEGV, SIGSYS, SIGTRAP};

void endBySignal(int number) {
  removeMarkedFiles();
  restoreTerminal();
  // The signal stays blocked until the handler returns; then its default
  // action ends the process (a fault simply recurs and does the same).
  signal(number, SIG_DFL);
  raise(number);
}

}  // namespace

void installExitCleanup() {
  struct sigaction action = {};
  action.sa_handler = endBySignal;
  sigemptyset(&action.sa_mask);
  // A second signal waits until the first one's clean-up is done.
  for (int number : endingSignals) sigaddset(&action.sa_mask, number);
  for (int number : endingSignals) {
    struct sigaction current;
    if (sigaction(number, nullptr, &current) != 0) continue;
    if ((current.sa_flags & SA_SIGINFO) || current.sa_handler != SIG_DFL) continue;
    sigaction(number, &action, nullptr);
  }
}
