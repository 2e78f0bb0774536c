// Circle, wall splits, voussoirs and junctions of one partial arch.
#include "arch/VoroParziale.h"

#include <cmath>
#include <string>

#include "arch/ModelloArco.h"
#include "geometry/Grafica.h"
#include "numerics/Matematica.h"

namespace voro {

namespace {

struct Punto {
  double x = 0, y = 0;
};

// The two points where the extrados circle meets the line a x + b y + c = 0;
// false when the line misses the circle.
bool intersezioni(double xC, double yC, double r, double a, double b, double c, Punto& p1, Punto& p2) {
  return IntersezioneRettaCerchio(xC, yC, r, a, b, c, p1.x, p1.y, p2.x, p2.y);
}

// The top of the solid backing on the extrados: the higher of the points
// where the wall face (x = xWall) and the backing level (y = yLevel) meet the
// extrados circle; the level point is taken on the side of the springing.
Punto puntoParete(double xC, double yC, double r, double xWall, double yLevel, bool sinistra) {
  Punto P, Q, a, b;
  const bool verticale = intersezioni(xC, yC, r, 1, 0, -xWall, a, b);
  if (verticale) P = a.y > b.y ? a : b;
  if (intersezioni(xC, yC, r, 0, 1, -yLevel, a, b)) {
    if (sinistra) Q = a.x < b.x ? a : b;
    else Q = a.x > b.x ? a : b;
  }
  if (!verticale) return Q;
  return P.y < Q.y ? Q : P;
}

// Angular width of the voussoirs left to the arch after a wall split. A split
// that takes every voussoir leaves none: a division by zero, also when the
// count has gone below zero.
double passoRimasto(double sviluppo, double raggio, Integer n) {
  if (n < 0) throw RuntimeError(err::DivisionByZero);
  return divide(divide(sviluppo, raggio), static_cast<double>(n));
}

// Refuses a circle through the three points whose arc from the start to the
// end point, turning clockwise about a centre on the right of the chord, would
// miss the middle point: more than a half circle, or an arc bent downwards.
// Either would be built as another arch than the one entered.
void VerificaArco(const VoroParziale& v, int nVori, const Messages& msg) {
  const double R = v.Raggio;
  const double tolleranza = R * 1e-6;
  const double dx = v.X3 - v.X1, dy = v.Y3 - v.Y1;
  const double corda = std::sqrt(dx * dx + dy * dy);
  // Signed distances from the chord, positive on its left (above, for an
  // arch drawn from left to right).
  const double lato = ((v.X2 - v.X1) * -dy + (v.Y2 - v.Y1) * dx) / corda;
  const double centro = ((v.xC - v.X1) * -dy + (v.yC - v.Y1) * dx) / corda;
  const double dxM = v.X2 - v.xC, dyM = v.Y2 - v.yC;
  const bool fuoriCerchio = std::fabs(std::sqrt(dxM * dxM + dyM * dyM) - R) > tolleranza;
  const bool oltreCorda = (lato > 0 ? centro : -centro) > tolleranza;
  if (!(fuoriCerchio || oltreCorda)) return;
  const std::string chi = nVori == 1 ? msg.traduci("Voro", "Anello")
                                     : Componi(msg.traduci("Voro", "Segmento %1"), {std::to_string(v.iVoro)});
  const std::string perche =
      lato > 0 ? (nVori == 1 ? msg.traduci("Voro", "la freccia supera la metà della luce: l'arco sarebbe maggiore di "
                                                   "una semicirconferenza")
                             : msg.traduci("Voro", "l'arco per il punto intermedio sarebbe maggiore di una "
                                                   "semicirconferenza"))
               : (nVori == 1 ? msg.traduci("Voro", "la freccia deve essere positiva")
                             : msg.traduci("Voro", "il punto intermedio sta sotto la corda: l'arco è rovesciato"));
  throw RuntimeError(err::AssemblyFailed, chi + ": " + perche);
}

}  // namespace

void VoroParziale::Calcola(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  const int nVori = m.Vori.size();
  if (nVori == 1) {
    // A span of a bridge stands at its own place in the bridge's axes.
    const double x0 = d.Isolata ? d.Isolata->x0 : 0, y0 = d.Isolata ? d.Isolata->y0 : 0;
    X1 = x0;
    Y1 = y0;
    X2 = x0 + d.LuceAnello / 2;
    Y2 = y0 + d.FrecciaAnello;
    X3 = x0 + d.LuceAnello;
    Y3 = y0;
    Spessore = d.SpessoreAnello;
    nConci = toInteger(d.nConciAnello);
  }
  CerchioTrePunti(X1, Y1, X2, Y2, X3, Y3, Raggio, xC, yC, Sviluppo, msg);
  VerificaArco(*this, nVori, msg);
  if (nConci < 1) nConci = 1;
  theta_ = ArcTan2(Y1 - yC, X1 - xC);
  dTheta_ = divide(divide(Sviluppo, Raggio), static_cast<double>(nConci));
  if (iVoro == 1) PareteSinistra(d, m);
  if (iVoro == nVori) PareteDestra(d, m);
}

void VoroParziale::PareteSinistra(const DatiProgetto& d, ModelloArco& m) {
  const double rE = Raggio + Spessore;
  const Punto T = puntoParete(xC, yC, rE, X1 - d.SporgenzaParete, Y1 + d.hRiempimentoSolido, true);
  const double yE = Y1 + Spessore * std::sin(theta_);
  if (T.y <= yE) {
    m.nConciPareteSinistra = 0;
    return;
  }
  const double phi = ArcTan2(T.y - yC, T.x - xC);
  Integer n = toInteger(divide(theta_ - phi, dTheta_));
  if (n < 1) n = 1;
  m.nConciPareteSinistra = n;
  const double passo = (theta_ - phi) / n;
  m.ConciPareteSinistra.redim(1, n);
  double thetaW = theta_;
  for (int i = 1; i <= n; ++i) {
    m.ConciPareteSinistra(i).Coordinate(Raggio, thetaW, passo, xC, yC, Spessore);
    thetaW = thetaW - passo;
  }
  Sviluppo = Sviluppo - (theta_ - phi) * Raggio;
  theta_ = phi;
  nConci = addIntegers(nConci, -n);
  dTheta_ = passoRimasto(Sviluppo, Raggio, nConci);
}

void VoroParziale::PareteDestra(const DatiProgetto& d, ModelloArco& m) {
  const double thetaE = ArcTan2(Y3 - yC, X3 - xC);
  const double rE = Raggio + Spessore;
  const Punto T = puntoParete(xC, yC, rE, X3 + d.SporgenzaParete, Y3 + d.hRiempimentoSolido, false);
  const double yE = Y3 + Spessore * std::sin(thetaE);
  if (T.y <= yE) {
    m.nConciPareteDestra = 0;
    return;
  }
  double phi = ArcTan2(T.y - yC, T.x - xC);
  if (phi <= thetaE) phi = phi + kDuePi;
  const double D = phi - thetaE;
  Integer n = toInteger(divide(D, dTheta_));
  if (n < 1) n = 1;
  m.nConciPareteDestra = n;
  const double passo = D / n;
  m.ConciPareteDestra.redim(1, n);
  double thetaW = phi;
  for (int i = 1; i <= n; ++i) {
    m.ConciPareteDestra(i).Coordinate(Raggio, thetaW, passo, xC, yC, Spessore);
    thetaW = thetaW - passo;
  }
  Sviluppo = Sviluppo - D * Raggio;
  nConci = addIntegers(nConci, -n);
  dTheta_ = passoRimasto(Sviluppo, Raggio, nConci);
}

void VoroParziale::CreaConci(ModelloArco& m, int offset) {
  iConcio1 = addIntegers(offset, 1);
  for (int i = 1; i <= nConci; ++i) {
    const int k = offset + i;
    Concio& c = m.ConcioI(k);
    c.Coordinate(Raggio, theta_, dTheta_, xC, yC, Spessore);
    c.iConcioTot = static_cast<Integer>(k);
    c.ConcioTransizione = 0;
    theta_ = theta_ - dTheta_;
  }
}

void VoroParziale::Raccorda(VoroParziale& next, ModelloArco& m, Messages& msg) {
  Concio& L = m.ConcioI(iConcio1 + nConci - 1);
  Concio& F = m.ConcioI(next.iConcio1);
  const double xJ = L.x(2), yJ = L.y(2);
  double r = 0, a1 = 0, a2 = 0;
  CoordinatePolari(L.x(3) - xJ, L.y(3) - yJ, r, a1);
  CoordinatePolari(F.x(4) - xJ, F.y(4) - yJ, r, a2);
  const double thetaM = (a1 + a2) / 2;
  double a = 0, b = 0, c = 0;
  RettaPuntoAngolo(xJ, yJ, 1, thetaM, a, b, c, msg);

  Punto p1, p2;
  if (!intersezioni(xC, yC, Raggio + Spessore, a, b, c, p1, p2)) {
    msg.information(msg.traduci("Voro", "Impossibile raccordare gli vori parziali"));
    return;
  }
  L.Alfa = thetaM - kPi / 2;
  L.CosAlfa = std::cos(L.Alfa);
  L.SinAlfa = std::sin(L.Alfa);
  const Punto c3 = p1.y > p2.y ? p1 : p2;
  L.setX(3, c3.x);
  L.setY(3, c3.y);
  const double d1 = Distanza(xJ, yJ, c3.x, c3.y);

  if (!intersezioni(next.xC, next.yC, next.Raggio + next.Spessore, a, b, c, p1, p2)) {
    msg.information(msg.traduci("Voro", "Impossibile raccordare gli vori parziali"));
    return;
  }
  const Punto c4 = p1.y > p2.y ? p1 : p2;
  F.setX(4, c4.x);
  F.setY(4, c4.y);
  const double d2 = Distanza(xJ, yJ, c4.x, c4.y);

  // The joint that carries the stresses is the shorter of the two.
  if (d2 <= d1) {
    L.hSezioneEff = d2;
    L.xMedio = (F.x(1) + F.x(4)) / 2;
    L.yMedio = (F.y(1) + F.y(4)) / 2;
  } else {
    L.hSezioneEff = d1;
    L.xMedio = (L.x(2) + L.x(3)) / 2;
    L.yMedio = (L.y(2) + L.y(3)) / 2;
  }
  if (!NumeriUguali(d1, L.hSezione, 1e-06)) L.hSezione = d1;
  if (!NumeriUguali(d2, F.hSezioneSin, 1e-06)) F.hSezioneSin = d2;
}

}  // namespace voro
