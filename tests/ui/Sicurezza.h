// The Safety window as the tests drive and read it: an assessment run to its
// end, and the colours its drawings show.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QSignalSpy>
#include <cstdlib>

#include "Banco.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormGeometria.h"

namespace voro::ui::test {

// Geometry Next, then Assess; the window when it has finished (riuscito: how
// it ended), none when it did not open or did not finish within a minute.
inline FinestraSicurezza* Valuta(Banco& b, bool* riuscito = nullptr) {
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::processEvents();
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* f = b.finestra->finestraSicurezza();
  if (!f) return nullptr;
  QSignalSpy fine(f, &FinestraSicurezza::concluso);
  if (!f->inCorso() && fine.isEmpty()) return f;
  if (!fine.wait(60000)) return nullptr;
  if (riuscito) *riuscito = fine.at(0).at(0).toBool();
  return f;
}

// How many pixels of the picture have about this colour (lines may be smoothed).
inline int Pixel(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      n += std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 && std::abs(p.blue() - c.blue()) < 40;
    }
  return n;
}

}  // namespace voro::ui::test
