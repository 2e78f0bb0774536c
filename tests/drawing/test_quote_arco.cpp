// The printed elevation: readable dimensions and a scale bar, and a ring of
// many voussoirs drawn with joints that stay apart instead of a solid band.
#include <gtest/gtest.h>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "drawing/CatenaConci.h"
#include "drawing/PlottaArco.h"
#include "drawing/QuoteArco.h"

namespace voro {
namespace {

using prova::SuperficieRegistrata;

struct Stampa {
  prova::Caso caso;
  RecordingMessages msg;
  Disegno d{msg};
  Regional reg = Regional::inglese();
  PlottaArco plot{caso.dati, caso.modello, caso.risultati, reg, d};
  SuperficieRegistrata s;
  explicit Stampa(DatiProgetto dati, int modo) : caso(std::move(dati)) { plot.PlottaGeometria = modo; }
  bool disegna() { return plot.PlottaVoro("STAMPANTE", &s); }
  bool haTesto(const std::string& t) const {
    for (const auto& x : s.tratti)
      if (x.tipo == "testo" && x.testo == t) return true;
    return false;
  }
};

TEST(QuoteArco, TheElevationCarriesSpanRiseThicknessFillAndAScale) {
  DatiProgetto d = prova::ponte();
  d.hRiempimentoSolido = 0.8f;
  d.SporgenzaParete = 0.4f;
  Stampa p(d, 2);
  p.plot.Quote = true;
  ASSERT_TRUE(p.disegna());
  EXPECT_TRUE(p.haTesto("L = 10.00 m"));
  EXPECT_TRUE(p.haTesto("f = 3.00 m"));
  EXPECT_TRUE(p.haTesto("t = 0.50 m"));
  EXPECT_TRUE(p.haTesto("h1 = 0.50 m"));
  EXPECT_TRUE(p.haTesto("2 m"));
  // The slab, the backing, the wall and where the arch springs.
  EXPECT_TRUE(p.haTesto("h2 = 0.20 m"));
  EXPECT_TRUE(p.haTesto("hw = 0.80 m"));
  EXPECT_TRUE(p.haTesto("dw = 0.40 m"));
  const double y = p.caso.modello.Conci(1).y(1);
  EXPECT_GT(y, 0);
  EXPECT_TRUE(p.haTesto("y = " + p.reg.Formatta(y, "0.00") + " m"));
  // Without the option the screen's drawing stays as it was.
  Stampa schermo(prova::ponte(), 2);
  ASSERT_TRUE(schermo.disegna());
  EXPECT_FALSE(schermo.haTesto("L = 10.00 m"));
}

TEST(QuoteArco, ScaleBarsAreRoundLengths) {
  EXPECT_EQ(LunghezzaScala(2.5), 2);
  EXPECT_EQ(LunghezzaScala(7.9), 5);
  EXPECT_EQ(LunghezzaScala(0.3), 0.2);
  EXPECT_EQ(LunghezzaScala(10), 10);
  EXPECT_EQ(LunghezzaScala(0), 0);
}

TEST(QuoteArco, ManyVoussoirsKeepTheirDrawnJointsApart) {
  const DatiProgetto d = prova::anello(10, 5, 0.3f, 200);
  Stampa tutti(d, 1), distinti(d, 1);
  distinti.plot.DistanzaGiunti = 0.01;
  ASSERT_TRUE(tutti.disegna());
  ASSERT_TRUE(distinti.disegna());
  const int lineeTutti = tutti.s.conta("linea"), lineeDistinti = distinti.s.conta("linea");
  // Every voussoir draws four sides; the outline draws two lines a voussoir
  // and at 1 % of the width every other joint of this semicircle is left out.
  EXPECT_LT(lineeDistinti, lineeTutti - 250);
  EXPECT_GT(lineeDistinti, 2 * 200);
}

TEST(QuoteArco, AChainKeepsItsEndsAndTheJointsThatStayApart) {
  // Ten unit voussoirs in a row: with 2.5 between drawn joints, the ends and
  // every third joint, but none closer than 2.5 to the far end.
  std::vector<Quadrilatero> q;
  for (int i = 0; i < 10; ++i) q.push_back({{double(i), i + 1.0, i + 1.0, double(i)}, {0, 0, 1, 1}});
  const std::vector<bool> d = GiuntiDistinti(q, 2.5);
  EXPECT_EQ(d, (std::vector<bool>{true, false, false, true, false, false, true, false, false, false, true}));
  EXPECT_EQ(GiuntiDistinti(q, 0), std::vector<bool>(11, true));
}

}  // namespace
}  // namespace voro
