// Keyboard rules of the data forms.
#include "ui/Tastiera.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace voro::ui {

void GestoreTastiera::Installa(QWidget* form) {
  for (QLineEdit* e : form->findChildren<QLineEdit*>()) e->installEventFilter(this);
}

bool GestoreTastiera::eventFilter(QObject* obj, QEvent* ev) {
  auto* box = qobject_cast<QLineEdit*>(obj);
  if (!box) return QObject::eventFilter(obj, ev);
  if (ev->type() == QEvent::FocusIn && !box->property("selezionePropria").toBool()) {
    QTimer::singleShot(0, box, [box] { SelezionaTesto(box); });
  } else if (ev->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(ev);
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && !box->property("enterProprio").toBool()) {
      ProssimoControllo(box);
      return true;
    }
    // The keypad's decimal key always types the regional separator.
    if ((k->modifiers() & Qt::KeypadModifier) && (k->key() == Qt::Key_Period || k->key() == Qt::Key_Comma)) {
      box->insert(QString::fromStdString(regional_.decimale()));
      return true;
    }
  }
  return QObject::eventFilter(obj, ev);
}

void ProssimoControllo(QWidget* corrente) {
  QWidget* w = corrente->nextInFocusChain();
  while (w && w != corrente && (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)))
    w = w->nextInFocusChain();
  if (!w || w == corrente) return;
  w->setFocus(Qt::TabFocusReason);
  SelezionaTesto(w);
}

void SelezionaTesto(QWidget* box) {
  if (auto* e = qobject_cast<QLineEdit*>(box)) e->selectAll();
}

}  // namespace voro::ui
