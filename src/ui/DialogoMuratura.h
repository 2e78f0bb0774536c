// The masonry and the soil of the assessment: the compressive strength of
// the ring or of each segment, the friction of the joints and the share of
// the passive pressure the soil may mobilise.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>

#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro::ui {

class DialogoMuratura : public QDialog {
  Q_OBJECT
 public:
  // OK writes the values into d, once every one of them is a number from 0 up.
  DialogoMuratura(DatiProgetto& d, Messages& msg, QWidget* parent = nullptr);

  // Writes the values into the project; false, with the message shown and
  // the project untouched, when one is not a number from 0 up.
  bool Leggi();

  QTableWidget* tabellaResistenza;  // one row: the ring; otherwise one per segment
  QCheckBox* chkAttrito;
  QLineEdit* txtAttrito;
  QLineEdit* txtMobilitazione;

 private:
  void accetta();
  DatiProgetto& d_;
  Messages& msg_;
  int nSegmenti_ = 1;
};

}  // namespace voro::ui
