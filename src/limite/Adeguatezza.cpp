// Design values on a copy of the project, the assessment of each
// combination and the one that governs.
#include "limite/Adeguatezza.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/TrafficoFerroviario.h"
#include "limite/PercorsoVeicolo.h"

namespace voro {

namespace {

// The least live-load factor of the assessment and where its load stands:
// the project's own strip or the worst position of the sweep.
void Governante(const DatiProgetto& p, const RisultatiSicurezza& r, EsitoCombinazione& e) {
  e.esito = r.esitoCarico;
  if (r.esitoCarico == EsitoCarico::Finito) {
    e.fattore = r.fattoreCarico;
    e.meccanismo = r.meccanismo;
    e.governante = CaricoGovernante{"strip load", p.xq1, p.xq2, false, "", true};
    e.lineaCollasso = r.lineaCollasso;
  }
  if (r.fattorePeggiore && (!e.fattore || *r.fattorePeggiore < *e.fattore)) {
    e.fattore = r.fattorePeggiore;
    e.esito = EsitoCarico::Finito;
    e.governante = CaricoGovernante{"strip load", *r.xq1Peggiore, *r.xq2Peggiore, false, "", true};
    e.meccanismo = r.meccanismoPeggiore;
    e.lineaCollasso = r.lineaCollassoPeggiore;
  }
}

// The vehicle governs where its least factor (with the strip load) is the
// smaller.
void GovernaVeicolo(const RisultatiVeicolo& v, EsitoCombinazione& e) {
  e.veicolo = v;
  if (!v.fattorePeggiore || (e.fattore && *e.fattore <= *v.fattorePeggiore)) return;
  e.fattore = v.fattorePeggiore;
  e.esito = EsitoCarico::Finito;
  double x1 = v.xPeggiore, x2 = v.xPeggiore;
  for (const ImprontaAsse& a : v.assiPeggiori) x1 = std::min(x1, a.x), x2 = std::max(x2, a.x);
  const bool simmetrico = v.veicolo.Simmetrico();
  e.governante = CaricoGovernante{
      "vehicle \"" + v.veicolo.Nome + "\"" + (simmetrico ? "" : std::string(" driven ") + TestoVerso(v.versoPeggiore)),
      x1, x2, true, v.veicolo.Nome, v.versoPeggiore == Verso::Avanti, simmetrico};
  e.meccanismo = v.meccanismo;
  e.lineaCollasso = v.lineaCollasso;
}

bool Adeguata(const EsitoCombinazione& e, const RisultatiSicurezza& r) {
  switch (e.esito) {
    case EsitoCarico::Finito: return *e.fattore >= 1;
    case EsitoCarico::Illimitato: return true;
    case EsitoCarico::NessunCarico: return r.ammissibile;
    case EsitoCarico::Impossibile: return false;
    case EsitoCarico::NonCertificato: return false;
  }
  return false;
}

// Whether every figure the verdict rests on has its certificate.
bool Certificata(const RisultatiSicurezza& r, const RisultatiVeicolo* v) {
  if (r.esitoCarico == EsitoCarico::NonCertificato || r.posizioniNonCertificate > 0) return false;
  if (!r.certificatoAmmissibile.valido()) return false;
  return !v || v->posizioniNonCertificate == 0;
}

// Orders the combinations: one not adequate before one adequate, then the
// smaller factor (none counts as unlimited).
bool Prima(const EsitoCombinazione& a, const EsitoCombinazione& b) {
  if (a.adeguata != b.adeguata) return !a.adeguata;
  const double inf = std::numeric_limits<double>::infinity();
  return a.fattore.value_or(inf) < b.fattore.value_or(inf);
}

}  // namespace

std::string NomeCombinazione(Combinazione c) {
  switch (c) {
    case Combinazione::Inf: return "inf";
    case Combinazione::Sup: return "sup";
    case Combinazione::G1SupG2Inf: return "G1 sup, G2 inf";
    case Combinazione::G1InfG2Sup: return "G1 inf, G2 sup";
  }
  return "inf";
}

std::pair<Single, Single> FattoriPermanenti(const CoefficientiParziali& c, Combinazione k) {
  const bool g1 = k == Combinazione::Sup || k == Combinazione::G1SupG2Inf;
  const bool g2 = k == Combinazione::Sup || k == Combinazione::G1InfG2Sup;
  return {g1 ? c.gG1sup : c.gG1inf, g2 ? c.gG2sup : c.gG2inf};
}

std::string TestoCarico(const CaricoGovernante& c, const Regional& lingua) {
  if (!c.veicolo) return lingua.traduci("Voro", "strip load");
  if (c.simmetrico) return Componi(lingua.traduci("Voro", "vehicle \"%1\""), {c.nomeVeicolo});
  return Componi(c.avanti ? lingua.traduci("Voro", "vehicle \"%1\" driven forward")
                          : lingua.traduci("Voro", "vehicle \"%1\" driven backward"),
                 {c.nomeVeicolo});
}

DatiProgetto ProgettoDiCalcolo(const DatiProgetto& d, const CoefficientiParziali& c, Combinazione k) {
  DatiProgetto p = d;
  const auto [g1, g2] = FattoriPermanenti(c, k);
  p.PesoMuratura = d.PesoMuratura * g1;
  p.PesoRiempimento = d.PesoRiempimento * g1;
  p.PesoSoletta = d.PesoSoletta * g2;
  p.qCarico = d.qCarico * c.gQ;
  // A road vehicle's axles at gQ as the strip load; a rail vehicle's at rail
  // traffic's own gQf times its classification factor and dynamic factor.
  const double veicolo = FattoreVeicolo(d, c);
  if (p.VeicoloCarico)
    for (AsseVeicolo& a : p.VeicoloCarico->Assi) a.P = static_cast<Single>(a.P * veicolo);
  // The design friction mu / gMu: a rougher joint is never assumed.
  if (p.Attrito) p.Attrito = *d.Attrito / c.gMu;
  // The soil's bound from the characteristic loads, over gR.
  p.SpintaCaratteristica = SpintaCaratteristica{d.PesoRiempimento, d.PesoSoletta, d.qCarico, c.gR};
  const Single riduzione = c.gM * c.FC;
  p.ResistenzaAnello = d.ResistenzaAnello / riduzione;
  for (int i = 1; i <= p.Vori.size(); ++i) p.Vori(i).Resistenza = d.Vori(i).Resistenza / riduzione;
  // A bridge's piers are structural masonry; its further spans' rings as the first's.
  for (DatiCampata& cc : p.Campate) {
    cc.Pila.PesoUnita *= g1;
    cc.ResistenzaAnello /= riduzione;
    for (int i = 1; i <= cc.Vori.size(); ++i) cc.Vori(i).Resistenza /= riduzione;
  }
  return p;
}

bool ValutaAdeguatezza(const DatiProgetto& d, const OpzioniSicurezza& o, Adeguatezza& a,
                       const RisultatiSicurezza* proprie, const RisultatiVeicolo* veicoloProprio) {
  // The project's own assessment shows the geometry's messages; these design
  // projects would only repeat them.
  RecordingMessages msg;
  a = Adeguatezza{};
  a.coefficienti = d.Normativa.coefficienti;
  a.mancanze = Mancanze(d);
  if (!a.verdetto()) return true;
  const CoefficientiParziali& c = a.coefficienti;
  OpzioniSicurezza opzioni = o;
  opzioni.spessoreMinimo = false;
  opzioni.avanzamento = nullptr;
  for (std::size_t i = 0; i < kCombinazioni.size(); ++i) {
    const Combinazione k = kCombinazioni[i];
    EsitoCombinazione& e = a.combinazioni[i];
    const auto [g1, g2] = FattoriPermanenti(c, k);
    // Equal factors make one design project: assessed once.
    std::size_t uguale = 0;
    while (uguale < i && FattoriPermanenti(c, kCombinazioni[uguale]) != std::pair{g1, g2}) ++uguale;
    if (uguale < i) {
      e = a.combinazioni[uguale];
      e.combinazione = k;
      continue;
    }
    e.combinazione = k;
    DatiProgetto p = ProgettoDiCalcolo(d, c, k);
    // Unit factors leave the project as it is: its own figures serve.
    const bool comeProgetto = g1 == 1 && g2 == 1 && c.gQ == 1 && FattoreVeicolo(d, c) == 1 && c.gM * c.FC == 1 &&
                              c.gMu == 1 && c.gR == 1;
    ModelloArco m;
    CostruisciModello(p, m, msg);
    if (comeProgetto && proprie) {
      e.risultati = *proprie;
      e.risultati.spessoreMinimo = e.risultati.fattoreSpessore = e.risultati.fattoreMinimo = std::nullopt;
      e.risultati.contattiSpessoreMinimo.clear();
      e.risultati.spessoreMinimoCalcolato = false;
    } else if (!ValutaSicurezza(p, m, msg, opzioni, e.risultati)) {
      return false;
    }
    Governante(p, e.risultati, e);
    e.certificata = Certificata(e.risultati, nullptr);
    if (p.VeicoloCarico) {
      if (comeProgetto && veicoloProprio) {
        GovernaVeicolo(*veicoloProprio, e);
        e.certificata = e.certificata && Certificata(e.risultati, veicoloProprio);
      } else {
        DatiProgetto caricato = p;
        CaricaConci(caricato, m, msg);
        RisultatiVeicolo v;
        if (!PercorriVeicolo(caricato, m, opzioni.passoVeicolo, opzioni.stop, v)) return false;
        GovernaVeicolo(v, e);
        e.certificata = e.certificata && Certificata(e.risultati, &v);
      }
    }
    e.adeguata = Adeguata(e, e.risultati);
  }
  a.governa = 0;
  for (std::size_t i = 1; i < a.combinazioni.size(); ++i)
    if (Prima(a.combinazioni[i], a.combinazioni[static_cast<std::size_t>(a.governa)])) a.governa = static_cast<int>(i);
  return true;
}

}  // namespace voro
