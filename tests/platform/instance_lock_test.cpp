// The single-instance lock: one holder at a time, and gone with its holder.
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "support/support.h"

namespace {

TEST(InstanceLock, oneHolderAtATimeAndFreeAgainWhenItEnds) {
  TempFolder runtime;
  std::string folder = runtime.path.substr(0, runtime.path.size() - 1);
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  EXPECT_EQ(instanceLockPath("Lumavex JPG to PCX 2.5"), folder + "/Lumavex JPG to PCX 2.5.lock");

  // A child process holds it and ends: the lock ends with it.
  pid_t child = fork();
  if (child == 0) _exit(takeInstanceLock("guard") ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);

  ASSERT_TRUE(takeInstanceLock("guard"));
  EXPECT_FALSE(takeInstanceLock("guard"));  // a second holder, even in this process
  child = fork();
  if (child == 0) _exit(takeInstanceLock("guard") ? 0 : 1);
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);

  releaseInstanceLock();
  EXPECT_TRUE(takeInstanceLock("guard"));
  releaseInstanceLock();
}

}  // namespace
