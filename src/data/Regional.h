// Regional number settings: the separators, the locale-tolerant reading of
// typed numbers, the plain regional conversions and the significant-digit
// formatters of the forms.
#pragma once

#include <optional>
#include <string>

#include "data/Messages.h"
#include "data/Scalars.h"
#include "data/Traduzioni.h"

namespace voro {

// The decimal separator and digit-grouping symbol of the user's settings and
// every number conversion that depends on them. Constructed from the two
// symbols the platform reports, so tests run Italian and English settings.
class Regional {
 public:
  // decimal and grouping: one UTF-8 character each; an empty grouping means
  // the settings have none, an empty decimal separator stands for ".".
  Regional(std::string decimal = ".", std::string grouping = ",");
  static Regional italiano() { return Regional(",", "."); }
  static Regional inglese() { return Regional(".", ","); }

  // The language of the texts these settings compose (the names of the
  // quantities, the refusals of typed numbers): the program's translations,
  // or the texts as written when none were given.
  void setTraduzioni(const Traduzioni* t) { traduzioni_ = t; }
  std::string traduci(const char* contesto, const char* testo) const {
    return traduzioni_ ? traduzioni_->Traduci(contesto, testo) : std::string(testo);
  }

  // Character codes (Windows-1252) of the two symbols as the start-up check
  // detects them; SeparatoreMigliaia is 0 when the settings have no usable
  // grouping symbol (none, not in the code page, or the same character as the
  // decimal separator). A decimal separator outside the code page is "?".
  Integer SeparatoreDecimale() const;
  Integer SeparatoreMigliaia() const;
  const std::string& decimale() const { return decimal_; }
  const std::string& migliaia() const { return grouping_; }

  // The start-up check of the settings, with its messages; silent suppresses
  // the advisory about the English symbols. The advisory offers "Do not show
  // this again": true when the user ticked it.
  bool ControllaImpostazioni(Messages& messaggi, bool silent) const;

  // Typed text to a number, accepting either separator; never fails (text
  // without a leading number gives 0, a magnitude beyond the Double range the
  // largest finite Double).
  double ValInternazionale(const std::string& testo) const;

  // The decimal separator as text.
  std::string SeparatoreDecimaleTesto() const { return decimal_; }

  // A number typed in a box under these settings: blanks around it, sign,
  // digits with the grouping symbol only between groups of three to the left
  // of the decimal separator, decimals, exponent. Nothing when the text is
  // anything else; a magnitude beyond the Double range is the largest finite
  // Double.
  std::optional<double> NumeroDigitato(const std::string& testo) const;

  // The plain conversions of typed text (NumeroDigitato): Type mismatch (13)
  // for text that is not a number, Overflow (6) out of range.
  Integer CIntTesto(const std::string& testo) const;
  Single CSngTesto(const std::string& testo) const;

  // The runtime's plain text of a value with the regional decimal separator.
  std::string TestoSingle(Single x) const;
  std::string TestoDouble(double x) const;

  // x formatted with one of the numeric patterns of the forms ("#,##0",
  // "#,##0.000", "0", "0.0", "#.00E+00", "#,#", "#,#.#"), regional symbols.
  // Overflow (6) for a value that is not finite, here and in the formatters below.
  std::string Formatta(double x, const std::string& formato) const;

  // n significant digits, padded with zeros, digits never grouped; positive values get one blank in
  // front. formato receives the pattern used.
  std::string FormattaCifre(int n, double x, std::string* formato = nullptr) const;
  // At most n significant digits; one blank or "-" in front.
  std::string FormattaNumero(int n, Single x) const;
  std::string FormattaNumero(int n, double x) const;
  // As FormattaNumero, small values in exponent form; formato receives the
  // pattern when one is used and is left untouched when the plain text is kept.
  std::string FormattaNumeroEsp(int n, Single x, std::string* formato = nullptr) const;
  std::string FormattaNumeroEsp(int n, double x, std::string* formato = nullptr) const;

 private:
  const Traduzioni* traduzioni_ = nullptr;
  std::string decimal_;
  std::string grouping_;
};

// The text without the character (a whole UTF-8 sequence) that starts at
// byte position pos (0-based); the text unchanged when pos is past its end.
std::string EliminaCarattere(const std::string& testo, std::size_t pos);

}  // namespace voro
