// The desktop application's program, which `zorvane` hands over to when
// its parameters name no input file.
#include <csignal>

#include "app/desktop_app.h"

int main(int argc, char** argv) {
  // A file size limit makes a write fail cleanly instead of ending the process.
  signal(SIGXFSZ, SIG_IGN);
  return runDesktopApplication(argc, argv);
}
