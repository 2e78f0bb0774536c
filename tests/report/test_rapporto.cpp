// The report's content: every section from the project and its solution,
// numbers formatted once with the regional settings, the physics the tables
// must show, the failures said in words; and the text and HTML writers.
#include <gtest/gtest.h>

#include <cmath>

#include "Rapporto.h"
#include "report/ScriviHtml.h"
#include "report/SuperficieVuota.h"

using namespace voro;

namespace {

double Numero(const std::string& s) { return std::stod(s); }

}  // namespace

TEST(NumeriRapporto, OnePrecisionForEachKindWithTheRegionalSeparator) {
  const NumeriRapporto en(Regional::inglese()), it(Regional::italiano());
  EXPECT_EQ(en.MPa(-250), "-0.250");
  EXPECT_EQ(it.MPa(1234.5), "1,235");  // half away from zero, no grouping
  EXPECT_EQ(en.kN(12345.678), "12345.68");
  EXPECT_EQ(it.kN(-0.004), "0,00");    // a value that rounds to zero carries no sign
  EXPECT_EQ(en.mm(0.0312), "31.2");
  EXPECT_EQ(en.percento(100), "100.0");
  EXPECT_EQ(it.metri(5.93), "5,930");
  EXPECT_EQ(it.dato(Single(0.45f)), "0,45");
  EXPECT_EQ(en.dato(8.333333f), "8.333333");
  EXPECT_EQ(en.datoMm(Single(0.05f)), "50");
  EXPECT_EQ(en.dato(-0.5), "-0.5");
  // Nothing that is not a number reaches the page.
  for (double x : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
    EXPECT_EQ(en.kN(x), NumeriRapporto::kNonNumero);
    EXPECT_EQ(en.dato(x), NumeriRapporto::kNonNumero);
    EXPECT_EQ(en.dato(static_cast<Single>(x)), NumeriRapporto::kNonNumero);
  }
  EXPECT_EQ(en.datoMm(3e38f), NumeriRapporto::kNonNumero);
}

TEST(ComponiRapporto, SectionsInOrderAndEveryInputValue) {
  DatiProgetto d = prova::ponte();
  d.Titolo = "Ponte <prova> & \"virgolette\"";
  d.SpintaPassiva = true;
  d.Kp = 2.5f;
  d.nConciSpinta = {3, 4};
  d.EccChiave = 0.0125f;
  Progetto p(d);
  p.fonti.momento = MomentoRapporto{1714557600, true};
  p.fonti.programma = "Voro 1.0.0";
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  const auto h = Intestazioni(doc);
  ASSERT_GE(h.size(), 5u);
  EXPECT_EQ(h[0], "1 Input data");
  EXPECT_EQ(h.back(), "5 Drawings");
  EXPECT_NE(std::find(h.begin(), h.end(), "2 Model"), h.end());
  EXPECT_NE(std::find(h.begin(), h.end(), "3 Three-hinged thrust line: hypotheses"), h.end());
  EXPECT_NE(std::find(h.begin(), h.end(), "4 Three-hinged thrust line: results"), h.end());
  EXPECT_NE(std::find(h.begin(), h.end(), "4.2 Sections"), h.end());

  const auto& titolo = std::get<BloccoTitolo>(doc.blocchi.front());
  EXPECT_EQ(titolo.titolo, "Calculation report");
  EXPECT_EQ(titolo.voci[0].second, d.Titolo);
  EXPECT_NE(std::find(titolo.voci.begin(), titolo.voci.end(),
                      std::pair<std::string, std::string>{"Date", "2024-05-01 10:00 UTC"}),
            titolo.voci.end());
  ASSERT_EQ(titolo.firme.size(), 3u);
  EXPECT_EQ(titolo.firme[2].ruolo, "Approver");
  EXPECT_EQ(doc.testata, d.Titolo);

  EXPECT_EQ(Cella(doc, "Span", 2), "10");
  EXPECT_EQ(Cella(doc, "Rise", 2), "3");
  EXPECT_EQ(Cella(doc, "Thickness", 2), "0.5");
  EXPECT_EQ(Cella(doc, "Voussoirs", 2), "30");
  EXPECT_EQ(Cella(doc, "Slab on the fill", 2), "0.2");
  EXPECT_EQ(Cella(doc, "Distributed load", 2), "10");
  EXPECT_EQ(Cella(doc, "Coefficient of passive pressure", 2), "2.5");
  EXPECT_EQ(Cella(doc, "Voussoirs from the right springing", 2), "4");
  EXPECT_EQ(Cella(doc, "Start eccentricity, crown", 2), "12.5");
  EXPECT_EQ(Cella(doc, "Start eccentricity, crown", 3), "mm");
  // The hypotheses name the passive pressure when there is one.
  EXPECT_NE(Testo(doc).find("3 on the left, 4 on the right"), std::string::npos);

  // Two drawings, each with a box shaped to the plot and a drawing function.
  int figure = 0;
  for (const Blocco& b : doc.blocchi)
    if (const auto* f = std::get_if<Figura>(&b)) {
      ++figure;
      EXPECT_GT(f->proporzione, 0.29);
      EXPECT_LT(f->proporzione, 1.21);
      EXPECT_TRUE(f->disegna);
    }
  EXPECT_EQ(figure, 2);
}

