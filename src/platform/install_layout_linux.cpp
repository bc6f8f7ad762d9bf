#include "platform/install_layout.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/files.h"

namespace {

const std::string binFolder = "bin/";
const std::string libFolder = "lib/zorvane/";

// The installation prefix, ending with "/", when the running program lies in
// an installed tree (the console program in PREFIX/bin/ beside
// PREFIX/lib/zorvane/, or a program of PREFIX/lib/zorvane/ itself); "" in a
// build folder.
std::string installPrefix() {
  std::string folder = programFolder();
  for (const std::string& own : {binFolder, libFolder}) {
    if (folder.size() <= own.size() || folder.compare(folder.size() - own.size(), own.size(), own) != 0) continue;
    std::string prefix = folder.substr(0, folder.size() - own.size());
    if (prefix.back() == '/' && isFolder(prefix + libFolder)) return prefix;
  }
  return "";
}

// The folder `installed` below the prefix when installed, else `built` in
// the program's folder.
std::string layoutFolder(const std::string& installed, const std::string& built) {
  std::string prefix = installPrefix();
  return prefix.empty() ? programFolder() + built : prefix + installed;
}

}  // namespace

std::string moduleFolder() { return layoutFolder(libFolder, ""); }

std::string dataFolder() { return layoutFolder("share/zorvane/", ""); }

std::string documentFolder() { return layoutFolder("share/doc/zorvane/", "doc/"); }

std::string desktopProgramPath() { return moduleFolder() + "zorvane-desktop"; }

std::string userManualPath() { return documentFolder() + "manual.html"; }

void startDesktopProgram(char** argv, std::string& reason) {
  std::string path = desktopProgramPath();
  argv[0] = const_cast<char*>(path.c_str());
  execv(path.c_str(), argv);
  reason = path + ": " + strerror(errno);
}
