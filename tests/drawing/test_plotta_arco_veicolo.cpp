// The project's vehicle in the arch plot: on the road at mid-span or at the
// worst position of an assessment, its axles and their spread drawn with the
// loads and named under the title; without a vehicle the plot as before.
#include <gtest/gtest.h>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "arch/CaricaConci.h"
#include "drawing/Colori.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoVeicolo.h"
#include "drawing/PlottaArco.h"
#include "limite/PercorsoVeicolo.h"

namespace voro {
namespace {

using prova::SuperficieRegistrata;

Long rgb(Long indice) { return ValoreColore(ColoreIndice(indice)); }

DatiProgetto ponteConTandem() {
  DatiProgetto d = prova::ponte();
  d.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  return d;
}

struct Plot {
  prova::Caso caso;
  RecordingMessages msg;
  Disegno d{msg};
  Regional reg = Regional::inglese();
  PlottaArco plot{caso.dati, caso.modello, caso.risultati, reg, d};
  Plot(DatiProgetto dati, int modo) : caso(std::move(dati)) { plot.PlottaGeometria = modo; }

  SuperficieRegistrata disegna() {
    SuperficieRegistrata s;
    EXPECT_TRUE(plot.PlottaVoro("VIDEO", &s));
    EXPECT_TRUE(msg.empty());
    return s;
  }
};

std::vector<std::string> testi(const SuperficieRegistrata& s) {
  std::vector<std::string> t;
  for (const auto& x : s.tratti)
    if (x.tipo == "testo") t.push_back(x.testo);
  return t;
}

int conta(const std::vector<std::string>& t, const std::string& testo) {
  return static_cast<int>(std::count(t.begin(), t.end(), testo));
}

TEST(PlottaArcoVeicolo, AtMidSpanDrivenForwardWithTheLoadsAsGiven) {
  Plot p(ponteConTandem(), 2);
  const SuperficieRegistrata senza = p.disegna();
  p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
  ASSERT_TRUE(p.plot.Veicolo);
  const VeicoloSullaStrada& v = *p.plot.Veicolo;
  // The ring spans x = 0 .. 10: the first axle at 5, the second 1.2 m on.
  EXPECT_NEAR(v.x, 5, 1e-9);
  EXPECT_EQ(v.verso, Verso::Avanti);
  EXPECT_FALSE(v.fattorePeggiore);
  ASSERT_EQ(v.veicolo.assi.size(), 2u);
  EXPECT_NEAR(v.veicolo.assi[1].x - v.veicolo.assi[0].x, 1.2, 1e-6);
  // The 1:2 rule widens each contact by the depth of fill and slab under it;
  // at the crown, by the symmetry of the ring, both halves alike.
  for (const ImprontaAsse& a : v.veicolo.assi) {
    EXPECT_GT(a.h, 0.7 - 1e-6);  // at least the fill and slab over the crown
    EXPECT_NEAR(a.x2 - a.x1, a.a + a.h, 1e-9);
    EXPECT_NEAR(a.x1 + a.x2, 2 * a.x, 1e-9);
  }

  const SuperficieRegistrata con = p.disegna();
  // Each axle: its spread (four sides) in green, its arrow (three strokes).
  EXPECT_EQ(con.conta("linea", rgb(13)), 4 * 2);
  EXPECT_EQ(con.conta("linea", rgb(11)), 3 * 2);
  EXPECT_EQ(senza.conta("linea", rgb(13)) + senza.conta("linea", rgb(11)), 0);
  EXPECT_EQ(con.conta("linea"), senza.conta("linea") + 8 + 6);
  const auto t = testi(con);
  EXPECT_EQ(conta(t, "300.00 kN"), 2);  // the loads as given: no factor here, kN to 0.01 as the report
  EXPECT_EQ(conta(t, "LM1 tandem: first axle at mid-span, x = 5.000 m, driven forward"), 1);
  EXPECT_EQ(t.size(), testi(senza).size() + 3);
}

TEST(PlottaArcoVeicolo, TheWorstPositionOfTheAssessmentIsNamedWithItsFactor) {
  prova::Caso c(ponteConTandem());
  CaricaConci(c.dati, c.modello, c.messaggi);
  RisultatiVeicolo r;
  ASSERT_TRUE(PercorriVeicolo(c.dati, c.modello, 0.05, nullptr, r));
  ASSERT_TRUE(r.fattorePeggiore);

  Plot p(ponteConTandem(), 2);
  p.plot.Veicolo = VeicoloPeggiore(p.caso.dati, p.caso.modello, r);
  ASSERT_TRUE(p.plot.Veicolo);
  EXPECT_EQ(p.plot.Veicolo->x, r.xPeggiore);
  EXPECT_EQ(p.plot.Veicolo->fattorePeggiore, r.fattorePeggiore);
  // The axles where the sweep found the collapse.
  ASSERT_EQ(p.plot.Veicolo->veicolo.assi.size(), r.assiPeggiori.size());
  for (std::size_t k = 0; k < r.assiPeggiori.size(); ++k) {
    EXPECT_NEAR(p.plot.Veicolo->veicolo.assi[k].x1, r.assiPeggiori[k].x1, 1e-9);
    EXPECT_NEAR(p.plot.Veicolo->veicolo.assi[k].x2, r.assiPeggiori[k].x2, 1e-9);
  }
  const auto t = testi(p.disegna());
  // Metres and factors to three decimals, as the Safety window and the report print them.
  const std::string numero = TestoMetri(p.reg, r.xPeggiore);
  const std::string fattore = TestoFattore(p.reg, *r.fattorePeggiore);
  EXPECT_EQ(conta(t, "LM1 tandem: worst position of the safety assessment, first axle at x = " + numero +
                         " m, driven forward (live-load factor " + fattore + " under the characteristic loads)"),
            1);
  EXPECT_EQ(conta(t, "300.00 kN"), 2);

  // A sweep that found no collapse leaves the vehicle at mid-span.
  r.fattorePeggiore.reset();
  const auto v = VeicoloPeggiore(p.caso.dati, p.caso.modello, r);
  ASSERT_TRUE(v);
  EXPECT_NEAR(v->x, 5, 1e-9);
  EXPECT_FALSE(v->fattorePeggiore);
}

TEST(PlottaArcoVeicolo, ResultsModeDrawsItTooAndGeometryModeDoesNot) {
  Plot r(ponteConTandem(), 0);
  r.caso.risolvi();
  const SuperficieRegistrata senza = r.disegna();
  r.plot.Veicolo = VeicoloAMetaLuce(r.caso.dati, r.caso.modello);
  const SuperficieRegistrata con = r.disegna();
  EXPECT_EQ(con.conta("linea", rgb(13)), 8);
  EXPECT_EQ(con.conta("linea"), senza.conta("linea") + 8 + 6);
  // The thrust line and the exploded view stay as they were.
  EXPECT_EQ(con.conta("cerchio"), senza.conta("cerchio"));

  // Geometry only: no loads, so no vehicle; the same drawing stroke by stroke.
  Plot g(ponteConTandem(), 1);
  const SuperficieRegistrata prima = g.disegna();
  g.plot.Veicolo = VeicoloAMetaLuce(g.caso.dati, g.caso.modello);
  const SuperficieRegistrata dopo = g.disegna();
  ASSERT_EQ(dopo.tratti.size(), prima.tratti.size());
  for (std::size_t i = 0; i < prima.tratti.size(); ++i) EXPECT_EQ(dopo.tratti[i].v, prima.tratti[i].v);
}

// Axles closer than their loads' texts are wide: the loads on separate
// lines, never one over the other, in the colour of the other texts.
TEST(PlottaArcoVeicolo, CloseAxlesKeepTheirLoadsApart) {
  DatiProgetto d = ponteConTandem();
  d.VeicoloCarico->Assi[1].d = 0.3f;  // the texts are 0.9 m wide on the recording surface
  d.VeicoloCarico->Assi.push_back({300, 0.6f, 0.4f});
  Plot p(d, 2);
  p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
  std::vector<std::pair<double, double>> carichi;  // (x, y) of each load's text
  for (const auto& x : p.disegna().tratti)
    if (x.tipo == "testo" && x.testo == "300.00 kN") {
      carichi.push_back({x.v[0], x.v[1]});
      EXPECT_EQ(x.colore, rgb(1));  // as the other texts, not the arrows' dark red
    }
  ASSERT_EQ(carichi.size(), 3u);
  for (std::size_t i = 0; i < carichi.size(); ++i)
    for (std::size_t j = i + 1; j < carichi.size(); ++j)
      if (std::fabs(carichi[i].first - carichi[j].first) < 0.9) {
        EXPECT_NE(carichi[i].second, carichi[j].second);
      }
}

// Over the three-hinged line, which reads the strip load alone, the vehicle
// is drawn with a legend that says the line leaves it out; over the loads
// alone it needs no such word.
TEST(PlottaArcoVeicolo, TheResultsPlotSaysItsThrustLineLeavesTheVehicleOut) {
  const std::string nota = "The thrust line and the stresses drawn leave the vehicle out: the Safety window assesses it";
  for (const int modo : {0, 2}) {
    Plot p(ponteConTandem(), modo);
    if (modo == 0) p.caso.risolvi();
    p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
    bool detto = false;
    for (const std::string& t : testi(p.disegna())) detto = detto || t.find(nota) != std::string::npos;
    EXPECT_EQ(detto, modo == 0) << modo;
  }
}

TEST(PlottaArcoVeicolo, NoVehicleNoPosition) {
  prova::Caso c(prova::ponte());
  EXPECT_FALSE(VeicoloAMetaLuce(c.dati, c.modello));
  EXPECT_FALSE(VeicoloPeggiore(c.dati, c.modello, RisultatiVeicolo{}));
  // Nor before the voussoirs exist.
  EXPECT_FALSE(VeicoloAMetaLuce(ponteConTandem(), ModelloArco{}));
}

TEST(PlottaArcoVeicolo, ALongVehicleCarriesTheRoadBeyondTheStructure) {
  DatiProgetto d = ponteConTandem();
  d.VeicoloCarico->Assi.push_back({200, 9, 0.4f});  // 4 m past the right end
  Plot p(d, 2);
  p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
  const SuperficieRegistrata s = p.disegna();
  EXPECT_GT(p.plot.xMaxPlt, p.caso.modello.xMaxStruttura + 3.9);
  EXPECT_EQ(p.plot.xMinPlt, p.caso.modello.xMinStruttura);
  EXPECT_EQ(s.conta("linea", rgb(13)), 4 * 3);
  EXPECT_EQ(conta(testi(s), "200.00 kN"), 1);
}

// The chart of the vehicle's sweep: it reaches the largest factor unless that
// soars beyond eight times the least (it was cut at four, hiding a peak of
// 11.17 over a least of 1.615); its axes have titles, and the least factor's
// label stands under the axis, where no curve runs through it.
TEST(PlottaArcoVeicolo, TheSweepChartShowsItsWholeCurveAndLabelsOffIt) {
  prova::Caso c(ponteConTandem());
  CaricaConci(c.dati, c.modello, c.messaggi);
  RisultatiVeicolo r;
  ASSERT_TRUE(PercorriVeicolo(c.dati, c.modello, 0.1, nullptr, r));
  ASSERT_TRUE(r.fattorePeggiore);
  double massimo = 0;
  for (const PosizioneVeicolo& q : r.posizioni)
    if (q.fattore) massimo = std::max(massimo, *q.fattore);
  EXPECT_DOUBLE_EQ(AltoGrafico(massimo, r.fattorePeggiore), std::min(massimo, 8 * *r.fattorePeggiore));
  EXPECT_DOUBLE_EQ(AltoGrafico(100, 2.0), 16);
  EXPECT_DOUBLE_EQ(AltoGrafico(0.5, std::nullopt), 1);

  RecordingMessages msg;
  Disegno g(msg);
  const Regional inglese = Regional::inglese();
  GraficoVeicolo grafico(r, inglese, g);
  prova::ContenitoreRegistrato ms;
  g.Destinazione = "DWG";
  g.ModelSpaceCad = &ms;
  ASSERT_TRUE(grafico.PlottaVoro("DWG", nullptr));
  double alto = 0;
  bool titolo = false, minimo = false;
  for (const auto& e : ms.entita) {
    if (e->tipo == "LINE") alto = std::max({alto, e->v[1], e->v[3]});
    if (e->tipo != "TEXT") continue;
    titolo = titolo || e->testo == "live-load factor λ";
    if (e->testo.rfind("least ", 0) == 0) minimo = e->v[1] < 0;
  }
  EXPECT_GE(alto, std::min(massimo, 8 * *r.fattorePeggiore) - 1e-9);
  EXPECT_TRUE(titolo);
  EXPECT_TRUE(minimo);
}

}  // namespace
}  // namespace voro
