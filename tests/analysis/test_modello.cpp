// The voussoir, the partial arch and the model assembly.
#include <gtest/gtest.h>

#include <array>

#include "ProgettiProva.h"

namespace voro {
namespace {

using prova::Caso;

// The stresses of a joint of depth h and width b under N at eccentricity e
// (toward the extrados), the width at least bMin.
TEST(Concio, StressesOfTheThreeRegimes) {
  struct Regime {
    double h, b, N, e;
    float bMin;
    double est, inr, perc;
  };
  const Regime casi[] = {
      // Inside the middle third: linear, all compressed.
      {0.6, 1, 120, 0.05, 1e-4f, (6 * 0.05 / 0.6 + 1) * 120 / 0.6, (1 - 6 * 0.05 / 0.6) * 120 / 0.6, 100},
      // At the edge of the middle third both formulas agree: a triangle over the whole joint.
      {0.6, 1, 120, 0.1, 1e-4f, 2 * 120 / 0.6, 0, 100},
      // Beyond it: compressed length 3u, no tension, on the intrados side for e < 0.
      {0.6, 1, 120, -0.2, 1e-4f, 0, 2 * 120 / (3 * 0.1), 50},
      // On the edge: the linear formula with tension, nothing compressed.
      {0.6, 1, 120, 0.3, 1e-4f, 4 * 120 / 0.6, -2 * 120 / 0.6, 0},
      // A width below the minimum is raised to it.
      {0.5, 0, 100, 0, 0.25f, 100 / 0.5 / 0.25, 100 / 0.5 / 0.25, 100}};
  for (const Regime& k : casi) {
    SCOPED_TRACE("e = " + std::to_string(k.e));
    Concio c;
    c.hSezioneEff = k.h, c.bSez = k.b, c.Fassiale = k.N, c.Eccentric = k.e, c.Ftaglio = 10;
    c.SigmaCalcola(k.bMin);
    EXPECT_NEAR(c.sigmaEst, k.est, 1e-9);
    EXPECT_NEAR(c.sigmaInt, k.inr, 1e-9);
    EXPECT_NEAR(c.Perc, k.perc, 1e-9);
    EXPECT_DOUBLE_EQ(c.Tau, 10 / k.h / std::max<double>(k.b, k.bMin));
  }
  Concio nulla;  // a joint of zero depth
  nulla.hSezioneEff = 0, nulla.bSez = 1, nulla.Fassiale = 100, nulla.Eccentric = 0.1;
  EXPECT_EQ(Errore([&] { nulla.SigmaCalcola(0.1f); }).first, err::DivisionByZero);
}

// One voussoir of unit width under fill up to y = 3.
struct UnConcio {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  UnConcio(std::array<double, 4> x, std::array<double, 4> y) {
    d.PesoMuratura = 20, d.PesoRiempimento = 10, d.Larghezza = 1;
    m.nConciTot = 1, m.yRiempimento = m.ySoletta = 3;
    Concio& c = m.ConcioI(1);
    c.iConcioTot = 1, c.bSez = 1;
    for (int i = 1; i <= 4; ++i) c.setX(i, x[static_cast<std::size_t>(i - 1)]), c.setY(i, y[static_cast<std::size_t>(i - 1)]);
  }
  Concio& c() { return m.Conci(1); }
  Concio& carica() {
    c().ForzaConcio(d, m, msg);
    EXPECT_TRUE(msg.empty());
    return c();
  }
};

TEST(Concio, LoadsOfMasonryFillAndVariableLoad) {
  UnConcio u({0, 1, 1, 0}, {0, 0, 1, 1});  // unit square, fill 2 m above
  u.d.qCarico = 5, u.d.xq1 = 0.5f, u.d.xq2 = 4;
  const Concio& c = u.carica();
  EXPECT_DOUBLE_EQ(c.FPermanente, 20 * 1 + 10 * 2);
  EXPECT_DOUBLE_EQ(c.FPermSopraConcio, 20);
  EXPECT_DOUBLE_EQ(c.xFPermanente, 0.5);
  EXPECT_DOUBLE_EQ(c.FVariabile, 5 * 0.5);
  EXPECT_DOUBLE_EQ(c.xFVariabile, 0.75);
  EXPECT_DOUBLE_EQ(c.Ftot, 42.5);
  EXPECT_DOUBLE_EQ(c.xFtot, (0.75 * 2.5 + 0.5 * 40) / 42.5);
  // Outside the load range: no variable load, its abscissa kept.
  u.d.xq1 = 2;
  u.carica();
  EXPECT_EQ(c.FVariabile, 0);
  EXPECT_DOUBLE_EQ(c.xFVariabile, 0.75);
}

TEST(Concio, PassivePressureFollowsTheExtradosSlopeAndSparesAVerticalEdge) {
  UnConcio vert({0, 1, 1, 1}, {0, 0, 1, 2});
  vert.c().FOrizzontale = 99;
  EXPECT_EQ(vert.carica().FOrizzontale, 0);
  vert.d.SpintaPassiva = true, vert.d.Kp = 2, vert.d.nConciSpinta = {1, 1};
  EXPECT_EQ(vert.carica().FOrizzontale, 0);
  EXPECT_DOUBLE_EQ(vert.c().yFOrizzontale, 1.5);
  UnConcio u({0, 1, 1, 0}, {0, 0, 1.5, 1});  // extrados rising 0.5 over 1
  u.d.SpintaPassiva = true, u.d.Kp = 2, u.d.nConciSpinta = {1, 0};
  const Concio& c = u.carica();
  EXPECT_NEAR(c.FOrizzontale, 2 * 0.5 * c.FPermSopraConcio, 1e-12);
}

TEST(Concio, SingleVoussoirCarriesItsHingesOnTheLeftJoint) {
  UnConcio u({0, 1, 1, 0}, {0, 0, 1, 1});
  u.m.iChiave = 1;
  double x = 7, y = 7;
  ASSERT_TRUE(u.c().CoordinateCerniera(0.25, x, y, u.m, u.msg));
  EXPECT_DOUBLE_EQ(x, 0);
  EXPECT_DOUBLE_EQ(y, 0.75);
  u.m.nConciTot = 3;
  u.c().iConcioTot = 2;
  x = y = 7;
  EXPECT_FALSE(u.c().CoordinateCerniera(0.25, x, y, u.m, u.msg));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(u.msg.texts(), std::vector<std::string>{"Cerniera anomala"});
}

TEST(CostruisciModello, SingleRingSplitsWallVoussoirsAtBothEnds) {
  Caso c(prova::ponte());
  const auto& m = c.modello;
  EXPECT_EQ((std::array<int, 5>{m.nConciPareteSinistra, m.nConciPareteDestra, m.nConciTot, m.nGiunti, m.iChiave}),
            (std::array<int, 5>{2, 2, 26, 27, 13}));
  EXPECT_EQ(m.hSinistra, 0.5f);
  // The voussoirs join: each left joint is the previous right joint.
  for (int i = 2; i <= m.nConciTot; ++i) {
    EXPECT_NEAR(m.Conci(i).x(1), m.Conci(i - 1).x(2), 1e-12);
    EXPECT_NEAR(m.Conci(i).y(4), m.Conci(i - 1).y(3), 1e-12);
  }
  EXPECT_NEAR(m.ConciPareteSinistra(2).x(2), m.Conci(1).x(1), 1e-12);
  EXPECT_NEAR(m.Conci(m.nConciTot).x(3), m.ConciPareteDestra(1).x(4), 1e-9);
  EXPECT_FLOAT_EQ(m.yRiempimento, 3.5f + 0.5f);
  EXPECT_FLOAT_EQ(m.ySoletta, 4.2f);
  EXPECT_TRUE(c.messaggi.empty());
  // The crown is the leftmost highest voussoir, of an odd or an even ring.
  EXPECT_EQ(Caso(prova::anello(10, 3, 0.5f, 31)).modello.iChiave, 15);
  Caso even(prova::anello(10, 3, 0.5f, 30));
  EXPECT_EQ(even.modello.iChiave, 15);
  EXPECT_NEAR(even.modello.Conci(15).x(2), 5, 1e-9);
}

TEST(CostruisciModello, ThickerSideOfAJunctionIsMarkedKeepsTheShorterJointAndMeetsOnTheBisector) {
  // The marks, as voussoir * 10 + side, of two segments of the given thicknesses.
  auto marks = [](double s1, double s2) {
    Caso c(prova::dueSegmenti(s1, s2));
    std::vector<int> out;
    for (int i = 1; i <= c.modello.nConciTot; ++i)
      if (c.modello.Conci(i).ConcioTransizione) out.push_back(i * 10 + c.modello.Conci(i).ConcioTransizione);
    return std::make_pair(out, c.modello.Vori(1).nConci);
  };
  EXPECT_TRUE(marks(0.5, 0.5).first.empty());
  auto [first, nA] = marks(0.6, 0.45);
  EXPECT_EQ(first, std::vector<int>{nA * 10 + 1});
  auto [second, nB] = marks(0.45, 0.6);
  EXPECT_EQ(second, std::vector<int>{(nB + 1) * 10 + 2});
  Caso c(prova::dueSegmenti(0.6, 0.45));
  const auto& m = c.modello;
  const Concio& L = m.Conci(m.Vori(1).iConcio1 + m.Vori(1).nConci - 1);
  const Concio& F = m.Conci(m.Vori(2).iConcio1);
  EXPECT_NEAR(L.x(2), F.x(1), 1e-9);
  EXPECT_LE(L.hSezioneEff, L.hSezione + 1e-12);
  EXPECT_NEAR(L.hSezioneEff, std::min(L.hSezione, F.hSezioneSin), 1e-12);
  EXPECT_NEAR(L.hSezioneEff, std::hypot(F.x(4) - F.x(1), F.y(4) - F.y(1)), 1e-9);
}

TEST(CostruisciModello, LuceAnelloSpanAndWidthsVaryToTheCrown) {
  DatiProgetto d = prova::ponte();
  d.LarghezzaChiave = 0.5f;
  Caso c(d);
  const auto& m = c.modello;
  EXPECT_NEAR(m.Conci(m.iChiave).bSez, 0.5, 1e-12);
  for (int i = 2; i <= m.iChiave; ++i) EXPECT_LT(m.Conci(i).bSez, m.Conci(i - 1).bSez);
  const Concio& parete = m.ConciPareteSinistra(1);
  EXPECT_NEAR(parete.bSez, 1.0 + (parete.x(3) - parete.x(4)) * (0.5 - 1.0) / (m.Conci(m.iChiave).x(3) - parete.x(4)),
              1e-9);
}

TEST(CostruisciModello, ReassemblyKeepsOldResultsUntilTheNextCalculation) {
  Caso c(prova::ponte());
  c.risolvi();
  const int joints = c.risultati.SigmaEstGiunti.size();
  const Single v = c.risultati.VSinistra;
  c.dati.nConciAnello = 40;
  CostruisciModello(c.dati, c.modello, c.messaggi);
  EXPECT_EQ(c.risultati.SigmaEstGiunti.size(), joints);
  EXPECT_EQ(c.risultati.VSinistra, v);
  EXPECT_GT(c.modello.nConciTot, 26);
}

}  // namespace
}  // namespace voro
