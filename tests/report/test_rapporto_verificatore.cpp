// The road bridge's report as a checking engineer reads it: the governing
// design case with loads and joint forces that balance every voussoir, the
// adequacy factor's permissible load, the live-load model as applied, the
// analysed arch beside the input ring, and the calculation software.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "data/Versione.h"
#include "limite/Adeguatezza.h"
#include "limite/PercorsoVeicolo.h"
#include "Rapporto.h"
#include "report/RapportoValutato.h"
#include "report/SezioneArcoAnalizzato.h"

using namespace voro;

namespace {

// The road bridge as voro-cli report assesses it with the LM1 tandem spread
// 1:2, fc 5 MPa, mu 0.6 under NTC 2018 at LC2 and gM 2 (a coarser step).
struct PonteValutato {
  DatiProgetto dati, progetto;
  ModelloArco modello;
  RisultatiSicurezza risultati;
  RisultatiVeicolo veicolo;
  Adeguatezza adeguatezza;
  FontiRapporto fonti;
  Documento doc;

  explicit PonteValutato(const Regional& lingua, const std::string& file = "ponte-stradale.vro", bool tandem = true) {
    RecordingMessages msg;
    LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/examples/" + file, dati, msg);
    if (tandem) dati.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
    dati.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
    dati.ResistenzaAnello = 5;
    dati.Attrito = 0.6f;
    ApplicaNormativa(dati.Normativa, BaseNormativa::Ntc2018);
    ApplicaLivello(dati.Normativa, LivelloConoscenza::LC2);
    dati.Normativa.coefficienti.gM = 2;
    dati.Normativa.gMDato = true;
    OpzioniSicurezza o;
    o.nPosizioni = 8;
    o.passoVeicolo = 0.2;
    CostruisciModello(dati, modello, msg);
    EXPECT_TRUE(ValutaSicurezza(dati, modello, msg, o, risultati));
    if (tandem) {
      EXPECT_TRUE(PercorriVeicolo(dati, modello, o.passoVeicolo, nullptr, veicolo));
    }
    EXPECT_TRUE(ValutaAdeguatezza(dati, o, adeguatezza, &risultati, tandem ? &veicolo : nullptr));
    // The report's project is the file as read; the assessment's carries the vehicle.
    progetto = dati;
    progetto.VeicoloCarico.reset();
    fonti.dati = &progetto;
    fonti.modello = &modello;
    fonti.file = "ponte-stradale.vro";
    fonti.programma = std::string("Voro ") + kVersioneVoro;
    doc = Componi(lingua);
  }
  Documento Componi(const Regional& lingua) const {
    const ValutazioneRapporto v{&dati, &modello, &risultati, &adeguatezza, &veicolo};
    return ComponiRapportoValutato(fonti, NumeriRapporto(lingua), &v, true);
  }
};

const PonteValutato& Ponte() {
  static const PonteValutato p(Regional::inglese());
  return p;
}

// The tables that follow a heading, up to the next heading.
std::vector<const Tabella*> Tabelle(const Documento& doc, const std::string& titolo) {
  std::vector<const Tabella*> t;
  bool dentro = false;
  for (const Blocco& b : doc.blocchi) {
    if (const auto* i = std::get_if<Intestazione>(&b)) {
      if (dentro && i->livello == 1) break;
      if (i->testo.find(titolo) != std::string::npos) dentro = true;
    }
    if (const auto* tab = std::get_if<Tabella>(&b); tab && dentro) t.push_back(tab);
  }
  return t;
}

// The table whose column heading is the given text.
const Tabella* ConColonna(const std::vector<const Tabella*>& tabelle, const std::string& colonna) {
  for (const Tabella* t : tabelle)
    for (const Colonna& c : t->colonne)
      if (c.titolo == colonna) return t;
  return nullptr;
}

std::size_t Indice(const Tabella& t, const std::string& colonna) {
  for (std::size_t k = 0; k < t.colonne.size(); ++k)
    if (t.colonne[k].titolo == colonna) return k;
  ADD_FAILURE() << "no column " << colonna;
  return 0;
}

}  // namespace

