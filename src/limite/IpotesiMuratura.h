// The hypotheses on the masonry and the soil under which the exact limit
// analysis runs: the compressive strength of every joint, the friction of
// the joints and how far the soil behind the haunches may push back.
#pragma once

#include <optional>
#include <vector>

#include "arch/ModelloArco.h"
#include "arch/ResistenzaConci.h"
#include "data/DatiProgetto.h"

namespace voro {

struct IpotesiMuratura {
  // fc times the width of each joint, joint 1 the left springing [kN/m]; 0
  // or an empty list: unlimited strength (the rigid, no-crushing hypothesis).
  std::vector<double> resistenza;
  std::optional<double> attrito;  // mu of every joint; none: joints never slide
  // The passive pressure as a resistance between 0 and this share of its
  // full value; none: a fixed load, as the three-hinge calculation takes it.
  std::optional<double> mobilitazione;

  bool resistenzaFinita() const;
  // Rigid voussoirs, no sliding, fixed soil pressure: today's analysis.
  bool rigide() const { return !resistenzaFinita() && !attrito && !mobilitazione; }
};


// The width of the left springing joint, as the stresses of the first
// section take it: where the wall takes voussoirs the arch springs from the
// last of them, narrower than the ring's end where the width tapers.
double LarghezzaImposta(const DatiProgetto& d, const ModelloArco& m);

// The hypotheses the project states for its model (the voussoirs' widths
// and segments taken from m).
IpotesiMuratura IpotesiProgetto(const DatiProgetto& d, const ModelloArco& m);

}  // namespace voro
