#include "platform/instance_lock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

int lockDescriptor = -1;

}  // namespace

std::string instanceLockPath(const std::string& name) {
  const char* runtime = getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return std::string(runtime) + "/" + name + ".lock";
  return "/tmp/" + name + " " + std::to_string(getuid()) + ".lock";
}

bool takeInstanceLock(const std::string& name) {
  // Close-on-exec: a browser started from the application must not inherit
  // the lock and keep it after the application has ended.
  int fd = open(instanceLockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  lockDescriptor = fd;
  return true;
}

void releaseInstanceLock() {
  if (lockDescriptor < 0) return;
  close(lockDescriptor);
  lockDescriptor = -1;
}
