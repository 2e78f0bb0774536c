// The ring's thickness changed under a road that stays where it is.
#include "arch/AnelloScalato.h"

#include <algorithm>
#include <limits>

#include "arch/CostruisciModello.h"

namespace voro {

namespace {

template <class Anello>
double Scala(const Anello& d, double f, Anello& q) {
  if (q.nVori <= 1) {
    q.SpessoreAnello = toSingle(d.SpessoreAnello * f);
    return q.SpessoreAnello;
  }
  double minimo = std::numeric_limits<double>::infinity();
  for (int i = 1; i <= q.nVori && i <= q.Vori.size(); ++i) {
    q.Vori(i).Spessore = d.Vori(i).Spessore * f;
    minimo = std::min(minimo, q.Vori(i).Spessore);
  }
  return minimo;
}

}  // namespace

double ScalaSpessore(const DatiProgetto& d, double f, DatiProgetto& q) {
  double minimo = Scala(d, f, q);
  // A bridge's rings all alike.
  for (std::size_t k = 0; k < q.Campate.size() && k < d.Campate.size(); ++k)
    minimo = std::min(minimo, Scala(d.Campate[k], f, q.Campate[k]));
  return minimo;
}

void CostruisciConStrada(const DatiProgetto& q, const ModelloArco& progetto, ModelloArco& m, Messages& msg) {
  CostruisciModello(q, m, msg);
  const Single soletta = progetto.ySoletta - progetto.yRiempimento;
  m.yRiempimento = std::max(progetto.yRiempimento, m.yEstradossoMax);
  m.ySoletta = m.yRiempimento + soletta;
}

}  // namespace voro
