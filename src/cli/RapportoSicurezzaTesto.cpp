// The assessment report: each figure with what it means and its unit.
#include <cmath>
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "drawing/FigureSicurezza.h"
#include "cli/Flussi.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

namespace {

std::string faccia(Faccia f, const Messages& l) {
  return f == Faccia::Intradosso ? l.traduci("Voro", "intrados") : l.traduci("Voro", "extrados");
}

// The hypotheses the figures 2 to 5 rest on.
std::string ipotesi(const DatiProgetto& d, const ModelloArco& m, const RisultatiSicurezza& r, const Messages& l,
                    const std::string& dec) {
  std::string t = l.traduci("Voro", "no tensile strength, ");
  t += r.resistenzaMinima
           ? Componi(l.traduci("Voro", "compressive strength %1 MPa (chords within %2% of the live-load factor)"),
                     {TestoResistenza(d, m, r, fmt(dec, "%.4g", *r.resistenzaMinima)), fmt(dec, "%.2g", r.tolleranzaResistenza * 100)})
           : l.traduci("Voro", "unlimited compressive strength (rigid voussoirs)");
  t += r.attrito ? Componi(l.traduci("Voro", ", friction mu = %1"), {fmt(dec, "%.4g", *r.attrito)})
                 : l.traduci("Voro", ", no sliding");
  if (r.mobilitazione)
    t += Componi(l.traduci("Voro", ",\n  passive pressure a resistance up to %1 times its full value"),
                 {fmt(dec, "%.4g", *r.mobilitazione)});
  return t;
}

}  // namespace

std::string CerniereInParole(const std::vector<Cerniera>& c, const RisultatiSicurezza& r, const Messages& l) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k) {
    const std::string come = c[k].tipo == TipoCerniera::Schiacciamento ? l.traduci("Voro", ", crushing")
                             : c[k].tipo == TipoCerniera::Scorrimento  ? l.traduci("Voro", ", sliding")
                                                                       : std::string();
    const auto j = static_cast<std::size_t>(c[k].giunto - 1);
    std::string dove = std::to_string(c[k].giunto);
    if (r.nCampate > 1 && j < r.posti.size()) {
      const PostoGiunto& p = r.posti[j];
      dove = p.pila > 0 ? Componi(l.traduci("Voro", "pier %1 base"), {std::to_string(p.pila)})
                        : Componi(l.traduci("Voro", "span %1 joint %2"),
                                  {std::to_string(p.campata), std::to_string(p.giunto)});
      if (p.pila > 0) {
        t += (k ? ", " : "") + dove + " (" +
             (c[k].tipo == TipoCerniera::Scorrimento ? l.traduci("Voro", "the pier slides")
                                                      : Componi(l.traduci("Voro", "the pier rocks about its %1 edge"),
                                                                {c[k].faccia == Faccia::Estradosso
                                                                     ? l.traduci("Voro", "right")
                                                                     : l.traduci("Voro", "left")})) +
             come + ")";
        continue;
      }
    }
    t += (k ? ", " : "") + dove + " (" + faccia(c[k].faccia, l) + come + ")";
  }
  return t;
}

std::string RigheImposte(const ImposteArco& a, const Messages& l, const std::string& dec) {
  std::string s;
  // Each side a whole sentence, so that a translation can order it.
  auto lato = [&s, &l, &dec](bool sinistra, const ImpostaRialzata& i) {
    const char* modello =
        sinistra ? (i.conciParete == 1 ? VORO_NOOP("Voro", "Springing raised: the left wall takes %1 voussoir; the "
                                                           "arch springs at y = %2 m, %3 m above the ring's end.")
                                       : VORO_NOOP("Voro", "Springing raised: the left wall takes %1 voussoirs; the "
                                                           "arch springs at y = %2 m, %3 m above the ring's end."))
                 : (i.conciParete == 1 ? VORO_NOOP("Voro", "Springing raised: the right wall takes %1 voussoir; the "
                                                           "arch springs at y = %2 m, %3 m above the ring's end.")
                                       : VORO_NOOP("Voro", "Springing raised: the right wall takes %1 voussoirs; the "
                                                           "arch springs at y = %2 m, %3 m above the ring's end."));
    s += Componi(l.traduci("Voro", modello),
                 {std::to_string(i.conciParete), fmt(dec, "%.3f", i.y), fmt(dec, "%.3f", i.rialzo)}) +
         "\n";
  };
  if (a.sinistra) lato(true, *a.sinistra);
  if (a.destra) lato(false, *a.destra);
  return s;
}

