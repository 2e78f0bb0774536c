// The handler of Ctrl+C shared by the commands that run batches of projects.
#include "cli/Interruzione.h"

#include <csignal>

namespace voro::cli {

namespace {

// A signal handler reaches only objects of static storage; both are lock-free.
std::atomic<bool> gStop{false};
std::atomic<int> gInterruzioni{0};

extern "C" void onInterrupt(int) {
  if (++gInterruzioni >= 2) {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    return;
  }
  gStop.store(true);
}

}  // namespace

const std::atomic<bool>& IntercettaInterruzione() {
  static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
  std::signal(SIGINT, onInterrupt);
  return gStop;
}

}  // namespace voro::cli
