// A plot window: maps a rectangle of drawing coordinates (metres of the
// arch) onto a surface with margins, kept proportions and centring.
#pragma once

#include <array>
#include <string>

#include "drawing/Disegno.h"

namespace voro {

class Plottaggio {
 public:
  Single xMin = 0, xMax = 0;
  Single yMin = 0, yMax = 0;  // already divided by the vertical factor
  Single ScalaMantieneProporzioni = 1;

  const std::array<Single, 4>& xFinestraPlt() const { return xFin_; }
  const std::array<Single, 4>& yFinestraPlt() const { return yFin_; }

  // Margins as fractions of the data extent: left, bottom, right, top.
  void Bordi(double b1, double b2, double b3, double b4) { bordi_ = {b1, b2, b3, b4}; }
  // The usable part of the surface as fractions of its width and height:
  // left, bottom, right, top edges.
  void EstremiFinestra(Single e1, Single e2, Single e3, Single e4) { estremi_ = {e1, e2, e3, e4}; }

  // Sets the extents, maps the window onto the target and hands the target
  // to the drawing layer.
  void Inizializza(double x1, double x2, double y1, double y2, const std::string& destinazione, Superficie* s,
                   ContenitoreCad* blocco, Single fattore, bool proporzioni, Single offset, Disegno& d);
  // The surface scale that fits the data box into the usable part.
  void AdattaAfinestra(Disegno& d);
  // The frame of the window.
  void PlottaFinestra(Disegno& d);
  // Hands this window's factor, target and surface to the drawing layer again.
  void RipristinaDefault(Disegno& d) const;

 private:
  std::array<double, 4> bordi_{0, 0, 0, 0};
  std::array<Single, 4> estremi_{0, 0, 1, 1};
  std::array<Single, 4> xFin_{}, yFin_{};
  Single fattore_ = 1;
  bool proporzioni_ = true;
  std::string destinazione_;
  Superficie* superficie_ = nullptr;
  ContenitoreCad* blocco_ = nullptr;
};

}  // namespace voro
