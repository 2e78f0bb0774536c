// The threads of the hinge search: persistent workers beside the calling
// thread, each task run by all of them at once.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace voro {

class SquadraRicerca {
 public:
  // thread threads in all: the calling one and thread - 1 workers.
  explicit SquadraRicerca(int thread);
  ~SquadraRicerca();
  SquadraRicerca(const SquadraRicerca&) = delete;
  SquadraRicerca& operator=(const SquadraRicerca&) = delete;

  int thread() const { return static_cast<int>(lavoratori_.size()) + 1; }

  // Runs compito(k) on every thread k = 0 .. thread() - 1 (0 is the calling
  // one) and returns when all have finished; an exception of any of them is
  // raised again here.
  void esegui(const std::function<void(int)>& compito);

 private:
  void ciclo(int numero);

  std::mutex m_;
  std::condition_variable avvio_, fine_;
  const std::function<void(int)>* compito_ = nullptr;
  std::uint64_t generazione_ = 0;
  int inCorso_ = 0;
  bool chiusura_ = false;
  std::exception_ptr errore_;
  std::vector<std::thread> lavoratori_;
};

}  // namespace voro
