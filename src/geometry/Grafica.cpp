// Points, lines, segments, frames, extremes and polylines.
#include "geometry/Grafica.h"

#include <algorithm>
#include <string>

#include "numerics/Matematica.h"

namespace voro {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i - 1); }

}  // namespace

double ZeroDaDimensioni(const Coordinate& X, const Coordinate& Y, int n, double divisore) {
  double xmin, xmax, ymin, ymax;
  EstremiPunti(n, X, Y, xmin, xmax, ymin, ymax);
  return std::max(xmax - xmin, ymax - ymin) / divisore;
}

bool NumeriUguali(double a, double b, double zero) {
  const double m = std::max(std::fabs(a), std::fabs(b));
  const double tol = m > zero ? zero * m : zero;
  return std::fabs(a - b) <= tol;
}

bool PuntiCoincidenti(const Coppia& X, const Coppia& Y, const Coppia& W, double zero, Messages& msg) {
  if (zero == 0) msg.information(msg.traduci("Voro", "zero=0 in PuntiCoincidenti"));
  double k1, k2;
  if (std::fabs(X[0]) > zero || std::fabs(X[1]) > zero) {
    k1 = X[0], k2 = X[1];
  } else if (std::fabs(Y[0]) > zero || std::fabs(Y[1]) > zero) {
    k1 = Y[0], k2 = Y[1];
  } else {
    return true;
  }
  return NumeriUguali(X[0] * k2, X[1] * k1, zero) && NumeriUguali(Y[0] * k2, Y[1] * k1, zero) &&
         NumeriUguali(W[0] * k2, W[1] * k1, zero);
}

bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2, const ContestoGeometrico& ctx) {
  if (ctx.ZeroMaxDimen == 0) ctx.msg().information(ctx.msg().traduci("Voro", "zero=0 in PuntiCoincidentiXY"));
  SilentMessages quiet;  // the zero tolerance was reported just above
  return PuntiCoincidenti({x1, x2}, {y1, y2}, {1, 1}, ctx.ZeroMaxDimen, quiet);
}

bool RettaPerDuePunti(const Coppia& X, const Coppia& Y, const Coppia& W, double& a, double& b, double& c,
                      Messages& msg) {
  if (PuntiCoincidenti(X, Y, W, 1e-06, msg)) return false;
  a = Y[1] * W[0] - Y[0] * W[1];
  b = X[0] * W[1] - X[1] * W[0];
  c = X[1] * Y[0] - X[0] * Y[1];
  return true;
}

void RettaPuntoAngolo(double x, double y, double w, double angle, double& a, double& b, double& c, Messages& msg) {
  if (!RettaPerDuePunti({x, x + std::cos(angle)}, {y, y + std::sin(angle)}, {w, w}, a, b, c, msg))
    msg.information(msg.traduci("Voro", "ERROR in sub RettaPuntoAngolo: RettaPerDuePunti Coincidenti"));
}

bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2, double& x, double& y) {
  const double tol = 1e-06 * std::max({std::fabs(a1), std::fabs(b1), std::fabs(a2), std::fabs(b2)});
  const double det = a1 * b2 - a2 * b1;
  if (std::fabs(det) < tol || det == 0) return false;
  x = (b1 * c2 - b2 * c1) / det;
  y = (a2 * c1 - a1 * c2) / det;
  return std::isfinite(x) && std::isfinite(y);
}

bool IntersezioneRettaSegmento(double a, double b, double c, const Coppia& X, const Coppia& Y, double& x, double& y,
                               Messages& msg) {
  double as, bs, cs;
  if (!RettaPerDuePunti(X, Y, {1, 1}, as, bs, cs, msg)) return false;
  double xi, yi;
  if (!IntersezioneRette(a, b, c, as, bs, cs, xi, yi)) return false;
  if (!PuntoSuSegmento(X, Y, xi, yi)) return false;
  x = xi;
  y = yi;
  return true;
}

bool PuntoSuSegmento(const Coppia& X, const Coppia& Y, double x, double y) {
  const double dx = std::fabs(X[1] - X[0]), dy = std::fabs(Y[1] - Y[0]);
  const bool useX = dx >= dy;
  const double v = useX ? x : y;
  const double a = useX ? X[0] : Y[0], b = useX ? X[1] : Y[1];
  const double tol = (useX ? dx : dy) / 1000000;
  return v >= std::min(a, b) - tol && v <= std::max(a, b) + tol;
}

void MatriciRiferimento(double x0, double y0, double angle, Matrice& M, Matrice& Minv) {
  const double c = std::cos(angle), s = std::sin(angle);
  M = {c, s, -(x0 * c + y0 * s), -s, c, x0 * s - y0 * c};
  Minv = {c, -s, x0, s, c, y0};
}

void TrasformaPunto(double x, double y, const Matrice& M, double& xOut, double& yOut, double w) {
  const double xo = M[0] * x + M[1] * y + M[2] * w;
  const double yo = M[3] * x + M[4] * y + M[5] * w;
  xOut = xo;
  yOut = yo;
}

