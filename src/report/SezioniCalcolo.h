// The sections of the report that describe the calculation: the voussoir
// model, the hypotheses and the results, each with its drawing.
#pragma once

#include "arch/ImposteArco.h"
#include "report/SezioneRapporto.h"

namespace voro {

// Voussoirs, crown voussoir, levels and total weights; the geometry plot.
class SezioneModello : public SezioneRapporto {
 public:
  explicit SezioneModello(const FontiRapporto& f) : f_(f) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;
  std::vector<Figura> Figure(const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
};

// The hypotheses of the limit analysis in plain words.
class SezioneIpotesi : public SezioneRapporto {
 public:
  explicit SezioneIpotesi(const FontiRapporto& f) : f_(f) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
};

// Eccentricities used, the per-section table, worst values, reactions, tie
// thrust and wall actions, or the failure; the results plot.
class SezioneRisultati : public SezioneRapporto {
 public:
  explicit SezioneRisultati(const FontiRapporto& f) : f_(f) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;
  std::vector<Figura> Figure(const NumeriRapporto& num) const override;

 private:
  const FontiRapporto& f_;
};

// Where the upper walls raise the springings: their level and the voussoirs
// the walls take, in one sentence; empty when the arch springs at the ring's ends.
std::string FraseImposte(const ImposteArco& a, const NumeriRapporto& num);

// How the hinges were placed, in one sentence.
std::string FraseCerniere(const DatiProgetto& d, const RisultatiCalcolo& r, const NumeriRapporto& num);

}  // namespace voro
