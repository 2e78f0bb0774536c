// The adequacy factor against projects multiplied by hand, the soil's design resistance and rail traffic.
#include <gtest/gtest.h>

#include "data/LibreriaVeicoli.h"
#include "data/Normative.h"
#include "data/TrafficoFerroviario.h"
#include "limite/Adeguatezza.h"
#include "limite/PercorsoVeicolo.h"
#include "limite/Valutato.h"

namespace voro {
namespace {

// The least live-load factor of a project assessed as it stands: its own strip and the sweep.
std::optional<double> FattoreMinimo(DatiProgetto d, int posizioni) {
  const RisultatiSicurezza r = Valutato(std::move(d), posizioni, false).r;
  if (r.fattorePeggiore && (!r.fattoreCarico || *r.fattorePeggiore < *r.fattoreCarico)) return r.fattorePeggiore;
  return r.fattoreCarico;
}

Adeguatezza Adeguato(const DatiProgetto& d, int posizioni) {
  Adeguatezza a;
  EXPECT_TRUE(ValutaAdeguatezza(d, Opzioni(posizioni, false), a));
  return a;
}

TEST(Adeguatezza, EqualsTheLiveLoadFactorOfTheProjectMultipliedByHand) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.ResistenzaAnello = 6;
  ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
  d.Normativa.coefficienti.gM = 2, d.Normativa.gMDato = true;
  ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
  const Adeguatezza a = Adeguato(d, 12);
  // inf: masonry and fill as they are, no slab, load 1.35, strength 6 / (2 x 1.2); sup: masonry and
  // fill 1.35, slab 1.50; the mixed ones: each permanent load at its own factor.
  DatiProgetto inf = d;
  inf.PesoSoletta = 0, inf.qCarico = d.qCarico * 1.35f, inf.ResistenzaAnello = 6 / (2 * 1.2f);
  DatiProgetto sup = inf, g1sup = inf, g2sup = inf;
  sup.PesoMuratura = g1sup.PesoMuratura = d.PesoMuratura * 1.35f;
  sup.PesoRiempimento = g1sup.PesoRiempimento = d.PesoRiempimento * 1.35f;
  sup.PesoSoletta = g2sup.PesoSoletta = d.PesoSoletta * 1.5f;
  double minimo = 1e300;
  for (const auto& [k, p] : {std::pair{0, inf}, std::pair{1, sup}, std::pair{2, g1sup}, std::pair{3, g2sup}}) {
    const auto f = FattoreMinimo(p, 12);
    const EsitoCombinazione& e = a.combinazioni[static_cast<std::size_t>(k)];
    ASSERT_TRUE(f && e.fattore) << k;
    EXPECT_EQ(e.combinazione, kCombinazioni[static_cast<std::size_t>(k)]);
    EXPECT_DOUBLE_EQ(*e.fattore, *f) << k;
    minimo = std::min(minimo, *f);
  }
  // The smallest of the four governs and gives the verdict; the governing
  // load has its mechanism and its place on the structure.
  EXPECT_DOUBLE_EQ(*a.fattore(), minimo);
  EXPECT_DOUBLE_EQ(*a.governante().fattore, minimo);
  EXPECT_EQ(a.adeguato(), minimo >= 1);
  ASSERT_TRUE(a.governante().governante);
  EXPECT_EQ(a.governante().meccanismo.size(), 4u);
}

TEST(Adeguatezza, TheDesignFrictionIsTheFrictionOverItsFactorAndNeverRaisesTheFactor) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.ResistenzaAnello = 5, d.Attrito = 0.6f, d.Normativa.coefficienti.gMu = 1.5f;
  EXPECT_FLOAT_EQ(*ProgettoDiCalcolo(d, d.Normativa.coefficienti, Combinazione::Sup).Attrito, 0.4f);
  DatiProgetto senza = d, mano = d, unitario = d;
  senza.Attrito.reset();
  EXPECT_FALSE(ProgettoDiCalcolo(senza, senza.Normativa.coefficienti, Combinazione::Sup).Attrito);
  // The design project of gMu 1.5 is the project with mu 0.4 under unit factors.
  mano.Attrito = 0.6f / 1.5f;
  mano.Normativa.coefficienti.gMu = unitario.Normativa.coefficienti.gMu = 1;
  const Adeguatezza a = Adeguato(d, 7), b = Adeguato(mano, 7), liscio = Adeguato(unitario, 7);
  ASSERT_TRUE(a.fattore() && b.fattore());
  EXPECT_DOUBLE_EQ(*a.fattore(), *b.fattore());
  EXPECT_LE(*a.fattore(), *liscio.fattore() * (1 + 1e-3));
}

