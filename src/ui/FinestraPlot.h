// The plot window: the arch drawn afresh on every resize, Next and Previous
// through the data forms, and its File menu to the printer, a DXF file and
// the CAD drawing.
#pragma once

#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "drawing/Disegno.h"
#include "drawing/PlottaArco.h"
#include "ui/VistaZoom.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

// The surface the plot is drawn on.
class AreaPlot : public VistaZoom {
 public:
  AreaPlot(Sessione& s, PlottaArco& plot, RecordingMessages& messaggi, QWidget* parent);
  // Whether the last drawing ended without an error.
  bool disegnato() const { return ok_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Sessione& s_;
  PlottaArco& plot_;
  RecordingMessages& messaggi_;
  bool ok_ = true;
  bool segnalato_ = false;
};

class FinestraPlot : public QWidget {
  Q_OBJECT
 public:
  FinestraPlot(FinestraPrincipale& main, Sessione& s, int PlottaGeometria);

  // The plot sent to a target: 0 printer, 1 DXF file, 2 CAD application.
  void mnuFileItem(int indice);
  // Draws the whole plot on the target (the entry the exports use).
  bool PlottaInOggetto(const std::string& destinazione, Superficie* superficie);
  // Clears and draws again (after a change of the View flags, of the data or
  // of the Safety window's assessment).
  void Ridisegna();
  // Shows the messages the last drawing left.
  void MostraMessaggi();
  // Export Plot: the drawing as a PNG, SVG or PDF file.
  void mnuEsportaImmagine();
  void Adatta() { area_->Adatta(); }

  int PlottaGeometria() const { return plot_.PlottaGeometria; }
  PlottaArco& plot() { return plot_; }
  Disegno& disegno() { return disegno_; }
  AreaPlot* area() const { return area_; }
  QPushButton* cmdNext;
  QPushButton* cmdPrevious;
  QMenuBar* menu;

 private:
  // The project's vehicle where the drawing shows it: at the worst position
  // of the Safety window's assessment of this project, else at mid-span.
  void posizionaVeicolo();

  FinestraPrincipale& main_;
  Sessione& s_;
  RecordingMessages messaggiDisegno_;
  Disegno disegno_;
  PlottaArco plot_;
  AreaPlot* area_;
};

}  // namespace voro::ui
