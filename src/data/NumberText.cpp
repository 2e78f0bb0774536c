// Plain number text in the runtime's free format.
#include "data/NumberText.h"

#include <cstdio>

namespace voro {

std::string numberText(double x, int digits, const std::string& decimal, bool leadingZero) {
  if (x == 0.0 || !std::isfinite(x)) return "0";
  char buf[64];
  // %G gives the digits and the exponent rule of the free format: plain
  // digits for exponents from -5 up to the precision, trailing zeros dropped.
  std::snprintf(buf, sizeof buf, "%.*G", digits, x);
  std::string s(buf);
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '.') {
      out += decimal;
    } else if (c == '0' && !leadingZero && i + 1 < s.size() && s[i + 1] == '.' &&
               (i == 0 || s[i - 1] == '-')) {
      continue;  // ".5" and "-.25"
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace voro
