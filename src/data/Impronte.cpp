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

std::string ImprontaCalcolo(const DatiProgetto& d) {
  DatiProgetto c = d;
  c.Titolo.clear();
  c.Cartiglio = {};  // who signs changes no figure
  c.Riservato = 0;
  c.ScalaPlot = 0;
  c.ScalaManuale = false;
  if (c.OttimizzaCerniere) c.EccSinistra = c.EccChiave = c.EccDestra = 0;
  return TestoProgetto(c);
}

}  // namespace voro
