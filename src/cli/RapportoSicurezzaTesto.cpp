// The assessment report: each figure with what it means and its unit.
#include <cmath>
#include <cstdio>
#include <string>

#include "cli/Comune.h"
#include "cli/Flussi.h"
#include "cli/RapportiSicurezza.h"

namespace voro::cli {

namespace {

std::string faccia(Faccia f) { return f == Faccia::Intradosso ? "intrados" : "extrados"; }

std::string cerniere(const std::vector<Cerniera>& c) {
  std::string t;
  for (std::size_t k = 0; k < c.size(); ++k) {
    const char* come = c[k].tipo == TipoCerniera::Schiacciamento ? ", crushing"
                       : c[k].tipo == TipoCerniera::Scorrimento  ? ", sliding"
                                                                 : "";
    t += (k ? ", " : "") + std::to_string(c[k].giunto) + " (" + faccia(c[k].faccia) + come + ")";
  }
  return t;
}

// The hypotheses the figures 2 to 5 rest on.
std::string ipotesi(const RisultatiSicurezza& r) {
  std::string t = "no tensile strength, ";
  t += r.resistenzaMinima ? "compressive strength fc >= " + fmt("%.4g", *r.resistenzaMinima) +
                                " MPa (chords within " + fmt("%.2g", r.tolleranzaResistenza * 100) +
                                "% of the live-load factor)"
                          : std::string("unlimited compressive strength (rigid voussoirs)");
  t += r.attrito ? ", friction mu = " + fmt("%.4g", *r.attrito) : std::string(", no sliding");
  if (r.mobilitazione)
    t += ",\n  passive pressure a resistance up to " + fmt("%.4g", *r.mobilitazione) + " times its full value";
  return t;
}

}  // namespace

std::string RigheImposte(const ImposteArco& a) {
  std::string s;
  auto lato = [&s](const char* nome, const ImpostaRialzata& i) {
    s += std::string("Springing raised: the ") + nome + " wall takes " + std::to_string(i.conciParete) +
         " voussoir" + (i.conciParete == 1 ? "" : "s") + "; the arch springs at y = " + fmt("%.3f", i.y) + " m, " +
         fmt("%.3f", i.rialzo) + " m above the ring's end.\n";
  };
  if (a.sinistra) lato("left", *a.sinistra);
  if (a.destra) lato("right", *a.destra);
  return s;
}

void ScriviRapportoSicurezza(std::ostream& out, const ProgettoValutato& p) {
  const Soluzione& s = p.soluzione;
  const DatiProgetto& d = s.dati;
  const ModelloArco& m = s.modello;
  const RisultatiSicurezza& r = p.sicurezza;
  out << "Voro - how safe is the arch: exact limit analysis\n";
  // Names and titles may hold control characters that would drive the terminal.
  out << "File:    " << TestoTerminale(NomeFile(s.file)) << "\n";
  if (!d.Titolo.empty()) out << "Project: " << TestoTerminale(d.Titolo) << "\n";
  if (s.esito != Esito::Risolto) {
    out << "\nNo assessment: " << s.errore << "\n";
    return;
  }
  out << "\nModel: " << m.nConciTot << " voussoirs, " << m.nGiunti
      << " joints (1 = left springing, i + 1 = right joint of voussoir i), loads as for the calculation.\n"
         "Hypotheses of figures 2 to 5: "
      << ipotesi(r)
      << ".\nThe geometric safety (1) is Heyman's: rigid voussoirs, no tensile strength, unlimited\n"
         "compressive strength, no sliding, passive pressure as a fixed load. A thrust line fits\n"
         "when, at every joint, it passes within the joint's depth; it lies within the fraction s\n"
         "when |e| <= s h/2.\n";
  if (const std::string rialzo = RigheImposte(ImposteSuPareti(m)); !rialzo.empty()) out << rialzo;
  ScriviVerdetto(out, p);

  out << "\n1. Geometric safety\n";
  if (!r.rapportoSpessore) {
    out << "  No thrust line keeps every joint in compression: the arch cannot stand.\n";
  } else {
    const double sr = *r.rapportoSpessore;
    out << "  The thrust line of least eccentricity needs s = " << fmtFattore(sr, 4)
        << " of each joint's half depth.\n";
    if (r.fattoreGeometrico)
      out << "  Depth ratio 1/s = " << fmtFattore(*r.fattoreGeometrico, 3)
          << ": each joint is that many times as deep as this thrust line needs.\n";
    else
      out << "  It follows the centre line of every joint (s = 0): the ring is the funicular of its loads.\n";
    out << (r.ammissibile ? "  A thrust line fits within the masonry: the arch stands under its loads (safe theorem).\n"
                          : "  No thrust line fits within the masonry, whatever the hinges: the arch cannot stand.\n");
    if (r.ammissibile != (*r.rapportoSpessore <= 1))
      out << "  (Whether a line fits is judged under the hypotheses above, not the rigid ones of s.)\n";
    if (r.spintaIllimitataMinima)
      out << "  (That line is approached only as the thrust grows without limit.)\n";
    if (!r.contatti.empty()) out << "  It touches the reduced section at joints " << cerniere(r.contatti) << ".\n";
  }

  out << "\n2. Thrust range [kN] (horizontal force of the left support on the arch, toward the arch)\n";
  if (!r.spintaMinima) {
    out << "  None: no thrust line fits within the masonry.\n";
  } else {
    out << "  least   " << fmt("%10.2f", *r.spintaMinima) << "   (the least the arch needs: its supports spreading apart)\n";
    if (r.spintaMassima)
      out << "  largest " << fmt("%10.2f", *r.spintaMassima)
          << "   (the most a tie or an abutment may have to take: supports pushed together)\n";
    else
      out << "  largest    no upper limit (a straight thrust line fits the arch)\n";
  }

  out << "\n3. Live-load factor (dead loads as given)\n";
  switch (r.esitoCarico) {
    case EsitoCarico::Finito:
      out << "  The variable load can be multiplied by " << fmtFattore(*r.fattoreCarico, 3)
          << " before the arch becomes a mechanism";
      out << (*r.fattoreCarico >= 1 ? ".\n" : ": less than 1, the arch cannot carry the project's variable load.\n");
      out << "  Collapse mechanism, " << r.meccanismo.size() << " hinges at joints " << cerniere(r.meccanismo) << ".\n";
      if (!r.resistenzaFinita) out << "  (A factor of rigid masonry of unlimited strength.)\n";
      break;
    case EsitoCarico::Illimitato:
      out << "  No finite factor: the variable load alone can never turn the arch into a mechanism.\n";
      break;
    case EsitoCarico::NessunCarico:
      out << "  None: the project has no variable load.\n";
      break;
    case EsitoCarico::Impossibile:
      out << "  None: not even without the variable load does a thrust line fit.\n";
      break;
  }

  out << "\n4. Worst position of the strip load\n";
  if (r.posizioni.empty()) {
    out << "  Not computed: " << (d.qCarico == 0 || !(r.lunghezzaCarico > 0) ? "the project has no strip load.\n"
                                                                            : "no positions asked for.\n");
  } else {
    out << "  The strip of " << fmt("%.4g", d.qCarico) << " kN/m2 over " << fmt("%.3f", r.lunghezzaCarico)
        << " m moved across the structure in " << r.posizioni.size() << " positions:\n";
    if (r.fattorePeggiore)
      out << "  least live-load factor " << fmtFattore(*r.fattorePeggiore, 3) << " with the strip from x = "
          << fmt("%.3f", *r.xq1Peggiore) << " to " << fmt("%.3f", *r.xq2Peggiore) << " m.\n";
    else
      out << "  at no position can the variable load alone make the arch collapse.\n";
    out << "     xq1 [m]    xq2 [m]      factor   (none: no collapse by the variable load alone)\n";
    for (const PosizioneCarico& q : r.posizioni)
      out << fmt("%12.3f", q.xq1) << fmt("%11.3f", q.xq2)
          << (q.fattore ? fmt("%12.3f", *q.fattore) : std::string("        none")) << "\n";
  }

  out << "\n5. Minimum thickness (every segment's thickness scaled by one factor f, the road,\n"
         "   slab and loads kept where the project puts them)\n";
  if (!r.spessoreMinimoCalcolato) {
    out << "  Not computed.\n";
  } else if (!r.spessoreMinimo) {
    out << "  Not found between a thousandth and a thousand times the project's thickness.\n";
  } else {
    out << "  A thrust line still fits, under the hypotheses above, with the thinnest segment "
        << fmt("%.4f", *r.spessoreMinimo) << " m thick (f = " << fmtFattore(*r.fattoreMinimo, 4)
        << ");\n  geometric factor of safety (Heyman) t/tmin = " << fmtFattore(*r.fattoreSpessore, 3)
        << ": the ring is that many times as thick as the\n"
           "  thinnest ring of the same shape that still holds a thrust line under these loads.\n";
    if (!r.contattiSpessoreMinimo.empty())
      out << "  Hinges at the least thickness: joints " << cerniere(r.contattiSpessoreMinimo) << ".\n";
  }

  if (p.veicolo) ScriviRapportoVeicolo(out, *p.veicolo);

  if (r.rapportoSpessore) {
    out << "\nThrust line of least eccentricity, joint by joint\n";
    out << " Joint      N [kN]    e [mm]  h/2 [mm]  |e|/(h/2)\n";
    const LineaSpinte& l = r.lineaMinima;
    for (std::size_t j = 0; j < l.e.size(); ++j) {
      const Concio& c1 = m.Conci(1);
      const double h = j == 0 ? std::hypot(c1.x(4) - c1.x(1), c1.y(4) - c1.y(1)) : m.Conci(static_cast<int>(j)).hSezioneEff;
      out << fmt("%6.0f", static_cast<double>(j + 1)) << fmt("%12.2f", l.N[j]) << fmt("%10.1f", l.e[j] * 1000)
          << fmt("%10.1f", h * 500) << fmt("%11.4f", std::fabs(l.e[j]) / (h / 2)) << "\n";
    }
  }
}

}  // namespace voro::cli
