// The model, hypotheses and results of the report.
#include "report/SezioniCalcolo.h"

#include <algorithm>
#include <cmath>

#include "arch/ImposteArco.h"
#include "data/Traduzioni.h"
#include "report/FigureArco.h"

namespace voro {

namespace {

// The odd number of grid points a side that the search uses (at least 3).
int PuntiGriglia(Integer nDivisioni) {
  const int n = std::max<int>(nDivisioni, 2);
  return n % 2 == 0 ? n + 1 : n;
}

constexpr const char* kInterrotta =
    " The search was stopped before its end: the three points are the best found so far.";

// A point of the thrust line is a hinge when it lies on an edge of its joint
// (within a thousandth of the half depth); otherwise an inner point.
std::string TipoPunto(double e, double h, const NumeriRapporto& num) {
  if (std::fabs(e) < h / 2 * (1 - 1e-3)) return num.traduci("Rapporto", "inside the joint");
  return e > 0 ? num.traduci("Rapporto", "hinge, extrados edge") : num.traduci("Rapporto", "hinge, intrados edge");
}

std::string MeritoRicerca(const DatiProgetto& d, const NumeriRapporto& num) {
  return d.OttimizzaEccentricita ? num.traduci("Rapporto", "largest distance from the edges") : num.traduci("Rapporto", "smallest peak compression");
}

// A bridge: what the three-hinge calculation does and does not cover.
constexpr const char* kTreCerniereCampate = VORO_NOOP(
    "Rapporto",
    "A bridge of several spans: the three-hinge calculation holds for one span at a time, each on rigid springings "
    "at its piers, and is not reported for the bridge as a whole. The safety assessment analyses the whole bridge, "
    "its piers included.");

// Each span's three-hinge calculation alone: its hinge points, its support
// forces and its worst stresses, one row a span.
void Campate(Documento& doc, const std::vector<CampataRisolta>& campate, const NumeriRapporto& num) {
  doc.sottosezione(num.traduci("Rapporto", "Each span alone on rigid springings"));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Span no."), ""},
                         {"el", "mm"},
                         {"ec", "mm"},
                         {"er", "mm"},
                         {"H", "kN"},
                         {"Vl", "kN"},
                         {"Vr", "kN"},
                         {"σe,max", "MPa"},
                         {"σi,max", "MPa"}});
  std::vector<std::string> falliti;
  for (const CampataRisolta& c : campate) {
    if (!c.risolta) {
      falliti.push_back(Componi(num.traduci("Rapporto", "Span %1: %2"), {num.intero(c.campata), c.errore}));
      continue;
    }
    const RisultatiCalcolo& r = c.risultati;
    t.righe.push_back({num.intero(c.campata), num.mm(r.EccCalcSinistra), num.mm(r.EccCalcChiave),
                       num.mm(r.EccCalcDestra), num.kN(r.HSinistra), num.kN(r.VSinistra), num.kN(r.VDestra),
                       num.MPa(r.SigmaEstPeggiore), num.MPa(r.SigmaIntPeggiore)});
  }
  for (const std::string& f : falliti) doc.paragrafo(f, true);
}

// The voussoirs and piers of a bridge and its levels.
void ModelloPonte(Documento& doc, const ModelloArco& m, const NumeriRapporto& num) {
  doc.paragrafo(Componi(num.traduci("Rapporto", "A bridge of %1 spans on %2 piers. The voussoirs of every span are "
                                                "numbered from left to right across the bridge, %3 in all; each pier "
                                                "is one rigid block from its foundation to the springings of the two "
                                                "rings it carries, with the masonry above it."),
                        {num.intero(static_cast<long>(m.Campate.size())), num.intero(static_cast<long>(m.Pile.size())),
                         num.intero(m.nConciTot)}));
  auto& v = doc.tabella({{num.traduci("Rapporto", "Span"), ""},
                         {num.traduci("Rapporto", "Voussoirs"), ""},
                         {num.traduci("Rapporto", "Crown voussoir"), ""}});
  for (std::size_t k = 0; k < m.Campate.size(); ++k) {
    const CampataModello& c = m.Campate[k];
    v.righe.push_back({num.intero(static_cast<long>(k + 1)),
                       num.intero(c.primo) + " - " + num.intero(c.ultimo), num.intero(c.iChiave)});
  }
  auto& l = doc.tabella(ColonneValori(num));
  l.righe = {{num.traduci("Rapporto", "Left end of the structure"), "xmin", num.metri(m.xMinStruttura), "m"},
             {num.traduci("Rapporto", "Right end of the structure"), "xmax", num.metri(m.xMaxStruttura), "m"},
             {num.traduci("Rapporto", "Top of the fill"), "", num.metri(m.yRiempimento), "m"},
             {num.traduci("Rapporto", "Top of the slab"), "", num.metri(m.ySoletta), "m"}};
}

}  // namespace

