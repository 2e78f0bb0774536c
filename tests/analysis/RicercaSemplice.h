// The hinge search as the plain scan of the plain procedures: every grid
// point in grid order through hinge placement, reactions, thrust line and
// merit on the calculation's own state. The fast search must match it.
#pragma once

#include <optional>

#include "ProgettiProva.h"

namespace voro::prova {

// What one plain pass met, for the coverage of the tests.
struct PassoSemplice {
  int guasti = 0;          // grid points with an arithmetic fault
  bool ammissibili = false;  // a point with a merit >= 0
  bool presa = false;        // the pass took a point (else the previous one stays)
};

// The merit of one grid point by the plain procedures; none on an arithmetic fault.
inline std::optional<Single> meritoSemplice(Calcolo& c, double e1, double e2, double e3) {
  try {
    c.PosizionaCerniere(e1, e2, e3);
    double V = 0, H = 0;
    c.ReazioniCerniere(V, H);
    c.Funicolare(V, H);
    Single F = 0;
    Integer j = 0;
    c.ValutaCurva(e1, F, j);
    return F;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

// One pass of the grid evaluated point by point with the plain procedures.
inline PassoSemplice grigliaSemplice(Calcolo& c, bool massimo, Single a1, Single a2, Single a3, Single p1, Single p2,
                                     Single p3, Integer n, double& b1, double& b2, double& b3) {
  PassoSemplice esito;
  bool first = true;
  Single best = 0;
  double e1 = a1;
  for (int i = 1; i <= n; ++i, e1 = e1 + p1) {
    double e2 = a2;
    for (int j = 1; j <= n; ++j, e2 = e2 + p2) {
      double e3 = a3;
      for (int k = 1; k <= n; ++k, e3 = e3 + p3) {
        const std::optional<Single> merito = meritoSemplice(c, e1, e2, e3);
        if (!merito) {
          ++esito.guasti;
          continue;  // a thrust line with an arithmetic fault is no candidate
        }
        const Single val = *merito;
        if (first) best = val, first = false;
        bool take;
        if (val >= 0) {
          esito.ammissibili = true;
          if (best < 0) best = val;
          take = massimo ? val >= best : val <= best;
        } else {
          take = val > best;
        }
        if (take) best = val, b1 = e1, b2 = e2, b3 = e3, esito.presa = true;
      }
    }
  }
  return esito;
}

// The whole two-pass search with the plain procedures, on loaded voussoirs;
// the passes' records in passi when given.
inline void ricercaSemplice(Caso& caso, double& e1, double& e2, double& e3, PassoSemplice* passi = nullptr,
                            double* ampiezza = nullptr) {
  Calcolo c = caso.calcolo();
  const double t = c.AmpiezzaExtra();
  if (ampiezza) *ampiezza = t;
  Integer n = 0, half = 0;
  Single s1 = 0, s2 = 0, s3 = 0, p1 = 0, p2 = 0, p3 = 0;
  const auto& m = caso.modello;
  PassiRicerca(caso.dati.nDivisioni, m.hSinistra, m.hChiave, m.hDestra, t, n, s1, s2, s3, p1, p2, p3, half);
  const bool massimo = caso.dati.OttimizzaEccentricita;
  const PassoSemplice grosso = grigliaSemplice(c, massimo, s1, s2, s3, p1, p2, p3, n, e1, e2, e3);
  const Single a1 = toSingle(e1 - p1), a2 = toSingle(e2 - p2), a3 = toSingle(e3 - p3);
  const PassoSemplice fine = grigliaSemplice(c, massimo, a1, a2, a3, p1 / half, p2 / half, p3 / half, n, e1, e2, e3);
  if (passi) passi[0] = grosso, passi[1] = fine;
}

}  // namespace voro::prova
