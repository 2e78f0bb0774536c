// Decimals that keep a figure on its side of the threshold.
#include "data/CifreCoerenti.h"

#include <cmath>

namespace voro {

namespace {

int lato(double x, double soglia) { return x > soglia ? 1 : (x < soglia ? -1 : 0); }

}  // namespace

int DecimaliCoerenti(double x, int minimo, double soglia) {
  constexpr int kMassimo = 9;
  if (!std::isfinite(x)) return minimo;
  for (int d = minimo; d < kMassimo; ++d) {
    const double scala = std::pow(10.0, d);
    if (lato(std::round(x * scala) / scala, soglia) == lato(x, soglia)) return d;
  }
  return kMassimo;
}

std::string FormatoDecimali(int decimali) {
  return decimali > 0 ? "0." + std::string(static_cast<std::size_t>(decimali), '0') : "0";
}

}  // namespace voro
