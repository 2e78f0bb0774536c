// The numeric patterns of the forms.
#include "data/FormatPattern.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace voro {

namespace {

// The 15 significant digits of a > 0 and the decimal exponent of the first.
void digits15(double a, std::string& digits, int& exponent) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", a);
  std::string s(buf);
  const std::size_t e = s.find('e');
  digits = s.substr(0, 1) + s.substr(2, e - 2);
  exponent = std::atoi(s.c_str() + e + 1);
}

// Adds one unit in the last digit of a digit string; true on a carry out.
bool increment(std::string& d) {
  for (std::size_t i = d.size(); i-- > 0;) {
    if (d[i] < '9') {
      ++d[i];
      return false;
    }
    d[i] = '0';
  }
  return true;
}

bool allZeros(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

std::string grouped(const std::string& integer, const std::string& grouping) {
  if (grouping.empty()) return integer;
  std::string out;
  const std::size_t n = integer.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += grouping;
    out += integer[i];
  }
  return out;
}

std::string scientific(double a, int decimals, int expDigits, const std::string& decimal) {
  std::string mantissa(static_cast<std::size_t>(decimals) + 1, '0');
  int exponent = 0;
  if (a > 0) {
    std::string d;
    digits15(a, d, exponent);
    mantissa = d.substr(0, static_cast<std::size_t>(decimals) + 1);
    if (static_cast<std::size_t>(decimals) + 1 < d.size() && d[static_cast<std::size_t>(decimals) + 1] >= '5' &&
        increment(mantissa)) {
      mantissa = "1" + mantissa.substr(0, mantissa.size() - 1);
      ++exponent;
    }
  }
  std::string out = mantissa.substr(0, 1);
  out += decimal + mantissa.substr(1);
  std::string e = std::to_string(std::abs(exponent));
  while (static_cast<int>(e.size()) < expDigits) e = "0" + e;
  return out + "E" + (exponent < 0 ? "-" : "+") + e;
}

}  // namespace

std::string formatPattern(double x, const std::string& pattern, const std::string& decimal,
                          const std::string& grouping) {
  const bool negative = x < 0;
  const double a = std::fabs(x);
  const std::size_t point = pattern.find('.');
  const std::size_t ePos = pattern.find('E');
  std::string body;
  bool zero = false;

  if (ePos != std::string::npos) {
    int decimals = 0;
    for (std::size_t i = point + 1; i < ePos; ++i) decimals += pattern[i] == '0';
    int expDigits = 0;
    for (std::size_t i = ePos; i < pattern.size(); ++i) expDigits += pattern[i] == '0';
    body = scientific(a, decimals, expDigits, decimal);
    zero = a == 0;
  } else {
    const std::string intPattern = pattern.substr(0, point);
    const std::string fracPattern = point == std::string::npos ? "" : pattern.substr(point + 1);
    int minInt = 0;
    for (char c : intPattern) minInt += c == '0';
    const int fixed = static_cast<int>(fracPattern.find_first_not_of('0') == std::string::npos
                                           ? fracPattern.size()
                                           : fracPattern.find_first_not_of('0'));
    const int decimals = static_cast<int>(fracPattern.size());
    const bool group = intPattern.find(',') != std::string::npos;

    std::string integer = "0", fraction(static_cast<std::size_t>(decimals), '0');
    if (a > 0) {
      std::string d;
      int e;
      digits15(a, d, e);
      // All digits with the decimal point after position e + 1.
      std::string all = e >= 0 ? d : std::string(static_cast<std::size_t>(-e - 1), '0') + d;
      const int intLen = e >= 0 ? e + 1 : 0;
      if (static_cast<int>(all.size()) < intLen + decimals + 1) all.append(static_cast<std::size_t>(intLen + decimals + 1) - all.size(), '0');
      std::string kept = all.substr(0, static_cast<std::size_t>(intLen + decimals));
      const char next = all[static_cast<std::size_t>(intLen + decimals)];
      if (kept.empty()) kept = "0";
      if (next >= '5' && increment(kept)) kept = "1" + kept;
      const std::size_t split = kept.size() - static_cast<std::size_t>(decimals);
      integer = kept.substr(0, split);
      fraction = kept.substr(split);
      const std::size_t nz = integer.find_first_not_of('0');
      integer = nz == std::string::npos ? "0" : integer.substr(nz);
    }
    zero = allZeros(integer) && allZeros(fraction);
    if (integer == "0" && minInt == 0) integer.clear();
    // Optional decimals ("#") show only where not trailing zeros.
    while (static_cast<int>(fraction.size()) > fixed && fraction.back() == '0') fraction.pop_back();
    body = group ? grouped(integer, grouping) : integer;
    if (point != std::string::npos) body += decimal + fraction;
  }
  return (negative && !zero ? "-" : "") + body;
}

}  // namespace voro
