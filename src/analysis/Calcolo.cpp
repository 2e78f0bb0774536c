// The calculation driver, the three-hinged thrust line and the joint results.
#include "analysis/Calcolo.h"

#include "analysis/Reazioni.h"
#include "geometry/Grafica.h"
#include "numerics/Matematica.h"

namespace voro {

Calcolo::Calcolo(DatiProgetto& d, ModelloArco& m, RisultatiCalcolo& r, Messages& msg,
                 OsservatoreRicerca* osservatore, std::atomic<bool>* stop)
    : d_(d), m_(m), r_(r), msg_(msg), osservatore_(osservatore), stop_(stop) {}

void Calcolo::CalcoloMain() {
  // The three hinges belong to one ring: a bridge of several spans is solved
  // span by span, never as one ring across its piers.
  if (m_.ponte()) {
    const std::string perche = msg_.traduci("Voro", "Il calcolo a tre cerniere vale per un solo anello: per un ponte di "
                                                    "più campate si calcola una campata alla volta (voro-cli solve); "
                                                    "la verifica analizza il ponte intero.");
    msg_.critical(perche);
    throw RuntimeError(err::CalculationFailed, perche);
  }
  try {
    // The variable load cannot reach beyond the structure.
    if (d_.xq1 < m_.xMinStruttura) d_.xq1 = m_.xMinStruttura;
    if (d_.xq2 > m_.xMaxStruttura) d_.xq2 = m_.xMaxStruttura;

    // Every voussoir is loaded before any thrust-line step.
    for (int i = 1; i <= m_.nConciTot; ++i) m_.ConcioI(i).ForzaConcio(d_, m_, msg_);

    r_.SommaV = 0;
    r_.SommaHSinistra = 0;
    r_.SommaHDestra = 0;
    SommaForze(r_.SommaV, r_.SommaHSinistra, r_.SommaHDestra);

    r_.SigmaEstGiunti.redim(1, m_.nGiunti);
    r_.SigmaIntGiunti.redim(1, m_.nGiunti);
    r_.TauGiunti.redim(1, m_.nGiunti);
    r_.PercGiunti.redim(1, m_.nGiunti);

    r_.PrecisioneRicerca = 0;
    r_.RicercaInterrotta = false;
    if (!d_.OttimizzaCerniere) {
      if (osservatore_) osservatore_->senzaRicerca();
      r_.EccCalcSinistra = d_.EccSinistra;
      r_.EccCalcChiave = d_.EccChiave;
      r_.EccCalcDestra = d_.EccDestra;
    } else {
      if (osservatore_) osservatore_->avvio();
      if (stop_) stop_->store(false);
      double e1 = 0, e2 = 0, e3 = 0;
      CercaCerniereOttime(e1, e2, e3);
      r_.EccCalcSinistra = toSingle(e1);
      r_.EccCalcChiave = toSingle(e2);
      r_.EccCalcDestra = toSingle(e3);
    }

    PosizionaCerniere(r_.EccCalcSinistra, r_.EccCalcChiave, r_.EccCalcDestra);
    double V = 0, H = 0;
    ReazioniCerniere(V, H);
    r_.VSinistra = toSingle(V);
    r_.HSinistra = toSingle(H);
    Funicolare(r_.VSinistra, r_.HSinistra);
    r_.VDestra = toSingle(r_.SommaV - r_.VSinistra);
    r_.HDestra = toSingle(r_.HSinistra + r_.SommaHSinistra + r_.SommaHDestra);

    RisultatiGiunti(r_.EccCalcSinistra);
    RisultatiPeggioriCalcola();
  } catch (const RuntimeError& e) {
    if (e.number() != err::AssemblyFailed) msg_.plain(Componi(msg_.traduci("Voro", "Error: %1 in CalcoloMain"),
                                                                    {msg_.traduci("Voro", e.description().c_str())}));
    throw RuntimeError(err::CalculationFailed);
  }
}

void Calcolo::SommaForze(double& sV, double& sHs, double& sHd) const {
  for (int i = 1; i <= m_.nConciTot; ++i) {
    const Concio& c = m_.Conci(i);
    sV = (sV + c.FPermanente) + c.FVariabile;
    if (d_.SpintaPassiva) {
      // A voussoir in both groups counts once, on the left.
      if (i <= d_.nConciSpinta[0]) sHs = sHs + c.FOrizzontale;
      else if (i > m_.nConciTot - d_.nConciSpinta[1]) sHd = sHd + c.FOrizzontale;
    }
  }
}

void Calcolo::PosizionaCerniere(double e1, double e2, double e3) {
  m_.ConcioI(1).CoordinateCerniera(e1, r_.xCerniera[0], r_.yCerniera[0], m_, msg_);
  m_.ConcioI(m_.iChiave).CoordinateCerniera(e2, r_.xCerniera[1], r_.yCerniera[1], m_, msg_);
  m_.ConcioI(m_.nConciTot).CoordinateCerniera(e3, r_.xCerniera[2], r_.yCerniera[2], m_, msg_);
}

void Calcolo::SommaMomentiCerniere(double& M2v, double& M2h, double& M3v, double& M3h) const {
  const auto& x = r_.xCerniera;
  const auto& y = r_.yCerniera;
  for (int i = 1; i <= m_.nConciTot; ++i) {
    double a, b, c, e;
    m_.Conci(i).MomentiCerniere(x[1], y[1], x[2], y[2], m_.iChiave, a, b, c, e);
    M2v += a;
    M2h += b;
    M3v += c;
    M3h += e;
  }
}

void Calcolo::ReazioniCerniere(double& V, double& H) const {
  double M2v = 0, M2h = 0, M3v = 0, M3h = 0;
  SommaMomentiCerniere(M2v, M2h, M3v, M3h);
  ReazioniTreCerniere(r_.xCerniera, r_.yCerniera, M2v, M2h, M3v, M3h, V, H);
}

void Calcolo::Funicolare(double V, double H) {
  const Concio& c1 = m_.ConcioI(1);
  const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
  r_.NPrimaSezione = toSingle(V * std::sin(a) + H * std::cos(a));
  r_.TPrimaSezione = toSingle(V * std::cos(a) - H * std::sin(a));
  double xP = r_.xCerniera[0], yP = r_.yCerniera[0];
  for (int i = 1; i <= m_.nConciTot; ++i) m_.ConcioI(i).FunicolareConcio(V, H, xP, yP);
}

double Calcolo::bSezPrimaSezione() {
  if (m_.nConciPareteSinistra > 0) return m_.ConciPareteSinistra(m_.nConciPareteSinistra).bSez;
  return d_.Larghezza;
}

void Calcolo::TensioniGiunti(double e1, double& perc1, double& tau1) {
  double sE = 0, sI = 0;
  m_.ConcioI(1).SigmaCalcolaPrimaSezione(e1, r_.NPrimaSezione, r_.TPrimaSezione, bSezPrimaSezione(),
                                         m_.LarghezzaMinima, sE, sI, perc1, tau1);
  for (int i = 1; i <= m_.nConciTot; ++i) m_.Conci(i).SigmaCalcola(m_.LarghezzaMinima);
  for (int i = 1; i <= m_.nConciTot; ++i) {
    r_.SigmaEstGiunti(i + 1) = toSingle(m_.Conci(i).sigmaEst);
    r_.SigmaIntGiunti(i + 1) = toSingle(m_.Conci(i).sigmaInt);
  }
  r_.SigmaEstGiunti(1) = toSingle(sE);
  r_.SigmaIntGiunti(1) = toSingle(sI);
}

void Calcolo::RisultatiGiunti(double e1) {
  double perc1 = 0, tau1 = 0;
  TensioniGiunti(e1, perc1, tau1);
  for (int i = 1; i <= m_.nConciTot; ++i) {
    r_.TauGiunti(i + 1) = toSingle(m_.Conci(i).Tau);
    r_.PercGiunti(i + 1) = toSingle(m_.Conci(i).Perc);
  }
  r_.TauGiunti(1) = toSingle(tau1);
  r_.PercGiunti(1) = toSingle(perc1);
}

void Calcolo::RisultatiPeggioriCalcola() {
  const int n = m_.nGiunti;
  auto peggiore = [n](const Array1<Single>& s, double& valore, Integer& giunto) {
    double vmin = 0, vmax = 0;
    int imin = 0, imax = 0;
    MinMaxVettore(n, s, vmin, vmax, imin, imax);
    valore = vmax;
    giunto = static_cast<Integer>(imax);
    if (vmin < 0) {
      valore = vmin;
      giunto = static_cast<Integer>(imin);
    }
  };
  peggiore(r_.SigmaEstGiunti, r_.SigmaEstPeggiore, r_.iSigmaEstPeggiore);
  peggiore(r_.SigmaIntGiunti, r_.SigmaIntPeggiore, r_.iSigmaIntPeggiore);
  int imin = 0;
  r_.PercMinima = MinVettore(n, r_.PercGiunti, imin);
  r_.iPercMinima = static_cast<Integer>(imin);
}

void Calcolo::SommaMomentiPareti(double yL, double yR, double& ML, double& MR) const {
  ML = 0;
  MR = 0;
  for (int i = 1; i <= m_.nConciTot; ++i) m_.Conci(i).MomentiPareti(d_, m_.nConciTot, yL, yR, ML, MR);
}

}  // namespace voro
