// A surface that draws nothing: one pass of a drawing on it gives the
// extents the printed drawing will have, and so the box it needs.
#pragma once

#include <string>
#include <vector>

#include "drawing/Superficie.h"

namespace voro {

class SuperficieVuota : public Superficie {
 public:
  void ScalaPredefinita() override { l_ = 0, t_ = 0, w_ = 1000, h_ = 1000; }
  double ScaleLeft() const override { return l_; }
  double ScaleTop() const override { return t_; }
  double ScaleWidth() const override { return w_; }
  double ScaleHeight() const override { return h_; }
  void ImpostaScala(double l, double t, double w, double h) override { l_ = l, t_ = t, w_ = w, h_ = h; }
  void Linea(double, double, double, double, Long) override {}
  void Cerchio(double, double, double, Long) override {}
  void Riempi(const std::vector<double>&, const std::vector<double>&, Long) override {}
  void Stampa(double, double, const std::string&, Long) override {}
  double LarghezzaTesto(const std::string&) const override { return 0; }
  double AltezzaTesto(const std::string&) const override { return 0; }
  void DrawWidth(int) override {}
  double TwipsPerPixelX() const override { return 15; }
  void FontName(const std::string&) override {}
  void FontSize(double) override {}

 private:
  double l_ = 0, t_ = 0, w_ = 1000, h_ = 1000;
};

}  // namespace voro
