// Running the calculation on a worker thread.
#include "ui/Calcolatore.h"

#include "analysis/Calcolo.h"
#include "data/Impronte.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

// Forwards the search's progress to the window thread.
class Osservatore : public OsservatoreRicerca {
 public:
  explicit Osservatore(Calcolatore& c) : c_(c) {}
  void avvio() override { emit c_.avvio(); }
  void senzaRicerca() override { emit c_.senzaRicerca(); }
  void precisione(Single p) override { emit c_.precisione(p); }
  void stima(double secondi) override { emit c_.stima(secondi); }
  void passo(const std::string& caption) override { emit c_.passo(QString::fromStdString(caption)); }

 private:
  Calcolatore& c_;
};

}  // namespace

struct Calcolatore::Lavoro {
  std::string impronta;  // the input the calculation started from
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  MessaggiDifferiti messaggi;
  bool riuscito = false;
  std::string errore;
};

Calcolatore::Calcolatore(QObject* parent) : QObject(parent) {}

Calcolatore::~Calcolatore() {
  if (!thread_) return;
  thread_->wait();
  delete thread_;
}

bool Calcolatore::Avvia(Sessione& s) {
  if (thread_) return false;
  sessione_ = &s;
  lavoro_ = std::make_unique<Lavoro>();
  lavoro_->impronta = ImprontaCalcolo(s.dati);
  // The worker's messages in the language of the program.
  lavoro_->messaggi.setTraduzioni(s.msg().traduzioni());
  lavoro_->dati = s.dati;
  lavoro_->modello = s.modello;
  lavoro_->risultati = s.risultati;
  Lavoro* l = lavoro_.get();
  std::atomic<bool>* stop = &s.StopOttimizzazione;
  thread_ = QThread::create([this, l, stop] {
    Osservatore osservatore(*this);
    try {
      Calcolo(l->dati, l->modello, l->risultati, l->messaggi, &osservatore, stop).CalcoloMain();
      l->riuscito = true;
    } catch (const RuntimeError& e) {
      l->errore = e.description();
    } catch (const std::exception&) {
      // Nothing may escape the worker: out of memory ends the calculation.
      l->errore = RuntimeError(err::OutOfMemory).description();
    }
  });
  connect(thread_, &QThread::finished, this, [this] {
    Sessione& s = *sessione_;
    Lavoro& l = *lavoro_;
    // Results of an input that is no longer the project's are not kept.
    scartato_ = ImprontaCalcolo(s.dati) != l.impronta;
    fermato_ = l.riuscito && l.risultati.RicercaInterrotta;
    if (!scartato_) {
      s.modello = std::move(l.modello);
      s.risultati = std::move(l.risultati);
      s.dati.xq1 = l.dati.xq1;
      s.dati.xq2 = l.dati.xq2;
      s.dati.nDivisioni = l.dati.nDivisioni;
    }
    thread_->deleteLater();
    thread_ = nullptr;
    l.messaggi.riproduci(s.msg());
    const bool ok = l.riuscito;
    errore_ = QString::fromStdString(l.errore);
    lavoro_.reset();
    emit concluso(ok);
  });
  thread_->start();
  return true;
}

void Calcolatore::Interrompi(std::atomic<bool>& stop) {
  if (!thread_) return;
  // The search clears the flag when it starts: keep raising it until the
  // calculation has ended.
  do {
    stop = true;
  } while (!thread_->wait(20));
}

}  // namespace voro::ui
