// The project every benchmark measures: a road bridge of span 10 and rise 3
// with fill, slab and a partial live load, all of whose voussoirs lie in the
// ring (the walls stand clear of it).
#pragma once

#include "data/DatiProgetto.h"

namespace voro::bench {

inline DatiProgetto ponte(Single voussoirs) {
  DatiProgetto d;
  d.PesoMuratura = 18;
  d.hRiempimento = 0.5f;
  d.PesoRiempimento = 16;
  d.hSoletta = 0.2f;
  d.PesoSoletta = 20;
  d.Larghezza = 1;
  d.LarghezzaChiave = 1;
  d.LuceAnello = 10;
  d.FrecciaAnello = 3;
  d.SpessoreAnello = 0.5f;
  d.nConciAnello = voussoirs;
  d.SporgenzaParete = 2;
  d.hRiempimentoSolido = -1;
  d.qCarico = 10;
  d.xq1 = 2;
  d.xq2 = 6;
  return d;
}

}  // namespace voro::bench
