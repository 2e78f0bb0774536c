// The report's content, numbers, physics and languages, and the text and HTML writers.
#include <gtest/gtest.h>

#include <cmath>

#include "Rapporto.h"
#include "report/ScriviHtml.h"
#include "report/SuperficieVuota.h"

using namespace voro;

namespace {

double Numero(const Documento& doc, const std::string& riga, std::size_t colonna) {
  return std::stod(Cella(doc, riga, colonna));
}

// Marks every text it is asked for, so that a text that was not asked for shows.
class Segnate : public Traduzioni {
 public:
  std::string Traduci(const char*, const char* testo) const override { return std::string("«") + testo + "»"; }
};

// A word of three or more letters outside the marks: an untranslated text.
bool ParoleFuori(const std::string& testo) {
  int profondita = 0, lettere = 0;
  for (std::size_t i = 0; i < testo.size(); ++i) {
    if (testo.compare(i, 2, "«") == 0) ++profondita;
    if (testo.compare(i, 2, "»") == 0) --profondita;
    const unsigned char c = static_cast<unsigned char>(testo[i]);
    lettere = profondita == 0 && std::isalpha(c) ? lettere + 1 : 0;
    if (lettere >= 3) return true;
  }
  return false;
}

// A table's cell reads the same in every language when it is a symbol.
bool Tradotta(const std::string& t) {
  return (t.find(' ') == std::string::npos && t.size() <= 9 && t.find("«") == std::string::npos) || !ParoleFuori(t);
}

}  // namespace

TEST(NumeriRapporto, OnePrecisionForEachKindWithTheRegionalSeparator) {
  const NumeriRapporto en(Regional::inglese()), it(Regional::italiano());
  const std::pair<std::string, std::string> casi[] = {
      {en.MPa(-250), "-0.250"}, {it.MPa(1234.5), "1,235"},  // half away from zero, no grouping
      {en.kN(12345.678), "12345.68"}, {it.kN(-0.004), "0,00"},  // a value that rounds to zero carries no sign
      {en.mm(0.0312), "31.2"}, {en.percento(100), "100.0"}, {it.metri(5.93), "5,930"}, {it.dato(Single(0.45f)), "0,45"},
      {en.dato(8.333333f), "8.333333"}, {en.datoMm(Single(0.05f)), "50"}, {en.dato(-0.5), "-0.5"},
      {en.datoMm(3e38f), NumeriRapporto::kNonNumero}};
  for (const auto& [scritto, atteso] : casi) EXPECT_EQ(scritto, atteso);
  // Nothing that is not a number reaches the page.
  for (double x : {std::nan(""), HUGE_VAL, -HUGE_VAL})
    for (const std::string& s : {en.kN(x), en.dato(x), en.dato(static_cast<Single>(x))})
      EXPECT_EQ(s, NumeriRapporto::kNonNumero);
}

