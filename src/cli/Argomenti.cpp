// Reading a command's options and files, in the manner of the GNU tools.
#include "cli/Argomenti.h"

namespace voro::cli {

bool Argomenti::ha(std::string_view nome) const {
  for (const auto& [n, v] : opzioni)
    if (n == nome) return true;
  return false;
}

std::optional<std::string> Argomenti::valore(std::string_view nome) const {
  std::optional<std::string> ultimo;
  for (const auto& [n, v] : opzioni)
    if (n == nome) ultimo = v;
  return ultimo;
}

std::vector<std::string> Argomenti::valori(std::string_view nome) const {
  std::vector<std::string> tutti;
  for (const auto& [n, v] : opzioni)
    if (n == nome) tutti.push_back(v);
  return tutti;
}

std::optional<Argomenti> LeggiArgomenti(const Comando& comando, const std::vector<std::string>& args) {
  Argomenti a;
  bool soloFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // "-" is a file (standard input or output), "--" ends the options.
    if (soloFile || arg == "-" || arg.empty() || arg[0] != '-') {
      a.file.push_back(arg);
      continue;
    }
    if (arg == "--") {
      soloFile = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") return std::nullopt;
    const auto uguale = arg.find('=');
    const std::string nome = arg.substr(0, uguale);
    const Opzione* opzione = nullptr;
    for (const Opzione& o : comando.opzioni)
      if (o.nome == nome && nome.rfind("--", 0) == 0) opzione = &o;
    if (!opzione) throw ErroreUso("unknown option '" + nome + "'");
    if (opzione->valore.empty()) {
      if (uguale != std::string::npos) throw ErroreUso("option '" + nome + "' takes no value");
      a.opzioni.emplace_back(nome, "");
    } else if (uguale != std::string::npos) {
      a.opzioni.emplace_back(nome, arg.substr(uguale + 1));
    } else if (i + 1 < args.size()) {
      a.opzioni.emplace_back(nome, args[++i]);
    } else {
      throw ErroreUso("option '" + nome + "' needs a value (" + opzione->valore + ")");
    }
  }
  return a;
}

}  // namespace voro::cli
