// The language of voro-cli: --locale it|en on every command, else the one
// the environment names (LC_ALL, LC_MESSAGES, LANG), else English.
#pragma once

#include "Lingue.h"
#include "cli/Comando.h"

namespace voro::cli {

// The --locale option, as every command lists it.
Opzione OpzioneLocale();

// The language asked for; ErroreUso for a --locale that is neither it nor en.
Lingua LinguaRichiesta(const Argomenti& a);

}  // namespace voro::cli
