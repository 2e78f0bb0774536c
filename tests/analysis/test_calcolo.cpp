// The calculation checked against statics: symmetry, equilibrium, the thrust
// line through its hinges, the weight of a ring, and the known minimum
// thickness of a semicircular arch.
#include <gtest/gtest.h>

#include <cmath>

#include "ProgettiProva.h"

namespace voro {
namespace {

using prova::Caso;

TEST(Calcolo, SymmetricArchHasEqualReactions) {
  Caso c(prova::anello(10, 3, 0.5f, 30));
  c.risolvi();
  const RisultatiCalcolo& r = c.risultati;
  EXPECT_NEAR(r.VSinistra, r.SommaV / 2, 1e-5 * r.SommaV);
  EXPECT_NEAR(r.VDestra, r.SommaV / 2, 1e-5 * r.SommaV);
  EXPECT_EQ(r.HDestra, r.HSinistra);
  EXPECT_EQ(r.SommaHSinistra, 0.0);
  EXPECT_EQ(r.SommaHDestra, 0.0);
  // Mirror joints carry mirror stresses.
  const int n = c.modello.nGiunti;
  for (int j = 1; j <= n; ++j) {
    EXPECT_NEAR(r.SigmaEstGiunti(j), r.SigmaEstGiunti(n + 1 - j), 1e-3 * r.SigmaEstPeggiore) << j;
    EXPECT_NEAR(r.SigmaIntGiunti(j), r.SigmaIntGiunti(n + 1 - j), 1e-3 * r.SigmaIntPeggiore) << j;
  }
}

TEST(Calcolo, ThrustLinePassesThroughTheThreeHinges) {
  DatiProgetto d = prova::ponte();
  d.EccSinistra = 0.1f;
  d.EccChiave = -0.05f;
  d.EccDestra = 0.12f;
  d.SpintaPassiva = true;
  d.Kp = 1.5f;
  d.nConciSpinta = {4, 3};
  Caso c(d);
  c.risolvi();
  const auto& r = c.risultati;
  const auto& m = c.modello;
  const Concio& crown = m.Conci(m.iChiave);
  const Concio& last = m.Conci(m.nConciTot);
  EXPECT_NEAR(crown.x_Fun, r.xCerniera[1], 1e-5);
  EXPECT_NEAR(crown.y_Fun, r.yCerniera[1], 1e-5);
  EXPECT_NEAR(last.x_Fun, r.xCerniera[2], 1e-5);
  EXPECT_NEAR(last.y_Fun, r.yCerniera[2], 1e-5);
  EXPECT_NEAR(crown.Eccentric, r.EccCalcChiave, 1e-5);
  EXPECT_NEAR(last.Eccentric, r.EccCalcDestra, 1e-5);
  EXPECT_GT(r.SommaHSinistra, 0);

  // The force leaving the last joint is the right support's reaction.
  const double V = r.VSinistra - r.SommaV;
  const double H = r.HSinistra + r.SommaHSinistra + r.SommaHDestra;
  EXPECT_NEAR(-V, r.VDestra, 1e-3);
  EXPECT_NEAR(H, r.HDestra, 1e-3);
  EXPECT_NEAR(last.Fassiale, V * last.SinAlfa + H * last.CosAlfa, 1e-3);
  // The force entering the first joint is the left support's reaction, split
  // across and along the springing joint (the line through its corners).
  const Concio& first = m.Conci(1);
  const double dx = first.x(4) - first.x(1), dy = first.y(4) - first.y(1), l = std::hypot(dx, dy);
  EXPECT_NEAR(std::fabs(r.NPrimaSezione), std::fabs(r.HSinistra * dy - r.VSinistra * dx) / l, 1e-3);
  EXPECT_NEAR(std::fabs(r.TPrimaSezione), std::fabs(r.HSinistra * dx + r.VSinistra * dy) / l, 1e-3);

  // Every section is equilibrated: N at the springing from the reactions.
  const Concio& c1 = m.Conci(1);
  const double a = std::atan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
  EXPECT_NEAR(r.NPrimaSezione, r.VSinistra * std::sin(a) + r.HSinistra * std::cos(a), 1e-3);
}

TEST(Calcolo, MomentsAboutTheRightHingeBalance) {
  Caso c(prova::ponte());
  c.risolvi();
  const auto& r = c.risultati;
  const auto& m = c.modello;
  // Moment about hinge 3 of the support force at hinge 1 and of every load.
  double M = -(r.xCerniera[2] - r.xCerniera[0]) * r.VSinistra + (r.yCerniera[2] - r.yCerniera[0]) * r.HSinistra;
  for (int i = 1; i <= m.nConciTot; ++i) M += (r.xCerniera[2] - m.Conci(i).xFtot) * m.Conci(i).Ftot;
  EXPECT_NEAR(M, 0.0, 1e-4 * r.SommaV);
}

TEST(Calcolo, RingWeighsWhatItsAnnulusWeighs) {
  const Single t = 0.5f;
  Caso c(prova::anello(10, 4.999f, t, 100));
  c.risolvi();
  const auto& m = c.modello;
  ASSERT_EQ(m.nConciPareteSinistra, 0);
  ASSERT_EQ(m.nConciPareteDestra, 0);
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
    d.OttimizzaCerniere = true;
    d.OttimizzaEccentricita = true;
    d.nDivisioni = 10;
    Caso c(d);
    c.risolvi();
    Single F = 0;
    Integer j = 0;
    c.calcolo().DistanzaMinimaBordi(c.risultati.EccCalcSinistra, F, j);
    EXPECT_EQ(F >= 0, admissible) << "t/R = " << tR << ", F = " << F;
    EXPECT_EQ(c.risultati.PercMinima > 0, admissible) << tR;
  }
}

TEST(Calcolo, HingesSitAtTheGivenEccentricities) {
  DatiProgetto d = prova::ponte();
  d.EccSinistra = -0.1f;
  d.EccChiave = 0.05f;
  d.EccDestra = 0.2f;
  Caso c(d);
  c.risolvi();
  const auto& r = c.risultati;
  EXPECT_EQ(r.EccCalcSinistra, -0.1f);
  EXPECT_EQ(r.EccCalcChiave, 0.05f);
  EXPECT_EQ(r.EccCalcDestra, 0.2f);
  // Hinge 1 lies on the left joint of voussoir 1, 0.1 m toward the intrados.
  const Concio& c1 = c.modello.Conci(1);
  const double xm = (c1.x(1) + c1.x(4)) / 2, ym = (c1.y(1) + c1.y(4)) / 2;
  EXPECT_NEAR(std::hypot(r.xCerniera[0] - xm, r.yCerniera[0] - ym), 0.1, 1e-7);
  EXPECT_LT(std::hypot(r.xCerniera[0] - c1.x(1), r.yCerniera[0] - c1.y(1)), 0.25 - 0.1 + 1e-7);
  EXPECT_EQ(r.SigmaEstGiunti.size(), c.modello.nGiunti);
  EXPECT_EQ(r.SigmaEstGiunti.lbound(), 1);
}

TEST(Calcolo, LoadRangeIsClampedToTheStructure) {
  DatiProgetto d = prova::ponte();
  d.SporgenzaParete = 0.4f;
  d.xq1 = -20;
  d.xq2 = 25;
  Caso c(d);
  c.risolvi();
  EXPECT_EQ(c.dati.xq1, c.modello.xMinStruttura);
  EXPECT_EQ(c.dati.xq2, c.modello.xMaxStruttura);
  EXPECT_EQ(c.modello.xMinStruttura, -0.4f);
  DatiProgetto inside = prova::ponte();
  Caso k(inside);
  k.risolvi();
  EXPECT_EQ(k.dati.xq1, 2.0f);
  EXPECT_EQ(k.dati.xq2, 6.0f);
}

TEST(Calcolo, WorstValuesReportTensionFirstAndTheLowestJoint) {
  DatiProgetto d = prova::ponte();
  d.EccChiave = 0.24f;  // thrust line near the extrados at the crown
  d.EccSinistra = -0.24f;
  d.EccDestra = -0.24f;
  Caso c(d);
  c.risolvi();
  const auto& r = c.risultati;
  double minE = 1e30;
  int iMin = 0;
  for (int j = 1; j <= c.modello.nGiunti; ++j)
    if (r.SigmaEstGiunti(j) < minE) minE = r.SigmaEstGiunti(j), iMin = j;
  if (minE < 0) {
    EXPECT_EQ(r.SigmaEstPeggiore, minE);
    EXPECT_EQ(r.iSigmaEstPeggiore, iMin);
  }
  double minP = 1e30;
  for (int j = 1; j <= c.modello.nGiunti; ++j) minP = std::min<double>(minP, r.PercGiunti(j));
  EXPECT_EQ(r.PercMinima, minP);
}

TEST(Calcolo, PassivePressureCountsOverlappingVoussoirsOnTheLeft) {
  DatiProgetto d = prova::ponte();
  d.SpintaPassiva = true;
  d.Kp = 2;
  d.nConciSpinta = {20, 20};
  Caso c(d);
  c.risolvi();
  const auto& m = c.modello;
  double left = 0, right = 0;
  for (int i = 1; i <= m.nConciTot; ++i) (i <= 20 ? left : right) += m.Conci(i).FOrizzontale;
  EXPECT_EQ(c.risultati.SommaHSinistra, left);
  EXPECT_EQ(c.risultati.SommaHDestra, right);
  // Wall moments count a voussoir of both groups on both walls.
  double ML = 1e9, MR = -1e9;  // the sums start afresh whatever the variables held
  c.calcolo().SommaMomentiPareti(0, 0, ML, MR);
  double eML = 0, eMR = 0;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& k = m.Conci(i);
    if (i <= 20) eML += k.FOrizzontale * k.yFOrizzontale;
    if (i > m.nConciTot - 20) eMR -= k.FOrizzontale * k.yFOrizzontale;
  }
  EXPECT_DOUBLE_EQ(ML, eML);
  EXPECT_DOUBLE_EQ(MR, eMR);
}

}  // namespace
}  // namespace voro