TEST(ComponiRapporto, SegmentsAreListedOneRowEach) {
  Progetto p(prova::dueSegmenti(0.6, 0.4));
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::italiano()));
  const Tabella* t = TabellaCon(doc, "2");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->colonne[1].intestazione(), "x2 [m]");
  EXPECT_EQ(t->righe[0], (std::vector<std::string>{"1", "1,2", "2,1", "4", "3,2", "0,6", "12"}));
  EXPECT_EQ(t->righe[1], (std::vector<std::string>{"2", "7,2", "2,4", "9", "0", "0,4", "14"}));
}

TEST(ComponiRapporto, TheTablesHoldTheEquilibriumOfTheArch) {
  // A semicircular ring of masonry alone: its weight is the closed form of the
  // ring of chords, and the supports carry it all.
  const Single R = 5, t = 0.5f, n = 30;
  Progetto p(prova::anello(2 * R, R, t, n));
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  const double kPi = 3.14159265358979;
  const double corde = n * std::sin(kPi / n) / 2 * ((R + t) * (R + t) - R * R);  // polygon of n chords
  EXPECT_NEAR(Numero(Cella(doc, "Masonry of the ring", 1)), 20 * corde, 0.01);
  const double totale = Numero(Cella(doc, "Total vertical load", 1));
  EXPECT_NEAR(Numero(Cella(doc, "Masonry of the ring", 1)) + Numero(Cella(doc, "Fill", 1)) +
                  Numero(Cella(doc, "Slab", 1)) + Numero(Cella(doc, "Live load", 1)),
              totale, 0.02);
  EXPECT_NEAR(Numero(Cella(doc, "Vertical force, left springing", 2)) +
                  Numero(Cella(doc, "Vertical force, right springing", 2)),
              totale, 0.011);
  // Symmetric arch, symmetric load: equal springings, equal thrusts, and the
  // tie carries the thrust.
  EXPECT_EQ(Cella(doc, "Vertical force, left springing", 2), Cella(doc, "Vertical force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Horizontal force, left springing", 2), Cella(doc, "Horizontal force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Force a tie at the springings would carry (none in the model)", 2), Cella(doc, "Horizontal force, left springing", 2));

  // The section table: one row per joint, the crown's shear force zero and
  // its normal force the thrust.
  const Tabella* sezioni = nullptr;
  for (const Blocco& b : doc.blocchi)
    if (const auto* tb = std::get_if<Tabella>(&b); tb && tb->colonne.size() == 8) sezioni = tb;
  ASSERT_NE(sezioni, nullptr);
  ASSERT_EQ(sezioni->righe.size(), static_cast<std::size_t>(p.caso.modello.nGiunti));
  const auto& corona = sezioni->righe[static_cast<std::size_t>(p.caso.modello.iChiave)];
  EXPECT_EQ(corona[0], std::to_string(p.caso.modello.iChiave + 1));
  EXPECT_NEAR(Numero(corona[6]), 0, 0.011);
  EXPECT_NEAR(Numero(corona[5]), Numero(Cella(doc, "Horizontal force, left springing", 2)), 0.011);
  // Springing from horizontal joints, the shear across the left one is the
  // thrust pointing away from the extrados, across the right one toward it;
  // the normal force there is the vertical reaction.
  const auto &prima = sezioni->righe.front(), &ultima = sezioni->righe.back();
  EXPECT_NEAR(Numero(prima[6]), -Numero(Cella(doc, "Horizontal force, left springing", 2)), 0.011);
  EXPECT_NEAR(Numero(prima[5]), Numero(Cella(doc, "Vertical force, left springing", 2)), 0.011);
  EXPECT_NEAR(Numero(ultima[6]), Numero(Cella(doc, "Horizontal force, right springing", 2)), 0.011);
  EXPECT_NE(Testo(doc).find("T and τ along the joint, positive toward the extrados"), std::string::npos);
  for (std::size_t c = 0; c < 8; ++c) EXPECT_EQ(sezioni->colonne[c].intestazione().empty(), false);
  EXPECT_EQ(sezioni->colonne[1].intestazione(), "σe [MPa]");
  EXPECT_EQ(sezioni->colonne[7].intestazione(), "e [mm]");
}

