// Texts with their values in place.
#include "data/Traduzioni.h"

namespace voro {

std::string Componi(std::string modello, std::initializer_list<std::string> valori) {
  std::string out;
  out.reserve(modello.size());
  for (std::size_t i = 0; i < modello.size(); ++i) {
    const char c = modello[i];
    if (c == '%' && i + 1 < modello.size() && modello[i + 1] >= '1' && modello[i + 1] <= '9') {
      const std::size_t n = static_cast<std::size_t>(modello[i + 1] - '1');
      if (n < valori.size()) {
        out += *(valori.begin() + n);
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace voro
