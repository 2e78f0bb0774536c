// The assessment driver: loads, the three problems under the project's
// loads, the sweep of the strip load and the search of the least thickness.
#include "limite/Valutazione.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "arch/AnelloScalato.h"
#include "arch/CaricaConci.h"
#include "limite/AnalisiLimite.h"
#include "numerics/SezioneAurea.h"

namespace voro {

namespace {

// The refinement of the strip's least factor stops when its bracket is this narrow (m).
constexpr double kTolleranzaPosizione = 1e-4;

bool fermato(const OpzioniSicurezza& o) { return o.stop && o.stop->load(); }

LineaSpinte Linea(const StaticaGiunti& st, const Reazione& r) { return st.Linea(r); }

std::vector<PostoGiunto> Posti(const StaticaGiunti& st) {
  std::vector<PostoGiunto> posti;
  const auto& primi = st.primiGiunti();
  for (std::size_t j = 0; j < st.giunti().size(); ++j) {
    const GiuntoLineare& g = st.giunti()[j];
    PostoGiunto p{g.campata + 1, static_cast<int>(j) - primi[static_cast<std::size_t>(g.campata)] + 1, 0, g.h};
    if (g.pila >= 0) p = {0, 0, g.pila + 1, g.h};
    posti.push_back(p);
  }
  return posti;
}

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
// the line of least eccentricity of rigid masonry. A figure whose programs
// no solver certifies is left out, its certificate saying so; the others go on.
void SottoICarichi(const ModelloArco& m, const IpotesiMuratura& ip, SceltaSolutori solutori, RisultatiSicurezza& r,
                   Reazione& avvio) {
  const StaticaGiunti rigida(m);
  std::optional<EccentricitaMinima> em;
  try {
    em = AnalisiLimite(rigida, {}, solutori).LineaMinima(1);
    r.certificatoGeometrico = em ? em->certificato : Certificato{true, true};
    if (em && !em->certificato.valido()) em.reset();
  } catch (const NonCertificato&) {
    r.certificatoGeometrico = Certificato{};
  }
  if (em) {
    r.rapportoSpessore = em->s;
    if (em->s > 0) r.fattoreGeometrico = 1 / em->s;
    r.spintaIllimitataMinima = em->spintaIllimitata;
    r.lineaMinima = Linea(rigida, em->reazione);
    r.contatti = em->contatti;
  }
  const StaticaGiunti st(m, ip.mobilitazione);
  const AnalisiLimite al(st, ip, solutori);
  r.nGiunti = st.nGiunti();
  r.nCampate = st.nCampate();
  r.posti = Posti(st);
  if (em)
    for (std::size_t j = 0; j < rigida.giunti().size(); ++j)
      if (const GiuntoLineare& g = rigida.giunti()[j]; g.pila >= 0) {
        const Forze f = ForzeGiunto(g, em->reazione);
        r.basiPile.push_back({g.pila + 1, f.N, f.T, f.M});
      }
  // Whether a line fits under the stated hypotheses: a line that stands, or
  // the multipliers' proof that none does; each alone is the certificate.
  std::optional<Reazione> dentro;
  try {
    // Masonry so strong that its chords are the rigid edge counts as rigid.
    if (al.ipotesi().rigide()) {
      r.certificatoAmmissibile = r.certificatoGeometrico;
      if (em && em->s <= 1) dentro = em->reazione;
      if (em) avvio = em->reazione;
    } else {
      const Margine mg = al.MargineMinimo(1);
      r.certificatoAmmissibile = mg.certificato;
      r.certificatoAmmissibile.statico = r.certificatoAmmissibile.cinematico = mg.sta || mg.nonSta;
      if (mg.sta) dentro = mg.reazione;
      avvio = mg.reazione;
    }
  } catch (const NonCertificato&) {
    r.certificatoAmmissibile = Certificato{};
  }
  r.ammissibile = dentro && r.certificatoAmmissibile.valido();
  if (r.ammissibile) {
    try {
      const auto c = al.Campo(*dentro);
      if (c) r.certificatoCampo = c->certificato;
      if (c && c->certificato.valido()) {
        r.spintaMinima = c->minima.H;
        r.lineaSpintaMinima = Linea(st, c->minima);
        if (!c->massimaIllimitata) {
          r.spintaMassima = c->massima.H;
          r.lineaSpintaMassima = Linea(st, c->massima);
        }
        r.spintaMassimaIllimitata = c->massimaIllimitata;
      }
      // Each further span's own range, on the line that fits.
      for (int k = 1; k < st.nCampate() && c && c->certificato.valido(); ++k) {
        const auto ck = al.Campo(*dentro, k);
        CampoCampata cc{k + 1, {}, {}};
        if (ck && ck->certificato.valido()) {
          cc.minima = ck->minima.campata(k).H;
          if (!ck->massimaIllimitata) cc.massima = ck->massima.campata(k).H;
        }
        r.campiCampate.push_back(cc);
      }
      if (c && c->certificato.valido() && st.nCampate() > 1)
        r.campiCampate.insert(r.campiCampate.begin(), CampoCampata{1, r.spintaMinima, r.spintaMassima});
    } catch (const NonCertificato&) {
      r.certificatoCampo = Certificato{};
    }
  }
  const MoltiplicatoreCarico mc = al.Moltiplicatore(avvio);
  r.esitoCarico = mc.esito;
  r.certificatoCarico = mc.certificato;
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

// The largest multiplier with the strip load between xq1 and xq1 + Lq; its
// answer is NonCertificato where no solver certified one.
struct StrisciaCarico {
  ModelloArco& m;
  const IpotesiMuratura& ip;
  SceltaSolutori solutori;
  RecordingMessages msg;
  DatiProgetto p;
  Reazione avvio;

  MoltiplicatoreCarico Valuta(Single xq1, Single xq2) {
    p.xq1 = xq1;
    p.xq2 = xq2;
    CaricaBlocchi(p, m, msg);
    const StaticaGiunti st(m, ip.mobilitazione);
    const MoltiplicatoreCarico mc = AnalisiLimite(st, ip, solutori).Moltiplicatore(avvio);
    if (mc.esito == EsitoCarico::Finito) {
      avvio = mc.reazione;
      linea = st.Linea(mc.reazione);
    }
    return mc;
  }
  LineaSpinte linea;  // the collapse line of the last position with a factor
};

// The strip load of the project's intensity and length at N evenly spaced
// positions from the left end of the structure to its right end; the least
// factor then refined between its neighbouring positions by golden section.
bool Spostamento(const DatiProgetto& d, ModelloArco& m, Messages& msg, const OpzioniSicurezza& o,
                 const IpotesiMuratura& ip, RisultatiSicurezza& r, Reazione avvio) {
  const double xMin = m.xMinStruttura, xMax = m.xMaxStruttura;
  const double Lq = static_cast<double>(d.xq2) - d.xq1;
  r.lunghezzaCarico = Lq > 0 ? Lq : 0;
  if (d.qCarico == 0 || !(Lq > 0) || o.nPosizioni <= 0) return true;
  const int n = Lq >= xMax - xMin ? 1 : o.nPosizioni;
  StrisciaCarico striscia{m, ip, o.solutori, {}, d, avvio, {}};
  auto peggiore = [&](const MoltiplicatoreCarico& mc, Single xq1, Single xq2) {
    if (mc.esito != EsitoCarico::Finito || (r.fattorePeggiore && mc.lambda >= *r.fattorePeggiore)) return;
    r.fattorePeggiore = mc.lambda;
    r.xq1Peggiore = xq1;
    r.xq2Peggiore = xq2;
    r.meccanismoPeggiore = mc.meccanismo;
    r.lineaCollassoPeggiore = striscia.linea;
    r.certificatoPeggiore = mc.certificato;
  };
  std::size_t iPeggiore = 0;
  for (int k = 0; k < n; ++k) {
    if (fermato(o)) return false;
    Single xq1 = d.xq1, xq2 = d.xq2;
    if (k == n - 1 && n > 1) {
      xq2 = toSingle(xMax);
      xq1 = toSingle(xMax - Lq);
    } else if (n > 1) {
      xq1 = toSingle(xMin + (xMax - Lq - xMin) * k / std::max(n - 1, 1));
      xq2 = toSingle(xq1 + Lq);
    }
    const MoltiplicatoreCarico mc = striscia.Valuta(xq1, xq2);
    PosizioneCarico pos{xq1, xq2, std::nullopt};
    if (mc.esito == EsitoCarico::Finito) {
      pos.fattore = mc.lambda;
      if (!r.fattorePeggiore || mc.lambda < *r.fattorePeggiore) iPeggiore = r.posizioni.size();
      peggiore(mc, xq1, xq2);
    }
    pos.certificata = mc.esito != EsitoCarico::NonCertificato;
    if (!pos.certificata) ++r.posizioniNonCertificate;
    r.posizioni.push_back(pos);
    if (o.avanzamento) o.avanzamento(k + 1, n + (o.spessoreMinimo ? 1 : 0));
  }
  // Golden section between the least position's neighbours: the least met
  // anywhere is kept, so the refined factor is never above a sampled one. A
  // trial between the positions that no solver certifies is passed over, as
  // any position between them is.
  if (r.fattorePeggiore && n > 2) {
    const double a = r.posizioni[iPeggiore > 0 ? iPeggiore - 1 : 0].xq1;
    const double b = r.posizioni[std::min(iPeggiore + 1, r.posizioni.size() - 1)].xq1;
    auto prova = [&](double x) {
      const Single x1 = toSingle(x);
      const MoltiplicatoreCarico mc = striscia.Valuta(x1, toSingle(x1 + Lq));
      peggiore(mc, x1, toSingle(x1 + Lq));
      return mc.esito == EsitoCarico::Finito ? mc.lambda : std::numeric_limits<double>::infinity();
    };
    if (!SezioneAurea(a, b, kTolleranzaPosizione, prova, [&] { return !fermato(o); })) return false;
  }
  // At no position can the strip alone make the ring collapse: each
  // position's answer proves it.
  if (!r.fattorePeggiore) r.certificatoPeggiore.statico = r.certificatoPeggiore.cinematico = true;
  // The least is proven only where no position went uncertified.
  if (r.posizioniNonCertificate > 0) {
    r.certificatoPeggiore.cinematico = r.certificatoPeggiore.statico = false;
    r.fattorePeggiore.reset();
    r.xq1Peggiore.reset();
    r.xq2Peggiore.reset();
    r.meccanismoPeggiore.clear();
    r.lineaCollassoPeggiore = LineaSpinte{};
  }
  // Every distinct message once, then the voussoirs loaded as the project loads them.
  std::set<std::string> visti;
  for (const auto& e : striscia.msg.entries())
    if (visti.insert(e.text).second) msg.show(e.kind, e.text, e.title);
  CaricaBlocchi(d, m, msg);
  return true;
}

// The project with every segment's thickness scaled by f, assembled and
// loaded afresh under the project's road, slab and loads: how far its best
// line is from fitting; none when the geometry cannot be built.
struct Prova {
  double f = 0;
  double spessore = 0;  // the thinnest segment
  std::optional<Margine> margine;
  bool sta() const { return margine && margine->sta; }
  // Where no ring can be built, as if far from standing.
  double z() const { return margine ? margine->z : 1; }
};

Prova ProvaSpessore(const DatiProgetto& d, const ModelloArco& progetto, double f, SceltaSolutori solutori) {
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
    p.margine = AnalisiLimite(st, ip, solutori).MargineMinimo(1);
  } catch (const RuntimeError&) {
    p.margine.reset();
  } catch (const NonCertificato&) {
    // Neither standing nor proven not to: the search brackets on, and the
    // figure is certified only by trials that are.
    p.margine.reset();
  }
  return p;
}

// The least f: a bracket from the project's own s (the thrust line needs s
// times the depth, so about s times the thickness), then regula falsi in
// the Illinois form on the margin z(f), which changes sign where a line
// first fits.
void SpessoreMinimo(const DatiProgetto& d, const ModelloArco& progetto, const RisultatiSicurezza& sotto,
                    SceltaSolutori solutori, RisultatiSicurezza& r) {
  constexpr double fMin = 1e-3, fMax = 1e3;
  r.spessoreMinimoCalcolato = true;
  // The largest factor a trial proved no line fits at.
  double fuori = 0;
  auto prova = [&](double f) {
    Prova p = ProvaSpessore(d, progetto, f, solutori);
    if (p.margine && p.margine->nonSta && !p.sta()) fuori = std::max(fuori, p.f);
    return p;
  };
  Prova lo, hi;
  const Prova uno = prova(1);
  double f = sotto.rapportoSpessore && *sotto.rapportoSpessore > 0 ? *sotto.rapportoSpessore : 0.5;
  f = std::clamp(f, fMin, fMax);
  if (uno.sta()) {
    hi = uno;
    for (Prova p = prova(std::min(f, 0.999));; p = prova(p.f / 2)) {
      if (!p.sta()) {
        lo = p;
        break;
      }
      hi = p;
      if (p.f / 2 < fMin) return;
    }
  } else {
    lo = uno;
    for (Prova p = prova(std::max(f, 1.001));; p = prova(p.f * 1.5)) {
      if (p.sta()) {
        hi = p;
        break;
      }
      lo = p;
      if (p.f * 1.5 > fMax) return;
    }
  }
  int lato = 0;  // which end the last two steps kept
  double gLo = lo.z(), gHi = hi.z();
  for (int iter = 0; iter < 100 && hi.f - lo.f > 1e-7 * hi.f; ++iter) {
    double fN = (lo.f + hi.f) / 2;
    if (gLo > gHi) {
      const double secante = lo.f + gLo * (hi.f - lo.f) / (gLo - gHi);
      if (secante > lo.f && secante < hi.f) fN = secante;
    }
    const Prova p = prova(fN);
    if (p.sta()) {
      hi = p;
      gHi = p.z();
      if (lato == 1) gLo /= 2;
      lato = 1;
    } else {
      lo = p;
      gLo = p.z();
      if (lato == -1) gHi /= 2;
      lato = -1;
    }
  }
  r.fattoreMinimo = hi.f;
  r.fattoreSpessore = 1 / hi.f;
  r.spessoreMinimo = hi.spessore;
  r.contattiSpessoreMinimo = hi.margine->contatti;
  // A line stands at hi; just below, the multipliers prove none does. With
  // finite strength, chords and tangents part near the limit: the proof is
  // sought a tolerance below.
  Certificato& c = r.certificatoSpessore;
  c.statico = hi.sta();
  c.tolleranza = std::max(1e-6, hi.margine->certificato.tolleranza);
  for (const double k : {0.5, 0.99})
    if (hi.f - fuori > c.tolleranza / 2 * hi.f) prova(hi.f * (1 - k * c.tolleranza));
  c.cinematico = fuori > 0;
  c.scarto = (hi.f - fuori) / hi.f;
  for (const Prova* p : {&lo, &hi})
    if (p->margine && p->margine->certificato.solutore == Solutore::Clp) c.solutore = Solutore::Clp;
  // Thicker rings stand and thinner ones do not, a little and well away.
  for (const double k : {1.01, 1.25}) {
    if (!prova(hi.f * k).sta()) r.spessoreMonotono = false;
    if (prova(lo.f / k).sta()) r.spessoreMonotono = false;
  }
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
    SottoICarichi(m, ip, opzioni.solutori, r, avvio);
    if (!Spostamento(d, m, msg, opzioni, ip, r, avvio)) return false;
    if (opzioni.spessoreMinimo) {
      if (fermato(opzioni)) return false;
      try {
        SpessoreMinimo(d, m, r, opzioni.solutori, r);
      } catch (const NonCertificato&) {
        r.fattoreMinimo.reset();
        r.fattoreSpessore.reset();
        r.spessoreMinimo.reset();
        r.contattiSpessoreMinimo.clear();
        r.certificatoSpessore = Certificato{};
        r.spessoreNonCertificato = true;
      }
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
