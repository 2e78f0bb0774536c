// Regional settings: typing numbers with either separator and formatting them
// to significant digits, under Italian and English settings.
#include <gtest/gtest.h>

#include <limits>

#include "data/Regional.h"
#include "data/RuntimeError.h"
#include "data/UnitConversions.h"

namespace voro {
namespace {

const Regional it = Regional::italiano();
const Regional en = Regional::inglese();

TEST(Regional, DetectedSeparators) {
  EXPECT_EQ(it.SeparatoreDecimale(), ',');
  EXPECT_EQ(it.SeparatoreMigliaia(), '.');
  EXPECT_EQ(en.SeparatoreDecimale(), '.');
  EXPECT_EQ(en.SeparatoreMigliaia(), ',');
  EXPECT_EQ(Regional(",", ",").SeparatoreMigliaia(), 0);
  EXPECT_EQ(Regional(",", "").SeparatoreMigliaia(), 0);
  EXPECT_EQ(Regional(",", "\xC2\xA0").SeparatoreMigliaia(), 0xA0);
  EXPECT_EQ(it.SeparatoreDecimaleTesto(), ",");
}

TEST(Regional, StartUpCheckMessages) {
  RecordingMessages m;
  it.ControllaImpostazioni(m, false);
  EXPECT_TRUE(m.empty());
  en.ControllaImpostazioni(m, true);
  EXPECT_TRUE(m.empty());

  // The advisory offers "Do not show this again" and says whether it was ticked.
  EXPECT_FALSE(en.ControllaImpostazioni(m, false));
  ASSERT_EQ(m.entries().size(), 1u);
  m.setOptOut(true);
  EXPECT_TRUE(en.ControllaImpostazioni(m, false));
  EXPECT_EQ(m.entries()[1].text, m.entries()[0].text);
  m.setOptOut(false);
  EXPECT_FALSE(en.ControllaImpostazioni(m, true));
  ASSERT_EQ(m.entries().size(), 2u);
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Exclamation);
  EXPECT_EQ(m.entries()[0].title, "ATTENZIONE ");
  EXPECT_EQ(m.entries()[0].text,
            "E' impostato come separatore decimale \".\" e come separatore delle migliaia \",\"\r\n"
            "Se la lingua è Italiano è meglio usare la  \",\" come separatore decimale.\r\n"
            "Il programma funzionerà comunque correttamente se si usa come separatore delle migliaia lo spazio,\r\n"
            "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
            "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni internazionali.");

