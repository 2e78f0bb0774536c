// The vehicle sweep in the assessment report.
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/Flussi.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

void ScriviRapportoVeicolo(std::ostream& out, const RisultatiVeicolo& r) {
  const Veicolo& v = r.veicolo;
  out << "\n6. Vehicle: " << TestoTerminale(v.Nome) << " (track s " << fmt("%.3f", v.Carreggiata)
      << " m, contact width w " << fmt("%.3f", v.LarghezzaImpronta) << " m)\n";
  for (std::size_t k = 0; k < v.Assi.size(); ++k)
    out << "  axle " << k + 1 << ": P = " << fmt("%.2f", v.Assi[k].P) << " kN at d = " << fmt("%.3f", v.Assi[k].d)
        << " m, contact a = " << fmt("%.3f", v.Assi[k].a) << " m\n";
  out << "  Spread through the fill: " << r.diffusione.Testo() << " (theta = " << fmt("%.2f", r.diffusione.Angolo())
      << " degrees from the vertical on each side); across the bridge over\n"
         "  b_e = s + w + 2 h tan(theta), at most the ring's width b: the ring takes P b / b_e.\n"
         "  The live-load factor multiplies the strip load and the vehicle together.\n";
  out << "  Swept in " << r.posizioni.size() << " positions (steps of at most " << fmt("%.3f", r.passo) << " m)"
      << (r.posizioni.empty() || r.posizioni.back().verso == r.posizioni.front().verso ? ", one way (symmetric vehicle)"
                                                                                       : ", both ways")
      << ".\n";
  if (!r.fattorePeggiore) {
    out << "  At no position can the variable load make the arch collapse.\n";
    return;
  }
  out << "  Least live-load factor " << fmt("%.3f", *r.fattorePeggiore) << " with the first axle at x = "
      << fmt("%.4f", r.xPeggiore) << " m, driven " << TestoVerso(r.versoPeggiore) << ".\n";
  std::string mecc;
  for (std::size_t k = 0; k < r.meccanismo.size(); ++k)
    mecc += (k ? ", " : "") + std::to_string(r.meccanismo[k].giunto) +
            (r.meccanismo[k].faccia == Faccia::Intradosso ? " (intrados)" : " (extrados)");
  out << "  Collapse mechanism, four hinges at joints " << mecc << ".\n";
  out << "  Axle     x [m]    h [m]  from [m]    to [m]    b [m]  b_e [m]  on ring [kN]  at collapse [kN]\n";
  for (std::size_t k = 0; k < r.assiPeggiori.size(); ++k) {
    const ImprontaAsse& a = r.assiPeggiori[k];
    const double P = k < v.Assi.size() ? v.Assi[k].P : 0;
    out << fmt("%6.0f", static_cast<double>(k + 1)) << fmt("%10.3f", a.x) << fmt("%9.3f", a.h) << fmt("%10.3f", a.x1)
        << fmt("%10.3f", a.x2) << fmt("%9.3f", a.b) << fmt("%9.3f", a.be) << fmt("%14.2f", a.F)
        << fmt("%18.2f", *r.fattorePeggiore * P) << "\n";
  }
}

}  // namespace voro::cli
