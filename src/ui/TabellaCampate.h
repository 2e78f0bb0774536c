// The geometry form's table of a bridge's spans and piers: one row a span,
// the first the project's own ring (edited in the form's boxes), each further
// one with its ring, its springing level and the pier on its left. Spans are
// added after the last, removed, and moved left or right with their pier.
#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Regional.h"

namespace voro::ui {

class TabellaCampate : public QGroupBox {
  Q_OBJECT
 public:
  TabellaCampate(const Regional& regional, QWidget* parent);

  // The spans of d into the table; the first row shows d's own ring.
  void Scrivi(const DatiProgetto& d);
  // The further spans into d.Campate; false, with the cell's name in errore
  // and the cell made current, when a cell is not a number (d untouched).
  bool Leggi(DatiProgetto& d, std::string& errore);

  QTableWidget* griglia;
  QPushButton* cmdAggiungi;
  QPushButton* cmdTogli;
  QPushButton* cmdSinistra;
  QPushButton* cmdDestra;
  QPushButton* cmdAnello;

 signals:
  // The user changed a cell or the spans.
  void modificata();

 private:
  // The row of span k (0 the first) from its data; the first span's ring
  // and the cells a ring of segments does not use are read-only.
  void riga(int k, const DatiCampata& c, bool prima);
  void aggiungi();
  void togli();
  // Moves the current further span one place left (-1) or right (+1).
  void sposta(int verso);
  // Opens the ring form of the current further span: a circle or segments.
  void anello();

  const Regional& reg_;
  // The spans as read from the project: a ring of segments keeps its
  // segments, which the table does not show.
  std::vector<DatiCampata> campate_;
  bool scrivendo_ = false;
};

}  // namespace voro::ui