std::string FraseImposte(const ImposteArco& a, const NumeriRapporto& num) {
  if (!a.rialzate()) return "";
  std::string s = num.traduci("Rapporto", "The upper walls move the springing above the ring's end:");
  // Each side in a whole sentence of its own, so that a translation can order it.
  auto lato = [&num](bool sinistra, const ImpostaRialzata& i) {
    const char* modello =
        sinistra ? (i.conciParete == 1 ? VORO_NOOP("Rapporto", " the left wall takes %1 voussoir of the ring and the "
                                                               "arch springs at y = %2 m, %3 m above the ring's end")
                                       : VORO_NOOP("Rapporto", " the left wall takes %1 voussoirs of the ring and the "
                                                               "arch springs at y = %2 m, %3 m above the ring's end"))
                 : (i.conciParete == 1 ? VORO_NOOP("Rapporto", " the right wall takes %1 voussoir of the ring and the "
                                                               "arch springs at y = %2 m, %3 m above the ring's end")
                                       : VORO_NOOP("Rapporto", " the right wall takes %1 voussoirs of the ring and "
                                                               "the arch springs at y = %2 m, %3 m above the ring's "
                                                               "end"));
    return Componi(num.traduci("Rapporto", modello), {num.intero(i.conciParete), num.metri(i.y), num.metri(i.rialzo)});
  };
  if (a.sinistra) s += lato(true, *a.sinistra);
  if (a.sinistra && a.destra) s += ";";
  if (a.destra) s += lato(false, *a.destra);
  return s +
         num.traduci("Rapporto", ". The calculation and the assessment hold for the arch between these springings.");
}

std::string FraseCerniere(const DatiProgetto& d, const RisultatiCalcolo& r, const NumeriRapporto& num) {
  if (!d.OttimizzaCerniere) return num.traduci("Rapporto", "Thrust line through the given eccentricities.");
  std::string s =
      r.PrecisioneRicerca > 0
          ? Componi(num.traduci("Rapporto", "Thrust line through the three points found by the search (figure of "
                                            "merit: %1; grid precision %2 mm)."),
                    {MeritoRicerca(d, num), num.mm(r.PrecisioneRicerca)})
          : Componi(num.traduci("Rapporto", "Thrust line through the three points found by the search (figure of "
                                            "merit: %1)."),
                    {MeritoRicerca(d, num)});
  if (r.RicercaInterrotta) s += num.traduci("Rapporto", kInterrotta);
  return s;
}

