// The table of commands, the usage and help texts, and the help command.
#include "cli/Comandi.h"

#include <sstream>

#include "cli/Flussi.h"
#include "data/Versione.h"

namespace voro::cli {

const std::vector<const Comando*>& Comandi() {
  static const std::vector<const Comando*> tabella = {&ComandoSolve(), &ComandoPlot(), &ComandoAssess(),
                                                      &ComandoReport(), &ComandoVehicles(), &ComandoHelp()};
  return tabella;
}

const Comando* TrovaComando(std::string_view nome) {
  for (const Comando* c : Comandi())
    if (c->nome == nome) return c;
  return nullptr;
}

namespace {

constexpr std::size_t kColonnaOpzioni = 21;  // where the descriptions of the options start
constexpr std::size_t kColonnaComandi = 11;

void riga(std::ostringstream& out, const std::string& sinistra, const std::string& testo,
          std::size_t colonna = kColonnaOpzioni) {
  std::istringstream righe(testo);
  std::string prima;
  std::getline(righe, prima);
  out << sinistra;
  if (sinistra.size() + 1 > colonna) out << "\n" << std::string(colonna, ' ');
  else out << std::string(colonna - sinistra.size(), ' ');
  out << prima << "\n";
  for (std::string altra; std::getline(righe, altra);) out << std::string(colonna, ' ') << altra << "\n";
}

void sintesi(std::ostringstream& out, const Comando& c) {
  for (const auto& s : c.sintesi) out << "  voro-cli " << s << "\n";
}

constexpr const char* kConvenzioni =
    "Options may come before or after the files. A project FILE of '-' is read\n"
    "from standard input; an output of '-' is standard output. '--' ends the\n"
    "options, for files whose names begin with a dash.\n";

constexpr const char* kUscita =
    "Exit status: 0 done, 1 a value was impossible, the geometry or the calculation\n"
    "failed, or Ctrl+C kept a project from starting, 2 usage error, 3 a file\n"
    "cannot be read or written.\n";

}  // namespace

std::string TestoUso() {
  std::ostringstream out;
  out << "voro-cli - limit analysis of masonry arches and vaults\n\nUsage:\n";
  for (const Comando* c : Comandi()) sintesi(out, *c);
  out << "  voro-cli --version\n\nCommands:\n";
  for (const Comando* c : Comandi()) riga(out, "  " + c->nome, c->riassunto, kColonnaComandi);
  out << "\n" << kConvenzioni << "Run 'voro-cli help COMMAND' for the options of a command.\n\n" << kUscita;
  return out.str();
}

std::string TestoAiuto(const Comando& comando) {
  std::ostringstream out;
  out << "Usage:\n";
  sintesi(out, comando);
  out << "\n" << comando.descrizione << "\nOptions:\n";
  for (const Opzione& o : comando.opzioni) riga(out, "  " + o.nome + (o.valore.empty() ? "" : " " + o.valore), o.aiuto);
  riga(out, "  -h, --help", "show this help");
  out << "\n" << kConvenzioni << "\n" << kUscita;
  return out.str();
}

std::string TestoVersione() {
  return std::string("voro-cli (Voro) ") + kVersioneVoro + "\nLimit analysis of masonry arches and vaults.\n";
}

namespace {

int help(const Argomenti& a) {
  if (a.file.size() > 1) throw ErroreUso("help takes one command");
  if (a.file.empty()) {
    ScriviUscita(kFlussoStandard, TestoUso());
    return esito::Riuscito;
  }
  const Comando* c = TrovaComando(a.file[0]);
  if (!c) throw ErroreUso("unknown command '" + a.file[0] + "'");
  ScriviUscita(kFlussoStandard, TestoAiuto(*c));
  return esito::Riuscito;
}

}  // namespace

const Comando& ComandoHelp() {
  static const Comando c{
      "help",
      {"help [COMMAND]"},
      "show the usage, or the options of a command",
      "Shows the usage of voro-cli, or the help of one command with all its\noptions.\n",
      {},
      help};
  return c;
}

}  // namespace voro::cli
