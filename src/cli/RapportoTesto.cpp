// The report of one solved project.
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/Rapporti.h"

namespace voro::cli {

namespace {

std::string mpa(double kNm2) { return fmt("%10.3f", kNm2 / 1000); }
std::string mm(double m) { return fmt("%9.1f", m * 1000); }

}  // namespace

void ScriviRapporto(std::ostream& out, const Soluzione& s) {
  const DatiProgetto& d = s.dati;
  const ModelloArco& m = s.modello;
  const RisultatiCalcolo& r = s.risultati;
  out << "Voro - arch assessment by limit analysis\n";
  out << "File:    " << s.file << "\n";
  if (!d.Titolo.empty()) out << "Project: " << d.Titolo << "\n";
  if (s.esito != Esito::Risolto) {
    out << "\nNo results: " << s.errore << "\n";
    return;
  }
  out << "\nModel: " << m.nConciTot << " voussoirs, " << m.nGiunti << " sections, crown voussoir " << m.iChiave
      << ", wall voussoirs " << m.nConciPareteSinistra << " left and " << m.nConciPareteDestra << " right\n";
  out << "Thrust line: "
      << (d.OttimizzaCerniere ? (d.OttimizzaEccentricita ? "optimised, largest distance from the edges"
                                                         : "optimised, smallest peak compression")
                              : "through the given eccentricities")
      << "\n";

  out << "\nEccentricities used [mm] (from the joint centre, positive toward the extrados)\n";
  out << "  left springing  el " << mm(r.EccCalcSinistra) << "\n";
  out << "  crown           ec " << mm(r.EccCalcChiave) << "\n";
  out << "  right springing er " << mm(r.EccCalcDestra) << "\n";

  out << "\nSections (1 = left springing, i + 1 = right joint of voussoir i)\n";
  out << " Sect. sig_e [MPa] sig_i [MPa]  %comp      N [kN]      T [kN]   e [mm]\n";
  for (int j = 1; j <= m.nGiunti; ++j) {
    double N, T, e;
    if (j == 1) {
      N = r.NPrimaSezione, T = r.TPrimaSezione, e = r.EccCalcSinistra;
    } else {
      const Concio& c = m.Conci(j - 1);
      N = c.Fassiale, T = c.Ftaglio, e = c.Eccentric;
    }
    out << fmt("%6.0f", j) << "  " << mpa(r.SigmaEstGiunti(j)) << "  " << mpa(r.SigmaIntGiunti(j))
        << fmt("%7.1f", r.PercGiunti(j)) << fmt("%12.2f", N) << fmt("%12.2f", T) << mm(e) << "\n";
  }

  out << "\nWorst values (compression positive, negative if traction)\n";
  out << "  extrados stress  sig_e " << mpa(r.SigmaEstPeggiore) << " MPa   section " << r.iSigmaEstPeggiore << "\n";
  out << "  intrados stress  sig_i " << mpa(r.SigmaIntPeggiore) << " MPa   section " << r.iSigmaIntPeggiore << "\n";
  out << "  compressed part  min   " << fmt("%10.1f", r.PercMinima) << " %     section " << r.iPercMinima << "\n";

  out << "\nReactions at springings [kN] (forces of the supports on the arch)\n";
  out << "  Hl " << fmt("%12.2f", r.HSinistra) << "    Vl " << fmt("%12.2f", r.VSinistra) << "\n";
  out << "  Hr " << fmt("%12.2f", r.HDestra) << "    Vr " << fmt("%12.2f", r.VDestra) << "\n";
  out << "  Tie thrust (tie at the springings) " << fmt("%.2f", s.TiroCatena) << " kN\n";

  out << "\nWalls reactions (horizontal pressures)\n";
  out << "  Hl " << fmt("%12.2f", r.SommaHSinistra) << " kN    Hr " << fmt("%12.2f", -r.SommaHDestra) << " kN\n";
  out << "  Ml " << fmt("%12.2f", s.MomentoPareteSinistra) << " kNm   Mr " << fmt("%12.2f", s.MomentoPareteDestra)
      << " kNm\n";
  out << "\nTotal vertical load " << fmt("%.2f", r.SommaV) << " kN\n";
}

}  // namespace voro::cli