TEST(ComponiRapporto, SectionsInOrderAndEveryInputValue) {
  DatiProgetto d = prova::ponte();
  d.Titolo = "Ponte <prova> & \"virgolette\"";
  d.SpintaPassiva = true, d.Kp = 2.5f, d.nConciSpinta = {3, 4}, d.EccChiave = 0.0125f;
  Progetto p(d);
  p.fonti.momento = MomentoRapporto{1714557600, true};
  p.fonti.programma = "Voro 1.0.0";
  const Documento doc = p.Componi();
  const auto h = Intestazioni(doc);
  ASSERT_GE(h.size(), 5u);
  EXPECT_EQ(h[0], "1 Input data");
  EXPECT_EQ(h.back(), "5 Drawings");
  for (const char* s :
       {"2 Model", "3 Three-hinged thrust line: hypotheses", "4 Three-hinged thrust line: results", "4.2 Sections"})
    EXPECT_NE(std::find(h.begin(), h.end(), s), h.end()) << s;
  const auto& titolo = std::get<BloccoTitolo>(doc.blocchi.front());
  EXPECT_EQ(titolo.titolo, "Calculation report");
  EXPECT_EQ(titolo.voci[0].second, d.Titolo);
  EXPECT_NE(std::find(titolo.voci.begin(), titolo.voci.end(),
                      std::pair<std::string, std::string>{"Date", "2024-05-01 10:00 UTC"}),
            titolo.voci.end());
  ASSERT_EQ(titolo.firme.size(), 3u);
  EXPECT_EQ(titolo.firme[2].ruolo, "Approver");
  EXPECT_EQ(doc.testata, d.Titolo);
  const std::pair<const char*, const char*> dati[] = {
      {"Span", "10"}, {"Rise", "3"}, {"Thickness", "0.5"}, {"Voussoirs", "30"}, {"Slab on the fill", "0.2"},
      {"Distributed load", "10"}, {"Coefficient of passive pressure", "2.5"}, {"Voussoirs from the right springing", "4"},
      {"Start eccentricity, crown", "12.5"}};
  for (const auto& [riga, valore] : dati) EXPECT_EQ(Cella(doc, riga, 2), valore) << riga;
  EXPECT_EQ(Cella(doc, "Start eccentricity, crown", 3), "mm");
  // The hypotheses name the passive pressure when there is one.
  Dice(Testo(doc), {"3 on the left, 4 on the right"});
  // Two drawings, each with a box shaped to the plot and a drawing function.
  int figure = 0;
  for (const Blocco& b : doc.blocchi)
    if (const auto* f = std::get_if<Figura>(&b)) {
      ++figure;
      EXPECT_TRUE(f->proporzione > 0.29 && f->proporzione < 1.21 && f->disegna) << f->proporzione;
    }
  EXPECT_EQ(figure, 2);
  // Segments listed one row each.
  const Documento segmenti = Progetto(prova::dueSegmenti(0.6, 0.4)).Componi(Regional::italiano());
  const Tabella* t = TabellaCon(segmenti, "2");
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
  const Documento doc = p.Componi();
  const double corde = n * std::sin(3.14159265358979 / n) / 2 * ((R + t) * (R + t) - R * R);  // polygon of n chords
  EXPECT_NEAR(Numero(doc, "Masonry of the ring", 1), 20 * corde, 0.01);
  const double totale = Numero(doc, "Total vertical load", 1);
  EXPECT_NEAR(Numero(doc, "Masonry of the ring", 1) + Numero(doc, "Fill", 1) + Numero(doc, "Slab", 1) +
                  Numero(doc, "Live load", 1), totale, 0.02);
  const double Vl = Numero(doc, "Vertical force, left springing", 2), Hl = Numero(doc, "Horizontal force, left springing", 2);
  EXPECT_NEAR(Vl + Numero(doc, "Vertical force, right springing", 2), totale, 0.011);
  // Symmetric arch, symmetric load: equal springings, equal thrusts, and the
  // tie carries the thrust.
  EXPECT_EQ(Cella(doc, "Vertical force, left springing", 2), Cella(doc, "Vertical force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Horizontal force, left springing", 2), Cella(doc, "Horizontal force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Force a tie at the springings would carry (none in the model)", 2),
            Cella(doc, "Horizontal force, left springing", 2));
  // The section table: one row per joint, the crown's shear force zero and
  // its normal force the thrust.
  const Tabella* sezioni = nullptr;
  for (const Blocco& b : doc.blocchi)
    if (const auto* tb = std::get_if<Tabella>(&b); tb && tb->colonne.size() == 8) sezioni = tb;
  ASSERT_NE(sezioni, nullptr);
  ASSERT_EQ(sezioni->righe.size(), static_cast<std::size_t>(p.caso.modello.nGiunti));
  const auto& corona = sezioni->righe[static_cast<std::size_t>(p.caso.modello.iChiave)];
  EXPECT_EQ(corona[0], std::to_string(p.caso.modello.iChiave + 1));
  EXPECT_NEAR(std::stod(corona[6]), 0, 0.011);
  EXPECT_NEAR(std::stod(corona[5]), Hl, 0.011);
  // Springing from horizontal joints, the shear across the left one is the
  // thrust pointing away from the extrados, across the right one toward it;
  // the normal force there is the vertical reaction.
  EXPECT_NEAR(std::stod(sezioni->righe.front()[6]), -Hl, 0.011);
  EXPECT_NEAR(std::stod(sezioni->righe.front()[5]), Vl, 0.011);
  EXPECT_NEAR(std::stod(sezioni->righe.back()[6]), Numero(doc, "Horizontal force, right springing", 2), 0.011);
  Dice(Testo(doc), {"T and τ along the joint, positive toward the extrados"});
  for (std::size_t c = 0; c < 8; ++c) EXPECT_FALSE(sezioni->colonne[c].intestazione().empty());
  EXPECT_EQ(sezioni->colonne[1].intestazione(), "σe [MPa]");
  EXPECT_EQ(sezioni->colonne[7].intestazione(), "e [mm]");
}

