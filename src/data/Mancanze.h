// What a verdict under a code basis needs that the project does not state.
// The codes give no default for the knowledge level or the masonry's partial
// factor gM, and they do not allow a masonry that never crushes: without a
// finite compressive strength in every ring, crushing is not checked and the
// code's verdict would rest on a hypothesis the code excludes. The "as typed"
// basis is the engineer's own and may keep Heyman's rigid masonry.
#pragma once

#include <string>

#include "data/DatiProgetto.h"
#include "data/Regional.h"

namespace voro {

struct MancanzeVerdetto {
  bool livello = false;     // no knowledge level, hence no confidence factor FC
  bool gM = false;          // no partial factor of the masonry
  bool resistenza = false;  // some ring or segment of unlimited strength
  bool nessuna() const { return !livello && !gM && !resistenza; }
};

MancanzeVerdetto Mancanze(const DatiProgetto& d);

// Every ring and segment of every span has a finite strength fc.
bool ResistenzaOvunque(const DatiProgetto& d);

// "No verdict: ..." naming what is missing and how to give it, in the
// language of lingua; empty when nothing is.
std::string TestoMancanze(const MancanzeVerdetto& m, const Regional& lingua);

}  // namespace voro
