// Standard input and output, output files and terminal-safe texts.
#include "cli/Flussi.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <system_error>

#include "cli/Comando.h"
#include "data/FileAtomico.h"
#include "data/ProjectFile.h"
#include "data/RuntimeError.h"

namespace voro::cli {

namespace {

// A project file is a few kilobytes; anything far larger is read as empty,
// hence incomplete, as the file reader does.
constexpr std::size_t kMaxProgetto = 16u << 20;

std::string leggiIngressoStandard() {
  std::string bytes;
  char buf[65536];
  bool troppo = false;
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw RuntimeError(err::PathFileAccess, std::generic_category().message(errno));
    }
    if (!troppo) bytes.append(buf, static_cast<std::size_t>(n));
    if (bytes.size() > kMaxProgetto) troppo = true, bytes.clear();
  }
  return bytes;
}

}  // namespace

void LeggiProgetto(const std::string& file, DatiProgetto& dati, Messages& messaggi) {
  if (file != kFlussoStandard) {
    LeggiFileProgetto(file, dati, messaggi);
    return;
  }
  FileDati dal = FileDati::perLettura(leggiIngressoStandard());
  FileLeggeScrive("L", dal, dati, messaggi);
}

void ScriviUscita(const std::string& percorso, std::string_view contenuto) {
  if (percorso != kFlussoStandard) {
    try {
      ScriviFileAtomico(percorso, contenuto);
    } catch (const RuntimeError& e) {
      throw ErroreUscita(percorso, e.description());
    }
    return;
  }
  while (!contenuto.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, contenuto.data(), contenuto.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ErroreUscita("standard output", std::generic_category().message(errno));
    }
    contenuto.remove_prefix(static_cast<std::size_t>(n));
  }
}

void ControllaIngressoUnico(const std::vector<std::string>& file) {
  int n = 0;
  for (const auto& f : file) n += f == kFlussoStandard;
  if (n > 1) throw ErroreUso("standard input ('-') can be read only once");
}

void StampaMessaggi(const std::string& file, const RecordingMessages& messaggi) {
  for (const auto& e : messaggi.entries()) {
    // The message boxes' line breaks become line ends.
    std::string testo = e.text;
    for (auto& c : testo)
      if (c == '\r') c = '\n';
    std::cerr << "voro-cli: " << TestoTerminale(NomeFile(file)) << ": " << TestoTerminale(testo, true) << "\n";
  }
}

void StampaIllegibile(const std::string& file, const std::string& motivo) {
  std::cerr << "voro-cli: cannot read " << TestoTerminale(NomeFile(file)) << ": " << TestoTerminale(motivo) << "\n";
}

void ControllaUscitaBinaria(const std::string& percorso, const std::string& cosa) {
  if (percorso == kFlussoStandard && ::isatty(STDOUT_FILENO) == 1)
    throw ErroreUso(cosa + " is not for the terminal: redirect standard output or give --out FILE");
}

std::string NomeFile(const std::string& file) { return file == kFlussoStandard ? "standard input" : file; }

std::string TestoTerminale(std::string_view testo, bool righe) {
  std::string out;
  out.reserve(testo.size());
  for (std::size_t i = 0; i < testo.size(); ++i) {
    const auto c = static_cast<unsigned char>(testo[i]);
    if (c == '\n' && righe) {
      out += '\n';
    } else if (c < 0x20 || c == 0x7f) {
      out += '^';
      out += static_cast<char>(c ^ 0x40);
    } else if (c == 0xc2 && i + 1 < testo.size() && static_cast<unsigned char>(testo[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(testo[i + 1]) <= 0x9f) {
      // U+0080 to U+009F in UTF-8: the C1 controls, CSI among them.
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(testo[++i]));
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace voro::cli
