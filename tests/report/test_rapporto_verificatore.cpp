// A report a checking engineer can sign, read as they read it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>

#include "arch/CaricaConci.h"
#include "arch/ImposteArco.h"
#include "data/Normative.h"
#include "data/Versione.h"
#include "limite/Adeguatezza.h"
#include "limite/PercorsoVeicolo.h"
#include "Rapporto.h"
#include "report/RapportoValutato.h"
#include "report/SezioneArcoAnalizzato.h"
#include "report/SezioneConclusioni.h"

using namespace voro;

namespace {

// A code basis at LC2 with the engineer's gM 2.
void Normativa(DatiProgetto& d, BaseNormativa base) {
  ApplicaNormativa(d.Normativa, base);
  ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
  d.Normativa.coefficienti.gM = 2, d.Normativa.gMDato = true;
}

const Veicolo kTandem{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};

// The road bridge as voro-cli report assesses it: the LM1 tandem spread 1:2, fc 5 MPa, mu 0.6, NTC 2018.
struct PonteValutato {
  DatiProgetto dati, progetto;
  ModelloArco modello;
  RisultatiSicurezza risultati;
  RisultatiVeicolo veicolo;
  Adeguatezza adeguatezza;
  FontiRapporto fonti;
  Documento doc;
  explicit PonteValutato(const std::string& file = "ponte-stradale.vro", std::optional<Veicolo> v = kTandem)
      : dati(prova::leggi("examples/" + file)) {
    RecordingMessages msg;
    dati.VeicoloCarico = std::move(v);
    dati.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0}, dati.ResistenzaAnello = 5, dati.Attrito = 0.6f;
    Normativa(dati, BaseNormativa::Ntc2018);
    OpzioniSicurezza o;
    o.nPosizioni = 8, o.passoVeicolo = 0.2;
    CostruisciModello(dati, modello, msg);
    EXPECT_TRUE(ValutaSicurezza(dati, modello, msg, o, risultati));
    const bool sweep = dati.VeicoloCarico.has_value();
    EXPECT_TRUE(!sweep || PercorriVeicolo(dati, modello, o.passoVeicolo, nullptr, veicolo));
    EXPECT_TRUE(ValutaAdeguatezza(dati, o, adeguatezza, &risultati, sweep ? &veicolo : nullptr));
    // The report's project is the file as read; the assessment's carries the vehicle.
    progetto = dati;
    progetto.VeicoloCarico.reset();
    fonti.dati = &progetto, fonti.modello = &modello, fonti.file = "ponte-stradale.vro";
    fonti.programma = std::string("Voro ") + kVersioneVoro;
    doc = Componi(Regional::inglese());
  }
  Documento Componi(const Regional& lingua) const {
    const ValutazioneRapporto v{&dati, &modello, &risultati, &adeguatezza, &veicolo};
    return ComponiRapportoValutato(fonti, NumeriRapporto(lingua), &v, true);
  }
};

const PonteValutato& Ponte() {
  static const PonteValutato p;
  return p;
}

double Valore(const std::vector<std::string>& riga, const Tabella& t, const std::string& colonna) {
  return std::stod(riga[Indice(t, colonna)]);
}

}  // namespace

