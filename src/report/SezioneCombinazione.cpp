// The governing design case: the case rebuilt from the design project, its
// tables and its drawing.
#include "report/SezioneCombinazione.h"

#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/RuntimeError.h"
#include "data/Traduzioni.h"
#include "limite/StaticaGiunti.h"
#include "report/ProporzioneTavola.h"
#include "report/SezioneValutazione.h"
#include "report/SuperficieVuota.h"

namespace voro {

namespace {

// The strength sentence of the case: the design value the calculation used.
std::string Resistenza(const DatiProgetto& d, const CasoDiProgetto& c, const CoefficientiParziali& k,
                       const NumeriRapporto& num) {
  // One ring of one span: its own value; segments or spans: each its own.
  if (d.nVori <= 1 && d.Campate.empty() && d.ResistenzaAnello > 0)
    return Componi(num.traduci("Rapporto", "the masonry's design strength fd = fc / (γM FC) = %1 / (%2 × %3) = %4 MPa"),
                   {num.dato(d.ResistenzaAnello), num.dato(k.gM), num.dato(k.FC),
                    num.MPa(1000.0 * c.dati.ResistenzaAnello)});
  for (int i = 1; i <= d.Vori.size(); ++i)
    if (d.Vori(i).Resistenza > 0)
      return Componi(num.traduci("Rapporto", "each segment's design strength fd = fc / (γM FC), γM = %1 and FC = %2"),
                     {num.dato(k.gM), num.dato(k.FC)});
  return num.traduci("Rapporto", "unlimited compressive strength");
}

void TabellaAssi(Documento& doc, const RisultatiVeicolo& v, double lambda, const NumeriRapporto& num) {
  auto& t = doc.tabella({{num.traduci("Rapporto", "Axle"), ""},
                         {"x", "m"},
                         {"x1", "m"},
                         {"x2", "m"},
                         {"b_e", "m"},
                         {"γQ P b / b_e", "kN"},
                         {"λ γQ P b / b_e", "kN"}});
  for (std::size_t k = 0; k < v.assiPeggiori.size(); ++k) {
    const ImprontaAsse& a = v.assiPeggiori[k];
    t.righe.push_back({num.intero(static_cast<long>(k + 1)), num.metri(a.x), num.metri(a.x1), num.metri(a.x2),
                       num.metri(a.be), num.kN(a.F), num.kN(lambda * a.F)});
  }
}

// Every voussoir's design loads: G1 (masonry and fill) and G2 (slab) at
// their factors, the design variable load (strip and axles, γQ included) and
// the vertical and horizontal loads at collapse; a total row last.
void TabellaCarichi(Documento& doc, const CasoDiProgetto& c, const LineaSpinte& l, double lambda,
                    const NumeriRapporto& num) {
  const ModelloArco& m = c.modello;
  bool orizzontali = false;
  for (int i = 1; i <= m.nConciTot; ++i) orizzontali = orizzontali || m.Conci(i).FOrizzontale != 0;
  std::vector<Colonna> colonne{{num.traduci("Rapporto", "Voussoir"), ""},
                               {"G1", "kN"},
                               {"G2", "kN"},
                               {"Qd", "kN"},
                               {"λ Qd", "kN"},
                               {num.traduci("Rapporto", "Vertical at collapse"), "kN"}};
  if (orizzontali) colonne.push_back({num.traduci("Rapporto", "Horizontal at collapse"), "kN"});
  auto& t = doc.tabella(colonne);
  double G1 = 0, G2 = 0, Q = 0, O = 0;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& k = m.Conci(i);
    const auto u = static_cast<std::size_t>(i - 1);
    const double g1 = k.FPermanente - k.FSoletta, g2 = k.FSoletta;
    const double q = k.FVariabile + (u < c.veicolo.size() ? c.veicolo[u] : 0);
    const double o = u < l.FPassiva.size() ? l.FPassiva[u] : k.FOrizzontale;
    G1 += g1, G2 += g2, Q += q, O += o;
    std::vector<std::string> r{num.intero(i), num.kN(g1), num.kN(g2), num.kN(q), num.kN(lambda * q),
                               num.kN(g1 + g2 + lambda * q)};
    if (orizzontali) r.push_back(num.kN(o));
    t.righe.push_back(std::move(r));
  }
  std::vector<std::string> r{num.traduci("Rapporto", "Total"), num.kN(G1), num.kN(G2), num.kN(Q), num.kN(lambda * Q),
                             num.kN(G1 + G2 + lambda * Q)};
  if (orizzontali) r.push_back(num.kN(O));
  t.righe.push_back(std::move(r));
}

// Every joint's forces at collapse: its point, N and T, the eccentricity and
// the same force as its horizontal and vertical components, the force the
// part left of the joint passes to the part on its right.
void TabellaGiunti(Documento& doc, const CasoDiProgetto& c, const LineaSpinte& l, const NumeriRapporto& num) {
  const StaticaGiunti st(c.modello);
  auto& t = doc.tabella({{num.traduci("Rapporto", "Joint"), ""},
                         {"x", "m"},
                         {"y", "m"},
                         {"N", "kN"},
                         {"T", "kN"},
                         {"e", "mm"},
                         {"H", "kN"},
                         {"V", "kN"}});
  const auto n = std::min(l.x.size(), st.giunti().size());
  for (std::size_t j = 0; j < n; ++j) {
    const GiuntoLineare& g = st.giunti()[j];
    t.righe.push_back({NomeSezione(c.modello, static_cast<int>(j + 1), num), num.metri(l.x[j]), num.metri(l.y[j]),
                       num.kN(l.N[j]), num.kN(l.T[j]), num.mm(l.e[j]), num.kN(l.N[j] * g.uy + l.T[j] * g.ux),
                       num.kN(-l.N[j] * g.ux + l.T[j] * g.uy)});
  }
}

}  // namespace

