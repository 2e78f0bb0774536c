// The safety assessment section of the report and its two drawings.
#include "report/SezioneValutazione.h"

#include <algorithm>
#include <cmath>

#include "arch/AnelloScalato.h"
#include "arch/ImposteArco.h"
#include "data/Messages.h"
#include "data/Traduzioni.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "limite/ElencoCertificati.h"
#include "report/ProporzioneTavola.h"
#include "report/SuperficieVuota.h"

namespace voro {

namespace {

std::string NomeTipo(TipoCerniera t, const NumeriRapporto& num) {
  switch (t) {
    case TipoCerniera::Schiacciamento: return num.traduci("Rapporto", "crushing hinge");
    case TipoCerniera::Scorrimento: return num.traduci("Rapporto", "sliding");
    case TipoCerniera::Cerniera: break;
  }
  return num.traduci("Rapporto", "hinge");
}


// The hypotheses of the figures after the geometric safety, as one sentence.
std::string Ipotesi(const DatiProgetto& d, const ModelloArco& m, const RisultatiSicurezza& r,
                    const NumeriRapporto& num) {
  std::string t = num.traduci("Rapporto", "no tensile strength; ");
  t += r.resistenzaMinima
           ? Componi(num.traduci("Rapporto", "compressive strength %1 MPa, a joint of depth h and width b "
                                             "carrying N ≤ fc b h and |M| ≤ N (h/2 - N/(2 fc b)) (a rectangular "
                                             "stress block), the domain approached from inside by chords so that "
                                             "the live-load factor lies within %2% below the exact one"),
                     {TestoResistenza(d, m, r, num.dato(static_cast<Single>(*r.resistenzaMinima))),
                      num.dato(static_cast<Single>(r.tolleranzaResistenza * 100))})
           : num.traduci("Rapporto", "unlimited compressive strength (rigid voussoirs)");
  t += r.attrito ? Componi(num.traduci("Rapporto", "; joints that slide beyond |T| = μ N, μ = %1"),
                           {num.dato(static_cast<Single>(*r.attrito))})
                 : num.traduci("Rapporto", "; no sliding");
  if (r.mobilitazione)
    t += Componi(num.traduci("Rapporto", "; passive pressure as a resistance the soil mobilises between 0 and %1 "
                                         "times its full value, only as far as the ring pushes into it"),
                 {num.dato(static_cast<Single>(*r.mobilitazione))});
  return t;
}

std::string ElencoCerniere(const ModelloArco& m, const std::vector<Cerniera>& c, const NumeriRapporto& num) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k)
    t += (k ? ", " : "") + NomeSezione(m, c[k].giunto, num) + " (" + NomeFaccia(c[k].faccia, num) + ")";
  return t;
}

// The walls take voussoirs of the ring by where its extrados meets the
// backing: a thinner ring meets it elsewhere, so the arch analysed at the
// least thickness may spring from other voussoirs than the project's.
std::string FrasePareteMinima(const DatiProgetto& d, const ModelloArco& m, double f, const NumeriRapporto& num) {
  DatiProgetto q = d;
  ScalaSpessore(d, f, q);
  ModelloArco sottile;
  RecordingMessages msg;
  try {
    CostruisciConStrada(q, m, sottile, msg);
  } catch (const std::exception&) {
    return {};
  }
  const ImposteArco prima = ImposteSuPareti(m), dopo = ImposteSuPareti(sottile);
  auto conci = [](const std::optional<ImpostaRialzata>& i) { return i ? i->conciParete : 0; };
  if (conci(prima.sinistra) == conci(dopo.sinistra) && conci(prima.destra) == conci(dopo.destra)) return {};
  return voro::Componi(num.traduci("Rapporto", "At the least thickness the walls take %1 voussoirs of the ring on "
                                               "the left and %2 on the right (%3 and %4 at the project's thickness): "
                                               "the arch analysed there springs elsewhere and has another shape "
                                               "than the project's."),
                       {num.intero(conci(dopo.sinistra)), num.intero(conci(dopo.destra)),
                        num.intero(conci(prima.sinistra)), num.intero(conci(prima.destra))});
}

}  // namespace

