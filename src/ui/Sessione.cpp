// Screen sizes in twips.
#include "ui/Sessione.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>
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

void RigheCompatte(QTableWidget* t) {
  t->verticalHeader()->setMinimumSectionSize(1);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
}

}  // namespace voro::ui
