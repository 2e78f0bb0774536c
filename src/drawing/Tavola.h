// A drawing that one routine draws whole on any target: the arch plot, the
// safety plot, the chart of the load sweep.
#pragma once

#include <string>

#include "drawing/Cad.h"
#include "drawing/Disegno.h"
#include "drawing/Superficie.h"

namespace voro {

class Tavola {
 public:
  virtual ~Tavola() = default;
  // The whole drawing on the target ("VIDEO", "STAMPANTE", "DXF", "DWG",
  // "BLOCCO"); false when it failed (its message already shown).
  virtual bool PlottaVoro(const std::string& destinazione, Superficie* superficie, ContenitoreCad* blocco = nullptr) = 0;
};

// A drawing whose whole routine runs under one error trap: a run-time error
// shows "Error in " and the drawing's name, and ends the drawing, leaving
// what was drawn.
class TavolaProtetta : public Tavola {
 public:
  bool PlottaVoro(const std::string& destinazione, Superficie* superficie, ContenitoreCad* blocco = nullptr) override {
    destinazione_ = destinazione;
    superficie_ = superficie;
    blocco_ = blocco;
    try {
      disegna();
    } catch (const RuntimeError&) {
      g_.msg().critical(Componi(g_.msg().traduci("Voro", "Error in %1"), {nome_}));
      return false;
    }
    return true;
  }

 protected:
  TavolaProtetta(Disegno& disegno, std::string nome) : g_(disegno), nome_(std::move(nome)) {}
  // The whole drawing on destinazione_ (superficie_, blocco_).
  virtual void disegna() = 0;

  Disegno& g_;
  std::string destinazione_;
  Superficie* superficie_ = nullptr;
  ContenitoreCad* blocco_ = nullptr;

 private:
  std::string nome_;
};

// A number's text without the blank the formats put before a positive number,
// for figures inside a sentence.
inline std::string Spoglio(std::string t) {
  while (!t.empty() && t.front() == ' ') t.erase(t.begin());
  return t;
}

}  // namespace voro
