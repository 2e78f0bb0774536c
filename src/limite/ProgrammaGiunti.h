// The rows of the thrust-line programs: each joint's moment against its
// capacities, its normal force and its friction, in the scaled unknowns of
// the reaction, the multiplier or the excess, and the soil's shares; with
// what each row bounds, so that a basis reads as hinges.
#pragma once

#include <cmath>
#include <vector>

#include "limite/AnalisiLimite.h"
#include "limite/DominioResistenza.h"
#include "limite/ProgrammaLineare.h"

namespace voro {


// What a row of a program bounds: a joint's moment on one side with one of
// its capacities, its normal force, its sliding, or anything else.
enum class TipoRiga { Momento, Compressione, Attrito, Altro };
struct InfoRiga {
  TipoRiga tipo = TipoRiga::Altro;
  int giunto = -1;
  double sigma = 0;
  Retta retta;
};

// One program in the scaled unknowns (H', V', M1'[, λ' or z], phi...):
// nBase unknowns of the reaction, then the groups' shares. With
// lambdaIncognita the variable load's multiplier is the fourth unknown;
// otherwise it is lambda, and a nonzero weight makes the fourth the excess z.
struct Programma {
  const StaticaGiunti& st;
  double W, L, Q;
  int nBase;
  bool lambdaIncognita;
  double lambda;
  int G;
  ProgrammaLineare lp;
  std::vector<InfoRiga> info;

  Programma(const StaticaGiunti& s, int base, bool incognita, double l, SceltaSolutori solutori)
      : st(s), W(s.Wref()), L(s.Lref()), Q(s.Qtot()), nBase(base), lambdaIncognita(incognita), lambda(l),
        G(static_cast<int>(s.gruppi().size())),
        lp(base + static_cast<int>(s.gruppi().size()) + 3 * (s.nCampate() - 1)) {
    lp.Solutori(solutori);
  }

  // The column of span k's springing H (V and M1 follow) in a program of
  // nBase unknowns before G groups' shares: the first span's first, every
  // further span's after the shares.
  static int Colonna(int nBase, int G, int k) { return k == 0 ? 0 : nBase + G + 3 * (k - 1); }
  int colonna(int k) const { return Colonna(nBase, G, k); }

  int riga(const VettoreLP& a, double b, InfoRiga i = {}) {
    info.push_back(i);
    return lp.Riga(a.data(), b);
  }

  // cM M + cN N + cT T + k0 - z peso <= 0 on joint g, in moments over W L.
  int forma(const GiuntoLineare& g, double cM, double cN, double cT, double k0, double peso, InfoRiga i) {
    double cH = cM * g.mH + cN * g.nH;
    double cV = cM * g.mV + cN * g.nV;
    double cL = cM * g.mL + cN * g.nL;
    double c0 = cM * g.m0 + cN * g.n0;
    if (cT != 0) {
      cH += cT * g.tH, cV += cT * g.tV, cL += cT * g.tL, c0 += cT * g.t0;
    }
    if (k0 != 0) c0 += k0;
    VettoreLP a{};
    const auto c = static_cast<std::size_t>(colonna(g.campata));
    a[c] = cH / L;
    a[c + 1] = cV / L;
    a[c + 2] = cM;
    if (g.campata2 >= 0) {
      // A pier's base also carries the next span's springing.
      const auto c2 = static_cast<std::size_t>(colonna(g.campata2));
      a[c2] = (cM * g.mH2 + cN * g.nH2 + cT * g.tH2) / L;
      a[c2 + 1] = (cM * g.mV2 + cN * g.nV2 + cT * g.tV2) / L;
      a[c2 + 2] = cM * g.mM2;
    }
    if (lambdaIncognita) a[3] = Q > 0 ? cL / (Q * L) : 0;
    else c0 += cL * lambda;
    if (peso != 0) a[3] = -peso / (W * L);
    for (int k = 0; k < G; ++k) {
      const auto q = static_cast<std::size_t>(k);
      a[static_cast<std::size_t>(nBase + k)] = (cM * g.mP[q] + cN * g.nP[q] + cT * g.tP[q]) / (W * L);
    }
    return riga(a, -c0 / (W * L), i);
  }

  // sigma M - s (alfa N + beta) - z peso <= 0: sigma = +1 bounds the extrados
  // side, -1 the intrados side.
  void momento(int j, double sigma, double s, const Retta& r, double peso = 0) {
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(j)];
    const double k = s * r.alfa;
    forma(g, sigma, -k, 0, r.beta != 0 ? -s * r.beta : 0, peso, {TipoRiga::Momento, j, sigma, r});
  }

