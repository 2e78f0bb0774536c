// The report as PDF, HTML with inline SVG, printed pages and text.
#include "report/qt/FileRapporto.h"

#include <QBuffer>
#include <QDateTime>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QTimeZone>
#include <sstream>

#include "data/Versione.h"
#include "drawing/qt/SuperficieQt.h"
#include "report/ScriviHtml.h"
#include "report/ScriviTesto.h"
#include "report/qt/ImpaginaRapporto.h"

namespace voro {

namespace {

bool Dipingi(const Documento& doc, QPagedPaintDevice& device, Messages& msg) {
  ImpaginaRapporto pagine(doc, device);
  QPainter p;
  if (!p.begin(&device)) return false;
  const bool ok = pagine.Dipingi(p, msg);
  return p.end() && ok;
}

}  // namespace

QPageLayout PaginaRapporto() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 12, 15, 12),
                     QPageLayout::Millimeter);
}

std::string SvgFigura(const Figura& f, Messages& msg) {
  const int w = 680, h = static_cast<int>(w * f.proporzione + 0.5);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(w, h));
  svg.setViewBox(QRect(0, 0, w, h));
  svg.setResolution(96);
  svg.setTitle(QString::fromStdString(f.didascalia));
  bool ok;
  {
    QPainter p;
    if (!p.begin(&svg)) return "";
    p.fillRect(QRect(0, 0, w, h), Qt::white);
    {
      SuperficieQt s(p, w, h, 96);
      ok = f.disegna && f.disegna(s, msg);
    }
    p.end();
  }
  if (!ok) return "";
  std::string testo = buffer.data().toStdString();
  // Inline in the page the element stands alone, without the XML declaration.
  const auto inizio = testo.find("<svg");
  return inizio == std::string::npos ? "" : testo.substr(inizio);
}

QByteArray RapportoHtml(const Documento& doc, Messages& msg, bool* ok) {
  bool tutti = true;
  std::ostringstream out;
  ScriviHtml(out, doc, [&](const Figura& f) {
    std::string s = SvgFigura(f, msg);
    if (s.empty()) tutti = false;
    return s;
  });
  if (ok) *ok = tutti;
  return QByteArray::fromStdString(out.str());
}

bool DataCreazionePdf(QByteArray& pdf, std::int64_t epoca) {
  // "/CreationDate (D:YYYYMMDDHHmmSS" then "Z)" or an offset "+HH'mm')".
  const QByteArray chiave = "/CreationDate (D:";
  const qsizetype inizio = pdf.indexOf(chiave);
  if (inizio < 0) return false;
  const qsizetype cifre = inizio + chiave.size(), zona = cifre + 14;
  const qsizetype fine = pdf.indexOf(')', cifre);
  if (fine < 0 || (fine - zona != 1 && fine - zona != 7)) return false;
  const QByteArray data =
      QDateTime::fromSecsSinceEpoch(epoca, QTimeZone::utc()).toString("yyyyMMddHHmmss").toLatin1();
  if (data.size() != 14) return false;
  pdf.replace(cifre, fine - cifre, data + (fine - zona == 1 ? "Z" : "+00'00'"));
  return true;
}

QByteArray RapportoPdf(const Documento& doc, Messages& msg, bool* ok) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  bool disegnato = false;
  // The writer keeps its fonts in hashes whose order names the font subsets:
  // a repeatable report takes a fixed seed while it is written.
  if (doc.epoca) QHashSeed::setDeterministicGlobalSeed();
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(600);
    pdf.setPageLayout(PaginaRapporto());
    pdf.setTitle(QString::fromStdString(doc.nome + " - " + doc.testata));
    pdf.setCreator(QStringLiteral("Voro ") + kVersioneVoro);
    disegnato = Dipingi(doc, pdf, msg);
  }
  if (doc.epoca) QHashSeed::resetRandomGlobalSeed();
  QByteArray pdf = buffer.data();
  if (doc.epoca && !DataCreazionePdf(pdf, *doc.epoca)) disegnato = false;
  if (ok) *ok = disegnato;
  return pdf;
}

bool StampaRapporto(const Documento& doc, QPrinter& printer, Messages& msg) {
  return Dipingi(doc, printer, msg);
}

QByteArray RapportoTesto(const Documento& doc) {
  std::ostringstream out;
  ScriviTesto(out, doc);
  return QByteArray::fromStdString(out.str());
}

}  // namespace voro
