// The voussoir, the partial arch and the model assembly.
#include <gtest/gtest.h>

#include "ProgettiProva.h"

namespace voro {
namespace {

using prova::Caso;

int numeroErrore(const std::function<void()>& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

Concio giunto(double h, double N, double e) {
  Concio c;
  c.hSezioneEff = h;
  c.bSez = 1;
  c.Fassiale = N;
  c.Eccentric = e;
  c.Ftaglio = 10;
  return c;
}

TEST(Concio, StressesOfTheThreeRegimes) {
  // Inside the middle third: linear, all compressed.
  Concio c = giunto(0.6, 120, 0.05);
  c.SigmaCalcola(0.0001f);
  EXPECT_DOUBLE_EQ(c.sigmaEst, (6 * 0.05 / 0.6 + 1) * 120 / 0.6);
  EXPECT_DOUBLE_EQ(c.sigmaInt, (1 - 6 * 0.05 / 0.6) * 120 / 0.6);
  EXPECT_EQ(c.Perc, 100);
  EXPECT_DOUBLE_EQ(c.Tau, 10 / 0.6);
  // At the edge of the middle third both formulas agree: triangle over the whole joint.
  c = giunto(0.6, 120, 0.1);
  c.SigmaCalcola(0.0001f);
  EXPECT_NEAR(c.sigmaEst, 2 * 120 / 0.6, 1e-9);
  EXPECT_EQ(c.sigmaInt, 0);
  EXPECT_NEAR(c.Perc, 100, 1e-12);
  // Beyond it: compressed length 3u, no tension, on the intrados side for e < 0.
  c = giunto(0.6, 120, -0.2);
  c.SigmaCalcola(0.0001f);
  EXPECT_NEAR(c.sigmaInt, 2 * 120 / (3 * 0.1), 1e-9);
  EXPECT_EQ(c.sigmaEst, 0);
  EXPECT_NEAR(c.Perc, 50, 1e-9);
  // On the edge: linear formula with tension, nothing compressed.
  c = giunto(0.6, 120, 0.3);
  c.SigmaCalcola(0.0001f);
  EXPECT_LT(c.sigmaInt, 0);
  EXPECT_EQ(c.Perc, 0);
  // A width below the minimum is raised to it.
  c = giunto(0.5, 100, 0);
  c.bSez = 0;
  c.SigmaCalcola(0.25f);
  EXPECT_DOUBLE_EQ(c.sigmaEst, 100 / 0.5 / 0.25);
}

TEST(Concio, JointOfZeroDepthIsADivisionError) {
  Concio c = giunto(0, 100, 0.1);
  EXPECT_EQ(numeroErrore([&] { c.SigmaCalcola(0.1f); }), err::DivisionByZero);
}

struct UnConcio {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  UnConcio(std::array<double, 4> x, std::array<double, 4> y) {
    d.PesoMuratura = 20;
    d.PesoRiempimento = 10;
    d.Larghezza = 1;
    m.nConciTot = 1;
    m.yRiempimento = 3;
    m.ySoletta = 3;
    Concio& c = m.ConcioI(1);
    c.iConcioTot = 1;
    c.bSez = 1;
    for (int i = 1; i <= 4; ++i) c.setX(i, x[static_cast<std::size_t>(i - 1)]), c.setY(i, y[static_cast<std::size_t>(i - 1)]);
  }
  Concio& c() { return m.Conci(1); }
};

TEST(Concio, LoadsOfMasonryFillAndVariableLoad) {
  UnConcio u({0, 1, 1, 0}, {0, 0, 1, 1});  // unit square, fill 2 m above
  u.d.qCarico = 5;
  u.d.xq1 = 0.5f;
  u.d.xq2 = 4;
  u.c().ForzaConcio(u.d, u.m, u.msg);
  EXPECT_TRUE(u.msg.empty());
  EXPECT_DOUBLE_EQ(u.c().FPermanente, 20 * 1 + 10 * 2);
  EXPECT_DOUBLE_EQ(u.c().FPermSopraConcio, 20);
  EXPECT_DOUBLE_EQ(u.c().xFPermanente, 0.5);
  EXPECT_DOUBLE_EQ(u.c().FVariabile, 5 * 0.5);
  EXPECT_DOUBLE_EQ(u.c().xFVariabile, 0.75);
  EXPECT_DOUBLE_EQ(u.c().Ftot, 42.5);
  EXPECT_DOUBLE_EQ(u.c().xFtot, (0.75 * 2.5 + 0.5 * 40) / 42.5);

  // Outside the load range: no variable load, its abscissa kept.
  u.d.xq1 = 2;
  u.c().ForzaConcio(u.d, u.m, u.msg);
  EXPECT_EQ(u.c().FVariabile, 0);
  EXPECT_DOUBLE_EQ(u.c().xFVariabile, 0.75);
}

TEST(Concio, VerticalExtradosEdgeTakesNoPassivePressure) {
  UnConcio u({0, 1, 1, 1}, {0, 0, 1, 2});
  u.c().FOrizzontale = 99;
  u.c().ForzaConcio(u.d, u.m, u.msg);
  EXPECT_TRUE(u.msg.empty());
  EXPECT_EQ(u.c().FOrizzontale, 0);
  u.d.SpintaPassiva = true;
  u.d.Kp = 2;
  u.d.nConciSpinta = {1, 1};
  u.c().ForzaConcio(u.d, u.m, u.msg);
  EXPECT_TRUE(u.msg.empty());
  EXPECT_EQ(u.c().FOrizzontale, 0);
  EXPECT_DOUBLE_EQ(u.c().yFOrizzontale, 1.5);
}

TEST(Concio, PassivePressureFollowsTheExtradosSlope) {
  UnConcio u({0, 1, 1, 0}, {0, 0, 1.5, 1});  // extrados rising 0.5 over 1
  u.d.SpintaPassiva = true;
  u.d.Kp = 2;
  u.d.nConciSpinta = {1, 0};
  u.c().ForzaConcio(u.d, u.m, u.msg);
  EXPECT_NEAR(u.c().FOrizzontale, 2 * 0.5 * u.c().FPermSopraConcio, 1e-12);
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
  EXPECT_EQ(m.nConciPareteSinistra, 2);
  EXPECT_EQ(m.nConciPareteDestra, 2);
  EXPECT_EQ(m.nConciTot, 26);
  EXPECT_EQ(m.nGiunti, 27);
  EXPECT_EQ(m.iChiave, 13);
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
}

TEST(CostruisciModello, CrownIsTheLeftmostHighestVoussoir) {
  Caso odd(prova::anello(10, 3, 0.5f, 31));
  EXPECT_EQ(odd.modello.iChiave, 15);
  Caso even(prova::anello(10, 3, 0.5f, 30));
  EXPECT_EQ(even.modello.iChiave, 15);
  EXPECT_NEAR(even.modello.Conci(15).x(2), 5, 1e-9);
}

TEST(CostruisciModello, ThickerSideOfAJunctionIsMarked) {
  auto marks = [](double s1, double s2) {
    Caso c(prova::dueSegmenti(s1, s2));
    std::vector<int> out;
    for (int i = 1; i <= c.modello.nConciTot; ++i)
      if (c.modello.Conci(i).ConcioTransizione) out.push_back(i * 10 + c.modello.Conci(i).ConcioTransizione);
    return std::make_pair(out, c.modello.Vori(1).nConci);
  };
  auto [equal, n1] = marks(0.5, 0.5);
  EXPECT_TRUE(equal.empty());
  auto [first, nA] = marks(0.6, 0.45);
  EXPECT_EQ(first, std::vector<int>{nA * 10 + 1});
  auto [second, nB] = marks(0.45, 0.6);
  EXPECT_EQ(second, std::vector<int>{(nB + 1) * 10 + 2});
}

TEST(CostruisciModello, JunctionKeepsTheShorterJointAndMeetsOnTheBisector) {
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
  EXPECT_EQ(m.LarghezzaMinima, 1.0f / 10000);
  EXPECT_NEAR(m.Conci(m.iChiave).bSez, 0.5, 1e-12);
  for (int i = 2; i <= m.iChiave; ++i) EXPECT_LT(m.Conci(i).bSez, m.Conci(i - 1).bSez);
  EXPECT_NEAR(m.ConciPareteSinistra(1).bSez, 1.0 + (m.ConciPareteSinistra(1).x(3) - m.ConciPareteSinistra(1).x(4)) *
                                                       (0.5 - 1.0) / (m.Conci(m.iChiave).x(3) - m.ConciPareteSinistra(1).x(4)),
              1e-9);
}

TEST(CostruisciModello, BadGeometryFailsWithError1002) {
  DatiProgetto collinear = prova::dueSegmenti(0.5, 0.5);
  collinear.Vori(1).X2 = 2;
  collinear.Vori(1).Y2 = 1.6;
  RecordingMessages msg;
  ModelloArco m;
  EXPECT_EQ(numeroErrore([&] { CostruisciModello(collinear, m, msg); }), err::AssemblyFailed);

  DatiProgetto allWall = prova::anello(10, 3, 0.5f, 2);
  allWall.SporgenzaParete = 0;
  allWall.hRiempimentoSolido = 2.8f;
  ModelloArco m2;
  EXPECT_EQ(numeroErrore([&] { CostruisciModello(allWall, m2, msg); }), err::AssemblyFailed);

  DatiProgetto none = prova::anello(10, 3, 0.5f, 30);
  none.nVori = 0;
  ModelloArco m3;
  EXPECT_EQ(numeroErrore([&] { CostruisciModello(none, m3, msg); }), err::AssemblyFailed);
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
