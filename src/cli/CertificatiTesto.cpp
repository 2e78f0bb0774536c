// The certificates of the assessment in words: each figure between a thrust
// line that stands and a mechanism that collapses.
#include "cli/Comune.h"
#include "cli/RapportiSicurezza.h"
#include "data/Traduzioni.h"
#include "limite/ElencoCertificati.h"

namespace voro::cli {

namespace {

std::string riga(const char* figura, const Certificato& c, const Messages& l, const std::string& dec) {
  const std::string scarto = fmt(dec, "%.1e", c.scarto), tolleranza = fmt(dec, "%.0e", c.tolleranza);
  const std::string nome = l.traduci("Voro", figura);
  if (!c.valido())
    return Componi(l.traduci("Voro", "%1: not certified (static %2, kinematic %3)."),
                   {nome, c.statico ? l.traduci("Voro", "yes") : l.traduci("Voro", "no"),
                    c.cinematico ? l.traduci("Voro", "yes") : l.traduci("Voro", "no")});
  return Componi(l.traduci("Voro", "%1: certified, gap %2 (stated %3), %4."),
                 {nome, scarto, tolleranza,
                  c.solutore == Solutore::Clp ? l.traduci("Voro", "COIN-OR CLP") : l.traduci("Voro", "dense simplex")});
}

}  // namespace

void ScriviCertificati(std::ostream& out, const RisultatiSicurezza& r, const RisultatiVeicolo* veicolo,
                       const Messages& l, const std::string& dec) {
  out << "\n" << l.traduci("Voro", "Certificates") << "\n  "
      << l.traduci("Voro", "Each figure lies between a thrust line that stands (safe) and a mechanism that collapses "
                           "(unsafe),\n  and the two agree within the stated gap.")
      << "\n";
  for (const FiguraCertificata& f : ElencoCertificati(r, veicolo)) out << "  " << riga(f.nome, f.certificato, l, dec) << "\n";
}

}  // namespace voro::cli
