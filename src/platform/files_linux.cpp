#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "platform/clock.h"
#include "platform/temporary_files.h"

PathInfo queryPath(const std::string& path) {
  PathInfo info;
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return info;
  if (S_ISDIR(st.st_mode)) {
    info.kind = PathKind::Folder;
  } else {
    info.kind = PathKind::File;
    info.size = st.st_size;
  }
  return info;
}

int64_t fileSize(const std::string& path) {
  PathInfo info = queryPath(path);
  return info.kind == PathKind::File ? info.size : 0;
}

bool isFolder(const std::string& path) { return queryPath(path).kind == PathKind::Folder; }

bool isRegularFile(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool createFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0) return true;
  return errno == EEXIST && isFolder(path);
}

bool createFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
    createFolder(path.substr(0, slash));
  return createFolder(path);
}

bool removeFile(const std::string& path) {
  if (unlink(path.c_str()) == 0) return true;
  return errno == ENOENT;
}

bool replaceFile(const std::string& from, const std::string& to) {
  // rename() replaces a file whatever its own permission bits say; it refuses
  // to put a file over a folder, which is what we want.
  if (isFolder(to)) return false;
  return rename(from.c_str(), to.c_str()) == 0;
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& suffix) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.size() < suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
    if (queryPath(prefix + name).kind == PathKind::File) names.push_back(name);
  }
  closedir(dir);
  // readdir's order depends on the file system; this one does not.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    int order = strcasecmp(a.c_str(), b.c_str());
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

bool fileModificationTime(const std::string& path, int64_t& seconds, int64_t& nanoseconds) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  seconds = st.st_mtim.tv_sec;
  nanoseconds = st.st_mtim.tv_nsec;
  return true;
}

bool setFileModificationTime(const std::string& path, int64_t seconds, int64_t nanoseconds) {
  struct timespec times[2];
  times[0].tv_sec = 0;
  times[0].tv_nsec = UTIME_OMIT;  // the access time stays as it is
  times[1].tv_sec = static_cast<time_t>(seconds);
  times[1].tv_nsec = static_cast<long>(nanoseconds);
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string programPath() {
  char buffer[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return "";
  return std::string(buffer, static_cast<size_t>(n));
}

std::string programFolder() {
  std::string path = programPath();
  return path.substr(0, path.rfind('/') + 1);
}

bool writeAll(int fd, const void* data, size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

int openRegularFile(const std::string& path) {
  // Looked at before opening, so that no device is even opened; and again
  // after, in case the path was swapped in between.
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return -1;
  }
  return fd;
}

bool readWholeFile(const std::string& path, std::string& content, size_t maxBytes) {
  int fd = openRegularFile(path);
  if (fd < 0) return false;
  content.clear();
  struct stat st;
  if (fstat(fd, &st) == 0 && st.st_size > 0 && static_cast<uint64_t>(st.st_size) <= maxBytes)
    content.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  bool ok = true;
  while (ok) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    // Counted as it is read: the file may grow after a size query.
    ok = content.size() + static_cast<size_t>(n) <= maxBytes;
    if (ok) content.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return ok;
}

namespace {

// The file that a path finally names: symbolic links followed (a relative
// one from its own folder), also to a target that does not exist yet. ""
// for a loop of links.
std::string finalTarget(std::string path) {
  for (int hops = 0; hops < 40; hops++) {
    char buffer[PATH_MAX];
    ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
    if (n < 0) return path;  // no link
    if (n == 0 || n == static_cast<ssize_t>(sizeof buffer)) return "";
    std::string target(buffer, static_cast<size_t>(n));
    path = target[0] == '/' ? target : path.substr(0, path.rfind('/') + 1) + target;
  }
  return "";
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& content) {
  // Replacing the link itself would leave a plain file where the user keeps
  // a link into another folder.
  std::string target = finalTarget(path);
  if (target.empty()) return false;
  struct stat existing;
  bool keepMode = stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
  std::string temporary = target + ".tmp" + std::to_string(getpid());
  TemporaryFileMark mark(temporary);
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = !keepMode || fchmod(fd, existing.st_mode & 07777) == 0;
  ok = ok && writeAll(fd, content.data(), content.size());
  // The data must be on disk before the rename makes it the file.
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}
