// PNG, SVG and PDF plots, drawn in memory.
#include "drawing/qt/FileGrafici.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include "data/Versione.h"
#include "drawing/qt/SuperficieQt.h"

namespace voro {

double RisoluzionePlot(int height) { return std::max(72.0, 96.0 * height / 700.0); }

namespace {

bool disegna(Tavola& plot, QPainter& p, int w, int h, double dpi, const std::string& destinazione) {
  SuperficieQt s(p, w, h, dpi);
  return plot.PlottaVoro(destinazione, &s);
}

}  // namespace

bool PlottaPng(Tavola& plot, QByteArray& png, int width, int height, bool bianco) {
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(bianco ? Qt::white : Qt::black);
  {
    QPainter p(&img);
    if (!disegna(plot, p, width, height, RisoluzionePlot(height), "VIDEO")) return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!img.save(&buffer, "PNG")) return false;
  png = bytes;
  return true;
}

bool PlottaSvg(Tavola& plot, QByteArray& svg, int width, int height, bool bianco) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generatore;
  generatore.setOutputDevice(&buffer);
  generatore.setSize(QSize(width, height));
  generatore.setViewBox(QRect(0, 0, width, height));
  generatore.setTitle("Voro");
  const double dpi = RisoluzionePlot(height);
  generatore.setResolution(static_cast<int>(dpi));
  QPainter p;
  if (!p.begin(&generatore)) return false;
  p.fillRect(QRect(0, 0, width, height), bianco ? Qt::white : Qt::black);
  const bool ok = disegna(plot, p, width, height, dpi, "VIDEO");
  p.end();
  if (!ok) return false;
  svg = bytes;
  return true;
}

bool PlottaPdf(Tavola& plot, QByteArray& pdf) {
  // The page and resolution of the printed plot: a high-resolution printer
  // writing a PDF document, in landscape.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageOrientation(QPageLayout::Landscape);

  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageLayout(printer.pageLayout());
  writer.setResolution(printer.resolution());
  writer.setTitle("Voro");
  writer.setCreator(QStringLiteral("Voro ") + kVersioneVoro);
  QPainter p;
  if (!p.begin(&writer)) return false;
  const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
  const bool ok = disegna(plot, p, page.width(), page.height(), writer.resolution(), "STAMPANTE");
  p.end();
  if (!ok) return false;
  pdf = bytes;
  return true;
}

}  // namespace voro
