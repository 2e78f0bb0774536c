// What the hinge search reports while it runs: the progress caption and the
// precision, shown by the options form or the command line.
#pragma once

#include <string>

#include "data/Scalars.h"

namespace voro {

class OsservatoreRicerca {
 public:
  virtual ~OsservatoreRicerca() = default;
  // The search starts: an empty progress caption and the Stop command are shown.
  virtual void avvio() {}
  // The calculation runs without a search: the progress caption is hidden.
  virtual void senzaRicerca() {}
  // The precision (m) the search will reach.
  virtual void precisione(Single) {}
  // The estimated duration (s) of a long search, before its grid is scanned.
  virtual void stima(double) {}
  // Once per outer step: the caption "Step k/n"; the window system may
  // process its pending events here, after which the stop flag is read.
  virtual void passo(const std::string&) {}
};

}  // namespace voro