TEST(ComponiRapporto, FailuresAreSaidAndTheInputsStillListed) {
  Progetto p(prova::ponte(), false);
  p.fonti.errore = "the calculation failed: Error: Overflow in CalcoloMain";
  // The loads come from the calculation; only the geometry is drawn.
  Dice(Testo(p.Componi()),
       {"*** No results: the calculation failed: Error: Overflow in CalcoloMain", "Span", "Voussoirs of the ring",
        "Figure 1: Geometry"},
       {"Total weights", "σe [MPa]", "Figure 2"});
  p.fonti.modello = nullptr;
  p.fonti.errore = "Error: Check Geometry";
  Dice(Testo(p.Componi()), {"No voussoir model: Error: Check Geometry", "No results: Error: Check Geometry"}, {"Drawings"});
}

// The safety assessment plugs in as one more section, before the drawings,
// its own drawings after the arch's.
TEST(SezioneValutazione, EveryFigureOfTheAssessmentWithItsDrawings) {
  const Valutato v(prova::ponte(), 12, Regional::italiano());
  const RisultatiSicurezza& r = v.r;
  ASSERT_TRUE(r.rapportoSpessore && r.spintaMinima && r.spessoreMinimo);
  const NumeriRapporto num(Regional::italiano());
  const Documento& doc = v.doc;
  const auto h = Intestazioni(doc);
  EXPECT_NE(std::find(h.begin(), h.end(), "5 Safety assessment"), h.end());
  EXPECT_EQ(h.back(), "6 Drawings");
  EXPECT_EQ(h[h.size() - 2].rfind("5", 0), 0u);
  EXPECT_EQ(Cella(doc, "Depth ratio: joint depth to the depth the line needs", 2), num.fattore(*r.fattoreGeometrico));
  EXPECT_EQ(Cella(doc, "Least thrust", 2), num.kN(*r.spintaMinima));
  EXPECT_EQ(Cella(doc, "Thinnest segment at the least thickness", 2), num.metri(*r.spessoreMinimo));
  EXPECT_NE(Cella(doc, "Thickness ratio of the line of least eccentricity", 2).find(','), std::string::npos);
  // One row per load position and per joint of the line of least eccentricity.
  ASSERT_TRUE(TabellaCon(doc, "12"));
  const Tabella* linea = TabellaCon(doc, num.intero(v.modello.nGiunti));
  ASSERT_TRUE(linea);
  EXPECT_EQ(linea->righe.size(), static_cast<std::size_t>(v.modello.nGiunti));
  // The safety plot and the sweep chart follow the arch plots, and draw
  // after the section that made them is gone.
  std::vector<const Figura*> figure;
  for (const Blocco& b : doc.blocchi)
    if (const auto* f = std::get_if<Figura>(&b)) figure.push_back(f);
  ASSERT_EQ(figure.size(), 4u);
  EXPECT_EQ(figure[2]->didascalia.rfind("Safety:", 0), 0u);
  for (const Figura* f : figure) {
    SuperficieVuota s;
    RecordingMessages m;
    EXPECT_TRUE(f->disegna(s, m) && m.empty()) << f->didascalia;
  }
  Dice(Testo(doc), {"by the safe theorem the arch stands under its loads"}, {"nan"});
}

