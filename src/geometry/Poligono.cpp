// Static properties of a polygon.
#include "geometry/Poligono.h"

#include <cmath>

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

void Poligono::CaratteristicheStatiche() {
  if (n_ < 3) return;
  double area = 0, statX = 0, statY = 0;
  const double x1 = x_[0], y1 = y_[0];
  for (int i = 1; i <= n_ - 2; ++i) {
    const double x2 = x_[at(i + 1)], y2 = y_[at(i + 1)];
    const double x3 = x_[at(i + 2)], y3 = y_[at(i + 2)];
    const double At = areaTriangolo(x1, y1, x2, y2, x3, y3);
    area += At;
    statX += At * (y1 + y2 + y3) / 3;
    statY += At * (x1 + x2 + x3) / 3;
  }
  if (area == 0) {
    // No area: a representative point, the mean of the vertices.
    double sx = 0, sy = 0;
    for (int i = 0; i < n_; ++i) sx += x_[static_cast<std::size_t>(i)], sy += y_[static_cast<std::size_t>(i)];
    Area = 0;
    xG = sx / n_;
    yG = sy / n_;
    return;
  }
  // The signs of the moments follow the area's: their quotients do not.
  Area = std::fabs(area);
  xG = statY / area;
  yG = statX / area;
}

}  // namespace voro
