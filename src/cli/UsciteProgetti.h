// What the commands that take several projects (solve, assess) print of
// them: each project's messages and failure on standard error, with the exit
// status they make, and the results as JSON, reports in words or a summary
// table.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Comando.h"
#include "cli/Flussi.h"
#include "cli/Soluzione.h"

namespace voro::cli {

// Where the results go: JSON or reports on standard output, and the summary
// table at csv ("-": standard output, in place of the reports; "": none).
struct UsciteRisultati {
  bool json = false;
  std::string csv;
};

// --json and --csv as given; raises ErroreUso when both ask for standard
// output.
UsciteRisultati LeggiUsciteRisultati(const Argomenti& a);

// Shows the messages of a project, and "cannot read" when it could not be
// read; returns the exit status with this project's outcome added (a file
// that cannot be read outweighs a failed calculation).
int RiferisciProgetto(const Soluzione& s, int status);

// How one kind of result is written: the JSON object of a project (indented
// by the given blanks), its report in words, the summary table of all.
template <class T>
struct ScritturaRisultati {
  void (*json)(std::ostream&, const T&, int);
  void (*rapporto)(std::ostream&, const T&);
  void (*tabella)(std::ostream&, const std::vector<T>&);
};

// With --json, one object (an array of objects for several projects) on
// standard output; else the reports one after another, unless the summary
// table stands in for them (several projects, or a table on standard
// output). The table goes to --csv when one is named.
template <class T>
void ScriviRisultati(const std::vector<T>& progetti, const UsciteRisultati& uscite,
                     const ScritturaRisultati<T>& scrittura) {
  const std::string& csv = uscite.csv;
  std::ostringstream out;
  if (uscite.json) {
    if (progetti.size() == 1) {
      scrittura.json(out, progetti[0], 0);
      out << "\n";
    } else {
      out << "[\n";
      for (std::size_t i = 0; i < progetti.size(); ++i) {
        out << "  ";
        scrittura.json(out, progetti[i], 2);
        out << (i + 1 < progetti.size() ? ",\n" : "\n");
      }
      out << "]\n";
    }
  } else if (csv.empty() || (progetti.size() == 1 && csv != kFlussoStandard)) {
    for (std::size_t i = 0; i < progetti.size(); ++i) {
      if (i) out << "\n" << std::string(78, '=') << "\n\n";
      scrittura.rapporto(out, progetti[i]);
    }
  }
  ScriviUscita(kFlussoStandard, out.str());
  if (!csv.empty()) {
    std::ostringstream tabella;
    scrittura.tabella(tabella, progetti);
    ScriviUscita(csv, tabella.str());
  }
}

}  // namespace voro::cli