std::shared_ptr<const CasoDiProgetto> CasoGovernante(const DatiProgetto& d, const Adeguatezza& a,
                                                     const Regional& lingua) {
  const EsitoCombinazione& g = a.governante();
  if (!g.fattore || !g.governante || g.meccanismo.empty() || g.lineaCollasso.x.empty()) return nullptr;
  const bool veicolo = g.governante->veicolo && g.veicolo && g.veicolo->fattorePeggiore;
  if (g.governante->veicolo && !veicolo) return nullptr;
  auto c = std::make_shared<CasoDiProgetto>();
  c->dati = ProgettoDiCalcolo(d, a.coefficienti, g.combinazione);
  // The strip load where it governed; with the vehicle, where the project puts it.
  if (!veicolo) {
    c->dati.xq1 = static_cast<Single>(g.governante->x1);
    c->dati.xq2 = static_cast<Single>(g.governante->x2);
  }
  RecordingMessages msg;
  try {
    CostruisciModello(c->dati, c->modello, msg);
    CaricaConci(c->dati, c->modello, msg);
  } catch (const RuntimeError&) {
    return nullptr;
  }
  if (veicolo) {
    std::vector<double> Fx;
    CaricoVeicolo(c->dati, c->modello).Ripartisci(g.veicolo->assiPeggiori, c->veicolo, Fx);
    c->veicolo.resize(static_cast<std::size_t>(c->modello.nConciTot));
    c->posizione = PosizionePeggiore(*g.veicolo);
  } else {
    c->posizione.nome = lingua.traduci("Voro", "strip load");
    c->posizione.valutato = true;
    c->posizione.fattore = g.fattore;
    c->posizione.meccanismo = g.meccanismo;
    c->posizione.lineaCollasso = g.lineaCollasso;
  }
  return c;
}

