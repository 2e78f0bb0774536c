// Sending the plot to a DXF file or a CAD drawing.
#include "drawing/Esportazioni.h"

#include "drawing/CadDxf.h"

namespace voro {

bool PlottaInDxf(Tavola& plot, Disegno& d, std::string& testo) {
  d.dxf.Apri("");
  if (!plot.PlottaVoro("DXF", nullptr)) return false;
  testo = d.dxf.Termina();
  return true;
}

bool PlottaInCad(Tavola& plot, Disegno& d, const CollegaCad& collega, const AttivaFinestraCad& attiva) {
  if (!d.ApriCad(collega, attiva)) return false;
  const bool ok = plot.PlottaVoro("DWG", nullptr);
  if (attiva) attiva(d.AppCad->Caption());
  d.AppCad->ZoomExtents();
  // This platform's CAD application is a saved drawing opened in the user's
  // CAD program: when none opens it, say where the drawing is.
  if (auto* dxf = dynamic_cast<ApplicazioneCadDxf*>(d.AppCad.get()); dxf && dxf->daAprire() && !dxf->aperto()) {
    d.msg().critical(Componi(d.msg().traduci("Voro", "Impossibile aprire Autocad.\rControllare che la versione di "
                                                     "Autocad non sia LT\rIl disegno è stato salvato in %1"),
                             {dxf->percorsoSalvato()}));
  }
  return ok;
}

}  // namespace voro
