// The exact limit analysis of one loaded voussoir model (no tension; rigid
// voussoirs that never slide, or masonry of finite strength, joints with
// friction and soil that pushes back only as far as it is pushed): the
// thrust line of least eccentricity, the thrust range and the largest
// multiplier of the variable load with its collapse mechanism, each solved
// as linear programs in the reaction of the left springing.
#pragma once

#include <optional>
#include <vector>

#include "limite/IpotesiMuratura.h"
#include "limite/StaticaGiunti.h"

namespace voro {

// The unknowns of a thrust line: the force of the left support on the arch,
// the moment of the springing joint about its centre, the multiplier of the
// variable load, and the share of its full pressure each group of passive
// voussoirs mobilises (empty when the pressure is a fixed load).
struct Reazione {
  double H = 0, V = 0, M1 = 0, lambda = 1;
  std::vector<double> quote;
};

// The thrust line of least eccentricity: the fraction s of the joint depths
// it needs (of the moment each joint can carry at its normal force, with
// finite strength), the line, the joints where it touches the reduced section.
struct EccentricitaMinima {
  double s = 0;
  Reazione reazione;
  std::vector<Cerniera> contatti;
  bool spintaIllimitata = false;  // s is approached only as the thrust grows without end
};

struct CampoSpinta {
  Reazione minima, massima;
  bool massimaIllimitata = false;
};

struct MoltiplicatoreCarico {
  EsitoCarico esito = EsitoCarico::NessunCarico;
  double lambda = 0;
  Reazione reazione;
  std::vector<Cerniera> meccanismo;
};

class AnalisiLimite {
 public:
  // The hypotheses' strengths are joint by joint as st's joints; their
  // mobilisation must be the one st was built with.
  // A joint whose crushing force exceeds kRigida times the total load is
  // taken as of unlimited strength: its chords could no longer be told from
  // the rigid edge in double precision.
  explicit AnalisiLimite(const StaticaGiunti& statica, IpotesiMuratura ipotesi = {});
  static constexpr double kRigida = 1e12;

  // How near the chords of the strength domain bring the live-load factor
  // to the one of the exact domain, from below.
  static constexpr double kTolleranzaResistenza = 1e-3;

  // The smallest s for which a thrust line lies within s h/2 of every
  // joint's centre, under the variable load times lambda; none when no
  // thrust line keeps every joint in compression.
  std::optional<EccentricitaMinima> LineaMinima(double lambda = 1) const;

  // The least and the largest horizontal thrust of the thrust lines within
  // the masonry, from a line that fits; none when none fits.
  std::optional<CampoSpinta> Campo(const Reazione& dentro) const;

  // The largest multiplier >= 0 of the variable load for which a thrust
  // line fits, starting from any guess.
  MoltiplicatoreCarico Moltiplicatore(const Reazione& avvio) const;

  // The largest ratio |M| / (h/2 N) over the joints of a line (the fraction
  // of the depth it needs; with finite strength, |M| over N (h/2 - N/(2 fc
  // b))); infinite when a joint is in tension, crushes or slides.
  double Rapporto(const Reazione& r) const;

  const IpotesiMuratura& ipotesi() const { return ip_; }

 private:
  const StaticaGiunti& st_;
  IpotesiMuratura ip_;
};

}  // namespace voro
