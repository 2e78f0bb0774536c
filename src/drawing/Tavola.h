// A drawing that one routine draws whole on any target: the arch plot, the
// safety plot, the chart of the load sweep.
#pragma once

#include <string>

#include "drawing/Cad.h"
#include "drawing/Superficie.h"

namespace voro {

class Tavola {
 public:
  virtual ~Tavola() = default;
  // The whole drawing on the target ("VIDEO", "STAMPANTE", "DXF", "DWG",
  // "BLOCCO"); false when it failed (its message already shown).
  virtual bool PlottaVoro(const std::string& destinazione, Superficie* superficie, ContenitoreCad* blocco = nullptr) = 0;
};

// A number's text without the blank the formats put before a positive number,
// for figures inside a sentence.
inline std::string Spoglio(std::string t) {
  while (!t.empty() && t.front() == ' ') t.erase(t.begin());
  return t;
}

}  // namespace voro
