// The safety plot and the chart of the load sweep, on a screen and in CAD:
// their lines, hinges and marks; the three-span bridge drawn whole, the line
// broken at the piers, a pier rocking about its base edge, the joints named.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "../limite/Valutato.h"
#include "Registratori.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/StrutturaPonte.h"
#include "limite/Valutazione.h"
#include "report/NumeriRapporto.h"
#include "report/SezioneValutazione.h"

namespace voro {
namespace {

// A project assessed with a sweep of the strip load over the given positions, and its drawings.
struct Disegnato : Valutato {
  Regional reg = Regional::inglese();
  explicit Disegnato(DatiProgetto dati, int posizioni = 21) : Valutato(std::move(dati), posizioni, false) {}
  // The safety plot, or the chart of the sweep, on a surface or else in CAD, without a message.
  void disegna(SuperficieRegistrata* s, ContenitoreRegistrato* ms = nullptr, bool grafico = false) const {
    RecordingMessages avvisi;
    Disegno g(avvisi);
    const std::string destinazione = s ? "VIDEO" : "DWG";
    g.Destinazione = destinazione, g.ModelSpaceCad = ms;
    EXPECT_TRUE(grafico ? GraficoSpostamento(r, m, reg, g).PlottaVoro(destinazione, s)
                        : PlottaSicurezza(d, m, r, reg, g).PlottaVoro(destinazione, s));
    EXPECT_TRUE(avvisi.empty());
  }
  void grafico(SuperficieRegistrata* s, ContenitoreRegistrato* ms = nullptr) const { disegna(s, ms, true); }
};

TEST(PlottaSicurezza, ShowsBothThrustLinesAndEachKindOfHinge) {
  Disegnato v(prova::ponte());
  ASSERT_EQ(v.r.meccanismo.size(), 4u);
  SuperficieRegistrata s;
  v.disegna(&s);
  // Each thrust line: a segment between consecutive joints (the legend adds one).
  const int n = v.m.nConciTot;
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Minima)), n + 1);
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Collasso)), n + 1);
  int intradosso = 0, estradosso = 0;
  for (const Cerniera& c : v.r.meccanismo) (c.faccia == Faccia::Intradosso ? intradosso : estradosso) += 2;
  // Two circles a hinge on the arch, one symbol in the legend.
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Intradosso)), intradosso + 1);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Estradosso)), estradosso + 1);
  // The hinges on the collapse line at their joints (the surface receives each abscissa as given).
  for (const Cerniera& c : v.r.meccanismo) {
    const double x = v.r.lineaCollasso.x[static_cast<std::size_t>(c.giunto - 1)];
    EXPECT_TRUE(std::any_of(s.tratti.begin(), s.tratti.end(),
                            [&](const auto& t) { return t.tipo == "cerchio" && std::fabs(t.v[0] - x) < 1e-9; }))
        << "joint " << c.giunto;
  }
  // On a CAD target the same drawing.
  ContenitoreRegistrato ms;
  v.disegna(nullptr, &ms);
  EXPECT_EQ(ms.conta("CIRCLE"), 2 * 4 + 2 + static_cast<int>(v.r.contatti.size()));
}

// The Safety window's panel at 1366 x 768: text 12 pixels tall and 6 wide a character, at any scale.
struct PannelloPiccolo : SuperficieRegistrata {
  PannelloPiccolo() { W = w = 680, H = h = 300; }
  double LarghezzaTesto(const std::string& s) const override {
    return 6.0 * static_cast<double>(s.size()) * std::fabs(w) / W;
  }
  double AltezzaTesto(const std::string&) const override { return 12 * std::fabs(h) / H; }
};

// On a small panel the legend takes the lines it needs: no text over another nor past the panel's edges.
TEST(PlottaSicurezza, TheLegendFitsASmallPanelWithoutOverlaps) {
  DatiProgetto d = prova::ponte();
  d.ResistenzaAnello = 5;  // crushing: the legend's longest
  Disegnato v(d);
  PannelloPiccolo s;
  v.disegna(&s);
  const double alto = s.AltezzaTesto("Ag"), sinistra = s.l, destra = s.l + std::fabs(s.w);
  const double cima = std::max(s.t, s.t + s.h), fondo = std::min(s.t, s.t + s.h);
  std::vector<std::array<double, 3>> testi;  // left, right, top
  for (const auto& t : s.tratti)
    if (t.tipo == "testo" && !t.testo.empty()) testi.push_back({t.v[0], t.v[0] + s.LarghezzaTesto(t.testo), t.v[1]});
  ASSERT_GE(testi.size(), 6u);
  // A double ring (concentric, one half as wide again) for each crushing hinge, one more in the legend.
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
    const double ex = 1e-9 * std::fabs(s.w), ey = 1e-9 * std::fabs(s.h);
    EXPECT_TRUE(testi[i][0] >= sinistra - ex && testi[i][1] <= destra + ex) << i;
    EXPECT_TRUE(testi[i][2] - alto >= fondo - ey && testi[i][2] <= cima + ey) << i;
    for (std::size_t j = i + 1; j < testi.size(); ++j) {
      const bool accanto = testi[i][0] < testi[j][1] && testi[j][0] < testi[i][1];
      if (accanto) {
        EXPECT_GE(std::fabs(testi[i][2] - testi[j][2]), alto * 0.999) << i << " " << j;
      }
    }
  }
}

