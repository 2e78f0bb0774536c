// The three-span bridge drawn whole: each joint of the figures found on the
// masonry, a thrust line broken at the piers, the piers with their
// foundations, a pier's base hinge at the edge it rocks about; and the
// report naming the joints by span and pier.
#include <gtest/gtest.h>

#include <cmath>

#include "Registratori.h"
#include "arch/CostruisciModello.h"
#include "data/ProjectFile.h"
#include "drawing/Colori.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/StrutturaPonte.h"
#include "limite/Valutazione.h"
#include "report/NumeriRapporto.h"
#include "report/SezioneValutazione.h"

namespace voro {
namespace {

using prova::SuperficieRegistrata;

Long rgb(Long indice) { return ValoreColore(ColoreIndice(indice)); }

struct Ponte {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  RisultatiSicurezza r;
  Regional reg = Regional::inglese();
  Ponte() {
    LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/examples/ponti/ponte-tre-campate.vro", d, msg);
    CostruisciModello(d, m, msg);
    OpzioniSicurezza o;
    o.nPosizioni = 0;
    o.spessoreMinimo = false;
    ValutaSicurezza(d, m, msg, o, r);
  }
};

const Ponte& ponte() {
  static const Ponte p;
  return p;
}

bool Vicini(double a, double b) { return std::fabs(a - b) < 1e-9; }

TEST(StrutturaPonte, EveryJointOfTheFiguresLiesOnItsMasonry) {
  const Ponte& p = ponte();
  ASSERT_EQ(p.m.Campate.size(), 3u);
  ASSERT_EQ(p.m.Pile.size(), 2u);
  // The figures number every span's joints, then each pier's base.
  const int giunti = p.m.nConciTot + 3 + 2;
  ASSERT_EQ(static_cast<int>(p.r.posti.size()), giunti);
  for (int g = 1; g <= giunti; ++g) {
    double xi = 0, yi = 0, xe = 0, ye = 0;
    ASSERT_TRUE(EstremiGiunto(p.m, g, xi, yi, xe, ye)) << g;
    const PostoGiunto& posto = p.r.posti[static_cast<std::size_t>(g - 1)];
    // Its depth is the joint's length, as the statics take it.
    EXPECT_NEAR(std::hypot(xe - xi, ye - yi), posto.h, 1e-6) << g;
    if (posto.pila > 0) {
      const PilaModello& pila = p.m.Pile[static_cast<std::size_t>(posto.pila - 1)];
      EXPECT_TRUE(Vicini(xi, pila.xBaseSinistra) && Vicini(xe, pila.xBaseDestra) && Vicini(yi, pila.yBase)) << g;
    } else {
      const CampataModello& c = p.m.Campate[static_cast<std::size_t>(posto.campata - 1)];
      // A span's springing is its first voussoir's left joint, every other
      // joint the right joint of the voussoir before it.
      const Concio& k = p.m.Conci(posto.giunto == 1 ? c.primo : c.primo + posto.giunto - 2);
      EXPECT_TRUE(Vicini(xi, k.x(posto.giunto == 1 ? 1 : 2)) && Vicini(xe, k.x(posto.giunto == 1 ? 4 : 3))) << g;
    }
  }
  double x = 0;
  EXPECT_FALSE(EstremiGiunto(p.m, giunti + 1, x, x, x, x));
  EXPECT_FALSE(EstremiGiunto(p.m, 0, x, x, x, x));
}

TEST(StrutturaPonte, TheSafetyPlotBreaksTheLineAtThePiersAndRocksThePierAboutItsEdge) {
  const Ponte& p = ponte();
  ASSERT_EQ(p.r.esitoCarico, EsitoCarico::Finito);
  RecordingMessages msg;
  Disegno g(msg);
  PlottaSicurezza plot(p.d, p.m, p.r, p.reg, g);
  SuperficieRegistrata s;
  ASSERT_TRUE(plot.PlottaVoro("VIDEO", &s));
  EXPECT_TRUE(msg.empty());
  // One segment between consecutive joints of each span, none across a
  // pier (the legend adds one).
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Collasso)), p.m.nConciTot + 1);
  for (const PilaModello& pila : p.m.Pile) {
    const double xa = p.m.Conci(pila.concioSinistro).x(2), xb = p.m.Conci(pila.concioDestro).x(1);
    for (const auto& t : s.tratti) {
      if (t.tipo == "linea" && t.colore == rgb(colori_sicurezza::Collasso)) {
        EXPECT_FALSE(std::min(t.v[0], t.v[2]) < xa && std::max(t.v[0], t.v[2]) > xb);
      }
    }
    // Its foundation line, wider than its base.
    bool fondazione = false;
    for (const auto& t : s.tratti)
      fondazione = fondazione || (t.tipo == "linea" && t.v[0] < pila.xBaseSinistra && t.v[2] > pila.xBaseDestra);
    EXPECT_TRUE(fondazione);
  }
  // The slender pier rocks: its hinge at the base edge its face names.
  bool base = false;
  for (const Cerniera& c : p.r.meccanismo) {
    const PostoGiunto& posto = p.r.posti[static_cast<std::size_t>(c.giunto - 1)];
    if (posto.pila == 0 || c.tipo != TipoCerniera::Cerniera) continue;
    base = true;
    const PilaModello& pila = p.m.Pile[static_cast<std::size_t>(posto.pila - 1)];
    const double x = c.faccia == Faccia::Intradosso ? pila.xBaseSinistra : pila.xBaseDestra;
    const Long colore = rgb(c.faccia == Faccia::Intradosso ? colori_sicurezza::Intradosso : colori_sicurezza::Estradosso);
    int segni = 0;
    for (const auto& t : s.tratti) segni += t.tipo == "cerchio" && t.colore == colore && Vicini(t.v[0], x);
    EXPECT_EQ(segni, 2) << "pier " << posto.pila;
  }
  EXPECT_TRUE(base) << "the example's mechanism takes a pier";
}

TEST(StrutturaPonte, TheReportNamesJointsBySpanAndPier) {
  const Ponte& p = ponte();
  const NumeriRapporto num(p.reg);
  const int n1 = p.m.Campate[0].ultimo - p.m.Campate[0].primo + 2;
  const struct {
    int giunto;
    const char* nome;
  } casi[] = {{1, "span 1 joint 1"}, {n1, "span 1 joint 33"}, {n1 + 1, "span 2 joint 1"},
              {p.m.nConciTot + 3, "span 3 joint 33"}, {p.m.nConciTot + 4, "pier 1 base"},
              {p.m.nConciTot + 5, "pier 2 base"}};
  for (const auto& c : casi) EXPECT_EQ(NomeSezione(p.m, c.giunto, num), c.nome) << c.giunto;
  // A single arch keeps its numbers.
  ModelloArco arco;
  EXPECT_EQ(NomeSezione(arco, 17, num), "17");
}

}  // namespace
}  // namespace voro
