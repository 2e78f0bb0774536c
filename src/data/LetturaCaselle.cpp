// Reading the typed boxes of the data forms.
#include "data/LetturaCaselle.h"

#include <cfloat>
#include <cmath>

#include "data/ValoriFisici.h"

namespace voro {

std::optional<double> LeggiCasella(const Regional& r, const std::string& testo, const std::string& variabile,
                                   TipoCasella tipo, std::string& errore, double divisore) {
  const std::string nome = NomeGrandezza(variabile, r);
  if (testo.find_first_not_of(" \t") == std::string::npos) {
    errore = Componi(r.traduci("Voro", "%1: la casella è vuota."), {nome});
    return std::nullopt;
  }
  const std::optional<double> letto = r.NumeroDigitato(testo);
  if (!letto) {
    errore = Componi(r.traduci("Voro", "%1: \"%2\" non è un numero.\rIl separatore decimale è \"%3\""),
                     {nome, testo, r.decimale()});
    if (r.SeparatoreMigliaia() != 0)
      errore += Componi(r.traduci("Voro", "; il separatore delle migliaia \"%1\" separa solo gruppi di tre cifre"),
                        {r.migliaia()});
    errore += ".";
    return std::nullopt;
  }
  const double v = *letto / divisore;
  if (tipo == TipoCasella::Integer) {
    const double intero = roundHalfEven(v);
    if (intero < -32768 || intero > 32767) {
      errore = Componi(r.traduci("Voro", "%1: %2 supera il campo dei numeri interi (da -32768 a 32767)."), {nome, testo});
      return std::nullopt;
    }
    return intero;
  }
  if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
    errore = Componi(r.traduci("Voro", "%1: %2 supera il campo dei numeri Single (%3)."),
                     {nome, testo, r.TestoSingle(FLT_MAX)});
    return std::nullopt;
  }
  return tipo == TipoCasella::Single ? static_cast<double>(static_cast<Single>(v)) : v;
}

}  // namespace voro
