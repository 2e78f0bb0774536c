// Static properties of a polygon.
#include "geometry/Poligono.h"

#include <algorithm>
#include <cmath>

#include "numerics/Matematica.h"

namespace voro {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i - 1); }

// Signed area of a triangle, summed over its vertices in order as for any polyline.
double areaTriangolo(double x1, double y1, double x2, double y2, double x3, double y3) {
  double s = 0;
  s = s + y1 * (x3 - x2);
  s = s + y2 * (x1 - x3);
  s = s + y3 * (x2 - x1);
  return s / 2;
}

}  // namespace

void Poligono::Coordinate(const voro::Coordinate& X, const voro::Coordinate& Y, int n) {
  x_.assign(X.begin(), X.begin() + n);
  y_.assign(Y.begin(), Y.begin() + n);
  n_ = n;
}

void Poligono::CaratteristicheStatiche(Messages& msg) {
  try {
    if (n_ < 3) return;
    statiche();
  } catch (const RuntimeError& e) {
    msg.critical(msg.traduci("Voro", "Errore nella sub CaratteristicheStatiche.") + msg.traduci("Voro", e.description().c_str()));
  }
}

void Poligono::statiche() {
  Area = stat_x = stat_y = jota_x = jota_y = jota_xy = 0;
  const double x1 = x_[0], y1 = y_[0];
  for (int i = 1; i <= n_ - 2; ++i) {
    const double x2 = x_[at(i + 1)], y2 = y_[at(i + 1)];
    const double x3 = x_[at(i + 2)], y3 = y_[at(i + 2)];
    const double At = areaTriangolo(x1, y1, x2, y2, x3, y3);
    Area += At;
    stat_x += At * (y1 + y2 + y3) / 3;
    stat_y += At * (x1 + x2 + x3) / 3;
    const double sy12 = y1 + y2, sy23 = y2 + y3, sy31 = y3 + y1;
    const double sx12 = x1 + x2, sx23 = x2 + x3, sx31 = x3 + x1;
    jota_x += At / 12 * (sy12 * sy12 + sy23 * sy23 + sy31 * sy31);
    jota_y += At / 12 * (sx12 * sx12 + sx23 * sx23 + sx31 * sx31);
    jota_xy += At / 12 * (sx12 * sy12 + sx23 * sy23 + sx31 * sy31);
  }
  if (Area < 0) {
    Area = -Area, stat_x = -stat_x, stat_y = -stat_y;
    jota_x = -jota_x, jota_y = -jota_y, jota_xy = -jota_xy;
  }
  if (Area == 0) {
    // No area: a representative point, the mean of the vertices.
    double sx = 0, sy = 0;
    for (int i = 0; i < n_; ++i) sx += x_[static_cast<std::size_t>(i)], sy += y_[static_cast<std::size_t>(i)];
    xG = sx / n_;
    yG = sy / n_;
  } else {
    xG = stat_y / Area;
    yG = stat_x / Area;
  }
  // Centroidal second moments cannot be negative: on a sliver of a polygon the
  // transfer to the centroid can leave them a rounding error below zero.
  jota_xG = std::max(0.0, jota_x - yG * yG * Area);
  jota_yG = std::max(0.0, jota_y - xG * xG * Area);
  jota_xyG = jota_xy - xG * Area * yG;

  const double d = jota_xG - jota_yG;
  const double theta = ArcTan2(2 * jota_xyG, d) / 2;
  const double s = -2 * d * std::cos(2 * theta) + 4 * jota_xyG * std::sin(2 * theta);
  if (s > 0) {
    AngoloJotaII = theta;
    AngoloJotaI = theta + kPi / 2;
  } else {
    AngoloJotaI = theta;
    AngoloJotaII = theta + kPi / 2;
  }
  const double m = (jota_xG + jota_yG) / 2;
  const double q = squareRoot(d * d + 4 * jota_xyG * jota_xyG) / 2;
  jota_IG = m + q;
  jota_IIG = std::max(0.0, m - q);

  double xmin, xmax, ymin, ymax;
  MaxMin(xmin, xmax, ymin, ymax);
  if (Area == 0) {
    WxSuperiore = WxInferiore = WyDestra = WySinistra = iX = iY = 0;
    return;
  }
  WxSuperiore = divide(jota_xG, ymax - yG);
  WxInferiore = divide(jota_xG, yG - ymin);
  WyDestra = divide(jota_yG, xmax - xG);
  WySinistra = divide(jota_yG, xG - xmin);
  iX = squareRoot(jota_IG / Area);
  iY = squareRoot(jota_IIG / Area);
}

void Poligono::MaxMin(double& xmin, double& xmax, double& ymin, double& ymax) const {
  EstremiPunti(n_, x_, y_, xmin, xmax, ymin, ymax);
}

}  // namespace voro