// Under unit factors the project's own assessment serves every combination, as a fresh one would, without
// the least thickness; with the permanent loads unchanged, gQ only rescales the load the factor multiplies:
// a gQ twice the project's own least factor leaves half of it.
TEST(Adeguatezza, GammaQOnlyRescalesTheProjectsOwnLeastFactor) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  const Valutato proprio(d, 10, true);
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(d, Opzioni(10, false), a, &proprio.r, nullptr) && a.fattore());
  const Adeguatezza nuovo = Adeguato(d, 10);
  for (std::size_t k = 0; k < a.combinazioni.size(); ++k) {
    const RisultatiSicurezza &r = a.combinazioni[k].risultati, &s = nuovo.combinazioni[k].risultati;
    StesseCifre(r, s, 0, {kFattoreCarico, kFattorePeggiore, kSpessoreMinimo});
    EXPECT_EQ(r.contattiSpessoreMinimo, s.contattiSpessoreMinimo);
  }
  d.Normativa.coefficienti.gQ = toSingle(*a.fattore() * 2);
  const Adeguatezza gQ = Adeguato(d, 10);
  ASSERT_TRUE(gQ.fattore());
  EXPECT_NEAR(*gQ.fattore(), 0.5, 1e-6);
  EXPECT_FALSE(gQ.adeguato());
}

TEST(Adeguatezza, ALoadThatCanNeverCollapseTheArchIsAdequateWithoutAFactor) {
  // EN's factors as the engineer's own table: rigid masonry, refused by a code basis, is theirs to assume.
  DatiProgetto d = esempio("volta-semicircolare.vro");
  ApplicaNormativa(d.Normativa, BaseNormativa::Eurocodice);
  d.Normativa.base = BaseNormativa::Digitata;
  const Adeguatezza a = Adeguato(d, 6);
  EXPECT_TRUE(!a.fattore() && a.adeguato());
  EXPECT_EQ(a.governante().esito, EsitoCarico::Illimitato);
  // No variable load at all: adequate when a thrust line fits under the
  // design permanent loads.
  d.qCarico = 0;
  const Adeguatezza nessuno = Adeguato(d, 6);
  EXPECT_EQ(nessuno.governante().esito, EsitoCarico::NessunCarico);
  EXPECT_TRUE(nessuno.adeguato());
}

