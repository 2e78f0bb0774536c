// The report's files: the PDF (A4 portrait), the HTML page with its drawings
// inline as SVG, and the printed report.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPrinter>
#include <cstdint>
#include <string>

#include "data/Messages.h"
#include "report/Documento.h"

namespace voro {

// Paper and margins of the report: A4 portrait, the wider margin on the
// binding side.
QPageLayout PaginaRapporto();

// The drawing as an SVG element on white, about 180 mm wide at 96 dpi; ""
// when it could not be drawn (the messages in msg).
std::string SvgFigura(const Figura& f, Messages& msg);

// The bytes of the HTML file. A drawing that failed leaves its note in the
// page and its messages in msg; ok (when given) tells whether all were drawn.
QByteArray RapportoHtml(const Documento& doc, Messages& msg, bool* ok = nullptr);

// The PDF's creation date set to the moment (seconds since 1970, UTC), in
// place: Qt dates the file when it writes it and has no setter for the date.
// The date keeps its length, so the offsets of the file's objects hold.
// False, the bytes untouched, when they hold no creation date.
bool DataCreazionePdf(QByteArray& pdf, std::int64_t epoca);

// The bytes of the PDF file, A4 portrait; ok (when given) is false when the
// pages could not be painted or a drawing failed. A document with an epoch
// gives the same bytes on every run.
QByteArray RapportoPdf(const Documento& doc, Messages& msg, bool* ok = nullptr);

// The report painted on the printer (or the print preview's printer): A4
// portrait unless the printer was set to another paper. False when the
// printer could not start or a drawing failed.
bool StampaRapporto(const Documento& doc, QPrinter& printer, Messages& msg);

// The text report's bytes (UTF-8).
QByteArray RapportoTesto(const Documento& doc);

}  // namespace voro
