// Reading and writing the vehicle library.
#include "data/LibreriaVeicoli.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/FileAtomico.h"
#include "data/RuntimeError.h"

namespace voro {

namespace {

std::string senzaSpazi(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  const std::size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::vector<std::string> parole(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> v;
  for (std::string p; in >> p;) v.push_back(p);
  return v;
}

bool numero(const std::string& s, Single& x) {
  const char* fine = s.data() + s.size();
  float v = 0;
  const auto r = std::from_chars(s.data(), fine, v);
  if (r.ec != std::errc() || r.ptr != fine) return false;
  x = v;
  return true;
}

// A text of the library's messages in the language of lingua, in English without it.
std::string Testo(const Traduzioni* lingua, const char* t) { return lingua ? lingua->Traduci("Voro", t) : t; }

std::string campo(Single x) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, x);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string ErroreLibreria::Testo() const { return file + ":" + std::to_string(riga) + ": " + messaggio; }

std::optional<std::vector<Veicolo>> LeggiLibreria(const std::string& testo, const std::string& file,
                                                  ErroreLibreria& errore, const Traduzioni* lingua) {
  std::vector<Veicolo> veicoli;
  std::optional<Veicolo> corrente;
  int inizio = 0;  // the line that opened the current vehicle
  std::istringstream in(testo);
  std::string riga;
  int n = 0;
  auto sbaglia = [&](int linea, const std::string& m) {
    errore = {file, linea, m};
    return std::nullopt;
  };
  auto frase = [lingua](const char* modello, std::initializer_list<std::string> valori) {
    return Componi(Testo(lingua, modello), valori);
  };
  while (std::getline(in, riga)) {
    ++n;
    if (const std::size_t c = riga.find('#'); c != std::string::npos) riga.erase(c);
    riga = senzaSpazi(riga);
    if (riga.empty()) continue;
    const std::size_t sp = riga.find_first_of(" \t");
    const std::string chiave = riga.substr(0, sp);
    const std::string resto = sp == std::string::npos ? "" : senzaSpazi(riga.substr(sp));
    if (chiave == "vehicle") {
      if (corrente)
        return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\" has no 'end' before the next vehicle"),
                                {corrente->Nome}));
      if (resto.empty()) return sbaglia(n, Testo(lingua, VORO_NOOP("Voro", "a vehicle needs a name")));
      for (const Veicolo& v : veicoli)
        if (v.Nome == resto) return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\" is named twice"), {resto}));
      corrente = Veicolo{resto, {}, 0, 0};
      inizio = n;
      continue;
    }
    if (!corrente)
      return sbaglia(n, frase(VORO_NOOP("Voro", "'%1' outside a vehicle (a block opens with 'vehicle NAME')"), {chiave}));
    const std::string& nome = corrente->Nome;
    const std::vector<std::string> valori = parole(resto);
    if (chiave == "track" || chiave == "width") {
      Single x = 0;
      if (valori.size() != 1 || !numero(valori[0], x))
        return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\": '%2' takes one number, not '%3'"),
                                {nome, chiave, resto}));
      (chiave == "track" ? corrente->Carreggiata : corrente->LarghezzaImpronta) = x;
    } else if (chiave == "axle") {
      AsseVeicolo a;
      if (valori.size() != 3 || !numero(valori[0], a.P) || !numero(valori[1], a.d) || !numero(valori[2], a.a))
        return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\", axle %2: 'axle' takes the load P, the distance "
                                                  "d and the contact a, not '%3'"),
                                {nome, std::to_string(corrente->Assi.size() + 1), resto}));
      corrente->Assi.push_back(a);
      if (const auto e = ErroreAsse(*corrente, corrente->Assi.size() - 1, lingua)) return sbaglia(n, *e);
    } else if (chiave == "category") {
      const auto c = valori.size() == 1 ? LeggiCategoria(valori[0]) : std::nullopt;
      if (!c)
        return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\": 'category' is road or rail, not '%2'"),
                                {nome, resto}));
      corrente->Categoria = *c;
    } else if (chiave == "end") {
      if (const auto e = ErroreVeicolo(*corrente, lingua)) return sbaglia(n, *e);
      veicoli.push_back(std::move(*corrente));
      corrente.reset();
    } else {
      return sbaglia(n, frase(VORO_NOOP("Voro", "vehicle \"%1\": unknown keyword '%2' (vehicle, track, width, axle, "
                                                "category, end)"),
                              {nome, chiave}));
    }
  }
  if (corrente) return sbaglia(inizio, frase(VORO_NOOP("Voro", "vehicle \"%1\" has no 'end'"), {corrente->Nome}));
  return veicoli;
}

