// Arc tangent, arc cosine, triangle, circle through three points, quadratic.
#include "numerics/Matematica.h"

#include <algorithm>

#include <sstream>

namespace voro {

namespace {

// The angle of a vector on the vertical axis, or of one so nearly vertical
// that its slope overflows: up or down, whichever side of the axis it leans.
double assi(double y, double x) {
  if (x == 0 && y == 0) return 0;
  return y > 0 ? kPi / 2 : kTrePi / 2;
}

}  // namespace

double ArcTan2(double y, double x) {
  if (x == 0) return assi(y, x);
  const double q = y / x;
  if (!std::isfinite(q)) return assi(y, x);
  double t = std::atan(q);
  if (x >= 0) {
    if (y < 0) t = t + kDuePi;
  } else {
    t = t + kPi;
  }
  return t;
}

double ArcCos(double x, Messages& msg) {
  const double r = 1 - x * x;
  if (r == 0) return x > 0 ? 0 : kPi;
  if (!(r > 0)) {
    msg.critical(Componi(msg.traduci("Voro", "Errore %1 in ArcCos"), {msg.traduci("Voro", errorDescription(err::InvalidCall).c_str())}));
    return 0;
  }
  return std::atan(-x / std::sqrt(r)) + 2 * std::atan(1.0);
}

void TriangoloLati(double a, double b, double c, double& alfa, double& beta, double& gamma, double& perimetro,
                   double& area, Messages& msg) {
  perimetro = a + b + c;
  const double p = perimetro / 2;
  area = squareRoot(p * (p - a) * (p - b) * (p - c));
  alfa = ArcCos(divide(divide((b * b + c * c - a * a) / 2, b), c), msg);
  beta = ArcCos(divide(divide((a * a + c * c - b * b) / 2, a), c), msg);
  gamma = ArcCos(divide(divide((a * a + b * b - c * c) / 2, a), b), msg);
}

void CerchioTrePunti(double x1, double y1, double x2, double y2, double x3, double y3, double& R, double& xC,
                     double& yC, double& sviluppo, Messages& msg) {
  const double d12 = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
  const double d23 = std::sqrt((x2 - x3) * (x2 - x3) + (y2 - y3) * (y2 - y3));
  const double d13 = std::sqrt((x1 - x3) * (x1 - x3) + (y1 - y3) * (y1 - y3));
  double alfa, beta, gamma, perimetro, area;
  TriangoloLati(d12, d23, d13, alfa, beta, gamma, perimetro, area, msg);
  R = divide(d12 * d23 * d13 / 4, area);
  const double k = divide(d13, R);
  // A chord is never longer than the diameter: a half circle's cosine that
  // rounds just below -1 is -1.
  const double phi = ArcCos(std::max(-1.0, 1 - 0.5 * (k * k)), msg);
  sviluppo = R * phi;
  const double psi = ArcTan2(y3 - y1, x3 - x1);
  const double omega = psi - (kPi / 2 - phi / 2);
  xC = x1 + R * std::cos(omega);
  yC = y1 + R * std::sin(omega);
}

bool EquazioneSecondoGrado(double a, double b, double c, double& r1, double& r2) {
  const double D = b * b - 4 * a * c;
  if (!(D >= 0)) return false;
  const double s = std::sqrt(D);
  r1 = divide((-b + s) / 2, a);
  r2 = divide((-b - s) / 2, a);
  return true;
}

namespace detail {

bool regulaFalsiContinua(int k, Messages& msg) {
  std::ostringstream text;
  text << "ERRORE! Il procedimento non converge!\rSuperate " << k << " iterazioni.\rProseguire ?";
  if (msg.askYesNo(text.str(), kDefaultMessageTitle)) return true;
  msg.plain(msg.traduci("Voro", "ERRORE! Procedimento non convergente!\rRISULTATI ERRATI!"));
  return false;
}

}  // namespace detail

}  // namespace voro
