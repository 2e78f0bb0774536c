// Where the command line reads and writes: a project from a file or standard
// input, every output to a file written whole or to standard output, and
// texts made safe for the terminal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro::cli {

// The name "-" given for a project file or an output.
inline constexpr const char* kFlussoStandard = "-";

// The project at file ("-": standard input) read into dati; the errors of
// LeggiFileProgetto.
void LeggiProgetto(const std::string& file, DatiProgetto& dati, Messages& messaggi);

// Writes an output: "-" to standard output, any other path through a
// temporary file that replaces the old one only when complete
// (ScriviFileAtomico). Raises ErroreUscita with the system's reason.
void ScriviUscita(const std::string& percorso, std::string_view contenuto);

// Raises ErroreUso when a binary file (what names it: "a PNG plot") would go
// to standard output and that is a terminal.
void ControllaUscitaBinaria(const std::string& percorso, const std::string& cosa);

// Raises ErroreUso when standard input is named more than once.
void ControllaIngressoUnico(const std::vector<std::string>& file);

// The messages the calculation showed for a project, on standard error.
void StampaMessaggi(const std::string& file, const RecordingMessages& messaggi);

// "cannot read FILE: REASON" on standard error.
void StampaIllegibile(const std::string& file, const std::string& motivo);

// How a project file is named in reports and messages.
std::string NomeFile(const std::string& file);

// The text with its control characters shown in caret notation (^[ for
// escape, ^? for delete, \u0085 and its kind for the C1 controls), so that
// a title or a file name cannot drive the terminal. Line ends are kept when
// asked for.
std::string TestoTerminale(std::string_view testo, bool righe = false);

}  // namespace voro::cli
