// The assessment of a project run off the window thread, with the progress
// of the load sweep; one at a time, on a copy of the project.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "limite/Adeguatezza.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"
#include "ui/MessaggiQt.h"

namespace voro::ui {

class ValutatoreSicurezza : public QObject {
  Q_OBJECT
 public:
  explicit ValutatoreSicurezza(QObject* parent = nullptr);
  // A running assessment is stopped and waited for.
  ~ValutatoreSicurezza() override;

  // Assembles and assesses a copy of the project; false when one is running.
  bool Avvia(const DatiProgetto& dati, int nPosizioni);
  // The language of the assessment's messages.
  void ImpostaTraduzioni(const Traduzioni* t) { messaggi_.setTraduzioni(t); }
  bool inCorso() const { return thread_ != nullptr; }
  // Stops a running assessment and waits for it to end.
  void Ferma();

  // After concluso(true): the project as assessed (its load range clamped to
  // the structure), its model and the results.
  const DatiProgetto& dati() const { return dati_; }
  const ModelloArco& modello() const { return modello_; }
  const RisultatiSicurezza& risultati() const { return risultati_; }
  // The project's vehicle driven across (empty without a vehicle).
  const RisultatiVeicolo& veicolo() const { return veicolo_; }
  // The adequacy under the project's partial factors.
  const Adeguatezza& adeguatezza() const { return adeguatezza_; }
  // After concluso(false): why, empty when it was stopped.
  const QString& errore() const { return errore_; }
  // Shows the messages the last assessment left.
  void Riproduci(Messages& destinazione) { messaggi_.riproduci(destinazione); }

 signals:
  void avanzamento(int fatti, int totale);
  void concluso(bool riuscito);

 private:
  QThread* thread_ = nullptr;
  std::atomic<bool> stop_{false};
  DatiProgetto dati_;
  ModelloArco modello_;
  RisultatiSicurezza risultati_;
  RisultatiVeicolo veicolo_;
  Adeguatezza adeguatezza_;
  MessaggiDifferiti messaggi_;
  QString errore_;
  bool riuscito_ = false;
};

}  // namespace voro::ui