// One strength for the whole ring is stated as it is; segments of different masonry by the weakest, "fc >=".
TEST(PlottaSicurezza, TheStrengthIsStatedAsEqualOnlyWhereEveryVoussoirHasIt) {
  DatiProgetto anello = prova::ponte();
  anello.ResistenzaAnello = 5;
  auto segmenti = [](Single primo, Single secondo) {
    DatiProgetto d = prova::dueSegmenti(0.6, 0.6);
    d.Vori(1).Resistenza = primo, d.Vori(2).Resistenza = secondo;
    return d;
  };
  // Alike, different, and one of unlimited strength.
  const std::pair<DatiProgetto, const char*> casi[] = {
      {anello, "fc = 5"}, {segmenti(5, 5), "fc = 5"}, {segmenti(3, 5), "fc >= 3"}, {segmenti(4, 0), "fc >= 4"}};
  for (const auto& [d, atteso] : casi) {
    Disegnato v(d, 0);
    ASSERT_TRUE(v.r.resistenzaMinima) << atteso;
    EXPECT_EQ(TestoResistenza(v.d, v.m, v.r, Spoglio(v.reg.TestoSingle(static_cast<Single>(*v.r.resistenzaMinima)))),
              atteso);
  }
}

TEST(GraficoSpostamento, RoundStepsTicksAndLinesCutAtTheTopOfTheChart) {
  for (const auto& [alto, tacche, passo] : {std::tuple{10.0, 5, 2.0}, {7.3, 8, 1.0}, {0.9, 4, 0.25}, {0.0, 4, 1.0}})
    EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(alto, tacche), passo) << alto;
  Disegnato v(prova::ponte(), 41);
  ASSERT_TRUE(v.r.fattorePeggiore);
  // The ticks have the decimals of their step.
  Disegno g(v.msg);
  const GraficoSpostamento grafico(v.r, v.m, v.reg, g);
  for (const auto& [valore, passo, testo] :
       {std::tuple{0.2 + 0.2 + 0.2, 0.2, "0.6"}, {0.0, 0.25, "0.00"}, {1500.0, 250.0, "1500"}, {-1e-17, 0.5, "0.0"}})
    EXPECT_EQ(grafico.TestoTacca(valore, passo), testo) << valore;
  ContenitoreRegistrato ms;
  v.grafico(nullptr, &ms);
  // No factor's line rises above the chart: eight times the least, up to the axis' step, and a little.
  const double cima = 8 * *v.r.fattorePeggiore * 1.15 + GraficoSpostamento::PassoAsse(8 * *v.r.fattorePeggiore, 5);
  int linee = 0;
  bool minimo = false;
  for (const auto& e : ms.entita) {
    if (e->tipo == "LINE") {
      ++linee;
      EXPECT_LE(std::max(e->v[1], e->v[3]), cima);
    }
    minimo = minimo || (e->tipo == "TEXT" && e->testo.rfind("least ", 0) == 0);
  }
  EXPECT_GT(linee, 40);
  EXPECT_TRUE(minimo);
}

// The shallow example: only the two end positions make the arch collapse.
TEST(GraficoSpostamento, AFactorFoundOnlyAtTheEndsIsMarkedWithTheMechanismThere) {
  Disegnato v(prova::leggi("examples/arco-ribassato-spinta.vro"), 50);
  int finiti = 0;
  for (const auto& p : v.r.posizioni) finiti += p.fattore.has_value();
  ASSERT_EQ(finiti, 2);
  ASSERT_EQ(v.r.meccanismoPeggiore.size(), 4u);
  SuperficieRegistrata s;
  v.grafico(&s);
  // Each factor, with no neighbour to join, a cross of two strokes in blue.
  EXPECT_EQ(s.conta("linea", rgb(5)), 2 * finiti);
  // The mechanism: the collapse line across every joint and its four hinges.
  EXPECT_EQ(s.conta("linea", rgb(colori_sicurezza::Collasso)), v.m.nConciTot + 2);
  int intradosso = 0, estradosso = 0;
  for (const Cerniera& c : v.r.meccanismoPeggiore) ++(c.faccia == Faccia::Intradosso ? intradosso : estradosso);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Intradosso)), intradosso);
  EXPECT_EQ(s.conta("cerchio", rgb(colori_sicurezza::Estradosso)), estradosso);
  for (const char* t : {"Mechanism at the worst position:", "strip from x = -0.300 to 4.700 m",
                        "least 1313.662 at xq1 = -0.300 m"})
    EXPECT_TRUE(s.haTesto(t)) << t;
  // A safe arch carries no warning.
  EXPECT_EQ(s.conta("riempi", rgb(kColoreAvviso)), 0);
}

