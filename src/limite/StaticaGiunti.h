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
// In a bridge, H, V and M1 are those of the springing of the joint's own span
// (campata); a pier's base carries the next span's too (campata2), its M1
// with the coefficient mM2.
struct GiuntoLineare {
  int campata = 0;
  int campata2 = -1;
  int pila = -1;  // the pier whose base this is; -1 for a joint of a ring
  double nH2 = 0, nV2 = 0, mH2 = 0, mV2 = 0, mM2 = 0, tH2 = 0, tV2 = 0;
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

// One block's loads, as its own equilibrium sees them: the dead load P
// (kN, down) with its moment Px about x = 0, the variable load Q that λ
// multiplies with Qx, and the full passive pressure F (toward the crown's
// side, +x) with its moment Fy about y = 0. The block takes the force of
// the joint riceve and passes on those of passa and passa2 (a pier: to the
// next span's springing and to its foundation).
struct CaricoConcio {
  double P = 0, Px = 0, Q = 0, Qx = 0, F = 0, Fy = 0;
  int riceve = 0, passa = 1, passa2 = -1;
};

// The unknowns of a thrust line: the force of the left support on the arch,
// the moment of the springing joint about its centre, the multiplier of the
// variable load, and the share of its full pressure each group of passive
// voussoirs mobilises (empty when the pressure is a fixed load). In a
// bridge, each further span's springing on its pier in altre.
struct Appoggio {
  double H = 0, V = 0, M1 = 0;
};
struct Reazione {
  double H = 0, V = 0, M1 = 0, lambda = 1;
  std::vector<double> quote;
  std::vector<Appoggio> altre;
  // Span k's springing (0 the first); nothing where it is not given.
  Appoggio campata(int k) const {
    if (k == 0) return {H, V, M1};
    const auto i = static_cast<std::size_t>(k - 1);
    return i < altre.size() ? altre[i] : Appoggio{};
  }
};

// The forces of joint g under the reaction r.
struct Forze {
  double N, M, T;
};

inline Forze ForzeGiunto(const GiuntoLineare& g, const Reazione& r) {
  const Appoggio a = r.campata(g.campata);
  Forze f{g.nH * a.H + g.nV * a.V + g.nL * r.lambda + g.n0, g.mH * a.H + g.mV * a.V + a.M1 + g.mL * r.lambda + g.m0,
          g.tH * a.H + g.tV * a.V + g.tL * r.lambda + g.t0};
  if (g.campata2 >= 0) {
    const Appoggio b = r.campata(g.campata2);
    f.N += g.nH2 * b.H + g.nV2 * b.V;
    f.M += g.mH2 * b.H + g.mV2 * b.V + g.mM2 * b.M1;
    f.T += g.tH2 * b.H + g.tV2 * b.V;
  }
  for (std::size_t k = 0; k < r.quote.size() && k < g.nP.size(); ++k) {
    f.N += g.nP[k] * r.quote[k];
    f.M += g.mP[k] * r.quote[k];
    f.T += g.tP[k] * r.quote[k];
  }
  return f;
}

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
  // Spans whose springing reactions are unknowns: 1 for a single arch.
  int nCampate() const { return nCampate_; }
  // The first joint of each span; its last is the one before the next span's
  // first (or before the pier's base between them).
  const std::vector<int>& primiGiunti() const { return primi_; }

  // Scales of the problem: the total load (kN), the size of the structure
  // (m) and the total variable load (kN, 0 when there is none).
  double Wref() const { return Wref_; }
  double Lref() const { return Lref_; }
  double Qtot() const { return Qtot_; }

  const std::vector<GruppoPassivo>& gruppi() const { return gruppi_; }

  // Voussoir i's loads at index i - 1, then each pier's, and whether the passive pressure is
  // a fixed load (else each group's share of it is an unknown).
  const std::vector<CaricoConcio>& conci() const { return conci_; }
  bool pressioneFissa() const { return passiva_.empty(); }

  // Replaces the variable load of every voussoir (index i - 1 for voussoir
  // i) by the force F[i] with the moment Fx[i] about x = 0, the dead load and
  // the passive pressure kept: a load moving on the road re-forms only this
  // part of the statics at each of its positions.
  void ImpostaVariabili(const std::vector<double>& F, const std::vector<double>& Fx);

  // The thrust line of a reaction (H, V), springing moment M1, multiplier λ
  // and groups' mobilised shares (none: nothing mobilised).
  LineaSpinte Linea(const Reazione& r) const;

 private:
  void Campata(const ModelloArco& m, int primo, int ultimo, bool mobilita);
  // Pier k's base joint, from its left span's last joint, its right span's
  // springing and its own loads.
  void Pila(int k);

  int nCampate_ = 1;
  int nConci_ = 0;
  std::vector<int> primi_;
  std::vector<int> pile_;  // each pier's base joint
  struct Base {
    double x, y, h;  // a pier's base: its centre and width
  };
  std::vector<Base> basi_;
  double W_ = 0, L_ = 0;
  std::vector<GiuntoLineare> giunti_;
  std::vector<GruppoPassivo> gruppi_;
  std::vector<CaricoConcio> conci_;
  std::vector<double> passiva_, yPassiva_;  // each voussoir's full pressure and its height
  double Wref_ = 1, Lref_ = 1, Qtot_ = 0;
  double Wfisso_ = 0;  // the dead load and passive pressure's part of Wref
};

}  // namespace voro