void SezioneModello::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "Model"));
  if (!f_.modello) {
    doc.paragrafo(num.traduci("Rapporto", "No voussoir model: ") + f_.errore, true);
    return;
  }
  const ModelloArco& m = *f_.modello;
  if (m.ponte()) {
    ModelloPonte(doc, m, num);
    return;
  }
  doc.paragrafo(num.traduci("Rapporto", "The ring is cut into rigid voussoirs numbered from left to right; section 1 "
                                        "is the left springing, section i + 1 the right joint of voussoir i. The "
                                        "crown point of the thrust line lies on the right joint of the crown "
                                        "voussoir, the first whose extrados reaches the top of the ring."));
  auto& v = doc.tabella({{num.traduci("Rapporto", "Quantity"), "", false}, {num.traduci("Rapporto", "Value"), ""}});
  v.righe = {{num.traduci("Rapporto", "Voussoirs of the ring"), num.intero(m.nConciTot)},
             {num.traduci("Rapporto", "Sections (joints)"), num.intero(m.nGiunti)},
             {num.traduci("Rapporto", "Crown voussoir"), num.intero(m.iChiave)},
             {num.traduci("Rapporto", "Crown section (crown point)"), num.intero(m.iChiave + 1)},
             {num.traduci("Rapporto", "Wall voussoirs, left"), num.intero(m.nConciPareteSinistra)},
             {num.traduci("Rapporto", "Wall voussoirs, right"), num.intero(m.nConciPareteDestra)}};
  auto& l = doc.tabella(ColonneValori(num));
  l.righe = {{num.traduci("Rapporto", "Left end of the structure"), "xmin", num.metri(m.xMinStruttura), "m"},
             {num.traduci("Rapporto", "Right end of the structure"), "xmax", num.metri(m.xMaxStruttura), "m"},
             {num.traduci("Rapporto", "Lowest intrados"), "", num.metri(m.yIntradossoMin), "m"},
             {num.traduci("Rapporto", "Highest extrados"), "", num.metri(m.yEstradossoMax), "m"},
             {num.traduci("Rapporto", "Top of the fill"), "", num.metri(m.yRiempimento), "m"},
             {num.traduci("Rapporto", "Top of the slab"), "", num.metri(m.ySoletta), "m"},
             {num.traduci("Rapporto", "Depth of the joint, left springing"), "hl", num.metri(m.hSinistra), "m"},
             {num.traduci("Rapporto", "Depth of the joint, crown"), "hc", num.metri(m.hChiave), "m"},
             {num.traduci("Rapporto", "Depth of the joint, right springing"), "hr", num.metri(m.hDestra), "m"}};
  if (const std::string rialzo = FraseImposte(ImposteSuPareti(m), num); !rialzo.empty()) doc.paragrafo(rialzo, true);
  if (!f_.risultati) return;
  double muratura = 0, riempimento = 0, soletta = 0, variabile = 0;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    muratura += c.FPermanente - c.FPermSopraConcio;
    riempimento += c.FPermSopraConcio - c.FSoletta;
    soletta += c.FSoletta;
    variabile += c.FVariabile;
  }
  doc.sottosezione(num.traduci("Rapporto", "Total weights"));
  doc.paragrafo(num.traduci("Rapporto", "The vertical loads the voussoirs of the ring carry, summed over the whole ring."));
  auto& w = doc.tabella({{num.traduci("Rapporto", "Load"), "", false}, {num.traduci("Rapporto", "Value"), "kN"}});
  w.righe = {{num.traduci("Rapporto", "Masonry of the ring"), num.kN(muratura)},
             {num.traduci("Rapporto", "Fill"), num.kN(riempimento)},
             {num.traduci("Rapporto", "Slab"), num.kN(soletta)},
             {num.traduci("Rapporto", "Live load"), num.kN(variabile)},
             {num.traduci("Rapporto", "Total vertical load"), num.kN(f_.risultati->SommaV)}};
}

std::vector<Figura> SezioneModello::Figure(const NumeriRapporto& num) const {
  if (!f_.modello) return {};
  return {FiguraArco(f_, num.regional(), 2,
                     num.traduci("Rapporto", "Geometry: voussoirs, walls, fill, slab, live load and plan view (lengths in m)"))};
}

