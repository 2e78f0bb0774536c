// Copying a table's selection as tab-separated text with its column headers,
// so that a block of results pastes into a spreadsheet as cells.
#pragma once

#include <QObject>
#include <QString>

class QTableWidget;

namespace voro::ui {

// The selected cells as lines of tab-separated texts, headed by the
// columns' headers: the horizontal header's texts, or, when rigaIntestazione
// is a row of the table (a grid whose first row holds the headers), that
// row's texts, written once. Cells inside the selection's extent but not
// selected are empty. Empty when nothing is selected.
QString TestoSelezione(const QTableWidget& tabella, int rigaIntestazione = -1);

// Ctrl+C (and the context menu's Copy) copies the selection with
// TestoSelezione; Ctrl+A (and Select All) selects every cell.
class CopiaTabella : public QObject {
 public:
  static void Installa(QTableWidget* tabella, int rigaIntestazione = -1);
  // Puts the selection on the clipboard.
  void Copia() const;

 protected:
  bool eventFilter(QObject* oggetto, QEvent* evento) override;

 private:
  CopiaTabella(QTableWidget* tabella, int rigaIntestazione);
  QTableWidget* tabella_;
  int rigaIntestazione_;
};

}  // namespace voro::ui
