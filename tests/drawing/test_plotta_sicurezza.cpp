// The safety plot and the chart of the load sweep, recorded on a screen
// surface and in a CAD model space: the lines, hinges and marks they must show.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "data/ProjectFile.h"
#include "drawing/Colori.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "limite/Valutazione.h"

namespace voro {
namespace {

using prova::ContenitoreRegistrato;
using prova::SuperficieRegistrata;

Long rgb(Long indice) { return ValoreColore(ColoreIndice(indice)); }

struct Valutato {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  RisultatiSicurezza r;
  Regional reg = Regional::inglese();
  explicit Valutato(DatiProgetto dati, int posizioni = 21) : d(std::move(dati)) {
    CostruisciModello(d, m, msg);
    OpzioniSicurezza o;
    o.nPosizioni = posizioni;
    o.spessoreMinimo = false;
    ValutaSicurezza(d, m, msg, o, r);
  }
};

TEST(PlottaSicurezza, ShowsBothThrustLinesAndEachKindOfHinge) {
  Valutato v(prova::ponte());
  ASSERT_EQ(v.r.meccanismo.size(), 4u);
  RecordingMessages msg;
  Disegno g(msg);
  PlottaSicurezza plot(v.d, v.m, v.r, v.reg, g);
  SuperficieRegistrata s;
  ASSERT_TRUE(plot.PlottaVoro("VIDEO", &s));
  EXPECT_TRUE(msg.empty());
  // Each thrust line: a segment between consecutive joints (the legend adds one).
  const int n = v.m.nConciTot;
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Minima)), n + 1);
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Collasso)), n + 1);
  int intradosso = 0, estradosso = 0;
  for (const Cerniera& c : v.r.meccanismo) (c.faccia == Faccia::Intradosso ? intradosso : estradosso) += 2;
  // Two circles a hinge on the arch, one symbol in the legend.
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Intradosso)), intradosso + 1);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Estradosso)), estradosso + 1);
  // The hinges sit on the collapse line's points at the hinge joints.
  for (const Cerniera& c : v.r.meccanismo) {
    const auto j = static_cast<std::size_t>(c.giunto - 1);
    bool trovato = false;
    for (const auto& t : s.tratti)
      if (t.tipo == "cerchio") {
        // The surface receives the points in its own coordinates: the
        // ordinate as drawn, the abscissa as given.
        trovato = trovato || std::fabs(t.v[0] - v.r.lineaCollasso.x[j]) < 1e-9;
      }
    EXPECT_TRUE(trovato) << "joint " << c.giunto;
  }
  // On a CAD target the same drawing.
  ContenitoreRegistrato ms;
  g.Destinazione = "DWG";
  g.ModelSpaceCad = &ms;
  ASSERT_TRUE(plot.PlottaVoro("DWG", nullptr));
  EXPECT_EQ(ms.conta("CIRCLE"), 2 * 4 + 2 + static_cast<int>(v.r.contatti.size()));
}

// The Safety window's panel on a 1366 x 768 screen: its text is 12 pixels
// tall and 6 wide a character, whatever the drawing's scale.
struct PannelloPiccolo : SuperficieRegistrata {
  PannelloPiccolo() { W = w = 680, H = h = 300; }
  double LarghezzaTesto(const std::string& s) const override {
    return 6.0 * static_cast<double>(s.size()) * std::fabs(w) / W;
  }
  double AltezzaTesto(const std::string&) const override { return 12 * std::fabs(h) / H; }
};

// On a small panel the legend takes the lines its text needs: no text over
// another, none past the panel's right or bottom edge.
TEST(PlottaSicurezza, TheLegendFitsASmallPanelWithoutOverlaps) {
  DatiProgetto d = prova::ponte();
  d.ResistenzaAnello = 5;  // crushing: the legend's longest
  Valutato v(d);
  RecordingMessages msg;
  Disegno g(msg);
  PlottaSicurezza plot(v.d, v.m, v.r, v.reg, g);
  PannelloPiccolo s;
  ASSERT_TRUE(plot.PlottaVoro("VIDEO", &s));
  const double alto = s.AltezzaTesto("Ag"), sinistra = s.l, destra = s.l + std::fabs(s.w);
  const double cima = std::max(s.t, s.t + s.h), fondo = std::min(s.t, s.t + s.h);
  std::vector<std::array<double, 3>> testi;  // left, right, top
  for (const auto& t : s.tratti)
    if (t.tipo == "testo" && !t.testo.empty()) testi.push_back({t.v[0], t.v[0] + s.LarghezzaTesto(t.testo), t.v[1]});
  ASSERT_GE(testi.size(), 6u);
  // A double ring (two concentric circles, one half as wide again) for every
  // crushing hinge of the mechanism, and one more: the legend's symbol.
  ASSERT_FALSE(v.r.giuntiSchiacciati.empty());
  const auto anelli = std::count_if(v.r.meccanismo.begin(), v.r.meccanismo.end(),
                                    [](const Cerniera& c) { return c.tipo == TipoCerniera::Schiacciamento; });
  long doppi = 0;
  for (const auto& a : s.tratti)
    for (const auto& b : s.tratti)
      doppi += a.tipo == "cerchio" && b.tipo == "cerchio" && a.v[0] == b.v[0] && a.v[1] == b.v[1] &&
               std::fabs(b.v[2] - 1.5 * a.v[2]) < 1e-9 * std::fabs(a.v[2]);
  EXPECT_EQ(doppi, anelli + 1);
  for (std::size_t i = 0; i < testi.size(); ++i) {
    EXPECT_LE(testi[i][1], destra + 1e-9 * std::fabs(s.w)) << i;
    EXPECT_GE(testi[i][0], sinistra - 1e-9 * std::fabs(s.w)) << i;
    EXPECT_LE(testi[i][2], cima + 1e-9 * std::fabs(s.h)) << i;
    EXPECT_GE(testi[i][2] - alto, fondo - 1e-9 * std::fabs(s.h)) << i;
    for (std::size_t j = i + 1; j < testi.size(); ++j) {
      const bool accanto = testi[i][0] < testi[j][1] && testi[j][0] < testi[i][1];
      if (accanto) {
        EXPECT_GE(std::fabs(testi[i][2] - testi[j][2]), alto * 0.999) << i << " " << j;
      }
    }
  }
}