void TrasformaPunti(const Coordinate& X, const Coordinate& Y, const Matrice& M, Coordinate& XOut, Coordinate& YOut,
                    int n) {
  XOut.resize(static_cast<std::size_t>(std::max(n, 0)));
  YOut.resize(static_cast<std::size_t>(std::max(n, 0)));
  for (int i = 1; i <= n; ++i) TrasformaPunto(X[at(i)], Y[at(i)], M, XOut[at(i)], YOut[at(i)]);
}

void TrasformaRetta(double a, double b, double c, const Matrice& M, double& aOut, double& bOut, double& cOut) {
  // A point of the frame maps back through the inverse of M; the line's
  // coefficients follow the inverse.
  const double det = M[0] * M[4] - M[1] * M[3];
  const double i1 = divide(M[4], det), i2 = divide(-M[1], det);
  const double i4 = divide(-M[3], det), i5 = divide(M[0], det);
  const double i3 = -(i1 * M[2] + i2 * M[5]);
  const double i6 = -(i4 * M[2] + i5 * M[5]);
  aOut = a * i1 + b * i4;
  bOut = a * i2 + b * i5;
  cOut = a * i3 + b * i6 + c;
}

void CoordinatePolari(double x, double y, double& r, double& angle) {
  r = std::sqrt(x * x + y * y);
  if (std::fabs(x) > 1e-20) {
    angle = std::atan(y / x);
    if (x < 0) angle = angle + kPi;
  } else {
    angle = kPi / 2;
    if (y < 0) angle = angle + kPi;
  }
}

void EstremiPunti(int n, const Coordinate& X, const Coordinate& Y, double& xmin, double& xmax, double& ymin,
                  double& ymax) {
  xmin = ymin = 1e20f;
  xmax = ymax = -1e20f;
  for (int i = 1; i <= n; ++i) {
    const double x = X[at(i)], y = Y[at(i)];
    if (x < xmin) xmin = x;
    if (x > xmax) xmax = x;
    if (y < ymin) ymin = y;
    if (y > ymax) ymax = y;
  }
}

void RettangoloPunti(double x1, double y1, double x2, double y2, Coordinate& X, Coordinate& Y) {
  const std::size_t n = X.size() >= 5 && Y.size() >= 5 ? 5 : 4;
  X.resize(n);
  Y.resize(n);
  X[0] = x1, Y[0] = y1;
  X[1] = x2, Y[1] = y1;
  X[2] = x2, Y[2] = y2;
  X[3] = x1, Y[3] = y2;
  if (n == 5) X[4] = x1, Y[4] = y1;
}

bool IntersezioneRettaCerchio(double xc, double yc, double r, double a, double b, double c, double& x1, double& y1,
                              double& x2, double& y2) {
  Matrice M, Minv;
  MatriciRiferimento(xc, yc, 0, M, Minv);
  double al, bl, cl;
  TrasformaRetta(a, b, c, M, al, bl, cl);
  double u1, u2, p1x, p1y, p2x, p2y;
  if (std::fabs(al) < std::fabs(bl)) {
    const double m = -al / bl, q = -cl / bl;
    if (!EquazioneSecondoGrado(1 + m * m, 2 * m * q, q * q - r * r, u1, u2)) return false;
    p1x = u1, p1y = q + m * u1;
    p2x = u2, p2y = q + m * u2;
  } else {
    const double m = divide(-bl, al), q = divide(-cl, al);
    if (!EquazioneSecondoGrado(1 + m * m, 2 * m * q, q * q - r * r, u1, u2)) return false;
    p1y = u1, p1x = q + m * u1;
    p2y = u2, p2x = q + m * u2;
  }
  TrasformaPunto(p1x, p1y, Minv, x1, y1);
  TrasformaPunto(p2x, p2y, Minv, x2, y2);
  return true;
}

void IntersezioniRettaPoligonale(double a, double b, double c, const Coordinate& X, const Coordinate& Y, int n,
                                 Coordinate& Xint, Coordinate& Yint, std::vector<int>& iLato, int& nInt,
                                 const ContestoGeometrico& ctx, int* rimossi) {
  Xint.clear();
  Yint.clear();
  iLato.clear();
  Xint.reserve(2);
  Yint.reserve(2);
  for (int i = 1; i <= n; ++i) {
    const int j = i < n ? i + 1 : 1;
    double x, y;
    if (IntersezioneRettaSegmento(a, b, c, {X[at(i)], X[at(j)]}, {Y[at(i)], Y[at(j)]}, x, y, ctx.msg())) {
      Xint.push_back(x);
      Yint.push_back(y);
      iLato.push_back(i);
    }
  }
  nInt = static_cast<int>(Xint.size());
  if (!rimossi) return;
  *rimossi = 0;
  for (int i = 0; i < nInt; ++i) {
    for (int k = i + 1; k < nInt;) {
      if (PuntiCoincidentiXY(Xint[static_cast<std::size_t>(i)], Yint[static_cast<std::size_t>(i)],
                             Xint[static_cast<std::size_t>(k)], Yint[static_cast<std::size_t>(k)], ctx)) {
        Xint.erase(Xint.begin() + k);
        Yint.erase(Yint.begin() + k);
        iLato.erase(iLato.begin() + k);
        --nInt;
        ++*rimossi;
      } else {
        ++k;
      }
    }
  }
}

}  // namespace voro
