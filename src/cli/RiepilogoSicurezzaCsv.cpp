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
  out << "file,status,admissible,thicknessRatio,geometricSafetyFactor,thrustMin [kN],thrustMax [kN],"
         "liveLoadFactor,mechanism,worstLiveLoadFactor,worstXq1 [m],minimumThickness [m],thicknessFactor,"
         "compressiveStrength [MPa],friction,mobilisation,message\n";
  for (const ProgettoValutato& p : progetti) {
    const Soluzione& s = p.soluzione;
    out << cella(s.file) << ',';
    if (s.esito != Esito::Risolto) {
      out << StatoSenzaRisultati(s) << ",,,,,,,,,,,,,,," << cella(s.errore) << "\n";
      continue;
    }
    const RisultatiSicurezza& r = p.sicurezza;
    std::string meccanismo;
    // 5i a hinge at the intrados of joint 5, 5ic a crushing one, 5s a sliding joint.
    for (const Cerniera& c : r.meccanismo)
      meccanismo += (meccanismo.empty() ? "" : " ") + std::to_string(c.giunto) +
                    (c.tipo == TipoCerniera::Scorrimento        ? "s"
                     : c.faccia == Faccia::Intradosso           ? "i"
                                                                : "e") +
                    (c.tipo == TipoCerniera::Schiacciamento ? "c" : "");
    out << "ok," << (r.ammissibile ? "true" : "false") << ',' << valore(r.rapportoSpessore) << ','
        << valore(r.fattoreGeometrico) << ',' << valore(r.spintaMinima) << ',' << valore(r.spintaMassima) << ','
        << valore(r.fattoreCarico) << ',' << meccanismo << ',' << valore(r.fattorePeggiore) << ','
        << valore(r.xq1Peggiore) << ',' << valore(r.spessoreMinimo) << ',' << valore(r.fattoreSpessore) << ','
        << valore(r.resistenzaMinima) << ',' << valore(r.attrito) << ',' << valore(r.mobilitazione) << ",\n";
  }
}

}  // namespace voro::cli
