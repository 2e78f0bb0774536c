// The text of an estimated duration.
#include "analysis/DurataRicerca.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace voro {

std::string TestoDurata(double secondi) {
  char testo[64];
  const double s = std::max(1.0, std::round(secondi));
  if (s < 60) {
    std::snprintf(testo, sizeof testo, "about %.0f s", s);
  } else if (s < 600) {
    // Minutes and tens of seconds.
    const double decine = std::round(s / 10) * 10;
    const double min = std::floor(decine / 60), sec = decine - 60 * min;
    if (sec > 0) std::snprintf(testo, sizeof testo, "about %.0f min %.0f s", min, sec);
    else std::snprintf(testo, sizeof testo, "about %.0f min", min);
  } else if (s < 3600) {
    std::snprintf(testo, sizeof testo, "about %.0f min", std::round(s / 60));
  } else if (s < 48 * 3600) {
    const double minuti = std::round(s / 60);
    std::snprintf(testo, sizeof testo, "about %.0f h %02.0f min", std::floor(minuti / 60),
                  minuti - 60 * std::floor(minuti / 60));
  } else {
    std::snprintf(testo, sizeof testo, "about %.0f days", std::round(s / 86400));
  }
  return testo;
}

}  // namespace voro
