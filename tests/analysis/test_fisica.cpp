// The engine against physics on many generated arches: the thrust line
// through its own hinges, load totals, mirror images, symmetric optima, arcs
// through their middle points, and no message on a valid project.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "ProgettiCasuali.h"
#include "ProgettiProva.h"
#include "data/ProjectFile.h"
#include "numerics/Matematica.h"

namespace voro {
namespace {

using prova::Caso;

constexpr int kProgetti = 240;

// The project solved, or the number of the error it failed with.
struct Esito {
  int errore = 0;
  std::string descrizione;
};

Esito risolvi(Caso& c) {
  try {
    c.risolvi();
  } catch (const RuntimeError& e) {
    return {e.number(), e.description()};
  }
  return {};
}

// Builds and solves a generated project; assembly failures are kept too.
struct Generato {
  std::unique_ptr<Caso> caso;
  Esito esito;
  explicit Generato(const DatiProgetto& d) {
    try {
      caso = std::make_unique<Caso>(d);
    } catch (const RuntimeError& e) {
      esito = {e.number(), e.description()};
      return;
    }
    esito = risolvi(*caso);
  }
};

double distanza(double xa, double ya, double xb, double yb) { return std::hypot(xa - xb, ya - yb); }

TEST(Fisica, TheThrustLinePassesThroughItsThreeHinges) {
  constexpr int kMolti = 3000;
  int risolti = 0;
  for (int seme = 0; seme < kMolti; ++seme) {
    prova::OpzioniCasuali o;
    o.ricerca = seme % 20 == 0;
    Generato g(prova::ProgettoCasuale(seme, o));
    if (g.esito.errore) continue;
    ++risolti;
    SCOPED_TRACE("seed " + std::to_string(seme));
    Caso& c = *g.caso;
    const ModelloArco& m = c.modello;
    const RisultatiCalcolo& r = c.risultati;
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
    Generato a(d), b(prova::Specchio(d));
    if (a.esito.errore || b.esito.errore) continue;
    ++confronti;
    SCOPED_TRACE("seed " + std::to_string(seme));
    const RisultatiCalcolo& ra = a.caso->risultati;
    const RisultatiCalcolo& rb = b.caso->risultati;
    EXPECT_NEAR(ra.SommaV, rb.SommaV, 1e-6 * ra.SommaV);
    EXPECT_NEAR(ra.SommaHSinistra, -rb.SommaHDestra, 1e-6 * ra.SommaV);
    EXPECT_NEAR(ra.SommaHDestra, -rb.SommaHSinistra, 1e-6 * ra.SommaV);
    EXPECT_EQ(a.caso->modello.yEstradossoMax, b.caso->modello.yEstradossoMax);
  }
  EXPECT_GT(confronti, kProgetti * 9 / 10);
}

TEST(Fisica, TheFillRestsOnTheHighestExtradosCorner) {
  // A pointed arch whose thicker second segment raises its left extrados
  // corner above every right corner at the crown junction.
  DatiProgetto d = prova::anello(10, 5, 0.45f, 20);
  d.hRiempimento = 0.3f;
  d.PesoRiempimento = 18;
  d.nVori = 2;
  d.dimensionaVori(2);
  d.Vori(1) = {0, 0, 1.4, 3.6, 5, 5.5, 0.45, 10, 10};
  d.Vori(2) = {0, 0, 8.6, 3.6, 10, 0, 0.8, 10, 10};
  Caso a(d);
  a.risolvi();
  Caso b(prova::Specchio(d));
  b.risolvi();
  for (const Caso* c : {&a, &b}) {
    for (int i = 1; i <= c->modello.nConciTot; ++i) {
      EXPECT_GE(c->modello.yEstradossoMax, toSingle(c->modello.Conci(i).y(3)));
      EXPECT_GE(c->modello.yEstradossoMax, toSingle(c->modello.Conci(i).y(4)));
    }
  }
  EXPECT_NEAR(a.risultati.SommaV, b.risultati.SommaV, 1e-6 * a.risultati.SommaV);
  EXPECT_EQ(a.modello.yRiempimento, b.modello.yRiempimento);
}

TEST(Fisica, ASymmetricArchUnderASymmetricLoadHasASymmetricOptimum) {
  for (const Single n : {12.0f, 15.0f, 22.0f}) {
    for (const Integer divisioni : {4, 7, 10}) {
      DatiProgetto d = prova::anello(8, 3, 0.4f, n);
      d.hRiempimento = 0.4f;
      d.PesoRiempimento = 18;
      d.qCarico = 15;
      d.xq1 = 2;
      d.xq2 = 6;
      d.OttimizzaCerniere = true;
      d.OttimizzaEccentricita = true;
      d.nDivisioni = divisioni;
      Caso c(d);
      c.risolvi();
      SCOPED_TRACE(std::to_string(n) + " voussoirs, " + std::to_string(divisioni) + " divisions");
      EXPECT_EQ(c.risultati.EccCalcSinistra, c.risultati.EccCalcDestra);
      EXPECT_NEAR(c.risultati.VSinistra, c.risultati.VDestra, 1e-5 * c.risultati.VSinistra);
    }
  }
  // The bundled vault: one optimum on both springings.
  RecordingMessages msg;
  DatiProgetto volta;
  LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/examples/volta-semicircolare.vro", volta, msg);
  Caso c(volta);
  c.risolvi();
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
    RecordingMessages msg;
    DatiProgetto d;
    LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/tests/analysis/casi/" + nome, d, msg);
    ASSERT_TRUE(d.OttimizzaEccentricita);
    ASSERT_TRUE(d.SpintaPassiva);
    Caso c(d);
    c.risolvi();
    EXPECT_LE(std::fabs(c.risultati.EccCalcSinistra), c.modello.Conci(1).hSezioneEff / 2);
    EXPECT_GT(margine(c), 0);
  }
}

TEST(Fisica, ArcsPassThroughTheirMiddlePointsOrAreRefused) {
  // Rings of every rise, half circles and beyond.
  for (const double f : {1.0, 2.5, 4.999, 5.0, 5.001, 7.0, 12.0}) {
    SCOPED_TRACE("rise " + std::to_string(f));
    DatiProgetto d = prova::anello(10, static_cast<Single>(f), 0.5f, 20);
    ModelloArco m;
    RecordingMessages msg;
    if (f <= 5.0) {
      CostruisciModello(d, m, msg);
      const VoroParziale& v = m.Vori(1);
      EXPECT_NEAR(distanza(v.X2, v.Y2, v.xC, v.yC), v.Raggio, 1e-9 * v.Raggio);
      EXPECT_LE(v.yC, 1e-6 * v.Raggio);  // the centre on or below the springing line
      // The arch reaches its crown at the entered rise.
      double yMax = -1e9;
      for (int i = 1; i <= m.nConciTot; ++i) yMax = std::max(yMax, m.Conci(i).y(1));
      EXPECT_NEAR(yMax, f, 0.02 * f);
    } else {
      try {
        CostruisciModello(d, m, msg);
        ADD_FAILURE() << "a rise beyond half the span was built";
      } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::AssemblyFailed);
        EXPECT_EQ(e.description(),
                  "Anello: la freccia supera la metà della luce: l'arco sarebbe maggiore di una semicirconferenza");
        EXPECT_EQ(MessaggioGeometria(e, SilentMessages{}), "Error: Check Geometry\r" + e.description());
      }
    }
  }
  // A chain whose second segment bends downwards, and one that bulges beyond
  // a half circle.
  DatiProgetto d = prova::dueSegmenti(0.5, 0.5);
  d.Vori(2).Y2 = 1.0;  // below the chord from (4, 3.2) to (9, 0)
  ModelloArco m;
  RecordingMessages msg;
  try {
    CostruisciModello(d, m, msg);
    ADD_FAILURE() << "a reversed segment was built";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::AssemblyFailed);
    EXPECT_EQ(e.description(), "Segmento 2: il punto intermedio sta sotto la corda: l'arco è rovesciato");
  }
  d = prova::dueSegmenti(0.5, 0.5);
  d.Vori(1).X2 = -1.5;
  d.Vori(1).Y2 = 2.0;
  try {
    CostruisciModello(d, m, msg);
    ADD_FAILURE() << "a segment beyond a half circle was built";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.description(), "Segmento 1: l'arco per il punto intermedio sarebbe maggiore di una semicirconferenza");
  }
  // Every generated chain: each circle passes through its middle point.
  for (int seme = 0; seme < kProgetti; ++seme) {
    DatiProgetto g = prova::ProgettoCasuale(seme);
    ModelloArco mg;
    try {
      CostruisciModello(g, mg, msg);
    } catch (const RuntimeError&) {
      continue;
    }
    for (int i = 1; i <= mg.Vori.size(); ++i) {
      const VoroParziale& v = mg.Vori(i);
      EXPECT_NEAR(distanza(v.X2, v.Y2, v.xC, v.yC), v.Raggio, 1e-6 * v.Raggio) << "seed " << seme;
    }
  }
}

TEST(Fisica, NoValidProjectShowsAMessage) {
  int risolti = 0;
  for (int seme = 0; seme < kProgetti; ++seme) {
    prova::OpzioniCasuali o;
    o.ricerca = false;
    Generato g(prova::ProgettoCasuale(seme, o));
    if (g.esito.errore) continue;
    ++risolti;
    EXPECT_TRUE(g.caso->messaggi.empty()) << "seed " << seme << ": " << g.caso->messaggi.texts().front();
  }
  EXPECT_GT(risolti, kProgetti * 9 / 10);
}

}  // namespace
}  // namespace voro
