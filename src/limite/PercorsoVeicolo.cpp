// The vehicle sweep and the refinement of its least factor.
#include "limite/PercorsoVeicolo.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>

#include "numerics/SezioneAurea.h"

namespace voro {

namespace {

// The refinement stops when the bracket of the least factor is this narrow (m).
constexpr double kTolleranzaPosizione = 1e-4;

// An eighth of the shortest span. A longer step may pass over every position
// where the vehicle stands on a ring, and prove safe an arch it collapses.
double PassoMassimo(const ModelloArco& m) {
  const std::size_t campate = m.ponte() ? m.Campate.size() : 1;
  double corta = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < campate; ++k) {
    const int primo = m.ponte() ? m.Campate[k].primo : 1, ultimo = m.ponte() ? m.Campate[k].ultimo : m.nConciTot;
    double sinistra = std::numeric_limits<double>::infinity(), destra = -sinistra;
    for (int i = primo; i <= ultimo; ++i)
      for (int j = 1; j <= 4; ++j) {
        sinistra = std::min(sinistra, m.Conci(i).x(j));
        destra = std::max(destra, m.Conci(i).x(j));
      }
    if (destra > sinistra) corta = std::min(corta, destra - sinistra);
  }
  return corta / 8;
}

}  // namespace

PercorsoVeicolo::PercorsoVeicolo(const DatiProgetto& d, const ModelloArco& m) : carico_(d, m), ip_(IpotesiProgetto(d, m)), st_(m, ip_.mobilitazione) {
  const int n = m.nConciTot;
  for (int i = 1; i <= n; ++i) {
    const Concio& c = m.Conci(i);
    Fq_.push_back(c.FVariabile);
    Fqx_.push_back(c.FVariabile * c.xFVariabile);
  }
}

MoltiplicatoreCarico PercorsoVeicolo::Valuta(double x, Verso verso) {
  carico_.Ripartisci(carico_.Impronte(x, verso), F_, Fx_);
  for (std::size_t k = 0; k < F_.size(); ++k) {
    F_[k] += Fq_[k];
    Fx_[k] += Fqx_[k];
  }
  st_.ImpostaVariabili(F_, Fx_);
  const MoltiplicatoreCarico mc = AnalisiLimite(st_, ip_).Moltiplicatore(avvio_);
  if (mc.esito == EsitoCarico::Finito) avvio_ = mc.reazione;
  return mc;
}

LineaSpinte PercorsoVeicolo::Linea(const MoltiplicatoreCarico& mc) const {
  return st_.Linea(mc.reazione);
}

namespace {

// The samples of one direction, from the first touch to the last, on a
// statics of their own; false when stopped.
bool Campioni(const DatiProgetto& d, const ModelloArco& m, Verso v, double passo, const std::atomic<bool>* stop,
              std::vector<PosizioneVeicolo>& posizioni) {
  PercorsoVeicolo p(d, m);
  const auto [inizio, fine] = p.carico().Corsa(v);
  const int n = std::max(1, static_cast<int>(std::ceil((fine - inizio) / passo - 1e-9)));
  posizioni.reserve(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    if (stop && stop->load()) return false;
    const double x = inizio + (fine - inizio) * k / n;
    const MoltiplicatoreCarico mc = p.Valuta(x, v);
    posizioni.push_back({x, v, mc.esito == EsitoCarico::Finito ? std::optional<double>(mc.lambda) : std::nullopt,
                         mc.esito != EsitoCarico::NonCertificato});
  }
  return true;
}

}  // namespace

bool PercorriVeicolo(const DatiProgetto& d, const ModelloArco& m, double passo, const std::atomic<bool>* stop,
                     RisultatiVeicolo& r) {
  r = RisultatiVeicolo{};
  if (!d.VeicoloCarico) return true;
  r.veicolo = *d.VeicoloCarico;
  r.diffusione = d.DiffusioneCarico;
  passo = std::min(passo, PassoMassimo(m));
  r.passo = passo;
  PercorsoVeicolo p(d, m);
  auto fattore = [&](double x, Verso v) -> std::optional<double> {
    // A refinement trial no solver certifies is passed over, as any position
    // between the steps is.
    const MoltiplicatoreCarico mc = p.Valuta(x, v);
    if (mc.esito != EsitoCarico::Finito) return std::nullopt;
    return mc.lambda;
  };

  // The samples, each direction on a core of its own.
  const std::vector<Verso> versi = p.carico().Versi();
  std::vector<std::vector<PosizioneVeicolo>> campioni(versi.size());
  std::vector<std::future<bool>> altri;
  for (std::size_t k = 1; k < versi.size(); ++k)
    altri.push_back(std::async(std::launch::async, Campioni, std::cref(d), std::cref(m), versi[k], passo, stop,
                               std::ref(campioni[k])));
  bool completo = Campioni(d, m, versi.front(), passo, stop, campioni.front());
  for (auto& f : altri) completo = f.get() && completo;
  if (!completo) return false;
  std::size_t iPeggiore = 0;
  for (const auto& c : campioni)
    for (const PosizioneVeicolo& pos : c) {
      if (!pos.certificata) ++r.posizioniNonCertificate;
      if (pos.fattore && (!r.fattorePeggiore || *pos.fattore < *r.fattorePeggiore)) {
        r.fattorePeggiore = pos.fattore;
        iPeggiore = r.posizioni.size();
      }
      r.posizioni.push_back(pos);
    }
  if (!r.fattorePeggiore) {
    // No position makes the ring collapse: proven where every answer is.
    r.certificato.statico = r.certificato.cinematico = r.posizioniNonCertificate == 0;
    return true;
  }

  // Golden-section search between the neighbouring samples of the same
  // direction; the least factor met anywhere is kept, so the refined one is
  // never larger than a sampled one.
  const PosizioneVeicolo& migliore = r.posizioni[iPeggiore];
  const Verso v = migliore.verso;
  double a = migliore.x, b = migliore.x;
  if (iPeggiore > 0 && r.posizioni[iPeggiore - 1].verso == v) a = r.posizioni[iPeggiore - 1].x;
  if (iPeggiore + 1 < r.posizioni.size() && r.posizioni[iPeggiore + 1].verso == v)
    b = r.posizioni[iPeggiore + 1].x;
  double xMin = migliore.x, fMin = *migliore.fattore;
  auto prova = [&](double x) {
    const auto f = fattore(x, v);
    if (f && *f < fMin) fMin = *f, xMin = x;
    return f ? *f : std::numeric_limits<double>::infinity();
  };
  if (!SezioneAurea(a, b, kTolleranzaPosizione, prova, [&] { return !(stop && stop->load()); })) return false;

  // The worst position solved once more for its mechanism and its line.
  MoltiplicatoreCarico mc = p.Valuta(xMin, v);
  if (mc.esito != EsitoCarico::Finito) {
    xMin = migliore.x;
    fMin = *migliore.fattore;
    mc = p.Valuta(xMin, v);
  }
  if (mc.esito != EsitoCarico::Finito || r.posizioniNonCertificate > 0) {
    // A position without a certified answer may hide a smaller factor.
    r.fattorePeggiore.reset();
    r.certificato = mc.certificato;
    r.certificato.statico = r.certificato.cinematico = false;
    return true;
  }
  r.certificato = mc.certificato;
  r.fattorePeggiore = std::min(mc.lambda, fMin);
  r.xPeggiore = xMin;
  r.versoPeggiore = v;
  r.assiPeggiori = p.carico().Impronte(xMin, v);
  r.meccanismo = mc.meccanismo;
  r.lineaCollasso = p.Linea(mc);
  return true;
}

}  // namespace voro
