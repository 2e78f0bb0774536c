// The line of least eccentricity against an independent check: at the s it
// reports a line must fit, and just below it none may; and the springing
// joint measured on its own face.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/ProgettiCasuali.h"
#include "analysis/ProgettiProva.h"
#include "limite/AnalisiLimite.h"
#include "limite/ProgrammaLineare.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

// Whether a thrust line keeps every joint's thrust point within theta h/2 of
// its centre: the joints' rows alone, in the reaction scaled by the load.
bool LineaEntro(const StaticaGiunti& st, double theta) {
  const double W = st.Wref(), L = st.Lref();
  ProgrammaLineare lp(3);
  for (const GiuntoLineare& g : st.giunti()) {
    for (const double sigma : {1.0, -1.0}) {
      const double k = theta * g.h / 2;
      const double a[3] = {(sigma * g.mH - k * g.nH) * W, (sigma * g.mV - k * g.nV) * W, W * L};
      const double a2[3] = {a[0], a[1], sigma * a[2]};
      lp.Riga(a2, -(sigma * (g.m0 + g.mL) - k * (g.n0 + g.nL)));
    }
  }
  const double box[4][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
  for (const auto& a : box) lp.Riga(a, 1e6);
  return lp.Massimizza({1, 0, 0}, {}).esito == EsitoLP::Ottimo;
}

TEST(LineaMinima, NoLineFitsBelowTheFractionReportedOnChainsOfSegments) {
  prova::OpzioniCasuali o;
  int provati = 0;
  for (std::uint64_t seme = 1; seme <= 240; ++seme) {
    DatiProgetto d = prova::ProgettoCasuale(seme, o);
    if (d.nVori < 2) continue;
    ModelloCaricato c(d);
    const StaticaGiunti st(c.m);
    const auto em = AnalisiLimite(st).LineaMinima(1);
    if (!em || em->spintaIllimitata || em->s < 1e-6) continue;
    ++provati;
    // A dense bisection on the fraction, the line's own feasibility at each step.
    double lo = 0, hi = 2 * em->s;
    ASSERT_TRUE(LineaEntro(st, hi));
    for (int k = 0; k < 60; ++k) {
      const double mid = (lo + hi) / 2;
      (LineaEntro(st, mid) ? hi : lo) = mid;
    }
    EXPECT_NEAR(em->s, hi, 1e-5 * hi) << "seed " << seme;
  }
  EXPECT_GT(provati, 60);
}

TEST(LineaMinima, TheSpringingJointIsAsDeepAsItsOwnFace) {
  // Voussoir 1 as the last of a first segment one voussoir long, before a
  // thinner segment: its right joint, on the bisector of the two extrados,
  // is deeper than its springing face (1.94275 m for a 1.90000 m face).
  ModelloCaricato c(prova::anello(10, 3, 1.9f, 12));
  Concio& v1 = c.m.Conci(1);
  const double faccia = std::hypot(v1.x(4) - v1.x(1), v1.y(4) - v1.y(1));
  v1.hSezioneEff = 1.94275;
  const StaticaGiunti st(c.m);
  EXPECT_NEAR(st.giunti()[0].h, faccia, 1e-12);
  EXPECT_EQ(st.giunti()[1].h, 1.94275);
  // The springing joint's fraction is taken on its own depth.
  const AnalisiLimite al(st);
  const auto em = al.LineaMinima(1);
  ASSERT_TRUE(em);
  const LineaSpinte l = st.Linea(em->reazione);
  EXPECT_LE(std::fabs(l.e[0]), em->s * faccia / 2 * (1 + 1e-9));
}

}  // namespace
}  // namespace voro
