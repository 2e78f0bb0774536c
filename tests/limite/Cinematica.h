// Virtual work of the mechanisms the exact analysis returns: rigid bodies between the hinges, the ground still.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "limite/RisultatiSicurezza.h"
#include "limite/StaticaGiunti.h"

namespace voro {

// How a mechanism moves: each block's velocity (u, v, w), a point (x, y) moving at (u - w y, v + w x), and how
// fast each hinge turns, the fastest at 1; the load factor its virtual work gives, NaN (and no motion) where the
// hinges leave not one degree of freedom or the live load does no work.
struct Moto {
  std::vector<std::array<double, 3>> blocchi;  // as StaticaGiunti::conci(), the ground's zero
  std::vector<double> rotazioni;               // as the hinges
  double fattore = std::nan("");
};

// Bodies of the blocks of st joined by the joints that do not give way; each hinge a point its two bodies share,
// rientri[k] inside its face (a stress block's depth); a sliding joint neither turns nor opens. The soil's
// pressure as st carries it or, given passiva, as mobilised voussoir by voussoir.
inline Moto Cinematismo(const StaticaGiunti& st, const std::vector<Cerniera>& meccanismo,
                                       const std::vector<double>& passiva = {}, const std::vector<double>& rientri = {}) {
  using std::size_t;
  const auto& conci = st.conci();
  const auto& giunti = st.giunti();
  const size_t nb = conci.size(), ng = giunti.size();
  // Which block passes each joint on (its left or upper side), which takes it; nb is the ground.
  std::vector<size_t> passa(ng, nb), prende(ng, nb), capo(nb + 1);
  for (size_t b = 0; b < nb; ++b) {
    prende[static_cast<size_t>(conci[b].riceve)] = passa[static_cast<size_t>(conci[b].passa)] = b;
    if (conci[b].passa2 >= 0) passa[static_cast<size_t>(conci[b].passa2)] = b;
  }
  std::iota(capo.begin(), capo.end(), size_t{0});
  auto trova = [&](size_t b) {
    while (capo[b] != b) b = capo[b] = capo[capo[b]];
    return b;
  };
  std::vector<char> cerniera(ng, 0);
  for (const Cerniera& c : meccanismo) cerniera[static_cast<size_t>(c.giunto - 1)] = 1;
  for (size_t j = 0; j < ng; ++j)
    if (!cerniera[j]) capo[trova(passa[j])] = trova(prende[j]);
  std::vector<int> corpo(nb + 1, -1);
  int nc = 0;
  for (size_t b = 0; b < nb; ++b)
    if (trova(b) != trova(nb) && corpo[trova(b)] < 0) corpo[trova(b)] = nc++;
  auto indice = [&](size_t b) { return corpo[trova(b)]; };
  // Rows of the constraints on each body's (u, v, w).
  const size_t n = 3 * static_cast<size_t>(nc);
  std::vector<std::vector<double>> A;
  auto riga = [&](int a, int b, const std::array<double, 3>& k) {
    std::vector<double> r(n, 0);
    for (size_t i = 0; i < 3; ++i) {
      if (a >= 0) r[3 * static_cast<size_t>(a) + i] += k[i];
      if (b >= 0) r[3 * static_cast<size_t>(b) + i] -= k[i];
    }
    A.push_back(r);
  };
  for (size_t k = 0; k < meccanismo.size(); ++k) {
    const Cerniera& c = meccanismo[k];
    const auto j = static_cast<size_t>(c.giunto - 1);
    const GiuntoLineare& g = giunti[j];
    const int a = indice(passa[j]), b = indice(prende[j]);
    const double braccio = (c.faccia == Faccia::Estradosso ? 0.5 : -0.5) * (g.h - 2 * (rientri.empty() ? 0 : rientri[k]));
    const double x = g.xM + braccio * g.ux, y = g.yM + braccio * g.uy;
    // A sliding joint neither turns apart nor opens across (its normal (uy, -ux)).
    const bool scorre = c.tipo == TipoCerniera::Scorrimento;
    riga(a, b, scorre ? std::array<double, 3>{0, 0, 1} : std::array<double, 3>{1, 0, -y});
    riga(a, b, scorre ? std::array<double, 3>{g.uy, -g.ux, -g.uy * g.yM - g.ux * g.xM} : std::array<double, 3>{0, 1, x});
  }
  // The null space by Gauss-Jordan with full pivoting: one free unknown.
  const size_t m = A.size();
  std::vector<size_t> colonna(n);
  std::iota(colonna.begin(), colonna.end(), size_t{0});
  size_t rango = 0;
  for (; rango < std::min(m, n); ++rango) {
    size_t pr = m, pc = n;
    double mx = 1e-10;
    for (size_t i = rango; i < m; ++i)
      for (size_t k = rango; k < n; ++k)
        if (std::fabs(A[i][k]) > mx) mx = std::fabs(A[i][k]), pr = i, pc = k;
    if (pr == m) break;
    std::swap(A[rango], A[pr]);
    for (auto& r : A) std::swap(r[rango], r[pc]);
    std::swap(colonna[rango], colonna[pc]);
    auto& p = A[rango];
    const double piv = p[rango];
    for (double& v : p) v /= piv;
    for (size_t i = 0; i < m; ++i) {
      const double f = A[i][rango];
      if (i == rango || f == 0) continue;
      for (size_t k = 0; k < n; ++k) A[i][k] -= f * p[k];
    }
  }
  Moto moto{std::vector<std::array<double, 3>>(nb), std::vector<double>(meccanismo.size())};
  if (n - rango != 1) return moto;
  std::vector<double> z(n, 0);
  z[colonna[rango]] = 1;
  for (size_t i = 0; i < rango; ++i) z[colonna[i]] = -A[i][rango];
  for (size_t b = 0; b < nb; ++b)
    if (const int k = indice(b); k >= 0) moto.blocchi[b] = {z[3 * k], z[3 * k + 1], z[3 * k + 2]};
  auto w = [&](size_t b) { return b < nb ? moto.blocchi[b][2] : 0.0; };
  for (size_t k = 0; k < meccanismo.size(); ++k) {
    const auto j = static_cast<size_t>(meccanismo[k].giunto - 1);
    moto.rotazioni[k] = std::fabs(w(passa[j]) - w(prende[j]));
  }
  if (const double piu = *std::max_element(moto.rotazioni.begin(), moto.rotazioni.end()); piu > 0) {
    for (double& r : moto.rotazioni) r /= piu;
    for (auto& v : moto.blocchi)
      for (double& x : v) x /= piu;
  }
  // The loads' work: a load P down at x with moment Px, F along +x with Fy.
  double lavoroP = 0, lavoroQ = 0;
  for (size_t b = 0; b < nb; ++b) {
    const auto [u, v, wb] = moto.blocchi[b];
    const CaricoConcio& c = conci[b];
    const double F = b < passiva.size() ? passiva[b] : c.F, Fy = c.F != 0 ? c.Fy * F / c.F : 0;
    lavoroP += -(c.P * v + c.Px * wb) + F * u - Fy * wb;
    lavoroQ += -(c.Q * v + c.Qx * wb);
  }
  if (lavoroQ != 0) moto.fattore = -lavoroP / lavoroQ;
  return moto;
}

}  // namespace voro