// One strength for the whole ring is stated as it is; segments of different
// masonry by the weakest, "fc >=".
TEST(PlottaSicurezza, TheStrengthIsStatedAsEqualOnlyWhereEveryVoussoirHasIt) {
  // A ring of one masonry; two segments (which carry their own fc) alike,
  // different, and one of unlimited strength.
  DatiProgetto anello = prova::ponte();
  anello.ResistenzaAnello = 5;
  auto segmenti = [](Single primo, Single secondo) {
    DatiProgetto d = prova::dueSegmenti(0.6, 0.6);
    d.Vori(1).Resistenza = primo;
    d.Vori(2).Resistenza = secondo;
    return d;
  };
  const std::pair<DatiProgetto, const char*> casi[] = {
      {anello, "fc = 5"}, {segmenti(5, 5), "fc = 5"}, {segmenti(3, 5), "fc >= 3"}, {segmenti(4, 0), "fc >= 4"}};
  for (const auto& [d, atteso] : casi) {
    Valutato v(d, 0);
    ASSERT_TRUE(v.r.resistenzaMinima) << atteso;
    EXPECT_EQ(TestoResistenza(v.d, v.m, v.r, Spoglio(v.reg.TestoSingle(static_cast<Single>(*v.r.resistenzaMinima)))),
              atteso);
  }
}

TEST(GraficoSpostamento, RoundStepsAndLinesCutAtTheTopOfTheChart) {
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(10, 5), 2);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(7.3, 8), 1);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(0.9, 4), 0.25);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(0, 4), 1);

  Valutato v(prova::ponte(), 41);
  ASSERT_TRUE(v.r.fattorePeggiore);
  RecordingMessages msg;
  Disegno g(msg);
  GraficoSpostamento grafico(v.r, v.m, v.reg, g);
  ContenitoreRegistrato ms;
  g.Destinazione = "DWG";
  g.ModelSpaceCad = &ms;
  ASSERT_TRUE(grafico.PlottaVoro("DWG", nullptr));
  // No line of the factors rises above the chart: at most eight times the
  // least factor, rounded up to the step of the axis and a little more.
  const double cima = 8 * *v.r.fattorePeggiore * 1.15 + GraficoSpostamento::PassoAsse(8 * *v.r.fattorePeggiore, 5);
  int linee = 0;
  for (const auto& e : ms.entita)
    if (e->tipo == "LINE") {
      ++linee;
      EXPECT_LE(e->v[1], cima);
      EXPECT_LE(e->v[3], cima);
    }
  EXPECT_GT(linee, 40);
  bool minimo = false;
  for (const auto& e : ms.entita) minimo = minimo || (e->tipo == "TEXT" && e->testo.rfind("least ", 0) == 0);
  EXPECT_TRUE(minimo);
  EXPECT_TRUE(msg.empty());
}

// The texts drawn on a recorded surface.
std::vector<std::string> Testi(const SuperficieRegistrata& s) {
  std::vector<std::string> t;
  for (const auto& x : s.tratti)
    if (x.tipo == "testo") t.push_back(x.testo);
  return t;
}

bool Contiene(const std::vector<std::string>& testi, const std::string& parte) {
  for (const auto& t : testi)
    if (t.find(parte) != std::string::npos) return true;
  return false;
}

TEST(GraficoSpostamento, WithoutASweepSaysSoAndDrawsNoAxes) {
  DatiProgetto d = prova::ponte();
  d.qCarico = 0;
  Valutato v(d);
  ASSERT_TRUE(v.r.posizioni.empty());
  RecordingMessages msg;
  Disegno g(msg);
  GraficoSpostamento grafico(v.r, v.m, v.reg, g);
  SuperficieRegistrata s;
  ASSERT_TRUE(grafico.PlottaVoro("VIDEO", &s));
  EXPECT_EQ(s.conta("linea"), 0);
  const auto testi = Testi(s);
  ASSERT_EQ(testi.size(), 1u);
  EXPECT_EQ(testi[0].rfind("No sweep: ", 0), 0u);
}

