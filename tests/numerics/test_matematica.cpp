// The numerical methods the engine uses, against closed forms: the full-turn
// arc tangent, the circle through three points of an arc, the quadratic and
// regula falsi with its messages.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/ProgettiProva.h"
#include "numerics/Matematica.h"

namespace voro {
namespace {


TEST(ArcTan2, EveryDirectionLandsInAFullTurnAndPointsTheWayOfTheVector) {
  // Arguments are (y, x), as for the direction of a chord from its rise and run.
  // On the axes (a vertical joint, a level chord) exactly.
  EXPECT_EQ(ArcTan2(0, 0), 0.0);
  EXPECT_EQ(ArcTan2(0, 1), 0.0);
  EXPECT_DOUBLE_EQ(ArcTan2(1, 0), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(0, -1), kPi);
  EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), kTrePi / 2);
  for (int k = 0; k < 360; k += 5) {
    const double a = k * kPi / 180;
    const double t = ArcTan2(std::sin(a), std::cos(a));
    EXPECT_GE(t, 0.0) << k;
    EXPECT_LT(t, kDuePi) << k;
    EXPECT_NEAR(std::cos(t), std::cos(a), 1e-12) << k;
    EXPECT_NEAR(std::sin(t), std::sin(a), 1e-12) << k;
  }
  // A slope that overflows is a vertical vector, also slightly left of the
  // vertical: up at pi/2, not 3 pi/2.
  EXPECT_DOUBLE_EQ(ArcTan2(1e300, 1e-300), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(-1e300, 1e-300), kTrePi / 2);
  EXPECT_NEAR(ArcTan2(1e300, -1e-300), kPi / 2, 1e-9);
  EXPECT_NEAR(ArcTan2(-1e300, -1e-300), kTrePi / 2, 1e-9);
}

// Span 2 and rise f on the chord from (0, 0) to (2, 0), then moved and turned:
// R = (1 + f^2) / (2 f), the centre R - f below the crown, the arc R times its angle.
TEST(CerchioTrePunti, AnyArcAnywhereHasTheRadiusCentreAndLengthOfItsSpanAndRise) {
  for (const double f : {0.9, 0.5, 0.2}) {
    for (const double giro : {0.0, 0.4, -1.0, 2.5}) {
      const double R0 = (1 + f * f) / (2 * f), c = std::cos(giro), s = std::sin(giro);
      auto px = [&](double x, double y) { return 5 + c * x - s * y; };
      auto py = [&](double x, double y) { return -3 + s * x + c * y; };
      RecordingMessages msg;
      double R, xC, yC, sviluppo;
      CerchioTrePunti(px(0, 0), py(0, 0), px(1, f), py(1, f), px(2, 0), py(2, 0), R, xC, yC, sviluppo, msg);
      EXPECT_NEAR(R, R0, 1e-12) << f << " " << giro;
      EXPECT_NEAR(xC, px(1, f - R0), 1e-9) << f << " " << giro;
      EXPECT_NEAR(yC, py(1, f - R0), 1e-9) << f << " " << giro;
      EXPECT_NEAR(sviluppo, R0 * 2 * std::asin(1 / R0), 1e-9) << f << " " << giro;
      EXPECT_TRUE(msg.empty());
    }
  }
  // Collinear points raise the division error and change nothing.
  RecordingMessages msg;
  double R = 7, xC = 7, yC = 7, sviluppo = 7;
  EXPECT_EQ(Errore([&] { CerchioTrePunti(0, 0, 1, 0, 2, 0, R, xC, yC, sviluppo, msg); }).first, err::DivisionByZero);
  EXPECT_EQ(Errore([&] { CerchioTrePunti(0, 0, 1, 1, 2, 2, R, xC, yC, sviluppo, msg); }).first, err::DivisionByZero);
  EXPECT_EQ(R + xC + yC + sviluppo, 28);
}

// A semicircle through its springings and its crown: the cosine of its
// angle, 1 - k^2 / 2 with k = chord / R, is -1 give or take a rounding.
TEST(CerchioTrePunti, ASemicircleOfAnySpanHasHalfTheCircumference) {
  // Once refused for 7 m: the cosine of the half circle rounded below -1.
  for (const float L : {4.0f, 6.0f, 7.0f, 8.0f, 10.0f, 12.5f}) {
    RecordingMessages msg;
    double R, xC, yC, sviluppo;
    CerchioTrePunti(0, 0, L / 2.0, L / 2.0, L, 0, R, xC, yC, sviluppo, msg);
    EXPECT_TRUE(msg.empty()) << L;
    EXPECT_NEAR(sviluppo, kPi * L / 2, 1e-7 * L) << L;
    EXPECT_NEAR(xC, L / 2.0, 1e-7 * L) << L;
  }
}

