// The sections of the report that describe the project: the title block and
// the input data.
#pragma once

#include "report/SezioneRapporto.h"

namespace voro {

// Project title, file, date and time, program and version; with firme, the
// title block of the project (document number, structure, location, owner,
// client, purpose, revision, status) and the signature lines of the engineer,
// the checker and the approver, each with name, registration and date, an
// empty field left blank for writing by hand.
class SezioneTitolo : public SezioneRapporto {
 public:
  SezioneTitolo(const FontiRapporto& f, std::string titolo, bool firme)
      : f_(f), titolo_(std::move(titolo)), firme_(firme) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
  std::string titolo_;
  bool firme_;
};

// Every input value of the project with its unit: ring or segments, fill,
// slab, weights, widths, walls, live load, passive pressure, eccentricities
// and search options.
class SezioneDati : public SezioneRapporto {
 public:
  explicit SezioneDati(const FontiRapporto& f) : f_(f) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
};

}  // namespace voro
