// The line of least eccentricity against an independent check, and the least thickness under the road.
#include <gtest/gtest.h>

#include "analysis/ProgettiCasuali.h"
#include "arch/AnelloScalato.h"
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
      const double a[3] = {(sigma * g.mH - k * g.nH) * W, (sigma * g.mV - k * g.nV) * W, sigma * W * L};
      lp.Riga(a, -(sigma * (g.m0 + g.mL) - k * (g.n0 + g.nL)));
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
  // Voussoir 1 as a first segment before a thinner one: its right joint, on the bisector of the two
  // extrados, is deeper than its springing face (1.94275 m for a 1.90000 m face).
  ModelloCaricato c(prova::anello(10, 3, 1.9f, 12));
  Concio& v1 = c.m.Conci(1);
  const double faccia = std::hypot(v1.x(4) - v1.x(1), v1.y(4) - v1.y(1));
  v1.hSezioneEff = 1.94275;
  const StaticaGiunti st(c.m);
  EXPECT_NEAR(st.giunti()[0].h, faccia, 1e-12);
  EXPECT_EQ(st.giunti()[1].h, 1.94275);
  // The springing joint's fraction is taken on its own depth.
  const auto em = AnalisiLimite(st).LineaMinima(1);
  ASSERT_TRUE(em);
  EXPECT_LE(std::fabs(st.Linea(em->reazione).e[0]), em->s * faccia / 2 * (1 + 1e-9));
}

// The fill's, the slab's and the live load's totals over the voussoirs.
struct Pesi {
  double riempimento = 0, soletta = 0, variabile = 0;
  explicit Pesi(const ModelloArco& m) {
    for (int i = 1; i <= m.nConciTot; ++i) {
      const Concio& c = m.Conci(i);
      riempimento += c.FPermSopraConcio - c.FSoletta, soletta += c.FSoletta, variabile += c.FVariabile;
    }
  }
};

TEST(SpessoreSottoLaStrada, AThinnerRingKeepsTheRoadSlabAndLoadsWhereTheProjectPutsThem) {
  const ModelloCaricato progetto(esempio("ponte-stradale.vro"));
  const DatiProgetto& d = progetto.d;
  const Pesi pieno = Pesi(progetto.m);
  RecordingMessages msg;
  DatiProgetto q = d;
  EXPECT_FLOAT_EQ(ScalaSpessore(d, 0.5, q), d.SpessoreAnello * 0.5f);
  ModelloArco sottile;
  CostruisciConStrada(q, progetto.m, sottile, msg);
  CaricaConci(q, sottile, msg);
  const Pesi ridotto = Pesi(sottile);
  EXPECT_EQ(sottile.yRiempimento, progetto.m.yRiempimento);
  EXPECT_EQ(sottile.ySoletta, progetto.m.ySoletta);
  // The fill reaches down to the lowered extrados: more of it, never less.
  EXPECT_GT(ridotto.riempimento, pieno.riempimento * 1.05);
  // The slab and the load keep their level; only the extrados's plan extent
  // under them narrows with the thinner ring.
  EXPECT_NEAR(ridotto.soletta, pieno.soletta, 0.1 * pieno.soletta);
  EXPECT_NEAR(ridotto.variabile, pieno.variabile, 0.1 * pieno.variabile);
  // Assembling the thinner ring alone lowers the road with the extrados: the
  // fault the search had.
  const ModelloCaricato abbassato(q);
  EXPECT_LT(abbassato.m.yRiempimento, progetto.m.yRiempimento);
  EXPECT_LT(Pesi(abbassato.m).riempimento, pieno.riempimento);
  // A thicker ring lifts the road only where it would pierce it.
  ScalaSpessore(d, 20, q);
  ModelloArco spesso;
  CostruisciConStrada(q, progetto.m, spesso, msg);
  EXPECT_GE(spesso.yRiempimento, spesso.yEstradossoMax);
  EXPECT_FLOAT_EQ(spesso.ySoletta - spesso.yRiempimento, progetto.m.ySoletta - progetto.m.yRiempimento);
  // A bridge's rings thin together, every span's, and the thinnest of them is the figure.
  DatiProgetto ponte = d;
  ponte.Campate.resize(2);
  ponte.Campate[0].SpessoreAnello = 0.4f, ponte.Campate[1].SpessoreAnello = 0.8f;
  q = ponte;
  EXPECT_FLOAT_EQ(ScalaSpessore(ponte, 0.5, q), 0.2f);
  EXPECT_FLOAT_EQ(q.Campate[1].SpessoreAnello, 0.4f);
}

// At the least thickness found the ring holds a thrust line under the
// project's own road: its figure, checked by a model built by hand.
TEST(SpessoreSottoLaStrada, TheLeastThicknessHoldsUnderTheProjectsRoad) {
  const Valutato v(esempio("ponte-stradale.vro"), 0, true);
  ASSERT_TRUE(v.r.fattoreMinimo);
  for (const double f : {*v.r.fattoreMinimo * 1.001, *v.r.fattoreMinimo * 0.999}) {
    DatiProgetto q = v.d;
    ScalaSpessore(v.d, f, q);
    ModelloArco prova;
    RecordingMessages msg;
    CostruisciConStrada(q, v.m, prova, msg);
    CaricaConci(q, prova, msg);
    RisultatiSicurezza rp;
    ValutaSicurezza(q, prova, msg, Opzioni(0, false), rp);
    EXPECT_EQ(rp.ammissibile, f > *v.r.fattoreMinimo) << f;
  }
}

}  // namespace
}  // namespace voro
