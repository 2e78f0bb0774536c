// The verdict that opens the assessment report: adequate or not under the
// code's partial factors, with the factor, its combination and the load and
// mechanism that govern.
#include <string>

#include "cli/Comune.h"
#include "cli/RapportiSicurezza.h"
#include "data/Normative.h"

namespace voro::cli {

namespace {

std::string cerniere(const std::vector<Cerniera>& c) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k)
    t += (k ? ", " : "") + std::to_string(c[k].giunto) + (c[k].faccia == Faccia::Intradosso ? " (intrados)" : " (extrados)");
  return t;
}

std::string combinazione(Combinazione c) {
  return c == Combinazione::Inf ? "every permanent load at its favourable factor"
                                : "every permanent load at its unfavourable factor";
}

}  // namespace

void ScriviVerdetto(std::ostream& out, const ProgettoValutato& p) {
  if (!p.adeguatezza) return;
  const Adeguatezza& a = *p.adeguatezza;
  const EsitoCombinazione& g = a.governante();
  const DatiNormativa& n = p.soluzione.dati.Normativa;
  const CoefficientiParziali& c = a.coefficienti;
  out << "\nVerdict: " << (a.adeguato() ? "adequate" : "not adequate");
  if (a.fattore()) out << " (adequacy factor " << fmtFattore(*a.fattore(), 3) << (a.adeguato() ? " >= 1)" : " < 1)");
  out << "\n  Code basis: " << NomeNormativa(n.base) << ", knowledge level " << NomeLivello(n.livello)
      << ".\n  Partial factors: gG1 " << fmt("%.2f", c.gG1sup) << " / " << fmt("%.2f", c.gG1inf) << ", gG2 "
      << fmt("%.2f", c.gG2sup) << " / " << fmt("%.2f", c.gG2inf) << " (unfavourable / favourable), gQ " << fmt("%.2f", c.gQ)
      << ", gM " << fmt("%.2f", c.gM) << ", FC " << fmt("%.2f", c.FC) << ".\n";
  switch (g.esito) {
    case EsitoCarico::Finito:
      out << "  The design variable load can be multiplied by " << fmtFattore(*g.fattore, 3)
          << " before the arch becomes a mechanism\n  (" << combinazione(g.combinazione) << ").\n";
      for (const EsitoCombinazione& e : a.combinazioni)
        if (&e != &g && e.fattore)
          out << "  With " << combinazione(e.combinazione) << ": " << fmtFattore(*e.fattore, 3) << ".\n";
      if (g.governante)
        out << "  Governing load: the " << g.governante->carico << " from x = " << fmt("%.3f", g.governante->x1)
            << " to " << fmt("%.3f", g.governante->x2) << " m.\n";
      if (!g.meccanismo.empty()) out << "  Mechanism: hinges at joints " << cerniere(g.meccanismo) << ".\n";
      break;
    case EsitoCarico::Illimitato:
      out << "  No design variable load, however large, can turn the arch into a mechanism.\n";
      break;
    case EsitoCarico::NessunCarico:
      out << (a.adeguato() ? "  The project has no variable load; a thrust line fits under the design permanent loads.\n"
                           : "  The project has no variable load, and no thrust line fits under the design permanent loads.\n");
      break;
    case EsitoCarico::Impossibile:
      out << "  Not even the design permanent loads alone find a thrust line within the masonry\n  ("
          << combinazione(g.combinazione) << ").\n";
      break;
  }
}

}  // namespace voro::cli
