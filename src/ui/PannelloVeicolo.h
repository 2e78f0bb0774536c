// The vehicle in the Safety window: the live-load factor against the
// vehicle's position, and a slider that drives the vehicle along the
// bridge, redrawing its axles, its spread, the collapse thrust line, the
// mechanism and the factor at every position as the hand moves it.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <memory>

#include "drawing/Disegno.h"
#include "drawing/GraficoVeicolo.h"
#include "drawing/PlottaVeicolo.h"
#include "limite/PercorsoVeicolo.h"

namespace voro::ui {

class AreaTavola;
struct Sessione;

class PannelloVeicolo : public QWidget {
  Q_OBJECT
 public:
  PannelloVeicolo(const Sessione& s, QWidget* parent = nullptr);
  ~PannelloVeicolo() override;

  // The assessed project's vehicle sweep (the assessment's own), the
  // vehicle shown at its worst position; hidden when the project has no
  // vehicle. d and m must
  // outlive the panel's use of them (until the next Mostra or Svuota).
  void Mostra(const DatiProgetto& d, const ModelloArco& m, const RisultatiVeicolo& sweep);
  void Svuota();
  // The vehicle's first axle at x (m) in the direction chosen.
  void Sposta(double x);

  const RisultatiVeicolo& risultati() const { return risultati_; }
  const VeicoloInPosizione& corrente() const { return corrente_; }

  QSlider* sldPosizione;
  QComboBox* cmbVerso;
  QPushButton* cmdPeggiore;
  QLabel* lblPosizione;
  AreaTavola* areaVeicolo;
  AreaTavola* areaGrafico;

 private:
  Verso verso() const;
  void impostaCorsa();

  const Sessione& s_;
  std::unique_ptr<PercorsoVeicolo> percorso_;
  RisultatiVeicolo risultati_;
  const ModelloArco* modello_ = nullptr;  // the Safety window's, for the joints' names
  VeicoloInPosizione corrente_;
  RecordingMessages messaggi_;
  Disegno disegnoVeicolo_, disegnoGrafico_;
  std::unique_ptr<PlottaVeicolo> plot_;
  std::unique_ptr<GraficoVeicolo> grafico_;
};

}  // namespace voro::ui
