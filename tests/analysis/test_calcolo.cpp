// The calculation checked against statics: equilibrium, the thrust line
// through its hinges, the weight of a ring, and the known minimum thickness
// of a semicircular arch; the bundled examples solved.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ProgettiProva.h"

namespace voro {
namespace {

using prova::Caso;

// The hinges at the given eccentricities, the line through them and the
// forces at both ends the supports' reactions.
TEST(Calcolo, ThrustLinePassesThroughTheHingesAtTheGivenEccentricities) {
  DatiProgetto d = prova::ponte();
  d.EccSinistra = -0.1f, d.EccChiave = 0.05f, d.EccDestra = 0.2f, d.SpintaPassiva = true, d.Kp = 1.5f;
  d.nConciSpinta = {4, 3};
  Caso c = prova::risolto(d);
  const auto& r = c.risultati;
  const auto& m = c.modello;
  EXPECT_EQ((std::array{r.EccCalcSinistra, r.EccCalcChiave, r.EccCalcDestra}), (std::array{-0.1f, 0.05f, 0.2f}));
  const Concio& crown = m.Conci(m.iChiave);
  const Concio& last = m.Conci(m.nConciTot);
  const Concio& first = m.Conci(1);
  EXPECT_NEAR(crown.Eccentric, r.EccCalcChiave, 1e-5);
  EXPECT_NEAR(last.Eccentric, r.EccCalcDestra, 1e-5);
  // Hinge 1 lies on the left joint of voussoir 1, 0.1 m toward the intrados.
  const double xm = (first.x(1) + first.x(4)) / 2, ym = (first.y(1) + first.y(4)) / 2;
  EXPECT_NEAR(std::hypot(r.xCerniera[0] - xm, r.yCerniera[0] - ym), 0.1, 1e-7);
  EXPECT_LT(std::hypot(r.xCerniera[0] - first.x(1), r.yCerniera[0] - first.y(1)), 0.25 - 0.1 + 1e-7);
  EXPECT_GT(r.SommaHSinistra, 0);
  // The force leaving the last joint is the right support's reaction.
  const double V = r.VSinistra - r.SommaV;
  const double H = r.HSinistra + r.SommaHSinistra + r.SommaHDestra;
  EXPECT_NEAR(-V, r.VDestra, 1e-3);
  EXPECT_NEAR(H, r.HDestra, 1e-3);
  EXPECT_NEAR(last.Fassiale, V * last.SinAlfa + H * last.CosAlfa, 1e-3);
  // The force entering the first joint is the left support's reaction, split
  // across and along the springing joint (the line through its corners).
  const double dx = first.x(4) - first.x(1), dy = first.y(4) - first.y(1), l = std::hypot(dx, dy);
  EXPECT_NEAR(r.NPrimaSezione, (r.HSinistra * dy - r.VSinistra * dx) / l, 1e-3);
  EXPECT_NEAR(std::fabs(r.TPrimaSezione), std::fabs(r.HSinistra * dx + r.VSinistra * dy) / l, 1e-3);
}

TEST(Calcolo, MomentsAboutTheRightHingeBalance) {
  Caso c = prova::risolto(prova::ponte());
  const auto& r = c.risultati;
  const auto& m = c.modello;
  // Moment about hinge 3 of the support force at hinge 1 and of every load.
  double M = -(r.xCerniera[2] - r.xCerniera[0]) * r.VSinistra + (r.yCerniera[2] - r.yCerniera[0]) * r.HSinistra;
  for (int i = 1; i <= m.nConciTot; ++i) M += (r.xCerniera[2] - m.Conci(i).xFtot) * m.Conci(i).Ftot;
  EXPECT_NEAR(M, 0.0, 1e-4 * r.SommaV);
}

TEST(Calcolo, RingWeighsWhatItsAnnulusWeighs) {
  const Single t = 0.5f;
  Caso c = prova::risolto(prova::anello(10, 4.999f, t, 100));
  const auto& m = c.modello;
  ASSERT_EQ(m.nConciPareteSinistra + m.nConciPareteDestra, 0);
  const VoroParziale& v = m.Vori(1);
  const double R = v.Raggio, angle = v.Sviluppo / R;
  const double annulus = 20.0 * angle / 2 * ((R + t) * (R + t) - R * R);
  double weight = 0;
  for (int i = 1; i <= m.nConciTot; ++i) weight += m.Conci(i).FPermanente;
  const double dTheta = angle / 100;
  // Straight joints and edges lose the circular segments: a relative dTheta^2 / 6.
  EXPECT_LT(weight, annulus);
  EXPECT_NEAR(weight / annulus, 1 - dTheta * dTheta / 6, 1e-7);
  EXPECT_NEAR(c.risultati.SommaV, weight, 1e-9 * weight);
}

// With the distance merit the search finds a thrust line inside a semicircular
// ring of thickness 0.15 R, but none inside a ring of 0.08 R: the minimum is
// about 0.107 R.
TEST(Calcolo, SemicircularRingMinimumThickness) {
  for (auto [tR, admissible] : {std::pair{0.15f, true}, {0.08f, false}}) {
    DatiProgetto d = prova::anello(10, 4.999f, 5 * tR, 40);
    d.OttimizzaCerniere = true, d.OttimizzaEccentricita = true, d.nDivisioni = 10;
    Caso c = prova::risolto(d);
    Single F = 0;
    Integer j = 0;
    c.calcolo().DistanzaMinimaBordi(c.risultati.EccCalcSinistra, F, j);
    EXPECT_EQ(F >= 0, admissible) << "t/R = " << tR << ", F = " << F;
    EXPECT_EQ(c.risultati.PercMinima > 0, admissible) << tR;
  }
}

TEST(Calcolo, LoadRangeIsClampedToTheStructure) {
  DatiProgetto d = prova::ponte();
  d.SporgenzaParete = 0.4f, d.xq1 = -20, d.xq2 = 25;
  Caso c = prova::risolto(d);
  EXPECT_EQ(c.dati.xq1, c.modello.xMinStruttura);
  EXPECT_EQ(c.dati.xq2, c.modello.xMaxStruttura);
  EXPECT_EQ(c.modello.xMinStruttura, -0.4f);
  const Caso k = prova::risolto(prova::ponte());  // a range within it stays
  EXPECT_EQ(std::pair(k.dati.xq1, k.dati.xq2), std::pair(2.0f, 6.0f));
}

// Hinges near the extrados at the crown and the intrados at the springings: the line leaves the ring near the
// crown. Each face's worst is its tension where it has any, else its largest compression, and the least
// compressed share the least of all joints'.
TEST(Calcolo, WorstValuesReportTensionFirstAndTheLowestJoint) {
  DatiProgetto d = prova::ponte();
  d.EccChiave = 0.24f, d.EccSinistra = -0.24f, d.EccDestra = -0.24f;
  Caso c = prova::risolto(d);
  const auto& r = c.risultati;
  const int n = c.modello.nGiunti;
  for (const auto& [s, peggiore, giunto] : {std::tuple{&r.SigmaEstGiunti, r.SigmaEstPeggiore, r.iSigmaEstPeggiore},
                                            {&r.SigmaIntGiunti, r.SigmaIntPeggiore, r.iSigmaIntPeggiore}}) {
    int iMin = 1, iMax = 1;
    for (int j = 2; j <= n; ++j) {
      if ((*s)(j) < (*s)(iMin)) iMin = j;
      if ((*s)(j) > (*s)(iMax)) iMax = j;
    }
    EXPECT_EQ(giunto, (*s)(iMin) < 0 ? iMin : iMax);
    EXPECT_EQ(peggiore, (*s)(giunto));
  }
  EXPECT_LT(r.SigmaIntPeggiore, 0);
  double minP = 1e30;
  for (int j = 1; j <= n; ++j) minP = std::min<double>(minP, r.PercGiunti(j));
  EXPECT_EQ(r.PercMinima, minP);
}

TEST(Calcolo, PassivePressureCountsOverlappingVoussoirsOnTheLeft) {
  DatiProgetto d = prova::ponte();
  d.SpintaPassiva = true, d.Kp = 2;
  d.nConciSpinta = {20, 20};
  Caso c = prova::risolto(d);
  const auto& m = c.modello;
  double left = 0, right = 0;
  for (int i = 1; i <= m.nConciTot; ++i) (i <= 20 ? left : right) += m.Conci(i).FOrizzontale;
  EXPECT_EQ(std::pair(c.risultati.SommaHSinistra, c.risultati.SommaHDestra), std::pair(left, right));
  // Wall moments count a voussoir of both groups on both walls.
  double ML = 1e9, MR = -1e9;  // the sums start afresh whatever the variables held
  c.calcolo().SommaMomentiPareti(0, 0, ML, MR);
  double eML = 0, eMR = 0;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& k = m.Conci(i);
    if (i <= 20) eML += k.FOrizzontale * k.yFOrizzontale;
    if (i > m.nConciTot - 20) eMR -= k.FOrizzontale * k.yFOrizzontale;
  }
  EXPECT_EQ(std::pair(ML, MR), std::pair(eML, eMR));
}

// Each bundled project reads, solves and is stored in the program's own file format.
TEST(Esempi, EveryBundledProjectSolvesAndIsCanonical) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(VORO_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".vro") continue;
    ++count;
    SCOPED_TRACE(entry.path().filename().string());
    RecordingMessages msg;
    DatiProgetto d;
    LeggiFileProgetto(entry.path().string(), d, msg);
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FileDati out = FileDati::perScrittura();
    ASSERT_TRUE(FileLeggeScrive("S", out, d, msg));
    EXPECT_EQ(out.contenuto(), bytes);
    const Caso c = prova::risolto(d);
    EXPECT_TRUE(c.messaggi.empty()) << c.messaggi.texts().front();
    EXPECT_GT(c.risultati.PercMinima, 0);
    EXPECT_GT(c.risultati.SigmaEstPeggiore, 0);
  }
  EXPECT_GE(count, 4);
}

}  // namespace
}  // namespace voro
