// Placing the project's vehicle on the road for the arch plot.
#include "drawing/VeicoloSullaStrada.h"

#include "drawing/FigureSicurezza.h"
#include "drawing/Tavola.h"

namespace voro {

namespace {

std::optional<VeicoloSullaStrada> InPosizione(const DatiProgetto& d, const ModelloArco& m, double x, Verso verso) {
  if (!d.VeicoloCarico || m.nConciTot <= 0) return std::nullopt;
  VeicoloSullaStrada v;
  v.x = x;
  v.verso = verso;
  v.veicolo.nome = d.VeicoloCarico->Nome;
  v.veicolo.assi = CaricoVeicolo(d, m).Impronte(x, verso);
  for (const AsseVeicolo& a : d.VeicoloCarico->Assi) v.veicolo.carichi.push_back(a.P);
  return v;
}

}  // namespace

std::optional<VeicoloSullaStrada> VeicoloAMetaLuce(const DatiProgetto& d, const ModelloArco& m) {
  if (m.Vori.empty()) return std::nullopt;
  // From the first springing to the last: the whole ring's span.
  const double centro = (m.Vori(1).X1 + m.Vori(m.Vori.size()).X3) / 2;
  return InPosizione(d, m, centro, Verso::Avanti);
}

std::optional<VeicoloSullaStrada> VeicoloPeggiore(const DatiProgetto& d, const ModelloArco& m,
                                                  const RisultatiVeicolo& r) {
  if (!r.fattorePeggiore) return VeicoloAMetaLuce(d, m);
  std::optional<VeicoloSullaStrada> v = InPosizione(d, m, r.xPeggiore, r.versoPeggiore);
  if (v) v->fattorePeggiore = r.fattorePeggiore;
  return v;
}

std::string LegendaVeicolo(const VeicoloSullaStrada& v, const Regional& reg) {
  if (v.fattorePeggiore) {
    const std::string t =
        v.verso == Verso::Avanti
            ? reg.traduci("Voro", "%1: worst position of the safety assessment, first axle at x = %2 m, driven "
                                  "forward (live-load factor %3 under the characteristic loads)")
            : reg.traduci("Voro", "%1: worst position of the safety assessment, first axle at x = %2 m, driven "
                                  "backward (live-load factor %3 under the characteristic loads)");
    return Componi(t, {v.veicolo.nome, TestoMetri(reg, v.x), TestoFattore(reg, *v.fattorePeggiore)});
  }
  return Componi(reg.traduci("Voro", "%1: first axle at mid-span, x = %2 m, driven forward"),
                 {v.veicolo.nome, TestoMetri(reg, v.x)});
}

}  // namespace voro
