// The safety plot and the chart of the load sweep, recorded on a screen
// surface and in a CAD model space: the lines, hinges and marks they must show.
#include <gtest/gtest.h>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "drawing/Colori.h"
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

TEST(GraficoSpostamento, RoundStepsAndLinesCutAtTheTopOfTheChart) {
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(10, 5), 2);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(7.3, 8), 1);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(0.9, 4), 0.25);
  EXPECT_DOUBLE_EQ(GraficoSpostamento::PassoAsse(0, 4), 1);

  Valutato v(prova::ponte(), 41);
  ASSERT_TRUE(v.r.fattorePeggiore);
  RecordingMessages msg;
  Disegno g(msg);
  GraficoSpostamento grafico(v.r, v.reg, g);
  ContenitoreRegistrato ms;
  g.Destinazione = "DWG";
  g.ModelSpaceCad = &ms;
  ASSERT_TRUE(grafico.PlottaVoro("DWG", nullptr));
  // No line of the factors rises above the chart: at most four times the
  // least factor, rounded up to the step of the axis and a little more.
  const double cima = 4 * *v.r.fattorePeggiore * 1.15 + GraficoSpostamento::PassoAsse(4 * *v.r.fattorePeggiore, 5);
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

}  // namespace
}  // namespace voro
