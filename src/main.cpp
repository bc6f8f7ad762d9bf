// Start-up: the command line has the first look at the parameters; without
// an input file among them the desktop application would take over.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  // A file size limit makes a write fail cleanly instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> parameters(argv + 1, argv + argc);
  int status = runCommandLine(parameters);
  if (status != startDesktop) return status;
  fprintf(stderr, "zorvane: no input file given, and this build has no desktop application.\n"
                  "Try 'zorvane --help'.\n");
  return exitFailure;
}
