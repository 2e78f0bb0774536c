// Where the arch springs when the upper walls take voussoirs off the ring's
// ends: the solid backing and the walls' face cut the ring above its end.
#pragma once

#include <optional>

#include "arch/ModelloArco.h"

namespace voro {

// One springing raised onto a wall: the voussoirs the wall takes, the level
// of the intrados where the arch now springs and its height above the ring's
// own end (m).
struct ImpostaRialzata {
  int conciParete = 0;
  double y = 0;
  double rialzo = 0;
};

struct ImposteArco {
  std::optional<ImpostaRialzata> sinistra, destra;
  bool rialzate() const { return sinistra || destra; }
};

// The springings of an assembled model that the walls move above the ring's ends.
ImposteArco ImposteSuPareti(const ModelloArco& m);

}  // namespace voro
