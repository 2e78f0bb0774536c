// The vehicle on the fill and the spread of its axles: a vehicle of the
// library or one typed axle by axle, saved into the user's library if
// wished, drawn on the bridge with its spread down to the ring.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <memory>
#include <optional>

#include "data/LibreriaVeicoli.h"
#include "drawing/Disegno.h"
#include "drawing/PlottaVeicolo.h"

namespace voro::ui {

class AreaTavola;
struct Sessione;

class DialogoVeicolo : public QDialog {
  Q_OBJECT
 public:
  DialogoVeicolo(Sessione& s, QWidget* parent = nullptr);
  ~DialogoVeicolo() override;

  // The boxes into the project's vehicle and spread; false, with a message
  // naming the vehicle, the axle and the value, when they do not make one.
  bool Leggi();

  QComboBox* cmbVeicolo;
  QLineEdit* txtNome;
  QLineEdit* txtCarreggiata;
  QLineEdit* txtLarghezza;
  QComboBox* cmbCategoria;  // road or rail traffic
  QTableWidget* tabAssi;
  QPushButton* cmdAggiungi;
  QPushButton* cmdTogli;
  QComboBox* cmbDiffusione;
  QLineEdit* txtAngolo;
  QPushButton* cmdSalva;
  AreaTavola* anteprima;
  QLabel* lblErrore;  // why the vehicle cannot be drawn, when it cannot

 private:
  void scriviVeicolo(const std::optional<Veicolo>& v);
  // The vehicle and spread the boxes hold, or the reason they hold none.
  std::optional<Veicolo> veicolo(QString& errore) const;
  std::optional<Diffusione> diffusione(QString& errore) const;
  void aggiornaAnteprima();
  QString numero(double x) const;
  QString testoAngolo(const Diffusione& d) const;
  // The library's vehicles in the list, each with its name as key.
  void riempiElenco();

  Sessione& s_;
  LibreriaVeicoli libreria_;
  RecordingMessages messaggi_;
  Disegno disegno_;
  VeicoloInPosizione inPosizione_;
  std::unique_ptr<PlottaVeicolo> plot_;
};

}  // namespace voro::ui
