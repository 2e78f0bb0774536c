// Ctrl+C during a batch of projects: the first stops the running hinge
// searches at their best point so far and starts no further project, the
// second ends the program.
#pragma once

#include <atomic>

namespace voro::cli {

// Catches Ctrl+C from now on; returns the flag that the first one sets and
// nothing clears. The second ends the program as Ctrl+C does by default.
const std::atomic<bool>& IntercettaInterruzione();

}  // namespace voro::cli
