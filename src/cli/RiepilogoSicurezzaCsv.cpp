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

// Hinges as "5i 7e ...": 5i a hinge at the intrados of joint 5, 5ic a
// crushing one, 5s a sliding joint; in a bridge "2/5i" for joint 5 of span
// 2, and "P1e" for pier 1 rocking about its right (extrados side) edge.
std::string cerniere(const std::vector<Cerniera>& c, const RisultatiSicurezza& r) {
  std::string t;
  for (const Cerniera& h : c) {
    const auto j = static_cast<std::size_t>(h.giunto - 1);
    std::string dove = std::to_string(h.giunto);
    if (r.nCampate > 1 && j < r.posti.size())
      dove = r.posti[j].pila > 0 ? "P" + std::to_string(r.posti[j].pila)
                                 : std::to_string(r.posti[j].campata) + "/" + std::to_string(r.posti[j].giunto);
    t += (t.empty() ? "" : " ") + dove +
         (h.tipo == TipoCerniera::Scorrimento ? "s"
          : h.faccia == Faccia::Intradosso   ? "i"
                                             : "e") +
         (h.tipo == TipoCerniera::Schiacciamento ? "c" : "");
  }
  return t;
}

}  // namespace

void ScriviCsvSicurezza(std::ostream& out, const std::vector<ProgettoValutato>& progetti) {
  out << "file,status,adequate,adequacyFactor,combination,admissible,"
         "thicknessRatio,geometricSafetyFactor,thrustMin [kN],thrustMax [kN],"
         "liveLoadFactor,mechanism,worstLiveLoadFactor,worstXq1 [m],minimumThickness [m],thicknessFactor,"
         "compressiveStrength [MPa],friction,mobilisation,message";
  // The vehicle's columns only when a project has a vehicle, so the table of
  // projects without one stays as it was.
  bool conVeicolo = false;
  for (const ProgettoValutato& p : progetti) conVeicolo = conVeicolo || p.veicolo.has_value();
  if (conVeicolo) out << ",vehicle,worstVehicleFactor,worstVehicleX [m],worstVehicleDirection,vehicleMechanism";
  out << "\n";
  for (const ProgettoValutato& p : progetti) {
    const Soluzione& s = p.soluzione;
    out << cella(s.file) << ',';
    if (s.esito != Esito::Risolto) {
      out << StatoSenzaRisultati(s) << ",,,,,,,,,,,,,,,,,," << cella(s.errore) << (conVeicolo ? ",,,,," : "") << "\n";
      continue;
    }
    const RisultatiSicurezza& r = p.sicurezza;
    out << "ok,";
    if (p.adeguatezza && p.adeguatezza->verdetto())
      out << (p.adeguatezza->adeguato() ? "true" : "false") << ',' << valore(p.adeguatezza->fattore()) << ','
          << NomeCombinazione(p.adeguatezza->governante().combinazione) << ',';
    else
      out << ",,,";
    out << (r.ammissibile ? "true" : "false") << ',' << valore(r.rapportoSpessore) << ','
        << valore(r.fattoreGeometrico) << ',' << valore(r.spintaMinima) << ',' << valore(r.spintaMassima) << ','
        << valore(r.fattoreCarico) << ',' << cerniere(r.meccanismo, r) << ',' << valore(r.fattorePeggiore) << ','
        << valore(r.xq1Peggiore) << ',' << valore(r.spessoreMinimo) << ',' << valore(r.fattoreSpessore) << ','
        << valore(r.resistenzaMinima) << ',' << valore(r.attrito) << ',' << valore(r.mobilitazione) << ",";
    if (conVeicolo) {
      out << ',';
      if (const auto& v = p.veicolo) {
        out << cella(v->veicolo.Nome) << ',' << valore(v->fattorePeggiore) << ',';
        if (v->fattorePeggiore) out << valore(std::optional<double>(v->xPeggiore)) << ',' << TestoVerso(v->versoPeggiore);
        else out << ',';
        out << ',' << cerniere(v->meccanismo, r);
      } else {
        out << ",,,,";
      }
    }
    out << "\n";
  }
}

}  // namespace voro::cli