TEST(RapportoVerificatore, TheGoverningCaseHasItsOwnSectionWithItsDesignStrength) {
  const PonteValutato& p = Ponte();
  const EsitoCombinazione& g = p.adeguatezza.governante();
  ASSERT_TRUE(g.fattore && g.governante && g.governante->veicolo);
  const std::string testo = Testo(p.doc);
  ASSERT_NE(testo.find("Governing design case"), std::string::npos);
  // fd = fc / (gM FC) = 5 / (2 x 1.2), as the design project used it.
  EXPECT_NE(testo.find("fd = fc / (γM FC) = 5 / (2 × 1.2) = 2.083 MPa"), std::string::npos);
  // Its figure is drawn.
  bool figura = false;
  for (const Blocco& b : p.doc.blocchi)
    if (const auto* f = std::get_if<Figura>(&b)) figura = figura || f->didascalia.find("governing design case") != std::string::npos;
  EXPECT_TRUE(figura);
  // The design axles at the governing position: gQ P b / b_e, and lambda times that at collapse.
  const auto tabelle = Tabelle(p.doc, "Governing design case");
  const Tabella* assi = ConColonna(tabelle, "γQ P b / b_e");
  ASSERT_NE(assi, nullptr);
  ASSERT_EQ(assi->righe.size(), 2u);
  for (const auto& r : assi->righe) {
    const double be = std::stod(r[Indice(*assi, "b_e")]);
    const double b = p.dati.Larghezza;
    const double Fd = std::stod(r[Indice(*assi, "γQ P b / b_e")]);
    EXPECT_NEAR(Fd, 1.35 * 300 * b / be, 0.01 + 405 * b * 0.0005 / (be * be));
    EXPECT_NEAR(std::stod(r[Indice(*assi, "λ γQ P b / b_e")]), *g.fattore * Fd, 0.02);
  }
}

TEST(RapportoVerificatore, TheDesignLoadsOfTheVoussoirsSumToTheDesignTotals) {
  const PonteValutato& p = Ponte();
  const EsitoCombinazione& g = p.adeguatezza.governante();
  const Tabella* t = ConColonna(Tabelle(p.doc, "Governing design case"), "G1");
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->righe.size(), static_cast<std::size_t>(p.modello.nConciTot) + 1);
  // The characteristic weights of the assessed project, by hand times the factors.
  DatiProgetto d = p.dati;
  ModelloArco m;
  RecordingMessages msg;
  CostruisciModello(d, m, msg);
  CaricaConci(d, m, msg);
  double G1 = 0, G2 = 0;
  for (int i = 1; i <= m.nConciTot; ++i) G1 += m.Conci(i).FPermanente - m.Conci(i).FSoletta, G2 += m.Conci(i).FSoletta;
  const auto [g1, g2] = FattoriPermanenti(p.adeguatezza.coefficienti, g.combinazione);
  const auto& totale = t->righe.back();
  struct Colonna {
    const char* nome;
    double atteso;
  };
  for (const Colonna c : {Colonna{"G1", g1 * G1}, Colonna{"G2", g2 * G2}}) {
    const std::size_t k = Indice(*t, c.nome);
    double somma = 0;
    for (std::size_t r = 0; r + 1 < t->righe.size(); ++r) somma += std::stod(t->righe[r][k]);
    EXPECT_NEAR(somma, std::stod(totale[k]), 0.005 * t->righe.size()) << c.nome;
    EXPECT_NEAR(std::stod(totale[k]), c.atteso, 1e-4 * std::fabs(c.atteso) + 0.01) << c.nome;
  }
  // The design variable load: the strip's gQ q b over its length, and the axles within the structure.
  const std::size_t q = Indice(*t, "Qd");
  double somma = 0;
  for (std::size_t r = 0; r + 1 < t->righe.size(); ++r) somma += std::stod(t->righe[r][q]);
  EXPECT_NEAR(somma, std::stod(totale[q]), 0.005 * t->righe.size());
  double striscia = 0;
  for (int i = 1; i <= m.nConciTot; ++i) striscia += m.Conci(i).FVariabile;
  double assi = 0;
  for (const ImprontaAsse& a : g.veicolo->assiPeggiori) assi += a.F;
  EXPECT_NEAR(std::stod(totale[q]), p.adeguatezza.coefficienti.gQ * striscia + assi, 0.05);
}

