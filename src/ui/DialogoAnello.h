// The ring of a further span of a bridge, as the geometry form describes the
// first: one circular ring (span, rise, thickness, voussoirs, strength) or a
// chain of circle segments from the span's own left springing.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <array>
#include <string>

#include "data/DatiProgetto.h"
#include "data/Regional.h"

namespace voro::ui {

class DialogoAnello : public QDialog {
  Q_OBJECT
 public:
  DialogoAnello(const Regional& regional, int campata, const DatiCampata& c, QWidget* parent);

  // The ring as typed into c (its pier and level kept); false, with the
  // box's name in errore, when a box is not a number (c untouched).
  bool Leggi(DatiCampata& c, std::string& errore) const;

  QSpinBox* spnSegmenti;
  std::array<QLineEdit*, 5> txtAnello{};  // L, h, t, voussoirs, fc
  QTableWidget* grdSegmenti;             // x2, y2, x3, y3, t, voussoirs, fc

 private:
  void mostraSegmenti(int n);

  const Regional& reg_;
};

}  // namespace voro::ui
