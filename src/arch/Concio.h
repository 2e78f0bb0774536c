// One voussoir of the ring: its corners, width, loads, the thrust line across
// it and the stresses of its right joint.
#pragma once

#include <array>

#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/Scalars.h"

namespace voro {

struct ModelloArco;

// Corners: 1 intrados-left, 2 intrados-right, 3 extrados-right, 4 extrados-left.
// Every joint quantity belongs to the right joint (corners 2-3).
class Concio {
 public:
  double Alfa = 0, CosAlfa = 0, SinAlfa = 0;
  double xMedio = 0, yMedio = 0;
  double bSez = 0;
  Integer iConcioTot = 0;
  double FPermanente = 0, xFPermanente = 0, FPermSopraConcio = 0;
  double FSoletta = 0;  // the slab's part of FPermSopraConcio (the rest is fill)
  double FVariabile = 0, xFVariabile = 0;
  double FOrizzontale = 0, yFOrizzontale = 0;
  double Ftot = 0, xFtot = 0;
  double Fassiale = 0, Ftaglio = 0, Momento = 0, Eccentric = 0;
  double x_Fun = 0, y_Fun = 0;
  double hSezioneEff = 0, hSezione = 0, hSezioneSin = 0;
  double sigmaEst = 0, sigmaInt = 0, Tau = 0, Perc = 0;
  Integer ConcioTransizione = 0;

  // Corner coordinates, i = 1..4 (Subscript out of range otherwise).
  double x(int i) const { return xv_[index(i)]; }
  double y(int i) const { return yv_[index(i)]; }
  void setX(int i, double v) { xv_[index(i)] = v; }
  void setY(int i, double v) { yv_[index(i)] = v; }

  // The piece of a circular ring of intrados radius R and thickness s between
  // the polar angles theta (left joint) and theta - dTheta (right joint).
  void Coordinate(double R, double theta, double dTheta, double xC, double yC, double s);

  // Width across the vault between the left springing x0 and the crown at x0 + L.
  void CalcolaLargezzeSinistra(const DatiProgetto& d, double L, double x0);
  // Width between the crown at x0 + a and the right springing, L beyond it.
  void CalcolaLargezzeDestra(const DatiProgetto& d, double a, double L, double x0);

  // The horizontal extent [xa, xb] of the fill column this voussoir carries,
  // over which the road's loads reach it: its extrados, reaching at a
  // change of thickness the neighbour's extrados corner.
  void EstensioneCarico(const ModelloArco& m, double& xa, double& xb) const;

  // Permanent, variable and passive loads of the voussoir.
  void ForzaConcio(const DatiProgetto& d, ModelloArco& m, Messages& msg);

  // The point at eccentricity e on this voussoir's hinge joint; false, with a
  // message and the outputs untouched, on a voussoir that carries no hinge.
  bool CoordinateCerniera(double e, double& xH, double& yH, const ModelloArco& m, Messages& msg) const;

  // This voussoir's moments about the crown hinge (vertical, horizontal loads)
  // and about the right hinge. Only the voussoirs left of the crown joint,
  // 1 to iChiave, act on the part between the left and the crown hinge.
  void MomentiCerniere(double x2, double y2, double x3, double y3, Integer iChiave, double& M2v, double& M2h,
                       double& M3v, double& M3h) const {
    const bool sinistra = iConcioTot <= iChiave;
    M2v = sinistra ? (x2 - xFVariabile) * FVariabile + (x2 - xFPermanente) * FPermanente : 0;
    M2h = sinistra ? FOrizzontale * (y2 - yFOrizzontale) : 0;
    M3v = (x3 - xFVariabile) * FVariabile + (x3 - xFPermanente) * FPermanente;
    M3h = FOrizzontale * (y3 - yFOrizzontale);
  }

  // Carries the thrust line from the left joint (force V, H at point xP, yP)
  // to the right joint.
  void FunicolareConcio(double& V, double& H, double& xP, double& yP) {
    const double V0 = V, H0 = H;
    V = V0 - Ftot;
    H = H0 + FOrizzontale;
    Fassiale = V * SinAlfa + H * CosAlfa;
    Ftaglio = V * CosAlfa - H * SinAlfa;
    Momento = V0 * (xMedio - xP) - H0 * (yMedio - yP) - Ftot * (xMedio - xFtot) -
              FOrizzontale * (yMedio - yFOrizzontale);
    Eccentric = divide(Momento, Fassiale);
    xP = xMedio - Eccentric * SinAlfa;
    yP = yMedio + Eccentric * CosAlfa;
    x_Fun = xP;
    y_Fun = yP;
  }

  // Stresses of the right joint as a no-tension rectangular section.
  void SigmaCalcola(Single LarghezzaMinima) {
    double b = 0;
    const double c = SigmaBordi(LarghezzaMinima, b);
    const double h = hSezioneEff;
    Tau = divide(divide(Ftaglio, h), b);
    Perc = divide(c * 100, h);
  }

  // The two edge stresses of the right joint alone; returns the compressed
  // length and the width used. The hinge search needs no more than this.
  double SigmaBordi(Single LarghezzaMinima, double& b) {
    const double h = hSezioneEff;
    b = bSez;
    if (static_cast<Single>(bSez) < LarghezzaMinima) b = LarghezzaMinima;
    const double N = Fassiale, e = Eccentric;
    const double u = h / 2 - std::fabs(e);
    if (u <= 0 || std::fabs(e) < h / 6) {
      const double k = divide(6 * e, h);
      sigmaEst = divide(divide((k + 1) * N, h), b);
      sigmaInt = divide(divide((1 - k) * N, h), b);
      return u <= 0 ? 0 : h;
    }
    const double s = divide(divide(2 * N, 3 * u), b);
    if (e > 0) {
      sigmaEst = s;
      sigmaInt = 0;
    } else {
      sigmaInt = s;
      sigmaEst = 0;
    }
    return 3 * u;
  }

  // Stresses of the left springing section under the force N, T at
  // eccentricity e, through this voussoir's own stress members (width bSezione).
  void SigmaCalcolaPrimaSezione(double e, Single NPrimaSezione, Single TPrimaSezione, double bSezione,
                                Single LarghezzaMinima, double& sigE, double& sigI, double& perc, double& tau);

  // Moments of the passive pressure about the wall bases yL and yR.
  void MomentiPareti(const DatiProgetto& d, Integer nConciTot, double yL, double yR, double& ML,
                     double& MR) const;

  // Signed distances of the thrust point of the right joint beyond the
  // intrados and the extrados edge (negative inside the section).
  void DistanzeIntEst(double& dInt, double& dEst) const {
    dEst = Eccentric - hSezioneEff / 2;
    dInt = -Eccentric - hSezioneEff / 2;
  }

  // Distance of the thrust point of the right joint from the nearer edge.
  double dBordo() const { return Eccentric > 0 ? hSezioneEff / 2 - Eccentric : hSezioneEff / 2 + Eccentric; }

  // Distance of a springing hinge at eccentricity e from the nearer edge of
  // the springing joint, measured with this voussoir's joint depth.
  double dBordoImposta(double e) const { return hSezioneEff / 2 - std::fabs(e); }

 private:
  static std::size_t index(int i) {
    if (i < 1 || i > 4) throw RuntimeError(err::SubscriptOutOfRange);
    return static_cast<std::size_t>(i - 1);
  }
  std::array<double, 4> xv_{}, yv_{};
};

}  // namespace voro
