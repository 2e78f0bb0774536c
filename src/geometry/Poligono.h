// A closed plane polygon with the static properties the voussoirs and piers
// need: its area and centroid.
#pragma once

#include "geometry/Grafica.h"

namespace voro {

class Poligono {
 public:
  double Area = 0;
  double xG = 0, yG = 0;

  // The first n vertices of X and Y.
  void Coordinate(const voro::Coordinate& X, const voro::Coordinate& Y, int n);

  // The area (positive whichever way the vertices run) and the centroid;
  // needs three vertices. A polygon without area has the mean of its
  // vertices for centroid.
  void CaratteristicheStatiche();

 private:
  voro::Coordinate x_, y_;
  int n_ = 0;
};

}  // namespace voro
