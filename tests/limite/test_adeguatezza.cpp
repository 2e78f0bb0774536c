// The adequacy factor against the project multiplied by hand, the collapse
// load it stands for, and the combination that governs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "limite/Adeguatezza.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

// The least live-load factor of a project assessed as it stands: its own
// strip and the sweep.
std::optional<double> FattoreMinimo(DatiProgetto d, int posizioni) {
  const RisultatiSicurezza r = Valutato(std::move(d), posizioni, false).r;
  std::optional<double> f = r.fattoreCarico;
  if (r.fattorePeggiore && (!f || *r.fattorePeggiore < *f)) f = r.fattorePeggiore;
  return f;
}

TEST(Adeguatezza, EqualsTheLiveLoadFactorOfTheProjectMultipliedByHand) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.ResistenzaAnello = 6;
  ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
  d.Normativa.coefficienti.gM = 2;
  d.Normativa.gMDato = true;
  ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(12, false), a));

  // sup: masonry and fill 1.35, slab 1.50, load 1.35, strength 6 / (2 x 1.2).
  DatiProgetto sup = d;
  sup.PesoMuratura = d.PesoMuratura * 1.35f;
  sup.PesoRiempimento = d.PesoRiempimento * 1.35f;
  sup.PesoSoletta = d.PesoSoletta * 1.5f;
  sup.qCarico = d.qCarico * 1.35f;
  sup.ResistenzaAnello = 6 / (2 * 1.2f);
  // inf: masonry and fill as they are, no slab, load 1.35.
  DatiProgetto inf = d;
  inf.PesoSoletta = 0;
  inf.qCarico = d.qCarico * 1.35f;
  inf.ResistenzaAnello = 6 / (2 * 1.2f);

  // The mixed ones: each permanent load at its own factor.
  DatiProgetto g1sup = sup;
  g1sup.PesoSoletta = 0;
  DatiProgetto g2sup = inf;
  g2sup.PesoSoletta = d.PesoSoletta * 1.5f;

  const auto fSup = FattoreMinimo(sup, 12), fInf = FattoreMinimo(inf, 12);
  const auto f12 = FattoreMinimo(g1sup, 12), f21 = FattoreMinimo(g2sup, 12);
  ASSERT_TRUE(fSup && fInf && f12 && f21);
  for (const EsitoCombinazione& e : a.combinazioni) ASSERT_TRUE(e.fattore);
  EXPECT_EQ(a.combinazioni[0].combinazione, Combinazione::Inf);
  EXPECT_DOUBLE_EQ(*a.combinazioni[0].fattore, *fInf);
  EXPECT_DOUBLE_EQ(*a.combinazioni[1].fattore, *fSup);
  EXPECT_EQ(a.combinazioni[2].combinazione, Combinazione::G1SupG2Inf);
  EXPECT_DOUBLE_EQ(*a.combinazioni[2].fattore, *f12);
  EXPECT_DOUBLE_EQ(*a.combinazioni[3].fattore, *f21);
  // The smallest of the four governs and gives the verdict.
  const double minimo = std::min({*fSup, *fInf, *f12, *f21});
  EXPECT_DOUBLE_EQ(*a.fattore(), minimo);
  EXPECT_DOUBLE_EQ(*a.combinazioni[static_cast<std::size_t>(a.governa)].fattore, minimo);
  EXPECT_EQ(a.adeguato(), minimo >= 1);
  // The governing load has its mechanism and its place on the structure.
  ASSERT_TRUE(a.governante().governante);
  EXPECT_EQ(a.governante().meccanismo.size(), 4u);
}

TEST(Adeguatezza, TheDesignFrictionIsTheFrictionOverItsFactorAndNeverRaisesTheFactor) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.ResistenzaAnello = 5;
  d.Attrito = 0.6f;
  d.Normativa.coefficienti.gMu = 1.5f;
  EXPECT_FLOAT_EQ(*ProgettoDiCalcolo(d, d.Normativa.coefficienti, Combinazione::Sup).Attrito, 0.4f);
  DatiProgetto senza = d;
  senza.Attrito.reset();
  EXPECT_FALSE(ProgettoDiCalcolo(senza, senza.Normativa.coefficienti, Combinazione::Sup).Attrito);
  // The design project of gMu 1.5 is the project with mu 0.4 under unit factors.
  Adeguatezza a, b;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(7, false), a));
  DatiProgetto mano = d;
  mano.Attrito = 0.6f / 1.5f;
  mano.Normativa.coefficienti.gMu = 1;
  ASSERT_TRUE(ValutaAdeguatezza(mano, Opzioni(7, false), b));
  ASSERT_TRUE(a.fattore() && b.fattore());
  EXPECT_DOUBLE_EQ(*a.fattore(), *b.fattore());
  Adeguatezza liscio;
  DatiProgetto unitario = d;
  unitario.Normativa.coefficienti.gMu = 1;
  ASSERT_TRUE(ValutaAdeguatezza(unitario, Opzioni(7, false), liscio));
  EXPECT_LE(*a.fattore(), *liscio.fattore() * (1 + 1e-3));
}

