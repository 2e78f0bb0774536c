// One subcommand of voro-cli: its name, usage, help, options and runner, and
// the two failures every runner may raise to main.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/Traduzioni.h"

namespace voro::cli {

// An option of a command: its long name, the placeholder of its value ("" for
// a flag) and its help; a placeholder written as "a|b|c" lists the values, one
// with an extension (FILE.csv, PLOT.svg|.png) names a file, and the shell
// completion reads both from the help.
struct Opzione {
  std::string nome;
  std::string valore;
  std::string aiuto;
};

// The command line of one command, options separated from the files in the
// order given.
struct Argomenti {
  std::vector<std::string> file;
  std::vector<std::pair<std::string, std::string>> opzioni;

  bool ha(std::string_view nome) const;
  // The last value given for the option.
  std::optional<std::string> valore(std::string_view nome) const;
  // Every value given for a repeatable option, in order.
  std::vector<std::string> valori(std::string_view nome) const;

  // The texts in the language of --locale or of the environment.
  const Traduzioni* traduzioni = nullptr;
};

struct Comando {
  std::string nome;
  // The usage lines, each after "voro-cli ".
  std::vector<std::string> sintesi;
  // One line for the list of commands.
  std::string riassunto;
  // What the command does, in paragraphs.
  std::string descrizione;
  std::vector<Opzione> opzioni;
  // Runs the command; returns the exit status.
  int (*esegui)(const Argomenti&);
};

// A command line that cannot be understood: main shows the message and the
// way to the command's help, and exits with 2.
class ErroreUso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An output that could not be written: main shows "cannot write PATH:
// REASON" and exits with 3.
class ErroreUscita : public std::runtime_error {
 public:
  ErroreUscita(std::string percorso, std::string motivo)
      : std::runtime_error("cannot write " + percorso + ": " + motivo), percorso_(std::move(percorso)) {}
  const std::string& percorso() const { return percorso_; }

 private:
  std::string percorso_;
};

// Exit statuses shared by every command.
namespace esito {
constexpr int Riuscito = 0;
constexpr int Fallito = 1;      // the geometry or the calculation failed
constexpr int Uso = 2;          // usage error
constexpr int FileErrato = 3;   // a file cannot be read or written
}  // namespace esito

}  // namespace voro::cli
