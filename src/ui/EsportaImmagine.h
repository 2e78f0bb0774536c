// Export Plot: a drawing written as a PNG picture, an SVG drawing or a PDF
// page, with the very code the command line writes them with.
#pragma once

#include <QString>
#include <QWidget>

#include "drawing/Tavola.h"

namespace voro::ui {

struct Sessione;

// The save dialog with the three formats, the drawing in the format of the
// chosen name's extension (PNG when it has none of the three). A cancelled
// dialog ends quietly; a drawing or a file that fails leaves any old file as
// it was and says why. True when the file was written.
bool EsportaImmagine(Tavola& tavola, Sessione& s, QWidget* parent, const QString& nomeProposto);

// The file's bytes for a format ("png", "svg", "pdf"): PNG and SVG at the
// command line's default size with the screen's background, PDF as the
// printed page. False when the drawing failed.
bool BytesImmagine(Tavola& tavola, const QString& formato, bool sfondoBianco, QByteArray& bytes);

}  // namespace voro::ui
