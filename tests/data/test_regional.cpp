// Numbers as the engineer types and reads them: either separator typed,
// significant digits under Italian and English settings, the runtime's plain
// text of Singles and Doubles, the Windows code page of the project file, and
// a figure beside a verdict that keeps its side of 1.
#include <gtest/gtest.h>

#include <limits>

#include "Progetti.h"
#include "data/CifreCoerenti.h"
#include "data/Cp1252.h"
#include "data/NumberText.h"
#include "data/Regional.h"
#include "data/UnitConversions.h"

namespace voro {
namespace {

const Regional it = Regional::italiano();
const Regional en = Regional::inglese();
const Regional fr(",", "\xC2\xA0");  // grouping with a no-break space

// English separators under the Italian program: an advisory that names them
// and offers "Do not show this again"; the same character for both: an error.
TEST(Regional, StartUpCheckMessages) {
  RecordingMessages m;
  it.ControllaImpostazioni(m, false);
  en.ControllaImpostazioni(m, true);
  EXPECT_TRUE(m.empty());
  EXPECT_FALSE(en.ControllaImpostazioni(m, false));
  m.setOptOut(true);
  EXPECT_TRUE(en.ControllaImpostazioni(m, false));  // ticked
  ASSERT_EQ(m.entries().size(), 2u);
  EXPECT_EQ(std::tie(m.entries()[0].kind, m.entries()[0].title), std::tuple(MessageKind::Exclamation, "ATTENZIONE "));
  EXPECT_EQ(m.entries()[0].text.rfind("E' impostato come separatore decimale \".\" e come separatore delle migliaia "
                                      "\",\"\r\nSe la lingua è Italiano", 0), 0u);
  // A grouping symbol that is none, the decimal one, or outside the code page.
  EXPECT_EQ(Regional(",", "").SeparatoreMigliaia(), 0);
  EXPECT_EQ(fr.SeparatoreMigliaia(), 0xA0);
  m.clear();
  Regional(",", ",").ControllaImpostazioni(m, true);
  ASSERT_EQ(m.entries().size(), 1u);
  EXPECT_EQ(std::tie(m.entries()[0].kind, m.entries()[0].title), std::tuple(MessageKind::Critical, "ERRORE"));
  EXPECT_NE(m.entries()[0].text.find("\rIl separatore decimale è stato impostato come \",\"\r"), std::string::npos);
}

// The lenient reading drops grouping symbols and stops at the first text; the
// strict one lets the grouping symbol stand only between groups of three
// digits left of the decimal separator, the first group holding one to three.
TEST(Regional, TypedNumbers) {
  const std::tuple<const Regional&, const char*, double> lenient[] = {
      {it, "1.234,5", 1234.5}, {it, "1.5", 15}, {it, "0,25", 0.25}, {en, "1,234.5", 1234.5}, {en, "1,5", 15},
      {en, " - 2 . 5 ", -2.5}, {en, "1.5e3 kN", 1500}, {en, "2D2", 200}, {en, ".5", 0.5}, {en, "abc", 0},
      {en, "", 0}, {en, "12abc", 12}, {en, "3e", 3}, {fr, "1\xC2\xA0" "234,5", 1234.5},
      // Beyond the Double range: the largest finite number.
      {en, "1e999", std::numeric_limits<double>::max()}, {en, "-1e999", -std::numeric_limits<double>::max()}};
  for (const auto& [r, t, v] : lenient) EXPECT_EQ(r.ValInternazionale(t), v) << t;
  const std::tuple<const Regional&, const char*, double> strict[] = {
      {en, "1,234.5", 1234.5}, {en, "12,345,678", 12345678}, {en, " -2.5 ", -2.5}, {en, ".5", 0.5},
      {en, "1.5e3", 1500}, {it, "1.234.567,8", 1234567.8}, {it, "-0,45", -0.45}, {fr, "1 234,5", 1234.5},
      {fr, "1\xC2\xA0" "234,5", 1234.5}};
  for (const auto& [r, t, v] : strict) EXPECT_EQ(r.NumeroDigitato(t), v) << t;
  for (const char* t : {"2,5", "1,2345", "1234,567", ",5", "1,,234", "1,234,5", "1,234.5,6", "1.2,3"})
    EXPECT_FALSE(en.NumeroDigitato(t)) << t;
  for (const char* t : {"0.5", "1.5", "2.50", "1.2345,6", "1,2,3"}) EXPECT_FALSE(it.NumeroDigitato(t)) << t;
  EXPECT_FALSE(fr.NumeroDigitato("12 34,5"));
}

// Whole numbers round half to even.
TEST(Regional, PlainConversionsRejectText) {
  EXPECT_EQ(std::tuple(it.CIntTesto("12"), it.CIntTesto(" 2,5 "), it.CIntTesto("3,5")), std::tuple(12, 2, 4));
  EXPECT_EQ(std::tuple(it.CSngTesto("1.234,5"), en.CSngTesto("-0.75"), en.CSngTesto("2,500")),
            std::tuple(1234.5f, -0.75f, 2500.0f));
  for (const char* bad : {"", "abc", "1.2.3", "12a", "--1", "1e", "2,5"})
    EXPECT_EQ(Errore([&] { en.CSngTesto(bad); }).first, err::TypeMismatch) << bad;
  EXPECT_EQ(Errore([] { en.CIntTesto("40000"); }).first, err::Overflow);
}

TEST(Regional, SignificantDigitsPadded) {
  const std::pair<double, const char*> casi[] = {
      {123.4, " 123"}, {12.34, " 12.3"}, {1, " 1.00"},   {0.5, " 0.500"}, {0.0123, " 0.0123"}, {-0.25, "-0.250"},
      {12345, " 12345"}, {0, " 0.00"}, {1e-20, " 0"}, {1e-25, " 0.00"}, {999.6, " 1000"}};
  for (const auto& [x, testo] : casi) {
    EXPECT_EQ(en.FormattaCifre(3, x), testo);
    std::string ita = testo;
    for (char& c : ita) c = c == '.' ? ',' : c;
    EXPECT_EQ(it.FormattaCifre(3, x), ita);
  }
  std::string pattern;
  en.FormattaCifre(3, 0.0123, &pattern);
  EXPECT_EQ(pattern, "0.0000");
}

// Figures never group digits: 1049 is never "1,049" nor "1.049"; a whole
// scale keeps its digits and gains no decimals; small values in exponent form.
TEST(Regional, AtMostSignificantDigits) {
  std::string pattern;
  const std::pair<std::string, const char*> casi[] = {
      {en.FormattaNumero(4, 2.5), " 2.5"},           {en.FormattaNumero(4, 12345.67), " 12346"},
      {it.FormattaNumero(4, 12345.67), " 12346"},    {it.FormattaNumero(4, 1049.0), " 1049"},
      {en.FormattaNumeroEsp(3, 1500.0f), " 1500"},   {en.FormattaNumero(4, -151.83046f), "-151.8"},
      {it.FormattaNumero(4, 151.83046f), " 151,8"},  {en.FormattaNumero(4, 0.0f), " 0"},
      {en.FormattaNumero(4, 0.123456), " 0.1235"},   {en.FormattaNumeroEsp(3, 0.00123456, &pattern), " 1.23E-03"},
      {it.FormattaNumeroEsp(3, 5.0f), " 5"},         {en.FormattaNumeroEsp(3, 12.345f), " 12.3"}};
  for (const auto& [scritto, atteso] : casi) EXPECT_EQ(scritto, atteso);
  EXPECT_EQ(pattern, "#.00E+00");
}

// Patterns round half away from zero; a value that rounds to zero carries no
// minus sign; no infinity or NaN ever turns into text.
TEST(Regional, Patterns) {
  const std::tuple<const Regional&, double, const char*, const char*> casi[] = {
      {en, 1.005, "0.00", "1.01"}, {en, 2.5, "0", "3"}, {en, -2.5, "0", "-3"}, {en, -0.4, "0", "0"},
      {en, 1, "#,##0.", "1."}, {en, 1234567.8, "#,#.#", "1,234,567.8"}, {it, 1234567.8, "#,#.#", "1.234.567,8"},
      {en, 0, "#,#", ""}, {en, 98.30397, "0.0", "98.3"}, {en, 9.996, "#.00E+00", "1.00E+01"},
      {en, -0.04, "0.0", "0.0"}, {en, 999.96, "#,##0.0", "1,000.0"}};
  for (const auto& [r, x, pattern, testo] : casi) EXPECT_EQ(r.Formatta(x, pattern), testo) << pattern;
  EXPECT_THROW(en.Formatta(std::numeric_limits<double>::infinity(), "0.0"), RuntimeError);
  EXPECT_THROW(en.FormattaNumero(5, std::numeric_limits<double>::quiet_NaN()), RuntimeError);
}

// A multi-byte grouping symbol is removed whole, never split into bad UTF-8:
// the no-break space, and the narrow one of French and Swiss settings.
// Millimetres and megapascals: a Single's figure, rounded as shown.
TEST(Regional, PlainTextUnitsAndGroupingSymbolsRemovedWhole) {
  const std::pair<std::string, const char*> casi[] = {
      {it.TestoSingle(0.5f), "0,5"}, {en.TestoSingle(18.5f), "18.5"}, {it.TestoDouble(1.0 / 3), "0,333333333333333"},
      {EliminaCarattere("1.234", 1), "1234"},         {EliminaCarattere("1\xC2\xA0" "234", 1), "1234"},
      {EliminaCarattere("1\xE2\x80\xAF" "234,5", 1), "1234,5"}, {EliminaCarattere("12", 5), "12"},
      {FormattaDivisoMille(it, 624.69794f), " 0,625"}, {FormattaPerMille(en, 0.01), " 10.0"},
      {FormattaMillimetri(it, -0.0926647f), "-92,7"},  {FormattaMillimetri(en, 0.0000004), "0.0"}};
  for (const auto& [scritto, atteso] : casi) EXPECT_EQ(scritto, atteso);
}

// The runtime's plain text: seven significant digits of a Single, fifteen of
// a Double; the project file's form drops the leading zero.
TEST(NumberText, SinglesDoublesAndTheFileForm) {
  const std::pair<float, const char*> singles[] = {
      {0.5f, "0.5"}, {0.1f, "0.1"}, {1.0f / 3.0f, "0.3333333"}, {-0.25f, "-0.25"}, {1234567.0f, "1234567"},
      {12345678.0f, "1.234568E+07"}, {0.0001f, "0.0001"}, {0.00001f, "1E-05"}, {0.0f, "0"}, {-0.0f, "0"}};
  for (const auto& [x, testo] : singles) EXPECT_EQ(singleText(x), testo);
  const std::pair<double, const char*> doubles[] = {
      {0.1, "0.1"}, {1.0 / 3.0, "0.333333333333333"}, {100000000000000.0, "100000000000000"}, {1e15, "1E+15"},
      {1e-100, "1E-100"}, {static_cast<double>(0.1f), "0.100000001490116"}};  // a widened Single's binary tail
  for (const auto& [x, testo] : doubles) EXPECT_EQ(doubleText(x), testo);
  EXPECT_EQ(std::tuple(numberText(0.5, kSingleDigits, ".", false), numberText(-0.25, kSingleDigits, ".", false),
                       numberText(10.5, kSingleDigits, ".", false), numberText(0.5, kSingleDigits, ",", true)),
            std::tuple(".5", "-.25", "10.5", "0,5"));
}

// Every byte round-trips; what the code page lacks becomes a question mark,
// and a Save names the first such character rather than lose it.
TEST(Cp1252, TheCodePageOfTheProjectFile) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
  // The euro sign, a grave, typographic quotes; a Greek gamma, an emoji, invalid
  // UTF-8 and a lone continuation byte are not in the code page.
  const std::pair<std::string, const char*> casi[] = {
      {cp1252ToUtf8("\x80"), "\xE2\x82\xAC"},   {cp1252ToUtf8("Citt\xE0"), "Citt\xC3\xA0"},
      {utf8ToCp1252("\xE2\x80\x9C" "a" "\xE2\x80\x9D"), "\x93" "a" "\x94"}, {utf8ToCp1252("\xCE\xB3"), "?"},
      {utf8ToCp1252("\xF0\x9F\x98\x80"), "?"}, {utf8ToCp1252("a\xFFz"), "a?z"}, {utf8ToCp1252("a\x80z"), "a?z"}};
  for (const auto& [scritto, atteso] : casi) EXPECT_EQ(scritto, atteso);
  // The comma, the no-break space; not the narrow no-break space.
  EXPECT_EQ(std::tuple(cp1252Code(","), cp1252Code("\xC2\xA0"), cp1252Code("\xE2\x80\xAF")), std::tuple(44, 0xA0, -1));
  EXPECT_EQ(FuoriCp1252("Ponte \xC5\x81\xC3\xB3" "d\xC5\xBA"), "\xC5\x81");  // "Łódź": Ł, not ó
  EXPECT_EQ(FuoriCp1252("Ni\xC5\xA1 \xE2\x82\xAC"), std::nullopt);  // š and € are in it
  EXPECT_EQ(FuoriCp1252("a\xFFz"), "\xFF");
  EXPECT_EQ(FuoriCp1252(""), std::nullopt);
}

// The borderline ring: s just above 1 must not read 1.0000 beside "cannot
// stand"; figures clear of 1, and 1 itself, keep their usual decimals.
TEST(CifreCoerenti, ABorderlineFigureKeepsItsSideOfOne) {
  const std::tuple<double, int, int> casi[] = {{1.00004, 4, 5}, {0.99996, 4, 5}, {1.0004, 3, 4}, {1.0000001, 3, 7},
                                               {3.953, 3, 3},   {1.0, 3, 3},     {0.4, 4, 4},    {1 + 1e-14, 3, 9}};
  for (const auto& [x, usuali, attese] : casi) EXPECT_EQ(DecimaliCoerenti(x, usuali), attese) << x;
  EXPECT_EQ(FormatoDecimali(5), "0.00000");
  EXPECT_EQ(FormatoDecimali(0), "0");
}

}  // namespace
}  // namespace voro
