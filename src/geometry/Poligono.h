// A closed plane polygon with its static properties: area, centroid, first
// and second moments, principal axes and elastic moduli.
#pragma once

#include "data/Messages.h"
#include "geometry/Grafica.h"

namespace voro {

class Poligono {
 public:
  double Area = 0;
  double xG = 0, yG = 0;
  double stat_x = 0, stat_y = 0;
  double jota_x = 0, jota_y = 0, jota_xy = 0;
  double jota_xG = 0, jota_yG = 0, jota_xyG = 0;
  double jota_IG = 0, jota_IIG = 0;
  double AngoloJotaI = 0, AngoloJotaII = 0;
  double iX = 0, iY = 0;
  double WxSuperiore = 0, WxInferiore = 0, WyDestra = 0, WySinistra = 0;

  // The first n vertices of X and Y.
  void Coordinate(const voro::Coordinate& X, const voro::Coordinate& Y, int n);

  // All static fields; needs three vertices. An arithmetic fault shows its
  // message and leaves the fields as far as computed.
  void CaratteristicheStatiche(Messages& msg);

 private:
  void statiche();
  void MaxMin(double& xmin, double& xmax, double& ymin, double& ymax) const;

  voro::Coordinate x_, y_;
  int n_ = 0;
};

}  // namespace voro
