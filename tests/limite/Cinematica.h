// Virtual work of the four-hinge mechanisms the exact analysis returns.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "arch/ModelloArco.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// The velocities (u, v, w) of the three blocks of a four-hinge mechanism, a point (x, y) moving at
// (u - w y, v + w x), wA = 1; the hinges on the faces, or rientri inside them (a stress block's depth).
inline std::array<double, 9> VelocitaBlocchi(const ModelloArco& m, const std::vector<Cerniera>& cerniere,
                                             const std::array<double, 4>& rientri = {}) {
  EXPECT_EQ(cerniere.size(), 4u);
  // (uA, vA, wA, uB, ..., wC): each hinge a point its two blocks (or a block and the ground) share.
  double A[9][10] = {};
  for (std::size_t k = 0; k < 4; ++k) {
    const int j = cerniere[k].giunto;
    const double lato = cerniere[k].faccia == Faccia::Estradosso ? 0.5 : -0.5;
    double X, Y;
    if (j == 1) {
      const Concio& c = m.Conci(1);
      const double f = lato * (1 - 2 * rientri[k] / std::hypot(c.x(4) - c.x(1), c.y(4) - c.y(1)));
      X = (c.x(1) + c.x(4)) / 2 + f * (c.x(4) - c.x(1)), Y = (c.y(1) + c.y(4)) / 2 + f * (c.y(4) - c.y(1));
    } else {
      const Concio& c = m.Conci(j - 1);
      const double braccio = lato * (c.hSezioneEff - 2 * rientri[k]);
      X = c.xMedio - braccio * c.SinAlfa, Y = c.yMedio + braccio * c.CosAlfa;
    }
    for (std::size_t comp = 0; comp < 2; ++comp) {
      double* riga = A[2 * k + comp];
      if (k < 3) riga[3 * k + comp] = 1, riga[3 * k + 2] = comp == 0 ? -Y : X;
      if (k > 0) riga[3 * k - 3 + comp] = -1, riga[3 * k - 1] = comp == 0 ? Y : -X;
    }
  }
  A[8][2] = A[8][9] = 1;
  for (int c = 0; c < 9; ++c) {
    int p = c;
    for (int i = c + 1; i < 9; ++i)
      if (std::fabs(A[i][c]) > std::fabs(A[p][c])) p = i;
    std::swap(A[p], A[c]);
    for (int i = 0; i < 9; ++i)
      for (int k = 9; k >= c && i != c; --k) A[i][k] -= A[i][c] / A[c][c] * A[c][k];
  }
  std::array<double, 9> v{};
  for (int i = 0; i < 9; ++i) v[static_cast<std::size_t>(i)] = A[i][9] / A[i][i];
  return v;
}

// The kinematic multiplier of a four-hinge mechanism by virtual work: the work of the dead load, the
// passive pressure (as given, or as mobilised voussoir by voussoir) and the variable load.
inline double MoltiplicatoreCinematico(const ModelloArco& m, const std::vector<Cerniera>& cerniere,
                                       const std::vector<double>& passiva = {}, const std::array<double, 4>& rientri = {}) {
  const std::array<double, 9> v = VelocitaBlocchi(m, cerniere, rientri);
  double lavoroFisso = 0, lavoroVariabile = 0;
  for (std::size_t b = 0; b < 3; ++b) {
    const double u = v[3 * b], vv = v[3 * b + 1], w = v[3 * b + 2];
    for (int i = cerniere[b].giunto; i < cerniere[b + 1].giunto; ++i) {
      const Concio& c = m.Conci(i);
      const double P = passiva.empty() ? c.FOrizzontale : passiva[static_cast<std::size_t>(i - 1)];
      lavoroFisso += -c.FPermanente * (vv + w * c.xFPermanente) + P * (u - w * c.yFOrizzontale);
      lavoroVariabile += -c.FVariabile * (vv + w * c.xFVariabile);
    }
  }
  return -lavoroFisso / lavoroVariabile;
}

}  // namespace voro
