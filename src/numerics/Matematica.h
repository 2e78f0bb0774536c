// Numerical methods: arc tangent over a full turn, guarded arc cosine, the
// triangle from its sides, the circle through three points, the quadratic
// equation, the regula falsi and small array utilities.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "data/Array1.h"
#include "data/Messages.h"
#include "data/Scalars.h"

namespace voro {

// Angle of the vector (x, y) in [0, 2 pi).
double ArcTan2(double y, double x);

// Arc cosine in [0, pi]; at |x| = 1 exactly 0 or pi; for |x| > 1 a message and 0.
double ArcCos(double x, Messages& msg);

// Angles opposite the sides a, b, c, perimeter and area of a triangle.
void TriangoloLati(double a, double b, double c, double& alfa, double& beta, double& gamma, double& perimetro,
                   double& area, Messages& msg);

// Radius, centre and arc length of the circle through three points, the arc
// running from the first to the third; the centre lies on the right of the
// directed chord. Degenerate points raise the division error.
void CerchioTrePunti(double x1, double y1, double x2, double y2, double x3, double y3, double& R, double& xC,
                     double& yC, double& sviluppo, Messages& msg);

// Real roots of a x^2 + b x + c = 0: false (roots untouched) when complex;
// a = 0 raises the division error.
bool EquazioneSecondoGrado(double a, double b, double c, double& r1, double& r2);

namespace detail {
bool regulaFalsiContinua(int k, Messages& msg);
}

// A root of f between x1 and x2 by regula falsi with the Illinois halving;
// x1 and x2 move during the search. 0 with a message when f does not change
// sign or when the user gives up after the iteration limit.
template <class F>
double RadiceEquazione(F&& f, double& x1, double& x2, double tol, Messages& msg) {
  // An exact root is a root whatever the tolerance, zero included.
  double f1 = f(x1);
  if (std::fabs(f1) < tol || f1 == 0) return x1;
  double f2 = f(x2);
  if (std::fabs(f2) < tol || f2 == 0) return x2;
  if (f1 * f2 > 0) {
    msg.critical(msg.traduci("Voro", "ERRORE! La funzione non cambia segno fra x1 e x2"));
    return 0;
  }
  int nMax = 100;
  for (int k = 0;;) {
    const double x3 = x2 - divide(f2 * (x2 - x1), f2 - f1);
    const double f3 = f(x3);
    if (std::fabs(f3) < tol || f3 == 0) return x3;
    if (f3 * f2 <= 0) {
      x1 = x2;
      f1 = f2;
    } else {
      f1 = f1 / 2;
    }
    x2 = x3;
    f2 = f3;
    ++k;
    if (k > nMax) {
      if (!detail::regulaFalsiContinua(k, msg)) return 0;
      nMax += 100;
    }
  }
}

// The same with a function of two arguments f(p, x).
template <class F, class P>
double RadiceEquazione(F&& f, double& x1, double& x2, double tol, const P& p, Messages& msg) {
  return RadiceEquazione([&](double x) { return f(p, x); }, x1, x2, tol, msg);
}

inline bool Pari(double n) { return n == 2 * std::floor(n / 2); }
inline bool Dispari(double n) { return !Pari(n); }

// First i in 1..n (from the lower bound) with v(i) = value, else -1.
template <class T, class U>
int IndiceVettore(const Array1<T>& v, const U& value, int n) {
  for (int k = 0; k < n; ++k)
    if (v(v.lbound() + k) == value) return v.lbound() + k;
  return -1;
}

// Lower bound and index of the k-th element.
template <class T>
void IndiceElemento(const Array1<T>& v, int k, int& lb, int& i) {
  lb = v.lbound();
  i = lb + k - 1;
}

// The next and previous index among the first k elements, cyclically.
template <class T>
int IndiceSuccessivo(const Array1<T>& v, int k, int i) {
  return i < v.lbound() + k - 1 ? i + 1 : v.lbound();
}
template <class T>
int IndicePrecedente(const Array1<T>& v, int k, int i) {
  return i > v.lbound() ? i - 1 : v.lbound() + k - 1;
}

// w := a copy of v, or of its first n elements.
template <class T>
void CopiaVettore(const Array1<T>& v, Array1<T>& w, int n = -1) {
  const int ub = n < 0 ? v.ubound() : v.lbound() + n - 1;
  w.redim(v.lbound(), ub);
  for (int i = v.lbound(); i <= ub; ++i) w(i) = v(i);
}

// r(j) = v(ordine(j)) over n elements from the lower bound of v.
template <class T>
Array1<T> Permuta(const Array1<T>& v, const Array1<int>& ordine, int n = -1) {
  if (n < 0) n = v.size();
  Array1<T> r(v.lbound(), v.lbound() + n - 1);
  for (int j = v.lbound(); j < v.lbound() + n; ++j) r(j) = v(ordine(j));
  return r;
}

// Swaps a and b, negating both when flag is set.
template <class T>
void Scambia(T& a, T& b, bool flag) {
  T t = a;
  a = flag ? -b : b;
  b = flag ? -t : t;
}

// Bubble sort of v(iIni..iFin) ascending, with w swapped alike when given.
template <class T, class W = T>
void OrdinaVettore(Array1<T>& v, int iIni, int iFin, Array1<W>* w = nullptr) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int i = iIni; i < iFin; ++i) {
      if (v(i) > v(i + 1)) {
        Scambia(v(i), v(i + 1), false);
        if (w) Scambia((*w)(i), (*w)(i + 1), false);
        swapped = true;
      }
    }
  }
}

// Sorts the first n elements ascending (from the lower bound), w alike.
template <class T, class W = T>
void Ordina(Array1<T>& v, int n, Array1<W>* w = nullptr) {
  if (n < 1) return;
  OrdinaVettore(v, v.lbound(), v.lbound() + n - 1, w);
}

// The same for a list of items.
template <class T>
void Ordina(std::vector<T>& v, int n) {
  if (n < 1) return;
  Array1<T> a(1, n);
  for (int i = 1; i <= n; ++i) a(i) = v[static_cast<std::size_t>(i - 1)];
  OrdinaVettore(a, 1, n);
  for (int i = 1; i <= n; ++i) v[static_cast<std::size_t>(i - 1)] = a(i);
}

}  // namespace voro
