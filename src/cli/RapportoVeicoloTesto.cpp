// The vehicle sweep in the assessment report.
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/Flussi.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

void ScriviRapportoVeicolo(std::ostream& out, const RisultatiVeicolo& r, const RisultatiSicurezza& sicurezza, const Messages& l,
                           const std::string& dec) {
  const Veicolo& v = r.veicolo;
  out << "\n"
      << Componi(l.traduci("Voro", "6. Vehicle: %1 (track s %2 m, contact width w %3 m)"),
                 {TestoTerminale(v.Nome), fmt(dec, "%.3f", v.Carreggiata), fmt(dec, "%.3f", v.LarghezzaImpronta)})
      << "\n";
  for (std::size_t k = 0; k < v.Assi.size(); ++k)
    out << "  "
        << Componi(
               l.traduci("Voro", "axle %1: P = %2 kN at d = %3 m, contact a = %4 m"),
               {std::to_string(k + 1), fmt(dec, "%.2f", v.Assi[k].P), fmt(dec, "%.3f", v.Assi[k].d), fmt(dec, "%.3f", v.Assi[k].a)})
        << "\n";
  const std::string regola =
      r.diffusione.regola == RegolaDiffusione::Nessuna ? l.traduci("Diffusione", "none") : r.diffusione.Testo();
  out << "  "
      << Componi(l.traduci("Voro", "Spread through the fill: %1 (theta = %2 degrees from the vertical on each side); "
                                   "across the bridge over\n  b_e = s + w + 2 h tan(theta), at most the ring's width "
                                   "b: the ring takes P b / b_e.\n  The live-load factor multiplies the strip load "
                                   "and the vehicle together."),
                 {regola, fmt(dec, "%.2f", r.diffusione.Angolo())})
      << "\n";
  const bool unVerso = r.posizioni.empty() || r.posizioni.back().verso == r.posizioni.front().verso;
  out << "  "
      << Componi(unVerso ? l.traduci("Voro", "Swept in %1 positions (steps of at most %2 m), one way (symmetric "
                                             "vehicle).")
                         : l.traduci("Voro", "Swept in %1 positions (steps of at most %2 m), both ways."),
                 {std::to_string(r.posizioni.size()), fmt(dec, "%.3f", r.passo)})
      << "\n";
  if (r.posizioniNonCertificate > 0) {
    out << "  "
        << Componi(l.traduci("Voro", "Not certified at %1 positions: no least factor is given."),
                   {std::to_string(r.posizioniNonCertificate)})
        << "\n";
  } else if (!r.fattorePeggiore) {
    out << "  " << l.traduci("Voro", "At no position can the variable load make the arch collapse.") << "\n";
    return;
  }
  out << "  "
      << Componi(r.versoPeggiore == Verso::Avanti
                     ? l.traduci("Voro", "Least live-load factor %1 with the first axle at x = %2 m, driven forward.")
                     : l.traduci("Voro", "Least live-load factor %1 with the first axle at x = %2 m, driven backward."),
                 {fmtFattore(dec, *r.fattorePeggiore, 3), fmt(dec, "%.3f", r.xPeggiore)})
      << "\n";
  const std::string mecc = CerniereInParole(r.meccanismo, sicurezza, l);
  out << "  " << Componi(l.traduci("Voro", "Collapse mechanism, four hinges at joints %1."), {mecc}) << "\n";
  out << l.traduci("Voro",
                   "  Axle     x [m]    h [m]  from [m]    to [m]    b [m]  b_e [m]  on ring [kN]  at collapse [kN]")
      << "\n";
  for (std::size_t k = 0; k < r.assiPeggiori.size(); ++k) {
    const ImprontaAsse& a = r.assiPeggiori[k];
    const double P = k < v.Assi.size() ? v.Assi[k].P : 0;
    out << fmt(dec, "%6.0f", static_cast<double>(k + 1)) << fmt(dec, "%10.3f", a.x) << fmt(dec, "%9.3f", a.h) << fmt(dec, "%10.3f", a.x1)
        << fmt(dec, "%10.3f", a.x2) << fmt(dec, "%9.3f", a.b) << fmt(dec, "%9.3f", a.be) << fmt(dec, "%14.2f", a.F)
        << fmt(dec, "%18.2f", *r.fattorePeggiore * P) << "\n";
  }
}

}  // namespace voro::cli