// The governing design case in its own section: its design strength, its design axles and the
// voussoirs' design loads summing to its totals.
TEST(RapportoVerificatore, TheGoverningCaseHasItsDesignStrengthAxlesAndLoads) {
  const PonteValutato& p = Ponte();
  const EsitoCombinazione& g = p.adeguatezza.governante();
  ASSERT_TRUE(g.fattore && g.governante && g.governante->veicolo);
  // fd = fc / (gM FC) = 5 / (2 x 1.2), as the design project used it; its figure is drawn.
  Dice(Testo(p.doc), {"Governing design case", "fd = fc / (γM FC) = 5 / (2 × 1.2) = 2.083 MPa"});
  // Its figure and the vehicle's at its worst position draw the same bridge to the same extents: one box.
  std::map<std::string, double> box;
  for (const Figura* f : Figure(p.doc)) box[f->didascalia.substr(0, 20)] = f->proporzione;
  ASSERT_TRUE(box.count("The governing design") && box.count("The vehicle at its w"));
  EXPECT_EQ(box["The governing design"], box["The vehicle at its w"]);
  // The design axles at the governing position: gQ P b / b_e, and lambda times that at collapse.
  const auto tabelle = Tabelle(p.doc, "Governing design case");
  const Tabella* asse = ConColonna(tabelle, "γQ P b / b_e");
  ASSERT_TRUE(asse && asse->righe.size() == 2u);
  for (const auto& r : asse->righe) {
    const double be = Valore(r, *asse, "b_e"), b = p.dati.Larghezza, Fd = Valore(r, *asse, "γQ P b / b_e");
    EXPECT_NEAR(Fd, 1.35 * 300 * b / be, 0.01 + 405 * b * 0.0005 / (be * be));
    EXPECT_NEAR(Valore(r, *asse, "λ γQ P b / b_e"), *g.fattore * Fd, 0.02);
  }
  const Tabella* t = ConColonna(tabelle, "G1");
  ASSERT_TRUE(t && t->righe.size() == static_cast<std::size_t>(p.modello.nConciTot) + 1);
  // The characteristic weights by hand times the factors; the design variable load: gQ q b, and the axles.
  prova::Caso c(p.dati);
  CaricaConci(c.dati, c.modello, c.messaggi);
  const ModelloArco& m = c.modello;
  double G1 = 0, G2 = 0, striscia = 0, assi = 0;
  for (int i = 1; i <= m.nConciTot; ++i)
    G1 += m.Conci(i).FPermanente - m.Conci(i).FSoletta, G2 += m.Conci(i).FSoletta, striscia += m.Conci(i).FVariabile;
  for (const ImprontaAsse& a : g.veicolo->assiPeggiori) assi += a.F;
  const auto [g1, g2] = FattoriPermanenti(p.adeguatezza.coefficienti, g.combinazione);
  const auto& totale = t->righe.back();
  for (const auto& [nome, atteso, tol] : {std::tuple{"G1", g1 * G1, 1e-4 * g1 * G1 + 0.01},
                                          std::tuple{"G2", g2 * G2, 1e-4 * g2 * G2 + 0.01},
                                          std::tuple{"Qd", p.adeguatezza.coefficienti.gQ * striscia + assi, 0.05}}) {
    const std::size_t k = Indice(*t, nome);
    double somma = 0;
    for (std::size_t r = 0; r + 1 < t->righe.size(); ++r) somma += std::stod(t->righe[r][k]);
    EXPECT_NEAR(somma, std::stod(totale[k]), 0.005 * t->righe.size()) << nome;
    EXPECT_NEAR(std::stod(totale[k]), atteso, tol) << nome;
  }
}

TEST(RapportoVerificatore, TheJointForcesAtCollapseKeepEveryVoussoirInEquilibrium) {
  // The tandem governing; a light car, where the strip load governs and the conclusions name it alone;
  // a shallow arch whose passive pressure loads the voussoirs sideways.
  const Veicolo auto5{"car", {{5, 0, 0.4f}, {5, 1.2f, 0.4f}}, 2, 0.4f};
  for (const auto& [file, v] : {std::pair{"ponte-stradale.vro", std::optional{kTandem}},
                                std::pair{"ponte-stradale.vro", std::optional{auto5}},
                                std::pair{"arco-ribassato-spinta.vro", std::optional<Veicolo>{}}}) {
    SCOPED_TRACE(std::string(file) + (v ? " with the " + v->Nome : ""));
    const PonteValutato p(file, v);
    const bool tandem = v && v->Nome == kTandem.Nome;
    ASSERT_EQ(p.adeguatezza.governante().governante->veicolo, tandem);
    const std::string q = NumeriRapporto(Regional::inglese()).kN(*p.adeguatezza.fattore() * p.dati.qCarico);
    if (!tandem) Dice(Testo(p.doc), {"the strip load of " + q + " kN/m², its permissible load"}, {"with axles of"});
    const auto tabelle = Tabelle(p.doc, "Governing design case");
    const Tabella* carichi = ConColonna(tabelle, "G1");
    const Tabella* giunti = ConColonna(tabelle, "N");
    ASSERT_TRUE(carichi && giunti);
    const int n = p.modello.nConciTot;
    ASSERT_EQ(giunti->righe.size(), static_cast<std::size_t>(n) + 1);
    const bool orizzontali = ConColonna({carichi}, "Horizontal at collapse") != nullptr;
    for (int i = 1; i <= n; ++i) {
      const auto& sinistra = giunti->righe[static_cast<std::size_t>(i - 1)];
      const auto& destra = giunti->righe[static_cast<std::size_t>(i)];
      const auto& blocco = carichi->righe[static_cast<std::size_t>(i - 1)];
      // V falls by each voussoir's vertical load at collapse, H grows by its horizontal load toward +x.
      const double O = orizzontali ? Valore(blocco, *carichi, "Horizontal at collapse") : 0;
      EXPECT_NEAR(Valore(destra, *giunti, "H") - Valore(sinistra, *giunti, "H"), O, 0.03) << "voussoir " << i;
      EXPECT_NEAR(Valore(sinistra, *giunti, "V") - Valore(destra, *giunti, "V"),
                  Valore(blocco, *carichi, "Vertical at collapse"), 0.03) << "voussoir " << i;
    }
    // N and T are the same force in the joint's own axes.
    for (const auto& r : giunti->righe)
      EXPECT_NEAR(std::hypot(Valore(r, *giunti, "N"), Valore(r, *giunti, "T")),
                  std::hypot(Valore(r, *giunti, "H"), Valore(r, *giunti, "V")), 0.02);
    // Every hinge of the mechanism lies within its joint.
    for (const Cerniera& h : p.adeguatezza.governante().meccanismo)
      EXPECT_LE(std::fabs(Valore(giunti->righe[static_cast<std::size_t>(h.giunto - 1)], *giunti, "e")),
                1000 * p.modello.Conci(std::max(1, h.giunto - 1)).hSezione / 2 + 0.1);
  }
}

