// The Safety window: the assessment of the project by exact limit analysis,
// with its figures, the arch with the thrust line of least eccentricity and
// the collapse mechanism, and the chart of the load sweep. It works on its
// own copy of the project, so that what it shows always belongs together.
#pragma once

#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "drawing/Disegno.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "ui/PannelloVeicolo.h"
#include "ui/ValutatoreSicurezza.h"
#include "ui/VistaZoom.h"

namespace voro::ui {

struct Sessione;

// A surface that draws one whole drawing on every repaint.
class AreaTavola : public VistaZoom {
 public:
  AreaTavola(const Sessione& s, QWidget* parent);
  void Imposta(Tavola* t) {
    tavola_ = t;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const Sessione& s_;
  Tavola* tavola_ = nullptr;
};

class FinestraSicurezza : public QWidget {
  Q_OBJECT
 public:
  explicit FinestraSicurezza(Sessione& s, QWidget* parent = nullptr);
  ~FinestraSicurezza() override;

  // The hypotheses of the figures, as the status line and the table state them.
  QStringList ipotesi() const;

  // The positions of the load sweep.
  static constexpr int kPosizioni = 50;

  // Assesses the session's project (assembled afresh from its input).
  void Avvia();
  bool inCorso() const { return valutatore_.inCorso(); }
  const RisultatiSicurezza& risultati() const { return valutatore_.risultati(); }
  // The assessment ended with its figures: the project as assessed and its
  // voussoirs, for the report.
  bool valutata() const { return valutata_; }
  const DatiProgetto& datiValutati() const { return valutatore_.dati(); }
  const ModelloArco& modelloValutato() const { return valutatore_.modello(); }
  const RisultatiVeicolo& veicoloValutato() const { return valutatore_.veicolo(); }
  const Adeguatezza& adeguatezza() const { return valutatore_.adeguatezza(); }

  // The arch plot sent to the printer (0) or a DXF file (1).
  void mnuFileItem(int indice);
  // Export Plot: the arch plot (0) or the sweep chart (1) as a PNG, SVG or PDF file.
  void mnuEsportaImmagine(int quale);
  void Adatta() {
    areaArco->Adatta();
    areaGrafico->Adatta();
  }

  QMenuBar* menu;
  QLabel* lblVerdetto;  // the verdict under the code's partial factors, first
  QTableWidget* tabella;
  QLabel* lblStato;
  QProgressBar* progresso;
  QPushButton* cmdStop;
  AreaTavola* areaArco;
  AreaTavola* areaGrafico;
  QTabWidget* schede;  // the strip load's drawings, the vehicle's
  PannelloVeicolo* pannelloVeicolo;  // the vehicle's sweep, when the project has a vehicle

 signals:
  // The assessment ended: its figures shown, or failed with its message.
  void concluso(bool riuscito);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void fine(bool riuscito);
  void riempiTabella();
  // The vehicle's rows: its worst factor, position, mechanism and axles.
  void righeVeicolo(std::vector<std::array<QString, 3>>& righe) const;
  std::array<QString, 3> rigaCertificati() const;
  // An arch that does not stand or cannot carry its variable load: the
  // warning in the status line and its figures in red.
  void SegnalaPericolo(const RisultatiSicurezza& r);
  void mostraVerdetto();
  // A factor with the decimals that keep it on its side of 1.
  QString fattore(double v) const;

  Sessione& s_;
  ValutatoreSicurezza valutatore_;
  bool valutata_ = false;
  RecordingMessages messaggiDisegno_;
  Disegno disegnoArco_, disegnoGrafico_;
  std::unique_ptr<PlottaSicurezza> plot_;
  std::unique_ptr<GraficoSpostamento> grafico_;
};

}  // namespace voro::ui
