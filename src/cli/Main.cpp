// voro-cli: solves and draws arch projects from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/Argomenti.h"
#include "cli/Comandi.h"
#include "cli/Flussi.h"
#include "cli/SceltaVeicolo.h"
#include "cli/LinguaComandi.h"

int main(int argc, char** argv) {
  using namespace voro::cli;
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string via = "voro-cli --help";
  try {
    if (args.empty()) throw ErroreUso("no command");
    if (args[0] == "--help" || args[0] == "-h") {
      ScriviUscita(kFlussoStandard, TestoUso());
      return esito::Riuscito;
    }
    if (args[0] == "--version") {
      ScriviUscita(kFlussoStandard, TestoVersione());
      return esito::Riuscito;
    }
    const Comando* comando = TrovaComando(args[0]);
    if (!comando) throw ErroreUso("unknown command '" + args[0] + "'");
    via = "voro-cli help " + comando->nome;
    auto argomenti = LeggiArgomenti(*comando, {args.begin() + 1, args.end()});
    if (!argomenti) {
      ScriviUscita(kFlussoStandard, TestoAiuto(*comando));
      return esito::Riuscito;
    }
    const voro::CatalogoLingua catalogo(LinguaRichiesta(*argomenti));
    argomenti->traduzioni = &catalogo;
    return comando->esegui(*argomenti);
  } catch (const ErroreUso& e) {
    std::cerr << "voro-cli: " << TestoTerminale(e.what()) << "\nTry '" << via << "'.\n";
    return esito::Uso;
  } catch (const ErroreVeicoloScelto& e) {
    std::cerr << "voro-cli: " << TestoTerminale(e.what()) << "\n";
    return esito::Fallito;
  } catch (const ErroreUscita& e) {
    std::cerr << "voro-cli: " << TestoTerminale(e.what()) << "\n";
    return esito::FileErrato;
  }
}
