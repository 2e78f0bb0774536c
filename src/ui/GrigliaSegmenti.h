// The grid of the circle segments, with a floating cell editor: typing on a
// cell opens it, Enter stores the text and moves down the column, Escape
// leaves the cell unchanged, the down arrow moves one row down.
#pragma once

#include <QLineEdit>
#include <QTableWidget>

namespace voro::ui {

class GrigliaSegmenti : public QTableWidget {
  Q_OBJECT
 public:
  explicit GrigliaSegmenti(QWidget* parent = nullptr);

  // Rows 1..n of segments under a header row; columns 1..6 "x2" .. "vouss. n°".
  void DimensionaMsFlex(int nVori);
  // Column widths of the layout, widened where a text would be cut.
  void AdattaColonne();
  QString Cella(int riga, int colonna) const;
  void ScriviCella(int riga, int colonna, const QString& testo);

  // Opens the editor on the current cell with the key code k: 0 takes the
  // cell's number all selected, a printable character replaces the text,
  // other codes keep the text with the caret at its end.
  void ApriEditor(int k, const QString& carattere = QString());
  QLineEdit* editor() const { return editor_; }
  // The control that receives the focus after the last cell.
  void setProssimoControllo(QWidget* w) { prossimo_ = w; }

 signals:
  // The editor stored a new text in a cell.
  void cellaModificata();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  // Copies a visible editor's text into the current cell and hides it.
  void chiudiEditor(bool copia);
  // Hides the editor without copying, the focus back on the grid.
  void nascondiEditor();
  // The next cell down the column, then the top of the next column.
  bool prossimaCella();

  QLineEdit* editor_;
  QWidget* prossimo_ = nullptr;
  bool nascondendo_ = false;
};

}  // namespace voro::ui
