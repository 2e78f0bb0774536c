// A report a checking engineer can sign: every sign convention true for the
// values beside it, captions that say what their figure shows, the safety
// figures named as the literature names them, the raised springings said,
// and points called hinges only where they sit on an edge.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

#include "Rapporto.h"
#include "arch/ImposteArco.h"
#include "data/Normative.h"
#include "limite/Adeguatezza.h"
#include "report/SezioneConclusioni.h"

using namespace voro;

TEST(RapportoFirmabile, TheReactionsConventionIsTrueForEveryValuePrinted) {
  // Passive pressure on both sides: the horizontal forces on the arch balance
  // only when read with the convention the report states.
  DatiProgetto d = prova::anelloPassivo();
  Progetto p(d);
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  const std::string testo = Testo(doc);
  EXPECT_EQ(testo.find("positive to the right"), std::string::npos);
  EXPECT_NE(testo.find("H positive toward the arch"), std::string::npos);
  const double Hl = std::stod(Riga(doc, "Horizontal force, left springing").at(2));
  const double Hr = std::stod(Riga(doc, "Horizontal force, right springing").at(2));
  const auto Pl = Riga(doc, "Passive pressure resultant, left");
  const auto Pr = Riga(doc, "Passive pressure resultant, right");
  ASSERT_FALSE(Pl.empty());
  ASSERT_FALSE(Pr.empty());
  // The walls' forces have names of their own.
  EXPECT_EQ(Pl[1], "Pl");
  EXPECT_EQ(Pr[1], "Pr");
  // Toward the arch at both springings, toward the crown for the pressures:
  // Hl + Pl = Hr + Pr, and both thrusts positive.
  EXPECT_NEAR(Hl + std::stod(Pl[2]), Hr + std::stod(Pr[2]), 0.02);
  EXPECT_GT(Hl, 0);
  EXPECT_GT(Hr, 0);
  EXPECT_GT(std::stod(Pl[2]), 0);
  EXPECT_GT(std::stod(Pr[2]), 0);
}

TEST(RapportoFirmabile, CaptionsSayWhatTheirFigureShows) {
  // A partial load that can make the bridge collapse: the mechanism and the chart.
  const Valutato ponte(prova::ponte());
  ASSERT_EQ(ponte.r.esitoCarico, EsitoCarico::Finito);
  const auto dp = Didascalie(ponte.doc);
  ASSERT_EQ(dp.size(), 4u);
  EXPECT_NE(dp[2].find(std::to_string(ponte.r.meccanismo.size()) + " hinges"), std::string::npos) << dp[2];
  EXPECT_NE(dp[3].find("least factor"), std::string::npos);

  // Masonry alone, no variable load anywhere able to make a mechanism: no
  // promised hinges and no empty chart, a sentence instead.
  DatiProgetto d = prova::anello(10, 5, 1.0f, 40);
  d.qCarico = 5;
  d.xq1 = -1;
  d.xq2 = 11;
  const Valutato volta(d);
  ASSERT_FALSE(volta.r.fattorePeggiore);
  const auto dv = Didascalie(volta.doc);
  ASSERT_EQ(dv.size(), 3u);
  EXPECT_EQ(dv[2].find("hinges"), std::string::npos) << dv[2];
  EXPECT_EQ(dv[2].find("four"), std::string::npos) << dv[2];
  EXPECT_NE(Testo(volta.doc).find("so no chart of the factor is drawn"), std::string::npos);
}

TEST(RapportoFirmabile, TheTwoThicknessFiguresAreNamedAsTheLiteratureNamesThem) {
  const Valutato v(prova::ponte(), 0);
  ASSERT_TRUE(v.r.fattoreGeometrico && v.r.fattoreSpessore);
  const NumeriRapporto num(Regional::inglese());
  const auto heyman = Riga(v.doc, "Geometric factor of safety (Heyman)");
  ASSERT_FALSE(heyman.empty());
  EXPECT_EQ(heyman[1], "t/tmin");
  EXPECT_EQ(heyman[2], num.fattore(*v.r.fattoreSpessore));
  const auto profondita = Riga(v.doc, "Depth ratio: joint depth to the depth the line needs");
  ASSERT_FALSE(profondita.empty());
  EXPECT_EQ(profondita[1], "1/s");
  EXPECT_EQ(profondita[2], num.fattore(*v.r.fattoreGeometrico));
  const std::string testo = Testo(v.doc);
  EXPECT_EQ(testo.find("times thinner"), std::string::npos);
  EXPECT_EQ(testo.find("Geometric safety factor"), std::string::npos);
  EXPECT_NE(testo.find("the road surface, the slab and the loads above stay where the project puts them"),
            std::string::npos);
}