TEST(RapportoLingua, EveryTextOfTheReportIsTranslated) {
  const Valutato valutato(prova::ponte(), 6);
  const FontiRapporto& f = valutato.p.fonti;
  const SezioneValutazione sicurezza(valutato.dati, valutato.modello, valutato.r);
  const Segnate segnate;
  Regional regional = Regional::italiano();
  regional.setTraduzioni(&segnate);
  const Documento doc = ComponiRapporto(f, NumeriRapporto(regional), {&sicurezza});
  EXPECT_FALSE(ParoleFuori(doc.nome) || ParoleFuori(doc.didascalia));
  int testi = 0;
  for (const Blocco& b : doc.blocchi) {
    if (const auto* t = std::get_if<BloccoTitolo>(&b)) {
      EXPECT_FALSE(ParoleFuori(t->titolo)) << t->titolo;
      for (const auto& [k, v] : t->voci) EXPECT_FALSE(ParoleFuori(k)) << k;
      for (const Firma& f : t->firme) {
        EXPECT_FALSE(ParoleFuori(f.ruolo)) << f.ruolo;
        for (const auto& [k, v] : f.voci) EXPECT_FALSE(ParoleFuori(k)) << k;
      }
    } else if (const auto* h = std::get_if<Intestazione>(&b)) {
      EXPECT_FALSE(ParoleFuori(h->testo)) << h->testo;
    } else if (const auto* p = std::get_if<Paragrafo>(&b)) {
      EXPECT_FALSE(ParoleFuori(p->testo)) << p->testo;
      ++testi;
    } else if (const auto* t = std::get_if<Tabella>(&b)) {
      for (const Colonna& c : t->colonne) EXPECT_TRUE(Tradotta(c.titolo)) << c.titolo;
      for (const auto& riga : t->righe)
        for (const std::string& cella : riga) EXPECT_TRUE(Tradotta(cella)) << cella;
    } else if (const auto* g = std::get_if<Figura>(&b)) {
      EXPECT_FALSE(ParoleFuori(g->didascalia)) << g->didascalia;
    }
  }
  EXPECT_GT(testi, 15);
  // Without a translation the report reads as written.
  Dice(TestoARighe(ComponiRapporto(f, NumeriRapporto(Regional::italiano()), {&sicurezza})), {"Calculation report"}, {"«"});
}

TEST(ComponiRisultati, TheSolveReportHasNoInputsNorDrawings) {
  Progetto p(prova::ponte());
  const std::string testo = TestoARighe(ComponiRisultati(p.fonti, NumeriRapporto(Regional::inglese())));
  EXPECT_EQ(testo.rfind("Voro - arch assessment by limit analysis\n", 0), 0u);
  Dice(testo, {"File:    prova.vro", "2 Three-hinged thrust line: results"}, {"Input data", "Figure", "Engineer"});
}

TEST(ScriviTesto, ColumnsAlignedOnCharactersNotBytesAndParagraphsWrapAt78Columns) {
  Documento doc;
  auto& t = doc.tabella({{"Quantity", "", false}, {"Value", "kN/m3"}});
  t.righe = {{"γm", "18"}, {"Unit weight", "1234.5"}};
  EXPECT_EQ(TestoARighe(doc),
            " Quantity     Value [kN/m3]\n"
            " -----------  -------------\n"
            " γm                      18\n"
            " Unit weight         1234.5\n");
  EXPECT_EQ(ColonneTesto("γ1 = 16 kN/m3"), 13u);
  Documento testo;
  std::string lungo;
  for (int i = 0; i < 40; ++i) lungo += "parola ";
  testo.paragrafo(lungo);
  std::istringstream righe(TestoARighe(testo));
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
  EXPECT_EQ(richieste, 2);
  Dice(out.str(),
       {"<title>Calculation report - A &lt;b&gt; &amp; c</title>", "<p class=\"avviso\">x &lt; y &amp; &quot;z&quot;</p>",
        "<th class=\"n\">Value [kN]</th>", "<td>Hl</td><td class=\"n\">12.00</td>",
        "<svg viewBox=\"0 0 10 5\"></svg>\n<figcaption>Figure 1: plot</figcaption>",
        "The drawing could not be made.</p>\n<figcaption>Figure 2: broken",
        "<td class=\"firma\"><div>Name: A &amp; B</div><div class=\"linea\"></div></td>"},
       {" & "});
}
