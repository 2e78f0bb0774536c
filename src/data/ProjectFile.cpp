// Reading and writing the project data file.
#include "data/ProjectFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/Cp1252.h"
#include "data/FileAtomico.h"
#include "data/NumberText.h"
#include "data/RuntimeError.h"
#include "data/SezioniFile.h"
#include "data/ValoriFisici.h"

namespace voro {

namespace {

// Project files are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

// Converts one field into its slot; false when the text does not fit the type.
bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool readInto(const CampoFile& slot, const std::string& field) {
  if (auto* s = std::get_if<std::string*>(&slot)) {
    return LeggiTesto(field, **s);
  }
  if (auto* b = std::get_if<bool*>(&slot)) {
    return LeggiVero(field, **b);
  }
  double v = 0;
  if (!LeggiNumero(field, v)) return false;
  try {
    if (auto* i = std::get_if<Integer*>(&slot)) **i = toInteger(v);
    else if (auto* f = std::get_if<Single*>(&slot)) **f = toSingle(v);
    else *std::get<double*>(slot) = v;
  } catch (const RuntimeError&) {
    return false;
  }
  return true;
}

std::string writtenValue(const CampoFile& slot) {
  if (auto* s = std::get_if<std::string*>(&slot)) return "\"" + utf8ToCp1252(TitoloPerFile(**s)) + "\"";
  if (auto* b = std::get_if<bool*>(&slot)) return **b ? "#TRUE#" : "#FALSE#";
  if (auto* i = std::get_if<Integer*>(&slot)) return std::to_string(**i);
  if (auto* f = std::get_if<Single*>(&slot)) return numberText(**f, kSingleDigits, ".", false);
  return numberText(*std::get<double*>(slot), kDoubleDigits, ".", false);
}

}  // namespace

FileDati FileDati::perLettura(std::string bytes) { return FileDati(std::move(bytes), true); }
FileDati FileDati::perScrittura() { return FileDati(std::string(), false); }

bool FileDati::prossimoCampo(std::string& campo) {
  while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) ++pos_;
  if (pos_ >= bytes_.size()) return false;
  std::string field;
  if (bytes_[pos_] == '"') {
    std::size_t close = bytes_.find('"', pos_ + 1);
    std::size_t stop = close == std::string::npos ? bytes_.size() : close + 1;
    field = bytes_.substr(pos_, stop - pos_);
    pos_ = stop;
    // Whatever follows the closing quote up to the delimiter is skipped.
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
  } else {
    std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n') ++pos_;
    field = bytes_.substr(start, pos_ - start);
  }
  fineRiga_ = true;
  if (pos_ < bytes_.size()) {
    if (bytes_[pos_] == ',') {
      ++pos_;
      fineRiga_ = false;
    } else {
      if (bytes_[pos_] == '\r') ++pos_;
      if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
  }
  campo = std::move(field);
  return true;
}

bool FileDati::prossimaRiga(std::vector<std::string>& campi) {
  std::vector<std::string> riga;
  std::string campo;
  while (prossimoCampo(campo)) {
    riga.push_back(std::move(campo));
    if (fineRiga_) break;
  }
  if (riga.empty()) return false;
  campi = std::move(riga);
  return true;
}

namespace {

// The tagged lines after the first layout: written in their fixed order,
// read in any order; a line whose tag is unknown (a later version's data) or
// that is no tagged line at all is skipped.
void SezioniAggiuntive(const std::string& modo, FileDati& file, DatiProgetto& d, Messages& m) {
  if (modo == "S") {
    for (const auto& sezione : SezioniFile()) {
      const std::vector<std::string> valori = sezione.scrivi(d);
      if (valori.empty()) continue;
      std::string riga = CampoTesto(sezione.etichetta);
      for (const auto& v : valori) riga += ',' + v;
      file.scrivi(riga + "\r\n");
    }
    return;
  }
  std::vector<std::string> campi;
  while (file.prossimaRiga(campi)) {
    std::string etichetta;
    const std::size_t inizio = campi.front().find_first_not_of(" \t");
    if (inizio == std::string::npos || campi.front()[inizio] != '"' || !LeggiTesto(campi.front(), etichetta)) continue;
    for (const auto& sezione : SezioniFile()) {
      if (sezione.etichetta != etichetta) continue;
      const std::vector<std::string> valori(campi.begin() + 1, campi.end());
      std::string perche;
      if (!sezione.leggi(valori, d, m.traduzioni(), perche)) {
        if (!perche.empty()) m.critical(perche);
        m.critical(m.traduci("Voro", "Lettura incompleta del file"));
        throw RuntimeError(err::IncompleteFile);
      }
    }
  }
}

}  // namespace

void FileInOut(const std::string& modo, FileDati& file, std::initializer_list<CampoFile> campi,
               Messages& messaggi) {
  if (modo == "S" && !file.inLettura()) {
    std::string line;
    for (auto it = campi.begin(); it != campi.end(); ++it) {
      if (it != campi.begin()) line += ',';
      line += writtenValue(*it);
    }
    file.scrivi(line + "\r\n");
  } else if (modo == "L" && file.inLettura()) {
    for (const auto& slot : campi) {
      std::string field;
      if (!file.prossimoCampo(field) || !readInto(slot, field)) {
        messaggi.critical(messaggi.traduci("Voro", "Lettura incompleta del file"));
        throw RuntimeError(err::IncompleteFile);
      }
    }
  } else {
    messaggi.critical(messaggi.traduci("Voro", "Errore nella Sub FileInOut"));
  }
}

bool FileLeggeScrive(const std::string& modo, FileDati& file, DatiProgetto& d, Messages& m) {
  FileInOut(modo, file, {&d.Titolo}, m);
  FileInOut(modo, file, {&d.Riservato, &d.PesoMuratura}, m);
  FileInOut(modo, file, {&d.hRiempimento, &d.PesoRiempimento}, m);
  FileInOut(modo, file, {&d.hSoletta, &d.PesoSoletta}, m);
  FileInOut(modo, file, {&d.Larghezza, &d.LarghezzaChiave, &d.SporgenzaParete, &d.hRiempimentoSolido}, m);
  FileInOut(modo, file, {&d.nVori}, m);
  if (modo == "L") d.dimensionaVori(d.nVori);
  if (d.nVori == 1) {
    FileInOut(modo, file, {&d.LuceAnello, &d.FrecciaAnello, &d.SpessoreAnello, &d.nConciAnello}, m);
  } else if (d.nVori < 1) {
    m.critical(m.traduci("Voro", "Il numero di vori deve essere > 0"));
    return false;
  } else {
    // Segments missing from the model are written as empty segments.
    if (d.Vori.size() < d.nVori) d.dimensionaVori(d.nVori);
    for (int i = 1; i <= d.nVori; ++i) {
      DatiVoro& v = d.Vori(i);
      double x2 = v.X2, y2 = v.Y2, x3 = v.X3, y3 = v.Y3, s = v.Spessore;
      Integer n = v.nConciInput;
      FileInOut(modo, file, {&x2, &y2, &x3, &y3, &s, &n}, m);
      v.X2 = x2, v.Y2 = y2, v.X3 = x3, v.Y3 = y3, v.Spessore = s;
      v.nConciInput = n;
      v.nConci = n;
    }
  }
  FileInOut(modo, file, {&d.qCarico, &d.xq1, &d.xq2}, m);
  FileInOut(modo, file, {&d.EccSinistra, &d.EccChiave, &d.EccDestra}, m);
  FileInOut(modo, file, {&d.ScalaPlot}, m);
  FileInOut(modo, file, {&d.Kp}, m);
  FileInOut(modo, file, {&d.nConciSpinta[0]}, m);
  FileInOut(modo, file, {&d.nConciSpinta[1]}, m);
  FileInOut(modo, file, {&d.SpintaPassiva}, m);
  FileInOut(modo, file, {&d.OttimizzaCerniere}, m);
  FileInOut(modo, file, {&d.nDivisioni}, m);
  FileInOut(modo, file, {&d.OttimizzaEccentricita}, m);
  FileInOut(modo, file, {&d.ScalaManuale}, m);
  SezioniAggiuntive(modo, file, d, m);
  return true;
}

void LeggiFileProgetto(const std::string& path, DatiProgetto& dati, Messages& messaggi) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path p(path);
  if (!fs::exists(p, ec)) throw RuntimeError(err::FileNotFound);
  if (!fs::is_regular_file(p, ec)) throw RuntimeError(err::PathFileAccess);
  std::ifstream in(p, std::ios::binary);
  if (!in) throw RuntimeError(err::PermissionDenied);
  std::string bytes;
  if (fs::file_size(p, ec) <= kMaxFileBytes) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) throw RuntimeError(err::PathFileAccess);
  } else {
    // Far too large to be a project: read as an empty, hence incomplete, file.
    bytes.clear();
  }
  FileDati file = FileDati::perLettura(std::move(bytes));
  FileLeggeScrive("L", file, dati, messaggi);
  ControllaValoriFisici(dati, messaggi);
}

bool ScriviFileProgetto(const std::string& path, const DatiProgetto& dati, Messages& messaggi) {
  DatiProgetto copia = dati;
  FileDati file = FileDati::perScrittura();
  // A project without segments cannot be read back: the old file is kept.
  if (!FileLeggeScrive("S", file, copia, messaggi)) return false;

  try {
    ScriviFileAtomico(path, file.contenuto());
  } catch (const RuntimeError&) {
    messaggi.critical(messaggi.traduci("Voro", "Scrittura incompleta del file"));
    return false;
  }
  return true;
}

std::string TitoloPerFile(const std::string& titolo) {
  std::string out;
  out.reserve(titolo.size());
  bool opening = true;
  for (char c : titolo) {
    if (c == '"') {
      out += opening ? "\xE2\x80\x9C" : "\xE2\x80\x9D";
      opening = !opening;
    } else if (static_cast<unsigned char>(c) < 0x20 && c != '\t') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace voro
