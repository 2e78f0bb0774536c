// The vehicle section of the report and its two drawings.
#include "report/SezioneVeicolo.h"

#include <algorithm>

#include "drawing/GraficoVeicolo.h"
#include "report/SuperficieVuota.h"

namespace voro {

SezioneVeicolo::SezioneVeicolo(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiVeicolo& r)
    : d_(dati), m_(modello), r_(r), peggiore_(PosizionePeggiore(r)) {}

void SezioneVeicolo::Componi(Documento& doc, const NumeriRapporto& num) const {
  const Veicolo& v = r_.veicolo;
  doc.sezione("Vehicle: " + v.Nome);
  doc.paragrafo("The vehicle is driven across the bridge, its first axle at x and its other axles at x + d "
                "(forward) or x - d (backward). Each axle's contact length a spreads through the fill at the angle "
                "theta on each side, down to the extrados, over a + 2 h tan(theta) along the span (h the depth from "
                "the road surface to the extrados at the axle); across the bridge over the effective width "
                "b_e = s + w + 2 h tan(theta), never wider than the ring's width b, so that the ring takes P b / b_e. "
                "The live-load factor multiplies the strip load and the vehicle together, dead loads and passive "
                "pressure as given.");
  {
    auto& t = doc.tabella(ColonneValori(num));
    t.righe.push_back({"Wheel track", "s", num.dato(v.Carreggiata), "m"});
    t.righe.push_back({"Contact width across", "w", num.dato(v.LarghezzaImpronta), "m"});
    t.righe.push_back({"Spread through the fill", "theta", r_.diffusione.Testo() + " (" +
                                                                num.fattore(r_.diffusione.Angolo()) + " degrees)", ""});
    t.righe.push_back({"Step of the sweep", "", num.metri(r_.passo), "m"});
    auto& a = doc.tabella({{"Axle", ""}, {"P", "kN"}, {"d", "m"}, {"a", "m"}});
    for (std::size_t k = 0; k < v.Assi.size(); ++k)
      a.righe.push_back({num.intero(static_cast<long>(k + 1)), num.dato(v.Assi[k].P), num.dato(v.Assi[k].d),
                         num.dato(v.Assi[k].a)});
  }
  if (!r_.fattorePeggiore) {
    doc.paragrafo("At no position can the variable load make the arch collapse.");
    return;
  }
  const bool dueVersi = std::any_of(r_.posizioni.begin(), r_.posizioni.end(),
                                    [](const PosizioneVeicolo& p) { return p.verso == Verso::Indietro; });
  doc.paragrafo("Moved in " + num.intero(static_cast<long>(r_.posizioni.size())) + " positions" +
                    (dueVersi ? ", both ways" : " (the vehicle is its own mirror image)") +
                    ", the least factor refined to 0.1 mm of position: the live-load factor is " +
                    num.fattore(*r_.fattorePeggiore) + " with the first axle at x = " + num.metri(r_.xPeggiore) +
                    " m, driven " + TestoVerso(r_.versoPeggiore) + ".",
                *r_.fattorePeggiore < 1);
  auto& t = doc.tabella({{"Axle", ""},
                         {"x", "m"},
                         {"h", "m"},
                         {"b", "m"},
                         {"b_e", "m"},
                         {"On the ring", "kN"},
                         {"At collapse", "kN"}});
  for (std::size_t k = 0; k < r_.assiPeggiori.size(); ++k) {
    const ImprontaAsse& a = r_.assiPeggiori[k];
    const double P = k < v.Assi.size() ? v.Assi[k].P : 0;
    t.righe.push_back({num.intero(static_cast<long>(k + 1)), num.metri(a.x), num.metri(a.h), num.metri(a.b),
                       num.metri(a.be), num.kN(a.F), num.kN(*r_.fattorePeggiore * P)});
  }
  std::string mecc;
  for (std::size_t k = 0; k < r_.meccanismo.size(); ++k)
    mecc += (k ? ", " : "") + num.intero(r_.meccanismo[k].giunto) +
            (r_.meccanismo[k].faccia == Faccia::Intradosso ? " (intrados)" : " (extrados)");
  doc.paragrafo("The collapse mechanism at the worst position: four hinges at sections " + mecc + ".");
}

std::vector<Figura> SezioneVeicolo::Figure(const NumeriRapporto& num) const {
  std::vector<Figura> figure;
  const Regional regional = num.regional();
  const DatiProgetto* d = &d_;
  const ModelloArco* m = &m_;
  const RisultatiVeicolo* r = &r_;
  const VeicoloInPosizione* p = &peggiore_;
  if (!r_.posizioni.empty()) {
    Figura grafico;
    grafico.didascalia = "Live-load factor against the position of the vehicle's first axle (m), each way it is "
                         "driven, the least factor marked";
    grafico.proporzione = 0.55;
    grafico.disegna = [r, regional](Superficie& s, Messages& msg) {
      Disegno disegno(msg);
      GraficoVeicolo g(*r, regional, disegno);
      return g.PlottaVoro("STAMPANTE", &s);
    };
    figure.push_back(std::move(grafico));
  }
  if (r_.fattorePeggiore) {
    auto piano = [d, m, p, regional](Superficie& s, Messages& msg, double* proporzione) {
      Disegno disegno(msg);
      PlottaVeicolo plot(*d, *m, *p, regional, disegno);
      const bool ok = plot.PlottaVoro("STAMPANTE", &s);
      if (proporzione) {
        const double dx = static_cast<double>(plot.xMaxPlt) - plot.xMinPlt;
        const double dy = static_cast<double>(plot.yMaxPlt) - plot.yMinPlt;
        *proporzione = dx > 0 && dy > 0 ? std::clamp(dy / dx, 0.3, 1.2) : 0.6;
      }
      return ok;
    };
    Figura arco;
    arco.didascalia = "The vehicle at its worst position: the axles' loads at collapse, their spread through the "
                      "fill and the collapse thrust line with its four hinges (lengths in m)";
    SuperficieVuota vuota;
    RecordingMessages ignorati;
    piano(vuota, ignorati, &arco.proporzione);
    arco.disegna = [piano](Superficie& s, Messages& msg) { return piano(s, msg, nullptr); };
    figure.push_back(std::move(arco));
  }
  return figure;
}

}  // namespace voro
