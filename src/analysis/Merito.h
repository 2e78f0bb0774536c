// The stress merit of a thrust line from the extremes of its edge stresses.
#pragma once

#include "data/Scalars.h"

namespace voro {

// The most negative edge stress when any edge is in tension, else the
// largest compression; the intrados wins ties. F and j: the merit and the
// joint that decides it.
inline void MeritoTensioni(Single minI, Integer jMinI, Single maxI, Integer jMaxI, Single minE, Integer jMinE,
                           Single maxE, Integer jMaxE, Single& F, Integer& j) {
  if (minI < 0) {
    F = minI;
    j = jMinI;
  } else {
    F = maxI;
    j = jMaxI;
  }
  if (F < 0) {
    if (minE < F) F = minE, j = jMinE;
  } else if (minE >= 0) {
    if (maxE > F) F = maxE, j = jMaxE;
  } else {
    F = minE;
    j = jMinE;
  }
}

// Running extremes of a scan over the joints: the first of equal extremes keeps its joint.
struct Estremi {
  Single vmin = 1e20f, vmax = -1e20f;
  Integer imin = 0, imax = 0;
  void add(Single v, int i) {
    if (v < vmin) vmin = v, imin = static_cast<Integer>(i);
    if (v > vmax) vmax = v, imax = static_cast<Integer>(i);
  }
};

}  // namespace voro
