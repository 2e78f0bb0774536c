// The keyboard rules shared by the data forms: Enter moves to the next box,
// the keypad's decimal key types the regional separator, and a box selects
// its whole text when it gets the focus.
#pragma once

#include <QObject>

#include "data/Regional.h"

class QWidget;

namespace voro::ui {

class GestoreTastiera : public QObject {
 public:
  GestoreTastiera(QObject* parent, const Regional& regional) : QObject(parent), regional_(regional) {}
  // Installs the rules on every line edit of the form.
  void Installa(QWidget* form);

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  const Regional& regional_;
};

// Moves the focus to the form's next control in tab order and selects its text.
void ProssimoControllo(QWidget* corrente);
// Selects the whole text of a box.
void SelezionaTesto(QWidget* box);

}  // namespace voro::ui
