// The whole plot sent to the printer, a DXF file or the CAD drawing, with
// the dialogs and the error reports of printing.
#pragma once

#include <QWidget>
#include <string>

namespace voro::ui {

struct Sessione;
class FinestraPlot;

// scelta: 0 printer, 1 DXF file, 2 CAD application. A cancelled dialog ends
// the command quietly; a failure shows the printing error's message.
void EsportaPlot(int scelta, Sessione& s, FinestraPlot& plot, QWidget* parent);

// The message for a printing error number, empty for those that end quietly.
std::string MessaggioErroreStampa(int numero, const std::string& descrizione);

}  // namespace voro::ui