TEST(RapportoFirmabile, SpringingsTheWallsRaiseAreSaidWithLevelAndVoussoirs) {
  // A semicircle with the walls' face at the ring's ends (dw = 0) and the
  // backing at the springing level: the walls take voussoirs off the ring.
  DatiProgetto d = prova::anello(10, 5, 0.8f, 200);
  d.SporgenzaParete = 0;
  d.hRiempimentoSolido = 0;
  Progetto p(d);
  const ImposteArco a = ImposteSuPareti(p.caso.modello);
  ASSERT_TRUE(a.sinistra && a.destra);
  EXPECT_EQ(a.sinistra->conciParete, p.caso.modello.nConciPareteSinistra);
  EXPECT_GT(a.sinistra->rialzo, 0.1);
  // Mirror image: the same on both sides.
  EXPECT_EQ(a.sinistra->conciParete, a.destra->conciParete);
  EXPECT_NEAR(a.sinistra->y, a.destra->y, 1e-9);
  const NumeriRapporto num(Regional::inglese());
  const std::string testo = Testo(ComponiRapporto(p.fonti, num));
  EXPECT_NE(testo.find("the left wall takes " + num.intero(a.sinistra->conciParete) + " voussoirs of the ring and "
                       "the arch springs at y = " + num.metri(a.sinistra->y) + " m"),
            std::string::npos);

  // The backing below the springings leaves the ring whole: nothing to say.
  Progetto intero(prova::anello(10, 5, 0.8f, 200));
  EXPECT_FALSE(ImposteSuPareti(intero.caso.modello).rialzate());
  EXPECT_EQ(Testo(ComponiRapporto(intero.fonti, num)).find("springing above"), std::string::npos);
}

TEST(RapportoFirmabile, OnlyPointsOnAnEdgeAreCalledHinges) {
  DatiProgetto d = prova::ponte();
  d.OttimizzaCerniere = false;
  d.EccSinistra = 0;
  d.EccChiave = 0.25f;  // half the ring's depth: on the extrados edge
  d.EccDestra = -0.1f;
  Progetto p(d);
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  EXPECT_EQ(Riga(doc, "left springing el").back(), "inside the joint");
  EXPECT_EQ(Riga(doc, "crown ec").back(), "hinge, extrados edge");
  EXPECT_EQ(Riga(doc, "right springing er").back(), "inside the joint");
  EXPECT_NE(Testo(doc).find("The three points the calculation imposes on the thrust line"), std::string::npos);
}

TEST(RapportoFirmabile, TheTitleBlockCarriesWhoSignsAndLeavesBlanksForHand) {
  DatiProgetto d = prova::ponte();
  Cartiglio& c = d.Cartiglio;
  c.riferimento = "SP 12, km 3+200";
  c.numeroDocumento = "VR-027";
  c.localita = "Bergamo";
  c.scopo = "Assessment for LM71";
  c.progettista = "Ing. A. Rossi";
  c.iscrizioneProgettista = "Ordine degli Ingegneri di Bergamo n. 1234";
  c.dataVerificatore = "2026-12-07";
  c.revisione = "B";
  Progetto p(d);
  p.fonti.momento = MomentoRapporto{1700000000, true};
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  const auto& titolo = std::get<BloccoTitolo>(doc.blocchi.front());
  auto voce = [&titolo](const std::string& k) {
    for (const auto& [chiave, valore] : titolo.voci)
      if (chiave == k) return valore;
    return std::string("(missing)");
  };
  const std::pair<const char*, const char*> voci[] = {
      {"Document number", "VR-027"}, {"Structure", "SP 12, km 3+200"}, {"Location", "Bergamo"}, {"Owner", ""},
      {"Client", ""}, {"Purpose", "Assessment for LM71"}, {"Revision", "B"}, {"Status", ""},
      {"Date", "2023-11-14 22:13 UTC"}};
  for (const auto& [k, v] : voci) EXPECT_EQ(voce(k), v) << k;
  auto firma = [](const char* ruolo, const char* nome, const char* iscrizione, const char* data) {
    return Firma{ruolo, {{"Name", nome}, {"Registration", iscrizione}, {"Date", data}}};
  };
  EXPECT_EQ(titolo.firme, (std::vector<Firma>{
                              firma("Engineer", "Ing. A. Rossi", "Ordine degli Ingegneri di Bergamo n. 1234", ""),
                              firma("Checker", "", "", "2026-12-07"), firma("Approver", "", "", "")}));
  // The text report: the line for signing, and a blank for what is not given.
  const std::string testo = TestoARighe(doc);
  const std::string margine(17, ' ');  // after "Document number: "
  EXPECT_NE(testo.find("Checker:" + margine.substr(8) + std::string(40, '_') + "\n" + margine + "Name: " +
                       std::string(20, '_') + "\n"),
            std::string::npos)
      << testo;
}

