// Rail traffic on a masonry arch: the dynamic factor against the code's
// formula worked by hand, LM71's design axle loads under EN and NTC, road
// vehicles untouched, the live-load factor falling by exactly the load's
// factor, and the category and factors through the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "data/LibreriaVeicoli.h"
#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "data/TrafficoFerroviario.h"
#include "limite/Adeguatezza.h"
#include "limite/PercorsoVeicolo.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

Veicolo LM71() {
  Veicolo v{"LM71 axles", {{250, 0, 0.25f}, {250, 1.6f, 0.25f}, {250, 3.2f, 0.25f}, {250, 4.8f, 0.25f}}, 1.435f, 0.25f};
  v.Categoria = CategoriaTraffico::Ferroviaria;
  return v;
}

// A single ring of the given clear span under h of fill and slab at the crown.
DatiProgetto Arco(Single luce, Single h, BaseNormativa b, ManutenzioneBinario m) {
  DatiProgetto d;
  d.nVori = 1;
  d.LuceAnello = luce;
  d.hRiempimento = h * 0.75f;
  d.hSoletta = h * 0.25f;
  d.VeicoloCarico = LM71();
  ApplicaNormativa(d.Normativa, b);
  d.Normativa.manutenzione = m;
  return d;
}

TEST(TrafficoFerroviario, PhiComeLaFormulaFattaAMano) {
  using M = ManutenzioneBinario;
  const BaseNormativa EN = BaseNormativa::Eurocodice, NTC = BaseNormativa::Ntc2018;
  struct Caso {
    Single luce, h;
    BaseNormativa base;
    M manutenzione;
    double phiBase, phi;  // by hand: 1.44 / (sqrt(2 L) - 0.2) + 0.82, or 2.16 / (...) + 0.73
  };
  const Caso casi[] = {
      // 10 m: LPhi 20, sqrt 4.47214; cover under 1 m, then 0.5 m over it.
      {10, 0.8f, EN, M::Accurata, 1.157068, 1.157068},
      {10, 1.5f, EN, M::Accurata, 1.157068, 1.107068},
      {10, 2.0f, EN, M::Standard, 1.235602, 1.135602},
      // A short span: Phi2 and Phi3 reach their caps 1.67 and 2.00.
      {1.5f, 0.5f, EN, M::Accurata, 1.67, 1.67},
      {1.5f, 0.5f, NTC, M::Standard, 2.00, 2.00},
      // 2 m: LPhi 4, 1.44 / 1.8 + 0.82 = 1.62 and 2.16 / 1.8 + 0.73 = 1.93.
      {2, 0, EN, M::Accurata, 1.62, 1.62},
      {2, 0, EN, M::Standard, 1.93, 1.93},
      // 100 m: LPhi 200, the formula below 1: the floor.
      {100, 0, EN, M::Accurata, 1.0, 1.0},
      {100, 0, NTC, M::Standard, 1.0, 1.0},
      // A deep cover takes Phi to its floor 1.0: 1.157 - 0.2 is below it.
      {10, 3.0f, EN, M::Accurata, 1.157068, 1.0},
      // NTC: 2.4 m reduces by 0.14; beyond 2.50 m Phi is 1.
      {4, 2.4f, NTC, M::Accurata, 1.44 / (std::sqrt(8.0) - 0.2) + 0.82, 1.44 / (std::sqrt(8.0) - 0.2) + 0.82 - 0.14},
      {4, 2.6f, NTC, M::Accurata, 1.44 / (std::sqrt(8.0) - 0.2) + 0.82, 1.0},
  };
  for (const Caso& c : casi) {
    const DatiProgetto d = Arco(c.luce, c.h, c.base, c.manutenzione);
    const auto f = FattoreDinamicoArco(d, d.Normativa.coefficienti);
    ASSERT_TRUE(f.has_value());
    const std::string nome = std::to_string(c.luce) + " m, h " + std::to_string(c.h);
    EXPECT_NEAR(f->LPhi, 2.0 * c.luce, 1e-9) << nome;
    EXPECT_NEAR(f->phiBase, c.phiBase, 2e-6) << nome;
    EXPECT_NEAR(f->phi, c.phi, 2e-6) << nome;
    EXPECT_GE(f->phi, 1.0) << nome;
  }
  // Typed by the engineer, Phi is theirs; no span, no Phi to find.
  DatiProgetto d = Arco(10, 0, BaseNormativa::Eurocodice, ManutenzioneBinario::Accurata);
  d.Normativa.coefficienti.phi = 1.3f;
  EXPECT_NEAR(FattoreDinamicoArco(d, d.Normativa.coefficienti)->phi, 1.3, 1e-6);
  d.Normativa.coefficienti.phi = 0;
  d.LuceAnello = 0;
  EXPECT_FALSE(FattoreDinamicoArco(d, d.Normativa.coefficienti).has_value());
}

