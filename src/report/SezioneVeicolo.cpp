// The vehicle section of the report and its two drawings.
#include "report/SezioneVeicolo.h"

#include "data/Traduzioni.h"
#include "drawing/GraficoVeicolo.h"
#include "report/ProporzioneTavola.h"
#include "report/SezioneValutazione.h"
#include "report/SuperficieVuota.h"

namespace voro {

namespace {

// Where the spread rule comes from.
std::string FonteDiffusione(RegolaDiffusione r, const NumeriRapporto& num) {
  switch (r) {
    case RegolaDiffusione::UnoDue:
      return num.traduci("Rapporto", "The spread of one horizontal to two vertical is the dispersal through the fill "
                                     "of UK masonry arch assessment (CS 454, formerly BD 21).");
    case RegolaDiffusione::Quarantacinque:
      return num.traduci("Rapporto", "The spread at 45 degrees is the dispersal through pavement and concrete slab "
                                     "of EN 1991-2, 4.3.6, taken here through the fill.");
    case RegolaDiffusione::Nessuna:
      return num.traduci("Rapporto", "Without spread each axle bears on the ring over its contact alone, on the "
                                     "safe side.");
    case RegolaDiffusione::Trenta:
    case RegolaDiffusione::Angolo: break;
  }
  return num.traduci("Rapporto", "The angle of spread is the engineer's choice; no code of the basis gives it for "
                                 "the fill of an arch.");
}

// What of the traffic the assessment applies and where, and what the code's
// load model also holds that it does not apply.
void ModelloApplicato(Documento& doc, const DatiProgetto& d, const RisultatiVeicolo& r, const NumeriRapporto& num) {
  const Veicolo& v = r.veicolo;
  double totale = 0;
  for (const AsseVeicolo& a : v.Assi) totale += a.P;
  std::string t = Componi(num.traduci("Rapporto", "Applied: the %1 axles of \"%2\", %3 kN in all, each as the load "
                                                  "P b / b_e over its spread length, the vehicle moved across the "
                                                  "bridge in one lane;"),
                          {num.intero(static_cast<long>(v.Assi.size())), v.Nome, num.kN(totale)});
  t += d.qCarico != 0 && d.xq2 > d.xq1
           ? Componi(num.traduci("Rapporto", " with them the strip load of %1 kN/m² over the ring's width from x = "
                                             "%2 to %3 m, standing there while the vehicle moves. Nothing else of "
                                             "the traffic is applied."),
                     {num.dato(d.qCarico), num.metri(d.xq1), num.metri(d.xq2)})
           : num.traduci("Rapporto", " no strip load. Nothing else of the traffic is applied.");
  doc.paragrafo(t);
  if (v.Nome.rfind("LM1", 0) == 0)
    doc.paragrafo(num.traduci("Rapporto", "Load Model 1 (EN 1991-2, 4.3.2; NTC 2018, 5.1.3.3.5, load scheme 1) also "
                                          "contains, not applied here: the uniformly distributed load of 9 kN/m² in "
                                          "lane 1 and of 2.5 kN/m² on the other lanes and the remaining area, and the "
                                          "tandems of lane 2 (2 × 200 kN) and lane 3 (2 × 100 kN). Where they bear on "
                                          "the ring the strip load has to stand for them."),
                  true);
  else
    doc.paragrafo(num.traduci("Rapporto", "Whatever else the code's load model of this vehicle contains (distributed "
                                          "loads, vehicles in other lanes) is not applied unless the strip load "
                                          "stands for it."));
  doc.paragrafo(FonteDiffusione(r.diffusione.regola, num) + " " +
                num.traduci("Rapporto", "The effective width b_e is the same spread taken across the bridge from the "
                                        "two wheels' contacts, a rule of this program, stated for the checker to "
                                        "judge."));
}

}  // namespace

SezioneVeicolo::SezioneVeicolo(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiVeicolo& r)
    : d_(dati), m_(modello), r_(r), peggiore_(PosizionePeggiore(r)) {}

void SezioneVeicolo::Componi(Documento& doc, const NumeriRapporto& num) const {
  const Veicolo& v = r_.veicolo;
  doc.sezione(voro::Componi(num.traduci("Rapporto", "Vehicle: %1"), {v.Nome}));
  doc.paragrafo(num.traduci("Rapporto",
                            "The vehicle is driven across the bridge, its first axle at x and its other axles at x + d "
                            "(forward) or x - d (backward). Each axle's contact length a spreads through the fill at "
                            "the angle θ on each side, down to the extrados, over a + 2 z tan(θ) along the "
                            "span (z the depth from the road surface to the extrados at the axle); across the bridge "
                            "over the effective width b_e = c + w + 2 z tan(θ), never wider than the ring's width "
                            "b, so that the ring takes P b / b_e. The live-load factor multiplies the strip load and "
                            "the vehicle together, dead loads and passive pressure as given."));
  {
    auto& t = doc.tabella(ColonneValori(num));
    t.righe.push_back({num.traduci("Rapporto", "Wheel track"), "c", num.dato(v.Carreggiata), "m"});
    t.righe.push_back({num.traduci("Rapporto", "Contact width across"), "w", num.dato(v.LarghezzaImpronta), "m"});
    const std::string regola =
        r_.diffusione.regola == RegolaDiffusione::Nessuna ? num.traduci("Diffusione", "none") : r_.diffusione.Testo();
    t.righe.push_back({num.traduci("Rapporto", "Spread through the fill"), "\u03b8",
                       voro::Componi(num.traduci("Rapporto", "%1 (%2 degrees)"),
                                     {regola, num.fattore(r_.diffusione.Angolo())}),
                       ""});
    t.righe.push_back({num.traduci("Rapporto", "Step of the sweep"), "", num.metri(r_.passo), "m"});
    auto& a = doc.tabella({{num.traduci("Rapporto", "Axle"), ""}, {"P", "kN"}, {"d", "m"}, {"a", "m"}});
    for (std::size_t k = 0; k < v.Assi.size(); ++k)
      a.righe.push_back({num.intero(static_cast<long>(k + 1)), num.dato(v.Assi[k].P), num.dato(v.Assi[k].d),
                         num.dato(v.Assi[k].a)});
  }
  ModelloApplicato(doc, d_, r_, num);
  if (!r_.fattorePeggiore) {
    doc.paragrafo(num.traduci("Rapporto", "At no position can the variable load make the arch collapse."));
    return;
  }
  const bool dueVersi = std::any_of(r_.posizioni.begin(), r_.posizioni.end(),
                                    [](const PosizioneVeicolo& p) { return p.verso == Verso::Indietro; });
  const std::string verso = r_.versoPeggiore == Verso::Avanti ? num.traduci("Rapporto", "forward")
                                                               : num.traduci("Rapporto", "backward");
  const std::string posizioni = num.intero(static_cast<long>(r_.posizioni.size()));
  doc.paragrafo(voro::Componi(dueVersi ? num.traduci("Rapporto", "Moved in %1 positions, both ways, the least factor "
                                                                 "refined to 0.1 mm of position: the live-load factor "
                                                                 "is %2 with the first axle at x = %3 m, driven %4.")
                                       : num.traduci("Rapporto", "Moved in %1 positions (the vehicle is its own mirror "
                                                                 "image), the least factor refined to 0.1 mm of "
                                                                 "position: the live-load factor is %2 with the first "
                                                                 "axle at x = %3 m."),
                              {posizioni, num.fattore(*r_.fattorePeggiore), num.metri(r_.xPeggiore), verso}),
                *r_.fattorePeggiore < 1);
  doc.paragrafo(num.traduci("Rapporto", "Each axle at the worst position: the depth z of fill above the extrados; "
                                        "the spread length a + 2 z tan(θ) it loads along the span, from x1 to "
                                        "x2; the widths b and b_e; the equivalent load P b / b_e that the "
                                        "full-width model carries; and at collapse the axle's own load times the "
                                        "live-load factor, λ P."));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Axle"), ""},
                         {"x", "m"},
                         {"z", "m"},
                         {"a + 2 z tanθ", "m"},
                         {"x1", "m"},
                         {"x2", "m"},
                         {"b", "m"},
                         {"b_e", "m"},
                         {"P b / b_e", "kN"},
                         {"λ P", "kN"}});
  for (std::size_t k = 0; k < r_.assiPeggiori.size(); ++k) {
    const ImprontaAsse& a = r_.assiPeggiori[k];
    const double P = k < v.Assi.size() ? v.Assi[k].P : 0;
    t.righe.push_back({num.intero(static_cast<long>(k + 1)), num.metri(a.x), num.metri(a.h), num.metri(a.x2 - a.x1),
                       num.metri(a.x1), num.metri(a.x2), num.metri(a.b), num.metri(a.be), num.kN(a.F),
                       num.kN(*r_.fattorePeggiore * P)});
  }
  // Its hinges as the strip load's: the crushing ones said so.
  doc.paragrafo(num.traduci("Rapporto", "The collapse mechanism at the worst position:"));
  TabellaCerniere(doc, m_, r_.meccanismo, num);
}

