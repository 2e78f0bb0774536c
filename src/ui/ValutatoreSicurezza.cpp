// Running the assessment on a worker thread.
#include "ui/ValutatoreSicurezza.h"

#include "arch/CostruisciModello.h"
#include "limite/PercorsoVeicolo.h"
#include "limite/Valutazione.h"

namespace voro::ui {

ValutatoreSicurezza::ValutatoreSicurezza(QObject* parent) : QObject(parent) {}

ValutatoreSicurezza::~ValutatoreSicurezza() { Ferma(); }

void ValutatoreSicurezza::Ferma() {
  if (!thread_) return;
  stop_ = true;
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
}

bool ValutatoreSicurezza::Avvia(const DatiProgetto& dati, int nPosizioni) {
  if (thread_) return false;
  dati_ = dati;
  modello_ = ModelloArco{};
  risultati_ = RisultatiSicurezza{};
  veicolo_ = RisultatiVeicolo{};
  adeguatezza_ = Adeguatezza{};
  errore_.clear();
  riuscito_ = false;
  stop_ = false;
  thread_ = QThread::create([this, nPosizioni] {
    try {
      try {
        CostruisciModello(dati_, modello_, messaggi_);
      } catch (const RuntimeError&) {
        errore_ = tr("Error: Check Geometry");
        return;
      }
      OpzioniSicurezza o;
      o.nPosizioni = nPosizioni;
      o.stop = &stop_;
      o.avanzamento = [this](int fatti, int totale) { emit avanzamento(fatti, totale); };
      // The vehicle is driven across once, here: the panel that shows it
      // and the adequacy both take this sweep.
      riuscito_ = ValutaSicurezza(dati_, modello_, messaggi_, o, risultati_) &&
                  (!dati_.VeicoloCarico || PercorriVeicolo(dati_, modello_, o.passoVeicolo, &stop_, veicolo_)) &&
                  ValutaAdeguatezza(dati_, o, adeguatezza_, &risultati_, dati_.VeicoloCarico ? &veicolo_ : nullptr);
    } catch (const RuntimeError& e) {
      errore_ = QString::fromStdString(messaggi_.traduci("Voro", e.description().c_str()));
    } catch (const std::exception&) {
      // Nothing may escape the worker: out of memory ends the assessment.
      const std::string memoria = RuntimeError(err::OutOfMemory).description();
      errore_ = QString::fromStdString(messaggi_.traduci("Voro", memoria.c_str()));
    }
  });
  connect(thread_, &QThread::finished, this, [this] {
    if (!thread_) return;  // stopped and waited for: nobody expects the results
    thread_->deleteLater();
    thread_ = nullptr;
    emit concluso(riuscito_);
  });
  thread_->start();
  return true;
}

}  // namespace voro::ui
