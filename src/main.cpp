// Start-up: the command line has the first look at the parameters; without
// an input file among them the desktop application takes over, as a program
// of its own, so that console runs never load the window toolkit.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/install_layout.h"
#include "i18n/language_table.h"
#include "platform/console.h"
#include "platform/exit_signals.h"

namespace {

// The last backstop: nothing may end the run by an abort. Whatever escaped
// (memory that ran out) ends it as a failed conversion.
int runGuarded(int argc, char** argv) {
  try {
    std::vector<std::string> parameters(argv + 1, argv + argc);
    return runCommandLine(parameters);
  } catch (...) {
    try {
      printLine(lookupText("Msg", "Conversion is not complete"));
    } catch (...) {
    }
    return exitFailure;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // A file size limit makes a write fail cleanly instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  // A signal that ends a console run first removes the temporary file being
  // written and gives the terminal back its settings.
  installExitCleanup();
  int status = runGuarded(argc, argv);
  if (status == startDesktop) {
    std::string reason;
    startDesktopProgram(argv, reason);
    fprintf(stderr, "zorvane: cannot start the desktop application: %s\n", reason.c_str());
    status = exitFailure;
  }
  // Lines that never reached standard output (a full disk, a closed pipe)
  // make the run a failure, whatever it printed them for.
  if (int error = closeConsole()) {
    fprintf(stderr, "zorvane: write error: %s\n", strerror(error));
    status = exitFailure;
  }
  return status;
}
