// The least thickness under a road that stays where the project puts it: a
// thinner ring carries a deeper fill, never a lowered road.
#include <gtest/gtest.h>

#include <string>

#include "arch/AnelloScalato.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

struct Pesi {
  double riempimento = 0, soletta = 0, variabile = 0;
};

Pesi pesi(const ModelloArco& m) {
  Pesi p;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    p.riempimento += c.FPermSopraConcio - c.FSoletta;
    p.soletta += c.FSoletta;
    p.variabile += c.FVariabile;
  }
  return p;
}

TEST(SpessoreSottoLaStrada, AThinnerRingKeepsTheRoadSlabAndLoadsWhereTheProjectPutsThem) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  RecordingMessages msg;
  ModelloArco progetto;
  CostruisciModello(d, progetto, msg);
  CaricaConci(d, progetto, msg);
  const Pesi pieno = pesi(progetto);

  DatiProgetto q = d;
  const double t = ScalaSpessore(d, 0.5, q);
  EXPECT_FLOAT_EQ(t, d.SpessoreAnello * 0.5f);
  ModelloArco sottile;
  CostruisciConStrada(q, progetto, sottile, msg);
  CaricaConci(q, sottile, msg);
  const Pesi ridotto = pesi(sottile);
  EXPECT_EQ(sottile.yRiempimento, progetto.yRiempimento);
  EXPECT_EQ(sottile.ySoletta, progetto.ySoletta);
  // The fill reaches down to the lowered extrados: more of it, never less.
  EXPECT_GT(ridotto.riempimento, pieno.riempimento * 1.05);
  // The slab and the load keep their level; only the extrados's plan extent
  // under them narrows with the thinner ring.
  EXPECT_NEAR(ridotto.soletta, pieno.soletta, 0.1 * pieno.soletta);
  EXPECT_NEAR(ridotto.variabile, pieno.variabile, 0.1 * pieno.variabile);

  // Assembling the thinner ring alone lowers the road with the extrados: the
  // fault the search had.
  ModelloArco abbassato;
  CostruisciModello(q, abbassato, msg);
  CaricaConci(q, abbassato, msg);
  EXPECT_LT(abbassato.yRiempimento, progetto.yRiempimento);
  EXPECT_LT(pesi(abbassato).riempimento, pieno.riempimento);
}

TEST(SpessoreSottoLaStrada, AThickerRingLiftsTheRoadOnlyWhereItWouldPierceIt) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  RecordingMessages msg;
  ModelloArco progetto;
  CostruisciModello(d, progetto, msg);
  DatiProgetto q = d;
  ScalaSpessore(d, 20, q);
  ModelloArco spesso;
  CostruisciConStrada(q, progetto, spesso, msg);
  EXPECT_GE(spesso.yRiempimento, spesso.yEstradossoMax);
  EXPECT_FLOAT_EQ(spesso.ySoletta - spesso.yRiempimento, progetto.ySoletta - progetto.yRiempimento);
}

// At the least thickness found the ring holds a thrust line under the
// project's own road: its figure, checked by a model built by hand.
TEST(SpessoreSottoLaStrada, TheLeastThicknessHoldsUnderTheProjectsRoad) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  RecordingMessages msg;
  ModelloArco m;
  CostruisciModello(d, m, msg);
  OpzioniSicurezza o;
  o.nPosizioni = 0;
  RisultatiSicurezza r;
  ASSERT_TRUE(ValutaSicurezza(d, m, msg, o, r));
  ASSERT_TRUE(r.fattoreMinimo);
  for (const double f : {*r.fattoreMinimo * 1.001, *r.fattoreMinimo * 0.999}) {
    DatiProgetto q = d;
    ScalaSpessore(d, f, q);
    ModelloArco prova;
    CostruisciConStrada(q, m, prova, msg);
    CaricaConci(q, prova, msg);
    OpzioniSicurezza solo;
    solo.nPosizioni = 0;
    solo.spessoreMinimo = false;
    RisultatiSicurezza rp;
    ValutaSicurezza(q, prova, msg, solo, rp);
    EXPECT_EQ(rp.ammissibile, f > *r.fattoreMinimo) << f;
  }
}

}  // namespace
}  // namespace voro
