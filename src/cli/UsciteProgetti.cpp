// Each project's outcome on standard error; --json and --csv.
#include "cli/UsciteProgetti.h"

namespace voro::cli {

UsciteRisultati LeggiUsciteRisultati(const Argomenti& a) {
  UsciteRisultati u;
  u.json = a.ha("--json");
  u.csv = a.valore("--csv").value_or("");
  if (u.json && u.csv == kFlussoStandard) throw ErroreUso("--json and --csv - both write to standard output");
  return u;
}

int RiferisciProgetto(const Soluzione& s, int status) {
  StampaMessaggi(s.file, s.messaggi);
  if (s.esito == Esito::FileIllegibile) {
    StampaIllegibile(s.file, s.errore);
    return esito::FileErrato;
  }
  if (s.esito == Esito::Fallito && status == esito::Riuscito) return esito::Fallito;
  return status;
}

}  // namespace voro::cli