  m.clear();
  Regional(",", ",").ControllaImpostazioni(m, true);
  ASSERT_EQ(m.entries().size(), 1u);
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(m.entries()[0].title, "ERRORE");
  EXPECT_EQ(m.entries()[0].text,
            "Errore nelle impostazioni internazionali del pannello di controllo.\r"
            "Il separatore decimale è stato impostato come \",\"\r"
            "E' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
            "Cambiare il simbolo raggruppamento cifre e riavviare il programma.");
}

TEST(Regional, TypedNumbersAcceptEitherSeparator) {
  EXPECT_EQ(it.ValInternazionale("1.234,5"), 1234.5);
  EXPECT_EQ(it.ValInternazionale("1.5"), 15);
  EXPECT_EQ(it.ValInternazionale("0,25"), 0.25);
  EXPECT_EQ(en.ValInternazionale("1,234.5"), 1234.5);
  EXPECT_EQ(en.ValInternazionale("1,5"), 15);
  EXPECT_EQ(en.ValInternazionale(" - 2 . 5 "), -2.5);
  EXPECT_EQ(en.ValInternazionale("1.5e3 kN"), 1500);
  EXPECT_EQ(en.ValInternazionale("2D2"), 200);
  EXPECT_EQ(en.ValInternazionale(".5"), 0.5);
  EXPECT_EQ(en.ValInternazionale("abc"), 0);
  EXPECT_EQ(en.ValInternazionale(""), 0);
  EXPECT_EQ(en.ValInternazionale("12abc"), 12);
  EXPECT_EQ(en.ValInternazionale("3e"), 3);
  EXPECT_TRUE(std::isfinite(en.ValInternazionale("1e999")));
}

TEST(Regional, TypedNumbersGroupOnlyThousands) {
  // The grouping symbol stands only between groups of three digits left of
  // the decimal separator; the first group holds one to three.
  EXPECT_EQ(en.NumeroDigitato("1,234.5"), 1234.5);
  EXPECT_EQ(en.NumeroDigitato("12,345,678"), 12345678);
  EXPECT_EQ(en.NumeroDigitato(" -2.5 "), -2.5);
  EXPECT_EQ(en.NumeroDigitato(".5"), 0.5);
  EXPECT_EQ(en.NumeroDigitato("1.5e3"), 1500);
  EXPECT_EQ(it.NumeroDigitato("1.234.567,8"), 1234567.8);
  EXPECT_EQ(it.NumeroDigitato("-0,45"), -0.45);
  for (const char* t : {"2,5", "1,2345", "1234,567", ",5", "1,,234", "1,234,5", "1,234.5,6", "1.2,3"})
    EXPECT_FALSE(en.NumeroDigitato(t)) << t;
  for (const char* t : {"0.5", "1.5", "2.50", "1.2345,6", "1,2,3"}) EXPECT_FALSE(it.NumeroDigitato(t)) << t;
  // A blank typed where the settings group with a non-breaking space.
  const Regional fr(",", "\xC2\xA0");
  EXPECT_EQ(fr.NumeroDigitato("1 234,5"), 1234.5);
  EXPECT_EQ(fr.NumeroDigitato("1\xC2\xA0" "234,5"), 1234.5);
  EXPECT_FALSE(fr.NumeroDigitato("12 34,5"));
  // The same rule holds for the plain conversions.
  EXPECT_THROW(en.CSngTesto("2,5"), RuntimeError);
  EXPECT_EQ(en.CSngTesto("2,500"), 2500.0f);
}

TEST(Regional, PlainConversionsRejectText) {
  EXPECT_EQ(it.CIntTesto("12"), 12);
  EXPECT_EQ(it.CIntTesto(" 2,5 "), 2);  // half to even
  EXPECT_EQ(it.CIntTesto("3,5"), 4);
  EXPECT_EQ(it.CSngTesto("1.234,5"), 1234.5f);
  EXPECT_EQ(en.CSngTesto("-0.75"), -0.75f);
  for (const char* bad : {"", "abc", "1.2.3", "12a", "--1", "1e"}) {
    try {
      en.CSngTesto(bad);
      ADD_FAILURE() << bad;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), err::TypeMismatch) << bad;
      EXPECT_EQ(e.description(), "Type mismatch");
    }
  }
  try {
    en.CIntTesto("40000");
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::Overflow);
  }
}

TEST(Regional, SignificantDigitsPadded) {
  for (const Regional* r : {&en, &it}) {
    const bool ita = r == &it;
    auto local = [&](std::string s) {
      if (!ita) return s;
      for (auto& c : s) c = c == '.' ? ',' : c == ',' ? '.' : c;
      return s;
    };
    EXPECT_EQ(r->FormattaCifre(3, 123.4), " 123");
    EXPECT_EQ(r->FormattaCifre(3, 12.34), local(" 12.3"));
    EXPECT_EQ(r->FormattaCifre(3, 1), local(" 1.00"));
    EXPECT_EQ(r->FormattaCifre(3, 0.5), local(" 0.500"));
    EXPECT_EQ(r->FormattaCifre(3, 0.0123), local(" 0.0123"));
    EXPECT_EQ(r->FormattaCifre(3, -0.25), local("-0.250"));
    EXPECT_EQ(r->FormattaCifre(3, 12345), " 12345");
    EXPECT_EQ(r->FormattaCifre(3, 0), local(" 0.00"));
    EXPECT_EQ(r->FormattaCifre(3, 1e-20), " 0");
    EXPECT_EQ(r->FormattaCifre(3, 1e-25), local(" 0.00"));
    EXPECT_EQ(r->FormattaCifre(3, 999.6), " 1000");
  }
  std::string pattern;
  en.FormattaCifre(3, 0.0123, &pattern);
  EXPECT_EQ(pattern, "0.0000");
}

