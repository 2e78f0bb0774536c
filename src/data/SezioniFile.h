// The project data added after the file's first layout: tagged lines after
// the last field of that layout, each opening with its quoted tag. A line is
// written only when its data differ from their defaults, so a project that
// uses none of them keeps the bytes it always had; older readers stop before
// these lines, and lines with a tag this version does not know are skipped.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Traduzioni.h"

namespace voro {

struct SezioneFile {
  std::string etichetta;
  // The values after the tag, as file fields; an empty list leaves the line out.
  std::function<std::vector<std::string>(const DatiProgetto&)> scrivi;
  // Reads the values after the tag into the project; false when they do not
  // fit (the file is then incomplete), perche then saying why where it can,
  // in the language of lingua.
  std::function<bool(const std::vector<std::string>&, DatiProgetto&, const Traduzioni* lingua, std::string& perche)>
      leggi;
};

// Every tagged line in the order it is written.
const std::vector<SezioneFile>& SezioniFile();

// A number as a file field: the shortest text that reads back to the same value.
std::string CampoNumero(double x);
std::string CampoNumero(float x);
// A text as a file field, quoted, in the file's code page.
std::string CampoTesto(const std::string& s);
// Reading the fields back; false (value untouched) when the text does not fit.
bool LeggiNumero(const std::string& campo, double& x);
bool LeggiNumero(const std::string& campo, float& x);
bool LeggiTesto(const std::string& campo, std::string& s);
bool LeggiVero(const std::string& campo, bool& b);  // #TRUE# or #FALSE#, any case

}  // namespace voro
