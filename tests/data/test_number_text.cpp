// The runtime's plain text of Singles and Doubles and the Windows-1252 code page.
#include <gtest/gtest.h>

#include "data/Cp1252.h"
#include "data/NumberText.h"

namespace voro {
namespace {

TEST(NumberText, SingleUsesSevenSignificantDigits) {
  EXPECT_EQ(singleText(0.5f), "0.5");
  EXPECT_EQ(singleText(0.1f), "0.1");
  EXPECT_EQ(singleText(1.0f / 3.0f), "0.3333333");
  EXPECT_EQ(singleText(12.5f), "12.5");
  EXPECT_EQ(singleText(-0.25f), "-0.25");
  EXPECT_EQ(singleText(1234567.0f), "1234567");
  EXPECT_EQ(singleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(singleText(0.0001f), "0.0001");
  EXPECT_EQ(singleText(0.00001f), "1E-05");
  EXPECT_EQ(singleText(0.0f), "0");
  EXPECT_EQ(singleText(-0.0f), "0");
}

TEST(NumberText, DoubleUsesFifteenSignificantDigits) {
  EXPECT_EQ(doubleText(0.1), "0.1");
  EXPECT_EQ(doubleText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(doubleText(100000000000000.0), "100000000000000");
  EXPECT_EQ(doubleText(1e15), "1E+15");
  EXPECT_EQ(doubleText(1e-100), "1E-100");
  // A Single widened to Double shows its binary tail.
  EXPECT_EQ(doubleText(static_cast<double>(0.1f)), "0.100000001490116");
}

TEST(NumberText, FileFormDropsTheLeadingZeroAndKeepsThePoint) {
  EXPECT_EQ(numberText(0.5, kSingleDigits, ".", false), ".5");
  EXPECT_EQ(numberText(-0.25, kSingleDigits, ".", false), "-.25");
  EXPECT_EQ(numberText(10.5, kSingleDigits, ".", false), "10.5");
  EXPECT_EQ(numberText(0.5, kSingleDigits, ",", true), "0,5");
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
  EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");               // euro sign
  EXPECT_EQ(cp1252ToUtf8("Citt\xE0"), "Citt\xC3\xA0");           // a grave
  EXPECT_EQ(utf8ToCp1252("\xE2\x80\x9C" "a" "\xE2\x80\x9D"), "\x93" "a" "\x94");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1252("\xCE\xB3"), "?");      // Greek gamma
  EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // an emoji
  EXPECT_EQ(utf8ToCp1252("a\xFFz"), "a?z");       // invalid UTF-8
  EXPECT_EQ(utf8ToCp1252("a\x80z"), "a?z");       // a continuation byte alone
  EXPECT_EQ(cp1252Code(","), 44);
  EXPECT_EQ(cp1252Code("\xC2\xA0"), 0xA0);        // no-break space
  EXPECT_EQ(cp1252Code("\xE2\x80\xAF"), -1);      // narrow no-break space
}

// The character a Save must name rather than lose: the first the code page lacks.
TEST(Cp1252, TheFirstCharacterTheCodePageLacksIsFound) {
  EXPECT_EQ(FuoriCp1252("Ponte \xC5\x81\xC3\xB3" "d\xC5\xBA"), "\xC5\x81");  // "Ponte Łódź": Ł, not ó
  EXPECT_EQ(FuoriCp1252("Ni\xC5\xA1 \xE2\x82\xAC"), std::nullopt);          // š and € are in it
  EXPECT_EQ(FuoriCp1252("a\xFFz"), "\xFF");                                      // invalid UTF-8
  EXPECT_EQ(FuoriCp1252(""), std::nullopt);
}

}  // namespace
}  // namespace voro