TEST(EquazioneSecondoGrado, RootsOfTheTextbookCases) {
  struct Caso {
    double a, b, c, r1, r2;
  };
  for (const Caso k : {Caso{1, -3, 2, 2, 1}, {2, 4, 2, -1, -1}, {-1, 0, 4, -2, 2}, {1, 0, -2, std::sqrt(2.0), -std::sqrt(2.0)}}) {
    double r1 = 0, r2 = 0;
    ASSERT_TRUE(EquazioneSecondoGrado(k.a, k.b, k.c, r1, r2)) << k.a << k.b << k.c;
    EXPECT_DOUBLE_EQ(r1, k.r1) << k.a << k.b << k.c;
    EXPECT_DOUBLE_EQ(r2, k.r2) << k.a << k.b << k.c;
  }
  double r1 = 11, r2 = 12;
  EXPECT_FALSE(EquazioneSecondoGrado(1, 0, 1, r1, r2));  // complex roots leave both untouched
  EXPECT_EQ(r1 + r2, 23);
  // No square term: the linear root would need a division by zero, or 0 / 0.
  EXPECT_EQ(Errore([&] { EquazioneSecondoGrado(0, -2, 1, r1, r2); }).first, err::DivisionByZero);
  EXPECT_EQ(Errore([&] { EquazioneSecondoGrado(0, 2, 1, r1, r2); }).first, err::Overflow);
}

TEST(RadiceEquazione, RootsInsideAndAtTheEndsOfTheBracket) {
  RecordingMessages msg;
  double x1 = 2, x2 = 3;
  EXPECT_NEAR(RadiceEquazione([](double x) { return x * x * x - 2 * x - 5; }, x1, x2, 1e-12, msg),
              2.0945514815423265, 1e-11);
  x1 = 0, x2 = 3;  // the two-argument form passes the parameter first
  EXPECT_NEAR(RadiceEquazione([](double p, double x) { return x * x - p; }, x1, x2, 1e-13, 2.0, msg), std::sqrt(2.0),
              1e-12);
  x1 = 1, x2 = 4;
  EXPECT_EQ(RadiceEquazione([](double x) { return x - 1; }, x1, x2, 1e-9, msg), 1.0);
  x1 = 0, x2 = 1;
  EXPECT_EQ(RadiceEquazione([](double x) { return x - 1; }, x1, x2, 1e-9, msg), 1.0);
  // f(x1) = 0 with tol = 0 is the root; once the search divided 0 by 0 there.
  x1 = 1, x2 = 3;
  double r = -1;
  EXPECT_EQ(Errore([&] { r = RadiceEquazione([](double x) { return x - 1; }, x1, x2, 0, msg); }).first, 0);
  EXPECT_EQ(r, 1.0);
  EXPECT_TRUE(msg.empty());
  x1 = -1, x2 = 1;
  EXPECT_EQ(RadiceEquazione([](double x) { return x * x + 1; }, x1, x2, 1e-9, msg), 0.0);
  ASSERT_EQ(msg.entries().size(), 1u);
  EXPECT_EQ(msg.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(msg.entries()[0].text, "ERRORE! La funzione non cambia segno fra x1 e x2");
}

TEST(RadiceEquazione, NonConvergenceAskedEveryHundredIterationsUntilTheUserGivesUp) {
  // A step with no root: the bracket shrinks on the jump but |f| stays 1.
  const auto gradino = [](double x) { return x < 0.5 ? -1.0 : 1.0; };
  const std::string oltre101 = "ERRORE! Il procedimento non converge!\rSuperate 101 iterazioni.\rProseguire ?";
  const std::string errati = "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!";
  for (const bool prosegue : {true, false}) {
    RecordingMessages msg;
    if (prosegue) msg.queueAnswer(true);
    msg.queueAnswer(false);
    double x1 = 0, x2 = 1;
    EXPECT_EQ(RadiceEquazione(gradino, x1, x2, 0.5, msg), 0.0);
    const std::vector<std::string> attesi =
        prosegue ? std::vector<std::string>{oltre101,
                                            "ERRORE! Il procedimento non converge!\rSuperate 201 iterazioni.\rProseguire ?",
                                            errati}
                 : std::vector<std::string>{oltre101, errati};
    EXPECT_EQ(msg.texts(), attesi);
    EXPECT_EQ(msg.entries().front().kind, MessageKind::Question);
    EXPECT_EQ(msg.entries().back().kind, MessageKind::Plain);
  }
}

// The crossings of a polygon by a vertical, sorted, and the rank of one of them.
TEST(Vettori, CrossingsSortedAndFound) {
  Array1<double> x(1, 6);
  const std::vector<double> valori{3.5, -1, 2, 2, 0, -9};
  for (int i = 1; i <= 6; ++i) x(i) = valori[static_cast<std::size_t>(i - 1)];
  Ordina(x, 5);  // only the first n move
  const std::vector<double> attese{-1, 0, 2, 2, 3.5, -9};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(x(i), attese[static_cast<std::size_t>(i - 1)]) << i;
  EXPECT_EQ(IndiceVettore(x, 2.0, 5), 3);  // the first of equal values
  EXPECT_EQ(IndiceVettore(x, -9.0, 5), -1);  // beyond the first n elements
  EXPECT_EQ(Errore([&] { IndiceVettore(x, 9.0, 7); }).first, err::SubscriptOutOfRange);
}

}  // namespace
}  // namespace voro
