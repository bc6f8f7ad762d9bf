// Start-up: the command line has the first look at the parameters; without
// an input file among them the desktop application takes over, as a program
// of its own, so that console runs never load the window toolkit.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "platform/install_layout.h"

int main(int argc, char** argv) {
  // A file size limit makes a write fail cleanly instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  std::vector<std::string> parameters(argv + 1, argv + argc);
  int status = runCommandLine(parameters);
  if (status != startDesktop) return status;
  std::string reason;
  startDesktopProgram(argv, reason);
  fprintf(stderr, "zorvane: cannot start the desktop application: %s\n", reason.c_str());
  return exitFailure;
}
