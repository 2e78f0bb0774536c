// The vehicle moved across the bridge: the live-load factor at every
// position and the worst position with its collapse mechanism.
#pragma once

#include <optional>
#include <vector>

#include "arch/CaricoVeicolo.h"
#include "data/Veicolo.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// One position of the vehicle (its first axle at x); no factor where none
// exists (no axle on the structure, or one that can never collapse it).
struct PosizioneVeicolo {
  double x = 0;
  Verso verso = Verso::Avanti;
  std::optional<double> fattore;
  bool certificata = true;  // false: no solver certified this position's answer
};

struct RisultatiVeicolo {
  Veicolo veicolo;
  Diffusione diffusione;
  double passo = 0;                        // the step of the sweep (m)
  std::vector<PosizioneVeicolo> posizioni; // each direction in turn, left to right

  // The least factor, refined between the neighbouring steps; at it the
  // axles, the four-hinge mechanism and the thrust line at collapse.
  std::optional<double> fattorePeggiore;
  double xPeggiore = 0;
  Verso versoPeggiore = Verso::Avanti;
  std::vector<ImprontaAsse> assiPeggiori;
  std::vector<Cerniera> meccanismo;
  LineaSpinte lineaCollasso;
  // Every position certified: the least factor stands between the worst
  // position's collapse line and its mechanism. Not valid: no least factor.
  Certificato certificato;
  int posizioniNonCertificate = 0;
};

// "forward" or "backward".
inline const char* TestoVerso(Verso v) { return v == Verso::Avanti ? "forward" : "backward"; }

}  // namespace voro
