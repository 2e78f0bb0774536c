// Choosing the language of the command line.
#include "cli/LinguaComandi.h"

#include <cstdlib>

namespace voro::cli {

Opzione OpzioneLocale() {
  return {"--locale", "it|en",
          "the language of the messages and of the report, and\nits decimal comma (it) or point (en); by "
          "default\nthe one of LC_ALL, LC_MESSAGES or LANG"};
}

Lingua LinguaRichiesta(const Argomenti& a) {
  if (const auto scelta = a.valore("--locale")) {
    if (*scelta != "it" && *scelta != "en") throw ErroreUso("--locale is it or en");
    return *scelta == "it" ? Lingua::Italiano : Lingua::Inglese;
  }
  // The first of the variables that is set decides, as for every program.
  for (const char* nome : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(nome);
    if (v && *v) return LinguaDaCodice(QString::fromUtf8(v).left(2));
  }
  return Lingua::Inglese;
}

}  // namespace voro::cli
