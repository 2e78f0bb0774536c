// Report numbers with fixed decimals or as typed.
#include "report/NumeriRapporto.h"

#include <cmath>

namespace voro {

std::string NumeriRapporto::fisso(double x, const char* formato) const {
  if (!std::isfinite(x)) return kNonNumero;
  return reg_.Formatta(x, formato);
}

std::string NumeriRapporto::dato(Single x) const {
  if (!std::isfinite(x)) return kNonNumero;
  return reg_.TestoSingle(x);
}

std::string NumeriRapporto::dato(double x) const {
  if (!std::isfinite(x)) return kNonNumero;
  return reg_.TestoDouble(x);
}

std::string NumeriRapporto::datoMm(Single metri) const {
  const double mm = static_cast<double>(metri) * 1000;
  if (!std::isfinite(mm) || std::fabs(mm) > 3.4e38) return kNonNumero;
  return reg_.TestoSingle(toSingle(mm));
}

}  // namespace voro
