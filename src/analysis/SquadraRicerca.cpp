// The persistent workers of the hinge search.
#include "analysis/SquadraRicerca.h"

namespace voro {

SquadraRicerca::SquadraRicerca(int thread) {
  for (int k = 1; k < thread; ++k) lavoratori_.emplace_back([this, k] { ciclo(k); });
}

SquadraRicerca::~SquadraRicerca() {
  {
    std::lock_guard<std::mutex> lock(m_);
    chiusura_ = true;
  }
  avvio_.notify_all();
  for (auto& t : lavoratori_) t.join();
}

void SquadraRicerca::esegui(const std::function<void(int)>& compito) {
  {
    std::lock_guard<std::mutex> lock(m_);
    compito_ = &compito;
    inCorso_ = static_cast<int>(lavoratori_.size());
    errore_ = nullptr;
    ++generazione_;
  }
  avvio_.notify_all();
  std::exception_ptr proprio;
  try {
    compito(0);
  } catch (...) {
    proprio = std::current_exception();
  }
  std::unique_lock<std::mutex> lock(m_);
  fine_.wait(lock, [this] { return inCorso_ == 0; });
  compito_ = nullptr;
  if (proprio) std::rethrow_exception(proprio);
  if (errore_) std::rethrow_exception(errore_);
}

void SquadraRicerca::ciclo(int numero) {
  std::uint64_t visto = 0;
  for (;;) {
    const std::function<void(int)>* compito;
    {
      std::unique_lock<std::mutex> lock(m_);
      avvio_.wait(lock, [&] { return chiusura_ || generazione_ != visto; });
      if (chiusura_) return;
      visto = generazione_;
      compito = compito_;
    }
    std::exception_ptr errore;
    try {
      (*compito)(numero);
    } catch (...) {
      errore = std::current_exception();
    }
    std::lock_guard<std::mutex> lock(m_);
    if (errore && !errore_) errore_ = errore;
    if (--inCorso_ == 0) fine_.notify_one();
  }
}

}  // namespace voro