// The vehicle as applied, each axle's spread, and the permissible load: the adequacy factor times the
// characteristic axles, in English and Italian numbers (the core's tests carry no translations).
TEST(RapportoVerificatore, TheVehicleTableNamesItsLoadsAndSpreadAndThePermissibleLoadItsFactorTimesThem) {
  const PonteValutato& p = Ponte();
  const double f = *p.adeguatezza.fattore();
  for (const Regional& lingua : {Regional::inglese(), Regional::italiano()}) {
    const NumeriRapporto num(lingua);
    const std::string asse = num.kN(f * 300);
    Dice(Testo(p.Componi(lingua)), {"axles of " + asse + " + " + asse + " kN",
                                    num.kN(f * p.dati.qCarico) + " kN/m², its permissible load",
                                    "ζ_V in the sense of NTC 2018, 8.3, is " + num.fattore(f)});
  }
  const Tabella* t = ConColonna(Tabelle(p.doc, "Vehicle: LM1 tandem"), "P b / b_e");
  ASSERT_TRUE(t && t->righe.size() == 2u);
  for (const auto& r : t->righe) {
    const double z = Valore(r, *t, "z"), da = Valore(r, *t, "x1"), a = Valore(r, *t, "x2");
    // 1:2 spread: a + 2 z tan(theta), tan(theta) = 0.5, centred on the axle.
    EXPECT_NEAR(Valore(r, *t, "a + 2 z tanθ"), 0.4 + z, 0.002);
    EXPECT_NEAR(a - da, 0.4 + z, 0.002);
    EXPECT_NEAR((a + da) / 2, Valore(r, *t, "x"), 0.001);
    const double b = Valore(r, *t, "b"), be = Valore(r, *t, "b_e");
    EXPECT_NEAR(Valore(r, *t, "P b / b_e"), 300 * b / be, 0.01 + 300 * b * 0.0005 / (be * be));
    EXPECT_NEAR(Valore(r, *t, "λ P"), *p.veicolo.fattorePeggiore * 300, 0.01);
  }
  // The tandem is its own mirror image: no direction said; what is applied and what the model also holds.
  Dice(Testo(p.doc),
       {"(the vehicle is its own mirror image)", "standing there while the vehicle moves", "9 kN/m² in lane 1", "CS 454"},
       {" m, driven"});
}