std::string NomeFaccia(Faccia f, const NumeriRapporto& num) {
  return f == Faccia::Intradosso ? num.traduci("Rapporto", "intrados") : num.traduci("Rapporto", "extrados");
}

std::string NomeSezione(const ModelloArco& m, int giunto, const NumeriRapporto& num) {
  ModelloArco::LuogoGiunto l;
  if (!m.ponte() || !m.Luogo(giunto, l)) return num.intero(giunto);
  if (l.pila >= 0) return Componi(num.traduci("Rapporto", "pier %1 base"), {num.intero(l.pila + 1)});
  return Componi(num.traduci("Rapporto", "span %1 joint %2"), {num.intero(l.campata + 1), num.intero(l.indice + 1)});
}

void TabellaCerniere(Documento& doc, const ModelloArco& m, const std::vector<Cerniera>& c, const NumeriRapporto& num) {
  doc.paragrafo(num.traduci("Rapporto", "The face is where the collapse thrust line touches the joint: a hinge at the "
                                        "intrados opens at the extrados, and one at the extrados opens at the "
                                        "intrados. A crushing hinge turns about the edge of the stress block instead "
                                        "of the face; a sliding joint slips along itself."));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Hinge"), ""},
                         {num.traduci("Rapporto", "Section"), ""},
                         {num.traduci("Rapporto", "Face"), "", false},
                         {num.traduci("Rapporto", "Kind"), "", false}});
  for (std::size_t k = 0; k < c.size(); ++k)
    t.righe.push_back({num.intero(static_cast<long>(k + 1)), NomeSezione(m, c[k].giunto, num), NomeFaccia(c[k].faccia, num),
                       NomeTipo(c[k].tipo, num)});
}

std::string DidascaliaSicurezza(const RisultatiSicurezza& r, const NumeriRapporto& num) {
  std::string s = num.traduci("Rapporto", "Safety: ");
  if (r.rapportoSpessore) {
    s += Componi(num.traduci("Rapporto", "the thrust line of least eccentricity (s = %1)"),
                 {num.rapporto(*r.rapportoSpessore)});
    if (r.contatti.size() == 1)
      s += num.traduci("Rapporto", " touching the reduced section at 1 joint");
    else if (!r.contatti.empty())
      s += Componi(num.traduci("Rapporto", " touching the reduced section at %1 joints"),
                   {num.intero(static_cast<long>(r.contatti.size()))});
  } else {
    s += num.traduci("Rapporto", "the arch; no thrust line keeps every joint in compression");
  }
  if (r.esitoCarico == EsitoCarico::Finito && r.fattoreCarico)
    s += Componi(num.traduci("Rapporto", "; the collapse thrust line at %1 times the live load with its %2 hinges"),
                 {num.fattore(*r.fattoreCarico), num.intero(static_cast<long>(r.meccanismo.size()))});
  else if (r.esitoCarico == EsitoCarico::Illimitato)
    s += num.traduci("Rapporto",
                     "; no collapse line: the live load at the project's strip alone can never make a mechanism");
  return s + num.traduci("Rapporto", " (lengths in m)");
}