TEST(GraficoSpostamento, TheTicksHaveTheDecimalsOfTheirStep) {
  RisultatiSicurezza r;
  ModelloArco m;
  RecordingMessages msg;
  Disegno g(msg);
  const Regional reg = Regional::inglese();
  GraficoSpostamento grafico(r, m, reg, g);
  EXPECT_EQ(grafico.TestoTacca(0.2 + 0.2 + 0.2, 0.2), "0.6");
  EXPECT_EQ(grafico.TestoTacca(0, 0.25), "0.00");
  EXPECT_EQ(grafico.TestoTacca(1500, 250), "1500");
  EXPECT_EQ(grafico.TestoTacca(-1e-17, 0.5), "0.0");
}

// The shallow example: only the two end positions make the arch collapse.
TEST(GraficoSpostamento, AFactorFoundOnlyAtTheEndsIsMarkedWithTheMechanismThere) {
  DatiProgetto d;
  RecordingMessages letti;
  LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/examples/arco-ribassato-spinta.vro", d, letti);
  Valutato v(d, 50);
  int finiti = 0;
  for (const auto& p : v.r.posizioni) finiti += p.fattore.has_value();
  ASSERT_EQ(finiti, 2);
  ASSERT_EQ(v.r.meccanismoPeggiore.size(), 4u);
  RecordingMessages msg;
  Disegno g(msg);
  GraficoSpostamento grafico(v.r, v.m, v.reg, g);
  SuperficieRegistrata s;
  ASSERT_TRUE(grafico.PlottaVoro("VIDEO", &s));
  EXPECT_TRUE(msg.empty());
  // Each factor, with no neighbour to join, a cross of two strokes in blue.
  const int n = v.m.nConciTot;
  EXPECT_EQ(s.conta("linea", rgb(5)), 2 * finiti);
  // The mechanism: the collapse line across every joint and its four hinges.
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Collasso)), n + 2);
  int intradosso = 0, estradosso = 0;
  for (const Cerniera& c : v.r.meccanismoPeggiore) ++(c.faccia == Faccia::Intradosso ? intradosso : estradosso);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Intradosso)), intradosso);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Estradosso)), estradosso);
  const auto testi = Testi(s);
  EXPECT_TRUE(Contiene(testi, "Mechanism at the worst position:"));
  EXPECT_TRUE(Contiene(testi, "strip from x = -0.300 to 4.700 m"));
  EXPECT_TRUE(Contiene(testi, "least 1313.662 at xq1 = -0.300 m"));
  // A safe arch carries no warning.
  EXPECT_EQ(s.conta("riempi", rgb(kColoreAvviso)), 0);
}

TEST(GraficoSpostamento, AnArchThatDoesNotStandOrCarryItsLoadIsFlagged) {
  // Ten times the variable load: the worst factor falls below 1.
  DatiProgetto pesante = prova::ponte();
  pesante.qCarico *= 10;
  Valutato v(pesante);
  ASSERT_TRUE(v.r.ammissibile);
  ASSERT_LT(*v.r.fattorePeggiore, 1);
  const auto avviso = AvvisoSicurezza(v.r, v.reg);
  ASSERT_TRUE(avviso);
  EXPECT_EQ(avviso->rfind("UNSAFE: live-load factor " + TestoFattore(v.reg, *v.r.fattorePeggiore) + " below 1", 0), 0u);
  RecordingMessages msg;
  Disegno g(msg);
  GraficoSpostamento grafico(v.r, v.m, v.reg, g);
  SuperficieRegistrata s;
  ASSERT_TRUE(grafico.PlottaVoro("VIDEO", &s));
  EXPECT_EQ(s.conta("riempi", rgb(kColoreAvviso)), 1);
  bool parole = false;
  const std::string breve = *AvvisoSicurezza(v.r, v.reg, true);
  EXPECT_EQ(avviso->rfind(breve, 0), 0u);
  for (const auto& t : s.tratti) parole = parole || (t.tipo == "testo" && t.testo == breve && t.colore == rgb(0));
  EXPECT_TRUE(parole);

  // A ring too thin for any thrust line within it.
  DatiProgetto sottile = prova::ponte();
  sottile.SpessoreAnello = 0.05f;
  Valutato w(sottile);
  ASSERT_FALSE(w.r.ammissibile);
  const auto no = AvvisoSicurezza(w.r, w.reg);
  ASSERT_TRUE(no);
  EXPECT_EQ(no->rfind("NOT ADMISSIBLE", 0), 0u);
  SuperficieRegistrata t;
  Disegno h(msg);
  PlottaSicurezza plot(w.d, w.m, w.r, w.reg, h);
  ASSERT_TRUE(plot.PlottaVoro("VIDEO", &t));
  EXPECT_EQ(t.conta("riempi", rgb(kColoreAvviso)), 1);
}

}  // namespace
}  // namespace voro
