// Regional separators, typed-number conversions and the significant-digit formatters.
#include "data/Regional.h"

#include <cfloat>
#include <charconv>
#include <optional>

#include "data/Cp1252.h"
#include "data/FormatPattern.h"
#include "data/NumberText.h"

namespace voro {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Length in bytes of the UTF-8 sequence whose lead byte is c.
std::size_t sequenceLength(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

// Characters (not bytes) in a UTF-8 text.
int lengthOf(const std::string& s) {
  int n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

// A number as read from text: sign, integer and decimal digits, exponent.
struct NumeroLetto {
  bool negativo = false;
  std::string intere;
  std::string frazione;
  long long esponente = 0;
};

// Appends the digits from position i on; returns the position after them.
std::size_t leggiCifre(const std::string& s, std::size_t i, std::string& cifre) {
  while (i < s.size() && isDigit(s[i])) cifre += s[i++];
  return i;
}

// An exponent at position i (E or D, sign, at least one digit): read and i
// moved past it; otherwise nothing read.
void leggiEsponente(const std::string& s, std::size_t& i, long long& esponente) {
  if (i >= s.size() || !isExponentLetter(s[i])) return;
  std::size_t j = i + 1;
  const bool negativo = j < s.size() && s[j] == '-';
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
  if (j >= s.size() || !isDigit(s[j])) return;
  long long e = 0;
  for (; j < s.size() && isDigit(s[j]); ++j)
    if (e < 1000000000) e = e * 10 + (s[j] - '0');  // far beyond any Double already
  esponente = negativo ? -e : e;
  i = j;
}

// The Double nearest to the number; a magnitude beyond the Double range gives
// the largest finite Double, one below it zero.
double valoreDi(const NumeroLetto& n) {
  const std::string testo = (n.intere.empty() ? "0" : n.intere) + "." + (n.frazione.empty() ? "0" : n.frazione) +
                            "e" + std::to_string(n.esponente);
  double v = 0;
  if (std::from_chars(testo.data(), testo.data() + testo.size(), v).ec == std::errc::result_out_of_range) {
    // The power of ten of the first significant digit tells overflow from underflow.
    const std::size_t primaIntera = n.intere.find_first_not_of('0');
    const long long potenza = primaIntera != std::string::npos
                                  ? static_cast<long long>(n.intere.size() - primaIntera) - 1
                                  : -static_cast<long long>(n.frazione.find_first_not_of('0')) - 1;
    v = potenza + n.esponente >= 0 ? DBL_MAX : 0.0;
  }
  return n.negativo && v != 0 ? -v : v;
}

// The runtime's reading of a number at the start of a text: blanks, tabs and
// line feeds are skipped wherever they stand, "." is the decimal point, the
// number ends at the first character that cannot continue it.
double valoreIniziale(const std::string& testo) {
  std::string s;
  for (char c : testo)
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  NumeroLetto n;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negativo = s[i++] == '-';
  i = leggiCifre(s, i, n.intere);
  if (i < s.size() && s[i] == '.') i = leggiCifre(s, i + 1, n.frazione);
  if (n.intere.empty() && n.frazione.empty()) return 0;
  leggiEsponente(s, i, n.esponente);
  return valoreDi(n);
}

// The length of the grouping symbol at position i, 0 when none stands there.
// Where the settings group with a non-breaking or narrow space, the blank the
// keyboard types serves as well.
std::size_t separatoreMigliaia(const std::string& s, std::size_t i, const std::string& migliaia) {
  if (migliaia.empty()) return 0;
  if (s.compare(i, migliaia.size(), migliaia) == 0) return migliaia.size();
  const bool spazio = migliaia == "\xC2\xA0" || migliaia == "\xE2\x80\xAF" || migliaia == " ";
  return spazio && i < s.size() && s[i] == ' ' ? 1 : 0;
}

// The plain regional conversion of a typed number: blanks around it, sign,
// integer digits, the decimal separator and its digits, an exponent. The
// grouping symbol only separates groups of three digits to the left of the
// decimal separator (1.234.567,5 under Italian settings): "2,5" under English
// settings is not 25, nor is "0.5" under Italian ones 5. Nothing when the text
// is not such a number.
std::optional<double> valoreSemplice(const std::string& testo, const std::string& decimale,
                                     const std::string& migliaia) {
  const std::size_t a = testo.find_first_not_of(" \t");
  if (a == std::string::npos) return std::nullopt;
  const std::string s = testo.substr(a, testo.find_last_not_of(" \t") + 1 - a);
  NumeroLetto n;
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') n.negativo = s[i++] == '-';
  i = leggiCifre(s, i, n.intere);
  std::size_t gruppo = n.intere.size();
  bool raggruppato = false;
  for (std::size_t k; (k = separatoreMigliaia(s, i, migliaia)) > 0;) {
    // The first group holds one to three digits, every later one three.
    if (gruppo == 0 || gruppo > 3 || (raggruppato && gruppo != 3)) return std::nullopt;
    const std::size_t prima = n.intere.size();
    i = leggiCifre(s, i + k, n.intere);
    gruppo = n.intere.size() - prima;
    raggruppato = true;
  }
  if (raggruppato && gruppo != 3) return std::nullopt;
  if (s.compare(i, decimale.size(), decimale) == 0) i = leggiCifre(s, i + decimale.size(), n.frazione);
  if (n.intere.empty() && n.frazione.empty()) return std::nullopt;
  leggiEsponente(s, i, n.esponente);
  if (i != s.size()) return std::nullopt;
  return valoreDi(n);
}

}  // namespace

Regional::Regional(std::string decimal, std::string grouping)
    : decimal_(decimal.empty() ? "." : std::move(decimal)), grouping_(std::move(grouping)) {}

Integer Regional::SeparatoreDecimale() const {
  const int code = cp1252Code(decimal_);
  return static_cast<Integer>(code < 0 ? '?' : code);
}

Integer Regional::SeparatoreMigliaia() const {
  if (grouping_.empty() || grouping_ == decimal_) return 0;
  const int code = cp1252Code(grouping_);
  return static_cast<Integer>(code < 0 ? 0 : code);
}

bool Regional::ControllaImpostazioni(Messages& messaggi, bool silent) const {
  if (SeparatoreMigliaia() == 0) {
    messaggi.critical(Componi(messaggi.traduci("Voro", "Errore nelle impostazioni internazionali del pannello di "
                                                       "controllo.\rIl separatore decimale è stato impostato come "
                                                       "\"%1\"\rE' stato impostato lo stesso carattere per il simbolo "
                                                       "raggruppamento cifre.\rCambiare il simbolo raggruppamento "
                                                       "cifre e riavviare il programma."),
                              {decimal_}),
                      messaggi.traduci("Voro", "ERRORE"));
    return false;
  }
  // A grouped number must read back as itself, or typed numbers would be misread.
  if (ValInternazionale(Formatta(1234567.8, "#,#.#")) != 1234567.8) {
    messaggi.critical(messaggi.traduci("Voro", "Errore sconosciuto nelle impostazioni internazionali del pannello di "
                                               "controllo.\rProvare a cambiare i simboli del separatore decimale\re "
                                               "del raggruppamento cifre e riavviare il programma."),
                      messaggi.traduci("Voro", "ERRORE"));
  }
  if (SeparatoreMigliaia() == ',' && SeparatoreDecimale() == '.' && !silent) {
    const std::string avviso = Componi(
        messaggi.traduci("Voro", "E' impostato come separatore decimale \"%1\" e come separatore delle migliaia "
                                 "\"%2\"\r\nSe la lingua è Italiano è meglio usare la  \",\" come separatore "
                                 "decimale.\r\nIl programma funzionerà comunque correttamente se si usa come "
                                 "separatore delle migliaia lo spazio,\r\nimpostazione consigliata perchè elimina "
                                 "qualunque ambiguità.\r\nIl tastierino numerico inserisce il separatore decimale "
                                 "scelto nelle impostazioni internazionali."),
        {decimal_, grouping_});
    return messaggi.showOptOut(MessageKind::Exclamation, avviso, messaggi.traduci("Voro", "ATTENZIONE "),
                               messaggi.traduci("Voro", "Do not show this again"));
  }
  return false;
}

double Regional::ValInternazionale(const std::string& testo) const {
  std::string s = testo;
  // Grouping symbols go first, so that under Italian settings "1.5" reads 15.
  if (SeparatoreMigliaia() != 0)
    for (std::size_t p; (p = s.find(grouping_)) != std::string::npos;) s = EliminaCarattere(s, p);
  const std::size_t p = s.find(decimal_);
  if (p != std::string::npos) s.replace(p, decimal_.size(), ".");
  return valoreIniziale(s);
}

std::optional<double> Regional::NumeroDigitato(const std::string& testo) const {
  return valoreSemplice(testo, decimal_, SeparatoreMigliaia() != 0 ? grouping_ : "");
}

Integer Regional::CIntTesto(const std::string& testo) const {
  const std::optional<double> v = NumeroDigitato(testo);
  if (!v) throw RuntimeError(err::TypeMismatch);
  return toInteger(*v);
}

Single Regional::CSngTesto(const std::string& testo) const {
  const std::optional<double> v = NumeroDigitato(testo);
  if (!v) throw RuntimeError(err::TypeMismatch);
  return toSingle(*v);
}

std::string Regional::TestoSingle(Single x) const { return numberText(x, kSingleDigits, decimal_, true); }
std::string Regional::TestoDouble(double x) const { return numberText(x, kDoubleDigits, decimal_, true); }

std::string Regional::Formatta(double x, const std::string& formato) const {
  return formatPattern(checked(x), formato, decimal_, SeparatoreMigliaia() != 0 ? grouping_ : std::string());
}

std::string Regional::FormattaCifre(int n, double x, std::string* formato) const {
  checked(x);
  const bool positive = x >= 0;
  const double a = std::fabs(x);
  const double L = a < 1e-20 ? 0 : std::log10(a);
  // Integer digits of a >= 1; the small offset keeps 999.9999999 with four.
  const int k = static_cast<int>(intPart(L + 1e-6)) + 1;
  if (k <= -19) return " 0";
  // Figures never group their digits: under a language whose decimal
  // separator is the other symbol, 1,049 would read as one point nought four nine.
  std::string pattern = "0";
  if (a <= 1 || k < n) pattern += "." + std::string(static_cast<std::size_t>(std::max(0, n - k)), '0');
  if (formato) *formato = pattern;
  return (positive ? " " : "") + Formatta(x, pattern);
}

namespace {

// At most n significant digits of x, counted on t, the plain text of |x|.
std::string formattaNumero(const Regional& r, int n, double x, const std::string& t, bool esponente,
                           std::string* formato) {
  const bool negative = x < 0;
  const double a = std::fabs(x);
  // Digit count D and integer digits I of t; p is the 1-based position of the separator.
  const std::size_t pos = t.find(r.decimale());
  const int len = lengthOf(t);
  const int p = pos == std::string::npos ? 0 : lengthOf(t.substr(0, pos)) + 1;
  int D = len, I = len;
  if (p > 0 && a >= 1) D = len - 1, I = p - 1;
  if (p > 0 && a < 1) D = len - 2, I = p - 2;

  std::string text = t;
  if (D >= n) {
    std::string pattern;
    if (esponente && a < 1) pattern = "#." + std::string(static_cast<std::size_t>(std::max(0, n - 1)), '0') + "E+00";
    else if (I >= n) pattern = "0";
    else pattern = "0." + std::string(static_cast<std::size_t>(n - I), '0');
    if (formato) *formato = pattern;
    text = r.Formatta(a, pattern);
  }
  // A value that shows as zero carries no minus sign.
  const bool zero = text.find_first_not_of("0" + r.decimale()) == std::string::npos;
  text = (negative && !zero ? "-" : " ") + text;
  if (text == " 0" + r.decimale()) text = " 0";
  return text;
}

}  // namespace

std::string Regional::FormattaNumero(int n, Single x) const {
  return formattaNumero(*this, n, checked(x), TestoSingle(std::fabs(x)), false, nullptr);
}
std::string Regional::FormattaNumero(int n, double x) const {
  return formattaNumero(*this, n, checked(x), TestoDouble(std::fabs(x)), false, nullptr);
}
std::string Regional::FormattaNumeroEsp(int n, Single x, std::string* formato) const {
  return formattaNumero(*this, n, checked(x), TestoSingle(std::fabs(x)), true, formato);
}
std::string Regional::FormattaNumeroEsp(int n, double x, std::string* formato) const {
  return formattaNumero(*this, n, checked(x), TestoDouble(std::fabs(x)), true, formato);
}

std::string EliminaCarattere(const std::string& testo, std::size_t pos) {
  if (pos >= testo.size()) return testo;
  const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(testo[pos])), testo.size() - pos);
  return testo.substr(0, pos) + testo.substr(pos + n);
}

}  // namespace voro
