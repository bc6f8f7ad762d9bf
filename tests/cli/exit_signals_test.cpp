// Signals that end a console run: the temporary file being written goes,
// the terminal gets its settings back, and the exit status is the signal's.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/files.h"
#include "support/support.h"

namespace {

const int testedSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Starts the real program without a shell, its standard streams on
// /dev/null, the tested signals at their default action whatever the test
// runner inherited.
pid_t startZorvane(const Lines& args) {
  std::vector<char*> argv = {const_cast<char*>(ZORVANE_BINARY)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults, none;
  sigemptyset(&defaults);
  for (int number : testedSignals) sigaddset(&defaults, number);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  pid_t pid = -1;
  if (posix_spawn(&pid, ZORVANE_BINARY, &actions, &attributes, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  return pid;
}

// Entries of a folder whose names begin with "zorvane": the writer's
// temporary files.
Lines temporaryFiles(const std::string& folder) {
  Lines names;
  if (DIR* dir = opendir(folder.c_str())) {
    while (dirent* entry = readdir(dir))
      if (std::string(entry->d_name).compare(0, 7, "zorvane") == 0) names.push_back(entry->d_name);
    closedir(dir);
  }
  return names;
}

struct ExitSignalTest : testing::Test {
  // Noise, so that its PCX file (about 30 MB) takes a while to write.
  static TempFolder* source;
  static std::string photo;
  static void SetUpTestSuite() {
    source = new TempFolder;
    const int side = 3000;
    std::string ppm = "P6\n" + std::to_string(side) + " " + std::to_string(side) + "\n255\n";
    std::mt19937 random(7);
    for (int i = 0; i < side * side * 3; i++) ppm += static_cast<char>(random() & 0xFF);
    writeFile(source->file("noise.ppm"), ppm);
    photo = source->file("noise.jpg");
    runShell("cjpeg -quality 90 " + shellQuote(source->file("noise.ppm")) + " > " + shellQuote(photo));
  }
  static void TearDownTestSuite() {
    delete source;
    source = nullptr;
  }
  TempFolder out;
};

TempFolder* ExitSignalTest::source = nullptr;
std::string ExitSignalTest::photo;

TEST_F(ExitSignalTest, aSignalDuringTheWriteRemovesTheTemporaryFile) {
  ASSERT_GT(fileSize(photo), 0);
  for (int number : testedSignals) {
    SCOPED_TRACE(strsignal(number));
    pid_t pid = startZorvane({"-q", "-i", photo, "-o", out.path});
    ASSERT_GT(pid, 0);
    // Wait for the temporary file, then hold the program there.
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (temporaryFiles(out.path).empty() && waitpid(pid, &status, WNOHANG) == 0 &&
           std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    kill(pid, SIGSTOP);
    ASSERT_EQ(waitpid(pid, &status, WUNTRACED), pid);
    ASSERT_TRUE(WIFSTOPPED(status)) << "the program ended before its temporary file was seen";
    ASSERT_EQ(temporaryFiles(out.path).size(), 1u) << "the write was over before the signal";
    kill(pid, number);
    kill(pid, SIGCONT);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number) << status;
    EXPECT_EQ(runShell("ls -A " + shellQuote(out.path)).out, "");
  }
}

// The pause waits for a key with echo off; the terminal's settings come
// back after the key and after Ctrl-C alike.
TEST(PauseTest, theTerminalGetsItsSettingsBackOnEveryExit) {
  const struct Case {
    const char* typed;
    bool interrupted;
  } cases[] = {{"x", false}, {"\x03", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interrupted ? "Ctrl-C" : "a key");
    int master = -1, terminal = -1;
    ASSERT_EQ(openpty(&master, &terminal, nullptr, nullptr, nullptr), 0);
    struct termios before;
    ASSERT_EQ(tcgetattr(terminal, &before), 0);
    ASSERT_TRUE(before.c_lflag & ECHO);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      // A session of its own, with the terminal as its controlling one, so
      // that Ctrl-C typed there reaches it.
      setsid();
      ioctl(terminal, TIOCSCTTY, 0);
      dup2(terminal, 0);
      dup2(terminal, 1);
      dup2(terminal, 2);
      close(master);
      close(terminal);
      signal(SIGINT, SIG_DFL);
      execl(ZORVANE_BINARY, ZORVANE_BINARY, "-p", "-i", static_cast<char*>(nullptr));
      _exit(127);
    }
    // A parameter error that then waits for a key: echo goes off meanwhile.
    struct termios now = before;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (tcgetattr(terminal, &now) == 0 && (now.c_lflag & ECHO) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_FALSE(now.c_lflag & ECHO);
    ASSERT_EQ(write(master, c.typed, 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    if (c.interrupted)
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    else
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    ASSERT_EQ(tcgetattr(terminal, &now), 0);
    EXPECT_EQ(now.c_lflag, before.c_lflag);
    close(master);
    close(terminal);
  }
}

}  // namespace
