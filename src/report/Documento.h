// The calculation report as a document: a title block, numbered headings,
// paragraphs, tables with headed columns and units, and drawings; the text,
// HTML and PDF writers lay out the same document.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "data/Messages.h"
#include "drawing/Superficie.h"

namespace voro {

// A signature of the report: its role, and beside the line for signing the
// signer's name, registration and date (label and value; a value not given
// is a blank to fill in by hand).
struct Firma {
  std::string ruolo;
  std::vector<std::pair<std::string, std::string>> voci;
  bool operator==(const Firma&) const = default;
};

// The block that opens the report: what was analysed, when and with which
// program, and the blanks the engineer fills in by hand.
struct BloccoTitolo {
  std::string titolo;
  std::vector<std::pair<std::string, std::string>> voci;
  std::vector<Firma> firme;
};

// A numbered heading: level 1 a section, level 2 a subsection.
struct Intestazione {
  int livello = 1;
  std::string testo;
};

struct Paragrafo {
  std::string testo;
  bool avviso = false;  // stands out: a failed calculation, stale results
};

struct Colonna {
  std::string titolo;
  std::string unita;       // empty for a column without a unit
  bool numerica = true;    // numbers align right, words left
  // The heading as printed: the title with its unit in brackets.
  std::string intestazione() const { return unita.empty() ? titolo : titolo + " [" + unita + "]"; }
};

// Rows of texts, one per column; a writer never splits a row.
struct Tabella {
  std::vector<Colonna> colonne;
  std::vector<std::vector<std::string>> righe;
};

// A drawing of the report. disegna draws it through the drawing layer on a
// surface whose own scale spans the drawing's box, on white paper, and
// returns false when the drawing failed (its messages in the second argument).
struct Figura {
  std::string didascalia;
  double proporzione = 0.6;  // height / width
  std::function<bool(Superficie&, Messages&)> disegna;
};

using Blocco = std::variant<BloccoTitolo, Intestazione, Paragrafo, Tabella, Figura>;

class Documento {
 public:
  std::string testata;   // the page header: the project's title
  std::string piede;     // the page footer: program and file
  std::string lingua = "en";
  // The report's own words in its language: its name, in the page header and
  // the document's title, and the caption of a drawing before its text, "%1" its number.
  std::string nome = "Calculation report";
  std::string didascalia = "Figure %1: ";
  std::string soloNeiDisegni = " (drawn in the PDF and HTML reports).";  // after a caption in the text report
  std::string disegnoMancato = "The drawing could not be made.";
  std::string pagina = "page %1 of %2";  // the page footer, "%1" the page and "%2" the pages
  // A repeatable report's moment (seconds since 1970, UTC): the PDF's dates
  // and identifier then follow it, and two runs give the same bytes.
  std::optional<std::int64_t> epoca;
  std::vector<Blocco> blocchi;

  void titolo(BloccoTitolo b) { blocchi.emplace_back(std::move(b)); }
  // A section "k Title" or a subsection "k.m Title", numbered in order.
  void sezione(const std::string& testo);
  void sottosezione(const std::string& testo);
  void paragrafo(std::string testo, bool avviso = false) { blocchi.emplace_back(Paragrafo{std::move(testo), avviso}); }
  // A table with these columns; the rows are added to the returned table.
  Tabella& tabella(std::vector<Colonna> colonne);
  void figura(Figura f) { blocchi.emplace_back(std::move(f)); }

 private:
  int sezioni_ = 0, sottosezioni_ = 0;
};

}  // namespace voro
