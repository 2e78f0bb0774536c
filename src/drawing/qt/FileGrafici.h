// The plot drawn into image, vector and document files: PNG and SVG look like
// the window on screen, PDF like the printed page.
#pragma once

#include <QString>

#include "drawing/Disegno.h"
#include "drawing/Tavola.h"

namespace voro {

// Draws the plot on a width x height picture with a white or black
// background; false when the drawing or the file failed.
bool PlottaPng(Tavola& plot, Disegno& d, const QString& percorso, int width, int height, bool bianco);
bool PlottaSvg(Tavola& plot, Disegno& d, const QString& percorso, int width, int height, bool bianco);
// An A4 landscape page through the printer's drawing.
bool PlottaPdf(Tavola& plot, Disegno& d, const QString& percorso);

// The resolution the screen plots use for a picture of this height, so that
// texts keep their proportion to the drawing.
double RisoluzionePlot(int height);

}  // namespace voro