std::string ScriviLibreria(const std::vector<Veicolo>& veicoli) {
  std::string t;
  for (const Veicolo& v : veicoli) {
    t += "vehicle " + v.Nome + "\ntrack " + campo(v.Carreggiata) + "\nwidth " + campo(v.LarghezzaImpronta) + "\n";
    for (const AsseVeicolo& a : v.Assi) t += "axle " + campo(a.P) + " " + campo(a.d) + " " + campo(a.a) + "\n";
    // A road vehicle, the default, is written as the files before the category had it.
    if (v.Ferroviario()) t += "category rail\n";
    t += "end\n\n";
  }
  return t;
}

const Veicolo* LibreriaVeicoli::Trova(const std::string& nome) const {
  for (const Veicolo& v : veicoli)
    if (v.Nome == nome) return &v;
  return nullptr;
}

void LibreriaVeicoli::Aggiungi(const std::string& percorso, bool facoltativo) {
  std::ifstream in(percorso, std::ios::binary);
  if (!in) {
    std::error_code ec;
    if (!facoltativo || std::filesystem::exists(percorso, ec))
      errori.push_back({percorso, 0, Testo(lingua, VORO_NOOP("Voro", "cannot be read"))});
    return;
  }
  std::ostringstream testo;
  testo << in.rdbuf();
  ErroreLibreria e;
  const auto letti = LeggiLibreria(testo.str(), percorso, e, lingua);
  if (!letti) {
    errori.push_back(e);
    return;
  }
  for (const Veicolo& v : *letti) {
    bool sostituito = false;
    for (Veicolo& w : veicoli)
      if (w.Nome == v.Nome) w = v, sostituito = true;
    if (!sostituito) veicoli.push_back(v);
  }
}

std::string FileLibreriaInstallata(const std::string& cartellaDati) {
  return (std::filesystem::path(cartellaDati) / "vehicles.txt").string();
}

std::string FileLibreriaUtente() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::filesystem::path base;
  if (xdg && *xdg) base = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home) base = std::filesystem::path(home) / ".config";
  else return "";
  return (base / "voro" / "vehicles.txt").string();
}

std::optional<std::string> SalvaInLibreria(const std::string& percorso, const Veicolo& v, const Traduzioni* lingua) {
  if (const auto e = ErroreVeicolo(v, lingua)) return *e;
  std::vector<Veicolo> veicoli;
  std::error_code ec;
  if (std::filesystem::exists(percorso, ec)) {
    std::ifstream in(percorso, std::ios::binary);
    std::ostringstream testo;
    testo << in.rdbuf();
    ErroreLibreria e;
    const auto letti = LeggiLibreria(testo.str(), percorso, e, lingua);
    if (!in || !letti)
      return Componi(Testo(lingua, VORO_NOOP("Voro", "%1 (the file is left as it is)")),
                     {in ? e.Testo() : percorso + ": " + Testo(lingua, VORO_NOOP("Voro", "cannot be read"))});
    veicoli = *letti;
  }
  bool sostituito = false;
  for (Veicolo& w : veicoli)
    if (w.Nome == v.Nome) w = v, sostituito = true;
  if (!sostituito) veicoli.push_back(v);
  try {
    std::filesystem::create_directories(std::filesystem::path(percorso).parent_path(), ec);
    // The header in the engineer's language: the file is theirs to read and edit.
    ScriviFileAtomico(percorso, "# " +
                                    Testo(lingua, VORO_NOOP("Voro", "My vehicles for Voro: one block per vehicle "
                                                                    "(see the help).")) +
                                    "\n\n" + ScriviLibreria(veicoli));
  } catch (const RuntimeError& e) {
    return percorso + ": " + e.description();
  }
  return std::nullopt;
}

LibreriaVeicoli CaricaLibreria(const std::string& cartellaDati, const Traduzioni* lingua) {
  LibreriaVeicoli l;
  l.lingua = lingua;
  l.Aggiungi(FileLibreriaInstallata(cartellaDati), false);
  if (const std::string u = FileLibreriaUtente(); !u.empty()) l.Aggiungi(u, true);
  return l;
}

}  // namespace voro