TEST(Regional, AtMostSignificantDigits) {
  EXPECT_EQ(en.FormattaNumero(4, 2.5), " 2.5");
  // Figures never group digits: 1049 is never "1,049" nor "1.049".
  EXPECT_EQ(en.FormattaNumero(4, 12345.67), " 12346");
  EXPECT_EQ(it.FormattaNumero(4, 12345.67), " 12346");
  EXPECT_EQ(it.FormattaNumero(4, 1049.0), " 1049");
  EXPECT_EQ(en.FormattaNumero(4, -151.83046f), "-151.8");
  EXPECT_EQ(it.FormattaNumero(4, 151.83046f), " 151,8");
  EXPECT_EQ(en.FormattaNumero(4, 0.0f), " 0");
  EXPECT_EQ(en.FormattaNumero(4, 0.123456), " 0.1235");
  std::string pattern;
  EXPECT_EQ(en.FormattaNumeroEsp(3, 0.00123456, &pattern), " 1.23E-03");
  EXPECT_EQ(pattern, "#.00E+00");
  EXPECT_EQ(it.FormattaNumeroEsp(3, 5.0f), " 5");
  EXPECT_EQ(en.FormattaNumeroEsp(3, 12.345f), " 12.3");
}

TEST(Regional, PatternsRoundHalfAwayFromZero) {
  EXPECT_EQ(en.Formatta(1.005, "0.00"), "1.01");
  EXPECT_EQ(en.Formatta(2.5, "0"), "3");
  EXPECT_EQ(en.Formatta(-2.5, "0"), "-3");
  EXPECT_EQ(en.Formatta(-0.4, "0"), "0");
  EXPECT_EQ(en.Formatta(1, "#,##0."), "1.");
  EXPECT_EQ(en.Formatta(1234567.8, "#,#.#"), "1,234,567.8");
  EXPECT_EQ(it.Formatta(1234567.8, "#,#.#"), "1.234.567,8");
  EXPECT_EQ(en.Formatta(0, "#,#"), "");
  EXPECT_EQ(en.Formatta(98.30397, "0.0"), "98.3");
  EXPECT_EQ(en.Formatta(9.996, "#.00E+00"), "1.00E+01");
}

TEST(Regional, PlainTextOfAValueUsesTheRegionalSeparator) {
  EXPECT_EQ(it.TestoSingle(0.5f), "0,5");
  EXPECT_EQ(en.TestoSingle(18.5f), "18.5");
  EXPECT_EQ(it.TestoDouble(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(EliminaCarattere("1.234", 1), "1234");
}

TEST(Regional, OddInputStaysSafe) {
  // A multi-byte grouping symbol is removed whole, never split into bad UTF-8:
  // the no-break space, and the narrow one of French and Swiss settings.
  EXPECT_EQ(EliminaCarattere("1\xC2\xA0" "234", 1), "1234");
  EXPECT_EQ(EliminaCarattere("1\xE2\x80\xAF" "234,5", 1), "1234,5");
  EXPECT_EQ(EliminaCarattere("12", 5), "12");
  EXPECT_EQ(Regional(",", "\xC2\xA0").ValInternazionale("1\xC2\xA0" "234,5"), 1234.5);
  // A typed number beyond the Double range reads as the largest finite one.
  EXPECT_EQ(en.ValInternazionale("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(en.ValInternazionale("-1e999"), -std::numeric_limits<double>::max());
  // No infinity or NaN ever turns into text.
  EXPECT_THROW(en.Formatta(std::numeric_limits<double>::infinity(), "0.0"), RuntimeError);
  EXPECT_THROW(en.FormattaNumero(5, std::numeric_limits<double>::quiet_NaN()), RuntimeError);
  // A value that rounds to zero carries no minus sign.
  EXPECT_EQ(en.Formatta(-0.04, "0.0"), "0.0");
  EXPECT_EQ(en.Formatta(999.96, "#,##0.0"), "1,000.0");
}

TEST(UnitConversions, MillimetresAndMegapascals) {
  EXPECT_EQ(FormattaDivisoMille(en, -250), "-0.250");
  EXPECT_EQ(FormattaDivisoMille(it, 624.69794f), " 0,625");
  EXPECT_EQ(FormattaPerMille(en, 0.01), " 10.0");
  EXPECT_EQ(FormattaMillimetri(en, 0.0000004), "0.0");
  EXPECT_EQ(FormattaMillimetri(en, 0.012), "12.0");
  EXPECT_EQ(FormattaMillimetri(en, 0.12), "120.0");
  EXPECT_EQ(FormattaMillimetri(it, -0.0926647f), "-92,7");
  EXPECT_DOUBLE_EQ(LeggeDivisoMille(en, "25"), 0.025);
  EXPECT_DOUBLE_EQ(LeggeDivisoMille(it, "-12,5"), -0.0125);
}

}  // namespace
}  // namespace voro