TEST(ComponiRapporto, FailuresAreSaidAndTheInputsStillListed) {
  Progetto p(prova::ponte(), false);
  p.fonti.errore = "the calculation failed: Error: Overflow in CalcoloMain";
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()));
  const std::string testo = Testo(doc);
  EXPECT_NE(testo.find("*** No results: the calculation failed: Error: Overflow in CalcoloMain"), std::string::npos);
  EXPECT_NE(testo.find("Span"), std::string::npos);
  EXPECT_NE(testo.find("Voussoirs of the ring"), std::string::npos);
  EXPECT_EQ(testo.find("Total weights"), std::string::npos);  // the loads come from the calculation
  EXPECT_EQ(testo.find("σe [MPa]"), std::string::npos);
  // Only the geometry is drawn.
  EXPECT_NE(testo.find("Figure 1: Geometry"), std::string::npos);
  EXPECT_EQ(testo.find("Figure 2"), std::string::npos);

  p.fonti.modello = nullptr;
  p.fonti.errore = "Error: Check Geometry";
  const std::string senza = Testo(ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese())));
  EXPECT_NE(senza.find("No voussoir model: Error: Check Geometry"), std::string::npos);
  EXPECT_NE(senza.find("No results: Error: Check Geometry"), std::string::npos);
  EXPECT_EQ(senza.find("Drawings"), std::string::npos);
}

TEST(ComponiRapporto, AnExtraSectionPlugsInBeforeTheDrawings) {
  // The safety assessment comes as one more section with its own drawings.
  class Extra : public SezioneRapporto {
   public:
    void Componi(Documento& doc, const NumeriRapporto&) const override {
      doc.sezione("Extra");
      doc.paragrafo("extra text");
    }
    std::vector<Figura> Figure(const NumeriRapporto&) const override {
      return {Figura{"extra drawing", 0.5, [](Superficie&, Messages&) { return true; }}};
    }
  };
  Progetto p(prova::ponte());
  const Extra extra;
  const Documento doc = ComponiRapporto(p.fonti, NumeriRapporto(Regional::inglese()), {&extra});
  const auto h = Intestazioni(doc);
  EXPECT_EQ(h[h.size() - 2], "5 Extra");
  EXPECT_EQ(h.back(), "6 Drawings");
  EXPECT_EQ(std::get<Figura>(doc.blocchi.back()).didascalia, "extra drawing");
}

TEST(SezioneValutazione, EveryFigureOfTheAssessmentWithItsDrawings) {
  const Valutato v(prova::ponte(), 12, Regional::italiano());
  const RisultatiSicurezza& r = v.r;
  ASSERT_TRUE(r.rapportoSpessore && r.spintaMinima && r.spessoreMinimo);
  const NumeriRapporto num(Regional::italiano());
  const Documento& doc = v.doc;
  const auto h = Intestazioni(doc);
  EXPECT_NE(std::find(h.begin(), h.end(), "5 Safety assessment"), h.end());
  EXPECT_EQ(h.back(), "6 Drawings");
  EXPECT_EQ(Cella(doc, "Depth ratio: joint depth to the depth the line needs", 2), num.fattore(*r.fattoreGeometrico));
  EXPECT_EQ(Cella(doc, "Least thrust", 2), num.kN(*r.spintaMinima));
  EXPECT_EQ(Cella(doc, "Thinnest segment at the least thickness", 2), num.metri(*r.spessoreMinimo));
  EXPECT_NE(Cella(doc, "Thickness ratio of the line of least eccentricity", 2).find(','), std::string::npos);
  // One row per load position and per joint of the line of least eccentricity.
  const Tabella* posizioni = TabellaCon(doc, "12");
  ASSERT_TRUE(posizioni);
  const Tabella* linea = TabellaCon(doc, num.intero(v.modello.nGiunti));
  ASSERT_TRUE(linea);
  EXPECT_EQ(linea->righe.size(), static_cast<std::size_t>(v.modello.nGiunti));
  // The safety plot and the sweep chart follow the arch plots, and draw.
  std::vector<const Figura*> figure;
  for (const Blocco& b : doc.blocchi)
    if (const auto* f = std::get_if<Figura>(&b)) figure.push_back(f);
  ASSERT_EQ(figure.size(), 4u);  // drawn after the section that made them is gone
  EXPECT_EQ(figure[2]->didascalia.rfind("Safety:", 0), 0u);
  for (const Figura* f : figure) {
    SuperficieVuota s;
    RecordingMessages m;
    EXPECT_TRUE(f->disegna(s, m)) << f->didascalia;
    EXPECT_TRUE(m.empty());
  }
  const std::string testo = Testo(doc);
  EXPECT_EQ(testo.find("nan"), std::string::npos);
  EXPECT_NE(testo.find("by the safe theorem the arch stands under its loads"), std::string::npos);
}

