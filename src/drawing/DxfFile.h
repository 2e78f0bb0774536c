// The DXF file of a plot: an ENTITIES section of lines, circles, polylines
// and texts, every entity on layer 0, coordinates with the point.
#pragma once

#include <span>
#include <string>

#include "data/Scalars.h"

namespace voro {

class DxfFile {
 public:
  // Starts the file's text with the section header; nothing is written to
  // disk until Chiudi.
  void Apri(const std::string& percorso);
  // Ends the section and returns the whole text of the file.
  const std::string& Termina();
  // Ends the section and writes the whole file; raises a RuntimeError with
  // the system's reason when it cannot be written, leaving any old file as
  // it was and no half-written one.
  void Chiudi();

  void Linea(double x1, double y1, double x2, double y2, Long colore);
  void Cerchio(double xc, double yc, double r, Long colore);
  void PoligonaleAperta(int n, std::span<const double> X, std::span<const double> Y, Long colore);
  void PoligonaleChiusa(int n, std::span<const double> X, std::span<const double> Y, Long colore);
  void Testo(double x, double y, double altezza, const std::string& testo, Long colore);

  const std::string& testo() const { return text_; }
  const std::string& percorso() const { return path_; }

 private:
  void riga(const std::string& s) { text_ += s + "\r\n"; }
  void numero(const char* codice, double v);
  void polilinea(int n, std::span<const double> X, std::span<const double> Y, bool chiusa, Long colore);

  std::string path_;
  std::string text_;
};

// A coordinate as the DXF file writes it: shortest free form with the point.
std::string NumeroDxf(double v);

}  // namespace voro