TEST(RapportoVerificatore, TheAnalysedArchIsTheChordOfTheInputCircleAtItsSpringings) {
  // Circular rings: the analysed springings lie on the input's intrados, the span its chord at their level.
  for (const char* nome : {"ponte-stradale.vro", "volta-semicircolare.vro"}) {
    SCOPED_TRACE(nome);
    const prova::Caso c(prova::leggi(std::string("examples/") + nome));
    const DatiProgetto& d = c.dati;
    const auto dato = ArcoDato(c.modello, d), analizzato = ArcoAnalizzato(c.modello);
    ASSERT_TRUE(dato && analizzato);
    const double L = dato->luce(), f = dato->freccia();
    EXPECT_NEAR(L, d.LuceAnello, 1e-4);
    EXPECT_NEAR(f, d.FrecciaAnello, 1e-4);
    const double R = (L * L / 4 + f * f) / (2 * f), yc = dato->ySinistra + f - R;
    EXPECT_NEAR(analizzato->luce(), 2 * std::sqrt(R * R - std::pow(analizzato->ySinistra - yc, 2)), 1e-6);
    EXPECT_NEAR(analizzato->freccia(), f - (analizzato->ySinistra - dato->ySinistra), 1e-6);
    EXPECT_LE(analizzato->luce(), L + 1e-9);
  }
  // The road bridge springs where its extrados meets the backing, 1 m up.
  const PonteValutato& p = Ponte();
  const auto a = ArcoAnalizzato(p.modello);
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->yEstradossoSinistra, p.dati.Vori(1).Y1 + p.dati.hRiempimentoSolido, 1e-3);
  const Tabella* t = ConColonna(Tabelle(p.doc, "Analysed arch"), "Analysed arch");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->righe[0][2], NumeriRapporto(Regional::inglese()).metri(a->luce()));
  EXPECT_EQ(t->righe.back()[2], std::to_string(p.modello.nConciTot));
  // The input ring is its own mirror image: its springings' extrados, under the walls, at one level.
  EXPECT_EQ(Cella(p.doc, "Left springing, extrados y", 1), Cella(p.doc, "Right springing, extrados y", 1));
}

// The checker's reading of the road bridge: the verdict's hypotheses not contradicted by the
// three-hinge sections, t/tmin under fc and mu not called Heyman's, the software named with its licence.
TEST(RapportoVerificatore, EveryFigureIsNamedForTheHypothesesItRestsOnAndTheSoftwareForItsMaker) {
  Dice(Testo(Ponte().doc),
       {"Three-hinged thrust line: hypotheses", "it is not the assessment, and the verdict does not rest on it",
        "Design strength fd = fc / (γM FC) fd 2.083 MPa", "Design friction coefficient μ / γμ μd 0.6",
        "Thickness factor (the hypotheses above) t/tmin", "it is not Heyman's geometric factor of safety",
        "At the least thickness the walls take 3 voussoirs of the ring on the left and 3 on the right (2 and 2",
        "inf: permanent loads favourable (γG1 = 1, γG2 = 0: the slab and surfacing left out)",
        "γM 2.000 typed by the engineer", "γμ 1.000 default (no reduction)", std::string("Licence: ") + kLicenzaVoro,
        "Type of analysis", "Validation", "independent reference", "Judgement of the results",
        "figures of the assessment are certified"},
       {"Geometric factor of safety (Heyman)"});
  // Every line of the text report fits in 100 columns.
  std::istringstream righe(TestoARighe(Ponte().doc));
  for (std::string riga; std::getline(righe, riga);) EXPECT_LE(ColonneTesto(riga), 100u) << riga;
  std::ifstream in(std::string(VORO_SOURCE_DIR) + "/packaging/copyright");
  EXPECT_NE(std::string(std::istreambuf_iterator<char>(in), {}).find(kProduttoreVoro), std::string::npos);
  EXPECT_EQ(Cella(Ponte().doc, "Version", 1), kVersioneVoro);
  EXPECT_EQ(Cella(Ponte().doc, "Producer", 1), "The Voro developers");
}

TEST(RapportoFirmabile, TheReactionsConventionIsTrueForEveryValuePrinted) {
  // Passive pressure on both sides: the horizontal forces balance only read with the convention stated.
  const Progetto p(prova::anelloPassivo());
  const Documento doc = p.Componi();
  Dice(Testo(doc), {"H positive toward the arch"}, {"positive to the right"});
  const double Hl = std::stod(Riga(doc, "Horizontal force, left springing").at(2));
  const double Hr = std::stod(Riga(doc, "Horizontal force, right springing").at(2));
  const auto Pl = Riga(doc, "Passive pressure resultant, left"), Pr = Riga(doc, "Passive pressure resultant, right");
  ASSERT_FALSE(Pl.empty() || Pr.empty());
  EXPECT_TRUE(Pl[1] == "Pl" && Pr[1] == "Pr");  // the walls' forces have names of their own
  // Toward the arch at both springings, toward the crown for the pressures: Hl + Pl = Hr + Pr, all positive.
  EXPECT_NEAR(Hl + std::stod(Pl[2]), Hr + std::stod(Pr[2]), 0.02);
  EXPECT_TRUE(Hl > 0 && Hr > 0 && std::stod(Pl[2]) > 0 && std::stod(Pr[2]) > 0);
}

