// The statics of the joints of a loaded voussoir model: the normal force and
// the moment of every joint as affine functions of the left springing's
// reaction, of its moment and of the multiplier of the variable load.
#pragma once

#include <optional>
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
  // T = tH H + tV V + tL λ + t0, the force along the joint.
  double tH = 0, tV = 0, tL = 0, t0 = 0;
  // With the soil as a resistance, the coefficients of each group's
  // mobilised share in N, M and T (empty otherwise).
  std::vector<double> nP, mP, tP;
  double xM = 0, yM = 0;  // the joint's centre
  double ux = 0, uy = 0;  // unit vector along the joint toward the extrados
  double h = 0;           // effective depth
};

// A group of neighbouring voussoirs whose passive pressure the soil
// mobilises by one share phi, 0 <= phi <= the mobilisation factor: each
// voussoir alone where they are few, proportional runs of them otherwise.
struct GruppoPassivo {
  int primo = 0, ultimo = 0;  // voussoirs
  double massimo = 1;         // the largest share
};

// One voussoir's loads, as its own equilibrium sees them: the dead load P
// (kN, down) with its moment Px about x = 0, the variable load Q that λ
// multiplies with Qx, and the full passive pressure F (toward the crown's
// side, +x) with its moment Fy about y = 0.
struct CaricoConcio {
  double P = 0, Px = 0, Q = 0, Qx = 0, F = 0, Fy = 0;
};

class StaticaGiunti {
 public:
  // The most groups of voussoirs the soil may push back independently.
  static constexpr int kMaxGruppi = 10;

  // From a model whose voussoirs carry their loads (ForzaConcio): the dead
  // load as it is, the variable load as the part that λ multiplies, and the
  // passive pressure as it is or, with a mobilisation factor, as a
  // resistance of each group up to that share of its full value.
  explicit StaticaGiunti(const ModelloArco& m, std::optional<double> mobilitazione = std::nullopt);

  const std::vector<GiuntoLineare>& giunti() const { return giunti_; }
  int nGiunti() const { return static_cast<int>(giunti_.size()); }

  // Scales of the problem: the total load (kN), the size of the structure
  // (m) and the total variable load (kN, 0 when there is none).
  double Wref() const { return Wref_; }
  double Lref() const { return Lref_; }
  double Qtot() const { return Qtot_; }

  const std::vector<GruppoPassivo>& gruppi() const { return gruppi_; }

  // Voussoir i's loads at index i - 1, and whether the passive pressure is
  // a fixed load (else each group's share of it is an unknown).
  const std::vector<CaricoConcio>& conci() const { return conci_; }
  bool pressioneFissa() const { return passiva_.empty(); }

  // Replaces the variable load of every voussoir (index i - 1 for voussoir
  // i) by the force F[i] with the moment Fx[i] about x = 0, the dead load and
  // the passive pressure kept: a load moving on the road re-forms only this
  // part of the statics at each of its positions.
  void ImpostaVariabili(const std::vector<double>& F, const std::vector<double>& Fx);

  // The thrust line of the reaction (H, V), the springing moment M1 and the
  // multiplier λ, and the groups' mobilised shares (none: nothing mobilised).
  LineaSpinte Linea(double H, double V, double M1, double lambda, const std::vector<double>& quote = {}) const;

 private:
  std::vector<GiuntoLineare> giunti_;
  std::vector<GruppoPassivo> gruppi_;
  std::vector<CaricoConcio> conci_;
  std::vector<double> passiva_, yPassiva_;  // each voussoir's full pressure and its height
  double Wref_ = 1, Lref_ = 1, Qtot_ = 0;
  double Wfisso_ = 0;  // the dead load and passive pressure's part of Wref
};

}  // namespace voro
