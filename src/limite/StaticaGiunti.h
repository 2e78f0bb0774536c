// The statics of the joints of a loaded voussoir model: the normal force and
// the moment of every joint as affine functions of the left springing's
// reaction, of its moment and of the multiplier of the variable load.
#pragma once

#include <vector>

#include "arch/ModelloArco.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// One joint: N = nH H + nV V + nL λ + n0 and M = mH H + mV V + M1 + mL λ + m0,
// with (H, V) the force of the left support on the arch, M1 the moment of
// the springing joint about its centre (e1 N1) and λ the multiplier of the
// variable load. M is taken about the joint's centre with the thrust-line
// step's sign, so that the eccentricity is M / N, positive toward the extrados.
struct GiuntoLineare {
  double nH = 0, nV = 0, nL = 0, n0 = 0;
  double mH = 0, mV = 0, mL = 0, m0 = 0;
  double xM = 0, yM = 0;  // the joint's centre
  double ux = 0, uy = 0;  // unit vector along the joint toward the extrados
  double h = 0;           // effective depth
};

class StaticaGiunti {
 public:
  // From a model whose voussoirs carry their loads (ForzaConcio): the dead
  // load and the passive pressure as they are, the variable load as the part
  // that λ multiplies.
  explicit StaticaGiunti(const ModelloArco& m);

  const std::vector<GiuntoLineare>& giunti() const { return giunti_; }
  int nGiunti() const { return static_cast<int>(giunti_.size()); }

  // Scales of the problem: the total load (kN), the size of the structure
  // (m) and the total variable load (kN, 0 when there is none).
  double Wref() const { return Wref_; }
  double Lref() const { return Lref_; }
  double Qtot() const { return Qtot_; }

  // Replaces the variable load of every voussoir (index i - 1 for voussoir
  // i) by the force F[i] with the moment Fx[i] about x = 0, the dead load and
  // the passive pressure kept: a load moving on the road re-forms only this
  // part of the statics at each of its positions.
  void ImpostaVariabili(const std::vector<double>& F, const std::vector<double>& Fx);

  // The thrust line of the reaction (H, V), the springing moment M1 and the
  // multiplier λ.
  LineaSpinte Linea(double H, double V, double M1, double lambda) const;

 private:
  std::vector<GiuntoLineare> giunti_;
  double Wref_ = 1, Lref_ = 1, Qtot_ = 0;
  double Wfisso_ = 0;  // the dead load and passive pressure's part of Wref

};

}  // namespace voro