void SezioneValutazione::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "Safety assessment"));
  doc.paragrafo(voro::Componi(
      num.traduci("Rapporto", "Exact limit analysis of the same voussoirs and loads. Unlike the three-hinged thrust "
                              "line above, it considers every thrust line in equilibrium with the loads, whatever "
                              "its hinges. The geometric safety rests on Heyman's hypotheses (rigid voussoirs, no "
                              "tensile strength, unlimited compressive strength, no sliding, passive pressure as a "
                              "fixed load); a thrust line lies within the fraction s of the joints when at every "
                              "joint |e| ≤ s h/2. The thrust range, the live-load factor, the worst load position "
                              "and the minimum thickness rest on these hypotheses: %1. The figures of this section "
                              "are those of the project's own (characteristic) loads; the conclusions give the "
                              "adequacy under the design values of the code basis."),
      {Ipotesi(d_, m_, r_, num)}));
  if (!r_.resistenzaFinita)
    doc.paragrafo(num.traduci("Rapporto", "These figures assume masonry of unlimited compressive strength: they do "
                                          "not check crushing."),
                  true);

  const std::string nonCertificato =
      num.traduci("Rapporto", "Not certified: no solver gave an answer that passes both theorems' checks.");
  doc.sottosezione(num.traduci("Rapporto", "Geometric safety"));
  if (!r_.certificatoGeometrico.valido()) {
    doc.paragrafo(nonCertificato, true);
  } else if (!r_.rapportoSpessore) {
    doc.paragrafo(num.traduci("Rapporto", "No thrust line keeps every joint in compression: the arch cannot stand under its loads."), true);
  } else {
    auto& t = doc.tabella(ColonneValori(num));
    t.righe.push_back({num.traduci("Rapporto", "Thickness ratio of the line of least eccentricity"), "s", num.rapporto(*r_.rapportoSpessore), ""});
    if (r_.fattoreGeometrico)
      t.righe.push_back({num.traduci("Rapporto", "Depth ratio: joint depth to the depth the line needs"), "1/s",
                         num.fattore(*r_.fattoreGeometrico), ""});
    t.righe.push_back({num.traduci("Rapporto", "A thrust line fits within the masonry (the hypotheses above)"), "",
                       r_.certificatoAmmissibile.valido() ? num.siNo(r_.ammissibile)
                                                          : std::string(num.traduci("Rapporto", "not certified")),
                       ""});
    std::string s = r_.fattoreGeometrico
                        ? voro::Componi(num.traduci("Rapporto", "The thrust line of least eccentricity needs the "
                                                                "part s = %1 of every joint's depth about its "
                                                                "centre: each joint is 1/s = %2 times as deep as "
                                                                "that line needs."),
                                        {num.rapporto(*r_.rapportoSpessore), num.fattore(*r_.fattoreGeometrico)})
                        : num.traduci("Rapporto", "The thrust line follows the centre of every joint (s = 0): the "
                                                  "ring is the funicular of its loads.");
    s += !r_.certificatoAmmissibile.valido()
             ? num.traduci("Rapporto", " Whether a thrust line fits under the hypotheses above is not certified.")
         : r_.ammissibile ? num.traduci("Rapporto", " A thrust line fits within the masonry under the hypotheses "
                                                  "above: by the safe theorem the arch stands under its loads.")
                        : num.traduci("Rapporto", " No thrust line fits within the masonry under the hypotheses "
                                                  "above, whatever the hinges: the arch cannot stand under its loads.");
    if (r_.spintaIllimitataMinima)
      s += num.traduci("Rapporto", " That line is approached only as the thrust grows without limit.");
    if (!r_.contatti.empty())
      s += num.traduci("Rapporto", " It touches the reduced section at sections ") + ElencoCerniere(m_, r_.contatti, num) + ".";
    doc.paragrafo(s, !r_.ammissibile);
  }

  doc.sottosezione(num.traduci("Rapporto", "Thrust range"));
  if (r_.ammissibile && !r_.certificatoCampo.valido()) {
    doc.paragrafo(nonCertificato, true);
  } else if (!r_.spintaMinima) {
    doc.paragrafo(num.traduci("Rapporto", "None: no thrust line fits within the masonry."));
  } else {
    doc.paragrafo(num.traduci("Rapporto", "The horizontal force of the left support on the arch over all thrust lines within the masonry: "
                  "the least is what the arch needs when its supports spread apart, the largest what a tie or an "
                  "abutment may have to take when they are pushed together."));
    auto& t = doc.tabella(ColonneValori(num));
    t.righe.push_back({num.traduci("Rapporto", "Least thrust"), "Hmin", num.kN(*r_.spintaMinima), "kN"});
    t.righe.push_back({num.traduci("Rapporto", "Largest thrust"), "Hmax",
                       r_.spintaMassima ? num.kN(*r_.spintaMassima) : std::string(num.traduci("Rapporto", "no upper limit")), "kN"});
  }

  doc.sottosezione(num.traduci("Rapporto", "Live-load factor"));
  switch (r_.esitoCarico) {
    case EsitoCarico::Finito: {
      const double f = *r_.fattoreCarico;
      auto& t = doc.tabella(ColonneValori(num));
      t.righe.push_back({num.traduci("Rapporto", "Live-load factor at collapse"), "\u03bb", num.fattore(f), ""});
      doc.paragrafo(voro::Componi(f >= 1 ? num.traduci("Rapporto", "The variable load can be multiplied by %1 (dead "
                                                                   "loads as given) before a thrust line no longer "
                                                                   "fits and the arch turns into a mechanism.")
                                         : num.traduci("Rapporto", "The variable load can be multiplied by %1 (dead "
                                                                   "loads as given) before a thrust line no longer "
                                                                   "fits and the arch turns into a mechanism: less "
                                                                   "than 1, the arch cannot carry the project's "
                                                                   "variable load."),
                                  {num.fattore(f)}),
                    f < 1);
      doc.paragrafo(voro::Componi(num.traduci("Rapporto", "The collapse mechanism: %1 joints, each a hinge where the "
                                                          "collapse thrust line touches an edge of the masonry or, "
                                                          "where the masonry crushes, the edge of its stress block, "
                                                          "or a joint that slides."),
                                  {num.intero(static_cast<long>(r_.meccanismo.size()))}));
      TabellaCerniere(doc, m_, r_.meccanismo, num);
      break;
    }
    case EsitoCarico::Illimitato:
      doc.paragrafo(num.traduci("Rapporto", "No finite factor: the variable load alone can never turn the arch into a mechanism."));
      break;
    case EsitoCarico::NessunCarico:
      doc.paragrafo(num.traduci("Rapporto", "None: the project has no variable load."));
      break;
    case EsitoCarico::Impossibile:
      doc.paragrafo(num.traduci("Rapporto", "None: not even without the variable load does a thrust line fit."), true);
      break;
    case EsitoCarico::NonCertificato:
      doc.paragrafo(num.traduci("Rapporto", "Not certified: no solver gave an answer that passes both theorems' checks."), true);
      break;
  }

  doc.sottosezione(num.traduci("Rapporto", "Worst load position"));
  if (r_.posizioni.empty()) {
    doc.paragrafo(d_.qCarico == 0 || !(r_.lunghezzaCarico > 0) ? num.traduci("Rapporto", "Not computed: the project has no strip load.")
                                                               : num.traduci("Rapporto", "Not computed: no positions asked for."));
  } else {
    std::string s = num.traduci("Rapporto", "The strip of ") + num.dato(d_.qCarico) + num.traduci("Rapporto", " kN/m² over ") + num.metri(r_.lunghezzaCarico) +
                    num.traduci("Rapporto", " m moved across the structure in ") + num.intero(static_cast<long>(r_.posizioni.size())) +
                    num.traduci("Rapporto", " positions, the loads and passive pressure computed afresh at each: ");
    if (r_.posizioniNonCertificate > 0)
      s += voro::Componi(num.traduci("Rapporto", "no solver certified the answer at %1 positions, so no least factor "
                                                 "is given."),
                         {num.intero(r_.posizioniNonCertificate)});
    else if (r_.fattorePeggiore)
      s += num.traduci("Rapporto", "the least live-load factor is ") + num.fattore(*r_.fattorePeggiore) + num.traduci("Rapporto", " with the strip from x = ") +
           num.metri(*r_.xq1Peggiore) + num.traduci("Rapporto", " to ") + num.metri(*r_.xq2Peggiore) + " m" +
           num.traduci("Rapporto", ", refined between its neighbouring positions.");
    else
      s += num.traduci("Rapporto", "at no position can the variable load alone make the arch collapse, so no chart "
                                   "of the factor is drawn.");
    doc.paragrafo(s);
    auto& t = doc.tabella({{num.traduci("Rapporto", "Position"), ""}, {"xq1", "m"}, {"xq2", "m"}, {num.traduci("Rapporto", "Factor"), ""}});
    for (std::size_t k = 0; k < r_.posizioni.size(); ++k) {
      const PosizioneCarico& q = r_.posizioni[k];
      t.righe.push_back({num.intero(static_cast<long>(k + 1)), num.metri(q.xq1), num.metri(q.xq2),
                         q.fattore       ? num.fattore(*q.fattore)
                         : q.certificata ? std::string(num.traduci("Rapporto", "none"))
                                         : std::string(num.traduci("Rapporto", "not certified"))});
    }
  }

  doc.sottosezione(num.traduci("Rapporto", "Minimum thickness"));
  if (!r_.spessoreMinimoCalcolato) {
    doc.paragrafo(num.traduci("Rapporto", "Not computed."));
  } else if (r_.spessoreNonCertificato) {
    doc.paragrafo(nonCertificato, true);
  } else if (!r_.spessoreMinimo) {
    doc.paragrafo(num.traduci("Rapporto", "Not found between a thousandth and a thousand times the project's thickness."));
  } else {
    doc.paragrafo(num.traduci("Rapporto", "Every segment's thickness scaled by one factor k, the voussoirs and walls "
                                          "rebuilt at each trial while the road surface, the slab and the loads above "
                                          "stay where the project puts them: the least k for which a thrust line "
                                          "still fits under the project's loads."));
    auto& t = doc.tabella(ColonneValori(num));
    t.righe.push_back({num.traduci("Rapporto", "Thinnest segment at the least thickness"), "tmin",
                       num.metri(*r_.spessoreMinimo), "m"});
    t.righe.push_back({num.traduci("Rapporto", "Least thickness factor"), "k", num.rapporto(*r_.fattoreMinimo), ""});
    const bool rigida = !r_.resistenzaFinita && !d_.Attrito;
    t.righe.push_back({rigida ? num.traduci("Rapporto", "Geometric factor of safety (Heyman)")
                              : num.traduci("Rapporto", "Thickness factor (the hypotheses above)"),
                       "t/tmin", num.fattore(*r_.fattoreSpessore), ""});
    doc.paragrafo(voro::Componi(
        rigida ? num.traduci("Rapporto", "Heyman's geometric factor of safety t/tmin = %1: the ring is that many "
                                         "times as thick as the thinnest ring of the same shape that still holds a "
                                         "thrust line under the same loads.")
               : num.traduci("Rapporto", "The thickness factor t/tmin = %1: the ring is that many times as thick as "
                                         "the thinnest ring of the same shape that still holds a thrust line under "
                                         "the same loads and the hypotheses above. With a finite strength or "
                                         "friction it is not Heyman's geometric factor of safety, which holds for "
                                         "rigid masonry that never slides."),
        {num.fattore(*r_.fattoreSpessore)}));
    const std::string pareti = FrasePareteMinima(d_, m_, *r_.fattoreMinimo, num);
    if (!pareti.empty()) doc.paragrafo(pareti);
    if (!r_.contattiSpessoreMinimo.empty())
      doc.paragrafo(num.traduci("Rapporto", "Hinges at the least thickness: sections ") + ElencoCerniere(m_, r_.contattiSpessoreMinimo, num) + ".");
    if (!r_.spessoreMonotono)
      doc.paragrafo(num.traduci("Rapporto", "Whether a line fits changes more than once about this thickness: a "
                                            "thicker ring may not stand, or a thinner one may."),
                    true);
  }

  doc.sottosezione(num.traduci("Rapporto", "Certificates"));
  doc.paragrafo(num.traduci("Rapporto", "Each figure lies between a thrust line that stands (safe) and a mechanism "
                                        "that collapses (unsafe), and the two agree within the stated gap. The "
                                        "static side is checked voussoir by voussoir (equilibrium to 1e-9 of the "
                                        "total load) and joint by joint against the stated domain; the kinematic "
                                        "side by the mechanism's virtual work, or by a proof that no line fits."));
  auto& tc = doc.tabella({{num.traduci("Rapporto", "Figure"), "", false}, {num.traduci("Rapporto", "Certified"), "", false},
                          {num.traduci("Rapporto", "Gap"), "", true}, {num.traduci("Rapporto", "Solver"), "", false}});
  for (const FiguraCertificata& f : ElencoCertificati(r_, nullptr)) {
    tc.righe.push_back({num.traduci("Voro", f.nome), num.siNo(f.certificato.valido()),
                        num.regional().FormattaNumeroEsp(2, f.certificato.scarto),
                        f.certificato.solutore == Solutore::Clp ? std::string("COIN-OR CLP")
                                                                : std::string(num.traduci("Rapporto", "dense simplex"))});
  }

  if (r_.rapportoSpessore && !r_.lineaMinima.e.empty()) {
    doc.sottosezione(num.traduci("Rapporto", "Thrust line of least eccentricity"));
    doc.paragrafo(num.traduci("Rapporto", "Section by section: the normal force, the eccentricity and the part of the half depth it uses."));
    auto& t = doc.tabella({{num.traduci("Rapporto", "Sect."), ""}, {"N", "kN"}, {"e", "mm"}, {"h/2", "mm"}, {"|e|/(h/2)", ""}});
    const LineaSpinte& l = r_.lineaMinima;
    for (std::size_t j = 0; j < l.e.size(); ++j) {
      // A bridge's joints, a pier's base among them, each with its depth.
      if (m_.ponte()) {
        if (j >= r_.posti.size() || j >= l.N.size()) break;
        const double h = r_.posti[j].h;
        t.righe.push_back({NomeSezione(m_, static_cast<int>(j + 1), num), num.kN(l.N[j]), num.mm(l.e[j]),
                           num.mm(h / 2), h > 0 ? num.rapporto(std::fabs(l.e[j]) / (h / 2)) : "-"});
        continue;
      }
      const int voussoir = j == 0 ? 1 : static_cast<int>(j);
      if (voussoir > m_.nConciTot) break;
      // The springing joint is as deep as voussoir 1's left face.
      const Concio& c = m_.Conci(voussoir);
      const double h = j == 0 ? std::hypot(c.x(4) - c.x(1), c.y(4) - c.y(1)) : c.hSezioneEff;
      t.righe.push_back({num.intero(static_cast<long>(j + 1)), num.kN(l.N[j]), num.mm(l.e[j]), num.mm(h / 2),
                         num.rapporto(std::fabs(l.e[j]) / (h / 2))});
    }
  }
}

