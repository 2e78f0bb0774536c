// The arch plot in its three modes, recorded on a screen surface and in a CAD
// model space, compared with the model and the solution it draws.
#include <gtest/gtest.h>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "drawing/Colori.h"
#include "drawing/PlottaArco.h"

namespace voro {
namespace {

using prova::ContenitoreRegistrato;
using prova::SuperficieRegistrata;

struct Plot {
  prova::Caso caso;
  RecordingMessages msg;
  Disegno d{msg};
  Regional reg = Regional::inglese();
  PlottaArco plot{caso.dati, caso.modello, caso.risultati, reg, d};
  explicit Plot(DatiProgetto dati) : caso(std::move(dati)) {}

  bool cad(ContenitoreRegistrato& ms) {
    d.Destinazione = "DWG";
    d.ModelSpaceCad = &ms;
    return plot.PlottaVoro("DWG", nullptr);
  }
};

Long rgb(Long indice) { return ValoreColore(ColoreIndice(indice)); }

bool haTesto(const SuperficieRegistrata& s, const std::string& t) {
  for (const auto& x : s.tratti)
    if (x.tipo == "testo" && x.testo.find(t) != std::string::npos) return true;
  return false;
}

TEST(PlottaArco, GeometryModeShowsTheVoussoirsWallsAndPlan) {
  Plot p(prova::ponte());
  p.plot.PlottaGeometria = 1;
  SuperficieRegistrata s;
  ASSERT_TRUE(p.plot.PlottaVoro("VIDEO", &s));
  const auto& m = p.caso.modello;
  const int walls = m.nConciPareteSinistra + m.nConciPareteDestra;
  // Outlines and plan: four segments each; the fill and slab lines.
  EXPECT_EQ(s.conta("linea", rgb(1)), 4 * m.nConciTot + 4 * (m.nConciTot + walls) + 2 + 1);
  EXPECT_GE(s.conta("linea", rgb(8)), 4 * walls + 2);
  EXPECT_EQ(s.conta("cerchio"), 0);
  EXPECT_TRUE(haTesto(s, "PLAN VIEW"));
  EXPECT_TRUE(haTesto(s, "\xCE\xB3"));  // gamma
  EXPECT_TRUE(haTesto(s, "m = 18 kN/m³"));
  EXPECT_FALSE(haTesto(s, "q="));
  EXPECT_TRUE(p.msg.empty());
}

TEST(PlottaArco, LoadsModeAddsTheLoadBlock) {
  Plot p(prova::ponte());
  p.plot.PlottaGeometria = 2;
  SuperficieRegistrata s;
  ASSERT_TRUE(p.plot.PlottaVoro("VIDEO", &s));
  EXPECT_TRUE(haTesto(s, " q=10 kN/m²"));
  EXPECT_FALSE(haTesto(s, "Q="));
  // The block's outline and its vertical hatch lines, in magenta.
  EXPECT_GT(s.conta("linea", rgb(6)), 4);

  DatiProgetto scarico = prova::ponte();
  scarico.qCarico = 0;
  Plot q(scarico);
  q.plot.PlottaGeometria = 2;
  SuperficieRegistrata t;
  ASSERT_TRUE(q.plot.PlottaVoro("VIDEO", &t));
  EXPECT_FALSE(haTesto(t, "q="));
  EXPECT_EQ(t.conta("linea", rgb(6)), 0);
}

TEST(PlottaArco, ResultsModeDrawsTheSolutionsThrustLineAndHinges) {
  Plot p(prova::ponte());
  p.caso.risolvi();
  ContenitoreRegistrato ms;
  ASSERT_TRUE(p.cad(ms));
  const auto& m = p.caso.modello;
  const auto& r = p.caso.risultati;
  const prova::EntitaRegistrata* thrust = nullptr;
  int hinges = 0;
  for (const auto& e : ms.entita) {
    if (e->tipo == "LWPOLYLINE" && e->colore == 5 && !thrust) thrust = e.get();
    if (e->tipo == "CIRCLE" && e->colore == 5) ++hinges;
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
  EXPECT_EQ(ms.conta("SOLID"), 0);  // no view flag: no arrows
  int sigmaLabels = 0;
  for (const auto& e : ms.entita) sigmaLabels += e->tipo == "TEXT" && e->testo == "\xCF\x83";
  EXPECT_EQ(sigmaLabels, 2);
}

TEST(PlottaArco, ViewFlagsAddReactionAndVoussoirArrows) {
  Plot p(prova::ponte());
  p.caso.risolvi();
  p.plot.Visualizza[1] = true;
  ContenitoreRegistrato ms;
  ASSERT_TRUE(p.cad(ms));
  EXPECT_EQ(ms.conta("SOLID"), p.caso.modello.nConciTot + 2);
}

TEST(PlottaArco, FailuresEndTheDrawingWithItsMessage) {
  // Results mode of a project never solved.
  Plot p(prova::ponte());
  SuperficieRegistrata s;
  EXPECT_FALSE(p.plot.PlottaVoro("VIDEO", &s));
  EXPECT_EQ(p.msg.texts(), std::vector<std::string>{"Error in PlottaVoro"});

  // No compressed joint edge at all: the stress scale divides by zero.
  Plot z(prova::ponte());
  z.caso.risolvi();
  for (auto& v : z.caso.risultati.SigmaEstGiunti) v = 0;
  for (auto& v : z.caso.risultati.SigmaIntGiunti) v = 0;
  EXPECT_FALSE(z.plot.PlottaVoro("VIDEO", &s));
  EXPECT_EQ(z.msg.texts(), std::vector<std::string>{"Error in PlottaVoro"});

  // All stresses negative: the diagrams lie on their base line, no failure.
  Plot n(prova::ponte());
  n.caso.risolvi();
  for (auto& v : n.caso.risultati.SigmaEstGiunti) v = -1;
  for (auto& v : n.caso.risultati.SigmaIntGiunti) v = -1;
  EXPECT_TRUE(n.plot.PlottaVoro("VIDEO", &s));
}

TEST(PlottaArco, MassimoTensioni) {
  Array1<Single> a(1, 3), b(1, 3);
  a(1) = 5, a(2) = -1, a(3) = 7;
  b(1) = 6, b(2) = 7, b(3) = 1;
  bool primo = false;
  EXPECT_EQ(PlottaArco::MassimoTensioni(3, a, b, primo), 7);
  EXPECT_FALSE(primo);  // the first 7 is the second array's
  for (int i = 1; i <= 3; ++i) a(i) = b(i) = -2;
  EXPECT_EQ(PlottaArco::MassimoTensioni(3, a, b, primo), static_cast<double>(-1e20f));
}

}  // namespace
}  // namespace voro
