// The numbers of the report, formatted once with the regional separators:
// each kind keeps one printed precision in every writer (stresses in MPa to
// the kPa, forces to 0.01 kN, eccentricities to 0.1 mm, input values as typed).
#pragma once

#include <string>

#include "data/CifreCoerenti.h"
#include "data/Regional.h"
#include "data/Scalars.h"

namespace voro {

class NumeriRapporto {
 public:
  explicit NumeriRapporto(Regional regional) : reg_(std::move(regional)) {}
  const Regional& regional() const { return reg_; }

  // The text that stands for a value that is not a finite number.
  static constexpr const char* kNonNumero = "—";

  std::string MPa(double kNm2) const { return fisso(kNm2 / 1000, "0.000"); }  // stresses in kN/m2
  std::string kN(double x) const { return fisso(x, "0.00"); }                 // forces and moments
  std::string mm(double metri) const { return fisso(metri * 1000, "0.0"); }   // eccentricities
  std::string percento(double x) const { return fisso(x, "0.0"); }
  std::string metri(double x) const { return fisso(x, "0.000"); }             // coordinates and levels
  std::string intero(long x) const { return std::to_string(x); }
  // Safety and load factors, parts of a joint's depth: 3 and 4 decimals, more
  // where fewer would round a figure onto 1 from either side.
  std::string fattore(double x) const { return fisso(x, FormatoDecimali(DecimaliCoerenti(x, 3)).c_str()); }
  std::string rapporto(double x) const { return fisso(x, FormatoDecimali(DecimaliCoerenti(x, 4)).c_str()); }
  // An input value as it was typed: the plain text of the Single (or of the
  // Double of a segment's point) with the regional decimal separator.
  std::string dato(Single x) const;
  std::string dato(double x) const;
  // An input length in m shown in mm, as typed in the forms.
  std::string datoMm(Single metri) const;
  std::string siNo(bool x) const { return x ? traduci("Rapporto", "yes") : traduci("Rapporto", "no"); }
  // A text of the report in the reader's language, which the regional
  // settings carry with them.
  std::string traduci(const char* contesto, const char* testo) const { return reg_.traduci(contesto, testo); }

 private:
  std::string fisso(double x, const char* formato) const;
  Regional reg_;
};

}  // namespace voro
