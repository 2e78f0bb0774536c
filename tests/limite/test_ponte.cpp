// Bridges of several spans on piers against the physics of rigid springings, rocking piers and symmetry.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "analysis/Calcolo.h"
#include "analysis/ProgettiCasuali.h"
#include "arch/Ponte.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutato.h"
#include "limite/VerificaStatica.h"
#include "Cinematica.h"

namespace voro {
namespace {

// The bundled road bridge's 12 m span three times, on piers b wide, 6 m high.
DatiProgetto TreCampate(Single larghezza, Single peso) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  DatiCampata c;
  c.Pila = {larghezza, 6, 0, 0, peso};
  c.LuceAnello = 12, c.FrecciaAnello = 3.5f, c.SpessoreAnello = 0.6f, c.nConciAnello = 36;
  d.Campate = {c, c};
  return d;
}

// The live-load factor of the project's own strip load, with its mechanism.
MoltiplicatoreCarico Fattore(DatiProgetto d, Single xq1, Single xq2) {
  d.xq1 = xq1, d.xq2 = xq2;
  const ModelloCaricato c(d);
  const StaticaGiunti st(c.m);
  const MoltiplicatoreCarico mc = AnalisiLimite(st).Moltiplicatore({});
  // Every block in equilibrium on the collapse line, the piers included, and
  // the mechanism's virtual work, the piers' rocking and sliding counted.
  if (mc.esito == EsitoCarico::Finito) {
    EXPECT_LE(Squilibrio(st, mc.reazione), 1e-9);
    EXPECT_NEAR(Cinematismo(st, mc.meccanismo).fattore, mc.lambda, 1e-7 * mc.lambda);
  }
  return mc;
}

// The spans and the piers a mechanism takes (each 0 the first).
std::pair<std::set<int>, std::set<int>> Presi(const MoltiplicatoreCarico& mc, const DatiProgetto& d) {
  const StaticaGiunti st(ModelloCaricato(d).m);
  std::set<int> campate, pile;
  for (const Cerniera& c : mc.meccanismo) {
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(c.giunto - 1)];
    if (g.pila >= 0) pile.insert(g.pila);
    else campate.insert(g.campata);
  }
  return {campate, pile};
}

TEST(Ponte, PileRigideComeLeImpostePileSnelleCedono) {
  for (const int k : {0, 1, 2}) {
    SCOPED_TRACE(k);
    // The span alone on rigid springings, the strip where it stands on it.
    DatiProgetto rigide = TreCampate(50, 1e4f);
    const DatiProgetto snelle = TreCampate(1.2f, 20);
    rigide.SpintaPassiva = true, rigide.Kp = 2, rigide.nConciSpinta = {5, 5};
    RecordingMessages msg;
    const DatiProgetto sola = ProgettoCampata(rigide, k, msg), su = ProgettoCampata(snelle, k, msg);
    // Taken alone, each voussoir is loaded as in the bridge: the soil pushes only beside an abutment.
    const ModelloCaricato a(sola), b(Striscia(rigide, rigide.qCarico, sola.xq1, sola.xq2));
    for (int i = 1, j = b.m.Campate[static_cast<std::size_t>(k)].primo; i <= a.m.nConciTot; ++i, ++j)
      EXPECT_TRUE(a.m.Conci(i).FPermanente == b.m.Conci(j).FPermanente && a.m.Conci(i).FVariabile == b.m.Conci(j).FVariabile &&
                  a.m.Conci(i).FOrizzontale == b.m.Conci(j).FOrizzontale) << i;
    const MoltiplicatoreCarico alone = Fattore(sola, sola.xq1, sola.xq2), ponte = Fattore(rigide, sola.xq1, sola.xq2);
    ASSERT_TRUE(alone.esito == EsitoCarico::Finito && ponte.esito == EsitoCarico::Finito);
    EXPECT_NEAR(ponte.lambda, alone.lambda, 1e-9 * alone.lambda);
    // A slender pier beside the loaded span rocks, and the next span rises.
    const MoltiplicatoreCarico cede = Fattore(snelle, su.xq1, su.xq2);
    ASSERT_EQ(cede.esito, EsitoCarico::Finito);
    EXPECT_LT(cede.lambda, 0.5 * alone.lambda);
    // The loaded span, a pier beside it and the span beyond that pier.
    const auto [campate, pile] = Presi(cede, snelle);
    ASSERT_EQ(pile.size(), 1u);
    const int pila = *pile.begin();
    EXPECT_TRUE(pila == k - 1 || pila == k);
    EXPECT_EQ(campate, (std::set<int>{pila, pila + 1}));
    EXPECT_TRUE(cede.certificato.valido());
  }
}

