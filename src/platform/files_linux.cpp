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

bool createFolder(const std::string& path) {
  if (mkdir(path.c_str(), 0777) == 0) return true;
  return errno == EEXIST && isFolder(path);
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

std::string programFolder() { return folderPart(programPath()); }

std::string folderPart(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNamePart(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
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

bool readWholeFile(const std::string& path, std::string& content) {
  if (isFolder(path)) return false;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return false;
  content.clear();
  char buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) content.append(buffer, n);
  bool ok = !ferror(f);
  fclose(f);
  return ok;
}

bool writeFileAtomically(const std::string& path, const std::string& content) {
  std::string temporary = path + ".tmp" + std::to_string(getpid());
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = writeAll(fd, content.data(), content.size());
  // The data must be on disk before the rename makes it the file.
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}
