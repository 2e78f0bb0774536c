// Assembly of a bridge from its spans and piers.
#include "arch/Ponte.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>

#include "arch/CostruisciModello.h"
#include "arch/ResistenzaConci.h"
#include "data/RuntimeError.h"
#include "data/Traduzioni.h"
#include "geometry/Poligono.h"

namespace voro {

namespace {

// The project of span k with its ring. The solid backing and the walls
// stand over every springing, the piers' as the abutments'; the soil
// pushes only beside an abutment.
DatiProgetto Anello(const DatiProgetto& d, int k) {
  DatiProgetto q = d;
  q.Campate.clear();
  const int n = d.nCampate();
  if (k > 0) {
    const DatiCampata& c = d.Campate[static_cast<std::size_t>(k - 1)];
    q.nVori = c.nVori;
    q.LuceAnello = c.LuceAnello;
    q.FrecciaAnello = c.FrecciaAnello;
    q.SpessoreAnello = c.SpessoreAnello;
    q.nConciAnello = c.nConciAnello;
    q.Vori = c.Vori;
    if (q.nVori > 1 && q.Vori.size() < q.nVori) q.dimensionaVori(q.nVori);
    q.ResistenzaAnello = c.ResistenzaAnello;
    q.nConciSpinta[0] = 0;
  }
  if (k < n - 1) q.nConciSpinta[1] = 0;
  q.Isolata = CampataIsolata{0, 0, std::nullopt};
  return q;
}

// Every span's project placed in the bridge: each left springing a pier's
// width beyond the last span's right one, at its own level; the top of
// fill over the highest extrados of all. With anelli, each span's ring as
// that project assembles it.
std::vector<DatiProgetto> Campate(const DatiProgetto& d, Messages& msg, std::vector<ModelloArco>* anelli = nullptr) {
  std::vector<DatiProgetto> q;
  double x0 = 0;
  Single yEstradosso = -1e20f;
  for (int k = 0; k < d.nCampate(); ++k) {
    q.push_back(Anello(d, k));
    if (k > 0) {
      q.back().Isolata->x0 = x0;
      q.back().Isolata->y0 = d.Campate[static_cast<std::size_t>(k - 1)].Quota;
    }
    ModelloArco m;
    try {
      AssemblaCampata(q.back(), m, msg);
    } catch (const RuntimeError& e) {
      // The ring's own reason, said of its span.
      if (e.number() != err::AssemblyFailed || e.description() == errorDescription(e.number())) throw;
      throw RuntimeError(err::AssemblyFailed,
                         Componi(msg.traduci("Voro", "Campata %1"), {std::to_string(k + 1)}) + ": " + e.description());
    }
    yEstradosso = std::max(yEstradosso, m.yEstradossoMax);
    if (k + 1 < d.nCampate()) x0 = m.Vori(m.Vori.size()).X3 + d.Campate[static_cast<std::size_t>(k)].Pila.Larghezza;
    if (anelli) anelli->push_back(std::move(m));
  }
  const Single yR = d.hRiempimento + yEstradosso;
  for (DatiProgetto& p : q) p.Isolata->yRiempimento = yR;
  // The rings under the bridge's fill, as their projects now assemble them.
  if (anelli)
    for (ModelloArco& a : *anelli) {
      a.yRiempimento = yR;
      a.ySoletta = d.hSoletta + yR;
    }
  return q;
}

[[noreturn]] void Rifiuta(const std::string& perche) { throw RuntimeError(err::AssemblyFailed, perche); }

// A length in metres as the messages show it: four significant digits.
std::string Metri(double x) {
  std::ostringstream s;
  s << std::setprecision(4) << x;
  return s.str();
}

// The pier between the ring a (its last voussoir cs) and the ring b (its
// first voussoir cd): its outline from its faces and base.
PilaModello Pila(const DatiPila& dp, const DatiProgetto& d, const ModelloArco& m, const ModelloArco& a,
                 const ModelloArco& b, int k, int cs, int cd, Messages& msg) {
  const Concio& s = m.Conci(cs);
  const Concio& t = m.Conci(cd);
  // The rings' ends on the pier's faces; above them the backing raises each
  // arch's springing joint, and the two must not cross.
  const double xa = a.Vori(a.Vori.size()).X3, ya = a.Vori(a.Vori.size()).Y3;
  const double xb = b.Vori(1).X1, yb = b.Vori(1).Y1;
  const std::string chi = Componi(msg.traduci("Voro", "Pila %1"), {std::to_string(k)});
  // Each ring's end face reaches from its intrados end out to its extrados
  // circle: the two faces must fit on the pier's top side by side.
  auto estradosso = [](const VoroParziale& v, double x) {
    const double k = (v.Raggio + v.Spessore) / v.Raggio;
    return v.xC + (x - v.xC) * k;
  };
  const double xea = std::max(estradosso(a.Vori(a.Vori.size()), xa), s.x(3));
  const double xeb = std::min(estradosso(b.Vori(1), xb), t.x(4));
  if (xea > xeb + 1e-9)
    Rifiuta(chi + ": " +
            Componi(msg.traduci("Voro", "la larghezza %1 m è minore di quella delle due imposte che porta (%2 m)"),
                    {Metri(dp.Larghezza), Metri(dp.Larghezza + xea - xeb)}));
  PilaModello p;
  p.concioSinistro = cs;
  p.concioDestro = cd;
  p.yBase = std::max(ya, yb) - dp.Altezza;
  for (const auto& [y, campata] : {std::pair{ya, k}, std::pair{yb, k + 1}})
    if (!(y > p.yBase))
      Rifiuta(Componi(msg.traduci("Voro", "Campata %1"), {std::to_string(campata)}) + ": " +
              Componi(msg.traduci("Voro", "l'imposta a quota %1 m non poggia sulla pila %2, la cui base è a quota %3 m"),
                      {Metri(y), std::to_string(k), Metri(p.yBase)}));
  p.xBaseSinistra = xa - dp.ScarpaSinistra * (ya - p.yBase);
  p.xBaseDestra = xb + dp.ScarpaDestra * (yb - p.yBase);
  if (!(p.xBaseDestra > p.xBaseSinistra))
    Rifiuta(chi + ": " + Componi(msg.traduci("Voro", "le scarpe lasciano alla base una larghezza di %1 m"),
                                 {Metri(p.xBaseDestra - p.xBaseSinistra)}));
  // The pier itself up to the rings' ends, then the masonry of the rings'
  // ends and backing up to the arches' springing joints (their intrados by chords).
  p.x = {p.xBaseSinistra, p.xBaseDestra, xb, xa};
  p.y = {p.yBase, p.yBase, yb, ya};
  p.xSopra = {xa, xb, t.x(1), t.x(4), s.x(3), s.x(2)};
  p.ySopra = {ya, yb, t.y(1), t.y(4), s.y(3), s.y(2)};
  p.xa = s.x(3);
  p.xb = t.x(4);
  p.b = d.Larghezza;
  return p;
}

}  // namespace

std::vector<DatiProgetto> ProgettiCampate(const DatiProgetto& d, Messages& msg) {
  if (d.Campate.empty()) return {d};
  std::vector<DatiProgetto> q = Campate(d, msg);
  // The strip load stands where it stands on the first span, from each one's springing.
  for (DatiProgetto& p : q) {
    const auto x0 = static_cast<Single>(p.Isolata->x0);
    p.xq1 = d.xq1 + x0;
    p.xq2 = d.xq2 + x0;
  }
  return q;
}

DatiProgetto ProgettoCampata(const DatiProgetto& d, int k, Messages& msg) {
  return ProgettiCampate(d, msg)[static_cast<std::size_t>(k)];
}

void CostruisciPonte(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  std::vector<ModelloArco> anelli;
  const std::vector<DatiProgetto> progetti = Campate(d, msg, &anelli);

  // The first span gives the model its left abutment, the last its right.
  m = anelli.front();
  const ModelloArco& ultimo = anelli.back();
  m.ConciPareteDestra = ultimo.ConciPareteDestra;
  m.nConciPareteDestra = ultimo.nConciPareteDestra;
  m.hDestra = ultimo.hDestra;
  m.xMaxStruttura = ultimo.xMaxStruttura;
  m.Campate.clear();
  m.Pile.clear();
  m.ResistenzaConci.clear();
  int n = 0;
  for (std::size_t k = 0; k < anelli.size(); ++k) {
    const ModelloArco& a = anelli[k];
    CampataModello c{n + 1, n + a.nConciTot, n + a.iChiave};
    for (int i = 1; i <= a.nConciTot; ++i) {
      Concio& v = m.ConcioI(n + i);
      v = a.Conci(i);
      v.iConcioTot = static_cast<Integer>(n + i);
      m.ResistenzaConci.push_back(ResistenzaConcio(progetti[k], a, i));
    }
    m.Campate.push_back(c);
    n += a.nConciTot;
    m.yEstradossoMax = std::max(m.yEstradossoMax, a.yEstradossoMax);
    m.yIntradossoMin = std::min(m.yIntradossoMin, a.yIntradossoMin);
  }
  m.nConciTot = static_cast<Integer>(n);
  m.nGiunti = addIntegers(m.nConciTot, 1);
  m.yRiempimento = *progetti.front().Isolata->yRiempimento;
  m.ySoletta = d.hSoletta + m.yRiempimento;
  for (std::size_t k = 0; k + 1 < anelli.size(); ++k) {
    const int cs = m.Campate[k].ultimo, cd = m.Campate[k + 1].primo;
    PilaModello p = Pila(d.Campate[k].Pila, d, m, anelli[k], anelli[k + 1], static_cast<int>(k) + 1, cs, cd, msg);
    const double a = m.ResistenzaConci[static_cast<std::size_t>(cs - 1)];
    const double b = m.ResistenzaConci[static_cast<std::size_t>(cd - 1)];
    p.fc = a > 0 && b > 0 ? std::min(a, b) : std::max(a, b);
    m.Pile.push_back(std::move(p));
  }
}

void ForzePile(const DatiProgetto& d, ModelloArco& m) {
  for (std::size_t k = 0; k < m.Pile.size() && k < d.Campate.size(); ++k) ForzaPila(d, m, m.Pile[k], d.Campate[k].Pila);
}

void ForzaPila(const DatiProgetto& d, const ModelloArco& m, PilaModello& p, const DatiPila& dp) {
  auto area = [&](const std::vector<double>& X, const std::vector<double>& Y, double& xG) {
    Poligono q;
    q.Coordinate(X, Y, static_cast<int>(X.size()));
    q.CaratteristicheStatiche();
    xG = q.xG;
    return std::fabs(q.Area);
  };
  double xG = 0;
  const double Fp = dp.PesoUnita * area(p.x, p.y, xG) * p.b;
  const double xP = xG;
  const double Fm = d.PesoMuratura * area(p.xSopra, p.ySopra, xG) * p.b;
  p.FPeso = Fp + Fm;
  p.xFPeso = p.FPeso > 0 ? (Fp * xP + Fm * xG) / p.FPeso : (p.xa + p.xb) / 2;
  // The fill between the two rings' extrados springings, up to the top of fill.
  const double ya = p.ySopra[4], yb = p.ySopra[3];
  const double yR = m.yRiempimento, yS = m.ySoletta;
  const double Fr = d.PesoRiempimento * area({p.xa, p.xb, p.xb, p.xa}, {ya, yb, yR, yR}, xG) * p.b;
  const double xR = xG;
  const double Fs = d.PesoSoletta * area({p.xa, p.xb, p.xb, p.xa}, {yR, yR, yS, yS}, xG) * p.b;
  p.FSoletta = Fs;
  p.FPermSopra = Fr + Fs;
  p.FPermanente = p.FPeso + p.FPermSopra;
  p.xFPermanente = p.FPermanente > 0 ? (p.FPeso * p.xFPeso + Fr * xR + Fs * xG) / p.FPermanente : (p.xa + p.xb) / 2;
  const double xi = std::max<double>(p.xa, d.xq1), xf = std::min<double>(p.xb, d.xq2);
  p.FVariabile = xf > xi ? d.qCarico * (xf - xi) * p.b : 0;
  p.xFVariabile = xf > xi ? (xi + xf) / 2 : 0;
}

}  // namespace voro
