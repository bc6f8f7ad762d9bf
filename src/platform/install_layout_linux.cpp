#include "platform/install_layout.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/files.h"

std::string desktopProgramPath() { return programFolder() + "zorvane-desktop"; }

std::string userManualPath() { return programFolder() + "doc/manual.html"; }

void startDesktopProgram(char** argv, std::string& reason) {
  std::string path = desktopProgramPath();
  argv[0] = const_cast<char*>(path.c_str());
  execv(path.c_str(), argv);
  reason = path + ": " + strerror(errno);
}