// A symmetric bridge collapses at the same factor under a load and under its mirror image; every weight, load
// and resistance is per metre of its width, so twice as wide it collapses at the same factor, its rocking piers
// and the fill over them included.
TEST(Ponte, SpecchiatoOLargoCedeAlloStessoFattore) {
  const DatiProgetto d = TreCampate(1.2f, 20);
  DatiProgetto largo = d;
  largo.Larghezza *= 2, largo.LarghezzaChiave *= 2;
  const ModelloCaricato c(d);
  const double mezzo = (static_cast<double>(c.m.xMinStruttura) + c.m.xMaxStruttura) / 2;
  // The strip on the first span, over the first pier, on the middle span.
  for (const Single a : {1.0f, 11.5f, 14.0f}) {
    const MoltiplicatoreCarico sinistra = Fattore(d, a, a + 3), due = Fattore(largo, a, a + 3);
    const MoltiplicatoreCarico destra = Fattore(d, toSingle(2 * mezzo - a - 3), toSingle(2 * mezzo - a));
    ASSERT_TRUE(sinistra.esito == EsitoCarico::Finito && due.esito == EsitoCarico::Finito);
    EXPECT_NEAR(sinistra.lambda, destra.lambda, 1e-5 * sinistra.lambda) << a;
    EXPECT_NEAR(due.lambda, sinistra.lambda, 1e-6 * sinistra.lambda) << a;
  }
  // Unloaded, the end spans' thrusts range alike.
  const Valutato v(Striscia(d, 0, 0, 0), 0, false);
  ASSERT_EQ(v.r.campiCampate.size(), 3u);
  for (const auto h : {&CampoCampata::minima, &CampoCampata::massima})
    Vicini(v.r.campiCampate[0].*h, v.r.campiCampate[2].*h, 1e-6);
}

// Three brickwork spans of 3 m on slender piers, like the bridges load-tested to collapse: the line load
// is worst nearer the crown than the quarter span, and the collapse takes the next span too.
TEST(Ponte, TreCampateInMattoniComeLeProveAlCollasso) {
  DatiProgetto d;
  d.PesoMuratura = 20, d.hRiempimento = 0.3f, d.PesoRiempimento = 18, d.Larghezza = 2.9f, d.LarghezzaChiave = 2.9f;
  d.LuceAnello = 3, d.FrecciaAnello = 0.75f, d.SpessoreAnello = 0.215f, d.nConciAnello = 30;
  d.SporgenzaParete = 0.3f, d.hRiempimentoSolido = 0.2f, d.qCarico = 1000;
  DatiCampata c;
  c.Pila = {0.44f, 3, 0, 0, 20};
  c.LuceAnello = 3, c.FrecciaAnello = 0.75f, c.SpessoreAnello = 0.215f, c.nConciAnello = 30;
  d.Campate = {c, c};
  double peggiore = 1e300, xPeggiore = 0;
  MoltiplicatoreCarico mPeggiore;
  for (Single x = 0.05f; x <= 1.6f; x += 0.05f) {
    const MoltiplicatoreCarico mc = Fattore(d, x - 0.05f, x + 0.05f);
    ASSERT_EQ(mc.esito, EsitoCarico::Finito) << x;
    if (mc.lambda < peggiore) peggiore = mc.lambda, xPeggiore = x, mPeggiore = mc;
  }
  EXPECT_GT(xPeggiore, 3 * 3.0 / 8) << "worst line load at " << xPeggiore;
  EXPECT_EQ(Presi(mPeggiore, d).first, (std::set<int>{0, 1}));
}

