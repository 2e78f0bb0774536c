// How a polygon and a voussoir draw themselves through the drawing layer.
#pragma once

#include "arch/Concio.h"
#include "drawing/Disegno.h"
#include "geometry/Poligono.h"

namespace voro {

// The polygon's outline.
void Plotta(const Poligono& p, Disegno& d, double fattore = 1);
// Hatch lines inside the polygon.
void Tratteggia(const Poligono& p, Disegno& d, double passo, double angolo, double fattore = 1);
// The vertex numbers beside the vertices.
void NumeraVertici(const Poligono& p, Disegno& d, double altezza, double fattore = 1);
// The rectangles of the polygon's discretisation.
void PlottaRettangolini(const Poligono& p, Disegno& d, double fattore = 1);

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
