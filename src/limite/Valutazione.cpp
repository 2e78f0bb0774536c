// The assessment driver: loads, the three problems under the project's
// loads, the sweep of the strip load and the search of the least thickness.
#include "limite/Valutazione.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "arch/AnelloScalato.h"
#include "arch/CaricaConci.h"
#include "limite/AnalisiLimite.h"

namespace voro {

namespace {

bool fermato(const OpzioniSicurezza& o) { return o.stop && o.stop->load(); }

LineaSpinte Linea(const StaticaGiunti& st, const Reazione& r) { return st.Linea(r.H, r.V, r.M1, r.lambda, r.quote); }

// The hypotheses the figures rest on, as the results state them.
void Ipotesi(const DatiProgetto& d, const ModelloArco& m, const IpotesiMuratura& ip, RisultatiSicurezza& r) {
  r.resistenzaFinita = ip.resistenzaFinita();
  for (int i = 1; i <= m.nConciTot; ++i) {
    const double fc = ResistenzaConcio(d, m, i);
    if (fc > 0 && (!r.resistenzaMinima || fc < *r.resistenzaMinima)) r.resistenzaMinima = fc;
  }
  r.attrito = ip.attrito;
  r.mobilitazione = ip.mobilitazione;
  if (r.resistenzaFinita) r.tolleranzaResistenza = AnalisiLimite::kTolleranzaResistenza;
}

// The figures under the project's loads. The geometric factor is Heyman's:
// the line of least eccentricity of rigid masonry.
void SottoICarichi(const ModelloArco& m, const IpotesiMuratura& ip, RisultatiSicurezza& r, Reazione& avvio) {
  const StaticaGiunti rigida(m);
  const auto em = AnalisiLimite(rigida).LineaMinima(1);
  if (em) {
    r.rapportoSpessore = em->s;
    if (em->s > 0) r.fattoreGeometrico = 1 / em->s;
    r.spintaIllimitataMinima = em->spintaIllimitata;
    r.lineaMinima = Linea(rigida, em->reazione);
    r.contatti = em->contatti;
  }
  const StaticaGiunti st(m, ip.mobilitazione);
  const AnalisiLimite al(st, ip);
  r.nGiunti = st.nGiunti();
  // Whether a line fits under the stated hypotheses.
  const auto entro = ip.rigide() ? em : al.LineaMinima(1);
  r.ammissibile = entro && entro->s <= 1;
  if (entro) avvio = entro->reazione;
  if (r.ammissibile) {
    if (const auto c = al.Campo(entro->reazione)) {
      r.spintaMinima = c->minima.H;
      r.lineaSpintaMinima = Linea(st, c->minima);
      if (!c->massimaIllimitata) {
        r.spintaMassima = c->massima.H;
        r.lineaSpintaMassima = Linea(st, c->massima);
      }
      r.spintaMassimaIllimitata = c->massimaIllimitata;
    }
  }
  const MoltiplicatoreCarico mc = al.Moltiplicatore(avvio);
  r.esitoCarico = mc.esito;
  if (mc.esito == EsitoCarico::Finito) {
    r.fattoreCarico = mc.lambda;
    r.meccanismo = mc.meccanismo;
    for (const Cerniera& c : mc.meccanismo) {
      if (c.tipo == TipoCerniera::Schiacciamento) r.giuntiSchiacciati.push_back(c.giunto);
      if (c.tipo == TipoCerniera::Scorrimento) r.giuntiScorrevoli.push_back(c.giunto);
    }
    r.lineaCollasso = Linea(st, mc.reazione);
    avvio = mc.reazione;
  }
}

// The strip load of the project's intensity and length at N evenly spaced
// positions from the left end of the structure to its right end.
bool Spostamento(const DatiProgetto& d, ModelloArco& m, Messages& msg, const OpzioniSicurezza& o,
                 const IpotesiMuratura& ip, RisultatiSicurezza& r, Reazione avvio) {
  const double xMin = m.xMinStruttura, xMax = m.xMaxStruttura;
  const double Lq = static_cast<double>(d.xq2) - d.xq1;
  r.lunghezzaCarico = Lq > 0 ? Lq : 0;
  if (d.qCarico == 0 || !(Lq > 0) || o.nPosizioni <= 0) return true;
  const int n = Lq >= xMax - xMin ? 1 : o.nPosizioni;
  RecordingMessages msgPosizioni;
  DatiProgetto p = d;
  for (int k = 0; k < n; ++k) {
    if (fermato(o)) return false;
    if (n == 1 && Lq >= xMax - xMin) {
      p.xq1 = d.xq1;
      p.xq2 = d.xq2;
    } else if (k == n - 1 && n > 1) {
      p.xq2 = toSingle(xMax);
      p.xq1 = toSingle(xMax - Lq);
    } else {
      p.xq1 = toSingle(xMin + (xMax - Lq - xMin) * k / std::max(n - 1, 1));
      p.xq2 = toSingle(p.xq1 + Lq);
    }
    for (int i = 1; i <= m.nConciTot; ++i) m.ConcioI(i).ForzaConcio(p, m, msgPosizioni);
    const StaticaGiunti st(m, ip.mobilitazione);
    const MoltiplicatoreCarico mc = AnalisiLimite(st, ip).Moltiplicatore(avvio);
    PosizioneCarico pos{p.xq1, p.xq2, std::nullopt};
    if (mc.esito == EsitoCarico::Finito) {
      pos.fattore = mc.lambda;
      avvio = mc.reazione;
      if (!r.fattorePeggiore || mc.lambda < *r.fattorePeggiore) {
        r.fattorePeggiore = mc.lambda;
        r.xq1Peggiore = p.xq1;
        r.xq2Peggiore = p.xq2;
        r.meccanismoPeggiore = mc.meccanismo;
        r.lineaCollassoPeggiore = st.Linea(mc.reazione.H, mc.reazione.V, mc.reazione.M1, mc.lambda);
      }
    }
    r.posizioni.push_back(pos);
    if (o.avanzamento) o.avanzamento(k + 1, n + (o.spessoreMinimo ? 1 : 0));
  }
  // Every distinct message once, then the voussoirs loaded as the project loads them.
  std::set<std::string> visti;
  for (const auto& e : msgPosizioni.entries())
    if (visti.insert(e.text).second) msg.show(e.kind, e.text, e.title);
  for (int i = 1; i <= m.nConciTot; ++i) m.ConcioI(i).ForzaConcio(d, m, msg);
  return true;
}

// The project with every segment's thickness scaled by f, assembled and
// loaded afresh under the project's road, slab and loads: its thrust line of
// least eccentricity; none when the geometry cannot be built or no line keeps
// the joints in compression.
struct Prova {
  double f = 0;
  double spessore = 0;  // the thinnest segment
  std::optional<EccentricitaMinima> em;
  bool entro() const { return em && em->s <= 1; }
};

Prova ProvaSpessore(const DatiProgetto& d, const ModelloArco& progetto, double f) {
  Prova p;
  p.f = f;
  DatiProgetto q = d;
  RecordingMessages msg;
  try {
    p.spessore = ScalaSpessore(d, f, q);
    ModelloArco m;
    CostruisciConStrada(q, progetto, m, msg);
    CaricaConci(q, m, msg);
    // The line must fit the domain the masonry's strength leaves.
    const IpotesiMuratura ip = IpotesiProgetto(q, m);
    const StaticaGiunti st(m, ip.mobilitazione);
    p.em = AnalisiLimite(st, ip).LineaMinima(1);
  } catch (const RuntimeError&) {
    p.em.reset();
  }
  return p;
}

// The least f: a bracket from the project's own s (the thrust line needs s
// times the depth, so about s times the thickness), then regula falsi in
// the Illinois form on s(f) - 1, falling back to halving where s is missing.
void SpessoreMinimo(const DatiProgetto& d, const ModelloArco& progetto, const RisultatiSicurezza& sotto,
                    RisultatiSicurezza& r) {
  constexpr double fMin = 1e-3, fMax = 1e3;
  r.spessoreMinimoCalcolato = true;
  Prova lo, hi;
  const Prova uno = ProvaSpessore(d, progetto, 1);
  double f = sotto.rapportoSpessore && *sotto.rapportoSpessore > 0 ? *sotto.rapportoSpessore : 0.5;
  f = std::clamp(f, fMin, fMax);
  if (uno.entro()) {
    hi = uno;
    for (Prova p = ProvaSpessore(d, progetto, std::min(f, 0.999));; p = ProvaSpessore(d, progetto, p.f / 2)) {
      if (!p.entro()) {
        lo = p;
        break;
      }
      hi = p;
      if (p.f / 2 < fMin) return;
    }
  } else {
    lo = uno;
    for (Prova p = ProvaSpessore(d, progetto, std::max(f, 1.001));; p = ProvaSpessore(d, progetto, p.f * 1.5)) {
      if (p.entro()) {
        hi = p;
        break;
      }
      lo = p;
      if (p.f * 1.5 > fMax) return;
    }
  }
  int lato = 0;  // which end the last two steps kept
  double gLo = lo.em ? lo.em->s - 1 : 1, gHi = hi.em->s - 1;
  for (int iter = 0; iter < 100 && hi.f - lo.f > 1e-7 * hi.f; ++iter) {
    double fN = (lo.f + hi.f) / 2;
    if (lo.em && gLo > gHi) {
      const double secante = lo.f + gLo * (hi.f - lo.f) / (gLo - gHi);
      if (secante > lo.f && secante < hi.f) fN = secante;
    }
    const Prova p = ProvaSpessore(d, progetto, fN);
    if (p.entro()) {
      hi = p;
      gHi = p.em->s - 1;
      if (lato == 1) gLo /= 2;
      lato = 1;
    } else {
      lo = p;
      gLo = p.em ? p.em->s - 1 : 1;
      if (lato == -1) gHi /= 2;
      lato = -1;
    }
  }
  r.fattoreMinimo = hi.f;
  r.fattoreSpessore = 1 / hi.f;
  r.spessoreMinimo = hi.spessore;
  r.contattiSpessoreMinimo = hi.em->contatti;
}

}  // namespace

bool ValutaSicurezza(DatiProgetto& d, ModelloArco& m, Messages& msg, const OpzioniSicurezza& opzioni,
                     RisultatiSicurezza& r) {
  r = RisultatiSicurezza{};
  try {
    CaricaConci(d, m, msg);
    const IpotesiMuratura ip = IpotesiProgetto(d, m);
    Ipotesi(d, m, ip, r);
    Reazione avvio;
    SottoICarichi(m, ip, r, avvio);
    if (!Spostamento(d, m, msg, opzioni, ip, r, avvio)) return false;
    if (opzioni.spessoreMinimo) {
      if (fermato(opzioni)) return false;
      SpessoreMinimo(d, m, r, r);
      if (opzioni.avanzamento) {
        const int n = static_cast<int>(r.posizioni.size()) + 1;
        opzioni.avanzamento(n, n);
      }
    }
  } catch (const RuntimeError& e) {
    msg.plain(Componi(msg.traduci("Voro", "Error: %1 in ValutaSicurezza"), {msg.traduci("Voro", e.description().c_str())}));
    throw RuntimeError(err::CalculationFailed);
  }
  return true;
}

}  // namespace voro
