// The selection of a results table on the clipboard.
#include "ui/CopiaTabella.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTableWidget>
#include <set>

namespace voro::ui {

namespace {

QString TestoCella(const QTableWidget& t, int riga, int colonna) {
  const QTableWidgetItem* it = t.item(riga, colonna);
  // A tab or a line break inside a cell would split it in the spreadsheet.
  return it ? it->text().simplified() : QString();
}

QString Intestazione(const QTableWidget& t, int colonna, int rigaIntestazione) {
  if (rigaIntestazione >= 0) return TestoCella(t, rigaIntestazione, colonna);
  const QTableWidgetItem* it = t.horizontalHeaderItem(colonna);
  return it ? it->text().simplified() : QString::number(colonna + 1);
}

}  // namespace

QString TestoSelezione(const QTableWidget& tabella, int rigaIntestazione) {
  std::set<int> righe, colonne;
  for (const QTableWidgetSelectionRange& r : tabella.selectedRanges()) {
    for (int i = r.topRow(); i <= r.bottomRow(); ++i) righe.insert(i);
    for (int c = r.leftColumn(); c <= r.rightColumn(); ++c) colonne.insert(c);
  }
  if (righe.empty() || colonne.empty()) return {};
  righe.erase(rigaIntestazione);
  auto riga = [&](auto&& testo) {
    QStringList celle;
    for (int c : colonne) celle << testo(c);
    return celle.join('\t') + '\n';
  };
  QString out = riga([&](int c) { return Intestazione(tabella, c, rigaIntestazione); });
  for (int i : righe)
    out += riga([&](int c) {
      const QTableWidgetItem* it = tabella.item(i, c);
      return it && it->isSelected() ? TestoCella(tabella, i, c) : QString();
    });
  return out;
}

CopiaTabella::CopiaTabella(QTableWidget* tabella, int rigaIntestazione)
    : QObject(tabella), tabella_(tabella), rigaIntestazione_(rigaIntestazione) {}

void CopiaTabella::Installa(QTableWidget* tabella, int rigaIntestazione) {
  auto* c = new CopiaTabella(tabella, rigaIntestazione);
  tabella->installEventFilter(c);
  tabella->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabella->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copia = new QAction(QObject::tr("&Copy"), tabella);
  copia->setShortcut(QKeySequence::Copy);
  copia->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copia, &QAction::triggered, c, [c] { c->Copia(); });
  auto* tutto = new QAction(QObject::tr("Select &All"), tabella);
  tutto->setShortcut(QKeySequence::SelectAll);
  tutto->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(tutto, &QAction::triggered, tabella, &QTableWidget::selectAll);
  tabella->addAction(copia);
  tabella->addAction(tutto);
}

void CopiaTabella::Copia() const {
  const QString t = TestoSelezione(*tabella_, rigaIntestazione_);
  if (!t.isEmpty()) QApplication::clipboard()->setText(t);
}

bool CopiaTabella::eventFilter(QObject* oggetto, QEvent* evento) {
  // The view's own Ctrl+C copies the current cell alone: the whole
  // selection goes instead.
  if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->matches(QKeySequence::Copy)) {
    Copia();
    return true;
  }
  return QObject::eventFilter(oggetto, evento);
}

}  // namespace voro::ui
