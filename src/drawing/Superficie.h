// A drawing surface with a user coordinate scale: a window on screen, an
// image, a vector file or the printer page.
#pragma once

#include <string>
#include <vector>

#include "data/Scalars.h"

namespace voro {

class Superficie {
 public:
  virtual ~Superficie() = default;

  // The surface's own scale: its units, origin at the top left, y downward.
  virtual void ScalaPredefinita() = 0;
  virtual double ScaleLeft() const = 0;
  virtual double ScaleTop() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // A user scale: the left and top coordinates and the extents (negative
  // height for ordinates that grow upward).
  virtual void ImpostaScala(double left, double top, double width, double height) = 0;

  // Drawing in user coordinates with a colour value (red + 256 green + 65536 blue).
  virtual void Linea(double x1, double y1, double x2, double y2, Long colore) = 0;
  virtual void Cerchio(double xc, double yc, double r, Long colore) = 0;
  virtual void Riempi(const std::vector<double>& X, const std::vector<double>& Y, Long colore) = 0;
  // Text with its top left corner at (x, y) in the current font.
  virtual void Stampa(double x, double y, const std::string& testo, Long colore) = 0;
  virtual double LarghezzaTesto(const std::string& testo) const = 0;
  virtual double AltezzaTesto(const std::string& testo) const = 0;

  // Line width in the surface's pixels.
  virtual void DrawWidth(int pixel) = 0;
  // Twips (1/1440 inch) per pixel horizontally.
  virtual double TwipsPerPixelX() const = 0;
  // The current font by name and size in points.
  virtual void FontName(const std::string& nome) = 0;
  virtual void FontSize(double punti) = 0;
};

}  // namespace voro
