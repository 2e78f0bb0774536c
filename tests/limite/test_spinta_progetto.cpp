// The soil's passive resistance in the design projects of the adequacy
// check: bounded by the characteristic loads over gR, whatever factors the
// loads carry; checked against the pressures worked out by hand.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "analysis/ProgettiProva.h"
#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "limite/Adeguatezza.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

TEST(SpintaDiProgetto, LaResistenzaDelTerrenoDaiCarichiCaratteristiciDivisiPerGammaR) {
  DatiProgetto d = prova::anelloPassivo();
  d.hSoletta = 0.2f;
  d.PesoSoletta = 22;
  const ModelloArco caratteristico = ModelloCaricato(d).m;
  struct Caso {
    Combinazione k;
    Single gR;
  };
  for (const Caso c : {Caso{Combinazione::Sup, 1}, Caso{Combinazione::Inf, 1.25f}, Caso{Combinazione::G1SupG2Inf, 2}}) {
    CoefficientiParziali f;
    f.gG1sup = 1.35f, f.gG1inf = 1, f.gG2sup = 1.5f, f.gG2inf = 0, f.gQ = 1.35f, f.gR = c.gR;
    const ModelloArco m = ModelloCaricato(ProgettoDiCalcolo(d, f, c.k)).m;
    int spinti = 0;
    for (int i = 1; i <= m.nConciTot; ++i) {
      const double atteso = caratteristico.Conci(i).FOrizzontale / c.gR;
      EXPECT_NEAR(m.Conci(i).FOrizzontale, atteso, 1e-12 * std::fabs(atteso) + 1e-12) << i;
      spinti += atteso != 0;
    }
    EXPECT_GT(spinti, 4);
  }
}

// A weaker soil never makes the bridge more adequate.
TEST(SpintaDiProgetto, PiuGammaRMaiPiuAdeguato) {
  DatiProgetto d = prova::anelloPassivo();
  d.Mobilitazione = 1;
  const OpzioniSicurezza o = Opzioni(0, false);
  double prima = 1e300;
  for (const Single gR : {1.0f, 1.5f, 3.0f}) {
    d.Normativa.coefficienti.gR = gR;
    Adeguatezza a;
    ASSERT_TRUE(ValutaAdeguatezza(d, o, a, nullptr, nullptr));
    ASSERT_TRUE(a.governante().fattore.has_value());
    EXPECT_LE(*a.governante().fattore, prima * (1 + 1e-9)) << gR;
    prima = *a.governante().fattore;
  }
}

// gR stored after gMu, only where it is not 1, and read back.
TEST(SpintaDiProgetto, GammaRNelFile) {
  for (const Single gR : {1.0f, 1.4f}) {
    DatiProgetto d = prova::anelloPassivo();
    d.hRiempimentoSolido = 0;
    d.Normativa.base = BaseNormativa::Ntc2018;
    FattoriFerroviariPredefiniti(d.Normativa.base, d.Normativa.coefficienti);
    d.Normativa.coefficienti.gR = gR;
    const std::string f = ::testing::TempDir() + "gR.vro";
    RecordingMessages msg;
    ASSERT_TRUE(ScriviFileProgetto(f, d, msg));
    std::ifstream in(f, std::ios::binary);
    const std::string testo((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(testo.find(",1,1.4\r\n") != std::string::npos, gR != 1) << testo;
    DatiProgetto r;
    LeggiFileProgetto(f, r, msg);
    EXPECT_EQ(r.Normativa.coefficienti, d.Normativa.coefficienti);
  }
}

}  // namespace
}  // namespace voro