TEST(RapportoVerificatore, TheJointForcesAtCollapseKeepEveryVoussoirInEquilibrium) {
  // The tandem governing; the strip load alone; a shallow arch whose passive
  // pressure loads the voussoirs sideways.
  struct Caso {
    const char* file;
    bool tandem;
  };
  for (const Caso& c : {Caso{"ponte-stradale.vro", true}, Caso{"ponte-stradale.vro", false},
                        Caso{"arco-ribassato-spinta.vro", false}}) {
    SCOPED_TRACE(std::string(c.file) + (c.tandem ? " with the tandem" : ""));
    const PonteValutato p(Regional::inglese(), c.file, c.tandem);
    ASSERT_EQ(p.adeguatezza.governante().governante->veicolo, c.tandem);
    const auto tabelle = Tabelle(p.doc, "Governing design case");
    const Tabella* carichi = ConColonna(tabelle, "G1");
    const Tabella* giunti = ConColonna(tabelle, "N");
    ASSERT_TRUE(carichi && giunti);
    const int n = p.modello.nConciTot;
    ASSERT_EQ(giunti->righe.size(), static_cast<std::size_t>(n) + 1);
    const std::size_t H = Indice(*giunti, "H"), V = Indice(*giunti, "V"), N = Indice(*giunti, "N"),
                      T = Indice(*giunti, "T");
    const std::size_t verticale = Indice(*carichi, "Vertical at collapse");
    bool orizzontali = false;
    for (const Colonna& k : carichi->colonne) orizzontali = orizzontali || k.titolo == "Horizontal at collapse";
    for (int i = 1; i <= n; ++i) {
      const auto& sinistra = giunti->righe[static_cast<std::size_t>(i - 1)];
      const auto& destra = giunti->righe[static_cast<std::size_t>(i)];
      const auto& blocco = carichi->righe[static_cast<std::size_t>(i - 1)];
      // V falls by each voussoir's vertical load at collapse, H grows by its
      // horizontal load toward +x.
      const double O = orizzontali ? std::stod(blocco[Indice(*carichi, "Horizontal at collapse")]) : 0;
      EXPECT_NEAR(std::stod(destra[H]) - std::stod(sinistra[H]), O, 0.03) << "voussoir " << i;
      EXPECT_NEAR(std::stod(sinistra[V]) - std::stod(destra[V]), std::stod(blocco[verticale]), 0.03) << "voussoir " << i;
    }
    // N and T are the same force in the joint's own axes.
    for (const auto& r : giunti->righe)
      EXPECT_NEAR(std::hypot(std::stod(r[N]), std::stod(r[T])), std::hypot(std::stod(r[H]), std::stod(r[V])), 0.02);
    // Every hinge of the mechanism lies within its joint.
    const std::size_t e = Indice(*giunti, "e");
    for (const Cerniera& h : p.adeguatezza.governante().meccanismo) {
      const double d = p.modello.Conci(std::max(1, h.giunto - 1)).hSezione;
      EXPECT_LE(std::fabs(std::stod(giunti->righe[static_cast<std::size_t>(h.giunto - 1)][e])), 1000 * d / 2 + 0.1);
    }
  }
}

TEST(RapportoVerificatore, ThePermissibleLoadIsTheAdequacyFactorTimesTheCharacteristicAxles) {
  const double f = *Ponte().adeguatezza.fattore();
  // English and Italian numbers (the core's tests carry no translations).
  for (const Regional& lingua : {Regional::inglese(), Regional::italiano()}) {
    const NumeriRapporto num(lingua);
    const std::string testo = Testo(Ponte().Componi(lingua));
    const std::string asse = num.kN(f * 300), striscia = num.kN(f * Ponte().dati.qCarico);
    EXPECT_NE(testo.find("axles of " + asse + " + " + asse + " kN"), std::string::npos) << asse;
    EXPECT_NE(testo.find(striscia + " kN/m², its permissible load"), std::string::npos) << striscia;
    EXPECT_NE(testo.find("ζ_V in the sense of NTC 2018, 8.3, is " + num.fattore(f)), std::string::npos);
  }
}

TEST(RapportoVerificatore, TheVehicleTableNamesItsLoadsAndEachAxlesSpread) {
  const PonteValutato& p = Ponte();
  const Tabella* t = ConColonna(Tabelle(p.doc, "Vehicle: LM1 tandem"), "P b / b_e");
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->righe.size(), 2u);
  for (const auto& r : t->righe) {
    const double z = std::stod(r[Indice(*t, "z")]);
    const double da = std::stod(r[Indice(*t, "x1")]), a = std::stod(r[Indice(*t, "x2")]);
    // 1:2 spread: a + 2 z tan(theta), tan(theta) = 0.5, centred on the axle.
    EXPECT_NEAR(std::stod(r[Indice(*t, "a + 2 z tanθ")]), 0.4 + z, 0.002);
    EXPECT_NEAR(a - da, 0.4 + z, 0.002);
    EXPECT_NEAR((a + da) / 2, std::stod(r[Indice(*t, "x")]), 0.001);
    const double b = std::stod(r[Indice(*t, "b")]), be = std::stod(r[Indice(*t, "b_e")]);
    EXPECT_NEAR(std::stod(r[Indice(*t, "P b / b_e")]), 300 * b / be, 0.01 + 300 * b * 0.0005 / (be * be));
    EXPECT_NEAR(std::stod(r[Indice(*t, "λ P")]), *p.veicolo.fattorePeggiore * 300, 0.01);
  }
  const std::string testo = Testo(p.doc);
  // The tandem is its own mirror image: no direction is said of it.
  EXPECT_EQ(testo.find(" m, driven"), std::string::npos);
  EXPECT_NE(testo.find("(the vehicle is its own mirror image)"), std::string::npos);
  // What is applied and what the load model also holds.
  EXPECT_NE(testo.find("standing there while the vehicle moves"), std::string::npos);
  EXPECT_NE(testo.find("9 kN/m² in lane 1"), std::string::npos);
  EXPECT_NE(testo.find("CS 454"), std::string::npos);
}

