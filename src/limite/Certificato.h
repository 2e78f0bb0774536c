// How a figure of the assessment is proven: by both theorems of limit
// analysis at once.
#pragma once

#include <stdexcept>

namespace voro {

enum class Solutore { Denso, Clp };

// The static side is a thrust line that stands under the stated hypotheses
// (a safe bound); the kinematic side a mechanism, or a proof that no line
// fits, that bounds the figure from the other side. The figure lies between
// the two, within the relative gap; the solver is CLP where any program of
// the figure needed it.
struct Certificato {
  bool statico = false;
  bool cinematico = false;
  double scarto = 0;
  double tolleranza = 1e-9;  // the gap the figure is stated to
  Solutore solutore = Solutore::Denso;
  bool valido() const { return statico && cinematico && scarto <= tolleranza; }
};

// Raised where a program of a figure has no certified answer from either
// solver: the figure is unknown, and is reported as not certified.
class NonCertificato : public std::runtime_error {
 public:
  NonCertificato() : std::runtime_error("limit analysis: no certified answer") {}
};

}  // namespace voro
