// Writing the DXF file of a plot.
#include "drawing/DxfFile.h"

#include <cstdio>

#include "data/Cp1252.h"
#include "data/FileAtomico.h"
#include "data/NumberText.h"

namespace voro {

std::string NumeroDxf(double v) { return numberText(v, kDoubleDigits, ".", true); }

namespace {

// The colour of lines, circles and polylines: right-aligned in six characters.
std::string colore6(Long c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%6ld", static_cast<long>(c));
  return buf;
}

// The colour of texts in the print form: a blank or minus, the digits, a blank.
std::string colorePrint(Long c) { return (c < 0 ? "-" : " ") + std::to_string(c < 0 ? -static_cast<long>(c) : c) + " "; }

}  // namespace

void DxfFile::Apri(const std::string& percorso) {
  path_ = percorso;
  text_.clear();
  riga("  0");
  riga("SECTION");
  riga("  2");
  riga("ENTITIES");
}

const std::string& DxfFile::Termina() {
  riga("  0");
  riga("ENDSEC");
  riga("  0");
  riga("EOF");
  return text_;
}

void DxfFile::Chiudi() { ScriviFileAtomico(path_, Termina()); }

void DxfFile::numero(const char* codice, double v) {
  riga(codice);
  riga(NumeroDxf(v));
}

void DxfFile::Linea(double x1, double y1, double x2, double y2, Long colore) {
  riga("  0");
  riga("LINE");
  riga("  8");
  riga("0");
  riga(" 62");
  riga(colore6(colore));
  numero(" 10", x1);
  numero(" 20", y1);
  riga(" 30");
  riga("0.0");
  numero(" 11", x2);
  numero(" 21", y2);
  riga(" 31");
  riga("0.0");
}

void DxfFile::Cerchio(double xc, double yc, double r, Long colore) {
  riga("  0");
  riga("CIRCLE");
  riga("  8");
  riga("0");
  riga(" 62");
  riga(colore6(colore));
  numero(" 10", xc);
  numero(" 20", yc);
  riga(" 30");
  riga("0.0");
  numero(" 40", r);
}

void DxfFile::polilinea(int n, std::span<const double> X, std::span<const double> Y, bool chiusa, Long colore) {
  riga("  0");
  riga("POLYLINE");
  riga("  8");
  riga("0");
  riga(" 66");
  riga("     1");
  riga(" 62");
  riga(colore6(colore));
  riga(" 10");
  riga("0.0");
  riga(" 20");
  riga("0.0");
  riga(" 30");
  riga("0.0");
  auto vertice = [&](std::size_t i) {
    riga("  0");
    riga("VERTEX");
    riga("  8");
    riga("0");
    numero(" 10", X[i]);
    numero(" 20", Y[i]);
    riga(" 30");
    riga("0.0");
  };
  for (int i = 0; i < n; ++i) vertice(static_cast<std::size_t>(i));
  if (chiusa && n > 0) vertice(0);
  riga("  0");
  riga("SEQEND");
  riga("  8");
  riga("0");
}

void DxfFile::PoligonaleAperta(int n, std::span<const double> X, std::span<const double> Y, Long colore) {
  polilinea(n, X, Y, false, colore);
}

void DxfFile::PoligonaleChiusa(int n, std::span<const double> X, std::span<const double> Y, Long colore) {
  polilinea(n, X, Y, true, colore);
}

void DxfFile::Testo(double x, double y, double altezza, const std::string& testo, Long colore) {
  riga("  0");
  riga("TEXT");
  riga("  8");
  riga("0");
  riga(" 62");
  riga(colorePrint(colore));
  numero(" 10", x);
  numero(" 20", y);
  riga(" 30");
  riga("0.0");
  numero(" 40", altezza);
  riga("  1");
  riga(utf8ToCp1252Cad(testo));
}

}  // namespace voro