// LM71's design axle load is gQrail alpha Phi P, by hand, in every
// combination; the strip load keeps gQ.
TEST(TrafficoFerroviario, CarichiDiProgettoDiLM71SottoENeNTC) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.VeicoloCarico = LM71();
  const double h = static_cast<double>(d.hRiempimento) + d.hSoletta;
  const double phi2 = 1.44 / (std::sqrt(2.0 * d.LuceAnello) - 0.2) + 0.82;
  const double phi = std::max(1.0, std::min(phi2, 1.67) - (h > 1 ? (h - 1) / 10 : 0));
  struct Caso {
    BaseNormativa base;
    double alpha;
  };
  for (const Caso c : {Caso{BaseNormativa::Eurocodice, 1.0}, Caso{BaseNormativa::Ntc2018, 1.1}}) {
    ApplicaNormativa(d.Normativa, c.base);
    ASSERT_LT(h, 2.5);
    const CoefficientiParziali& k = d.Normativa.coefficienti;
    EXPECT_FLOAT_EQ(k.gQf, 1.45f);
    EXPECT_FLOAT_EQ(k.alpha, static_cast<float>(c.alpha));
    for (const Combinazione comb : kCombinazioni) {
      const DatiProgetto p = ProgettoDiCalcolo(d, k, comb);
      for (const AsseVeicolo& a : p.VeicoloCarico->Assi) EXPECT_NEAR(a.P, 1.45 * c.alpha * phi * 250, 1e-3);
      EXPECT_FLOAT_EQ(p.qCarico, d.qCarico * 1.35f);
    }
  }
  // The same vehicle as road traffic takes gQ alone.
  d.VeicoloCarico->Categoria = CategoriaTraffico::Stradale;
  EXPECT_FLOAT_EQ(ProgettoDiCalcolo(d, d.Normativa.coefficienti, Combinazione::Sup).VeicoloCarico->Assi[0].P,
                  250 * 1.35f);
}

// Where the collapse is linear in the live load (rigid blocks, no strip
// load), the design live-load factor is the characteristic one over
// gQrail alpha Phi exactly, with permanent factors 1.
TEST(TrafficoFerroviario, IlFattoreCadeDelRapportoDelCarico) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.qCarico = 0;
  d.VeicoloCarico = LM71();
  d.Normativa = DatiNormativa{};
  RecordingMessages msg;
  ModelloArco m;
  CostruisciModello(d, m, msg);
  DatiProgetto caricato = d;
  CaricaConci(caricato, m, msg);
  RisultatiVeicolo proprio;
  ASSERT_TRUE(PercorriVeicolo(caricato, m, 0.05, nullptr, proprio));
  ASSERT_TRUE(proprio.fattorePeggiore.has_value());
  struct Caso {
    Single gQf, alpha, phi;
  };
  for (const Caso c : {Caso{1.45f, 1.1f, 1.2f}, Caso{1, 1, 1.5f}, Caso{1.45f, 1.21f, 0}}) {
    d.Normativa.coefficienti.gQ = 1.35f;  // the strip's, absent here: no effect
    d.Normativa.coefficienti.gQf = c.gQf;
    d.Normativa.coefficienti.alpha = c.alpha;
    d.Normativa.coefficienti.phi = c.phi;
    const double fattore = FattoreVeicolo(d, d.Normativa.coefficienti);
    Adeguatezza a;
    ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(0, false), a));
    ASSERT_TRUE(a.fattore().has_value());
    EXPECT_NEAR(*a.fattore() * fattore, *proprio.fattorePeggiore, 2e-5 * *proprio.fattorePeggiore) << fattore;
  }
}

