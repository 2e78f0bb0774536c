// The library of named vehicles: the file shipped with the program, the
// user's own file beside it, and the plain text both are written in.
//
// The text, one block per vehicle, '#' opening a comment to the end of the line:
//   vehicle LM1 tandem        the name: the rest of the line
//   track 2.0                 wheel track s, centre to centre [m]
//   width 0.40                contact width across the road w [m]
//   axle 300 0 0.40           load P [kN], distance from the first axle d [m],
//   axle 300 1.2 0.40         contact length along the span a [m]
//   category rail             road (without the line) or rail traffic
//   end
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/Veicolo.h"

namespace voro {

// A library that did not read: which file, which line and what was wrong.
struct ErroreLibreria {
  std::string file;
  int riga = 0;
  std::string messaggio;
  // "FILE:LINE: MESSAGE"
  std::string Testo() const;
};

// The vehicles of one library text; on error none, with the error filled.
// The messages in the language of lingua, in English without it.
std::optional<std::vector<Veicolo>> LeggiLibreria(const std::string& testo, const std::string& file,
                                                  ErroreLibreria& errore, const Traduzioni* lingua = nullptr);

// The text of a library, as LeggiLibreria reads it back.
std::string ScriviLibreria(const std::vector<Veicolo>& veicoli);

// The vehicles of the shipped library and of the user's file, the user's
// after the shipped ones (a user vehicle of a shipped name replaces it), and
// the errors of the files that did not read. A file that does not read adds
// no vehicle and hides none of the other file's.
struct LibreriaVeicoli {
  std::vector<Veicolo> veicoli;
  std::vector<ErroreLibreria> errori;
  const Traduzioni* lingua = nullptr;  // the language of the errors; English without it

  // The vehicle of that name; none when there is none.
  const Veicolo* Trova(const std::string& nome) const;
  // Adds a file's vehicles; a missing file is no error when facoltativo.
  void Aggiungi(const std::string& percorso, bool facoltativo);
};

// The shipped library inside the program's share folder ("vehicles.txt").
std::string FileLibreriaInstallata(const std::string& cartellaDati);
// The user's library in the user's settings folder:
// $XDG_CONFIG_HOME/voro/vehicles.txt, else ~/.config/voro/vehicles.txt.
std::string FileLibreriaUtente();

// Puts the vehicle into the library file at percorso, replacing one of the
// same name, creating the file and its folder when missing; the error's
// text, the file untouched, when the file does not read or cannot be written.
std::optional<std::string> SalvaInLibreria(const std::string& percorso, const Veicolo& v,
                                           const Traduzioni* lingua = nullptr);

// The shipped library and the user's file, read, their errors in the language of lingua.
LibreriaVeicoli CaricaLibreria(const std::string& cartellaDati, const Traduzioni* lingua = nullptr);

}  // namespace voro
