// Reading the vehicle options and finding the library.
#include "cli/SceltaVeicolo.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>

#include "cli/Flussi.h"

namespace voro::cli {

namespace {

std::optional<double> numero(const std::string& s) {
  double x = 0;
  const char* fine = s.data() + s.size();
  const auto r = std::from_chars(s.data(), fine, x);
  if (s.empty() || r.ec != std::errc() || r.ptr != fine || !std::isfinite(x)) return std::nullopt;
  return x;
}

}  // namespace

void SceltaVeicolo::Applica(DatiProgetto& d) const {
  if (veicolo) d.VeicoloCarico = veicolo;
  if (diffusione) d.DiffusioneCarico = *diffusione;
}

std::string CartellaDati() {
  std::error_code ec;
  const auto programma = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const auto installata = programma.parent_path() / ".." / "share" / "voro";
    if (std::filesystem::exists(FileLibreriaInstallata(installata.string()), ec))
      return std::filesystem::weakly_canonical(installata, ec).string();
  }
  return VORO_SOURCE_DIR;
}

LibreriaVeicoli LeggiLibreriaComando(const Argomenti& a) {
  LibreriaVeicoli l = CaricaLibreria(CartellaDati(), a.traduzioni);
  for (const ErroreLibreria& e : l.errori)
    std::cerr << "voro-cli: warning: " << TestoTerminale(e.Testo()) << " (its vehicles are left out)\n";
  l.errori.clear();
  if (const auto file = a.valore("--vehicle-file")) {
    l.Aggiungi(*file, false);
    if (!l.errori.empty()) throw ErroreVeicoloScelto(l.errori.front().Testo());
  }
  return l;
}

SceltaVeicolo LeggiSceltaVeicolo(const Argomenti& a) {
  SceltaVeicolo s;
  if (const auto t = a.valore("--step")) {
    const auto x = numero(*t);
    if (!x || *x < 1e-4 || *x > 10) throw ErroreUso("--step takes a length from 0.0001 to 10 m, not '" + *t + "'");
    s.passo = *x;
  }
  if (const auto t = a.valore("--spread")) {
    if (*t != "none" && *t != "1:2" && !numero(*t))
      throw ErroreUso("--spread takes none, 1:2, 30, 45 or an angle in degrees, not '" + *t + "'");
    s.diffusione = LeggiDiffusione(*t);
    if (!s.diffusione)
      throw ErroreVeicoloScelto("spread angle " + *t + " degrees is outside 0 to 60 degrees");
  }
  if (a.ha("--vehicle-file") && !a.ha("--vehicle")) throw ErroreUso("--vehicle-file needs --vehicle NAME");
  if (const auto nome = a.valore("--vehicle")) {
    const LibreriaVeicoli l = LeggiLibreriaComando(a);
    const Veicolo* v = l.Trova(*nome);
    if (!v) throw ErroreVeicoloScelto("unknown vehicle \"" + *nome + "\" (see 'voro-cli vehicles')");
    s.veicolo = *v;
  }
  return s;
}

}  // namespace voro::cli