// A code basis gives no verdict on what the engineer has not stated: the
// knowledge level, the masonry's factor gM, a finite strength in every ring.
TEST(Adeguatezza, ACodeBasisGivesNoVerdictWithoutWhatItNeeds) {
  struct Caso { BaseNormativa base; bool livello, gM; Single fc; MancanzeVerdetto atteso; };
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
    const Adeguatezza a = Adeguato(d, 0);
    SCOPED_TRACE(static_cast<int>(c.base) * 100 + c.livello * 10 + c.gM);
    const MancanzeVerdetto& m = a.mancanze;
    EXPECT_TRUE(m.livello == c.atteso.livello && m.gM == c.atteso.gM && m.resistenza == c.atteso.resistenza);
    // No verdict: no combination assessed, so no factor to mistake for one.
    EXPECT_EQ(a.verdetto(), c.atteso.nessuna());
    EXPECT_EQ(a.fattore().has_value(), c.atteso.nessuna());
    const std::string testo = TestoMancanze(m, Regional::inglese());
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

// The soil's design resistance: the characteristic pressures over gR, whatever factors the loads
// carry; and a weaker soil never makes the bridge more adequate.
TEST(SpintaDiProgetto, LaResistenzaDelTerrenoDaiCarichiCaratteristiciDivisiPerGammaR) {
  DatiProgetto d = prova::anelloPassivo();
  d.hSoletta = 0.2f, d.PesoSoletta = 22;
  const ModelloArco caratteristico = ModelloCaricato(d).m;
  for (const auto& [k, gR] :
       {std::pair{Combinazione::Sup, 1.0f}, {Combinazione::Inf, 1.25f}, {Combinazione::G1SupG2Inf, 2.0f}}) {
    CoefficientiParziali f;
    f.gG1sup = 1.35f, f.gG1inf = 1, f.gG2sup = 1.5f, f.gG2inf = 0, f.gQ = 1.35f, f.gR = gR;
    const ModelloArco m = ModelloCaricato(ProgettoDiCalcolo(d, f, k)).m;
    int spinti = 0;
    for (int i = 1; i <= m.nConciTot; ++i) {
      const double atteso = caratteristico.Conci(i).FOrizzontale / gR;
      EXPECT_NEAR(m.Conci(i).FOrizzontale, atteso, 1e-12 * std::fabs(atteso) + 1e-12) << i;
      spinti += atteso != 0;
    }
    EXPECT_GT(spinti, 4);
  }
  d = prova::anelloPassivo();
  d.Mobilitazione = 1;
  double prima = 1e300;
  for (const Single gR : {1.0f, 1.5f, 3.0f}) {
    d.Normativa.coefficienti.gR = gR;
    const Adeguatezza a = Adeguato(d, 0);
    ASSERT_TRUE(a.governante().fattore.has_value());
    EXPECT_LE(*a.governante().fattore, prima * (1 + 1e-9)) << gR;
    prima = *a.governante().fattore;
  }
}

Veicolo LM71() {
  Veicolo v{"LM71 axles", {{250, 0, 0.25f}, {250, 1.6f, 0.25f}, {250, 3.2f, 0.25f}, {250, 4.8f, 0.25f}}, 1.435f, 0.25f};
  v.Categoria = CategoriaTraffico::Ferroviaria;
  return v;
}

// A single ring of the given clear span under h of fill and slab at the crown.
DatiProgetto ArcoFerroviario(Single luce, Single h, BaseNormativa b, ManutenzioneBinario m) {
  DatiProgetto d;
  d.nVori = 1, d.LuceAnello = luce, d.hRiempimento = h * 0.75f, d.hSoletta = h * 0.25f, d.VeicoloCarico = LM71();
  ApplicaNormativa(d.Normativa, b);
  d.Normativa.manutenzione = m;
  return d;
}

TEST(TrafficoFerroviario, PhiComeLaFormulaFattaAMano) {
  using M = ManutenzioneBinario;
  const BaseNormativa EN = BaseNormativa::Eurocodice, NTC = BaseNormativa::Ntc2018;
  const double phi4 = 1.44 / (std::sqrt(8.0) - 0.2) + 0.82;
  // By hand: 1.44 / (sqrt(2 L) - 0.2) + 0.82, or 2.16 / (...) + 0.73, then
  // the cover's reduction and the floor 1.
  const struct { Single luce, h; BaseNormativa base; M manutenzione; double phiBase, phi; } casi[] = {
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
      {4, 2.4f, NTC, M::Accurata, phi4, phi4 - 0.14},
      {4, 2.6f, NTC, M::Accurata, phi4, 1.0},
  };
  for (const auto& c : casi) {
    SCOPED_TRACE(std::to_string(c.luce) + " m, h " + std::to_string(c.h));
    const DatiProgetto d = ArcoFerroviario(c.luce, c.h, c.base, c.manutenzione);
    const auto f = FattoreDinamicoArco(d, d.Normativa.coefficienti);
    ASSERT_TRUE(f.has_value());
    EXPECT_NEAR(f->LPhi, 2.0 * c.luce, 1e-9);
    EXPECT_NEAR(f->phiBase, c.phiBase, 2e-6);
    EXPECT_NEAR(f->phi, c.phi, 2e-6);
  }
  // Typed by the engineer, Phi is theirs; no span, no Phi to find.
  DatiProgetto d = ArcoFerroviario(10, 0, BaseNormativa::Eurocodice, ManutenzioneBinario::Accurata);
  d.Normativa.coefficienti.phi = 1.3f;
  EXPECT_NEAR(FattoreDinamicoArco(d, d.Normativa.coefficienti)->phi, 1.3, 1e-6);
  d.Normativa.coefficienti.phi = 0, d.LuceAnello = 0;
  EXPECT_FALSE(FattoreDinamicoArco(d, d.Normativa.coefficienti).has_value());
}

// LM71's design axle load is gQrail alpha Phi P, by hand, in every
// combination; the strip load keeps gQ, and so does the same vehicle as road traffic.
TEST(TrafficoFerroviario, CarichiDiProgettoDiLM71SottoENeNTC) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.VeicoloCarico = LM71();
  const double h = static_cast<double>(d.hRiempimento) + d.hSoletta;
  ASSERT_LT(h, 2.5);
  const double phi2 = 1.44 / (std::sqrt(2.0 * d.LuceAnello) - 0.2) + 0.82;
  const double phi = std::max(1.0, std::min(phi2, 1.67) - (h > 1 ? (h - 1) / 10 : 0));
  for (const auto& [base, alpha] : {std::pair{BaseNormativa::Eurocodice, 1.0}, std::pair{BaseNormativa::Ntc2018, 1.1}}) {
    ApplicaNormativa(d.Normativa, base);
    const CoefficientiParziali& k = d.Normativa.coefficienti;
    for (const Combinazione comb : kCombinazioni) {
      const DatiProgetto p = ProgettoDiCalcolo(d, k, comb);
      for (const AsseVeicolo& a : p.VeicoloCarico->Assi) EXPECT_NEAR(a.P, 1.45 * alpha * phi * 250, 1e-3);
      EXPECT_FLOAT_EQ(p.qCarico, d.qCarico * 1.35f);
    }
  }
  d.VeicoloCarico->Categoria = CategoriaTraffico::Stradale;
  EXPECT_FLOAT_EQ(ProgettoDiCalcolo(d, d.Normativa.coefficienti, Combinazione::Sup).VeicoloCarico->Assi[0].P, 250 * 1.35f);
}

