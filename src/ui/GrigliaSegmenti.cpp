// The segment grid and its cell editor.
#include "ui/GrigliaSegmenti.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QRegularExpression>

#include "ui/Sessione.h"

namespace voro::ui {

namespace {
const char* const kIntestazioni[7] = {QT_TRANSLATE_NOOP("voro::ui::GrigliaSegmenti", " Segm."), "x2", "y2", "x3", "y3", "t",
                                      QT_TRANSLATE_NOOP("voro::ui::GrigliaSegmenti", "vouss. n°")};
}

GrigliaSegmenti::GrigliaSegmenti(QWidget* parent) : QTableWidget(parent), editor_(new QLineEdit(viewport())) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  editor_->hide();
  editor_->setFrame(false);
  editor_->installEventFilter(this);
  // The form's keyboard rules give the editor the keypad's separator, but
  // Enter is the editor's own, and so is the selection: the key that opened
  // the editor stays in it.
  editor_->setProperty("enterProprio", true);
  editor_->setProperty("selezionePropria", true);
  connect(this, &QTableWidget::currentCellChanged, this, [this] { chiudiEditor(true); });
}

void GrigliaSegmenti::DimensionaMsFlex(int nVori) {
  chiudiEditor(false);
  setColumnCount(7);
  setRowCount(nVori + 1);
  RigheCompatte(this);
  for (int c = 0; c < 7; ++c) {
    auto* item = new QTableWidgetItem(tr(kIntestazioni[c]));
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(palette().button());
    setItem(0, c, item);
  }
  for (int r = 1; r <= nVori; ++r) {
    auto* head = new QTableWidgetItem(tr(" Segm. %1").arg(r));
    head->setFlags(Qt::ItemIsEnabled);
    head->setBackground(palette().button());
    setItem(r, 0, head);
    for (int c = 1; c <= 6; ++c)
      if (!item(r, c)) setItem(r, c, new QTableWidgetItem());
  }
  AdattaColonne();
}

void GrigliaSegmenti::AdattaColonne() {
  setColumnWidth(0, LarghezzaColonna(this, 0, 1050));
  int larghezza = Twips(6795, this) - Twips(1050, this) - 6 * Twips(900, this);
  for (int c = 1; c <= 6; ++c) setColumnWidth(c, LarghezzaColonna(this, c, 900));
  for (int c = 0; c <= 6; ++c) larghezza += columnWidth(c);
  setFixedWidth(larghezza);
  setFixedHeight(std::min(rowCount(), 8) * rowHeight(0) + 2 * frameWidth());
}

QString GrigliaSegmenti::Cella(int riga, int colonna) const {
  const QTableWidgetItem* i = item(riga, colonna);
  return i ? i->text() : QString();
}

void GrigliaSegmenti::ScriviCella(int riga, int colonna, const QString& testo) {
  if (!item(riga, colonna)) setItem(riga, colonna, new QTableWidgetItem());
  item(riga, colonna)->setText(testo);
}

void GrigliaSegmenti::ApriEditor(int k, const QString& carattere) {
  const int r = currentRow(), c = currentColumn();
  if (r < 1 || c < 1) return;
  const QString testo = Cella(r, c);
  if (k == 0) {
    // Only a number is taken into the editor.
    static const QRegularExpression numero("^\\s*[-+]?[0-9.,]*[0-9][0-9.,]*([eEdD][-+]?[0-9]+)?\\s*$");
    editor_->setText(numero.match(testo).hasMatch() ? testo : QString());
    editor_->selectAll();
  } else if (k > 32) {
    editor_->setText(carattere);
    editor_->setCursorPosition(editor_->text().size());
  } else {
    editor_->setText(testo);
    editor_->setCursorPosition(testo.size());
  }
  editor_->setGeometry(visualRect(model()->index(r, c)));
  editor_->show();
  editor_->setFocus();
  if (k == 0) editor_->selectAll();
}

void GrigliaSegmenti::chiudiEditor(bool copia) {
  if (!editor_->isVisible()) return;
  const QModelIndex at = indexAt(editor_->geometry().center());
  if (copia && at.isValid() && Cella(at.row(), at.column()) != editor_->text()) {
    ScriviCella(at.row(), at.column(), editor_->text());
    emit cellaModificata();
  }
  // Hiding a focused editor would pass the focus on to the next cell.
  if (editor_->hasFocus()) setFocus();
  editor_->hide();
}

void GrigliaSegmenti::nascondiEditor() {
  // The grid takes the focus first: hiding a focused editor would pass the
  // focus on to the next cell.
  nascondendo_ = true;
  setFocus();
  editor_->hide();
  nascondendo_ = false;
}

bool GrigliaSegmenti::prossimaCella() {
  int r = currentRow(), c = currentColumn();
  if (r < rowCount() - 1) {
    ++r;
  } else if (c < columnCount() - 1) {
    r = 1;
    ++c;
  } else {
    return false;
  }
  setCurrentCell(r, c);
  return true;
}

void GrigliaSegmenti::keyPressEvent(QKeyEvent* e) {
  const QString t = e->text();
  if (!t.isEmpty() && t[0].isPrint() && !(e->modifiers() & Qt::ControlModifier)) {
    ApriEditor(t[0].unicode() > 32 ? t[0].unicode() : 32, t);
    return;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_F2) {
    ApriEditor(13);
    return;
  }
  QTableWidget::keyPressEvent(e);
}

void GrigliaSegmenti::mouseDoubleClickEvent(QMouseEvent* e) {
  QTableWidget::mouseDoubleClickEvent(e);
  ApriEditor(0);
}

void GrigliaSegmenti::mousePressEvent(QMouseEvent* e) {
  chiudiEditor(true);
  QTableWidget::mousePressEvent(e);
}

bool GrigliaSegmenti::eventFilter(QObject* obj, QEvent* ev) {
  if (obj != editor_) return QTableWidget::eventFilter(obj, ev);
  if (ev->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(ev);
    switch (k->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        setFocus();
        chiudiEditor(true);
        if (prossimaCella()) {
          ApriEditor(13);
        } else if (prossimo_) {
          prossimo_->setFocus(Qt::TabFocusReason);
        }
        return true;
      case Qt::Key_Escape:
        nascondiEditor();
        return true;
      case Qt::Key_Down:
        nascondiEditor();
        if (currentRow() < rowCount() - 1) setCurrentCell(currentRow() + 1, currentColumn());
        return true;
      case Qt::Key_Up:
        return true;
      default:
        break;
    }
  } else if (ev->type() == QEvent::FocusOut && editor_->isVisible() && !nascondendo_) {
    chiudiEditor(true);
  }
  return QTableWidget::eventFilter(obj, ev);
}

}  // namespace voro::ui
