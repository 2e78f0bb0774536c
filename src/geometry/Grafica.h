// Plane geometry: homogeneous points and lines, segments, local frames,
// polar coordinates, extremes of arrays and polylines.
#pragma once

#include <array>
#include <cmath>
#include <vector>

#include "data/Array1.h"
#include "data/Messages.h"
#include "geometry/ContestoGeometrico.h"

namespace voro {

using Coppia = std::array<double, 2>;   // the two points of a pair, X(1..2)
using Matrice = std::array<double, 6>;  // M(1..6) at indices 0..5
using Coordinate = std::vector<double>; // X(1..n) of a polyline at indices 0..n-1

// The larger of the bounding-box width and height of n points, divided by divisore.
double ZeroDaDimensioni(const Coordinate& X, const Coordinate& Y, int n, double divisore);

// a and b equal within the relative tolerance zero.
bool NumeriUguali(double a, double b, double zero);

// The two homogeneous points coincide within zero.
bool PuntiCoincidenti(const Coppia& X, const Coppia& Y, const Coppia& W, double zero, Messages& msg);
// Two plain points coincide within the figure's tolerance.
bool PuntiCoincidentiXY(double x1, double y1, double x2, double y2, const ContestoGeometrico& ctx);

// The line a x + b y + c w = 0 through two points; false when they coincide.
bool RettaPerDuePunti(const Coppia& X, const Coppia& Y, const Coppia& W, double& a, double& b, double& c,
                      Messages& msg);
// The line through (x, y, w) with direction angle.
void RettaPuntoAngolo(double x, double y, double w, double angle, double& a, double& b, double& c, Messages& msg);

// Intersection of two lines; false when parallel.
bool IntersezioneRette(double a1, double b1, double c1, double a2, double b2, double c2, double& x, double& y);
// Where a line meets a segment; false when it does not.
bool IntersezioneRettaSegmento(double a, double b, double c, const Coppia& X, const Coppia& Y, double& x, double& y,
                               Messages& msg);
// The point, known to lie on the segment's line, lies within its extent, ends included.
bool PuntoSuSegmento(const Coppia& X, const Coppia& Y, double x, double y);

// Matrices from the global frame to the frame at (x0, y0) rotated by angle, and back.
void MatriciRiferimento(double x0, double y0, double angle, Matrice& M, Matrice& Minv);
// One point through the matrix; w passes through unchanged.
void TrasformaPunto(double x, double y, const Matrice& M, double& xOut, double& yOut, double w = 1);
// Points 1..n through the matrix.
void TrasformaPunti(const Coordinate& X, const Coordinate& Y, const Matrice& M, Coordinate& XOut, Coordinate& YOut,
                    int n);
// The same line in the frame of M.
void TrasformaRetta(double a, double b, double c, const Matrice& M, double& aOut, double& bOut, double& cOut);

// Polar coordinates: the angle lies in (-pi/2, 3 pi/2].
void CoordinatePolari(double x, double y, double& r, double& angle);
inline double Distanza(double x1, double y1, double x2, double y2) {
  return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

// Bounding box of n points; with none, 1e20 and -1e20 stay.
void EstremiPunti(int n, const Coordinate& X, const Coordinate& Y, double& xmin, double& xmax, double& ymin,
                  double& ymax);

// Extremes of the first n elements (from the lower bound), of their absolute
// values when assoluto; the first of equal extremes keeps its index.
template <class T>
void MinMaxVettore(int n, const Array1<T>& V, double& vmin, double& vmax, int& imin, int& imax,
                   bool assoluto = false) {
  vmin = 1e20f;
  vmax = -1e20f;
  for (int i = V.lbound(); i < V.lbound() + n; ++i) {
    const double v = assoluto ? std::fabs(static_cast<double>(V(i))) : static_cast<double>(V(i));
    if (v < vmin) vmin = v, imin = i;
    if (v > vmax) vmax = v, imax = i;
  }
}
template <class T>
void MinMaxVettore(int n, const Array1<T>& V, double& vmin, double& vmax, bool assoluto = false) {
  int imin = 0, imax = 0;
  MinMaxVettore(n, V, vmin, vmax, imin, imax, assoluto);
}

// The smallest of the first n elements and its index.
template <class T>
double MinVettore(int n, const Array1<T>& V, int& imin) {
  double vmin = V(V.lbound());
  imin = V.lbound();
  for (int i = V.lbound() + 1; i < V.lbound() + n; ++i)
    if (V(i) < vmin) vmin = V(i), imin = i;
  return vmin;
}

// The largest element of the whole array.
template <class T>
double MassimoVettore(const Array1<T>& V) {
  double vmax = -1e20f;
  for (const T& v : V)
    if (v > vmax) vmax = v;
  return vmax;
}

// The corners of an axis-parallel rectangle, a fifth equal to the first when the arrays hold five.
void RettangoloPunti(double x1, double y1, double x2, double y2, Coordinate& X, Coordinate& Y);

// Where the line meets the circle; the same point twice for a tangent.
bool IntersezioneRettaCerchio(double xc, double yc, double r, double a, double b, double c, double& x1, double& y1,
                              double& x2, double& y2);

// The points where the closed polyline meets the line, with the side (1-based)
// of each; with `rimossi` given, coincident points are reduced to one and
// their number returned there.
void IntersezioniRettaPoligonale(double a, double b, double c, const Coordinate& X, const Coordinate& Y, int n,
                                 Coordinate& Xint, Coordinate& Yint, std::vector<int>& iLato, int& nInt,
                                 const ContestoGeometrico& ctx, int* rimossi = nullptr);

}  // namespace voro
