// The exact limit analysis of one loaded voussoir model (no tension; rigid
// voussoirs that never slide, or masonry of finite strength, joints with
// friction and soil that pushes back only as far as it is pushed): the
// thrust line of least eccentricity, the thrust range and the largest
// multiplier of the variable load with its collapse mechanism, each solved
// as linear programs in the reaction of the left springing, each answer
// certified by both theorems of limit analysis before it is returned.
#pragma once

#include <optional>
#include <vector>

#include "limite/Certificato.h"
#include "limite/IpotesiMuratura.h"
#include "limite/ProgrammaLineare.h"
#include "limite/StaticaGiunti.h"

namespace voro {

// The thrust line of least eccentricity: the fraction s of the joint depths
// it needs (of the moment each joint can carry at its normal force, with
// finite strength), the line, the joints where it touches the reduced section.
struct EccentricitaMinima {
  double s = 0;
  Reazione reazione;
  std::vector<Cerniera> contatti;
  bool spintaIllimitata = false;  // s is approached only as the thrust grows without end
  // The line within s (static); no line within a smaller fraction (kinematic:
  // the hinges' multipliers, or a program that proves none fits just below).
  Certificato certificato;
};

struct CampoSpinta {
  Reazione minima, massima;
  bool massimaIllimitata = false;
  // Both lines stand (static); no line has a smaller or larger thrust
  // (kinematic: the programs' multipliers, over the tangents of the strength
  // domain where it is finite).
  Certificato certificato;
};

// How far the best line is from fitting the masonry: z, the least over all
// lines of the largest excess of a joint over its capacity (over its half
// depth times the total load), negative where a line fits with room to
// spare. Either a line stands (sta: the line checked on the exact domain)
// or the multipliers prove that none does (nonSta, over the tangents of a
// finite strength); neither only where the chords could not tell.
struct Margine {
  double z = 0;
  bool sta = false, nonSta = false;
  Reazione reazione;
  std::vector<Cerniera> contatti;  // where the line that stands touches the masonry
  Certificato certificato;
};

struct MoltiplicatoreCarico {
  EsitoCarico esito = EsitoCarico::NessunCarico;
  double lambda = 0;
  Reazione reazione;
  std::vector<Cerniera> meccanismo;  // the joints that rotate or slide, with their rates
  // The collapse line stands at lambda (static); the mechanism's virtual work
  // bounds the exact factor from above (kinematic).
  Certificato certificato;
};

class AnalisiLimite {
 public:
  // The hypotheses' strengths are joint by joint as st's joints; their
  // mobilisation must be the one st was built with.
  // A joint whose crushing force exceeds kRigida times the total load is
  // taken as of unlimited strength: its chords could no longer be told from
  // the rigid edge in double precision.
  explicit AnalisiLimite(const StaticaGiunti& statica, IpotesiMuratura ipotesi = {},
                         SceltaSolutori solutori = SceltaSolutori::DensoPoiClp);
  static constexpr double kRigida = 1e12;

  // The gap the figures of rigid masonry are certified to; the least
  // eccentricity's, which a bisection brackets, to 1e-6.
  static constexpr double kTolleranzaRigida = 1e-9;
  static constexpr double kTolleranzaEccentricita = 1e-6;

  // How near the chords of the strength domain bring the live-load factor
  // to the one of the exact domain, from below.
  static constexpr double kTolleranzaResistenza = 1e-3;

  // LineaMinima, MargineMinimo and Campo raise NonCertificato where a program
  // has no certified answer: a failed program is never taken for "no line fits".

  // The smallest s for which a thrust line lies within s h/2 of every
  // joint's centre, under the variable load times lambda; none when no
  // thrust line keeps every joint in compression.
  std::optional<EccentricitaMinima> LineaMinima(double lambda = 1) const;

  // Whether a line stands under the variable load times lambda: one program
  // (two, with finite strength), where LineaMinima needs a bisection.
  Margine MargineMinimo(double lambda = 1) const;

  // The least and the largest horizontal thrust of the thrust lines within
  // the masonry, from a line that fits; none when none fits.
  // In a bridge, the thrust of span k's springing (0 the first).
  std::optional<CampoSpinta> Campo(const Reazione& dentro, int campata = 0) const;

  // The largest multiplier >= 0 of the variable load for which a thrust
  // line fits, starting from any guess; NonCertificato as its outcome, not
  // raised, where no answer is certified.
  MoltiplicatoreCarico Moltiplicatore(const Reazione& avvio) const;

  const IpotesiMuratura& ipotesi() const { return ip_; }

 private:
  MoltiplicatoreCarico MoltiplicatoreDa(const Reazione& avvio) const;

  const StaticaGiunti& st_;
  IpotesiMuratura ip_;
  SceltaSolutori solutori_;
};

}  // namespace voro