// A rail project written and read again is the same project under every
// code basis (the lines as written: the data's own tests); a typed table
// written before the rail factor gives rail traffic the road's gQ.
TEST(TrafficoFerroviario, IlProgettoFerroviarioNelFile) {
  const std::string f = ::testing::TempDir() + "ferrovia.vro";
  RecordingMessages msg;
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.VeicoloCarico = LM71();
  ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
  d.Normativa.coefficienti.alpha = 1.21f;
  d.Normativa.coefficienti.phi = 1.25f;
  d.Normativa.manutenzione = ManutenzioneBinario::Standard;
  for (const BaseNormativa b : {BaseNormativa::Ntc2018, BaseNormativa::Eurocodice, BaseNormativa::Digitata}) {
    d.Normativa.base = b;
    ASSERT_TRUE(ScriviFileProgetto(f, d, msg));
    DatiProgetto r;
    LeggiFileProgetto(f, r, msg);
    EXPECT_EQ(r.VeicoloCarico, d.VeicoloCarico);
    EXPECT_EQ(r.Normativa, d.Normativa);
  }
  std::ifstream in(f, std::ios::binary);
  std::string vecchio((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t riga = vecchio.find("\"Normativa\"");
  vecchio.replace(riga, vecchio.find("\r\n", riga) - riga, "\"Normativa\",0,3,1.2,1,1.3,0,1.4,2,1.1");
  std::ofstream(f, std::ios::binary) << vecchio;
  DatiProgetto r;
  LeggiFileProgetto(f, r, msg);
  EXPECT_FLOAT_EQ(r.Normativa.coefficienti.gQf, 1.4f);
  EXPECT_FLOAT_EQ(r.Normativa.coefficienti.alpha, 1.0f);
  EXPECT_EQ(r.Normativa.manutenzione, ManutenzioneBinario::Accurata);
}

// A vehicle file written before the category reads as road traffic; rail
// and road read back as written; any other category is refused by line.
TEST(TrafficoFerroviario, LaCategoriaNelleLibrerie) {
  ErroreLibreria e;
  const auto vecchia = LeggiLibreria("vehicle T\ntrack 2\nwidth 0.4\naxle 300 0 0.4\nend\n", "v.txt", e);
  ASSERT_TRUE(vecchia.has_value());
  EXPECT_EQ((*vecchia)[0].Categoria, CategoriaTraffico::Stradale);
  const std::vector<Veicolo> due{(*vecchia)[0], LM71()};
  const std::string testo = ScriviLibreria(due);
  EXPECT_EQ(testo.find("category road"), std::string::npos);
  EXPECT_EQ(LeggiLibreria(testo, "v.txt", e), due);
  EXPECT_FALSE(LeggiLibreria("vehicle T\ntrack 2\nwidth 0.4\naxle 300 0 0.4\ncategory tram\nend\n", "v.txt", e));
  EXPECT_EQ(e.Testo(), "v.txt:5: vehicle \"T\": 'category' is road or rail, not 'tram'");
  // The shipped library: LM71 is rail, Load Model 1 road.
  const LibreriaVeicoli l = CaricaLibreria(VORO_SOURCE_DIR);
  ASSERT_NE(l.Trova("LM71 axles"), nullptr);
  EXPECT_TRUE(l.Trova("LM71 axles")->Ferroviario());
  EXPECT_FALSE(l.Trova("LM1 tandem")->Ferroviario());
}

}  // namespace
}  // namespace voro