std::vector<Figura> SezioneVeicolo::Figure(const NumeriRapporto& num) const {
  std::vector<Figura> figure;
  const Regional regional = num.regional();
  const DatiProgetto* d = &d_;
  const ModelloArco* m = &m_;
  const RisultatiVeicolo* r = &r_;
  if (!r_.posizioni.empty()) {
    Figura grafico;
    grafico.didascalia = num.traduci("Rapporto", "Live-load factor against the position of the vehicle's first axle "
                                                 "(m), each way it is driven, the least factor marked");
    grafico.proporzione = 0.55;
    grafico.disegna = [r, regional](Superficie& s, Messages& msg) {
      Disegno disegno(msg);
      GraficoVeicolo g(*r, regional, disegno);
      return g.PlottaVoro("STAMPANTE", &s);
    };
    figure.push_back(std::move(grafico));
  }
  if (r_.fattorePeggiore) {
    // The vehicle at its worst position goes with the drawing: the document
    // outlives this section.
    auto piano = [d, m, p = peggiore_, regional](Superficie& s, Messages& msg, double* proporzione) {
      Disegno disegno(msg);
      PlottaVeicolo plot(*d, *m, p, regional, disegno);
      const bool ok = plot.PlottaVoro("STAMPANTE", &s);
      if (proporzione) *proporzione = ProporzioneTavola(plot);
      return ok;
    };
    Figura arco;
    arco.didascalia = num.traduci("Rapporto", "The vehicle at its worst position: the axles' loads at collapse, their "
                                              "spread through the fill and the collapse thrust line with its four "
                                              "hinges (lengths in m)");
    SuperficieVuota vuota;
    RecordingMessages ignorati;
    piano(vuota, ignorati, &arco.proporzione);
    arco.disegna = [piano](Superficie& s, Messages& msg) { return piano(s, msg, nullptr); };
    figure.push_back(std::move(arco));
  }
  return figure;
}

}  // namespace voro
