// Reading the typed boxes of the data forms.
#include "data/LetturaCaselle.h"

#include <cfloat>
#include <cmath>

#include "data/ValoriFisici.h"

namespace voro {

std::optional<double> LeggiCasella(const Regional& r, const std::string& testo, const std::string& variabile,
                                   TipoCasella tipo, std::string& errore, double divisore) {
  const std::string nome = NomeGrandezza(variabile);
  if (testo.find_first_not_of(" \t") == std::string::npos) {
    errore = nome + ": la casella è vuota.";
    return std::nullopt;
  }
  const std::optional<double> letto = r.NumeroDigitato(testo);
  if (!letto) {
    errore = nome + ": \"" + testo + "\" non è un numero.\r" + "Il separatore decimale è \"" + r.decimale() + "\"";
    if (r.SeparatoreMigliaia() != 0)
      errore += "; il separatore delle migliaia \"" + r.migliaia() + "\" separa solo gruppi di tre cifre";
    errore += ".";
    return std::nullopt;
  }
  const double v = *letto / divisore;
  if (tipo == TipoCasella::Integer) {
    const double intero = roundHalfEven(v);
    if (intero < -32768 || intero > 32767) {
      errore = nome + ": " + testo + " supera il campo dei numeri interi (da -32768 a 32767).";
      return std::nullopt;
    }
    return intero;
  }
  if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
    errore = nome + ": " + testo + " supera il campo dei numeri Single (" + r.TestoSingle(FLT_MAX) + ").";
    return std::nullopt;
  }
  return tipo == TipoCasella::Single ? static_cast<double>(static_cast<Single>(v)) : v;
}

}  // namespace voro
