// The calculation run off the window thread, so that the windows stay
// responsive during the hinge search; one at a time.
#pragma once

#include <QObject>
#include <QThread>
#include <QPointer>
#include <atomic>
#include <memory>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "ui/MessaggiQt.h"

namespace voro::ui {

struct Sessione;

class Calcolatore : public QObject {
  Q_OBJECT
 public:
  explicit Calcolatore(QObject* parent = nullptr);
  ~Calcolatore() override;

  // Starts the calculation on a copy of the project; false when one is
  // already running. When it ends, the results, the model and what the
  // calculation changes in the input (the load range, the step count) go
  // back into the session, its messages are shown, and `concluso` fires;
  // if the project's input changed meanwhile, nothing goes back.
  bool Avvia(Sessione& s);
  bool inCorso() const { return thread_ != nullptr; }
  // The description of the error that ended the last calculation.
  const QString& ultimoErrore() const { return errore_; }
  // The last search was ended by Stop: its results are those of the best
  // point found so far.
  bool fermato() const { return fermato_; }
  // The last calculation's results were discarded: the input changed while
  // it ran.
  bool scartato() const { return scartato_; }
  // Stops a running search through its stop flag and waits for the
  // calculation to end.
  void Interrompi(std::atomic<bool>& stop);

 signals:
  void avvio();
  void senzaRicerca();
  void precisione(float metri);
  void stima(double secondi);
  void passo(const QString& caption);
  void concluso(bool riuscito);

 private:
  struct Lavoro;
  std::unique_ptr<Lavoro> lavoro_;
  QThread* thread_ = nullptr;
  Sessione* sessione_ = nullptr;
  QString errore_;
  bool fermato_ = false;
  bool scartato_ = false;
};

}  // namespace voro::ui