void SezioneCombinazione::Componi(Documento& doc, const NumeriRapporto& num) const {
  if (!caso_) return;
  const EsitoCombinazione& g = a_.governante();
  const CoefficientiParziali& k = a_.coefficienti;
  const auto [g1, g2] = FattoriPermanenti(k, g.combinazione);
  const double lambda = *g.fattore;
  doc.sezione(num.traduci("Rapporto", "Governing design case"));
  doc.paragrafo(voro::Componi(
      num.traduci("Rapporto", "The verdict rests on this case: the combination %1, G1 × %2 (masonry and fill) and G2 × "
                              "%3 (slab), the variable loads × γQ %4, and %5. The arch collapses when the design "
                              "variable loads Qd are multiplied by %6, the adequacy factor. Below, the design loads "
                              "of every voussoir, the collapse mechanism and the forces of every joint at collapse."),
      {NomeCombinazione(g.combinazione), num.dato(g1), num.dato(g2), num.dato(k.gQ),
       Resistenza(d_, *caso_, k, num), num.fattore(lambda)}));
  if (g.veicolo && !caso_->veicolo.empty()) {
    const RisultatiVeicolo& v = *g.veicolo;
    doc.paragrafo(voro::Componi(
        v.veicolo.Simmetrico()
            ? num.traduci("Rapporto", "The vehicle \"%1\" with its first axle at x = %2 m; each axle's design load "
                                      "γQ P b / b_e on the ring over the interval x1 to x2 its spread loads, and "
                                      "at collapse, with the strip load of %3 kN/m² × γQ from x = %4 to %5 m:")
            : num.traduci("Rapporto", "The vehicle \"%1\" with its first axle at x = %2 m, driven %6; each axle's "
                                      "design load γQ P b / b_e on the ring over the interval x1 to x2 its spread "
                                      "loads, and at collapse, with the strip load of %3 kN/m² × γQ from x = %4 "
                                      "to %5 m:"),
        {v.veicolo.Nome, num.metri(v.xPeggiore), num.dato(d_.qCarico), num.metri(d_.xq1), num.metri(d_.xq2),
         v.versoPeggiore == Verso::Avanti ? num.traduci("Rapporto", "forward") : num.traduci("Rapporto", "backward")}));
    TabellaAssi(doc, v, lambda, num);
  } else {
    doc.paragrafo(voro::Componi(num.traduci("Rapporto", "The strip load of %1 kN/m² × γQ from x = %2 to %3 m."),
                                {num.dato(d_.qCarico), num.metri(caso_->dati.xq1), num.metri(caso_->dati.xq2)}));
  }
  doc.paragrafo(num.traduci("Rapporto", "The design loads of every voussoir (kN): G1 and G2 at their factors, Qd the "
                                        "design variable load (strip load and axles, γQ included), λ Qd at "
                                        "collapse; the horizontal loads toward +x."));
  TabellaCarichi(doc, *caso_, g.lineaCollasso, lambda, num);
  doc.paragrafo(num.traduci("Rapporto", "The collapse mechanism of the design case:"));
  TabellaCerniere(doc, caso_->modello, g.meccanismo, num);
  doc.paragrafo(num.traduci("Rapporto", "The forces of every joint at collapse (joint 1 the left springing): the "
                                        "point of the thrust line, the normal force N (compression positive), the "
                                        "force T along the joint, the eccentricity e from the joint's centre "
                                        "(positive toward the extrados), and the same force as H (toward +x) and V "
                                        "(upward), passed by the part left of the joint to the part on its right."));
  TabellaGiunti(doc, *caso_, g.lineaCollasso, num);
}

std::vector<Figura> SezioneCombinazione::Figure(const NumeriRapporto& num) const {
  if (!caso_) return {};
  const Regional regional = num.regional();
  auto piano = [c = caso_, regional](Superficie& s, Messages& msg, double* proporzione) {
    Disegno disegno(msg);
    PlottaVeicolo plot(c->dati, c->modello, c->posizione, regional, disegno);
    const bool ok = plot.PlottaVoro("STAMPANTE", &s);
    if (proporzione) *proporzione = ProporzioneTavola(plot);
    return ok;
  };
  Figura f;
  f.didascalia = num.traduci("Rapporto", "The governing design case: the design variable loads at collapse, the "
                                         "collapse thrust line and its hinges (lengths in m)");
  SuperficieVuota vuota;
  RecordingMessages ignorati;
  piano(vuota, ignorati, &f.proporzione);
  f.disegna = [piano](Superficie& s, Messages& msg) { return piano(s, msg, nullptr); };
  return {f};
}

}  // namespace voro