TEST(ComponiRisultati, TheSolveReportHasNoInputsNorDrawings) {
  Progetto p(prova::ponte());
  const std::string testo = TestoARighe(ComponiRisultati(p.fonti, NumeriRapporto(Regional::inglese())));
  EXPECT_EQ(testo.rfind("Voro - arch assessment by limit analysis\n", 0), 0u);
  EXPECT_NE(testo.find("File:    prova.vro"), std::string::npos);
  EXPECT_EQ(testo.find("Input data"), std::string::npos);
  EXPECT_EQ(testo.find("Figure"), std::string::npos);
  EXPECT_EQ(testo.find("Engineer"), std::string::npos);
  EXPECT_NE(testo.find("2 Three-hinged thrust line: results"), std::string::npos);
}

TEST(ScriviTesto, ColumnsAlignedOnCharactersNotBytes) {
  Documento doc;
  auto& t = doc.tabella({{"Quantity", "", false}, {"Value", "kN/m3"}});
  t.righe = {{"γm", "18"}, {"Unit weight", "1234.5"}};
  std::ostringstream out;
  ScriviTesto(out, doc);
  EXPECT_EQ(out.str(),
            " Quantity     Value [kN/m3]\n"
            " -----------  -------------\n"
            " γm                      18\n"
            " Unit weight         1234.5\n");
  EXPECT_EQ(ColonneTesto("γ1 = 16 kN/m3"), 13u);
}

TEST(ScriviTesto, ParagraphsWrapAt78Columns) {
  Documento doc;
  std::string lungo;
  for (int i = 0; i < 40; ++i) lungo += "parola ";
  doc.paragrafo(lungo);
  std::istringstream righe(TestoARighe(doc));
  int n = 0;
  for (std::string r; std::getline(righe, r); ++n) EXPECT_LE(ColonneTesto(r), 78u);
  EXPECT_EQ(n, 4);
}

TEST(ScriviHtml, EscapesTextAndInlinesTheDrawings) {
  Documento doc;
  doc.testata = "A <b> & c";
  doc.titolo({"Calculation report", {{"Project", "A <b> & c"}}, {{"Engineer", {{"Name", "A & B"}}}}});
  doc.sezione("Results");
  doc.paragrafo("x < y & \"z\"", true);
  auto& t = doc.tabella({{"Quantity", "", false}, {"Value", "kN"}});
  t.righe = {{"Hl", "12.00"}};
  doc.figura({"plot", 0.5, [](Superficie&, Messages&) { return true; }});
  doc.figura({"broken", 0.5, [](Superficie&, Messages&) { return false; }});
  std::ostringstream out;
  int richieste = 0;
  ScriviHtml(out, doc, [&](const Figura& f) {
    ++richieste;
    return f.didascalia == "plot" ? std::string("<svg viewBox=\"0 0 10 5\"></svg>") : std::string();
  });
  const std::string h = out.str();
  EXPECT_EQ(richieste, 2);
  EXPECT_NE(h.find("<title>Calculation report - A &lt;b&gt; &amp; c</title>"), std::string::npos);
  EXPECT_NE(h.find("<p class=\"avviso\">x &lt; y &amp; &quot;z&quot;</p>"), std::string::npos);
  EXPECT_NE(h.find("<th class=\"n\">Value [kN]</th>"), std::string::npos);
  EXPECT_NE(h.find("<td>Hl</td><td class=\"n\">12.00</td>"), std::string::npos);
  EXPECT_NE(h.find("<svg viewBox=\"0 0 10 5\"></svg>\n<figcaption>Figure 1: plot</figcaption>"), std::string::npos);
  EXPECT_NE(h.find("The drawing could not be made.</p>\n<figcaption>Figure 2: broken"), std::string::npos);
  EXPECT_NE(h.find("<td class=\"firma\"><div>Name: A &amp; B</div><div class=\"linea\"></div></td>"),
            std::string::npos);
  EXPECT_EQ(h.find(" & "), std::string::npos);
}
