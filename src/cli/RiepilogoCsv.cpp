// The summary table of several projects, one row each.
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/Rapporti.h"

namespace voro::cli {

void ScriviCsv(std::ostream& out, const std::vector<Soluzione>& soluzioni) {
  out << "file,status,sig_e_worst [MPa],sig_e_section,sig_i_worst [MPa],sig_i_section,min_comp [%],"
         "min_comp_section,Vl [kN],Hl [kN],Vr [kN],Hr [kN],tie_thrust [kN],el [mm],ec [mm],er [mm],message\n";
  for (const Soluzione& s : soluzioni) {
    // A bridge's spans each on a row of their own.
    out << cella(s.campata > 0 ? s.file + " #" + std::to_string(s.campata) : s.file) << ',';
    if (s.esito != Esito::Risolto) {
      out << StatoSenzaRisultati(s) << ",,,,,,,,,,,,,,," << cella(s.errore) << "\n";
      continue;
    }
    const RisultatiCalcolo& r = s.risultati;
    // A search stopped by Ctrl+C gives the results of the best point so far.
    out << (r.RicercaInterrotta ? "stopped," : "ok,") << fmt("%.6g", r.SigmaEstPeggiore / 1000) << ','
        << r.iSigmaEstPeggiore << ',' << fmt("%.6g", r.SigmaIntPeggiore / 1000) << ',' << r.iSigmaIntPeggiore << ',' << fmt("%.4g", r.PercMinima)
        << ',' << r.iPercMinima << ',' << fmt("%.6g", r.VSinistra) << ',' << fmt("%.6g", r.HSinistra) << ','
        << fmt("%.6g", r.VDestra) << ',' << fmt("%.6g", r.HDestra) << ',' << fmt("%.6g", s.TiroCatena) << ','
        << fmt("%.6g", r.EccCalcSinistra * 1000.0) << ',' << fmt("%.6g", r.EccCalcChiave * 1000.0) << ','
        << fmt("%.6g", r.EccCalcDestra * 1000.0) << ",\n";
  }
}

}  // namespace voro::cli
