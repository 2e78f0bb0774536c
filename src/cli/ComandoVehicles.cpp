// voro-cli vehicles: the vehicles of the library, as assess --vehicle finds
// them.
#include <sstream>

#include "cli/Comandi.h"
#include "cli/Flussi.h"
#include "cli/Json.h"
#include "cli/LinguaComandi.h"
#include "cli/SceltaVeicolo.h"

namespace voro::cli {

namespace {

// A text in the language of the command line, in English without one.
std::string Testo(const Traduzioni* lingua, const char* t) { return lingua ? lingua->Traduci("Voro", t) : t; }

std::string testo(const LibreriaVeicoli& l, const Traduzioni* lingua) {
  std::ostringstream out;
  for (const Veicolo& v : l.veicoli) {
    const char* modello = v.Simmetrico() ? VORO_NOOP("Voro", "track s %1 m, contact width w %2 m, symmetric")
                                         : VORO_NOOP("Voro", "track s %1 m, contact width w %2 m, driven both ways");
    out << v.Nome << "\n  "
        << Componi(Testo(lingua, modello), {numDato(v.Carreggiata), numDato(v.LarghezzaImpronta)}) << "\n  "
        << Testo(lingua, v.Ferroviario() ? VORO_NOOP("Voro", "rail traffic") : VORO_NOOP("Voro", "road traffic"))
        << "\n";
    for (std::size_t k = 0; k < v.Assi.size(); ++k) {
      const AsseVeicolo& a = v.Assi[k];
      out << "  "
          << Componi(Testo(lingua, VORO_NOOP("Voro", "axle %1: P %2 kN at d %3 m, contact a %4 m")),
                     {std::to_string(k + 1), numDato(a.P), numDato(a.d), numDato(a.a)})
          << "\n";
    }
  }
  return out.str();
}

std::string json(const LibreriaVeicoli& l) {
  std::ostringstream out;
  out << "[";
  for (std::size_t i = 0; i < l.veicoli.size(); ++i) {
    const Veicolo& v = l.veicoli[i];
    out << (i ? ",\n " : "\n ") << "{\"name\": " << quoted(v.Nome) << ", \"trafficCategory\": \""
        << TestoCategoria(v.Categoria) << "\", \"track\": " << numDato(v.Carreggiata)
        << ", \"contactWidth\": " << numDato(v.LarghezzaImpronta) << ", \"axles\": [";
    for (std::size_t k = 0; k < v.Assi.size(); ++k)
      out << (k ? ", " : "") << "{\"load\": " << numDato(v.Assi[k].P) << ", \"distance\": " << numDato(v.Assi[k].d)
          << ", \"contactLength\": " << numDato(v.Assi[k].a) << "}";
    out << "]}";
  }
  out << "\n]\n";
  return out.str();
}

int vehicles(const Argomenti& a) {
  if (!a.file.empty()) throw ErroreUso("vehicles takes no file");
  const LibreriaVeicoli l = LeggiLibreriaComando(a);
  ScriviUscita(kFlussoStandard, a.ha("--json") ? json(l) : testo(l, a.traduzioni));
  return esito::Riuscito;
}

}  // namespace

const Comando& ComandoVehicles() {
  static const Comando c{
      "vehicles",
      {"vehicles [options]"},
      "list the vehicles that assess --vehicle can drive",
      "Lists the vehicles of the library: the one shipped with the program\n"
      "(share/voro/vehicles.txt: EN 1991-2 Load Models 1, 2 and 71 and the UK\n"
      "assessment axles), then the user's own ($XDG_CONFIG_HOME/voro/vehicles.txt,\n"
      "else ~/.config/voro/vehicles.txt; a vehicle of a shipped name replaces it).\n"
      "A user file that does not read is reported on standard error and left\n"
      "out; the shipped vehicles stay. Each vehicle: its name, its track s and\n"
      "contact width w across the road, and each axle's load P (kN, the whole\n"
      "axle), distance d from the first axle and contact length a along the span,\n"
      "and its traffic: road, or rail ('category rail' in the file; the code\n"
      "basis gives a rail vehicle its own factors, see 'voro-cli help assess').\n"
      "A vehicle beyond what a road or rail vehicle can have is refused: P up to\n"
      "2000 kN, d up to 500 m, a up to 25 m, s and w up to 5 m, 200 axles.\n",
      {{"--json", "", "print the library as a JSON array (name,\ntrafficCategory road or rail, track, contactWidth,\naxles: load, distance, contactLength)"},
       {"--vehicle-file", "FILE.txt", "list also the vehicles of FILE"},
       OpzioneLocale()},
      vehicles};
  return c;
}

}  // namespace voro::cli
