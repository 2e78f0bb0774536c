// Geometry, loads, hinge points and wall moments of one voussoir.
#include "arch/Concio.h"

#include <vector>

#include "arch/ModelloArco.h"
#include "geometry/Grafica.h"
#include "geometry/Poligono.h"

namespace voro {

void Concio::Coordinate(double R, double theta, double dTheta, double xC, double yC, double s) {
  const double Re = R + s;
  const double t2 = theta - dTheta;
  xv_[0] = xC + R * std::cos(theta);
  yv_[0] = yC + R * std::sin(theta);
  xv_[3] = xC + Re * std::cos(theta);
  yv_[3] = yC + Re * std::sin(theta);
  xv_[1] = xC + R * std::cos(t2);
  yv_[1] = yC + R * std::sin(t2);
  xv_[2] = xC + Re * std::cos(t2);
  yv_[2] = yC + Re * std::sin(t2);
  xMedio = (xv_[1] + xv_[2]) / 2;
  yMedio = (yv_[1] + yv_[2]) / 2;
  Alfa = t2 - kPi / 2;
  CosAlfa = std::cos(Alfa);
  SinAlfa = std::sin(Alfa);
  hSezioneEff = s;
  hSezione = s;
  hSezioneSin = s;
}

void Concio::CalcolaLargezzeSinistra(const DatiProgetto& d, double L, double x0) {
  const Single diff = d.LarghezzaChiave - d.Larghezza;
  bSez = d.Larghezza + divide((x(3) - x0) * diff, L);
}

void Concio::CalcolaLargezzeDestra(const DatiProgetto& d, double a, double L, double x0) {
  const Single diff = d.Larghezza - d.LarghezzaChiave;
  bSez = d.LarghezzaChiave + divide(((x(3) - x0) - a) * diff, L);
}

namespace {

// Area and centroid abscissa of a closed polygon.
void areaAndCentroid(const std::vector<double>& X, const std::vector<double>& Y, double& area, double& xG) {
  Poligono p;
  p.Coordinate(X, Y, static_cast<int>(X.size()));
  p.CaratteristicheStatiche();
  area = p.Area;
  xG = p.xG;
}

}  // namespace

void Concio::EstensioneCarico(const ModelloArco& m, double& xa, double& xb) const {
  const int i = iConcioTot;
  xa = ConcioTransizione == 2 ? m.Conci(i - 1).x(3) : x(4);
  xb = ConcioTransizione == 1 ? m.Conci(i + 1).x(4) : x(3);
}

void Concio::ForzaConcio(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  const int i = iConcioTot;
  // A span's first voussoir tapers from the springing's width.
  const double bPrev = !m.primoDiCampata(i) ? m.ConcioI(i - 1).bSez : static_cast<double>(d.Larghezza);
  const double bMed = (bPrev + bSez) / 2;
  double area = 0, xG = 0;

  // Masonry of the voussoir.
  areaAndCentroid({x(1), x(2), x(3), x(4)}, {y(1), y(2), y(3), y(4)}, area, xG);
  FPermanente = d.PesoMuratura * area * bMed;
  Single S = toSingle(xG * FPermanente);

  // Fill between the extrados and the top of the fill; at a change of
  // thickness the column reaches the neighbour's extrados corner.
  const double yR = m.yRiempimento;
  double xa, xb;
  EstensioneCarico(m, xa, xb);
  if (ConcioTransizione == 1) {
    const Concio& n = m.ConcioI(i + 1);
    areaAndCentroid({x(4), x(3), n.x(4), n.x(4), x(4)}, {y(4), y(3), n.y(4), yR, yR}, area, xG);
  } else if (ConcioTransizione == 2) {
    const Concio& p = m.ConcioI(i - 1);
    areaAndCentroid({p.x(3), x(4), x(3), x(3), p.x(3)}, {p.y(3), y(4), y(3), yR, yR}, area, xG);
  } else {
    areaAndCentroid({x(4), x(3), x(3), x(4)}, {y(4), y(3), yR, yR}, area, xG);
  }
  const double areaRiempimento = area;
  double F = d.PesoRiempimento * area * bMed;
  FPermSopraConcio = F;
  FPermanente += F;
  S = toSingle(S + xG * F);

  // Slab on top of the fill over the same horizontal extent.
  const double yS = m.ySoletta;
  areaAndCentroid({xa, xb, xb, xa}, {yR, yR, yS, yS}, area, xG);
  const double areaSoletta = area;
  F = d.PesoSoletta * area * bMed;
  FSoletta = F;
  FPermSopraConcio += F;
  FPermanente += F;
  S = toSingle(S + xG * F);

  try {
    xFPermanente = divide(static_cast<double>(S), FPermanente);

    // Variable load over the part of the loaded top within [xq1, xq2].
    const Single xi = toSingle(xa > d.xq1 ? xa : static_cast<double>(d.xq1));
    const Single xf = toSingle(xb < d.xq2 ? xb : static_cast<double>(d.xq2));
    const Single Lq = xf - xi;
    if (Lq <= 0) {
      FVariabile = 0;
    } else {
      FVariabile = toSingle(d.qCarico * Lq) * bMed;
      xFVariabile = 0;
      if (FVariabile != 0) xFVariabile = toSingle(static_cast<double>(xi) + xf) / 2;
    }

    Ftot = checked(FVariabile + FPermanente);
    xFtot = divide(xFVariabile * FVariabile + xFPermanente * FPermanente, Ftot);

    // Passive earth pressure on the extrados of the voussoirs next to the
    // springings, proportional to the vertical load resting on the edge. A
    // vertical edge carries no load from above and so receives no pressure.
    FOrizzontale = 0;
    const bool inGroup = i <= d.nConciSpinta[0] || i > m.nConciTot - d.nConciSpinta[1];
    if (d.SpintaPassiva && inGroup && x(3) != x(4)) {
      const double slope = divide(y(3) - y(4), x(3) - x(4));
      double verticale = FVariabile + FPermSopraConcio;
      if (d.SpintaCaratteristica) {
        // A design project: the soil resists as the characteristic loads let it.
        const voro::SpintaCaratteristica& k = *d.SpintaCaratteristica;
        const double q = Lq > 0 ? static_cast<double>(toSingle(k.qCarico * Lq)) * bMed : 0;
        verticale = (q + (k.PesoRiempimento * areaRiempimento + k.PesoSoletta * areaSoletta) * bMed) / k.gR;
      }
      FOrizzontale = checked(d.Kp * slope * verticale);
    }
    yFOrizzontale = (y(4) + y(3)) / 2;
  } catch (const RuntimeError& e) {
    if (e.number() == err::Overflow) {
      FPermanente = 0;
      return;
    }
    msg.critical(Componi(msg.traduci("Voro", "Sub ForzaConcio. Errore %1 - %2"),
                         {std::to_string(e.number()), msg.traduci("Voro", e.description().c_str())}));
  }
}

bool Concio::CoordinateCerniera(double e, double& xH, double& yH, const ModelloArco& m, Messages& msg) const {
  int a, b;  // intrados and extrados corner of the hinge joint
  if (iConcioTot == 1) {
    a = 1, b = 4;
  } else if (iConcioTot == m.nConciTot || iConcioTot == m.iChiave) {
    a = 2, b = 3;
  } else {
    msg.critical(msg.traduci("Voro", "Cerniera anomala"));
    return false;
  }
  const double D = Distanza(x(a), y(a), x(b), y(b));
  xH = (x(a) + x(b)) / 2 + divide(e * (x(b) - x(a)), D);
  yH = (y(a) + y(b)) / 2 + divide(e * (y(b) - y(a)), D);
  return true;
}

void Concio::SigmaCalcolaPrimaSezione(double e, Single NPrimaSezione, Single TPrimaSezione, double bSezione,
                                      Single LarghezzaMinima, double& sigE, double& sigI, double& perc,
                                      double& tau) {
  const double savedN = Fassiale, savedE = Eccentric, savedT = Ftaglio, savedB = bSez;
  Fassiale = NPrimaSezione;
  Eccentric = e;
  Ftaglio = TPrimaSezione;
  bSez = bSezione;
  try {
    SigmaCalcola(LarghezzaMinima);
  } catch (...) {
    Fassiale = savedN, Eccentric = savedE, Ftaglio = savedT, bSez = savedB;
    throw;
  }
  Fassiale = savedN, Eccentric = savedE, Ftaglio = savedT;
  sigE = sigmaEst;
  sigI = sigmaInt;
  perc = Perc;
  tau = Tau;
  bSez = savedB;
}

void Concio::MomentiPareti(const DatiProgetto& d, Integer nConciTot, double yL, double yR, double& ML,
                           double& MR) const {
  if (iConcioTot <= d.nConciSpinta[0]) ML += FOrizzontale * (yFOrizzontale - yL);
  if (iConcioTot > nConciTot - d.nConciSpinta[1]) MR -= FOrizzontale * (yFOrizzontale - yR);
}

}  // namespace voro
