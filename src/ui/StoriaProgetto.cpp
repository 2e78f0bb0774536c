// The undo history of the project's data.
#include "ui/StoriaProgetto.h"

#include "data/Impronte.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormOpzioni.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

// The step's name in the Edit menu: what part of the project it changed.
QString NomePasso(const DatiProgetto& prima, const DatiProgetto& dopo) {
  if (ImprontaGeometria(prima) != ImprontaGeometria(dopo)) return QObject::tr("Geometry");
  if (prima.qCarico != dopo.qCarico || prima.xq1 != dopo.xq1 || prima.xq2 != dopo.xq2 ||
      prima.ScalaPlot != dopo.ScalaPlot || prima.ScalaManuale != dopo.ScalaManuale)
    return QObject::tr("Loads");
  if (prima.EccSinistra != dopo.EccSinistra || prima.EccChiave != dopo.EccChiave || prima.EccDestra != dopo.EccDestra)
    return QObject::tr("Start eccentricities");
  return QObject::tr("Data");
}

}  // namespace

ComandoDati::ComandoDati(StoriaProgetto& storia, DatiProgetto prima, DatiProgetto dopo, const QString& testo)
    : QUndoCommand(testo), storia_(storia), prima_(std::move(prima)), dopo_(std::move(dopo)) {}

void ComandoDati::redo() {
  if (fatto_) {
    fatto_ = false;
    return;
  }
  storia_.applica(dopo_);
}

StoriaProgetto::StoriaProgetto(FinestraPrincipale& main, Sessione& s) : QObject(&main), main_(main), s_(s) {
  pila_.setObjectName("pilaModifiche");
}

void StoriaProgetto::Registra() {
  std::string testo = TestoProgetto(s_.dati);
  if (testo == testoUltimo_) return;
  DatiProgetto prima = std::move(ultimo_);
  ultimo_ = s_.dati;
  testoUltimo_ = std::move(testo);
  pila_.push(new ComandoDati(*this, prima, ultimo_, NomePasso(prima, ultimo_)));
}

void StoriaProgetto::Azzera() {
  pila_.clear();
  ultimo_ = s_.dati;
  testoUltimo_ = TestoProgetto(s_.dati);
  pila_.setClean();
}

void StoriaProgetto::Annulla() {
  if (main_.LeggiFormAperti()) pila_.undo();
}

void StoriaProgetto::Ripeti() {
  if (main_.LeggiFormAperti()) pila_.redo();
}

void StoriaProgetto::applica(const DatiProgetto& d) {
  // The step itself is no new step.
  ultimo_ = d;
  testoUltimo_ = TestoProgetto(d);
  main_.ApplicaDati(d);
}

void FinestraPrincipale::ApplicaDati(const DatiProgetto& d) {
  const bool geometria = ImprontaGeometria(d) != ImprontaGeometria(s_.dati);
  s_.dati = d;
  // The open forms show the project as it now is.
  if (FormGeometria* g = formGeometria()) g->ScriveDatiInForm();
  if (FormCarichi* c = formCarichi()) c->ScriveCarichi();
  if (FormOpzioni* o = formOpzioni()) o->ScriveOpzioni();
  // Another geometry: its voussoirs are built (or its fault said, as when
  // the form is read); results and drawings follow the project.
  if (geometria) GeometriaLetta();
  else DatiCambiati();
}

}  // namespace voro::ui
