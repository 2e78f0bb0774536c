// Fingerprints of the project input.
#include "data/Impronte.h"

#include "data/Messages.h"
#include "data/ProjectFile.h"

namespace voro {

std::string TestoProgetto(const DatiProgetto& d) {
  DatiProgetto copia = d;
  FileDati file = FileDati::perScrittura();
  // A project without segments is written up to its count: still a fingerprint.
  SilentMessages muto;
  FileLeggeScrive("S", file, copia, muto);
  return file.contenuto();
}

std::string ImprontaGeometria(const DatiProgetto& d) {
  DatiProgetto g;
  g.Larghezza = d.Larghezza;
  g.LarghezzaChiave = d.LarghezzaChiave;
  g.hRiempimento = d.hRiempimento;
  g.hSoletta = d.hSoletta;
  g.SporgenzaParete = d.SporgenzaParete;
  g.hRiempimentoSolido = d.hRiempimentoSolido;
  g.nVori = d.nVori;
  g.LuceAnello = d.LuceAnello;
  g.FrecciaAnello = d.FrecciaAnello;
  g.SpessoreAnello = d.SpessoreAnello;
  g.nConciAnello = d.nConciAnello;
  g.Vori = d.Vori;
  return TestoProgetto(g);
}

namespace {

// The project without what changes no figure: the title, who signs, the plot scale.
DatiProgetto SenzaCartiglio(const DatiProgetto& d) {
  DatiProgetto c = d;
  c.Titolo.clear();
  c.Cartiglio = {};
  c.Riservato = 0;
  c.ScalaPlot = 0;
  c.ScalaManuale = false;
  return c;
}

}  // namespace

std::string ImprontaCalcolo(const DatiProgetto& d) {
  DatiProgetto c = SenzaCartiglio(d);
  if (c.OttimizzaCerniere) c.EccSinistra = c.EccChiave = c.EccDestra = 0;
  // The three-hinged line of rigid voussoirs reads neither the masonry's
  // strength nor friction, the soil's resistance, the vehicle or the code's
  // partial factors: only the assessment does.
  c.ResistenzaAnello = 0;
  c.Attrito.reset();
  c.Mobilitazione = 1;
  c.VeicoloCarico.reset();
  c.DiffusioneCarico = {};
  c.Normativa = {};
  for (int i = 1; i <= c.nVori && !c.Vori.empty() && i <= c.Vori.ubound(); ++i) c.Vori(i).Resistenza = 0;
  return TestoProgetto(c);
}

std::string ImprontaValutazione(const DatiProgetto& d) { return TestoProgetto(SenzaCartiglio(d)); }

}  // namespace voro