TEST(Adeguatezza, UnitFactorsGiveTheProjectsOwnLeastFactorAndGammaQOnlyRescalesIt) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(10, false), a));
  const auto f = FattoreMinimo(d, 10);
  ASSERT_TRUE(f && a.fattore());
  EXPECT_DOUBLE_EQ(*a.fattore(), *f);
  EXPECT_DOUBLE_EQ(*a.combinazioni[0].fattore, *a.combinazioni[1].fattore);
  // With the permanent loads unchanged, gQ only rescales the load the factor
  // multiplies: factor x gQ is the same collapse load, and a gQ twice the
  // factor leaves the arch not adequate.
  d.Normativa.coefficienti.gQ = toSingle(*a.fattore() * 2);
  Adeguatezza gQ;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(10, false), gQ));
  ASSERT_TRUE(gQ.fattore());
  EXPECT_NEAR(*gQ.fattore(), 0.5, 1e-6);
  EXPECT_FALSE(gQ.adeguato());
}

TEST(Adeguatezza, ALoadThatCanNeverCollapseTheArchIsAdequateWithoutAFactor) {
  // EN's factors as the engineer's own table: the rigid masonry that never
  // crushes, which a code basis would refuse, is theirs to assume.
  DatiProgetto d = esempio("volta-semicircolare.vro");
  ApplicaNormativa(d.Normativa, BaseNormativa::Eurocodice);
  d.Normativa.base = BaseNormativa::Digitata;
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(6, false), a));
  EXPECT_FALSE(a.fattore());
  EXPECT_TRUE(a.adeguato());
  EXPECT_EQ(a.governante().esito, EsitoCarico::Illimitato);

  // No variable load at all: adequate when a thrust line fits under the
  // design permanent loads.
  d.qCarico = 0;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(6, false), a));
  EXPECT_EQ(a.governante().esito, EsitoCarico::NessunCarico);
  EXPECT_TRUE(a.adeguato());
}

// A code basis gives no verdict on what the engineer has not stated: the
// knowledge level, the masonry's factor gM, a finite strength in every ring.
TEST(Adeguatezza, ACodeBasisGivesNoVerdictWithoutWhatItNeeds) {
  struct Caso {
    BaseNormativa base;
    bool livello, gM;
    Single fc;
    MancanzeVerdetto atteso;
  };
  const Caso casi[] = {
      {BaseNormativa::Ntc2018, true, true, 5, {}},
      {BaseNormativa::Ntc2018, false, true, 5, {true, false, false}},
      {BaseNormativa::Eurocodice, true, false, 5, {false, true, false}},
      {BaseNormativa::Eurocodice, true, true, 0, {false, false, true}},
      {BaseNormativa::Ntc2018, false, false, 0, {true, true, true}},
      {BaseNormativa::Digitata, false, false, 0, {}},
  };
  for (const Caso& c : casi) {
    DatiProgetto d = esempio("ponte-stradale.vro");
    d.ResistenzaAnello = c.fc;
    ApplicaNormativa(d.Normativa, c.base);
    if (c.livello) ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
    d.Normativa.gMDato = c.gM;
    Adeguatezza a;
    ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(0, false), a));
    SCOPED_TRACE(static_cast<int>(c.base) * 100 + c.livello * 10 + c.gM);
    EXPECT_EQ(a.mancanze.livello, c.atteso.livello);
    EXPECT_EQ(a.mancanze.gM, c.atteso.gM);
    EXPECT_EQ(a.mancanze.resistenza, c.atteso.resistenza);
    EXPECT_EQ(a.verdetto(), c.atteso.nessuna());
    // No verdict: no combination assessed, so no factor to mistake for one.
    EXPECT_EQ(a.fattore().has_value(), c.atteso.nessuna());
    const std::string testo = TestoMancanze(a.mancanze, Regional::inglese());
    EXPECT_EQ(testo.rfind("No verdict: ", 0) == 0, !c.atteso.nessuna());
    EXPECT_EQ(testo.find("knowledge level") != std::string::npos, c.atteso.livello);
    EXPECT_EQ(testo.find("γM") != std::string::npos, c.atteso.gM);
    EXPECT_EQ(testo.find("crushing not checked") != std::string::npos, c.atteso.resistenza);
  }
  // A chain of segments needs every segment's strength, a bridge every span's.
  DatiProgetto ponte = esempio("ponti/ponte-tre-campate.vro");
  ponte.ResistenzaAnello = 5;
  for (DatiCampata& c : ponte.Campate) c.ResistenzaAnello = 5;
  EXPECT_TRUE(ResistenzaOvunque(ponte));
  ponte.Campate.back().ResistenzaAnello = 0;
  EXPECT_FALSE(ResistenzaOvunque(ponte));
}

}  // namespace
}  // namespace voro