  // Every joint's moment rows at the fraction s, then its friction rows.
  void giunti(const Dominio& D, double s, const IpotesiMuratura& ip, bool conPeso) {
    const auto& gg = st.giunti();
    std::size_t righe = 0;
    for (const auto& rette : D) righe += 2 * rette.size() + 4;
    lp.Riserva(lp.nRighe() + static_cast<int>(righe) + 2 * G + 8);
    info.reserve(info.size() + righe + 2 * static_cast<std::size_t>(G) + 8);
    for (std::size_t j = 0; j < gg.size(); ++j) {
      const double peso = conPeso ? gg[j].h / 2 * W : 0;
      for (const Retta& r : D[j]) {
        momento(static_cast<int>(j), 1, s, r, peso);
        momento(static_cast<int>(j), -1, s, r, peso);
      }
      if (conPeso) compressione(static_cast<int>(j));
      if (conPeso && fcbGiunto(ip, j) > 0) {
        // The crushing force fc b h, which the chords bound only where s > 0.
        forma(gg[j], 0, gg[j].h / 2, 0, -gg[j].h / 2 * fcbGiunto(ip, j) * gg[j].h, peso, {});
      }
      attrito(static_cast<int>(j), ip, peso);
    }
  }

  // -N <= 0 on joint j (only the trials of the fraction need it: elsewhere
  // the moment rows keep every joint in compression).
  void compressione(int j) {
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(j)];
    const double k = g.h / 2 / (W * L);
    VettoreLP a{};
    const auto c = static_cast<std::size_t>(colonna(g.campata));
    a[c] = -k * g.nH * W;
    a[c + 1] = -k * g.nV * W;
    if (g.campata2 >= 0) {
      const auto c2 = static_cast<std::size_t>(colonna(g.campata2));
      a[c2] = -k * g.nH2 * W;
      a[c2 + 1] = -k * g.nV2 * W;
    }
    for (int q = 0; q < G; ++q) a[static_cast<std::size_t>(nBase + q)] = -k * g.nP[static_cast<std::size_t>(q)];
    riga(a, k * (g.nL * lambda + g.n0), {TipoRiga::Compressione, j, 0, {}});
  }

  // |T| <= mu N on joint j, as moments of arm h/2.
  void attrito(int j, const IpotesiMuratura& ip, double peso) {
    if (!ip.attrito) return;
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(j)];
    for (const double sigma : {1.0, -1.0})
      forma(g, 0, -*ip.attrito * g.h / 2, sigma * g.h / 2, 0, peso, {TipoRiga::Attrito, j, sigma, {}});
  }

  void scatola() {
    for (int c = 0; c < st.nCampate(); ++c)
      for (int k = 0; k < 4; ++k) {
        VettoreLP a{};
        a[static_cast<std::size_t>(colonna(c) + k / 2)] = k % 2 == 0 ? 1 : -1;
        riga(a, kScatola);
      }
  }

  // 0 <= phi <= the group's largest share.
  void quote() {
    for (int k = 0; k < G; ++k) {
      VettoreLP a{};
      a[static_cast<std::size_t>(nBase + k)] = 1;
      riga(a, st.gruppi()[static_cast<std::size_t>(k)].massimo);
      a[static_cast<std::size_t>(nBase + k)] = -1;
      riga(a, 0);
    }
  }

  VettoreLP scala(const Reazione& r, bool conLambda) const {
    VettoreLP x{};
    x[0] = r.H / W;
    x[1] = r.V / W;
    x[2] = r.M1 / (W * L);
    if (conLambda) x[3] = Q > 0 ? r.lambda * Q / W : 0;
    for (int k = 0; k < G && static_cast<std::size_t>(k) < r.quote.size(); ++k)
      x[static_cast<std::size_t>(nBase + k)] = r.quote[static_cast<std::size_t>(k)];
    for (int k = 1; k < st.nCampate(); ++k) {
      const Appoggio a = r.campata(k);
      const auto c = static_cast<std::size_t>(colonna(k));
      x[c] = a.H / W;
      x[c + 1] = a.V / W;
      x[c + 2] = a.M1 / (W * L);
    }
    return x;
  }

  Reazione reazione(const VettoreLP& x, double l) const {
    Reazione r{x[0] * W, x[1] * W, x[2] * W * L, l, {}, {}};
    for (int k = 0; k < G; ++k) r.quote.push_back(x[static_cast<std::size_t>(nBase + k)]);
    for (int k = 1; k < st.nCampate(); ++k) {
      const auto c = static_cast<std::size_t>(colonna(k));
      r.altre.push_back({x[c] * W, x[c + 1] * W, x[c + 2] * W * L});
    }
    return r;
  }
};

}  // namespace voro
