#include "platform/memory.h"

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The first number a file holds; false for a missing file or the word "max".
bool readNumber(const char* path, unsigned long long& value) {
  FILE* f = fopen(path, "r");
  if (!f) return false;
  bool ok = fscanf(f, "%llu", &value) == 1;
  fclose(f);
  return ok;
}

}  // namespace

uint64_t availableMemory() {
  uint64_t available = UINT64_MAX;
  if (FILE* f = fopen("/proc/meminfo", "r")) {
    char line[256];
    unsigned long long kib;
    while (fgets(line, sizeof line, f)) {
      if (sscanf(line, "MemAvailable: %llu kB", &kib) == 1) {
        available = kib * 1024ull;
        break;
      }
    }
    fclose(f);
  }
  // A container's own memory limit can be far below the machine's.
  unsigned long long limit, used;
  if (readNumber("/sys/fs/cgroup/memory.max", limit) && readNumber("/sys/fs/cgroup/memory.current", used)) {
    uint64_t left = limit > used ? limit - used : 0;
    if (left < available) available = left;
  }
  // Under an address-space limit what counts is the part not mapped yet.
  struct rlimit space;
  if (getrlimit(RLIMIT_AS, &space) == 0 && space.rlim_cur != RLIM_INFINITY) {
    unsigned long long pages = 0;
    uint64_t mapped = readNumber("/proc/self/statm", pages) ? pages * static_cast<uint64_t>(sysconf(_SC_PAGESIZE)) : 0;
    uint64_t left = space.rlim_cur > mapped ? space.rlim_cur - mapped : 0;
    if (left < available) available = left;
  }
  return available;
}
