// Start-up: the command line has the first look at the parameters; without
// an input file among them the desktop application would take over.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_line.h"
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
    fprintf(stderr, "zorvane: no input file given, and this build has no desktop application.\n"
                    "Try 'zorvane --help'.\n");
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
