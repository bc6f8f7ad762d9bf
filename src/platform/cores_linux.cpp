#include "platform/cores.h"

#include <cerrno>
#include <sched.h>

unsigned usableCores() {
  // The mask must be as large as the kernel's own, which may exceed the
  // 1024 CPUs of a plain cpu_set_t; a smaller one fails with EINVAL.
  for (int cpus = 1024; cpus <= 1 << 20; cpus *= 2) {
    cpu_set_t* set = CPU_ALLOC(cpus);
    if (!set) return 1;
    size_t size = CPU_ALLOC_SIZE(cpus);
    int count = sched_getaffinity(0, size, set) == 0 ? CPU_COUNT_S(size, set) : -1;
    int error = errno;
    CPU_FREE(set);
    if (count > 0) return static_cast<unsigned>(count);
    if (count == 0 || error != EINVAL) return 1;
  }
  return 1;
}