// No variable load anywhere able to make a mechanism: no promised hinges, no empty chart, a sentence instead.
TEST(RapportoFirmabile, NoMechanismNoHingesPromisedNorChartDrawn) {
  DatiProgetto d = prova::anello(10, 5, 1.0f, 40);
  d.qCarico = 5, d.xq1 = -1, d.xq2 = 11;
  const ConRapporto volta(d);
  ASSERT_FALSE(volta.r.fattorePeggiore);
  const auto figure = Figure(volta.doc);
  ASSERT_EQ(figure.size(), 3u);
  Dice(figure[2]->didascalia, {}, {"hinges", "four"});
  Dice(Testo(volta.doc), {"so no chart of the factor is drawn"});
}

TEST(RapportoFirmabile, SpringingsTheWallsRaiseAreSaidWithLevelAndVoussoirs) {
  // A semicircle with the walls' face at the ring's ends (dw = 0) and the backing at the springing level:
  // the walls take voussoirs off the ring, the same on both sides.
  DatiProgetto d = prova::anello(10, 5, 0.8f, 200);
  d.SporgenzaParete = 0, d.hRiempimentoSolido = 0;
  Progetto p(d);
  const ImposteArco a = ImposteSuPareti(p.caso.modello);
  ASSERT_TRUE(a.sinistra && a.destra);
  EXPECT_GT(a.sinistra->rialzo, 0.1);
  EXPECT_TRUE(a.sinistra->conciParete == a.destra->conciParete && std::fabs(a.sinistra->y - a.destra->y) < 1e-9);
  const NumeriRapporto num(Regional::inglese());
  Dice(Testo(p.Componi()), {"the left wall takes " + num.intero(a.sinistra->conciParete) +
                            " voussoirs of the ring and the arch springs at y = " + num.metri(a.sinistra->y) + " m"});
  // The backing below the springings leaves the ring whole: nothing to say.
  const Progetto intero(prova::anello(10, 5, 0.8f, 200));
  Dice(Testo(intero.Componi()), {}, {"springing above"});
}

TEST(RapportoFirmabile, OnlyPointsOnAnEdgeAreCalledHinges) {
  DatiProgetto d = prova::ponte();
  d.OttimizzaCerniere = false;
  d.EccSinistra = 0, d.EccChiave = 0.25f, d.EccDestra = -0.1f;  // the crown's on the extrados edge
  const Progetto p(d);
  const Documento doc = p.Componi();
  const auto sinistra = Riga(doc, "left springing el"), chiave = Riga(doc, "crown ec");
  const auto destra = Riga(doc, "right springing er");
  EXPECT_EQ(sinistra.back(), "inside the joint");
  EXPECT_EQ(chiave.back(), "hinge, extrados edge");
  EXPECT_EQ(destra.back(), "inside the joint");
  // At the first and last joints of the ring, the crown's midway between them.
  EXPECT_EQ(sinistra.at(1), "1");
  EXPECT_EQ(destra.at(1), std::to_string(p.caso.modello.nGiunti));
  EXPECT_EQ(2 * std::stoi(chiave.at(1)), 1 + p.caso.modello.nGiunti);
  Dice(Testo(doc), {"The three points the calculation imposes on the thrust line"});
}

