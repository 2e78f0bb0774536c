// Regional separators, typed-number conversions and the significant-digit formatters.
#include "data/Regional.h"

#include <cctype>
#include <cfloat>
#include <cstdlib>

#include "data/Cp1252.h"
#include "data/FormatPattern.h"
#include "data/NumberText.h"

namespace voro {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The longest prefix of s that reads as a number ("-12.5E3"), without blanks.
std::string numericPrefix(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t startDigits = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
  }
  if (i == startDigits || (i == startDigits + 1 && s[startDigits] == '.')) return "";
  std::string out = s.substr(0, i);
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t expStart = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > expStart) out += "E" + s.substr(i + 1, j - i - 1);
  }
  return out;
}

double readFinite(const std::string& number) {
  const double v = std::strtod(number.c_str(), nullptr);
  if (std::isinf(v)) return v > 0 ? DBL_MAX : -DBL_MAX;
  return v;
}

std::string replaceAll(std::string s, const std::string& what, const std::string& with) {
  if (what.empty()) return s;
  for (std::size_t p = 0; (p = s.find(what, p)) != std::string::npos; p += with.size()) s.replace(p, what.size(), with);
  return s;
}

// Characters (not bytes) in a UTF-8 text.
int lengthOf(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

Regional::Regional(std::string decimal, std::string grouping)
    : decimal_(std::move(decimal)), grouping_(std::move(grouping)) {}

Integer Regional::SeparatoreDecimale() const {
  const int code = cp1252Code(decimal_);
  return static_cast<Integer>(code < 0 ? '.' : code);
}

Integer Regional::SeparatoreMigliaia() const {
  if (grouping_.empty() || grouping_ == decimal_) return 0;
  const int code = cp1252Code(grouping_);
  return static_cast<Integer>(code < 0 ? 0 : code);
}

void Regional::ControllaImpostazioni(Messages& messaggi, bool silent) const {
  const std::string q = "\"";
  if (SeparatoreMigliaia() != 0) {
    if (ValInternazionale(Formatta(1234567.8, "#,#.#")) != 1234567.8) {
      messaggi.critical(
          "Errore sconosciuto nelle impostazioni internazionali del pannello di controllo.\r"
          "Provare a cambiare i simboli del separatore decimale\r"
          "e del raggruppamento cifre e riavviare il programma.",
          "ERRORE");
    }
    if (grouping_ == "," && decimal_ == "." && !silent) {
      messaggi.exclamation("E' impostato come separatore decimale " + q + decimal_ + q +
                               " e come separatore delle migliaia " + q + grouping_ + q +
                               "\r\nSe la lingua è Italiano è meglio usare la  " + q + "," + q +
                               " come separatore decimale.\r\n"
                               "Il programma funzionerà comunque correttamente se si usa "
                               "come separatore delle migliaia lo spazio,\r\n"
                               "impostazione consigliata perchè elimina qualunque ambiguità.\r\n"
                               "Il tastierino numerico inserisce il separatore decimale scelto nelle impostazioni "
                               "internazionali.",
                           "ATTENZIONE ");
    }
  } else {
    messaggi.critical("Errore nelle impostazioni internazionali del pannello di controllo.\r"
                      "Il separatore decimale è stato impostato come " + q + decimal_ + q +
                          "\rE' stato impostato lo stesso carattere per il simbolo raggruppamento cifre.\r"
                          "Cambiare il simbolo raggruppamento cifre e riavviare il programma.",
                      "ERRORE");
  }
}

double Regional::ValInternazionale(const std::string& testo) const {
  std::string s = SeparatoreMigliaia() != 0 ? replaceAll(testo, grouping_, "") : testo;
  const std::size_t p = s.find(decimal_);
  if (p != std::string::npos) s.replace(p, decimal_.size(), ".");
  std::string compact;
  for (char c : s)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
  const std::string number = numericPrefix(compact);
  return number.empty() ? 0 : readFinite(number);
}

namespace {

// The plain conversion's grammar: blanks around, sign, digits with the
// grouping symbol between them, the decimal separator, an exponent.
bool parsePlain(const std::string& text, const std::string& decimal, const std::string& grouping, double& v) {
  std::size_t a = 0, b = text.size();
  while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
  while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
  const std::string s = text.substr(a, b - a);
  std::string n;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) n += s[i++];
  int digits = 0;
  while (i < s.size()) {
    if (isDigit(s[i])) {
      n += s[i++];
      ++digits;
    } else if (!grouping.empty() && grouping != decimal && digits > 0 && s.compare(i, grouping.size(), grouping) == 0 &&
               i + grouping.size() < s.size() && isDigit(s[i + grouping.size()])) {
      i += grouping.size();
    } else {
      break;
    }
  }
  if (s.compare(i, decimal.size(), decimal) == 0) {
    n += '.';
    i += decimal.size();
    while (i < s.size() && isDigit(s[i])) n += s[i++], ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    n += 'E';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n += s[i++];
    int expDigits = 0;
    while (i < s.size() && isDigit(s[i])) n += s[i++], ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  v = std::strtod(n.c_str(), nullptr);
  return std::isfinite(v);
}

}  // namespace

Integer Regional::CIntTesto(const std::string& testo) const {
  double v = 0;
  if (!parsePlain(testo, decimal_, grouping_, v)) {
    if (testo.find_first_not_of(" \t") != std::string::npos && v != 0) throw RuntimeError(err::Overflow);
    throw RuntimeError(err::TypeMismatch);
  }
  return toInteger(v);
}

Single Regional::CSngTesto(const std::string& testo) const {
  double v = 0;
  if (!parsePlain(testo, decimal_, grouping_, v)) throw RuntimeError(err::TypeMismatch);
  return toSingle(v);
}

std::string Regional::TestoSingle(Single x) const { return numberText(x, kSingleDigits, decimal_, true); }
std::string Regional::TestoDouble(double x) const { return numberText(x, kDoubleDigits, decimal_, true); }

std::string Regional::Formatta(double x, const std::string& formato) const {
  return formatPattern(x, formato, decimal_, SeparatoreMigliaia() != 0 ? grouping_ : std::string());
}

std::string Regional::FormattaCifre(int n, double x, std::string* formato) const {
  const bool positive = x >= 0;
  const double a = std::fabs(x);
  const double L = a < 1e-20 ? 0 : std::log10(a);
  const int k = static_cast<int>(std::floor(L + 1e-6)) + 1;
  if (k <= -19) return " 0";
  std::string pattern = "#,##0";
  if (a <= 1 || k < n) pattern += "." + std::string(static_cast<std::size_t>(std::max(0, n - k)), '0');
  if (formato) *formato = pattern;
  return (positive ? " " : "") + Formatta(x, pattern);
}

namespace {

// Digit count D and integer digits I of the plain text t of a.
void contaCifre(const std::string& t, const std::string& decimal, double a, int& D, int& I) {
  const std::size_t pos = t.find(decimal);
  const int len = lengthOf(t);
  if (pos == std::string::npos) {
    D = I = len;
    return;
  }
  const int p = lengthOf(t.substr(0, pos)) + 1;
  if (a >= 1) {
    D = len - 1;
    I = p - 1;
  } else {
    D = len - 2;
    I = p - 2;
  }
}

}  // namespace

namespace {

std::string formattaNumero(const Regional& r, int n, double x, const std::string& t, bool esponente,
                           std::string* formato) {
  const bool negative = x < 0;
  const double a = std::fabs(x);
  int D = 0, I = 0;
  contaCifre(t, r.decimale(), a, D, I);
  std::string text = t;
  if (D >= n) {
    std::string pattern;
    if (esponente && a < 1) pattern = "#." + std::string(static_cast<std::size_t>(std::max(0, n - 1)), '0') + "E+00";
    else if (I >= n) pattern = "#,##0";
    else pattern = "#,##0." + std::string(static_cast<std::size_t>(n - I), '0');
    if (formato) *formato = pattern;
    text = r.Formatta(a, pattern);
  }
  text = (negative ? "-" : " ") + text;
  if (text == " 0" + r.decimale() || text == "-0" + r.decimale()) text = " 0";
  return text;
}

}  // namespace

std::string Regional::FormattaNumero(int n, Single x) const {
  return formattaNumero(*this, n, x, TestoSingle(std::fabs(x)), false, nullptr);
}
std::string Regional::FormattaNumero(int n, double x) const {
  return formattaNumero(*this, n, x, TestoDouble(std::fabs(x)), false, nullptr);
}
std::string Regional::FormattaNumeroEsp(int n, Single x, std::string* formato) const {
  return formattaNumero(*this, n, x, TestoSingle(std::fabs(x)), true, formato);
}
std::string Regional::FormattaNumeroEsp(int n, double x, std::string* formato) const {
  return formattaNumero(*this, n, x, TestoDouble(std::fabs(x)), true, formato);
}

std::string EliminaCarattere(const std::string& testo, std::size_t pos) {
  if (pos >= testo.size()) return testo;
  return testo.substr(0, pos) + testo.substr(pos + 1);
}

}  // namespace voro
