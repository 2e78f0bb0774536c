// voro-cli assess: how safe each project's arch is, by exact limit analysis,
// as a report, JSON or a summary table, with the safety plot and the chart
// of the load sweep.
#include <string>
#include <vector>

#include "cli/LinguaComandi.h"
#include "cli/AmbienteGrafico.h"
#include "cli/Comandi.h"
#include "cli/FilePlot.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Interruzione.h"
#include "cli/RapportiSicurezza.h"
#include "cli/Risolutore.h"
#include "cli/UsciteProgetti.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "limite/Valutazione.h"

namespace voro::cli {

namespace {

// The plot file named by an option, and its format; the formats the option
// takes are listed in the message when the name ends in none of them.
FormatoPlot leggiFilePlot(const std::string& opzione, const std::string& percorso,
                          const std::vector<std::string>& formati, const std::string& elenco, bool bianco) {
  FormatoPlot f;
  f.bianco = bianco;
  f.formato = FormatoDalNome(percorso);
  for (const std::string& ammesso : formati)
    if (f.formato == ammesso) return f;
  throw ErroreUso(opzione + " must end in " + elenco);
}

void valuta(ProgettoValutato& p, const OpzioniSoluzione& opzioni, int nPosizioni) {
  Soluzione& s = p.soluzione;
  p.nPosizioni = nPosizioni;
  if (!PreparaModello(s, opzioni)) return;
  OpzioniSicurezza o;
  o.nPosizioni = nPosizioni;
  try {
    ValutaSicurezza(s.dati, s.modello, s.messaggi, o, p.sicurezza);
  } catch (const RuntimeError& e) {
    s.esito = Esito::Fallito;
    s.numeroErrore = e.number();
    s.errore = s.messaggi.empty() ? e.description() : s.messaggi.entries().back().text;
  }
}

// Draws one drawing and writes its file; false when the drawing failed (its
// message shown).
bool scriviDisegno(Tavola& tavola, Disegno& disegno, const FormatoPlot& f, const std::string& percorso,
                   const std::string& file, const RecordingMessages& msg) {
  std::string bytes;
  const bool ok = DisegnaFilePlot(tavola, disegno, f, bytes);
  StampaMessaggi(file, msg);
  if (ok) ScriviUscita(percorso, bytes);
  return ok;
}

int assess(const Argomenti& a) {
  if (a.file.empty()) throw ErroreUso("assess needs a project file");
  ControllaIngressoUnico(a.file);
  OpzioniSoluzione opzioni;
  opzioni.impostazioni = LeggiImpostazioni(a);
  opzioni.traduzioni = a.traduzioni;
  const UsciteRisultati uscite = LeggiUsciteRisultati(a);
  const int nPosizioni = LeggiPosizioni(a);
  const bool bianco = a.ha("--white");
  const std::string plot = a.valore("--plot").value_or("");
  const std::string grafico = a.valore("--plot-sweep").value_or("");
  FormatoPlot fPlot, fGrafico;
  if (!plot.empty())
    fPlot = leggiFilePlot("--plot", plot, {"svg", "png", "pdf", "dxf"}, ".svg, .png, .pdf or .dxf", bianco);
  if (!grafico.empty()) fGrafico = leggiFilePlot("--plot-sweep", grafico, {"svg", "png"}, ".svg or .png", bianco);
  if ((!plot.empty() || !grafico.empty()) && a.file.size() > 1)
    throw ErroreUso("--plot and --plot-sweep take one project");

  // The assessment has no search to stop: Ctrl+C lets the running project
  // end and starts no further one.
  opzioni.stop = &IntercettaInterruzione();
  std::vector<ProgettoValutato> progetti(a.file.size());
  int status = esito::Riuscito;
  for (std::size_t k = 0; k < progetti.size(); ++k) {
    progetti[k].soluzione.file = a.file[k];
    if (Interrotto(opzioni)) NonAvviato(progetti[k].soluzione);
    else valuta(progetti[k], opzioni, nPosizioni);
    status = RiferisciProgetto(progetti[k].soluzione, status);
  }
  ScriviRisultati(progetti, uscite,
                  ScritturaRisultati<ProgettoValutato>{ScriviJsonSicurezza, ScriviRapportoSicurezza, ScriviCsvSicurezza});

  ProgettoValutato& p = progetti[0];
  if ((plot.empty() && grafico.empty()) || p.soluzione.esito != Esito::Risolto) return status;
  AmbienteGrafico grafica;
  const Regional regional = Regional::inglese();
  RecordingMessages msg;
  msg.setTraduzioni(a.traduzioni);
  bool ok = true;
  if (!plot.empty()) {
    Disegno disegno(msg);
    PlottaSicurezza tavola(p.soluzione.dati, p.soluzione.modello, p.sicurezza, regional, disegno);
    ok = scriviDisegno(tavola, disegno, fPlot, plot, p.soluzione.file, msg);
  }
  if (!grafico.empty()) {
    msg.clear();
    Disegno disegno(msg);
    GraficoSpostamento tavola(p.sicurezza, regional, disegno);
    ok = scriviDisegno(tavola, disegno, fGrafico, grafico, p.soluzione.file, msg) && ok;
  }
  // A drawing that failed fails the command as a failed calculation does.
  return !ok && status == esito::Riuscito ? esito::Fallito : status;
}

}  // namespace

const Comando& ComandoAssess() {
  static const Comando c{
      "assess",
      {"assess FILE.vro [FILE.vro ...] [options]"},
      "assess how safe the arch is, by exact limit analysis",
      "Assesses the arch by exact limit analysis (Heyman's hypotheses: rigid\n"
      "voussoirs, no tension, unlimited compressive strength, no sliding) on the\n"
      "voussoirs and loads that solve builds, without the hinge search:\n"
      "  1. the thrust line of least eccentricity, the fraction s of each joint's\n"
      "     half depth it needs and the geometric safety factor 1/s (s <= 1: a\n"
      "     thrust line fits, the arch stands; s > 1: none fits, whatever the\n"
      "     hinges);\n"
      "  2. the least and largest horizontal thrust of the lines that fit (kN);\n"
      "  3. the live-load factor: the largest multiplier of the variable load\n"
      "     before collapse, with its four-hinge mechanism;\n"
      "  4. the worst position of the strip load, moved across the structure;\n"
      "  5. the minimum thickness: every segment's thickness scaled by one factor.\n"
      "An arch in which no thrust line fits is a result, not a failure. Projects\n"
      "are assessed one after another; Ctrl+C lets the running one end and starts\n"
      "no further project, a second Ctrl+C aborts.\n",
      {{"--json", "",
        "print one JSON object per project (kN, m): admissible,\nthicknessRatio, geometricSafetyFactor, thrustMin,\n"
        "thrustMax, liveLoadFactor, mechanism, sweep,\nworstLiveLoadFactor, worstXq1, minimumThickness,\n"
        "thicknessFactor, eccentricities (an array for several)"},
       {"--sweep", "N", kAiutoSweep},
       {"--csv", "FILE.csv",
        "write a summary row per project (figures, mechanism,\nstatus); '-' prints the table instead of the report"},
       {"--plot", "PLOT.svg|.png|.pdf|.dxf",
        "the arch with the thrust line of least eccentricity and\nthe collapse mechanism (one project)"},
       {"--plot-sweep", "CHART.svg|.png",
        "the chart of the live-load factor against the position\nof the strip load (one project)"},
       {"--white", "", "white background of the PNG and SVG plots"},
       {"--set", "NAME=VALUE", kAiutoSet},
       OpzioneLocale()},
      assess};
  return c;
}

}  // namespace voro::cli
