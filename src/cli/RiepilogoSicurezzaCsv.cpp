// The summary table of several assessments, one row each.
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

namespace {

template <class T>
std::string valore(const std::optional<T>& v) {
  if (!v) return "";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.6g", static_cast<double>(*v));
  return buf;
}

}  // namespace

void ScriviCsvSicurezza(std::ostream& out, const std::vector<ProgettoValutato>& progetti) {
  out << "file,status,adequate,adequacyFactor,combination,admissible,thicknessRatio,geometricSafetyFactor,thrustMin [kN],thrustMax [kN],"
         "liveLoadFactor,mechanism,worstLiveLoadFactor,worstXq1 [m],minimumThickness [m],thicknessFactor,message\n";
  for (const ProgettoValutato& p : progetti) {
    const Soluzione& s = p.soluzione;
    out << cella(s.file) << ',';
    if (s.esito != Esito::Risolto) {
      out << StatoSenzaRisultati(s) << ",,,,,,,,,,,,,,," << cella(s.errore) << "\n";
      continue;
    }
    const RisultatiSicurezza& r = p.sicurezza;
    std::string meccanismo;
    for (const Cerniera& c : r.meccanismo)
      meccanismo += (meccanismo.empty() ? "" : " ") + std::to_string(c.giunto) +
                    (c.faccia == Faccia::Intradosso ? "i" : "e");
    out << "ok,";
    if (p.adeguatezza)
      out << (p.adeguatezza->adeguato() ? "true" : "false") << ',' << valore(p.adeguatezza->fattore()) << ','
          << NomeCombinazione(p.adeguatezza->governante().combinazione) << ',';
    else
      out << ",,,";
    out << (r.ammissibile ? "true" : "false") << ',' << valore(r.rapportoSpessore) << ','
        << valore(r.fattoreGeometrico) << ',' << valore(r.spintaMinima) << ',' << valore(r.spintaMassima) << ','
        << valore(r.fattoreCarico) << ',' << meccanismo << ',' << valore(r.fattorePeggiore) << ','
        << valore(r.xq1Peggiore) << ',' << valore(r.spessoreMinimo) << ',' << valore(r.fattoreSpessore) << ",\n";
  }
}

}  // namespace voro::cli
