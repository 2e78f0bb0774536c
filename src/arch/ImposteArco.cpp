// The springings the upper walls raise.
#include "arch/ImposteArco.h"

namespace voro {

ImposteArco ImposteSuPareti(const ModelloArco& m) {
  ImposteArco a;
  if (m.nConciTot < 1 || m.Vori.empty()) return a;
  if (m.nConciPareteSinistra > 0) {
    const double y = m.Conci(1).y(1);
    a.sinistra = ImpostaRialzata{m.nConciPareteSinistra, y, y - m.Vori(1).Y1};
  }
  if (m.nConciPareteDestra > 0) {
    const double y = m.Conci(m.nConciTot).y(2);
    a.destra = ImpostaRialzata{m.nConciPareteDestra, y, y - m.Vori(m.Vori.size()).Y3};
  }
  return a;
}

}  // namespace voro
