// The JSON form of one solved project, for scripts and comparisons: every
// value with enough digits to read back its exact binary value.
#include <string>

#include "cli/Json.h"
#include "cli/Rapporti.h"

namespace voro::cli {

void ScriviJson(std::ostream& out, const Soluzione& s, int indent) {
  Oggetto o(out, indent);
  // A span of a bridge, solved alone on rigid springings.
  if (s.campata > 0) {
    o.campo("span", s.campata);
    o.campo("spans", s.nCampate);
  }
  if (ScriviFallimento(o, s)) return;
  const ModelloArco& m = s.modello;
  const RisultatiCalcolo& r = s.risultati;
  o.campo("nConciTot", m.nConciTot);
  o.campo("nGiunti", m.nGiunti);
  o.campo("iChiave", m.iChiave);
  o.campo("nConciPareteSinistra", m.nConciPareteSinistra);
  o.campo("nConciPareteDestra", m.nConciPareteDestra);
  // Present only when Ctrl+C stopped the hinge search at the best point so far.
  if (r.RicercaInterrotta) o.chiave("StopOttimizzazione") << "true";
  o.campo("EccCalcSinistra", r.EccCalcSinistra);
  o.campo("EccCalcChiave", r.EccCalcChiave);
  o.campo("EccCalcDestra", r.EccCalcDestra);
  o.lista("xCerniera", r.xCerniera.begin(), r.xCerniera.end());
  o.lista("yCerniera", r.yCerniera.begin(), r.yCerniera.end());
  o.campo("VSinistra", r.VSinistra);
  o.campo("HSinistra", r.HSinistra);
  o.campo("VDestra", r.VDestra);
  o.campo("HDestra", r.HDestra);
  o.campo("SommaV", r.SommaV);
  o.campo("SommaHSinistra", r.SommaHSinistra);
  o.campo("SommaHDestra", r.SommaHDestra);
  o.campo("NPrimaSezione", r.NPrimaSezione);
  o.campo("TPrimaSezione", r.TPrimaSezione);
  o.lista("SigmaEstGiunti", r.SigmaEstGiunti.begin(), r.SigmaEstGiunti.end());
  o.lista("SigmaIntGiunti", r.SigmaIntGiunti.begin(), r.SigmaIntGiunti.end());
  o.lista("TauGiunti", r.TauGiunti.begin(), r.TauGiunti.end());
  o.lista("PercGiunti", r.PercGiunti.begin(), r.PercGiunti.end());
  o.campo("SigmaEstPeggiore", r.SigmaEstPeggiore);
  o.campo("iSigmaEstPeggiore", r.iSigmaEstPeggiore);
  o.campo("SigmaIntPeggiore", r.SigmaIntPeggiore);
  o.campo("iSigmaIntPeggiore", r.iSigmaIntPeggiore);
  o.campo("PercMinima", r.PercMinima);
  o.campo("iPercMinima", r.iPercMinima);
  o.campo("xq1", s.dati.xq1);
  o.campo("xq2", s.dati.xq2);
  o.campo("MomentoPareteSinistra", s.MomentoPareteSinistra);
  o.campo("MomentoPareteDestra", s.MomentoPareteDestra);
  o.campo("TiroCatena", s.TiroCatena);
  auto& lista = o.chiave("Conci");
  lista << "[";
  for (int i = 1; i <= m.nConciTot; ++i) {
    lista << (i == 1 ? "\n" : ",\n") << std::string(static_cast<std::size_t>(o.rientro()) + 2, ' ');
    const Concio& c = m.Conci(i);
    Oggetto v(out, o.rientro() + 2);
    v.campo("Fassiale", c.Fassiale);
    v.campo("Ftaglio", c.Ftaglio);
    v.campo("Momento", c.Momento);
    v.campo("Eccentric", c.Eccentric);
    v.campo("x_Fun", c.x_Fun);
    v.campo("y_Fun", c.y_Fun);
    v.campo("FPermanente", c.FPermanente);
    v.campo("FVariabile", c.FVariabile);
    v.campo("FOrizzontale", c.FOrizzontale);
    v.campo("Ftot", c.Ftot);
    v.campo("xFtot", c.xFtot);
    v.campo("bSez", c.bSez);
    v.campo("hSezioneEff", c.hSezioneEff);
    const double x[4] = {c.x(1), c.x(2), c.x(3), c.x(4)};
    const double y[4] = {c.y(1), c.y(2), c.y(3), c.y(4)};
    v.lista("x", x, x + 4);
    v.lista("y", y, y + 4);
  }
  lista << "\n" << std::string(static_cast<std::size_t>(o.rientro()), ' ') << "]";
}

}  // namespace voro::cli