// The report's date says its zone: UTC for a repeatable report, else the
// local offset; SOURCE_DATE_EPOCH is read only when it is a whole number.
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
  ApplicaNormativa(d.Normativa, BaseNormativa::Eurocodice);
  ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
  d.Normativa.coefficienti.gM = 2;
  d.Normativa.gMDato = true;
  const Valutato v(d, 6);
  const Progetto& p = v.p;
  const DatiProgetto& dati = v.dati;
  const ModelloArco& m = v.modello;
  const RisultatiSicurezza& r = v.r;
  OpzioniSicurezza o;
  o.nPosizioni = 6;
  Adeguatezza a;
  ASSERT_TRUE(ValutaAdeguatezza(dati, o, a));
  ASSERT_TRUE(a.fattore());
  const NumeriRapporto num(Regional::inglese());
  const SezioneConclusioni conclusioni(dati, &m, &r, &a);
  const SezioneRiferimenti riferimenti(dati);
  const Documento doc = ComponiRapporto(p.fonti, num, {&riferimenti}, {&conclusioni});
  const auto h = Intestazioni(doc);
  ASSERT_GE(h.size(), 3u);
  EXPECT_EQ(h[0], "1 Conclusions");
  EXPECT_NE(std::find(h.begin(), h.end(), "6 References"), h.end());
  EXPECT_EQ(Riga(doc, "Verdict").at(1), a.adeguato() ? "adequate" : "not adequate");
  EXPECT_EQ(Riga(doc, "Adequacy factor (design live-load factor)").at(1), num.fattore(*a.fattore()));
  const std::string meccanismo = Riga(doc, "Mechanism: hinges at sections").at(1);
  EXPECT_EQ(std::count(meccanismo.begin(), meccanismo.end(), ','), 3) << meccanismo;
  // Every preset value with its clause.
  EXPECT_EQ(Riga(doc, "γG2,sup").at(1), "1.350");
  EXPECT_NE(Riga(doc, "γG2,sup").at(2).find("Table A2.4(B)"), std::string::npos);
  const std::string testo = Testo(doc);
  EXPECT_NE(testo.find("The arch is adequate under the partial factors of the code basis \"EN 1990 / EN 1991-2\""),
            std::string::npos);
  EXPECT_NE(testo.find("EN 1990:2002+A1:2005, Eurocode - Basis of structural design, Annex A2"), std::string::npos);
  EXPECT_NE(testo.find("joints that never slide"), std::string::npos);

  // The design strength with its value, beside the factors that divide it.
  EXPECT_NE(testo.find("fd = fc / (γM FC), γM = 2 and FC = 1.2, fd = 3.333 MPa"), std::string::npos);

  // A code basis without the knowledge level gives no verdict, and says why.
  DatiProgetto incompleta = dati;
  incompleta.Normativa.livello.reset();
  Adeguatezza manca;
  ASSERT_TRUE(ValutaAdeguatezza(incompleta, o, manca));
  const SezioneConclusioni senzaLivello(incompleta, &m, &r, &manca);
  const Documento senzaVerdetto = ComponiRapporto(p.fonti, num, {}, {&senzaLivello});
  EXPECT_EQ(Riga(senzaVerdetto, "Verdict").at(1), "no verdict");
  EXPECT_EQ(Riga(senzaVerdetto, "FC").at(1), "-");
  EXPECT_NE(Testo(senzaVerdetto).find("No verdict: the knowledge level (LC1, LC2 or LC3) is not given."),
            std::string::npos);
  EXPECT_EQ(Testo(senzaVerdetto).find("The arch is"), std::string::npos);

  // Without an assessment the report says it proves nothing by itself.
  const SezioneConclusioni senza(dati, &m, nullptr, nullptr);
  const std::string nessuna = Testo(ComponiRapporto(p.fonti, num, {}, {&senza}));
  EXPECT_NE(nessuna.find("No safety assessment was made for this report"), std::string::npos);
  const SezioneConclusioni fallita(dati, &m, nullptr, nullptr, true);
  EXPECT_NE(Testo(ComponiRapporto(p.fonti, num, {}, {&fallita})).find("No verdict: the safety assessment"),
            std::string::npos);
  const SezioneConclusioni senzaConci(dati, nullptr, nullptr, nullptr, true);
  EXPECT_NE(Testo(ComponiRapporto(p.fonti, num, {}, {&senzaConci})).find("the voussoirs could not be built"),
            std::string::npos);
}
