// PNG, SVG and PDF plots.
#include "drawing/qt/FileGrafici.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include "drawing/qt/SuperficieQt.h"

namespace voro {

double RisoluzionePlot(int height) { return std::max(72.0, 96.0 * height / 700.0); }

namespace {

bool disegna(Tavola& plot, QPainter& p, int w, int h, double dpi, const std::string& destinazione) {
  SuperficieQt s(p, w, h, dpi);
  return plot.PlottaVoro(destinazione, &s);
}

}  // namespace

bool PlottaPng(Tavola& plot, Disegno&, const QString& percorso, int width, int height, bool bianco) {
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(bianco ? Qt::white : Qt::black);
  bool ok;
  {
    QPainter p(&img);
    ok = disegna(plot, p, width, height, RisoluzionePlot(height), "VIDEO");
  }
  return img.save(percorso, "PNG") && ok;
}

bool PlottaSvg(Tavola& plot, Disegno&, const QString& percorso, int width, int height, bool bianco) {
  QSvgGenerator svg;
  svg.setFileName(percorso + ".part");
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setTitle("Voro");
  const double dpi = RisoluzionePlot(height);
  svg.setResolution(static_cast<int>(dpi));
  bool ok;
  {
    QPainter p;
    if (!p.begin(&svg)) return false;
    p.fillRect(QRect(0, 0, width, height), bianco ? Qt::white : Qt::black);
    ok = disegna(plot, p, width, height, dpi, "VIDEO");
    p.end();
  }
  QFile::remove(percorso);
  return QFile::rename(percorso + ".part", percorso) && ok;
}

bool PlottaPdf(Tavola& plot, Disegno&, const QString& percorso) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(percorso + ".part");
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter p;
  if (!p.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const bool ok = disegna(plot, p, page.width(), page.height(), printer.resolution(), "STAMPANTE");
  p.end();
  QFile::remove(percorso);
  return QFile::rename(percorso + ".part", percorso) && ok;
}

}  // namespace voro
