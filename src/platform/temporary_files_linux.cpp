#include "platform/temporary_files.h"

#include <atomic>
#include <climits>
#include <cstring>
#include <unistd.h>

namespace {

// A slot goes free -> filling -> marked -> free; a signal handler claims a
// marked slot before it reads the path, so the path it reads is never being
// rewritten. Writers (the worker, the configuration save) may overlap.
enum SlotState : int { Free, Filling, Marked, Claimed };

struct Slot {
  std::atomic<int> state{Free};
  char path[PATH_MAX];
};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free state");

Slot slots[4];

}  // namespace

TemporaryFileMark::TemporaryFileMark(const std::string& path) {
  if (path.empty() || path.size() >= PATH_MAX) return;
  for (int i = 0; i < static_cast<int>(sizeof slots / sizeof slots[0]); i++) {
    int expected = Free;
    if (!slots[i].state.compare_exchange_strong(expected, Filling)) continue;
    memcpy(slots[i].path, path.c_str(), path.size() + 1);
    slots[i].state.store(Marked);
    slot = i;
    return;
  }
}

TemporaryFileMark::~TemporaryFileMark() {
  if (slot < 0) return;
  // A claimed slot stays claimed: its handler is ending the process.
  int expected = Marked;
  slots[slot].state.compare_exchange_strong(expected, Free);
}

void removeMarkedFiles() {
  for (Slot& slot : slots) {
    int expected = Marked;
    if (slot.state.compare_exchange_strong(expected, Claimed)) unlink(slot.path);
  }
}