// The date says its zone: UTC for a repeatable report, else the offset; SOURCE_DATE_EPOCH only if whole.
TEST(RapportoFirmabile, TheDateSaysItsTimeZone) {
  const struct {
    std::int64_t secondi;
    std::optional<int> scarto;
    const char* atteso;
  } date[] = {{1700000000, std::nullopt, "2023-11-14 22:13 UTC"},
              {1700000000, 3600, "2023-11-14 23:13 +01:00"},
              {1700000000, 0, "2023-11-14 22:13 +00:00"},
              {1700000000, -16200, "2023-11-14 17:43 -04:30"},
              {1796687340, 3600, "2026-12-08 00:49 +01:00"}};
  for (const auto& d : date) EXPECT_EQ(DataOraZona(d.secondi, d.scarto), d.atteso) << d.secondi;
  EXPECT_EQ(DataOra(MomentoDa("1700000000")), "2023-11-14 22:13 UTC");
  for (const char* sbagliata : {static_cast<const char*>(nullptr), "", "17e8", "-5", "1700000000 "})
    EXPECT_FALSE(MomentoDa(sbagliata).fisso) << (sbagliata ? sbagliata : "(unset)");
}

TEST(RapportoFirmabile, TheConclusionsComeFirstWithTheVerdictAndItsBasis) {
  DatiProgetto d = prova::ponte();
  d.ResistenzaAnello = 8;
  Normativa(d, BaseNormativa::Eurocodice);
  const ConRapporto v(d, 6);
  const FontiRapporto& fonti = v.p.fonti;
  OpzioniSicurezza o;
  o.nPosizioni = 6;
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(v.d, o, a));
  ASSERT_TRUE(a.fattore());
  const NumeriRapporto num(Regional::inglese());
  const SezioneConclusioni conclusioni(v.d, &v.m, &v.r, &a);
  const SezioneRiferimenti riferimenti(v.d);
  const Documento doc = ComponiRapporto(fonti, num, {&riferimenti}, {&conclusioni});
  const auto h = Intestazioni(doc);
  ASSERT_GE(h.size(), 3u);
  EXPECT_EQ(h[0], "1 Conclusions");
  EXPECT_NE(std::find(h.begin(), h.end(), "6 References"), h.end());
  EXPECT_EQ(Riga(doc, "Verdict").at(1), a.adeguato() ? "adequate" : "not adequate");
  EXPECT_EQ(Riga(doc, "Adequacy factor (design live-load factor)").at(1), num.fattore(*a.fattore()));
  const std::string meccanismo = Riga(doc, "Mechanism: hinges at sections").at(1);
  EXPECT_EQ(std::count(meccanismo.begin(), meccanismo.end(), ','), 3) << meccanismo;
  // Every preset value with its clause; the design strength with its value beside the factors dividing it.
  EXPECT_EQ(Riga(doc, "γG2,sup").at(1), "1.350");
  EXPECT_NE(Riga(doc, "γG2,sup").at(2).find("Table A2.4(B)"), std::string::npos);
  Dice(Testo(doc), {"The arch is adequate under the partial factors of the code basis \"EN 1990 / EN 1991-2\"",
                    "EN 1990:2002+A1:2005, Eurocode - Basis of structural design, Annex A2", "joints that never slide",
                    "fd = fc / (γM FC), γM = 2 and FC = 1.2, fd = 3.333 MPa"});
  // A code basis without the knowledge level gives no verdict, and says why.
  DatiProgetto incompleta = v.d;
  incompleta.Normativa.livello.reset();
  Adeguatezza manca;
  ASSERT_TRUE(ValutaAdeguatezza(incompleta, o, manca));
  const SezioneConclusioni senzaLivello(incompleta, &v.m, &v.r, &manca);
  const Documento senzaVerdetto = ComponiRapporto(fonti, num, {}, {&senzaLivello});
  EXPECT_EQ(Riga(senzaVerdetto, "Verdict").at(1), "no verdict");
  EXPECT_EQ(Riga(senzaVerdetto, "FC").at(1), "-");
  Dice(Testo(senzaVerdetto), {"No verdict: the knowledge level (LC1, LC2 or LC3) is not given."}, {"The arch is"});
  // Without an assessment the report says it proves nothing by itself.
  const SezioneConclusioni senza(v.d, &v.m, nullptr, nullptr), fallita(v.d, &v.m, nullptr, nullptr, true),
      senzaConci(v.d, nullptr, nullptr, nullptr, true);
  Dice(Testo(ComponiRapporto(fonti, num, {}, {&senza})), {"No safety assessment was made for this report"});
  Dice(Testo(ComponiRapporto(fonti, num, {}, {&fallita})), {"No verdict: the safety assessment"});
  Dice(Testo(ComponiRapporto(fonti, num, {}, {&senzaConci})), {"the voussoirs could not be built"});
}