// Where the collapse is linear in the live load (rigid blocks, no strip load), the design live-load
// factor is the characteristic one over gQrail alpha Phi exactly, with permanent factors 1.
TEST(TrafficoFerroviario, IlFattoreCadeDelRapportoDelCarico) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.qCarico = 0, d.VeicoloCarico = LM71(), d.Normativa = DatiNormativa{};
  ModelloCaricato c(d);
  RisultatiVeicolo proprio;
  ASSERT_TRUE(PercorriVeicolo(c.d, c.m, 0.05, nullptr, proprio));
  ASSERT_TRUE(proprio.fattorePeggiore.has_value());
  for (const auto& [gQf, alpha, phi] : {std::tuple{1.45f, 1.1f, 1.2f}, {1.0f, 1.0f, 1.5f}, {1.45f, 1.21f, 0.0f}}) {
    CoefficientiParziali& k = d.Normativa.coefficienti;
    k.gQ = 1.35f;  // the strip's, absent here: no effect
    k.gQf = gQf, k.alpha = alpha, k.phi = phi;
    const Adeguatezza a = Adeguato(d, 0);
    ASSERT_TRUE(a.fattore().has_value());
    EXPECT_NEAR(*a.fattore() * FattoreVeicolo(d, k), *proprio.fattorePeggiore, 2e-5 * *proprio.fattorePeggiore);
  }
}

// A rail project written and read again is the same under every code basis; a table typed before the
// rail factor gives rail traffic the road's gQ; gR is stored after gMu only where it is not 1.
TEST(TrafficoFerroviario, IlProgettoFerroviarioNelFile) {
  DatiProgetto d = esempio("ponte-stradale.vro");
  d.VeicoloCarico = LM71();
  ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
  d.Normativa.coefficienti.alpha = 1.21f, d.Normativa.coefficienti.phi = 1.25f;
  d.Normativa.manutenzione = ManutenzioneBinario::Standard;
  for (const BaseNormativa b : {BaseNormativa::Ntc2018, BaseNormativa::Eurocodice, BaseNormativa::Digitata}) {
    d.Normativa.base = b;
    const DatiProgetto r = Letto(written(d));
    EXPECT_TRUE(r.VeicoloCarico == d.VeicoloCarico && r.Normativa == d.Normativa) << static_cast<int>(b);
  }
  std::string vecchio = written(d);
  const std::size_t riga = vecchio.find("\"Normativa\"");
  vecchio.replace(riga, vecchio.find("\r\n", riga) - riga, "\"Normativa\",0,3,1.2,1,1.3,0,1.4,2,1.1");
  const DatiNormativa n = Letto(vecchio).Normativa;
  EXPECT_TRUE(n.coefficienti.gQf == 1.4f && n.coefficienti.alpha == 1 && n.manutenzione == ManutenzioneBinario::Accurata);
  for (const Single gR : {1.0f, 1.4f}) {
    DatiProgetto p = prova::anelloPassivo();
    p.hRiempimentoSolido = 0, p.Normativa.base = BaseNormativa::Ntc2018;
    FattoriFerroviariPredefiniti(p.Normativa.base, p.Normativa.coefficienti);
    p.Normativa.coefficienti.gR = gR;
    const std::string s = written(p);
    EXPECT_EQ(s.find(",1,1.4\r\n") != std::string::npos, gR != 1) << s;
    EXPECT_EQ(Letto(s).Normativa.coefficienti, p.Normativa.coefficienti);
  }
}

// A vehicle file written before the category reads as road traffic; rail and road read back as
// written; any other category is refused by line.
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
}

}  // namespace
}  // namespace voro
