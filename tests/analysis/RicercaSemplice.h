// The hinge search as the plain scan of the plain procedures: every grid
// point in grid order through hinge placement, reactions, thrust line and
// merit on the calculation's own state. The fast search must match it.
#pragma once

#include <optional>

#include "ProgettiProva.h"

namespace voro::prova {

// What one plain pass met, for the coverage of the tests.
struct PassoSemplice {
  int guasti = 0;            // grid points with an arithmetic fault
  bool ammissibili = false;  // a point with a merit >= 0
};

// The scan's choice, point after point: any admissible merit beats every
// inadmissible one; among admissible ones the least stress or the largest
// distance, the later point on a tie; among inadmissible ones the least
// negative, the earlier point on a tie; the first point only sets the best.
struct SceltaSemplice {
  bool massimo;
  bool primo = true;
  Single migliore = 0;
  // Whether the scan takes a point of merit F.
  bool prende(Single F) {
    if (primo) migliore = F, primo = false;
    if (F >= 0 && migliore < 0) migliore = F;
    const bool presa = F >= 0 ? (massimo ? F >= migliore : F <= migliore) : F > migliore;
    if (presa) migliore = F;
    return presa;
  }
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
  SceltaSemplice scelta{massimo};
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
        esito.ammissibili = esito.ammissibili || *merito >= 0;
        if (scelta.prende(*merito)) b1 = e1, b2 = e2, b3 = e3;
      }
    }
  }
  return esito;
}

// The coarse grid of a project's search as the search lays it, the number of
// divisions mended on the project as the search mends it.
struct Griglia {
  Integer n = 0, half = 0;
  Single s1 = 0, s2 = 0, s3 = 0, p1 = 0, p2 = 0, p3 = 0;
  Single precisione = 0;  // the fine step
};

inline Griglia grigliaGrossa(Caso& caso, double ampiezza) {
  Griglia g;
  const ModelloArco& m = caso.modello;
  g.precisione = PassiRicerca(caso.dati.nDivisioni, m.hSinistra, m.hChiave, m.hDestra, ampiezza, g.n, g.s1, g.s2,
                              g.s3, g.p1, g.p2, g.p3, g.half);
  return g;
}

// The whole two-pass search with the plain procedures, on loaded voussoirs;
// the passes' records in passi when given.
inline void ricercaSemplice(Caso& caso, double& e1, double& e2, double& e3, PassoSemplice* passi = nullptr,
                            double* ampiezza = nullptr) {
  Calcolo c = caso.calcolo();
  const double t = c.AmpiezzaExtra();
  if (ampiezza) *ampiezza = t;
  const Griglia g = grigliaGrossa(caso, t);
  const bool massimo = caso.dati.OttimizzaEccentricita;
  const PassoSemplice grosso = grigliaSemplice(c, massimo, g.s1, g.s2, g.s3, g.p1, g.p2, g.p3, g.n, e1, e2, e3);
  const Single a1 = toSingle(e1 - g.p1), a2 = toSingle(e2 - g.p2), a3 = toSingle(e3 - g.p3);
  const PassoSemplice fine =
      grigliaSemplice(c, massimo, a1, a2, a3, g.p1 / g.half, g.p2 / g.half, g.p3 / g.half, g.n, e1, e2, e3);
  if (passi) passi[0] = grosso, passi[1] = fine;
}

// Lays the joint of voussoir `guasto` along the force that crosses it with
// the hinges at (e1, e2, e3): that grid point alone meets a zero axial force.
inline void piantaGuasto(Caso& caso, double e1, double e2, double e3, int guasto) {
  Calcolo c = caso.calcolo();
  c.PosizionaCerniere(e1, e2, e3);
  double V = 0, H = 0;
  c.ReazioniCerniere(V, H);
  for (int v = 1; v <= guasto; ++v) V -= caso.modello.Conci(v).Ftot, H += caso.modello.Conci(v).FOrizzontale;
  caso.modello.Conci(guasto).SinAlfa = H;
  caso.modello.Conci(guasto).CosAlfa = -V;
}

}  // namespace voro::prova
