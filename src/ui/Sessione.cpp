// Screen sizes in twips.
#include "ui/Sessione.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace voro::ui {

int Twips(double twips, const QWidget* w) {
  double dpi = 96;
  if (w) dpi = w->logicalDpiX();
  else if (QGuiApplication::primaryScreen()) dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int LarghezzaColonna(const QTableWidget* t, int colonna, double twips) {
  int testo = 0;
  for (int r = 0; r < t->rowCount(); ++r)
    if (const QTableWidgetItem* i = t->item(r, colonna))
      testo = std::max(testo, t->fontMetrics().horizontalAdvance(i->text()));
  return std::max(Twips(twips, t), testo + 2 * t->fontMetrics().averageCharWidth());
}

void DimensionaSulloSchermo(QWidget& finestra, QSize voluta) {
  const QWidget* genitore = finestra.parentWidget() ? finestra.parentWidget()->window() : nullptr;
  const QScreen* schermo = genitore ? genitore->screen() : finestra.screen();
  if (!schermo) schermo = QGuiApplication::primaryScreen();
  if (!schermo) return;
  // The window manager's frame around the window: a title bar and borders.
  const QMargins cornice(8, 32, 8, 8);
  const QRect libero = schermo->availableGeometry().marginsRemoved(cornice);
  const QSize dimensione = voluta.expandedTo(finestra.minimumSizeHint()).boundedTo(libero.size());
  finestra.resize(dimensione);
  const QPoint centro = genitore ? genitore->frameGeometry().center() : libero.center();
  QRect r(QPoint(0, 0), dimensione);
  r.moveCenter(centro);
  r.moveLeft(std::clamp(r.left(), libero.left(), libero.right() - r.width() + 1));
  r.moveTop(std::clamp(r.top(), libero.top(), libero.bottom() - r.height() + 1));
  finestra.move(r.topLeft());
}

void RigheCompatte(QTableWidget* t) {
  t->verticalHeader()->setMinimumSectionSize(1);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
}

}  // namespace voro::ui
