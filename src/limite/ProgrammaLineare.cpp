// A program's rows, kept normalised, and its solution: the dense simplex,
// then CLP, each answer taken only with its certificate.
#include "limite/ProgrammaLineare.h"

#include <cmath>
#include <limits>

#include "data/RuntimeError.h"
#include "limite/SolutoriLP.h"

namespace voro {

ProgrammaLineare::ProgrammaLineare(int nIncognite) : n_(nIncognite) {
  if (n_ < 1 || n_ >= kMaxIncognite) throw RuntimeError(err::InvalidCall);
}

int ProgrammaLineare::Riga(const double* a, double b) {
  const int indice = nRigheChiamante_++;
  double n = 0;
  for (int j = 0; j < n_; ++j) n += a[j] * a[j];
  n = std::sqrt(n);
  if (!std::isfinite(n) || !std::isfinite(b)) throw RuntimeError(err::Overflow);
  if (n == 0) {
    if (b < 0) impossibile_ = true;
    return indice;
  }
  const std::size_t k = a_.size();
  a_.resize(k + static_cast<std::size_t>(n_));
  for (int j = 0; j < n_; ++j) a_[k + static_cast<std::size_t>(j)] = a[j] / n;
  b_.push_back(b / n);
  norme_.push_back(n);
  indice_.push_back(indice);
  return indice;
}

void ProgrammaLineare::Riserva(int righe) {
  const auto n = static_cast<std::size_t>(righe);
  a_.reserve(n * static_cast<std::size_t>(n_));
  b_.reserve(n);
  norme_.reserve(n);
  indice_.reserve(n);
}

void ProgrammaLineare::Svuota() {
  a_.clear();
  b_.clear();
  norme_.clear();
  indice_.clear();
  nRigheChiamante_ = 0;
  impossibile_ = false;
}

double ProgrammaLineare::Violazione(const VettoreLP& x) const {
  double v = impossibile_ ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < b_.size(); ++i) {
    double s = 0;
    for (int j = 0; j < n_; ++j) s += a_[i * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)];
    v = std::max(v, s - b_[i]);
  }
  return v;
}

SoluzioneLP ProgrammaLineare::Massimizza(const VettoreLP& c, const VettoreLP& x0) const {
  SoluzioneLP s;
  if (impossibile_) {
    // A row 0 <= b < 0 proves it alone.
    s.violazione = 1;
    return s;
  }
  const RigheLP R{a_.data(), b_.data(), nRighe(), n_};
  bool certo = false;
  if (scelta_ != SceltaSolutori::SoloClp) {
    try {
      s = SimplessoDenso(R, c, x0, stretto_);
      certo = CertificaLP(R, c, s);
    } catch (const RuntimeError&) {
      certo = false;
    }
  }
  if (!certo && scelta_ != SceltaSolutori::SoloDenso) {
    s = SimplessoClp(R, c);
    s.solutore = Solutore::Clp;
    certo = s.esito != EsitoLP::Fallito && CertificaLP(R, c, s);
  }
  if (!certo) {
    SoluzioneLP f;
    f.esito = EsitoLP::Fallito;
    f.solutore = s.solutore;
    return f;
  }
  // The rows and their multipliers as the caller gave them.
  for (int k = 0; k < s.nBase; ++k) {
    const auto i = static_cast<std::size_t>(s.base[static_cast<std::size_t>(k)]);
    s.base[static_cast<std::size_t>(k)] = indice_[i];
    s.moltiplicatori[static_cast<std::size_t>(k)] /= norme_[i];
  }
  return s;
}

}  // namespace voro