TEST(GraficoSpostamento, AnArchThatDoesNotStandOrCarryItsLoadIsFlaggedAndOneWithoutASweepSaysSo) {
  // Ten times the variable load: the worst factor falls below 1.
  DatiProgetto pesante = prova::ponte();
  pesante.qCarico *= 10;
  Disegnato v(pesante);
  ASSERT_TRUE(v.r.ammissibile);
  ASSERT_LT(*v.r.fattorePeggiore, 1);
  const std::string avviso = AvvisoSicurezza(v.r, v.reg).value_or("");
  EXPECT_EQ(avviso.rfind("UNSAFE: live-load factor " + TestoFattore(v.reg, *v.r.fattorePeggiore) + " below 1", 0), 0u);
  SuperficieRegistrata s;
  v.grafico(&s);
  EXPECT_EQ(s.conta("riempi", rgb(kColoreAvviso)), 1);
  const std::string breve = *AvvisoSicurezza(v.r, v.reg, true);
  EXPECT_EQ(avviso.rfind(breve, 0), 0u);
  EXPECT_TRUE(std::any_of(s.tratti.begin(), s.tratti.end(),
                          [&](const auto& t) { return t.tipo == "testo" && t.testo == breve && t.colore == rgb(0); }));
  // A ring too thin for any thrust line within it.
  DatiProgetto sottile = prova::ponte();
  sottile.SpessoreAnello = 0.05f;
  Disegnato w(sottile);
  ASSERT_FALSE(w.r.ammissibile);
  EXPECT_EQ(AvvisoSicurezza(w.r, w.reg).value_or("").rfind("NOT ADMISSIBLE", 0), 0u);
  SuperficieRegistrata t;
  w.disegna(&t);
  EXPECT_EQ(t.conta("riempi", rgb(kColoreAvviso)), 1);
  // Without a live load the chart has no sweep: it says so and draws no axes.
  DatiProgetto scarico = prova::ponte();
  scarico.qCarico = 0;
  Disegnato u(scarico);
  ASSERT_TRUE(u.r.posizioni.empty());
  SuperficieRegistrata c;
  u.grafico(&c);
  EXPECT_EQ(c.conta("linea"), 0);
  EXPECT_EQ(c.conta("testo"), 1);
  EXPECT_TRUE(c.haTesto("No sweep: "));
}

bool Vicini(double a, double b) { return std::fabs(a - b) < 1e-9; }

TEST(StrutturaPonte, EveryJointOnItsMasonryTheLineBrokenAtThePiersAndAPierRockingAboutItsEdge) {
  const Disegnato p(prova::leggi("examples/ponti/ponte-tre-campate.vro"), 0);
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
      // A span's springing is its first voussoir's left joint, any other the right joint of the one before.
      const Concio& k = p.m.Conci(posto.giunto == 1 ? c.primo : c.primo + posto.giunto - 2);
      EXPECT_TRUE(Vicini(xi, k.x(posto.giunto == 1 ? 1 : 2)) && Vicini(xe, k.x(posto.giunto == 1 ? 4 : 3))) << g;
    }
  }
  double x = 0;
  EXPECT_FALSE(EstremiGiunto(p.m, giunti + 1, x, x, x, x));
  EXPECT_FALSE(EstremiGiunto(p.m, 0, x, x, x, x));
  // The report names them by span and pier; a single arch keeps its numbers.
  const NumeriRapporto num(p.reg);
  const int n1 = p.m.Campate[0].ultimo - p.m.Campate[0].primo + 2;
  const std::pair<int, const char*> nomi[] = {{1, "span 1 joint 1"},       {n1, "span 1 joint 33"},
                                              {n1 + 1, "span 2 joint 1"},   {p.m.nConciTot + 3, "span 3 joint 33"},
                                              {giunti - 1, "pier 1 base"}, {giunti, "pier 2 base"}};
  for (const auto& [giunto, nome] : nomi) EXPECT_EQ(NomeSezione(p.m, giunto, num), nome) << giunto;
  EXPECT_EQ(NomeSezione(ModelloArco{}, 17, num), "17");
  ASSERT_EQ(p.r.esitoCarico, EsitoCarico::Finito);
  SuperficieRegistrata s;
  p.disegna(&s);
  // One segment between consecutive joints of each span, none across a pier (the legend adds one).
  const Long collasso = rgb(colori_sicurezza::Collasso);
  EXPECT_EQ(s.conta("linea", collasso), p.m.nConciTot + 1);
  for (const PilaModello& pila : p.m.Pile) {
    const double xa = p.m.Conci(pila.concioSinistro).x(2), xb = p.m.Conci(pila.concioDestro).x(1);
    bool fondazione = false;  // its foundation line, wider than its base
    for (const auto& t : s.tratti) {
      if (t.tipo != "linea") continue;
      EXPECT_FALSE(t.colore == collasso && std::min(t.v[0], t.v[2]) < xa && std::max(t.v[0], t.v[2]) > xb);
      fondazione = fondazione || (t.v[0] < pila.xBaseSinistra && t.v[2] > pila.xBaseDestra);
    }
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

}  // namespace
}  // namespace voro
