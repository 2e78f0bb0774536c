// The Edit and Window menus and the Plot menu's picture commands.
#include "ui/MenuDesktop.h"

#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/FinestraPlot.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FinestraSicurezza.h"
#include "ui/StoriaProgetto.h"
#include "ui/VistaZoom.h"

namespace voro::ui {

namespace {

// A menu placed before the menu of that name, or last when there is none.
QMenu* MenuPrima(QMenuBar* barra, const QString& testo, const QString& nome, const QString& prima) {
  auto* m = new QMenu(testo, barra);
  m->setObjectName(nome);
  QMenu* dopo = barra->findChild<QMenu*>(prima);
  if (dopo) barra->insertMenu(dopo->menuAction(), m);
  else barra->addMenu(m);
  return m;
}

void MenuModifica(FinestraPrincipale& f, StoriaProgetto& storia) {
  QMenu* m = MenuPrima(f.menuBar(), QObject::tr("&Edit"), "mnuModifica", "mnuData");
  QUndoStack& pila = storia.pila();
  QAction* annulla = m->addAction(QObject::tr("&Undo"));
  annulla->setObjectName("mnuModificaAnnulla");
  annulla->setShortcuts(QKeySequence::Undo);
  QAction* ripeti = m->addAction(QObject::tr("&Redo"));
  ripeti->setObjectName("mnuModificaRipeti");
  ripeti->setShortcuts({QKeySequence(QKeySequence::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  QObject::connect(annulla, &QAction::triggered, &storia, &StoriaProgetto::Annulla);
  QObject::connect(ripeti, &QAction::triggered, &storia, &StoriaProgetto::Ripeti);
  // The commands name the step they take back or make again.
  auto aggiorna = [annulla, ripeti, &pila] {
    annulla->setEnabled(pila.canUndo());
    ripeti->setEnabled(pila.canRedo());
    annulla->setText(pila.canUndo() ? QObject::tr("&Undo %1").arg(pila.undoText()) : QObject::tr("&Undo"));
    ripeti->setText(pila.canRedo() ? QObject::tr("&Redo %1").arg(pila.redoText()) : QObject::tr("&Redo"));
  };
  QObject::connect(&pila, &QUndoStack::indexChanged, annulla, aggiorna);
  QObject::connect(&pila, &QUndoStack::cleanChanged, annulla, aggiorna);
  aggiorna();
}

void MenuFinestra(FinestraPrincipale& f) {
  QMenu* m = MenuPrima(f.menuBar(), QObject::tr("&Window"), "mnuFinestra", "mnuAiuto");
  QMdiArea* area = f.area();
  // Rebuilt as it opens: the windows open now, the active one ticked.
  auto riempi = [m, area] {
    m->clear();
    QAction* tile = m->addAction(QObject::tr("&Tile"), area, &QMdiArea::tileSubWindows);
    tile->setObjectName("mnuFinestraAffianca");
    QAction* cascata = m->addAction(QObject::tr("&Cascade"), area, &QMdiArea::cascadeSubWindows);
    cascata->setObjectName("mnuFinestraCascata");
    QAction* chiudi = m->addAction(QObject::tr("Close &All"), area, &QMdiArea::closeAllSubWindows);
    chiudi->setObjectName("mnuFinestraChiudi");
    m->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : area->subWindowList()) {
      if (sub->isHidden()) continue;
      ++n;
      const QString titolo = sub->windowTitle().replace("&", "&&");
      QAction* a = m->addAction(n < 10 ? QString("&%1 %2").arg(n).arg(titolo) : titolo);
      a->setObjectName(QString("mnuFinestra%1").arg(n));
      a->setCheckable(true);
      a->setChecked(sub == area->activeSubWindow());
      QObject::connect(a, &QAction::triggered, area, [area, sub] { area->setActiveSubWindow(sub); });
    }
  };
  QObject::connect(m, &QMenu::aboutToShow, m, riempi);
  // Kept up to date as windows open, close or come to the front, so that the
  // list follows the windows reopened in a new language; queued, as a command
  // of the list itself brings its window to the front.
  QObject::connect(area, &QMdiArea::subWindowActivated, m, riempi, Qt::QueuedConnection);
  // Filled once now, so that its commands exist before it is first opened.
  riempi();
}

void ComandiPlot(FinestraPrincipale& f) {
  QMenu* plot = f.menuBar()->findChild<QMenu*>("mnuPlot");
  if (!plot) return;
  // The drawing in front: the Safety window's when it is the active one,
  // else the plot window.
  auto safety = [&f]() -> FinestraSicurezza* {
    QMdiSubWindow* sub = f.area()->activeSubWindow();
    return sub ? qobject_cast<FinestraSicurezza*>(sub->widget()) : nullptr;
  };
  auto nessuno = [&f] {
    f.sessione().msg().information(
        QObject::tr("Non c'è nessun disegno: risolvere l'arco o tracciarne la geometria.").toStdString());
  };
  plot->addSeparator();
  QAction* esporta = plot->addAction(QObject::tr("Export &Plot..."));
  esporta->setObjectName("mnuPlotEsporta");
  esporta->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
  QObject::connect(esporta, &QAction::triggered, &f, [&f, safety, nessuno] {
    if (FinestraSicurezza* s = safety()) s->mnuEsportaImmagine(0);
    else if (FinestraPlot* p = f.finestraPlot()) p->mnuEsportaImmagine();
    else nessuno();
  });
  // Ctrl+0 belongs to the drawing that has the focus (VistaZoom): the menu
  // shows it without taking it, which would make the key ambiguous there.
  QAction* adatta = plot->addAction(QObject::tr("&Fit to Window") + '\t' + TastoAdatta());
  adatta->setObjectName("mnuPlotAdatta");
  QObject::connect(adatta, &QAction::triggered, &f, [&f, safety] {
    if (FinestraSicurezza* s = safety()) s->Adatta();
    else if (FinestraPlot* p = f.finestraPlot()) p->Adatta();
  });
}

}  // namespace

void CreaMenuDesktop(FinestraPrincipale& f, StoriaProgetto& storia) {
  MenuModifica(f, storia);
  MenuFinestra(f);
  ComandiPlot(f);
}

}  // namespace voro::ui
