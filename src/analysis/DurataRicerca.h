// The estimated duration of a hinge search as the windows and the command
// line show it.
#pragma once

#include <string>

namespace voro {

// "about 40 s", "about 3 min 20 s", "about 25 min", "about 2 h 05 min", "about 3 days".
std::string TestoDurata(double secondi);

}  // namespace voro