void SezioneIpotesi::Componi(Documento& doc, const NumeriRapporto& num) const {
  const DatiProgetto& d = *f_.dati;
  doc.sezione(num.traduci("Rapporto", "Three-hinged thrust line: hypotheses"));
  doc.paragrafo(num.traduci("Rapporto", "This section and the next show one thrust line through three imposed points, "
                                        "under rigid hypotheses of their own: the voussoirs never slide and the "
                                        "strength is not limited. It illustrates one state of equilibrium; it is not "
                                        "the assessment, and the verdict does not rest on it. The assessment and the "
                                        "conclusions state their own hypotheses (strength, friction, soil, partial "
                                        "factors)."),
                true);
  if (f_.modello && f_.modello->ponte()) doc.paragrafo(num.traduci("Rapporto", kTreCerniereCampate));
  doc.paragrafo(num.traduci("Rapporto", "Rigid voussoirs. The ring is a chain of rigid voussoirs that bear on each other at plane "
                "joints; the walls beside the outer springings and the solid backing are the supports. The "
                "voussoirs do not slide on each other."));
  doc.paragrafo(num.traduci("Rapporto", "No tension. The masonry takes no tension and its compressive strength is not limited by the "
                "calculation: a joint whose thrust point lies within its middle third is compressed over its whole "
                "depth with a linear distribution; beyond it, over three times the distance of the thrust point "
                "from the nearer edge, with a triangular distribution. The stresses are to be compared with the "
                "strength of the masonry by the engineer."));
  std::string carichi =
      num.traduci("Rapporto", "Loads. Each voussoir carries its own weight, the fill and the slab over the vertical strip between its "
      "extrados corners, and the live load q over the part of that strip between xq1 and xq2, all over the width "
      "of the vault.");
  if (d.SpintaPassiva) {
    carichi += num.traduci("Rapporto", " The voussoirs next to the springings (") + num.intero(d.nConciSpinta[0]) + num.traduci("Rapporto", " on the left, ") +
               num.intero(d.nConciSpinta[1]) +
               num.traduci("Rapporto", " on the right) also carry a horizontal passive pressure: Kp times the slope of their extrados times "
               "the vertical load resting on it.");
  }
  doc.paragrafo(carichi);
  doc.paragrafo(num.traduci("Rapporto", "Three points. The thrust line is made to pass through three points: at the "
                                        "left springing, at the crown joint and at the right springing. With the "
                                        "three points fixed the arch is statically determinate, as a three-hinged "
                                        "arch: the reactions follow from equilibrium and the thrust line is carried "
                                        "joint by joint. A point is a true hinge only where it lies on an edge of its "
                                        "joint."));
  if (!d.OttimizzaCerniere) {
    doc.paragrafo(num.traduci("Rapporto", "Placing the hinges. The hinges lie at the start eccentricities given with the data (el, ec, er)."));
  } else if (d.nDivisioni <= 0) {
    doc.paragrafo(num.traduci("Rapporto", "Placing the hinges. The search was asked for with no steps (n = ") + num.intero(d.nDivisioni) +
                  num.traduci("Rapporto", "): it has no grid on which to place the hinges."));
  } else {
    const int n = PuntiGriglia(d.nDivisioni);
    std::string s = num.traduci("Rapporto", "Placing the hinges. An exhaustive search over a grid of ") + num.intero(n) + " × " +
                    num.intero(n) + " × " + num.intero(n) +
                    num.traduci("Rapporto", " hinge eccentricities across the three joint depths, followed by a finer grid one step on "
                    "either side of the best point. Figure of merit: ");
    s += d.OttimizzaEccentricita
             ? num.traduci("Rapporto", "the largest distance of the thrust line from the nearer edge of any joint.")
             : num.traduci("Rapporto", "the smallest peak compression at the joint edges, a thrust line that keeps every joint compressed "
               "being preferred to one with tension, and among those with tension the one whose largest tension "
               "is least.");
    if (f_.risultati) {
      const RisultatiCalcolo& r = *f_.risultati;
      if (r.PrecisioneRicerca > 0) s += num.traduci("Rapporto", " Grid precision reached: ") + num.mm(r.PrecisioneRicerca) + num.traduci("Rapporto", " mm.");
      if (r.RicercaInterrotta) s += num.traduci("Rapporto", kInterrotta);
    }
    doc.paragrafo(s);
  }
  doc.paragrafo(num.traduci("Rapporto", "Signs and units. Lengths in m, forces in kN, stresses in MPa with compression positive; "
                "eccentricities in mm along the joint from its centre, positive toward the extrados; x to the "
                "right, y upward; reactions are the forces of the supports on the arch."));
}

