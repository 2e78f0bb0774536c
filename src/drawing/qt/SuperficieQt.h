// A drawing surface over a QPainter: a widget, an image (PNG), a vector file
// (SVG), the printer or a PDF.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "drawing/Superficie.h"

namespace voro {

class SuperficieQt : public Superficie {
 public:
  // The painter draws on a device of width x height pixels at dpi dots per inch.
  SuperficieQt(QPainter& painter, double width, double height, double dpi);

  void ScalaPredefinita() override;
  double ScaleLeft() const override { return left_; }
  double ScaleTop() const override { return top_; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  void ImpostaScala(double left, double top, double width, double height) override;

  void Linea(double x1, double y1, double x2, double y2, Long colore) override;
  void Cerchio(double xc, double yc, double r, Long colore) override;
  void Riempi(const std::vector<double>& X, const std::vector<double>& Y, Long colore) override;
  void Stampa(double x, double y, const std::string& testo, Long colore) override;
  double LarghezzaTesto(const std::string& testo) const override;
  double AltezzaTesto(const std::string& testo) const override;

  void DrawWidth(int pixel) override { penWidth_ = pixel < 1 ? 1 : pixel; }
  double TwipsPerPixelX() const override { return 1440.0 / dpi_; }
  void FontName(const std::string& nome) override;
  void FontSize(double punti) override;

  // The font family of this machine standing for a Windows font name.
  static QString famiglia(const std::string& nome);

 private:
  QPointF mappa(double x, double y) const;
  QColor colore(Long v) const;
  void applicaFont();

  QPainter& p_;
  double devW_, devH_, dpi_;
  double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
  int penWidth_ = 1;
  QString family_;
  double points_ = 8;
};

// The local font file standing for a Windows font file ("Arial.ttf",
// "Symbol.ttf", "times.ttf"...), "" when none is installed.
std::string RisolviFontWindows(const std::string& fileWindows);

// Width of a text of the given height in a font file, from its metrics.
double LarghezzaTestoFont(const std::string& testo, const std::string& fileFont, double altezza);

}  // namespace voro