void ScriviRapportoSicurezza(std::ostream& out, const ProgettoValutato& p) {
  const Soluzione& s = p.soluzione;
  const DatiProgetto& d = s.dati;
  const ModelloArco& m = s.modello;
  const RisultatiSicurezza& r = p.sicurezza;
  const Messages& l = s.messaggi;
  const std::string& dec = s.decimale;
  out << l.traduci("Voro", "Voro - how safe is the arch: exact limit analysis") << "\n";
  // Names and titles may hold control characters that would drive the terminal.
  out << Componi(l.traduci("Voro", "File:    %1"), {TestoTerminale(NomeFile(s.file))}) << "\n";
  if (!d.Titolo.empty()) out << Componi(l.traduci("Voro", "Project: %1"), {TestoTerminale(d.Titolo)}) << "\n";
  if (s.esito != Esito::Risolto) {
    out << "\n" << Componi(l.traduci("Voro", "No assessment: %1"), {s.errore}) << "\n";
    return;
  }
  out << "\n";
  if (m.ponte())
    out << Componi(l.traduci("Voro", "Model: a bridge of %1 spans on %2 piers, %3 voussoirs; the joints of each span "
                                     "numbered from its left springing (1), each pier resting on its base joint; "
                                     "the whole bridge in one analysis, its mechanism free to take adjacent spans "
                                     "and the piers."),
                   {std::to_string(m.Campate.size()), std::to_string(m.Pile.size()), std::to_string(m.nConciTot)});
  else
    out << Componi(l.traduci("Voro", "Model: %1 voussoirs, %2 joints (1 = left springing, i + 1 = right joint of "
                                     "voussoir i), loads as for the calculation."),
                   {std::to_string(m.nConciTot), std::to_string(m.nGiunti)});
  out << "\n"
      << Componi(l.traduci("Voro", "Hypotheses of figures 2 to 5: %1."), {ipotesi(d, m, r, l, dec)}) << "\n"
      << l.traduci("Voro", "The geometric safety (1) is Heyman's: rigid voussoirs, no tensile strength, unlimited\n"
                           "compressive strength, no sliding, passive pressure as a fixed load. A thrust line fits\n"
                           "when, at every joint, it passes within the joint's depth; it lies within the fraction s\n"
                           "when |e| <= s h/2.")
      << "\n";
  if (const std::string rialzo = RigheImposte(ImposteSuPareti(m), l, dec); !rialzo.empty()) out << rialzo;
  ScriviVerdetto(out, p);

  out << "\n" << l.traduci("Voro", "1. Geometric safety") << "\n";
  if (!r.certificatoGeometrico.valido()) {
    out << "  " << l.traduci("Voro", "Not certified: no solver gave an answer that passes both theorems' checks.") << "\n";
  } else if (!r.rapportoSpessore) {
    out << "  " << l.traduci("Voro", "No thrust line keeps every joint in compression: the arch cannot stand.") << "\n";
  } else {
    const double sr = *r.rapportoSpessore;
    out << "  "
        << Componi(l.traduci("Voro", "The thrust line of least eccentricity needs s = %1 of each joint's half depth."),
                   {fmtFattore(dec, sr, 4)})
        << "\n";
    if (r.fattoreGeometrico)
      out << "  "
          << Componi(l.traduci("Voro", "Depth ratio 1/s = %1: each joint is that many times as deep as this thrust "
                                       "line needs."),
                     {fmtFattore(dec, *r.fattoreGeometrico, 3)})
          << "\n";
    else
      out << "  "
          << l.traduci("Voro", "It follows the centre line of every joint (s = 0): the ring is the funicular of its "
                               "loads.")
          << "\n";
    out << "  "
        << (!r.certificatoAmmissibile.valido()
                ? l.traduci("Voro", "Whether a thrust line fits under the hypotheses above is not certified: no "
                                    "solver gave an answer that passes both theorems' checks.")
            : r.ammissibile ? l.traduci("Voro", "A thrust line fits within the masonry: the arch stands under its loads "
                                                "(safe theorem).")
                            : l.traduci("Voro", "No thrust line fits within the masonry, whatever the hinges: the arch "
                                                "cannot stand."))
        << "\n";
    if (r.ammissibile != (*r.rapportoSpessore <= 1))
      out << "  "
          << l.traduci("Voro", "(Whether a line fits is judged under the hypotheses above, not the rigid ones of s.)")
          << "\n";
    if (r.spintaIllimitataMinima)
      out << "  " << l.traduci("Voro", "(That line is approached only as the thrust grows without limit.)") << "\n";
    if (!r.contatti.empty())
      out << "  "
          << Componi(l.traduci("Voro", "It touches the reduced section at joints %1."), {CerniereInParole(r.contatti, r, l)})
          << "\n";
  }

  out << "\n"
      << l.traduci("Voro", "2. Thrust range [kN] (horizontal force of the left support on the arch, toward the arch)")
      << "\n";
  if (r.ammissibile && !r.certificatoCampo.valido()) {
    out << "  " << l.traduci("Voro", "Not certified: no solver gave an answer that passes both theorems' checks.") << "\n";
  } else if (!r.spintaMinima) {
    out << "  " << l.traduci("Voro", "None: no thrust line fits within the masonry.") << "\n";
  } else {
    out << "  "
        << Componi(l.traduci("Voro", "least   %1   (the least the arch needs: its supports spreading apart)"),
                   {fmt(dec, "%10.2f", *r.spintaMinima)})
        << "\n";
    if (r.spintaMassima)
      out << "  "
          << Componi(l.traduci("Voro", "largest %1   (the most a tie or an abutment may have to take: supports "
                                       "pushed together)"),
                     {fmt(dec, "%10.2f", *r.spintaMassima)})
          << "\n";
    else
      out << "  " << l.traduci("Voro", "largest    no upper limit (a straight thrust line fits the arch)") << "\n";
  }

  out << "\n" << l.traduci("Voro", "3. Live-load factor (dead loads as given)") << "\n";
  switch (r.esitoCarico) {
    case EsitoCarico::Finito:
      out << "  "
          << Componi(*r.fattoreCarico >= 1
                         ? l.traduci("Voro", "The variable load can be multiplied by %1 before the arch becomes a "
                                             "mechanism.")
                         : l.traduci("Voro", "The variable load can be multiplied by %1 before the arch becomes a "
                                             "mechanism: less than 1, the arch cannot carry the project's variable "
                                             "load."),
                     {fmtFattore(dec, *r.fattoreCarico, 3)})
          << "\n";
      out << "  "
          << Componi(l.traduci("Voro", "Collapse mechanism, %1 hinges at joints %2."),
                     {std::to_string(r.meccanismo.size()), CerniereInParole(r.meccanismo, r, l)})
          << "\n";
      if (!r.resistenzaFinita)
        out << "  " << l.traduci("Voro", "(A factor of rigid masonry of unlimited strength.)") << "\n";
      break;
    case EsitoCarico::Illimitato:
      out << "  "
          << l.traduci("Voro", "No finite factor: the variable load alone can never turn the arch into a mechanism.")
          << "\n";
      break;
    case EsitoCarico::NessunCarico:
      out << "  " << l.traduci("Voro", "None: the project has no variable load.") << "\n";
      break;
    case EsitoCarico::Impossibile:
      out << "  " << l.traduci("Voro", "None: not even without the variable load does a thrust line fit.") << "\n";
      break;
    case EsitoCarico::NonCertificato:
      out << "  " << l.traduci("Voro", "Not certified: no solver gave an answer that passes both theorems' checks.") << "\n";
      break;
  }

  out << "\n" << l.traduci("Voro", "4. Worst position of the strip load") << "\n";
  if (r.posizioni.empty()) {
    out << "  "
        << (d.qCarico == 0 || !(r.lunghezzaCarico > 0)
                ? l.traduci("Voro", "Not computed: the project has no strip load.")
                : l.traduci("Voro", "Not computed: no positions asked for."))
        << "\n";
  } else {
    out << "  "
        << Componi(l.traduci("Voro", "The strip of %1 kN/m2 over %2 m moved across the structure in %3 positions:"),
                   {fmt(dec, "%.4g", d.qCarico), fmt(dec, "%.3f", r.lunghezzaCarico), std::to_string(r.posizioni.size())})
        << "\n";
    if (r.posizioniNonCertificate > 0)
      out << "  "
          << Componi(l.traduci("Voro", "not certified at %1 positions: no least factor is given."),
                     {std::to_string(r.posizioniNonCertificate)})
          << "\n";
    else if (r.fattorePeggiore)
      out << "  "
          << Componi(l.traduci("Voro", "least live-load factor %1 with the strip from x = %2 to %3 m (refined between "
                                       "its neighbouring positions)."),
                     {fmtFattore(dec, *r.fattorePeggiore, 3), fmt(dec, "%.3f", *r.xq1Peggiore), fmt(dec, "%.3f", *r.xq2Peggiore)})
          << "\n";
    else
      out << "  " << l.traduci("Voro", "at no position can the variable load alone make the arch collapse.") << "\n";
    out << l.traduci("Voro", "     xq1 [m]    xq2 [m]      factor   (none: no collapse by the variable load alone)")
        << "\n";
    const std::string nessuno = l.traduci("Voro", "none");
    const std::string incerto = l.traduci("Voro", "not certified");
    for (const PosizioneCarico& q : r.posizioni) {
      const std::string& parola = q.certificata ? nessuno : incerto;
      out << fmt(dec, "%12.3f", q.xq1) << fmt(dec, "%11.3f", q.xq2)
          << (q.fattore ? fmt(dec, "%12.3f", *q.fattore)
                        : std::string(parola.size() < 12 ? 12 - parola.size() : 1, ' ') + parola)
          << "\n";
    }
  }

  out << "\n"
      << l.traduci("Voro", "5. Minimum thickness (every segment's thickness scaled by one factor f, the road,\n"
                           "   slab and loads kept where the project puts them)")
      << "\n";
  if (!r.spessoreMinimoCalcolato) {
    out << "  " << l.traduci("Voro", "Not computed.") << "\n";
  } else if (r.spessoreNonCertificato) {
    out << "  " << l.traduci("Voro", "Not certified: no solver gave an answer that passes both theorems' checks.") << "\n";
  } else if (!r.spessoreMinimo) {
    out << "  " << l.traduci("Voro", "Not found between a thousandth and a thousand times the project's thickness.")
        << "\n";
  } else {
    out << "  "
        << Componi(!r.resistenzaFinita && !r.attrito
                       ? l.traduci("Voro", "A thrust line still fits, under the hypotheses above, with the thinnest "
                                           "segment %1 m thick (f = %2);\n  geometric factor of safety (Heyman) t/tmin = "
                                           "%3: the ring is that many times as thick as the\n  thinnest ring of the "
                                           "same shape that still holds a thrust line under these loads.")
                       : l.traduci("Voro", "A thrust line still fits, under the hypotheses above, with the thinnest "
                                           "segment %1 m thick (f = %2);\n  thickness factor t/tmin = %3 under these "
                                           "hypotheses (with a finite strength or friction it is\n  not Heyman's "
                                           "geometric factor of safety, which holds for rigid masonry)."),
                   {fmt(dec, "%.4f", *r.spessoreMinimo), fmtFattore(dec, *r.fattoreMinimo, 4), fmtFattore(dec, *r.fattoreSpessore, 3)})
        << "\n";
    if (!r.contattiSpessoreMinimo.empty())
      out << "  "
          << Componi(l.traduci("Voro", "Hinges at the least thickness: joints %1."),
                     {CerniereInParole(r.contattiSpessoreMinimo, r, l)})
          << "\n";
    if (!r.spessoreMonotono)
      out << "  "
          << l.traduci("Voro", "Whether a line fits changes more than once about this thickness: a thicker ring "
                               "may not stand, or a thinner one may.")
          << "\n";
  }

  if (p.veicolo) ScriviRapportoVeicolo(out, *p.veicolo, r, l, dec);
  if (r.nCampate > 1) {
    out << "\n" << l.traduci("Voro", "Spans and piers") << "\n";
    for (const CampoCampata& c : r.campiCampate)
      out << "  "
          << Componi(l.traduci("Voro", "Span %1: thrust from %2 to %3 kN."),
                     {std::to_string(c.campata), c.minima ? fmt(dec, "%.2f", *c.minima) : "-",
                      c.massima ? fmt(dec, "%.2f", *c.massima) : l.traduci("Voro", "unbounded")})
          << "\n";
    for (const BasePila& b : r.basiPile)
      out << "  "
          << Componi(l.traduci("Voro", "Pier %1 base, on the line of least eccentricity: N = %2 kN, T = %3 kN, M = %4 kNm."),
                     {std::to_string(b.pila), fmt(dec, "%.2f", b.N), fmt(dec, "%.2f", b.T), fmt(dec, "%.2f", b.M)})
          << "\n";
  }
  ScriviCertificati(out, r, p.veicolo ? &*p.veicolo : nullptr, l, dec);

  if (r.rapportoSpessore) {
    out << "\n" << l.traduci("Voro", "Thrust line of least eccentricity, joint by joint") << "\n";
    out << l.traduci("Voro", " Joint      N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)") << "\n";
    const LineaSpinte& l = r.lineaMinima;
    for (std::size_t j = 0; j < l.e.size(); ++j) {
      const double h = j < r.posti.size() ? r.posti[j].h : 0;
      out << fmt(dec, "%6.0f", static_cast<double>(j + 1)) << fmt(dec, "%12.2f", l.N[j]) << fmt(dec, "%10.1f", l.e[j] * 1000)
          << fmt(dec, "%10.1f", h * 500) << fmt(dec, "%11.4f", std::fabs(l.e[j]) / (h / 2)) << "\n";
    }
  }
}

}  // namespace voro::cli
