// Model assembly.
#include "arch/CostruisciModello.h"

#include "arch/Ponte.h"

namespace voro {

namespace {

void ImpostaLarghezzaMinima(const DatiProgetto& d, ModelloArco& m) {
  const Single w = d.Larghezza > d.LarghezzaChiave ? d.Larghezza : d.LarghezzaChiave;
  m.LarghezzaMinima = w / 10000;
}

// The partial arches of the model from the segments of the input.
void CaricaVori(const DatiProgetto& d, ModelloArco& m) {
  const int n = d.nVori;
  if (m.Vori.empty()) m.Vori.redim(1, n);
  else m.Vori.redimPreserve(n);
  if (n == 1) return;  // the ring is described by the ring variables
  for (int i = 1; i <= n; ++i) {
    VoroParziale& v = m.Vori(i);
    const DatiVoro in = d.Vori.contains(i) ? d.Vori(i) : DatiVoro{};
    if (i == 1) {
      v.X1 = in.X1;
      v.Y1 = in.Y1;
    }
    v.X2 = in.X2, v.Y2 = in.Y2, v.X3 = in.X3, v.Y3 = in.Y3;
    if (d.Isolata) {
      // A span of a bridge: its segments in its own axes, moved to its place.
      const double x0 = d.Isolata->x0, y0 = d.Isolata->y0;
      if (i == 1) v.X1 += x0, v.Y1 += y0;
      v.X2 += x0, v.Y2 += y0, v.X3 += x0, v.Y3 += y0;
    }
    v.Spessore = in.Spessore;
    v.nConciInput = in.nConciInput;
    v.nConci = in.nConci;
  }
}

void RaccordaVori(ModelloArco& m, Messages& msg) {
  for (int i = 1; i <= m.Vori.size() - 1; ++i) m.Vori(i).Raccorda(m.Vori(i + 1), m, msg);
}

void Assembla(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  // A model that held a bridge holds one ring now.
  m.Campate.clear();
  m.Pile.clear();
  m.ResistenzaConci.clear();
  ImpostaLarghezzaMinima(d, m);
  CaricaVori(d, m);
  const int nVori = d.nVori;
  if (nVori == 1) {
    m.Vori(1).iVoro = 1;
    m.Vori(1).Calcola(d, m, msg);
    m.nConciTot = m.Vori(1).nConci;
  } else {
    for (int i = 2; i <= nVori; ++i) {
      m.Vori(i).X1 = m.Vori(i - 1).X3;
      m.Vori(i).Y1 = m.Vori(i - 1).Y3;
    }
    m.nConciTot = 0;
    for (int i = 1; i <= nVori; ++i) {
      m.Vori(i).iVoro = static_cast<Integer>(i);
      m.Vori(i).Calcola(d, m, msg);
      m.nConciTot = addIntegers(m.nConciTot, m.Vori(i).nConci);
    }
  }

  if (m.Conci.empty()) m.Conci.redim(1, m.nConciTot);
  else m.Conci.redimPreserve(m.nConciTot);
  m.nGiunti = addIntegers(m.nConciTot, 1);

  int offset = 0;
  for (int i = 1; i <= nVori; ++i) {
    m.Vori(i).CreaConci(m, offset);
    offset += m.Vori(i).nConci;
  }

  // At a change of thickness the voussoir on the thicker side takes the
  // fill column up to its neighbour's extrados.
  for (int i = 1; i <= nVori - 1; ++i) {
    const VoroParziale& a = m.Vori(i);
    const VoroParziale& b = m.Vori(i + 1);
    if (a.Spessore > b.Spessore) m.ConcioI(a.iConcio1 + a.nConci - 1).ConcioTransizione = 1;
    else if (a.Spessore < b.Spessore) m.ConcioI(b.iConcio1).ConcioTransizione = 2;
  }

  RaccordaVori(m, msg);

  m.hSinistra = toSingle(m.Conci(1).hSezioneEff);
  m.hDestra = toSingle(m.Conci(m.nConciTot).hSezioneEff);

  // The crown voussoir: the first whose right extrados corner is highest. The
  // fill and slab rest on the highest extrados corner of all, which at a
  // junction with a thicker segment may be a left corner.
  Single yCorona = -1e20f;
  m.yEstradossoMax = -1e20f;
  m.hSezioneChiave = 0;
  m.yIntradossoMin = 1e20f;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    const Single y3 = toSingle(c.y(3));
    const Single y4 = toSingle(c.y(4));
    const Single y1 = toSingle(c.y(1));
    if (y3 > yCorona) {
      yCorona = y3;
      m.iChiave = static_cast<Integer>(i);
      if (c.hSezioneEff > m.hSezioneChiave) m.hSezioneChiave = c.hSezioneEff;
    }
    if (y3 > m.yEstradossoMax) m.yEstradossoMax = y3;
    if (y4 > m.yEstradossoMax) m.yEstradossoMax = y4;
    if (y1 < m.yIntradossoMin) m.yIntradossoMin = y1;
  }
  m.hChiave = toSingle(m.Conci(m.iChiave).hSezioneEff);

  // Widths vary linearly from the outer extrados corners to the crown.
  const double x0 = m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(1).x(4) : m.Conci(1).x(4);
  const double xK = m.Conci(m.iChiave).x(3);
  const double xE = m.nConciPareteDestra > 0 ? m.ConciPareteDestra(m.nConciPareteDestra).x(3)
                                             : m.Conci(m.nConciTot).x(3);
  const double L1 = xK - x0;
  const double L2 = xE - xK;
  for (int i = 1; i <= m.iChiave; ++i) m.Conci(i).CalcolaLargezzeSinistra(d, L1, x0);
  for (int i = m.iChiave + 1; i <= m.nConciTot; ++i) m.Conci(i).CalcolaLargezzeDestra(d, L1, L2, x0);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) m.ConciPareteSinistra(i).CalcolaLargezzeSinistra(d, L1, x0);
  for (int i = 1; i <= m.nConciPareteDestra; ++i) m.ConciPareteDestra(i).CalcolaLargezzeDestra(d, L1, L2, x0);

  m.xMinStruttura = toSingle(m.Vori(1).X1 - d.SporgenzaParete);
  m.xMaxStruttura = toSingle(m.Vori(nVori).X3 + d.SporgenzaParete);
  m.yRiempimento = d.Isolata && d.Isolata->yRiempimento ? *d.Isolata->yRiempimento : d.hRiempimento + m.yEstradossoMax;
  m.ySoletta = d.hSoletta + m.yRiempimento;
}

}  // namespace

void AssemblaCampata(const DatiProgetto& d, ModelloArco& m, Messages& msg) { Assembla(d, m, msg); }

void CostruisciModello(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  try {
    if (!d.Campate.empty()) {
      CostruisciPonte(d, m, msg);
      return;
    }
    Assembla(d, m, msg);
  } catch (const RuntimeError& e) {
    // A refusal of the geometry keeps its own description.
    if (e.number() == err::AssemblyFailed) throw;
    throw RuntimeError(err::AssemblyFailed);
  }
}

std::string MessaggioGeometria(const RuntimeError& e, const Messages& msg) {
  const std::string testo = msg.traduci("Voro", "Error: Check Geometry");
  if (e.description() == errorDescription(e.number())) return testo;
  return testo + "\r" + e.description();
}

}  // namespace voro
