// The behaviour every data form shares.
#include "ui/FormDiDati.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/FinestraPrincipale.h"
#include "ui/GrigliaSegmenti.h"
#include "ui/Tastiera.h"

namespace voro::ui {

FormDiDati::FormDiDati(FinestraPrincipale& main, Sessione& s) : main_(main), s_(s) {
  setAttribute(Qt::WA_DeleteOnClose);
}

void FormDiDati::SeguiModifiche() {
  for (QLineEdit* e : findChildren<QLineEdit*>())
    if (!e->isReadOnly()) connect(e, &QLineEdit::textEdited, this, &FormDiDati::tocca);
  for (QAbstractButton* b : findChildren<QAbstractButton*>())
    if (b->isCheckable()) connect(b, &QAbstractButton::clicked, this, &FormDiDati::tocca);
  for (GrigliaSegmenti* g : findChildren<GrigliaSegmenti*>())
    connect(g, &GrigliaSegmenti::cellaModificata, this, &FormDiDati::tocca);
}

void FormDiDati::tocca() {
  toccato_ = true;
  Modificato();
  main_.AggiornaModificato();
}

void FormDiDati::Allineato() {
  toccato_ = false;
  main_.AggiornaModificato();
}

void FormDiDati::Scarta() {
  scartato_ = true;
  if (auto* w = parentWidget()) w->close();
  else close();
}

void FormDiDati::MostraCasella(QWidget* casella) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->show();
    sub->raise();
    if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
  }
  if (!casella) return;
  casella->setFocus(Qt::OtherFocusReason);
  SelezionaTesto(casella);
}

}  // namespace voro::ui
