// The engine against physics on many generated arches: the thrust line
// through its own hinges, load totals, mirror images, symmetric optima, arcs
// through their middle points, and no message on a valid project.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "ProgettiCasuali.h"
#include "ProgettiProva.h"
#include "numerics/Matematica.h"

namespace voro {
namespace {

using prova::Caso;

constexpr int kProgetti = 240;

double distanza(double xa, double ya, double xb, double yb) { return std::hypot(xa - xb, ya - yb); }

// Also: a valid project shows no message.
TEST(Fisica, TheThrustLinePassesThroughItsThreeHingesAndTheSupportsCarryEveryLoad) {
  constexpr int kMolti = 3000;
  int risolti = 0;
  for (int seme = 0; seme < kMolti; ++seme) {
    prova::OpzioniCasuali o;
    o.ricerca = seme % 20 == 0;
    auto g = prova::seRisolto(prova::ProgettoCasuale(seme, o));
    if (!g) continue;
    ++risolti;
    SCOPED_TRACE("seed " + std::to_string(seme));
    Caso& c = *g;
    const ModelloArco& m = c.modello;
    const RisultatiCalcolo& r = c.risultati;
    EXPECT_TRUE(c.messaggi.empty()) << c.messaggi.texts().front();
    // The reactions of the three-hinged arch, kept in Double, carried across
    // every joint: the line must reach the crown and the right hinge, also
    // with the crown hinge on either edge of a tilted crown joint.
    Calcolo calc = c.calcolo();
    for (const double e2 : {static_cast<double>(r.EccCalcChiave), -m.hChiave / 2.0, m.hChiave / 2.0}) {
      calc.PosizionaCerniere(r.EccCalcSinistra, e2, r.EccCalcDestra);
      double V = 0, H = 0;
      calc.ReazioniCerniere(V, H);
      calc.Funicolare(V, H);
      const Concio& chiave = m.Conci(m.iChiave);
      const Concio& ultimo = m.Conci(m.nConciTot);
      EXPECT_LE(distanza(chiave.x_Fun, chiave.y_Fun, r.xCerniera[1], r.yCerniera[1]), 1e-6 * chiave.hSezioneEff);
      EXPECT_LE(distanza(ultimo.x_Fun, ultimo.y_Fun, r.xCerniera[2], r.yCerniera[2]), 1e-6 * ultimo.hSezioneEff);
    }
    // Vertical equilibrium: the loads of the voussoirs rest on the two supports.
    double carichi = 0;
    for (int i = 1; i <= m.nConciTot; ++i) carichi += m.Conci(i).FPermanente + m.Conci(i).FVariabile;
    EXPECT_NEAR(r.SommaV, carichi, 1e-9 * carichi);
    EXPECT_NEAR(static_cast<double>(r.VSinistra) + r.VDestra, r.SommaV, 1e-6 * r.SommaV);
  }
  EXPECT_GT(risolti, kMolti * 9 / 10);
}

TEST(Fisica, AnArchAndItsMirrorImageCarryTheSameLoads) {
  prova::OpzioniCasuali o;
  o.larghezzaCostante = true;  // the width grows toward the crown joint, which is not symmetric
  o.ricerca = false;
  int confronti = 0;
  for (int seme = 0; seme < kProgetti; ++seme) {
    DatiProgetto d = prova::ProgettoCasuale(seme, o);
    if (d.nConciSpinta[0] + d.nConciSpinta[1] > 4) d.nConciSpinta = {2, 2};  // groups that never overlap
    const auto a = prova::seRisolto(d), b = prova::seRisolto(prova::Specchio(d));
    if (!a || !b) continue;
    ++confronti;
    SCOPED_TRACE("seed " + std::to_string(seme));
    const RisultatiCalcolo &ra = a->risultati, &rb = b->risultati;
    EXPECT_NEAR(ra.SommaV, rb.SommaV, 1e-6 * ra.SommaV);
    EXPECT_NEAR(ra.SommaHSinistra, -rb.SommaHDestra, 1e-6 * ra.SommaV);
    EXPECT_NEAR(ra.SommaHDestra, -rb.SommaHSinistra, 1e-6 * ra.SommaV);
    EXPECT_EQ(a->modello.yEstradossoMax, b->modello.yEstradossoMax);
  }
  EXPECT_GT(confronti, kProgetti * 9 / 10);
}

TEST(Fisica, TheFillRestsOnTheHighestExtradosCorner) {
  // A pointed arch whose thicker second segment raises its left extrados
  // corner above every right corner at the crown junction.
  DatiProgetto d = prova::anello(10, 5, 0.45f, 20);
  d.hRiempimento = 0.3f, d.PesoRiempimento = 18, d.nVori = 2;
  d.dimensionaVori(2);
  d.Vori(1) = {0, 0, 1.4, 3.6, 5, 5.5, 0.45, 10, 10};
  d.Vori(2) = {0, 0, 8.6, 3.6, 10, 0, 0.8, 10, 10};
  const Caso a = prova::risolto(d), b = prova::risolto(prova::Specchio(d));
  for (const Caso* c : {&a, &b}) {
    for (int i = 1; i <= c->modello.nConciTot; ++i) {
      EXPECT_GE(c->modello.yEstradossoMax, toSingle(c->modello.Conci(i).y(3)));
      EXPECT_GE(c->modello.yEstradossoMax, toSingle(c->modello.Conci(i).y(4)));
    }
  }
  EXPECT_NEAR(a.risultati.SommaV, b.risultati.SommaV, 1e-6 * a.risultati.SommaV);
  EXPECT_EQ(a.modello.yRiempimento, b.modello.yRiempimento);
}

TEST(Fisica, ASymmetricArchUnderASymmetricLoadHasASymmetricOptimumReactionsAndStresses) {
  for (const Single n : {12.0f, 15.0f, 22.0f}) {
    for (const Integer divisioni : {4, 7, 10}) {
      DatiProgetto d = prova::anello(8, 3, 0.4f, n);
      d.hRiempimento = 0.4f, d.PesoRiempimento = 18, d.qCarico = 15, d.xq1 = 2, d.xq2 = 6, d.OttimizzaCerniere = true;
      d.OttimizzaEccentricita = true, d.nDivisioni = divisioni;
      const Caso c = prova::risolto(d);
      SCOPED_TRACE(std::to_string(n) + " voussoirs, " + std::to_string(divisioni) + " divisions");
      const RisultatiCalcolo& r = c.risultati;
      EXPECT_EQ(r.EccCalcSinistra, r.EccCalcDestra);
      EXPECT_NEAR(r.VSinistra, r.VDestra, 1e-5 * r.VSinistra);
      EXPECT_NEAR(r.HSinistra, r.HDestra, 1e-5 * r.HSinistra);
      EXPECT_TRUE(r.SommaHSinistra == 0 && r.SommaHDestra == 0);
      // Mirror joints carry mirror stresses.
      const int g = c.modello.nGiunti;
      for (int j = 1; j <= g; ++j) {
        EXPECT_NEAR(r.SigmaEstGiunti(j), r.SigmaEstGiunti(g + 1 - j), 1e-3 * std::fabs(r.SigmaEstPeggiore)) << j;
        EXPECT_NEAR(r.SigmaIntGiunti(j), r.SigmaIntGiunti(g + 1 - j), 1e-3 * std::fabs(r.SigmaIntPeggiore)) << j;
      }
    }
  }
  // The bundled vault: one optimum on both springings.
  const Caso c = prova::risolto(prova::leggi("examples/volta-semicircolare.vro"));
  EXPECT_EQ(c.risultati.EccCalcSinistra, c.risultati.EccCalcDestra);
}

// The smallest distance of the thrust line from an edge over every joint, in
// parts of the springing depth: negative when it leaves the masonry.
double margine(const Caso& c) {
  const ModelloArco& m = c.modello;
  double d = m.Conci(1).hSezioneEff / 2 - std::fabs(c.risultati.EccCalcSinistra);
  for (int i = 1; i <= m.nConciTot; ++i) d = std::min(d, m.Conci(i).dBordo());
  return d / m.Conci(1).hSezioneEff;
}

TEST(Fisica, TheDistanceMeritLooksAtTheSpringingJoint) {
  // Two projects whose search put the left hinge outside the springing joint
  // and found no thrust line within the masonry, although one exists.
  for (const char* nome : {"due-segmenti-spinta.vro", "anello-ribassato-spinta.vro"}) {
    SCOPED_TRACE(nome);
    const DatiProgetto d = prova::leggi(std::string("tests/analysis/casi/") + nome);
    ASSERT_TRUE(d.OttimizzaEccentricita);
    ASSERT_TRUE(d.SpintaPassiva);
    const Caso c = prova::risolto(d);
    EXPECT_LE(std::fabs(c.risultati.EccCalcSinistra), c.modello.Conci(1).hSezioneEff / 2);
    EXPECT_GT(margine(c), 0);
  }
}

TEST(Fisica, ArcsPassThroughTheirMiddlePointsOrAreRefused) {
  // Rings of every rise up to a half circle: the centre on or below the
  // springing line, the crown at the entered rise.
  for (const double f : {1.0, 2.5, 4.999, 5.0}) {
    SCOPED_TRACE("rise " + std::to_string(f));
    const Caso c(prova::anello(10, static_cast<Single>(f), 0.5f, 20));
    const VoroParziale& v = c.modello.Vori(1);
    EXPECT_NEAR(distanza(v.X2, v.Y2, v.xC, v.yC), v.Raggio, 1e-9 * v.Raggio);
    EXPECT_LE(v.yC, 1e-6 * v.Raggio);
    double yMax = -1e9;
    for (int i = 1; i <= c.modello.nConciTot; ++i) yMax = std::max(yMax, c.modello.Conci(i).y(1));
    EXPECT_NEAR(yMax, f, 0.02 * f);
  }
  // Refused: rings beyond a half circle, a chain whose second segment bends
  // downwards (below the chord from (4, 3.2) to (9, 0)), one that bulges
  // beyond a half circle; without a reason of their own, a middle point on
  // the chord, voussoirs all in the walls, no segment.
  const std::string oltre = "Anello: la freccia supera la metà della luce: l'arco sarebbe maggiore di una semicirconferenza";
  std::vector<std::pair<DatiProgetto, std::string>> rifiutati;
  for (const Single f : {5.001f, 7.0f, 12.0f}) rifiutati.emplace_back(prova::anello(10, f, 0.5f, 20), oltre);
  DatiProgetto d = prova::dueSegmenti(0.5, 0.5);
  d.Vori(2).Y2 = 1.0;
  rifiutati.emplace_back(d, "Segmento 2: il punto intermedio sta sotto la corda: l'arco è rovesciato");
  d = prova::dueSegmenti(0.5, 0.5);
  d.Vori(1).X2 = -1.5, d.Vori(1).Y2 = 2.0;
  rifiutati.emplace_back(d, "Segmento 1: l'arco per il punto intermedio sarebbe maggiore di una semicirconferenza");
  const std::string generico = "Impossibile costruire il modello dell'arco";
  d.Vori(1).X2 = 2, d.Vori(1).Y2 = 1.6;
  rifiutati.emplace_back(d, generico);
  d = prova::anello(10, 3, 0.5f, 2);
  d.SporgenzaParete = 0, d.hRiempimentoSolido = 2.8f;
  rifiutati.emplace_back(d, generico);
  d.nVori = 0;
  rifiutati.emplace_back(d, generico);
  for (const auto& [progetto, testo] : rifiutati) {
    ModelloArco m;
    RecordingMessages msg;
    try {
      CostruisciModello(progetto, m, msg);
      ADD_FAILURE() << "built: " << testo;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::AssemblyFailed);
      EXPECT_EQ(e.description(), testo);
      EXPECT_EQ(MessaggioGeometria(e, SilentMessages{}), "Error: Check Geometry" + (testo == generico ? "" : "\r" + testo));
    }
  }
  // Every generated chain: each circle passes through its middle point.
  for (int seme = 0; seme < kProgetti; ++seme) {
    ModelloArco mg;
    RecordingMessages msg;
    try {
      CostruisciModello(prova::ProgettoCasuale(seme), mg, msg);
    } catch (const RuntimeError&) {
      continue;
    }
    for (int i = 1; i <= mg.Vori.size(); ++i) {
      const VoroParziale& v = mg.Vori(i);
      EXPECT_NEAR(distanza(v.X2, v.Y2, v.xC, v.yC), v.Raggio, 1e-6 * v.Raggio) << "seed " << seme;
    }
  }
}

}  // namespace
}  // namespace voro
