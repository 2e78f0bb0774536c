// The arch plot in its three modes on a screen, a printer and in CAD, against the model and solution it
// draws: the printed dimensions, and the vehicle at mid-span or at the worst position of an assessment.
#include <gtest/gtest.h>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "arch/CaricaConci.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoVeicolo.h"
#include "drawing/PlottaArco.h"
#include "drawing/QuoteArco.h"
#include "limite/PercorsoVeicolo.h"

namespace voro {
namespace {

// Geometry (1), loads (2) or results (0) of a project.
struct Plot {
  prova::Caso caso;
  RecordingMessages msg;
  Disegno d{msg};
  Regional reg = Regional::inglese();
  PlottaArco plot{caso.dati, caso.modello, caso.risultati, reg, d};
  Plot(DatiProgetto dati, int modo) : caso(std::move(dati)) { plot.PlottaGeometria = modo; }
  SuperficieRegistrata disegna(const std::string& destinazione = "VIDEO") {
    SuperficieRegistrata s;
    EXPECT_TRUE(plot.PlottaVoro(destinazione, &s));
    EXPECT_TRUE(msg.empty());
    return s;
  }
  void cad(ContenitoreRegistrato& ms) {
    d.Destinazione = "DWG", d.ModelSpaceCad = &ms;
    ASSERT_TRUE(plot.PlottaVoro("DWG", nullptr));
  }
};

TEST(PlottaArco, GeometryModeShowsTheVoussoirsWallsAndPlanAndLoadsModeTheLoadBlock) {
  Plot p(prova::ponte(), 1);
  const SuperficieRegistrata s = p.disegna();
  const auto& m = p.caso.modello;
  const int walls = m.nConciPareteSinistra + m.nConciPareteDestra;
  // Outlines and plan: four segments each; the fill and slab lines.
  EXPECT_EQ(s.conta("linea", rgb(1)), 4 * m.nConciTot + 4 * (m.nConciTot + walls) + 2 + 1);
  EXPECT_GE(s.conta("linea", rgb(8)), 4 * walls + 2);
  EXPECT_EQ(s.conta("cerchio"), 0);
  for (const char* t : {"PLAN VIEW", "\xCE\xB3", "m = 18 kN/m³"}) EXPECT_TRUE(s.haTesto(t)) << t;  // gamma
  EXPECT_FALSE(s.haTesto("q="));
  // The load block: its outline and vertical hatch lines in magenta, and its value.
  for (const Single q : {10.0f, 0.0f}) {
    DatiProgetto d = prova::ponte();
    d.qCarico = q;
    const SuperficieRegistrata c = Plot(d, 2).disegna();
    EXPECT_EQ(c.haTesto(" q=10 kN/m²"), q > 0);
    EXPECT_FALSE(c.haTesto("Q="));
    EXPECT_EQ(c.conta("linea", rgb(6)) > 4, q > 0);
    EXPECT_EQ(c.conta("linea", rgb(6)) == 0, q == 0);
  }
}

TEST(PlottaArco, ResultsModeDrawsTheSolutionsThrustLineHingesAndOnRequestTheArrows) {
  Plot p(prova::ponte(), 0);
  p.caso.risolvi();
  ContenitoreRegistrato ms;
  p.cad(ms);
  const auto& m = p.caso.modello;
  const auto& r = p.caso.risultati;
  const prova::EntitaRegistrata* thrust = nullptr;
  int hinges = 0, sigmaLabels = 0;
  for (const auto& e : ms.entita) {
    if (e->tipo == "LWPOLYLINE" && e->colore == 5 && !thrust) thrust = e.get();
    hinges += e->tipo == "CIRCLE" && e->colore == 5;
    sigmaLabels += e->tipo == "TEXT" && e->testo == "\xCF\x83";
  }
  ASSERT_TRUE(thrust);
  ASSERT_EQ(thrust->v.size(), 2u * m.nGiunti);
  EXPECT_DOUBLE_EQ(thrust->v[0], r.xCerniera[0]);
  EXPECT_DOUBLE_EQ(thrust->v[1], r.yCerniera[0]);
  for (int i = 1; i <= m.nConciTot; ++i) {
    EXPECT_DOUBLE_EQ(thrust->v[2 * i], m.Conci(i).x_Fun);
    EXPECT_DOUBLE_EQ(thrust->v[2 * i + 1], m.Conci(i).y_Fun);
  }
  EXPECT_EQ(hinges, 6);  // on the arch and in the exploded view
  EXPECT_EQ(sigmaLabels, 2);
  EXPECT_EQ(ms.conta("SOLID"), 0);  // no view flag: no arrows
  // The flag adds the reactions' and the voussoirs' arrows.
  p.plot.Visualizza[1] = true;
  ContenitoreRegistrato frecce;
  p.cad(frecce);
  EXPECT_EQ(frecce.conta("SOLID"), m.nConciTot + 2);
}

TEST(PlottaArco, FailuresEndTheDrawingWithItsMessage) {
  // Results mode never solved; no compressed joint edge, where the stress scale divides by zero;
  // all stresses negative, the diagrams on their base line, and nothing fails.
  for (const Single sigma : {1.0f, 0.0f, -1.0f}) {
    Plot p(prova::ponte(), 0);
    if (sigma != 1) p.caso.risolvi();
    for (auto* a : {&p.caso.risultati.SigmaEstGiunti, &p.caso.risultati.SigmaIntGiunti})
      for (auto& v : *a) v = sigma;
    SuperficieRegistrata s;
    EXPECT_EQ(p.plot.PlottaVoro("VIDEO", &s), sigma < 0) << sigma;
    EXPECT_EQ(p.msg.texts(), std::vector<std::string>(sigma >= 0, "Error in PlottaVoro"));
  }
}

TEST(QuoteArco, TheElevationCarriesSpanRiseThicknessFillAndAScale) {
  DatiProgetto d = prova::ponte();
  d.hRiempimentoSolido = 0.8f, d.SporgenzaParete = 0.4f;
  Plot p(d, 2);
  p.plot.Quote = true;
  const SuperficieRegistrata s = p.disegna("STAMPANTE");
  const double y = p.caso.modello.Conci(1).y(1);  // where the arch springs
  EXPECT_GT(y, 0);
  // The scale bar, the slab, the backing and the wall too.
  for (const std::string t : {"L = 10.00 m", "f = 3.00 m", "t = 0.50 m", "h1 = 0.50 m", "2 m", "h2 = 0.20 m",
                              "hw = 0.80 m", "dw = 0.40 m"})
    EXPECT_EQ(s.contaTesto(t), 1) << t;
  EXPECT_EQ(s.contaTesto("y = " + p.reg.Formatta(y, "0.00") + " m"), 1);
  // Without the option the drawing stays as it was.
  EXPECT_EQ(Plot(prova::ponte(), 2).disegna("STAMPANTE").contaTesto("L = 10.00 m"), 0);
  for (const auto& [lunghezza, barra] : {std::pair{2.5, 2.0}, {7.9, 5.0}, {0.3, 0.2}, {10.0, 10.0}, {0.0, 0.0}})
    EXPECT_EQ(LunghezzaScala(lunghezza), barra) << lunghezza;
}

DatiProgetto ponteConTandem() {
  DatiProgetto d = prova::ponte();
  d.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  return d;
}

const std::string kNota = "The thrust line and the stresses drawn leave the vehicle out: the Safety window assesses it";

// On the loads (2) or over the three-hinged line (0), which says that it leaves the vehicle out.
TEST(PlottaArcoVeicolo, AtMidSpanDrivenForwardWithTheLoadsAsGiven) {
  for (const int modo : {2, 0}) {
    SCOPED_TRACE(modo);
    Plot p(ponteConTandem(), modo);
    if (modo == 0) p.caso.risolvi();
    const SuperficieRegistrata senza = p.disegna();
    p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
    ASSERT_TRUE(p.plot.Veicolo);
    const VeicoloSullaStrada& v = *p.plot.Veicolo;
    // The second axle 1.2 m on from the first (at x = 5, as the legend says).
    ASSERT_EQ(v.veicolo.assi.size(), 2u);
    EXPECT_NEAR(v.veicolo.assi[1].x - v.veicolo.assi[0].x, 1.2, 1e-6);
    // Each contact spread by the 1:2 rule, both halves alike at the crown.
    for (const ImprontaAsse& a : v.veicolo.assi) EXPECT_NEAR(a.x1 + a.x2, 2 * a.x, 1e-9);
    const SuperficieRegistrata con = p.disegna();
    // Each axle: its spread (four sides) in green, its arrow (three strokes).
    EXPECT_EQ(con.conta("linea", rgb(13)), 4 * 2);
    EXPECT_EQ(con.conta("linea", rgb(11)), 3 * 2);
    EXPECT_EQ(con.conta("linea"), senza.conta("linea") + 8 + 6);
    // The thrust line and the exploded view stay as they were.
    EXPECT_EQ(con.conta("cerchio"), senza.conta("cerchio"));
    EXPECT_EQ(con.contaTesto("300.00 kN"), 2);  // the loads as given: no factor here, kN to 0.01 as the report
    EXPECT_TRUE(con.haTesto("LM1 tandem: first axle at mid-span, x = 5.000 m, driven forward"));
    EXPECT_EQ(con.haTesto(kNota), modo == 0);
    EXPECT_EQ(con.conta("testo"), senza.conta("testo") + 3);
  }
  // Geometry only: no loads, so no vehicle; the same drawing stroke by stroke.
  Plot g(ponteConTandem(), 1);
  const SuperficieRegistrata prima = g.disegna();
  g.plot.Veicolo = VeicoloAMetaLuce(g.caso.dati, g.caso.modello);
  const SuperficieRegistrata dopo = g.disegna();
  ASSERT_EQ(dopo.tratti.size(), prima.tratti.size());
  for (std::size_t i = 0; i < prima.tratti.size(); ++i) EXPECT_EQ(dopo.tratti[i].v, prima.tratti[i].v);
  // No vehicle, or no voussoirs yet: no position.
  EXPECT_FALSE(VeicoloAMetaLuce(prova::ponte(), g.caso.modello));
  EXPECT_FALSE(VeicoloPeggiore(prova::ponte(), g.caso.modello, RisultatiVeicolo{}));
  EXPECT_FALSE(VeicoloAMetaLuce(ponteConTandem(), ModelloArco{}));
}

// Axles closer than their loads' texts are wide: the loads on separate lines, in the colour of the other
// texts. A long vehicle carries the road beyond the structure.
TEST(PlottaArcoVeicolo, CloseAxlesKeepTheirLoadsApartAndALongVehicleItsRoad) {
  DatiProgetto d = ponteConTandem();
  d.VeicoloCarico->Assi[1].d = 0.3f;  // the texts are 0.9 m wide on the recording surface
  d.VeicoloCarico->Assi.push_back({300, 0.6f, 0.4f});
  d.VeicoloCarico->Assi.push_back({200, 9, 0.4f});  // 4 m past the right end
  Plot p(d, 2);
  p.plot.Veicolo = VeicoloAMetaLuce(p.caso.dati, p.caso.modello);
  const SuperficieRegistrata s = p.disegna();
  std::vector<std::pair<double, double>> carichi;  // (x, y) of each load's text
  for (const auto& x : s.tratti)
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
  EXPECT_GT(p.plot.xMaxPlt, p.caso.modello.xMaxStruttura + 3.9);
  EXPECT_EQ(p.plot.xMinPlt, p.caso.modello.xMinStruttura);
  EXPECT_EQ(s.conta("linea", rgb(13)), 4 * 4);
  EXPECT_EQ(s.contaTesto("200.00 kN"), 1);
}

// The worst position of the assessment, named with its factor. The sweep's chart reaches the largest factor
// unless it soars beyond eight times the least (it was cut at four, hiding a peak of 11.17 over a least of
// 1.615); its axes have titles, the least factor's label under the axis, where no curve runs through it.
TEST(PlottaArcoVeicolo, TheWorstPositionIsNamedWithItsFactorAndTheSweepChartShowsItsWholeCurve) {
  Plot p(ponteConTandem(), 2);
  CaricaConci(p.caso.dati, p.caso.modello, p.caso.messaggi);
  RisultatiVeicolo r;
  ASSERT_TRUE(PercorriVeicolo(p.caso.dati, p.caso.modello, 0.05, nullptr, r));
  ASSERT_TRUE(r.fattorePeggiore);
  p.plot.Veicolo = VeicoloPeggiore(p.caso.dati, p.caso.modello, r);
  ASSERT_TRUE(p.plot.Veicolo);
  // The axles where the sweep found the collapse (its position and factor in the legend).
  ASSERT_EQ(p.plot.Veicolo->veicolo.assi.size(), r.assiPeggiori.size());
  for (std::size_t k = 0; k < r.assiPeggiori.size(); ++k) {
    EXPECT_NEAR(p.plot.Veicolo->veicolo.assi[k].x1, r.assiPeggiori[k].x1, 1e-9);
    EXPECT_NEAR(p.plot.Veicolo->veicolo.assi[k].x2, r.assiPeggiori[k].x2, 1e-9);
  }
  const SuperficieRegistrata s = p.disegna();
  // Metres and factors to three decimals, as the Safety window and the report print them.
  EXPECT_EQ(s.contaTesto("LM1 tandem: worst position of the safety assessment, first axle at x = " +
                         TestoMetri(p.reg, r.xPeggiore) + " m, driven forward (live-load factor " +
                         TestoFattore(p.reg, *r.fattorePeggiore) + " under the characteristic loads)"),
            1);
  EXPECT_EQ(s.contaTesto("300.00 kN"), 2);
  double massimo = 0;
  for (const PosizioneVeicolo& q : r.posizioni)
    if (q.fattore) massimo = std::max(massimo, *q.fattore);
  EXPECT_DOUBLE_EQ(AltoGrafico(100, 2.0), 16);
  EXPECT_DOUBLE_EQ(AltoGrafico(0.5, std::nullopt), 1);
  Disegno g(p.msg);
  GraficoVeicolo grafico(r, p.reg, g);
  ContenitoreRegistrato ms;
  g.Destinazione = "DWG", g.ModelSpaceCad = &ms;
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
  // On a short screen panel (a bridge's Safety window at 1366 x 768), lines of
  // 15 pixels: every text above and below the chart stays within the panel.
  struct Pannello : SuperficieRegistrata {
    double AltezzaTesto(const std::string&) const override { return 15 * std::fabs(h) / H; }
  } pannello;
  pannello.W = 450, pannello.H = 230;
  GraficoVeicolo(r, p.reg, g).PlottaVoro("VIDEO", &pannello);
  for (const auto& x : pannello.tratti) {
    const double giu = (x.v[1] - pannello.t) / pannello.h;  // from the panel's top, in its heights
    if (x.tipo == "testo") {
      EXPECT_TRUE(giu >= 0 && giu + 15 / pannello.H <= 1) << x.testo << " at " << giu;
    }
  }
  // A sweep that found no collapse leaves the vehicle at mid-span.
  r.fattorePeggiore.reset();
  const auto v = VeicoloPeggiore(p.caso.dati, p.caso.modello, r);
  ASSERT_TRUE(v);
  EXPECT_NEAR(v->x, 5, 1e-9);
  EXPECT_FALSE(v->fattorePeggiore);
}

}  // namespace
}  // namespace voro
