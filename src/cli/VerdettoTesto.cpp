// The verdict that opens the assessment report: adequate or not under the
// code's partial factors, with the factor, its combination and the load and
// mechanism that govern.
#include <string>

#include "cli/Comune.h"
#include "cli/RapportiSicurezza.h"
#include "data/Mancanze.h"
#include "data/Normative.h"
#include "data/TrafficoFerroviario.h"

namespace voro::cli {

namespace {

std::string cerniere(const std::vector<Cerniera>& c, const Messages& l) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k)
    t += (k ? ", " : "") + std::to_string(c[k].giunto) +
         (c[k].faccia == Faccia::Intradosso ? l.traduci("Voro", " (intrados)") : l.traduci("Voro", " (extrados)"));
  return t;
}

std::string combinazione(Combinazione c, const Messages& l) {
  switch (c) {
    case Combinazione::Inf: return l.traduci("Voro", "every permanent load at its favourable factor");
    case Combinazione::Sup: return l.traduci("Voro", "every permanent load at its unfavourable factor");
    case Combinazione::G1SupG2Inf:
      return l.traduci("Voro", "structural permanent loads unfavourable, slab and surfacing favourable");
    case Combinazione::G1InfG2Sup:
      return l.traduci("Voro", "structural permanent loads favourable, slab and surfacing unfavourable");
  }
  return {};
}

}  // namespace

void ScriviVerdetto(std::ostream& out, const ProgettoValutato& p) {
  if (!p.adeguatezza) return;
  const Adeguatezza& a = *p.adeguatezza;
  const EsitoCombinazione& g = a.governante();
  const DatiNormativa& n = p.soluzione.dati.Normativa;
  const CoefficientiParziali& c = a.coefficienti;
  const Messages& l = p.soluzione.messaggi;
  const std::string& dec = p.soluzione.decimale;
  Regional lingua(dec, "");
  lingua.setTraduzioni(l.traduzioni());
  out << "\n";
  const std::string livello = n.livello ? NomeLivello(*n.livello) : l.traduci("Voro", "not given");
  if (!a.verdetto()) {
    out << TestoMancanze(a.mancanze, lingua) << "\n  "
        << Componi(l.traduci("Voro", "Code basis: %1, knowledge level %2."),
                   {l.traduci("Voro", NomeNormativa(n.base).c_str()), livello})
        << "\n";
    return;
  }
  if (!a.certificata())
    out << l.traduci("Voro", "Verdict: not certified (a figure it rests on has no certified answer)");
  else if (!a.fattore())
    out << (a.adeguato() ? l.traduci("Voro", "Verdict: adequate") : l.traduci("Voro", "Verdict: not adequate"));
  else
    out << Componi(a.adeguato() ? l.traduci("Voro", "Verdict: adequate (adequacy factor %1 >= 1)")
                                : l.traduci("Voro", "Verdict: not adequate (adequacy factor %1 < 1)"),
                   {fmtFattore(dec, *a.fattore(), 3)});
  out << "\n  "
      << Componi(l.traduci("Voro", "Code basis: %1, knowledge level %2."),
                 {l.traduci("Voro", NomeNormativa(n.base).c_str()), livello})
      << "\n  "
      << Componi(l.traduci("Voro", "Partial factors: gG1 %1 / %2, gG2 %3 / %4 (unfavourable / favourable), gQ %5, "
                                   "gM %6, FC %7."),
                 {fmt(dec, "%.2f", c.gG1sup), fmt(dec, "%.2f", c.gG1inf), fmt(dec, "%.2f", c.gG2sup), fmt(dec, "%.2f", c.gG2inf),
                  fmt(dec, "%.2f", c.gQ), fmt(dec, "%.2f", c.gM), fmt(dec, "%.2f", c.FC)})
      << "\n";
  const DatiProgetto& d = p.soluzione.dati;
  if (d.VeicoloCarico && d.VeicoloCarico->Ferroviario())
    out << "  "
        << Componi(l.traduci("Voro", "Rail vehicle: gQ,rail %1, alpha %2, Phi %3; its design axle loads %4 times the "
                                     "characteristic ones (the strip load gQ)."),
                   {fmt(dec, "%.2f", c.gQf), fmt(dec, "%.2f", c.alpha), fmt(dec, "%.3f", PhiDelProgetto(d, c)),
                    fmt(dec, "%.4f", FattoreVeicolo(d, c))})
        << "\n";
  switch (g.esito) {
    case EsitoCarico::Finito:
      out << "  "
          << Componi(l.traduci("Voro", "The design variable load can be multiplied by %1 before the arch becomes a "
                                       "mechanism\n  (%2)."),
                     {fmtFattore(dec, *g.fattore, 3), combinazione(g.combinazione, l)})
          << "\n";
      for (const EsitoCombinazione& e : a.combinazioni)
        if (&e != &g && e.fattore &&
            FattoriPermanenti(c, e.combinazione) != FattoriPermanenti(c, g.combinazione))
          out << "  "
              << Componi(l.traduci("Voro", "With %1: %2."),
                         {combinazione(e.combinazione, l), fmtFattore(dec, *e.fattore, 3)})
              << "\n";
      if (g.governante)
        out << "  "
            << Componi(l.traduci("Voro", "Governing load: the %1 from x = %2 to %3 m."),
                       {TestoCarico(*g.governante, lingua), fmt(dec, "%.3f", g.governante->x1),
                        fmt(dec, "%.3f", g.governante->x2)})
            << "\n";
      if (!g.meccanismo.empty())
        out << "  " << Componi(l.traduci("Voro", "Mechanism: hinges at joints %1."), {p.sicurezza.nCampate > 1 ? CerniereInParole(g.meccanismo, p.sicurezza, l)
                                                                           : cerniere(g.meccanismo, l)})
            << "\n";
      break;
    case EsitoCarico::Illimitato:
      out << "  " << l.traduci("Voro", "No design variable load, however large, can turn the arch into a mechanism.")
          << "\n";
      break;
    case EsitoCarico::NessunCarico:
      out << "  "
          << (a.adeguato() ? l.traduci("Voro", "The project has no variable load; a thrust line fits under the design "
                                               "permanent loads.")
                           : l.traduci("Voro", "The project has no variable load, and no thrust line fits under the "
                                               "design permanent loads."))
          << "\n";
      break;
    case EsitoCarico::Impossibile:
      out << "  "
          << Componi(l.traduci("Voro", "Not even the design permanent loads alone find a thrust line within the "
                                       "masonry\n  (%1)."),
                     {combinazione(g.combinazione, l)})
          << "\n";
      break;
    case EsitoCarico::NonCertificato:
      out << "  " << l.traduci("Voro", "The design live-load factor is not certified.") << "\n";
      break;
  }
}

}  // namespace voro::cli
