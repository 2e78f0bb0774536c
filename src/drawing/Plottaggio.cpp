// Mapping drawing coordinates onto a surface.
#include "drawing/Plottaggio.h"

#include <algorithm>

namespace voro {

void Plottaggio::Inizializza(double x1, double x2, double y1, double y2, const std::string& destinazione,
                             Superficie* s, ContenitoreCad* blocco, Single fattore, bool proporzioni, Single offset,
                             Disegno& d) {
  xMin = toSingle(x1);
  xMax = toSingle(x2);
  yMin = toSingle(divide(y1 + offset, static_cast<double>(fattore)));
  yMax = toSingle(divide(y2 + offset, static_cast<double>(fattore)));
  destinazione_ = destinazione;
  superficie_ = s;
  blocco_ = blocco;
  fattore_ = fattore;
  proporzioni_ = proporzioni;
  d.OffsetY = offset;

  // Degenerate extents are opened up so that the scale stays finite.
  if (yMax <= yMin) yMax = yMin + (xMax - xMin) / 1000;
  if (xMax <= xMin) xMax = xMin + (yMax - yMin) / 1000;
  if (yMax <= yMin) yMax = yMin + 1;
  if (xMax <= xMin) xMax = xMin + 1;

  if (destinazione == "DXF" || destinazione == "DWG" || destinazione == "BLOCCO") {
    ScalaMantieneProporzioni = 1;
    const Single dd = std::max(xMax - xMin, yMax - yMin);
    const auto& e = estremi_;
    xFin_ = {xMin - dd * e[0], xMin - dd * e[0], xMax + (1 - e[2]) * dd, xMax + (1 - e[2]) * dd};
    yFin_ = {yMax + (1 - e[3]) * dd, yMin - dd * e[1], yMin - dd * e[1], yMax + (1 - e[3]) * dd};
  } else {
    AdattaAfinestra(d);
  }
  d.ImpostaDestinazione(fattore, destinazione, s, blocco);
  d.geo.ZeroMaxDimen = std::max(xMax - xMin, yMax - yMin) / 1e6;
  d.ScalaMantieneProporzioni = ScalaMantieneProporzioni;
}

void Plottaggio::AdattaAfinestra(Disegno& d) {
  auto& e = estremi_;
  if (e[2] == 0) e[2] = 1;
  if (e[3] == 0) e[3] = 1;
  if ((destinazione_ != "VIDEO" && destinazione_ != "STAMPANTE") || !superficie_) {
    d.msg().critical(d.msg().traduci("Voro", "ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista"));
    return;
  }
  Superficie& s = *superficie_;
  s.ScalaPredefinita();
  const double SL = s.ScaleLeft(), ST = s.ScaleTop(), SW = s.ScaleWidth(), SH = s.ScaleHeight();
  const double left0 = SL + e[0] * SW, top0 = ST + (1 - e[3]) * SH;
  const double W = (e[2] - e[0]) * SW, H = (e[3] - e[1]) * SH;

  const double dx = static_cast<double>(xMax) - xMin, dy = static_cast<double>(yMax) - yMin;
  const double xa = xMin - dx * bordi_[0], xb = xMax + dx * bordi_[2];
  const double ya = yMin - dy * bordi_[1], yb = yMax + dy * bordi_[3];
  double sx = divide(xb - xa, W), sy = divide(yb - ya, H);

  double left = xa - (left0 - SL) * sx;
  double top = yb + (top0 - ST) * sy;
  if (proporzioni_) {
    // One scale that fits the data box both ways; the other direction has
    // room to spare and the data are centred in it.
    if (W / H <= (xb - xa) / (yb - ya)) {
      sy = sx;
      const double yMid = (static_cast<double>(yMin) + yMax) / 2;
      top = yMid + (top0 - ST + H / 2) * sy;
    } else {
      sx = sy;
      const double xMid = (static_cast<double>(xMin) + xMax) / 2;
      left = xMid - (left0 - SL + W / 2) * sx;
    }
  }
  s.ImpostaScala(left, top, SW * sx, -SH * sy);
  const Single l = toSingle(left), t = toSingle(top), r = toSingle(left + SW * sx), b = toSingle(top - SH * sy);
  xFin_ = {l, l, r, r};
  yFin_ = {t, b, b, t};
  ScalaMantieneProporzioni = proporzioni_ ? 1.0f : toSingle(sy / sx);
}

void Plottaggio::PlottaFinestra(Disegno& d) {
  d.Rettangolo(xFin_[1], yFin_[1] + (yFin_[3] - yFin_[1]) / 500, xFin_[3] - (xFin_[3] - xFin_[1]) / 1000, yFin_[3], 1);
}

void Plottaggio::RipristinaDefault(Disegno& d) const { d.ImpostaDestinazione(fattore_, destinazione_, superficie_, blocco_); }

}  // namespace voro