TEST(RapportoVerificatore, TheAnalysedArchIsTheChordOfTheInputCircleAtItsSpringings) {
  // Circular rings: the analysed springings' intrados lie on the input's
  // intrados circle, and the span is its chord at their level.
  for (const char* nome : {"ponte-stradale.vro", "volta-semicircolare.vro"}) {
    DatiProgetto d;
    RecordingMessages msg;
    LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/examples/" + nome, d, msg);
    ModelloArco m;
    CostruisciModello(d, m, msg);
    const auto dato = ArcoDato(m, d), analizzato = ArcoAnalizzato(m);
    ASSERT_TRUE(dato && analizzato) << nome;
    const double L = dato->luce(), f = dato->freccia();
    EXPECT_NEAR(L, d.LuceAnello, 1e-4) << nome;
    EXPECT_NEAR(f, d.FrecciaAnello, 1e-4) << nome;
    const double R = (L * L / 4 + f * f) / (2 * f), yc = dato->ySinistra + f - R;
    const double corda = 2 * std::sqrt(R * R - std::pow(analizzato->ySinistra - yc, 2));
    EXPECT_NEAR(analizzato->luce(), corda, 1e-6) << nome;
    EXPECT_NEAR(analizzato->freccia(), f - (analizzato->ySinistra - dato->ySinistra), 1e-6) << nome;
    EXPECT_LE(analizzato->luce(), L + 1e-9) << nome;
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
}

TEST(RapportoVerificatore, TheSoftwareSectionNamesVersionProducerAndLicence) {
  std::ifstream in(std::string(VORO_SOURCE_DIR) + "/packaging/copyright");
  const std::string copyright((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(copyright.find(kProduttoreVoro), std::string::npos);
  const Tabella* t = ConColonna(Tabelle(Ponte().doc, "Calculation software"), "Item");
  ASSERT_NE(t, nullptr);
  std::map<std::string, std::string> voci;
  for (const auto& r : t->righe) voci[r[0]] = r[1];
  EXPECT_EQ(voci["Version"], kVersioneVoro);
  EXPECT_EQ(voci["Producer"], "The Voro developers");
  const std::string testo = Testo(Ponte().doc);
  EXPECT_NE(testo.find(std::string("Licence: ") + kLicenzaVoro), std::string::npos);
  for (const char* parte : {"Type of analysis", "Validation", "independent reference", "Judgement of the results",
                            "figures of the assessment are certified"})
    EXPECT_NE(testo.find(parte), std::string::npos) << parte;
}

// The checker's reading of the road bridge: the verdict's hypotheses are not
// contradicted by the three-hinge sections, the design strength and friction
// stand among the inputs, and t/tmin under fc and mu is not called Heyman's;
// at the least thickness the backing takes another voussoir a side.
TEST(RapportoVerificatore, EveryFigureIsNamedForTheHypothesesItRestsOn) {
  const std::string testo = Testo(Ponte().doc);
  for (const char* atteso :
       {"Three-hinged thrust line: hypotheses", "it is not the assessment, and the verdict does not rest on it",
        "Design strength fd = fc / (γM FC) fd 2.083 MPa", "Design friction coefficient μ / γμ μd 0.6",
        "Thickness factor (the hypotheses above) t/tmin", "it is not Heyman's geometric factor of safety",
        "At the least thickness the walls take 3 voussoirs of the ring on the left and 3 on the right (2 and 2",
        "inf: permanent loads favourable (γG1 = 1, γG2 = 0: the slab and surfacing left out)",
        "γM 2.000 typed by the engineer", "γμ 1.000 default (no reduction)"})
    EXPECT_NE(testo.find(atteso), std::string::npos) << atteso;
  EXPECT_EQ(testo.find("Geometric factor of safety (Heyman)"), std::string::npos);
  // Every line of the text report fits in 100 columns.
  std::istringstream righe(TestoARighe(Ponte().doc));
  for (std::string riga; std::getline(righe, riga);) EXPECT_LE(ColonneTesto(riga), 100u) << riga;
}
