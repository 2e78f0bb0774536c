// How a voussoir draws itself through the drawing layer.
#pragma once

#include "arch/Concio.h"
#include "drawing/Disegno.h"

namespace voro {

// The voussoir's outline.
void Plotta(const Concio& c, Disegno& d);
// The voussoir standing on the base line y0 with its joints magnified k times.
void PlottaEsploso(const Concio& c, Disegno& d, double y0, double k);
// The voussoir in plan about the axis y = yAsse, bPrec the width of the previous one.
void PlottaPianta(const Concio& c, Disegno& d, double yAsse, double bPrec);
// The arrows of its vertical, horizontal and resultant load, scala kN per drawing unit.
void VisualizzaForzeVerticali(const Concio& c, Disegno& d, double scala, double fattore, double dimensione);
void VisualizzaForzeOrizzontali(const Concio& c, Disegno& d, double scala, double fattore, double dimensione);
void VisualizzaForzeRisultanti(const Concio& c, Disegno& d, double scala, double fattore, double dimensione);

}  // namespace voro
