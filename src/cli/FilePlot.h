// A drawing (the arch plot, the safety plot, the chart of the load sweep) as
// the bytes of an SVG, PNG, PDF or DXF file, for every command that writes
// one.
#pragma once

#include <string>

#include "drawing/Tavola.h"

namespace voro::cli {

struct FormatoPlot {
  std::string formato;  // "svg", "png", "pdf" or "dxf"
  int width = 1600, height = 1000;  // PNG and SVG, in pixels
  bool bianco = false;              // PNG and SVG background: white, or black as on screen
};

// The format a plot file's name asks for: its extension in lower case when
// that is svg, png, pdf or dxf, else "".
std::string FormatoDalNome(const std::string& percorso);

// Whether the format is a binary one (not for a terminal).
bool FormatoBinario(const std::string& formato);

// Draws the drawing in the format. False when the drawing failed (its message
// already shown); bytes are then left as they were. Needs an AmbienteGrafico
// for every format but DXF.
bool DisegnaFilePlot(Tavola& tavola, Disegno& disegno, const FormatoPlot& f, std::string& bytes);

}  // namespace voro::cli
