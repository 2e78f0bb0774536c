// The exact limit analysis of one loaded voussoir model (rigid voussoirs, no
// tension, unlimited compressive strength, no sliding): the thrust line of
// least eccentricity, the thrust range and the largest multiplier of the
// variable load with its collapse mechanism, each solved as linear programs
// in the reaction of the left springing.
#pragma once

#include <optional>
#include <vector>

#include "limite/StaticaGiunti.h"

namespace voro {

// The unknowns of a thrust line: the force of the left support on the arch,
// the moment of the springing joint about its centre, the multiplier of the
// variable load.
struct Reazione {
  double H = 0, V = 0, M1 = 0, lambda = 1;
};

// The thrust line of least eccentricity: the fraction s of the joint depths
// it needs, the line, the joints where it touches the reduced section.
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
  explicit AnalisiLimite(const StaticaGiunti& statica) : st_(statica) {}

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
  // of the depth it needs); infinite when a joint is in tension.
  double Rapporto(const Reazione& r) const;

 private:
  const StaticaGiunti& st_;
};

}  // namespace voro
