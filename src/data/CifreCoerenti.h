// Safety figures printed so that a statement and its figure agree: a factor
// just above 1 never reads "1.000" beside "cannot stand".
#pragma once

#include <string>

namespace voro {

// The decimals that keep x, once rounded, on the same side of soglia as x
// itself: at least minimo, at most 9 (beyond them x and soglia are one value
// for every engineering purpose).
int DecimaliCoerenti(double x, int minimo, double soglia = 1);

// The pattern of a fixed number with those decimals ("0.000", "0.00005" has 5).
std::string FormatoDecimali(int decimali);

}  // namespace voro
