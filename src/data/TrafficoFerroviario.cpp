// Rail traffic's factors on a masonry arch with fill, after EN 1991-2 and
// NTC 2018 §5.2.2.2, and where each comes from.
#include "data/TrafficoFerroviario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace voro {

namespace {

// The clauses, in the language of the report that cites them.
constexpr const char* kGammaEN =
    VORO_NOOP("Voro", "EN 1990:2002+A1, Annex A2, Table A2.4(B), set B (STR/GEO), rail traffic (LM71)");
constexpr const char* kGammaNTC = VORO_NOOP("Voro", "NTC 2018, Table 5.2.V (ultimate limit states of railway bridges)");
constexpr const char* kAlfaEN = VORO_NOOP("Voro", "EN 1991-2:2003, §6.3.2(3) (Load Model 71 as defined)");
constexpr const char* kAlfaNTC = VORO_NOOP("Voro", "NTC 2018, §5.2.2.2.1.1 (LM71 on ordinary railways)");
constexpr const char* kPhiEN = VORO_NOOP(
    "Voro", "EN 1991-2:2003, §6.4.5: LΦ = 2 × clear span %1 m = %2 m (arch with fill), %3; cover h = %4 m, %5");
constexpr const char* kPhiNTC = VORO_NOOP(
    "Voro",
    "NTC 2018, §5.2.2.2.3: LΦ = 2 × clear span %1 m = %2 m (Table 5.2.II, arches with fill), %3; cover h = %4 m, %5");
constexpr const char* kDigitato = VORO_NOOP("Voro", "typed by the engineer");

// A figure with its decimals, with the decimal sign of lingua.
std::string numero(double x, int cifre, const Regional* lingua) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.*f", cifre, x);
  std::string t = buf;
  if (lingua)
    if (const std::size_t p = t.find('.'); p != std::string::npos) t.replace(p, 1, lingua->SeparatoreDecimaleTesto());
  return t;
}

// The clear span of a ring: one circle's span, or a chain's from its first
// springing to its last.
double Luce(Integer nVori, Single luceAnello, const Array1<DatiVoro>& vori) {
  if (nVori <= 1 || vori.empty() || !vori.contains(1) || !vori.contains(nVori)) return luceAnello;
  return vori(nVori).X3 - vori(1).X1;
}

}  // namespace

double CoefficienteDinamico(double LPhi, ManutenzioneBinario m) {
  const bool accurata = m == ManutenzioneBinario::Accurata;
  const double massimo = accurata ? 1.67 : 2.00;
  const double radice = std::sqrt(std::max(LPhi, 0.0)) - 0.2;
  if (!(radice > 0)) return massimo;
  const double phi = accurata ? 1.44 / radice + 0.82 : 2.16 / radice + 0.73;
  return std::clamp(phi, 1.0, massimo);
}

std::optional<FattoreDinamico> FattoreDinamicoArco(const DatiProgetto& d, const CoefficientiParziali& c) {
  FattoreDinamico f;
  if (c.phi > 0) {
    f.phi = c.phi;
    f.digitato = true;
    return f;
  }
  // A bridge's shortest span has the largest factor: it serves every span.
  double luce = Luce(d.nVori, d.LuceAnello, d.Vori);
  for (const DatiCampata& k : d.Campate) luce = std::min(luce, Luce(k.nVori, k.LuceAnello, k.Vori));
  if (!(luce > 0) || !std::isfinite(luce)) return std::nullopt;
  f.luce = luce;
  f.LPhi = 2 * luce;
  f.phiBase = CoefficienteDinamico(f.LPhi, d.Normativa.manutenzione);
  // The cover from the highest extrados: the least over any crown.
  f.copertura = std::max(0.0, static_cast<double>(d.hRiempimento) + d.hSoletta);
  f.riduzione = f.copertura > 1.0 ? (f.copertura - 1.0) / 10 : 0.0;
  f.coperturaAlta = d.Normativa.base == BaseNormativa::Ntc2018 && f.copertura > 2.5;
  f.phi = f.coperturaAlta ? 1.0 : std::max(1.0, f.phiBase - f.riduzione);
  return f;
}

double PhiDelProgetto(const DatiProgetto& d, const CoefficientiParziali& c) {
  const auto f = FattoreDinamicoArco(d, c);
  return f ? f->phi : CoefficienteDinamico(0, d.Normativa.manutenzione);
}

double FattoreVeicolo(const DatiProgetto& d, const CoefficientiParziali& c) {
  if (!d.VeicoloCarico || !d.VeicoloCarico->Ferroviario()) return c.gQ;
  return static_cast<double>(c.gQf) * c.alpha * PhiDelProgetto(d, c);
}

std::vector<ClausolaFattore> ClausoleFerroviarie(const DatiProgetto& d, const CoefficientiParziali& c,
                                                 const Regional* lingua) {
  if (!d.VeicoloCarico || !d.VeicoloCarico->Ferroviario()) return {};
  auto testo = [lingua](const char* t) { return lingua ? lingua->traduci("Voro", t) : std::string(t); };
  const DatiNormativa& n = d.Normativa;
  const bool en = n.base == BaseNormativa::Eurocodice, ntc = n.base == BaseNormativa::Ntc2018;
  DatiNormativa preset = n;
  const CoefficientiParziali p = CoefficientiNormativa(preset);
  const std::string digitato = testo(kDigitato);
  auto fonte = [&](Single valore, Single codice, const char* clausolaEN, const char* clausolaNTC) {
    if (!(en || ntc) || valore != codice) return digitato;
    return testo(en ? clausolaEN : clausolaNTC);
  };
  std::vector<ClausolaFattore> v{{"γQ,rail", c.gQf, fonte(c.gQf, p.gQf, kGammaEN, kGammaNTC)},
                                 {"α", c.alpha, fonte(c.alpha, p.alpha, kAlfaEN, kAlfaNTC)}};
  const auto f = FattoreDinamicoArco(d, c);
  if (!f) return v;
  std::string come = digitato;
  if (!f->digitato) {
    const bool accurata = n.manutenzione == ManutenzioneBinario::Accurata;
    const std::string phi = (accurata ? "Φ2 = " : "Φ3 = ") + numero(f->phiBase, 3, lingua) + " " +
                            testo(accurata ? VORO_NOOP("Voro", "(carefully maintained track)")
                                           : VORO_NOOP("Voro", "(standard maintenance)"));
    const std::string riduzione =
        f->coperturaAlta ? testo(VORO_NOOP("Voro", "more than 2.50 m: Φ = 1"))
        : f->riduzione > 0
            ? Componi(testo(VORO_NOOP("Voro", "reduced by (h - 1.00)/10 = %1, not below 1.0")), {numero(f->riduzione, 3, lingua)})
            : testo(VORO_NOOP("Voro", "not above 1.00 m: no reduction"));
    come = Componi(testo(ntc ? kPhiNTC : kPhiEN), {numero(f->luce, 2, lingua), numero(f->LPhi, 2, lingua), phi,
                                                   numero(f->copertura, 2, lingua), riduzione});
  }
  v.push_back({"Φ", static_cast<Single>(f->phi), come});
  return v;
}

}  // namespace voro
