// Vehicles and the spread rule: their checks and their texts.
#include "data/Veicolo.h"

#include <algorithm>
#include <charconv>
#include <cmath>


namespace voro {

namespace {

std::string numero(Single x) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}

// A load, distance or length the vehicle can have.
bool valido(Single x) { return std::isfinite(x) && x >= 0; }

}  // namespace

const char* TestoCategoria(CategoriaTraffico c) { return c == CategoriaTraffico::Ferroviaria ? "rail" : "road"; }

std::optional<CategoriaTraffico> LeggiCategoria(const std::string& testo) {
  if (testo == "road") return CategoriaTraffico::Stradale;
  if (testo == "rail") return CategoriaTraffico::Ferroviaria;
  return std::nullopt;
}

Single Veicolo::Passo() const {
  Single p = 0;
  for (const AsseVeicolo& a : Assi) p = std::max(p, a.d);
  return p;
}

bool Veicolo::Simmetrico() const {
  // Driven backward, axle k stands at passo - d_k from the last one: the same
  // vehicle when every such axle finds one of its own load and contact.
  const Single passo = Passo();
  for (const AsseVeicolo& a : Assi) {
    const bool trovato = std::any_of(Assi.begin(), Assi.end(), [&](const AsseVeicolo& b) {
      return b.P == a.P && b.a == a.a && std::fabs((passo - b.d) - a.d) <= 1e-6f * (1 + passo);
    });
    if (!trovato) return false;
  }
  return true;
}

std::optional<std::string> ErroreVeicolo(const Veicolo& v, const Traduzioni* lingua) {
  auto testo = [lingua](const char* t) { return lingua ? lingua->Traduci("Voro", t) : std::string(t); };
  if (v.Nome.empty()) return testo(VORO_NOOP("Voro", "a vehicle has no name"));
  if (v.Assi.empty()) return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\" has no axle")), {v.Nome});
  if (!valido(v.Carreggiata))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\": track s = %2 m is not a length >= 0")),
                   {v.Nome, numero(v.Carreggiata)});
  if (!valido(v.LarghezzaImpronta))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\": contact width w = %2 m is not a length >= 0")),
                   {v.Nome, numero(v.LarghezzaImpronta)});
  if (v.Carreggiata > kMassimaLarghezza || v.LarghezzaImpronta > kMassimaLarghezza)
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\": track s = %2 m and contact width w = %3 m may not exceed "
                                           "%4 m, more than any road or rail vehicle has")),
                   {v.Nome, numero(v.Carreggiata), numero(v.LarghezzaImpronta), numero(kMassimaLarghezza)});
  if (v.Assi.size() > kMassimoAssi)
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\" has %2 axles, more than the %3 of any train")),
                   {v.Nome, std::to_string(v.Assi.size()), std::to_string(kMassimoAssi)});
  Single totale = 0;
  for (std::size_t k = 0; k < v.Assi.size(); ++k) {
    if (auto e = ErroreAsse(v, k, lingua)) return e;
    totale += v.Assi[k].P;
  }
  if (!(totale > 0) || !std::isfinite(totale))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\" carries no load")), {v.Nome});
  return std::nullopt;
}

std::optional<std::string> ErroreAsse(const Veicolo& v, std::size_t k, const Traduzioni* lingua) {
  if (k >= v.Assi.size()) return std::nullopt;
  auto testo = [lingua](const char* t) { return lingua ? lingua->Traduci("Voro", t) : std::string(t); };
  const AsseVeicolo& a = v.Assi[k];
  const std::string n = std::to_string(k + 1);
  if (!valido(a.P))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: load P = %3 kN is not a load >= 0")),
                   {v.Nome, n, numero(a.P)});
  if (!valido(a.d))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: distance d = %3 m is not a distance >= 0")),
                   {v.Nome, n, numero(a.d)});
  if (!valido(a.a))
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: contact length a = %3 m is not a length >= 0")),
                   {v.Nome, n, numero(a.a)});
  if (a.P > kMassimoCaricoAsse)
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: load P = %3 kN is above %4 kN, more than any "
                                           "road or rail axle carries")),
                   {v.Nome, n, numero(a.P), numero(kMassimoCaricoAsse)});
  if (a.d > kMassimaDistanzaAssi)
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: distance d = %3 m is above %4 m, longer than "
                                           "any train")),
                   {v.Nome, n, numero(a.d), numero(kMassimaDistanzaAssi)});
  if (a.a > kMassimaImpronta)
    return Componi(testo(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: contact length a = %3 m is above %4 m, longer "
                                           "than any wheel, track or distributed rail load")),
                   {v.Nome, n, numero(a.a), numero(kMassimaImpronta)});
  return std::nullopt;
}

double Diffusione::Angolo() const {
  switch (regola) {
    case RegolaDiffusione::Nessuna: return 0;
    case RegolaDiffusione::UnoDue: return std::atan(0.5) * 180 / kPi;
    case RegolaDiffusione::Trenta: return 30;
    case RegolaDiffusione::Quarantacinque: return 45;
    case RegolaDiffusione::Angolo: return gradi;
  }
  return 0;
}

double Diffusione::Tangente() const {
  switch (regola) {
    case RegolaDiffusione::Nessuna: return 0;
    case RegolaDiffusione::UnoDue: return 0.5;
    case RegolaDiffusione::Quarantacinque: return 1;
    default: return std::tan(Angolo() * kPi / 180);
  }
}

std::string Diffusione::Testo() const {
  switch (regola) {
    case RegolaDiffusione::Nessuna: return "none";
    case RegolaDiffusione::UnoDue: return "1:2";
    case RegolaDiffusione::Trenta: return "30";
    case RegolaDiffusione::Quarantacinque: return "45";
    case RegolaDiffusione::Angolo: return numero(gradi);
  }
  return "none";
}

std::optional<Diffusione> LeggiDiffusione(const std::string& testo) {
  if (testo == "none") return Diffusione{};
  if (testo == "1:2") return Diffusione{RegolaDiffusione::UnoDue, 0};
  float g = 0;
  const char* fine = testo.data() + testo.size();
  const auto r = std::from_chars(testo.data(), fine, g);
  if (testo.empty() || r.ec != std::errc() || r.ptr != fine || !std::isfinite(g) || g < 0 ||
      g > kAngoloDiffusioneMassimo)
    return std::nullopt;
  return DiffusioneAngolo(g);
}

Diffusione DiffusioneAngolo(Single gradi) {
  if (gradi == 0) return Diffusione{};
  if (gradi == 30) return Diffusione{RegolaDiffusione::Trenta, 0};
  if (gradi == 45) return Diffusione{RegolaDiffusione::Quarantacinque, 0};
  return Diffusione{RegolaDiffusione::Angolo, gradi};
}

}  // namespace voro
