// The numeric patterns of the forms.
#include "data/FormatPattern.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace voro {

namespace {

// Significant digits a value keeps before the pattern rounds it.
constexpr int kCifreValore = 15;

// The 15 significant digits of a > 0 and the power of ten of the first one.
// Written without the C locale, so the program's own locale cannot change them.
void cifre15(double a, std::string& cifre, int& potenza) {
  char buf[40];
  const char* fine = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, kCifreValore - 1).ptr;
  const std::string s(static_cast<const char*>(buf), fine);  // d.dddddddddddddde+XX
  const std::size_t e = s.find('e');
  cifre = s.substr(0, 1) + s.substr(2, e - 2);
  potenza = std::atoi(s.c_str() + e + 1);
}

// The first n digits of a digit string (zeros beyond its end), rounded half
// away from zero on the digit that follows; a carry out adds a leading "1".
// No digits at all (n <= 0) stand for zero or, after a carry, for "1".
std::string arrotonda(const std::string& cifre, int n) {
  if (n < 0) return "";
  const std::size_t tenute = static_cast<std::size_t>(n);
  std::string out = cifre.substr(0, std::min(tenute, cifre.size()));
  out.resize(tenute, '0');
  if (tenute < cifre.size() && cifre[tenute] >= '5') {
    std::size_t i = out.size();
    for (; i > 0 && out[i - 1] == '9'; --i) out[i - 1] = '0';
    if (i == 0) out.insert(0, "1");
    else ++out[i - 1];
  }
  return out;
}

bool soloZeri(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

// The integer digits in groups of three.
std::string raggruppa(const std::string& intera, const std::string& migliaia) {
  std::string out;
  const std::size_t n = intera.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += migliaia;
    out += intera[i];
  }
  return out;
}

// One mantissa digit, `decimali` more after the separator, "E", the sign and
// at least `cifreEsponente` exponent digits.
std::string esponenziale(double a, int decimali, int cifreEsponente, const std::string& decimale, bool& zero) {
  std::string mantissa(static_cast<std::size_t>(decimali) + 1, '0');
  int potenza = 0;
  zero = a == 0;
  if (!zero) {
    std::string cifre;
    cifre15(a, cifre, potenza);
    mantissa = arrotonda(cifre, decimali + 1);
    if (mantissa.size() > static_cast<std::size_t>(decimali) + 1) {  // 9.996 to 1.00E+01
      mantissa.pop_back();
      ++potenza;
    }
  }
  std::string esponente = std::to_string(std::abs(potenza));
  if (static_cast<int>(esponente.size()) < cifreEsponente)
    esponente.insert(0, static_cast<std::size_t>(cifreEsponente) - esponente.size(), '0');
  return mantissa.substr(0, 1) + decimale + mantissa.substr(1) + "E" + (potenza < 0 ? "-" : "+") + esponente;
}

// Integer digits and `decimali` decimals, of which `obbligatori` always show.
std::string fisso(double a, const std::string& parteIntera, bool conPunto, int decimali, int obbligatori,
                  const std::string& decimale, const std::string& migliaia, bool& zero) {
  std::string unita;  // the value in units of the last decimal
  if (a > 0) {
    std::string cifre;
    int potenza = 0;
    cifre15(a, cifre, potenza);
    unita = arrotonda(cifre, potenza + 1 + decimali);
  }
  if (unita.size() < static_cast<std::size_t>(decimali) + 1)
    unita.insert(0, static_cast<std::size_t>(decimali) + 1 - unita.size(), '0');
  const std::size_t taglio = unita.size() - static_cast<std::size_t>(decimali);
  std::string intera = unita.substr(0, taglio);
  std::string frazione = unita.substr(taglio);
  intera.erase(0, std::min(intera.find_first_not_of('0'), intera.size() - 1));
  zero = intera == "0" && soloZeri(frazione);

  if (intera == "0" && parteIntera.find('0') == std::string::npos) intera.clear();
  if (!migliaia.empty() && parteIntera.find(',') != std::string::npos) intera = raggruppa(intera, migliaia);
  while (static_cast<int>(frazione.size()) > obbligatori && frazione.back() == '0') frazione.pop_back();
  return conPunto ? intera + decimale + frazione : intera;
}

}  // namespace

std::string formatPattern(double x, const std::string& pattern, const std::string& decimal,
                          const std::string& grouping) {
  const double a = std::fabs(x);
  const std::size_t posE = pattern.find('E');
  const std::string mantissa = pattern.substr(0, posE);
  const std::size_t punto = mantissa.find('.');
  const std::string parteDecimale = punto == std::string::npos ? "" : mantissa.substr(punto + 1);
  const int decimali = static_cast<int>(parteDecimale.size());
  bool zero = false;
  std::string corpo;
  if (posE != std::string::npos) {
    const int cifreEsponente = static_cast<int>(std::count(pattern.begin() + static_cast<std::ptrdiff_t>(posE),
                                                           pattern.end(), '0'));
    corpo = esponenziale(a, decimali, cifreEsponente, decimal, zero);
  } else {
    const int obbligatori = static_cast<int>(std::min(parteDecimale.find_first_not_of('0'), parteDecimale.size()));
    corpo = fisso(a, mantissa.substr(0, punto), punto != std::string::npos, decimali, obbligatori, decimal,
                  grouping, zero);
  }
  return (x < 0 && !zero ? "-" : "") + corpo;
}

}  // namespace voro
