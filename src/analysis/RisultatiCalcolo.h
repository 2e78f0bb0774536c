// The results of one calculation: hinge eccentricities and points, reactions,
// the per-joint stresses and their worst values.
#pragma once

#include <array>

#include "data/Array1.h"
#include "data/Scalars.h"

namespace voro {

// Joint 1 is the left springing section, joint i + 1 the right joint of voussoir i.
struct RisultatiCalcolo {
  Single EccCalcSinistra = 0, EccCalcChiave = 0, EccCalcDestra = 0;
  std::array<double, 3> xCerniera{}, yCerniera{};  // hinge k at index k - 1
  Single VSinistra = 0, HSinistra = 0;  // force of the left support on the arch
  Single VDestra = 0, HDestra = 0;
  double SommaV = 0, SommaHSinistra = 0, SommaHDestra = 0;
  Single NPrimaSezione = 0, TPrimaSezione = 0;
  Array1<Single> SigmaEstGiunti, SigmaIntGiunti, TauGiunti, PercGiunti;
  double SigmaEstPeggiore = 0, SigmaIntPeggiore = 0, PercMinima = 0;
  Integer iSigmaEstPeggiore = 0, iSigmaIntPeggiore = 0, iPercMinima = 0;
  // The hinge search: the grid step (m) of the last pass it completed (0
  // without a search or before the coarse pass ended) and whether Stop ended it.
  Single PrecisioneRicerca = 0;
  bool RicercaInterrotta = false;
};

}  // namespace voro
