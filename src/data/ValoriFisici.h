// The physical limits of a project's input: one check that the data forms,
// the project file's reader and the command line all apply, so that no arch
// is ever solved with a negative thickness, width, fill or load.
#pragma once

#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/Regional.h"

namespace voro {

// A value that no real arch can have.
struct ValoreImpossibile {
  std::string variabile;  // the program's name: "SpessoreAnello", "Vori(2).Spessore"
  std::string messaggio;  // names the quantity, its value and its limit
};

// The quantity a variable stands for, as the messages name it
// ("Spessore dell'anello t [m]"); the variable's own name when unknown.
// Segments are "Vori(i).X2" ... "Vori(i).nConciInput".
std::string NomeGrandezza(const std::string& variabile, const Regional& r = Regional());

// Every impossible value of the project, in the order of the data file:
// thickness, span, rise, width and voussoir counts that are not positive;
// fill, slab, wall protrusion, backing depth, unit weights, Kp, passive
// voussoir counts or live load below zero; a value beyond a Single. The ring
// is checked for one segment, the segments for several. The values are shown
// with the decimal separator of r.
std::vector<ValoreImpossibile> ValoriImpossibili(const DatiProgetto& d, const Regional& r = Regional::inglese());

// With impossible values: shows their messages as one critical message and
// raises ImpossibleValue (1004) with the same text.
void ControllaValoriFisici(const DatiProgetto& d, Messages& messaggi);

}  // namespace voro
