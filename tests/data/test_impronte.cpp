// Which changes of the data leave results valid: the voussoirs follow the
// geometry, the three-hinged line also the loads and the options it reads,
// the assessment everything but the title block and the plot scale.
#include <gtest/gtest.h>

#include "Progetti.h"
#include "data/Impronte.h"

namespace voro {
namespace {

TEST(Impronte, EachResultExpiresOnlyWithTheDataItReads) {
  struct Caso {
    const char* cambio;
    void (*cambia)(DatiProgetto&);
    bool geometria, calcolo, valutazione;
  };
  const Caso casi[] = {
      {"title", [](DatiProgetto& d) { d.Titolo = "Ponte sul Serio"; }, false, false, false},
      {"title block", [](DatiProgetto& d) { d.Cartiglio.progettista = "Ing. A. Rossi"; }, false, false, false},
      {"plot scale", [](DatiProgetto& d) { d.ScalaPlot = 7, d.ScalaManuale = true; }, false, false, false},
      {"strength", [](DatiProgetto& d) { d.ResistenzaAnello = 5; }, false, false, true},
      {"friction", [](DatiProgetto& d) { d.Attrito = 0.6f; }, false, false, true},
      {"soil mobilised", [](DatiProgetto& d) { d.Mobilitazione = 0.5f; }, false, false, true},
      {"vehicle", [](DatiProgetto& d) { d.VeicoloCarico = Veicolo{"T", {{300, 0, 0.4f}}, 2, 0.4f}; }, false, false,
       true},
      {"spread", [](DatiProgetto& d) { d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0}; }, false, false, true},
      {"partial factor", [](DatiProgetto& d) { d.Normativa.coefficienti.gM = 2; }, false, false, true},
      {"start eccentricity searched over",
       [](DatiProgetto& d) { d.OttimizzaCerniere = true, d.EccChiave = 0.01f; }, false, false, true},
      {"start eccentricity used", [](DatiProgetto& d) { d.EccChiave = 0.01f; }, false, true, true},
      {"live load", [](DatiProgetto& d) { d.qCarico = 25; }, false, true, true},
      {"passive pressure", [](DatiProgetto& d) { d.SpintaPassiva = true, d.Kp = 2; }, false, true, true},
      {"fill", [](DatiProgetto& d) { d.hRiempimento = 0.7f; }, true, true, true},
      {"ring thickness", [](DatiProgetto& d) { d.SpessoreAnello = 0.5f; }, true, true, true},
  };
  for (const Caso& c : casi) {
    SCOPED_TRACE(c.cambio);
    DatiProgetto base = Anello(), dopo = Anello();
    c.cambia(dopo);
    // A start eccentricity the search passes over is compared with the search on in both.
    base.OttimizzaCerniere = dopo.OttimizzaCerniere;
    EXPECT_NE(TestoProgetto(dopo), TestoProgetto(base));
    EXPECT_EQ(ImprontaGeometria(dopo) != ImprontaGeometria(base), c.geometria);
    EXPECT_EQ(ImprontaCalcolo(dopo) != ImprontaCalcolo(base), c.calcolo);
    EXPECT_EQ(ImprontaValutazione(dopo) != ImprontaValutazione(base), c.valutazione);
  }
}

}  // namespace
}  // namespace voro
