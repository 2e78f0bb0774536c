// The report in the reader's language: every heading, sentence, column and
// caption of the report, and of its safety section, goes through the
// translation the regional settings carry; numbers, units and symbols do not.
#include <gtest/gtest.h>

#include "Rapporto.h"

using namespace voro;

namespace {

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

// The symbols of the tables, which read the same in every language.
bool Simbolo(const std::string& t) {
  return t.find(' ') == std::string::npos && t.size() <= 9 && t.find("«") == std::string::npos;
}

}  // namespace

TEST(RapportoLingua, EveryTextOfTheReportIsTranslated) {
  const Valutato valutato(prova::ponte(), 6);
  const FontiRapporto& f = valutato.p.fonti;
  const SezioneValutazione sicurezza(valutato.dati, valutato.modello, valutato.r);

  const Segnate segnate;
  Regional regional = Regional::italiano();
  regional.setTraduzioni(&segnate);
  const Documento doc = ComponiRapporto(f, NumeriRapporto(regional), {&sicurezza});
  EXPECT_FALSE(ParoleFuori(doc.nome));
  EXPECT_FALSE(ParoleFuori(doc.didascalia));
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
      for (const Colonna& c : t->colonne) EXPECT_TRUE(Simbolo(c.titolo) || !ParoleFuori(c.titolo)) << c.titolo;
      for (const auto& riga : t->righe)
        for (const std::string& cella : riga) EXPECT_TRUE(Simbolo(cella) || !ParoleFuori(cella)) << cella;
    } else if (const auto* g = std::get_if<Figura>(&b)) {
      EXPECT_FALSE(ParoleFuori(g->didascalia)) << g->didascalia;
    }
  }
  EXPECT_GT(testi, 15);
  // Without a translation the report reads as written.
  const Documento inglese = ComponiRapporto(f, NumeriRapporto(Regional::italiano()), {&sicurezza});
  const std::string testo = TestoARighe(inglese);
  EXPECT_NE(testo.find("Calculation report"), std::string::npos);
  EXPECT_EQ(testo.find("«"), std::string::npos);
}