void SezioneRisultati::Componi(Documento& doc, const NumeriRapporto& num) const {
  doc.sezione(num.traduci("Rapporto", "Three-hinged thrust line: results"));
  if (f_.modello && f_.modello->ponte()) {
    doc.paragrafo(num.traduci("Rapporto", kTreCerniereCampate), true);
    if (f_.campate) Campate(doc, *f_.campate, num);
    return;
  }
  if (!f_.risultati || !f_.modello) {
    doc.paragrafo(num.traduci("Rapporto", "No results: ") + f_.errore, true);
    return;
  }
  const DatiProgetto& d = *f_.dati;
  const ModelloArco& m = *f_.modello;
  const RisultatiCalcolo& r = *f_.risultati;
  if (m.ponte()) {
    doc.paragrafo(num.traduci("Rapporto", kTreCerniereCampate), true);
    return;
  }
  doc.paragrafo(FraseCerniere(d, r, num));

  doc.sottosezione(num.traduci("Rapporto", "Eccentricities used"));
  doc.paragrafo(num.traduci("Rapporto", "The three points the calculation imposes on the thrust line, at the left "
                                        "springing, the crown joint and the right springing: their eccentricity from "
                                        "the centre of the joint (positive toward the extrados) and their position. "
                                        "A point is a hinge only where it lies on an edge of its joint; inside the "
                                        "joint the masonry there stays compressed over part of its depth."));
  auto& e = doc.tabella({{num.traduci("Rapporto", "Thrust-line point"), "", false},
                         {num.traduci("Rapporto", "Section"), ""},
                         {"e", "mm"},
                         {"x", "m"},
                         {"y", "m"},
                         {"h/2", "mm"},
                         {num.traduci("Rapporto", "Kind"), "", false}});
  const Single ecc[3] = {r.EccCalcSinistra, r.EccCalcChiave, r.EccCalcDestra};
  const std::string nomi[3] = {num.traduci("Rapporto", "left springing el"), num.traduci("Rapporto", "crown ec"),
                               num.traduci("Rapporto", "right springing er")};
  const int sezioni[3] = {1, m.iChiave + 1, m.nGiunti};
  for (std::size_t k = 0; k < 3; ++k) {
    const double h = m.Conci(std::max(sezioni[k] - 1, 1)).hSezioneEff;
    e.righe.push_back({nomi[k], num.intero(sezioni[k]), num.mm(ecc[k]), num.metri(r.xCerniera[k]),
                       num.metri(r.yCerniera[k]), num.mm(h / 2), TipoPunto(ecc[k], h, num)});
  }

  doc.sottosezione(num.traduci("Rapporto", "Sections"));
  doc.paragrafo(num.traduci("Rapporto", "For every section: the edge stresses at the extrados (σe) and at the intrados (σi), "
                "compression positive; the mean shear stress (τ); the compressed part of the joint depth; the "
                "normal and shear force (N, T) and the eccentricity of the thrust line (e). N and T are the "
                "components of the force that the part of the arch left of the section applies to the part on its "
                "right: N across the joint, compression positive; T and τ along the joint, positive toward the "
                "extrados."));
  auto& t = doc.tabella({{num.traduci("Rapporto", "Sect."), ""},
                         {"σe", "MPa"},
                         {"σi", "MPa"},
                         {"τ", "MPa"},
                         {"comp.", "%"},
                         {"N", "kN"},
                         {"T", "kN"},
                         {"e", "mm"}});
  for (int j = 1; j <= m.nGiunti && r.SigmaEstGiunti.contains(j); ++j) {
    double N, T, ej;
    if (j == 1) {
      N = r.NPrimaSezione, T = r.TPrimaSezione, ej = r.EccCalcSinistra;
    } else {
      const Concio& c = m.Conci(j - 1);
      N = c.Fassiale, T = c.Ftaglio, ej = c.Eccentric;
    }
    t.righe.push_back({num.intero(j), num.MPa(r.SigmaEstGiunti(j)), num.MPa(r.SigmaIntGiunti(j)),
                       num.MPa(r.TauGiunti(j)), num.percento(r.PercGiunti(j)), num.kN(N), num.kN(T), num.mm(ej)});
  }

  doc.sottosezione(num.traduci("Rapporto", "Worst values"));
  doc.paragrafo(num.traduci("Rapporto", "A worst stress is the largest compression when no joint edge is in tension, otherwise the largest "
                "tension (negative); a compressed part below 100 % means the joint opens on one side."));
  auto& w = doc.tabella({{num.traduci("Rapporto", "Quantity"), "", false}, {num.traduci("Rapporto", "Symbol"), "", false}, {num.traduci("Rapporto", "Value"), ""}, {num.traduci("Rapporto", "Unit"), "", false},
                         {num.traduci("Rapporto", "Section"), ""}});
  w.righe = {{num.traduci("Rapporto", "Extrados stress"), "σe", num.MPa(r.SigmaEstPeggiore), "MPa", num.intero(r.iSigmaEstPeggiore)},
             {num.traduci("Rapporto", "Intrados stress"), "σi", num.MPa(r.SigmaIntPeggiore), "MPa", num.intero(r.iSigmaIntPeggiore)},
             {num.traduci("Rapporto", "Smallest compressed part"), "comp.", num.percento(r.PercMinima), "%", num.intero(r.iPercMinima)}};
  doc.paragrafo(num.traduci("Rapporto", "These elastic stresses are not compared with the masonry's strength fc: they "
                                        "belong to one illustrative thrust line. The assessment checks crushing at "
                                        "every joint through the stress block of the design strength."));

  doc.sottosezione(num.traduci("Rapporto", "Reactions at springings"));
  doc.paragrafo(num.traduci("Rapporto", "The forces of the supports on the arch: H positive toward the arch (toward "
                                        "+x at the left springing, toward -x at the right one), V positive upward. "
                                        "The model has no tie: the last row is the force a tie between the "
                                        "springings would have to carry, positive in tension."));
  auto& k = doc.tabella({{num.traduci("Rapporto", "Quantity"), "", false},
                         {num.traduci("Rapporto", "Symbol"), "", false},
                         {num.traduci("Rapporto", "Value"), "kN"}});
  k.righe = {{num.traduci("Rapporto", "Horizontal force, left springing"), "Hl", num.kN(r.HSinistra)},
             {num.traduci("Rapporto", "Vertical force, left springing"), "Vl", num.kN(r.VSinistra)},
             {num.traduci("Rapporto", "Horizontal force, right springing"), "Hr", num.kN(r.HDestra)},
             {num.traduci("Rapporto", "Vertical force, right springing"), "Vr", num.kN(r.VDestra)},
             {num.traduci("Rapporto", "Force a tie at the springings would carry (none in the model)"), "",
              num.kN(static_cast<double>(r.HSinistra) + r.SommaHSinistra)},
             {num.traduci("Rapporto", "Total vertical load"), "", num.kN(r.SommaV)}};

  doc.sottosezione(num.traduci("Rapporto", "Passive pressure resultants"));
  doc.paragrafo(num.traduci("Rapporto", "The resultants of the horizontal (passive) pressures on the voussoirs next to "
                                        "each springing, positive toward the crown, and their moments about the "
                                        "extrados ends of the ring."));
  auto& p = doc.tabella(ColonneValori(num));
  p.righe = {{num.traduci("Rapporto", "Passive pressure resultant, left"), "Pl", num.kN(r.SommaHSinistra), "kN"},
             {num.traduci("Rapporto", "Passive pressure resultant, right"), "Pr", num.kN(-r.SommaHDestra), "kN"},
             {num.traduci("Rapporto", "Moment about the left extrados end"), "Ml", num.kN(f_.MomentoPareteSinistra),
              "kNm"},
             {num.traduci("Rapporto", "Moment about the right extrados end"), "Mr", num.kN(f_.MomentoPareteDestra),
              "kNm"}};
}

std::vector<Figura> SezioneRisultati::Figure(const NumeriRapporto& num) const {
  if (!f_.risultati || !f_.modello || f_.modello->ponte()) return {};
  return {FiguraArco(f_, num.regional(), 0,
                     num.traduci("Rapporto", "Results: the thrust line through its three imposed points and the "
                                             "reactions; below, the voussoirs exploded with the thrust line and the "
                                             "edge stresses (σe, σi)"))};
}

}  // namespace voro