std::vector<Figura> SezioneValutazione::Figure(const NumeriRapporto& num) const {
  std::vector<Figura> figure;
  const Regional regional = num.regional();
  // The drawings outlive the section: they hold the assessment itself.
  const DatiProgetto* d = &d_;
  const ModelloArco* m = &m_;
  const RisultatiSicurezza* r = &r_;
  auto piano = [d, m, r, regional](Superficie& s, Messages& msg, double* proporzione) {
    Disegno disegno(msg);
    PlottaSicurezza plot(*d, *m, *r, regional, disegno);
    const bool ok = plot.PlottaVoro("STAMPANTE", &s);
    if (proporzione) *proporzione = ProporzioneTavola(plot);
    return ok;
  };
  Figura arco;
  arco.didascalia = DidascaliaSicurezza(r_, num);
  SuperficieVuota vuota;
  RecordingMessages ignorati;
  piano(vuota, ignorati, &arco.proporzione);
  arco.disegna = [piano](Superficie& s, Messages& msg) { return piano(s, msg, nullptr); };
  figure.push_back(std::move(arco));

  // A chart without a single finite factor would show nothing: the section
  // says so in words instead.
  if (r_.fattorePeggiore) {
    Figura grafico;
    grafico.didascalia = voro::Componi(num.traduci("Rapporto",
                                                   "Live-load factor against the position of the strip load "
                                                   "(its left end xq1, m), the least factor %1 marked"),
                                       {num.fattore(*r_.fattorePeggiore)});
    grafico.proporzione = r_.meccanismoPeggiore.empty() ? 0.55 : 0.9;
    grafico.disegna = [r, m, regional](Superficie& s, Messages& msg) {
      Disegno disegno(msg);
      GraficoSpostamento g(*r, *m, regional, disegno);
      return g.PlottaVoro("STAMPANTE", &s);
    };
    figure.push_back(std::move(grafico));
  }
  return figure;
}

}  // namespace voro
