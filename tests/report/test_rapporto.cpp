// The report's content, numbers, physics and languages, and the text and HTML writers.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

#include "Rapporto.h"
#include "report/ScriviHtml.h"

using namespace voro;

namespace {

double Numero(const Documento& doc, const std::string& riga, std::size_t colonna) {
  return std::stod(Cella(doc, riga, colonna));
}

// Marks every text it is asked for, so that a text that was not asked for shows.
struct Segnate : Traduzioni {
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

// The title block: what the project gives, blanks elsewhere, a line for each signature; sections; inputs.
TEST(ComponiRapporto, TheTitleBlockWhoSignsTheSectionsInOrderAndEveryInputValue) {
  DatiProgetto d = prova::ponte();
  d.Titolo = "Ponte <prova> & \"virgolette\"";
  d.SpintaPassiva = true, d.Kp = 2.5f, d.nConciSpinta = {3, 4}, d.EccChiave = 0.0125f;
  Cartiglio& c = d.Cartiglio;
  c.riferimento = "SP 12, km 3+200", c.numeroDocumento = "VR-027", c.localita = "Bergamo", c.scopo = "Assessment for LM71";
  c.progettista = "Ing. A. Rossi", c.iscrizioneProgettista = "Ordine degli Ingegneri di Bergamo n. 1234";
  c.dataVerificatore = "2026-12-07", c.revisione = "B";
  Progetto p(d);
  p.fonti.momento = MomentoRapporto{1700000000, true};
  const Documento doc = p.Componi();
  const auto& titolo = std::get<BloccoTitolo>(doc.blocchi.front());
  std::map<std::string, std::string> voci(titolo.voci.begin(), titolo.voci.end());
  const std::pair<const char*, std::string> attese[] = {
      {"Project", d.Titolo}, {"Document number", "VR-027"}, {"Structure", "SP 12, km 3+200"}, {"Location", "Bergamo"},
      {"Owner", ""}, {"Client", ""}, {"Purpose", "Assessment for LM71"}, {"Revision", "B"}, {"Status", ""},
      {"Date", "2023-11-14 22:13 UTC"}};
  for (const auto& [k, v] : attese) EXPECT_EQ(voci.count(k) ? voci[k] : "(missing)", v) << k;
  EXPECT_EQ(doc.testata, d.Titolo);  // every page's header
  auto firma = [](const char* ruolo, const char* nome, const char* iscrizione, const char* data) {
    return Firma{ruolo, {{"Name", nome}, {"Registration", iscrizione}, {"Date", data}}};
  };
  EXPECT_EQ(titolo.firme,
            (std::vector<Firma>{firma("Engineer", "Ing. A. Rossi", "Ordine degli Ingegneri di Bergamo n. 1234", ""),
                                firma("Checker", "", "", "2026-12-07"), firma("Approver", "", "", "")}));
  // The text report: the line for signing, and a blank for what is not given.
  const std::string margine(17, ' ');  // after "Document number: "
  Dice(TestoARighe(doc), {"Checker:" + margine.substr(8) + std::string(40, '_') + "\n" + margine + "Name: " +
                          std::string(20, '_') + "\n"});
  const auto h = Intestazioni(doc);
  ASSERT_GE(h.size(), 5u);
  EXPECT_EQ(h[0], "1 Input data");
  EXPECT_EQ(h.back(), "5 Drawings");
  for (const char* s :
       {"2 Model", "3 Three-hinged thrust line: hypotheses", "4 Three-hinged thrust line: results", "4.2 Sections"})
    EXPECT_NE(std::find(h.begin(), h.end(), s), h.end()) << s;
  const std::pair<const char*, const char*> dati[] = {
      {"Span", "10"}, {"Rise", "3"}, {"Thickness", "0.5"}, {"Voussoirs", "30"}, {"Slab on the fill", "0.2"},
      {"Distributed load", "10"}, {"Coefficient of passive pressure", "2.5"}, {"Voussoirs from the right springing", "4"},
      {"Start eccentricity, crown", "12.5"}};
  for (const auto& [riga, valore] : dati) EXPECT_EQ(Cella(doc, riga, 2), valore) << riga;
  EXPECT_EQ(Cella(doc, "Start eccentricity, crown", 3), "mm");
  // The hypotheses name the passive pressure when there is one.
  Dice(Testo(doc), {"3 on the left, 4 on the right"});
  // Segments listed one row each.
  const Documento segmenti = Progetto(prova::dueSegmenti(0.6, 0.4)).Componi(Regional::italiano());
  const Tabella* t = TabellaCon(segmenti, "2");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->colonne[1].intestazione(), "x2 [m]");
  EXPECT_EQ(t->righe[0], (std::vector<std::string>{"1", "1,2", "2,1", "4", "3,2", "0,6", "12"}));
  EXPECT_EQ(t->righe[1], (std::vector<std::string>{"2", "7,2", "2,4", "9", "0", "0,4", "14"}));
}

TEST(ComponiRapporto, TheTablesHoldTheEquilibriumOfTheArch) {
  // A semicircular ring of masonry alone: its weight that of the ring of chords, the supports carry it all.
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
  // Symmetric arch, symmetric load: equal springings, equal thrusts, and the tie carries the thrust.
  EXPECT_EQ(Cella(doc, "Vertical force, left springing", 2), Cella(doc, "Vertical force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Horizontal force, left springing", 2), Cella(doc, "Horizontal force, right springing", 2));
  EXPECT_EQ(Cella(doc, "Force a tie at the springings would carry (none in the model)", 2),
            Cella(doc, "Horizontal force, left springing", 2));
  // The section table: one row per joint, the crown's shear force zero and its normal force the thrust.
  const Tabella* sezioni = ConColonna(Tabelle(doc, "results"), "σe");
  ASSERT_NE(sezioni, nullptr);
  ASSERT_EQ(sezioni->righe.size(), static_cast<std::size_t>(p.caso.modello.nGiunti));
  const auto& corona = sezioni->righe[static_cast<std::size_t>(p.caso.modello.iChiave)];
  EXPECT_EQ(corona[0], std::to_string(p.caso.modello.iChiave + 1));
  EXPECT_NEAR(std::stod(corona[6]), 0, 0.011);
  EXPECT_NEAR(std::stod(corona[5]), Hl, 0.011);
  // Springing from horizontal joints, the shear across the left one is the thrust pointing away from the
  // extrados, across the right one toward it; the normal force there is the vertical reaction.
  EXPECT_NEAR(std::stod(sezioni->righe.front()[6]), -Hl, 0.011);
  EXPECT_NEAR(std::stod(sezioni->righe.front()[5]), Vl, 0.011);
  EXPECT_NEAR(std::stod(sezioni->righe.back()[6]), Numero(doc, "Horizontal force, right springing", 2), 0.011);
  Dice(Testo(doc), {"T and τ along the joint, positive toward the extrados"});
  for (std::size_t c = 0; c < 8; ++c) EXPECT_FALSE(sezioni->colonne[c].intestazione().empty());
  EXPECT_EQ(sezioni->colonne[1].intestazione(), "σe [MPa]");
  EXPECT_EQ(sezioni->colonne[7].intestazione(), "e [mm]");
}

// A semicircular ring of 200 voussoirs on paper: each drawing boxed wider than tall, as the arch is; the
// joints printed at least 1 % of the drawing's width apart (about a millimetre, the voussoirs being
// narrower); the results with the reactions at both springings and the load of every voussoir.
TEST(ComponiRapporto, TheDrawingsOfADenseRingKeepItsShapeAndItsJointsApart) {
  const Progetto p(prova::anello(10, 5, 0.3f, 200));
  const Documento doc = p.Componi();
  const auto figure = Figure(doc);
  ASSERT_EQ(figure.size(), 2u);
  for (const Figura* f : figure) EXPECT_LT(f->proporzione, 0.75) << f->didascalia;
  const Concio& k = p.caso.modello.Conci(1);
  const double xc = k.x(1) + 5, yc = k.y(1);
  std::vector<std::pair<double, double>> giunti;  // the middle of each joint drawn across the ring
  double sinistra = 1e9, destra = -1e9;
  for (const auto& t : Disegnata(*figure[0]).tratti) {
    if (t.tipo != "linea") continue;
    sinistra = std::min({sinistra, t.v[0], t.v[2]}), destra = std::max({destra, t.v[0], t.v[2]});
    const double r1 = std::hypot(t.v[0] - xc, t.v[1] - yc), r2 = std::hypot(t.v[2] - xc, t.v[3] - yc);
    if (std::fabs(std::min(r1, r2) - 5) < 1e-4 && std::fabs(std::max(r1, r2) - 5.3) < 1e-4)
      giunti.push_back({(t.v[0] + t.v[2]) / 2, (t.v[1] + t.v[3]) / 2});
  }
  auto distanza = [](auto a, auto b) { return std::hypot(a.first - b.first, a.second - b.second); };
  std::sort(giunti.begin(), giunti.end());
  giunti.erase(std::unique(giunti.begin(), giunti.end(), [&](auto a, auto b) { return distanza(a, b) < 1e-9; }),
               giunti.end());  // the crown joint, its depth dimensioned along it
  ASSERT_GT(giunti.size(), 50u);
  for (std::size_t j = 1; j < giunti.size(); ++j)
    EXPECT_GE(distanza(giunti[j], giunti[j - 1]), 0.01 * (destra - sinistra)) << "joint " << j;
  EXPECT_EQ(Disegnata(*figure[1]).conta("riempi"), p.caso.modello.nConciTot + 2);  // the arrows' heads
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

// The safety assessment plugs in as one more section, before the drawings, its own after the arch's.
TEST(SezioneValutazione, EveryFigureOfTheAssessmentWithItsDrawings) {
  const ConRapporto v(prova::ponte(), 12, Regional::italiano());
  const RisultatiSicurezza& r = v.r;
  ASSERT_TRUE(r.rapportoSpessore && r.spintaMinima && r.spessoreMinimo && r.fattoreSpessore);
  ASSERT_EQ(r.esitoCarico, EsitoCarico::Finito);
  const NumeriRapporto num(Regional::italiano());
  const Documento& doc = v.doc;
  const auto h = Intestazioni(doc);
  EXPECT_NE(std::find(h.begin(), h.end(), "5 Safety assessment"), h.end());
  EXPECT_EQ(h.back(), "6 Drawings");
  EXPECT_EQ(h[h.size() - 2].rfind("5", 0), 0u);
  // The two thickness figures named as the literature names them.
  for (const auto& [nome, simbolo, valore] :
       {std::tuple{"Geometric factor of safety (Heyman)", "t/tmin", *r.fattoreSpessore},
        std::tuple{"Depth ratio: joint depth to the depth the line needs", "1/s", *r.fattoreGeometrico}})
    EXPECT_EQ(Riga(doc, nome), (std::vector<std::string>{nome, simbolo, num.fattore(valore), ""}));
  EXPECT_EQ(Cella(doc, "Least thrust", 2), num.kN(*r.spintaMinima));
  EXPECT_EQ(Cella(doc, "Thinnest segment at the least thickness", 2), num.metri(*r.spessoreMinimo));
  EXPECT_NE(Cella(doc, "Thickness ratio of the line of least eccentricity", 2).find(','), std::string::npos);
  // The certificates give each gap to two significant digits.
  const Tabella* certificati = ConColonna(Tabelle(doc, "Safety assessment"), "Gap");
  ASSERT_TRUE(certificati);
  for (const auto& c : certificati->righe)
    EXPECT_TRUE(std::regex_match(c[2], std::regex(" ?(0|\\d,\\dE-\\d\\d)"))) << c[0] << ": " << c[2];
  // A row per load position and per joint of the line of least eccentricity, each joint 0.5 m deep.
  ASSERT_TRUE(TabellaCon(doc, "12"));
  const Tabella* linea = ConColonna(Tabelle(doc, "Safety assessment"), "|e|/(h/2)");
  ASSERT_TRUE(linea);
  EXPECT_EQ(linea->righe.size(), static_cast<std::size_t>(v.m.nGiunti));
  for (const auto& g : linea->righe) EXPECT_EQ(g[Indice(*linea, "h/2")], "250,0") << "joint " << g[0];
  // The safety plot naming its hinges and the chart its least factor follow the arch plots, and draw
  // after the section that made them is gone.
  const auto figure = Figure(doc);
  ASSERT_EQ(figure.size(), 4u);
  Dice(figure[2]->didascalia, {"Safety:", std::to_string(r.meccanismo.size()) + " hinges"});
  Dice(figure[3]->didascalia, {"least factor"});
  for (const Figura* f : figure) Disegnata(*f);
  Dice(Testo(doc),
       {"by the safe theorem the arch stands under its loads",
        "the road surface, the slab and the loads above stay where the project puts them"},
       {"nan", "times thinner", "Geometric safety factor"});
}

TEST(RapportoLingua, EveryTextOfTheReportIsTranslated) {
  const ConRapporto valutato(prova::ponte(), 6);
  const FontiRapporto& f = valutato.p.fonti;
  const SezioneValutazione sicurezza(valutato.d, valutato.m, valutato.r);
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
