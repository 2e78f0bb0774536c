// The static side of a certificate: a thrust line checked voussoir by
// voussoir and joint by joint against the stated hypotheses, taking nothing
// from the program that found it but the line itself.
#pragma once

#include "limite/AnalisiLimite.h"

namespace voro {

// The largest out-of-balance force of a voussoir under the line of r,
// relative to the total load it carries, or of its moment, relative to that
// load times the size of the structure.
double Squilibrio(const StaticaGiunti& st, const Reazione& r);

// Whether the line of r stands at the fraction s of every joint's capacity:
// every voussoir in equilibrium with its loads (to 1e-9 of the total load),
// every joint compressed with |M| <= s N (h/2 - N/(2 fc b)) (the exact
// parabola; s N h/2 for unlimited strength) and N <= fc b h, |T| <= mu N,
// every soil share within its bounds.
bool LineaAmmissibile(const StaticaGiunti& st, const IpotesiMuratura& ip, const Reazione& r, double s = 1);

}  // namespace voro
