// The plot drawn into image, vector and document files: PNG and SVG look like
// the window on screen, PDF like the printed page. Each is drawn in memory;
// the caller writes the bytes (ScriviFileAtomico), so that a failed write
// never leaves a half file.
#pragma once

#include <QByteArray>

#include "drawing/Tavola.h"

namespace voro {

// Draws the plot on a width x height picture with a white or black
// background. False when the drawing failed (its message already shown);
// the bytes are then left as they were.
bool PlottaPng(Tavola& plot, QByteArray& png, int width, int height, bool bianco);
bool PlottaSvg(Tavola& plot, QByteArray& svg, int width, int height, bool bianco);
// An A4 landscape page drawn as the printer draws it.
bool PlottaPdf(Tavola& plot, QByteArray& pdf);

// The resolution the screen plots use for a picture of this height, so that
// texts keep their proportion to the drawing.
double RisoluzionePlot(int height);

}  // namespace voro
