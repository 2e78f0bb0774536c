// The main window's road from the data to the results: the calculation, the
// Safety window, the report and the plot, and the rule that keeps every
// result window with the project it belongs to.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>
#include <QVariant>

#include "data/Impronte.h"
#include "data/RuntimeError.h"
#include "arch/CostruisciModello.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"
#include "ui/StoriaProgetto.h"

namespace voro::ui {

void FinestraPrincipale::MostraRisultati() {
  if (risultati_) risultati_->parentWidget()->close();
  if (!RisultatiValidi()) {
    s_.msg().information(tr("The project has no results: solve the arch with Solve.").toStdString());
    return;
  }
  risultati_ = new FormRisultati(*this, s_);
  QMdiSubWindow* sub = figlia(risultati_);
  RegistraFinestraRisultati(risultati_);
  sub->move(0, 0);
  Davanti(risultati_);
  // The report opens large enough for its grid and every box.
  risultati_->Command1_Click();
}

namespace {

// The caption a result window had before it was marked out of date.
constexpr const char* kTitoloValido = "voroTitoloValido";

// Greys out a result window whose data a form is changing, or gives it back:
// its figures can be neither used nor copied, its slider moves no vehicle.
void SegnaSospesa(QWidget& finestra, bool sospesa) {
  const QVariant valido = finestra.property(kTitoloValido);
  if (sospesa && !valido.isValid()) {
    finestra.setProperty(kTitoloValido, finestra.windowTitle());
    finestra.setWindowTitle(FinestraPrincipale::tr("%1 - out of date: the data on screen have changed")
                                .arg(finestra.windowTitle()));
  } else if (!sospesa && valido.isValid()) {
    finestra.setWindowTitle(valido.toString());
    finestra.setProperty(kTitoloValido, QVariant());
  }
  finestra.setEnabled(!sospesa);
}

}  // namespace

void FinestraPrincipale::RegistraFinestraRisultati(QWidget* finestra) {
  connect(this, &FinestraPrincipale::risultatiScaduti, finestra, [finestra] {
    if (QWidget* sub = qobject_cast<QMdiSubWindow*>(finestra->parentWidget())) sub->close();
    else finestra->close();
  });
  connect(this, &FinestraPrincipale::datiInSospeso, finestra, [finestra](bool sospesi) { SegnaSospesa(*finestra, sospesi); });
  if (sospesi_) SegnaSospesa(*finestra, true);
}

bool FinestraPrincipale::DatiPronti() {
  // A calculation or an assessment runs on what the engineer typed, or not at all.
  if (!LeggiFormAperti()) return false;
  if (ModelloValido()) return true;
  s_.msg().critical(tr("Error: Check Geometry\rThe geometry has not been read: complete the Geometry form "
                       "and press Next.")
                        .toStdString());
  return false;
}

void FinestraPrincipale::MostraSicurezza() {
  if (!DatiPronti()) return;
  if (sicurezza_) sicurezza_->parentWidget()->close();
  sicurezza_ = new FinestraSicurezza(s_);
  improntaSicurezza_ = ImprontaValutazione(s_.dati);
  QMdiSubWindow* sub = figlia(sicurezza_);
  RegistraFinestraRisultati(sicurezza_);
  // The plot shows the vehicle at the worst position while the assessment
  // that found it is open.
  auto ridisegna = [this] {
    if (plot_) plot_->Ridisegna();
  };
  connect(sicurezza_, &FinestraSicurezza::concluso, this, ridisegna);
  connect(sicurezza_, &QObject::destroyed, this, [this, ridisegna] { QTimer::singleShot(0, this, ridisegna); });
  // The visible part of the area: a tall form behind it may have given the
  // area scroll bars, which would otherwise hide the window's right edge.
  sub->move(0, 0);
  sub->resize(area_->viewport()->size());
  Davanti(sicurezza_);
  sicurezza_->Avvia();
}

void FinestraPrincipale::Risolvi() {
  MostraOpzioni();
  opzioni_->Solve();
}

bool FinestraPrincipale::Libero() {
  if (!calcolatore_.inCorso()) return true;
  s_.msg().information(tr("The calculation is running: wait for it to end or press Stop.").toStdString());
  return false;
}

void FinestraPrincipale::CalcolaEPlotta(int PlottaGeometria) {
  if (!Libero()) return;
  if (PlottaGeometria != 0) {
    mostraPlot(PlottaGeometria);
    return;
  }
  if (!DatiPronti()) return;
  statusBar()->showMessage(tr("Solving..."));
  improntaAvvio_ = ImprontaValutazione(s_.dati);
  calcolatore_.Avvia(s_);
}

void FinestraPrincipale::fineCalcolo(bool riuscito) {
  if (opzioni_) {
    opzioni_->lblStep->hide();
    opzioni_->lblStima->hide();
    opzioni_->cmdStop->hide();
  }
  if (calcolatore_.scartato()) {
    statusBar()->showMessage(tr("The input changed during the calculation: results discarded, solve again"));
  } else if (riuscito) {
    improntaRisultati_ = ImprontaCalcolo(s_.dati);
    // The calculation brings the strip load within the structure: the same
    // load, so an assessment of the data it started from still belongs to them.
    if (sicurezza_ && improntaSicurezza_ == improntaAvvio_) improntaSicurezza_ = ImprontaValutazione(s_.dati);
    statusBar()->showMessage(calcolatore_.fermato()
                                 ? tr("Search stopped: the results are those of the best point found so far")
                                 : tr("Solved"));
    mostraPlot(0);
    if (formRisultati()) MostraRisultati();
  } else {
    // Whatever the failed calculation left in memory is no project's result.
    scadonoRisultati();
    statusBar()->showMessage(tr("Calculation failed"));
    s_.msg().plain(s_.msg().traduci("Voro", calcolatore_.ultimoErrore().toStdString().c_str()));
  }
  if (opzioni_) opzioni_->calcoloConcluso();
  AggiornaModificato();
  emit calcoloConcluso(riuscito && !calcolatore_.scartato());
}

bool FinestraPrincipale::GeometriaLetta() {
  const std::string geometria = ImprontaGeometria(s_.dati);
  bool ok = improntaModello_ == geometria;
  if (!ok) {
    ModelloArco modello;
    try {
      CostruisciModello(s_.dati, modello, s_.msg());
      s_.modello = std::move(modello);
      improntaModello_ = geometria;
      ok = true;
    } catch (const RuntimeError& e) {
      improntaModello_.reset();
      s_.modello = ModelloArco{};
      if (plot_) plot_->parentWidget()->close();
      s_.msg().critical(MessaggioGeometria(e, s_.msg()));
    }
  }
  AbilitaMenu(ok);
  DatiCambiati();
  return ok;
}

bool FinestraPrincipale::ModelloValido() const {
  return improntaModello_ && *improntaModello_ == ImprontaGeometria(s_.dati);
}

void FinestraPrincipale::DatiCambiati() {
  storia_->Registra();
  if (improntaRisultati_ && *improntaRisultati_ != ImprontaCalcolo(s_.dati)) scadonoRisultati();
  // The assessment belongs to the input it was made for, solved or not.
  if (sicurezza_ && improntaSicurezza_ != ImprontaValutazione(s_.dati)) sicurezza_->parentWidget()->close();
  // A drawing of the geometry or of the loads shows the input as it is now.
  if (plot_) plot_->Ridisegna();
  AggiornaModificato();
}

void FinestraPrincipale::scadonoRisultati() {
  // "Solved" would speak of results that are gone.
  if (improntaRisultati_) statusBar()->showMessage(tr("Ready"));
  improntaRisultati_.reset();
  emit risultatiScaduti();
}

void FinestraPrincipale::mostraPlot(int PlottaGeometria) {
  if (plot_) plot_->parentWidget()->close();
  plot_ = new FinestraPlot(*this, s_, PlottaGeometria);
  // Results of a stopped search say so in the plot's own caption.
  if (PlottaGeometria == 0 && s_.risultati.RicercaInterrotta)
    plot_->setWindowTitle(tr("%1 - search stopped: best point so far").arg(plot_->windowTitle()));
  QMdiSubWindow* sub = figlia(plot_);
  if (PlottaGeometria == 0) RegistraFinestraRisultati(plot_);
  sub->move(0, 0);
  sub->resize(area_->viewport()->size());
  Davanti(plot_);
}

}  // namespace voro::ui