// Random bridges of two to four spans: the dense simplex and CLP alone reach one factor, the two in
// turn certify it, and a mechanism of one degree of freedom does the work it should.
TEST(Ponte, DueSolutoriSuPontiCasuali) {
  int confrontati = 0, lavori = 0;
  for (std::uint64_t seme = 1; seme <= 150; ++seme) {
    prova::Dado r(seme * 7919);
    DatiProgetto d = prova::ProgettoCasuale(seme);
    const int n = r.intero(1, 3);
    for (int k = 0; k < n; ++k) {
      const DatiProgetto a = prova::ProgettoCasuale(seme * 1000 + static_cast<std::uint64_t>(k));
      DatiCampata c;
      c.Pila = {static_cast<Single>(r.uniforme(0.6, 4)), static_cast<Single>(r.uniforme(1, 10)),
                static_cast<Single>(r.uniforme(0, 0.05)), static_cast<Single>(r.uniforme(0, 0.05)),
                static_cast<Single>(r.uniforme(16, 24))};
      c.nVori = a.nVori, c.Vori = a.Vori;
      c.LuceAnello = a.LuceAnello, c.FrecciaAnello = a.FrecciaAnello;
      c.SpessoreAnello = a.SpessoreAnello, c.nConciAnello = a.nConciAnello;
      c.Quota = static_cast<Single>(r.uniforme(-0.5, 0.5));
      d.Campate.push_back(c);
    }
    d.SpintaPassiva = false;
    RecordingMessages msg;
    ModelloArco m;
    try {
      CostruisciModello(d, m, msg);
    } catch (const RuntimeError&) {
      continue;  // a pier too narrow for its springings: refused, as it should be
    }
    CaricaConci(d, m, msg);
    const StaticaGiunti st(m);
    if (!(st.Qtot() > 0)) continue;
    SCOPED_TRACE(seme);
    // The line of least eccentricity, certified, balances every block, the piers included.
    const auto em = AnalisiLimite(st).LineaMinima(1);
    EXPECT_TRUE(em && em->certificato.valido());
    if (em) {
      EXPECT_LE(Squilibrio(st, em->reazione), 1e-9);
    }
    const MoltiplicatoreCarico entrambi = AnalisiLimite(st).Moltiplicatore({});
    EXPECT_TRUE(entrambi.certificato.valido());
    const MoltiplicatoreCarico denso = AnalisiLimite(st, {}, SceltaSolutori::SoloDenso).Moltiplicatore({});
    const MoltiplicatoreCarico clp = AnalisiLimite(st, {}, SceltaSolutori::SoloClp).Moltiplicatore({});
    if (denso.esito != EsitoCarico::Finito || clp.esito != EsitoCarico::Finito) continue;
    EXPECT_NEAR(denso.lambda, clp.lambda, 1e-7 * clp.lambda);
    EXPECT_NEAR(entrambi.lambda, clp.lambda, 1e-7 * clp.lambda);
    const double cinematico = Cinematismo(st, entrambi.meccanismo).fattore;
    EXPECT_NEAR(std::isnan(cinematico) ? entrambi.lambda : cinematico, entrambi.lambda, 1e-6 * entrambi.lambda);
    lavori += !std::isnan(cinematico);
    ++confrontati;
  }
  EXPECT_GE(confrontati, 30);
  EXPECT_GE(lavori, confrontati / 2);
}

// A pier that cannot carry its springings is refused by name; the three-hinge calculation on a whole
// bridge with its reason: its hinges belong to one ring.
TEST(Ponte, PilaCheNonPortaLeImposteRifiutataPerNome) {
  RecordingMessages msg;
  ModelloArco m;
  for (const auto& [larghezza, quota, parola] :
       {std::tuple{0.3f, 0.0f, "Pila 1"}, std::tuple{1.2f, -7.0f, "Campata 2"}}) {
    DatiProgetto d = TreCampate(larghezza, 20);
    d.Campate[0].Quota = quota;
    try {
      CostruisciModello(d, m, msg);
      ADD_FAILURE() << parola;
    } catch (const RuntimeError& e) {
      EXPECT_NE(e.description().find(parola), std::string::npos) << e.description();
    }
  }
  DatiProgetto d = TreCampate(1.2f, 20);
  ModelloArco ponte;
  RecordingMessages perche;
  CostruisciModello(d, ponte, perche);
  RisultatiCalcolo r;
  EXPECT_THROW(Calcolo(d, ponte, r, perche).CalcoloMain(), RuntimeError);
  ASSERT_FALSE(perche.entries().empty());
  EXPECT_NE(perche.entries().back().text.find("campata alla volta"), std::string::npos);
}

// A bridge whose second span has two segments, one of its own strength, at its own level, written and read again.
TEST(Ponte, FileRiletto) {
  DatiProgetto d = TreCampate(1.2f, 20);
  d.Campate[1].nVori = 2;
  d.Campate[1].Vori.redim(1, 2);
  d.Campate[1].Vori(1) = {0, 0, 3, 2.5, 6, 3.5, 0.6, 18, 18, 5};
  d.Campate[1].Vori(2) = {0, 0, 9, 2.5, 12, 0, 0.6, 18, 18, 0};
  d.Campate[1].Quota = 0.5f;
  const DatiProgetto r = Letto(written(d));
  ASSERT_EQ(r.Campate.size(), 2u);
  EXPECT_EQ(r.Campate[0].Pila, d.Campate[0].Pila);
  EXPECT_TRUE(r.Campate[1].nVori == 2 && r.Campate[1].Vori(1).X3 == 6.0 && r.Campate[1].Vori(1).Resistenza == 5.0f &&
              r.Campate[1].Quota == 0.5f);
  EXPECT_EQ(written(r), written(d));
}

}  // namespace
}  // namespace voro
