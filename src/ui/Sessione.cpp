// Screen sizes in twips.
#include "ui/Sessione.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace voro::ui {

int Twips(double twips, const QWidget* w) {
  double dpi = 96;
  if (w) dpi = w->logicalDpiX();
  else if (QGuiApplication::primaryScreen()) dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

}  // namespace voro::ui
