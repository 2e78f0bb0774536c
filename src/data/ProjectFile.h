// The project data file: one list of fields walked in the same order to write
// a project and to read it back.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// A data file open for reading (mode "L") or for writing (mode "S"), held in
// memory: its bytes in the Windows-1252 code page with CR LF line ends.
class FileDati {
 public:
  static FileDati perLettura(std::string bytes);
  static FileDati perScrittura();

  bool inLettura() const { return reading_; }
  const std::string& contenuto() const { return bytes_; }

  // Reading: the next field, delimited by a comma or a line end; a quoted
  // field is returned with its quotes. False at the end of the file.
  bool prossimoCampo(std::string& campo);
  // Reading: the fields of the rest of the current line. False at the end of
  // the file.
  bool prossimaRiga(std::vector<std::string>& campi);
  // Writing: appends raw text.
  void scrivi(const std::string& testo) { bytes_ += testo; }

 private:
  FileDati(std::string bytes, bool reading) : bytes_(std::move(bytes)), reading_(reading) {}
  std::string bytes_;
  std::size_t pos_ = 0;
  bool fineRiga_ = false;  // the last field read ended its line
  bool reading_;
};

// One value of a line, bound to a variable of the model.
using CampoFile = std::variant<std::string*, Integer*, Single*, double*, bool*>;

// Writes the values as one line (mode "S") or reads them back (mode "L").
// A short or bad file shows "Lettura incompleta del file" and raises error
// 1000; the fields read before the failure keep their new values.
void FileInOut(const std::string& modo, FileDati& file, std::initializer_list<CampoFile> campi,
               Messages& messaggi);

// Writes (mode "S") or reads (mode "L") the whole project in file order.
// Returns false when the project could not be written completely (fewer than
// one segment); reading failures raise RuntimeError (1000 for a short or bad
// file, 9 for a segment count below 1).
bool FileLeggeScrive(const std::string& modo, FileDati& file, DatiProgetto& dati, Messages& messaggi);

// Reads the project file at path into dati. Raises RuntimeError: 53 when the
// file does not exist, 75 when it cannot be read, the errors of
// FileLeggeScrive, and 1004 (with its message shown) when the file holds a
// physically impossible value.
void LeggiFileProgetto(const std::string& path, DatiProgetto& dati, Messages& messaggi);

// Writes the project file at path through a temporary file that replaces the
// old one only when complete, so a failure never leaves a half file behind.
// Shows "Scrittura incompleta del file" and returns false on failure.
bool ScriviFileProgetto(const std::string& path, const DatiProgetto& dati, Messages& messaggi);

// The text a title is stored with: double quotes would end the quoted field
// early, so they become typographic quotes; line breaks and other control
// characters become blanks.
std::string TitoloPerFile(const std::string& titolo);

}  // namespace voro
