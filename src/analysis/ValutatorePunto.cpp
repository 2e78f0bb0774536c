// The plain evaluation of one grid point on private voussoirs.
#include "analysis/ValutatorePunto.h"

#include "analysis/Merito.h"
#include "analysis/Reazioni.h"

namespace voro {

ValutatorePunto::ValutatorePunto(const ModelloArco& m, double bPrima, double sinA, double cosA, bool distanze)
    : conci_(m.Conci.data(), m.Conci.data() + m.nConciTot),
      larghezzaMinima_(m.LarghezzaMinima),
      bPrima_(bPrima),
      sinA_(sinA),
      cosA_(cosA),
      distanze_(distanze) {}

std::optional<Single> ValutatorePunto::valuta(double e1, const std::array<double, 3>& x,
                                              const std::array<double, 3>& y, double M2v, double M2h, double M3v,
                                              double M3h) {
  try {
    double V = 0, H = 0;
    ReazioniTreCerniere(x, y, M2v, M2h, M3v, M3h, V, H);
    const Single N1 = toSingle(V * sinA_ + H * cosA_);
    const Single T1 = toSingle(V * cosA_ - H * sinA_);
    double xP = x[0], yP = y[0];
    for (Concio& c : conci_) c.FunicolareConcio(V, H, xP, yP);
    if (distanze_) {
      double minimo = conci_.front().dBordoImposta(e1);
      for (const Concio& c : conci_) {
        const double d = c.dBordo();
        if (d < minimo) minimo = d;
      }
      return toSingle(minimo);
    }
    double sE = 0, sI = 0, perc1 = 0, tau1 = 0;
    conci_.front().SigmaCalcolaPrimaSezione(e1, N1, T1, bPrima_, larghezzaMinima_, sE, sI, perc1, tau1);
    for (Concio& c : conci_) c.SigmaCalcola(larghezzaMinima_);
    Estremi est, intr;
    est.add(toSingle(sE), 1);
    intr.add(toSingle(sI), 1);
    for (std::size_t v = 0; v < conci_.size(); ++v) {
      est.add(toSingle(conci_[v].sigmaEst), static_cast<int>(v) + 2);
      intr.add(toSingle(conci_[v].sigmaInt), static_cast<int>(v) + 2);
    }
    Single F = 0;
    Integer j = 0;
    MeritoTensioni(intr.vmin, intr.imin, intr.vmax, intr.imax, est.vmin, est.imin, est.vmax, est.imax, F, j);
    return F;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace voro
