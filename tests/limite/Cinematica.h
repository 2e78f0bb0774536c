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

// The velocities (u, v, w) of the three rigid blocks of a four-hinge
// mechanism, the outer ones turning about the hinges at the supports' side:
// the velocity of a point (x, y) of a block is (u - w y, v + w x), wA = 1.
// The hinges lie on the faces of rigid voussoirs, or as far inside them as
// rientri says (the depth of a stress block of finite strength).
inline std::array<double, 9> VelocitaBlocchi(const ModelloArco& m, const std::vector<Cerniera>& cerniere,
                                             const std::array<double, 4>& rientri = {}) {
  EXPECT_EQ(cerniere.size(), 4u);
  std::array<double, 4> X{}, Y{};
  for (std::size_t k = 0; k < 4; ++k) {
    const int j = cerniere[k].giunto;
    const double lato = cerniere[k].faccia == Faccia::Estradosso ? 0.5 : -0.5;
    if (j == 1) {
      const Concio& c = m.Conci(1);
      const double h = std::hypot(c.x(4) - c.x(1), c.y(4) - c.y(1));
      const double f = lato * (1 - 2 * rientri[k] / h);
      X[k] = (c.x(1) + c.x(4)) / 2 + f * (c.x(4) - c.x(1));
      Y[k] = (c.y(1) + c.y(4)) / 2 + f * (c.y(4) - c.y(1));
    } else {
      const Concio& c = m.Conci(j - 1);
      const double braccio = lato * (c.hSezioneEff - 2 * rientri[k]);
      X[k] = c.xMedio - braccio * c.SinAlfa;
      Y[k] = c.yMedio + braccio * c.CosAlfa;
    }
  }
  // Unknowns (uA, vA, wA, uB, vB, wB, uC, vC, wC).
  double A[9][10] = {};
  int r = 0;
  auto vincolo = [&](int blocco, int altro, double x, double y) {
    for (int comp = 0; comp < 2; ++comp) {
      double* riga = A[r++];
      const int b = 3 * blocco;
      riga[b + comp] = 1;
      riga[b + 2] = comp == 0 ? -y : x;
      if (altro >= 0) {
        const int o = 3 * altro;
        riga[o + comp] = -1;
        riga[o + 2] = comp == 0 ? y : -x;
      }
    }
  };
  vincolo(0, -1, X[0], Y[0]);
  vincolo(0, 1, X[1], Y[1]);
  vincolo(1, 2, X[2], Y[2]);
  vincolo(2, -1, X[3], Y[3]);
  A[8][2] = 1;
  A[8][9] = 1;
  for (int c = 0; c < 9; ++c) {
    int p = c;
    for (int i = c + 1; i < 9; ++i)
      if (std::fabs(A[i][c]) > std::fabs(A[p][c])) p = i;
    std::swap(A[p], A[c]);
    for (int i = 0; i < 9; ++i) {
      if (i == c) continue;
      const double f = A[i][c] / A[c][c];
      for (int k = c; k < 10; ++k) A[i][k] -= f * A[c][k];
    }
  }
  std::array<double, 9> v{};
  for (int i = 0; i < 9; ++i) v[static_cast<std::size_t>(i)] = A[i][9] / A[i][i];
  return v;
}

// The kinematic multiplier of a four-hinge mechanism by virtual work: the
// work of the dead load, the passive pressure (as given, or as mobilised
// voussoir by voussoir) and the variable load.
inline double MoltiplicatoreCinematico(const ModelloArco& m, const std::vector<Cerniera>& cerniere,
                                       const std::vector<double>& passiva = {}, const std::array<double, 4>& rientri = {}) {
  const std::array<double, 9> v = VelocitaBlocchi(m, cerniere, rientri);
  double lavoroFisso = 0, lavoroVariabile = 0;
  for (int b = 0; b < 3; ++b) {
    const auto k = static_cast<std::size_t>(3 * b);
    const double u = v[k], vv = v[k + 1], w = v[k + 2];
    for (int i = cerniere[static_cast<std::size_t>(b)].giunto; i < cerniere[static_cast<std::size_t>(b) + 1].giunto; ++i) {
      const Concio& c = m.Conci(i);
      const double P = passiva.empty() ? c.FOrizzontale : passiva[static_cast<std::size_t>(i - 1)];
      lavoroFisso += -c.FPermanente * (vv + w * c.xFPermanente) + P * (u - w * c.yFOrizzontale);
      lavoroVariabile += -c.FVariabile * (vv + w * c.xFVariabile);
    }
  }
  return -lavoroFisso / lavoroVariabile;
}

}  // namespace voro
