// The arch the calculation analyses beside the arch of the input: the
// springings cut where the extrados meets the solid backing, the span, rise
// and voussoirs that remain, and the supports it assumes.
#pragma once

#include <optional>

#include "report/SezioneRapporto.h"

namespace voro {

// One ring's springings and crown: the intrados corners of its end joints
// (left, right), the extrados at those joints, the intrados at the crown and
// its voussoirs.
struct ProfiloArco {
  double xSinistra = 0, ySinistra = 0, xDestra = 0, yDestra = 0;
  double yEstradossoSinistra = 0, yEstradossoDestra = 0;
  double yChiave = 0;
  int conci = 0;
  double luce() const { return xDestra - xSinistra; }
  double freccia() const { return yChiave - (ySinistra + yDestra) / 2; }
};

// The ring as the input draws it (from the ends of its segments) and as the
// model analyses it (between the springing joints that remain once the walls
// took theirs); none for a bridge of several spans or a model without voussoirs.
std::optional<ProfiloArco> ArcoDato(const ModelloArco& m, const DatiProgetto& d);
std::optional<ProfiloArco> ArcoAnalizzato(const ModelloArco& m);

class SezioneArcoAnalizzato : public SezioneRapporto {
 public:
  explicit SezioneArcoAnalizzato(const FontiRapporto& f) : f_(f) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
};

}  // namespace voro
