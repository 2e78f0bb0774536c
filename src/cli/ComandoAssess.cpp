// voro-cli assess: how safe each project's arch is, by exact limit analysis,
// as a report, JSON or a summary table, with the safety plot and the chart
// of the load sweep.
#include <iostream>
#include <string>
#include <vector>

#include "cli/LinguaComandi.h"
#include "cli/AmbienteGrafico.h"
#include "cli/Comandi.h"
#include "cli/FilePlot.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Interruzione.h"
#include "cli/IpotesiAssess.h"
#include "cli/RapportiSicurezza.h"
#include "cli/SceltaVeicolo.h"
#include "cli/Risolutore.h"
#include "arch/CostruisciModello.h"
#include "arch/Ponte.h"
#include "data/SezioniFile.h"
#include <cmath>
#include <optional>
#include "cli/UsciteProgetti.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/GraficoVeicolo.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/PlottaVeicolo.h"
#include "limite/PercorsoVeicolo.h"
#include "limite/Adeguatezza.h"
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

// --span K: span K of a bridge on its own, springing from rigid piers.
std::optional<int> leggiCampata(const Argomenti& a) {
  const auto testo = a.valore("--span");
  if (!testo) return std::nullopt;
  float k = 0;
  if (testo->empty() || !LeggiNumero(*testo, k) || !(k >= 1) || k != std::floor(k) || k > kMaxCampate)
    throw ErroreUso("--span needs a span number from 1 to " + std::to_string(kMaxCampate));
  return static_cast<int>(k);
}

void valuta(ProgettoValutato& p, const OpzioniSoluzione& opzioni, int nPosizioni, const IpotesiAssess& ipotesi,
            const SceltaVeicolo& scelta, std::optional<int> campata) {
  Soluzione& s = p.soluzione;
  p.nPosizioni = nPosizioni;
  if (!PreparaModello(s, opzioni)) return;
  ApplicaIpotesi(ipotesi, s.dati);
  scelta.Applica(s.dati);
  if (campata || !s.dati.Campate.empty()) {
    try {
      if (campata && *campata > s.dati.nCampate())
        throw RuntimeError(err::AssemblyFailed,
                           Componi(s.messaggi.traduci("Voro", "Il progetto ha %1 campate: non c'è la campata %2"),
                                   {std::to_string(s.dati.nCampate()), std::to_string(*campata)}));
      // The strengths typed for this run reach every span; one span alone
      // springs from its piers as from rigid abutments without walls.
      if (campata) s.dati = ProgettoCampata(s.dati, *campata - 1, s.messaggi);
      CostruisciModello(s.dati, s.modello, s.messaggi);
    } catch (const RuntimeError& e) {
      s.messaggi.critical(MessaggioGeometria(e, s.messaggi));
      s.esito = Esito::Fallito;
      s.numeroErrore = e.number();
      s.errore = s.messaggi.entries().back().text;
      return;
    }
  }
  OpzioniSicurezza o;
  o.nPosizioni = nPosizioni;
  o.passoVeicolo = scelta.passo;
  try {
    ValutaSicurezza(s.dati, s.modello, s.messaggi, o, p.sicurezza);
    if (s.dati.VeicoloCarico) {
      p.veicolo.emplace();
      // Like the rest of the assessment, the sweep of the running project ends
      // whatever Ctrl+C says.
      PercorriVeicolo(s.dati, s.modello, scelta.passo, nullptr, *p.veicolo);
    }
    Adeguatezza a;
    if (ValutaAdeguatezza(s.dati, o, a, &p.sicurezza, p.veicolo ? &*p.veicolo : nullptr)) p.adeguatezza = a;
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
  opzioni.normativa = LeggiSceltaNormativa(a);
  opzioni.traduzioni = a.traduzioni;
  opzioni.decimale = LinguaRichiesta(a) == Lingua::Italiano ? "," : ".";
  const UsciteRisultati uscite = LeggiUsciteRisultati(a);
  const int nPosizioni = LeggiPosizioni(a);
  const IpotesiAssess ipotesi = LeggiIpotesi(a);
  const SceltaVeicolo scelta = LeggiSceltaVeicolo(a);
  const std::optional<int> campata = leggiCampata(a);
  const bool bianco = a.ha("--white");
  const std::string plot = a.valore("--plot").value_or("");
  const std::string grafico = a.valore("--plot-sweep").value_or("");
  const std::string plotVeicolo = a.valore("--plot-vehicle").value_or("");
  const std::string graficoVeicolo = a.valore("--plot-vehicle-sweep").value_or("");
  FormatoPlot fPlot, fGrafico, fPlotVeicolo, fGraficoVeicolo;
  if (!plot.empty())
    fPlot = leggiFilePlot("--plot", plot, {"svg", "png", "pdf", "dxf"}, ".svg, .png, .pdf or .dxf", bianco);
  if (!grafico.empty()) fGrafico = leggiFilePlot("--plot-sweep", grafico, {"svg", "png"}, ".svg or .png", bianco);
  if (!plotVeicolo.empty())
    fPlotVeicolo = leggiFilePlot("--plot-vehicle", plotVeicolo, {"svg", "png", "pdf", "dxf"}, ".svg, .png, .pdf or .dxf",
                                 bianco);
  if (!graficoVeicolo.empty())
    fGraficoVeicolo = leggiFilePlot("--plot-vehicle-sweep", graficoVeicolo, {"svg", "png"}, ".svg or .png", bianco);
  const bool disegni = !plot.empty() || !grafico.empty() || !plotVeicolo.empty() || !graficoVeicolo.empty();
  if (disegni && a.file.size() > 1) throw ErroreUso("--plot, --plot-sweep and the vehicle's plots take one project");

  // The assessment has no search to stop: Ctrl+C lets the running project
  // end and starts no further one.
  opzioni.stop = &IntercettaInterruzione();
  std::vector<ProgettoValutato> progetti(a.file.size());
  int status = esito::Riuscito;
  for (std::size_t k = 0; k < progetti.size(); ++k) {
    progetti[k].soluzione.file = a.file[k];
    if (Interrotto(opzioni)) NonAvviato(progetti[k].soluzione);
    else valuta(progetti[k], opzioni, nPosizioni, ipotesi, scelta, campata);
    status = RiferisciProgetto(progetti[k].soluzione, status);
  }
  ScriviRisultati(progetti, uscite,
                  ScritturaRisultati<ProgettoValutato>{ScriviJsonSicurezza, ScriviRapportoSicurezza, ScriviCsvSicurezza});

  ProgettoValutato& p = progetti[0];
  if (!disegni || p.soluzione.esito != Esito::Risolto) return status;
  AmbienteGrafico grafica;
  // The numbers as the files write them, the words in the language asked for.
  Regional regional = Regional::inglese();
  regional.setTraduzioni(a.traduzioni);
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
    GraficoSpostamento tavola(p.sicurezza, p.soluzione.modello, regional, disegno);
    ok = scriviDisegno(tavola, disegno, fGrafico, grafico, p.soluzione.file, msg) && ok;
  }
  if (!plotVeicolo.empty() || !graficoVeicolo.empty()) {
    if (!p.veicolo) {
      std::cerr << "voro-cli: "
                << Componi(msg.traduci("Voro", "%1: no vehicle (--vehicle NAME): the vehicle's plots are not written"),
                           {TestoTerminale(p.soluzione.file)})
                << "\n";
      ok = false;
    } else {
      const VeicoloInPosizione peggiore = PosizionePeggiore(*p.veicolo);
      if (!plotVeicolo.empty()) {
        msg.clear();
        Disegno disegno(msg);
        PlottaVeicolo tavola(p.soluzione.dati, p.soluzione.modello, peggiore, regional, disegno);
        ok = scriviDisegno(tavola, disegno, fPlotVeicolo, plotVeicolo, p.soluzione.file, msg) && ok;
      }
      if (!graficoVeicolo.empty()) {
        msg.clear();
        Disegno disegno(msg);
        GraficoVeicolo tavola(*p.veicolo, regional, disegno);
        ok = scriviDisegno(tavola, disegno, fGraficoVeicolo, graficoVeicolo, p.soluzione.file, msg) && ok;
      }
    }
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
      "Assesses the arch by exact limit analysis on the voussoirs and loads that\n"
      "solve builds, without the hinge search. The joints carry no tension;\n"
      "without --strength, --friction or the project's own values the masonry is\n"
      "rigid, of unlimited compressive strength, and never slides (Heyman's\n"
      "hypotheses). With a strength fc a joint of depth h and width b carries N\n"
      "up to fc b h and |M| <= N (h/2 - N/(2 fc b)), by chords from inside the\n"
      "parabola (live-load factor within 0.1% below the exact one); with a\n"
      "friction MU every joint holds |T| <= MU N. Passive pressure, where the\n"
      "project asks for it, is a resistance between 0 and the mobilisation\n"
      "factor times its full value. Figures:\n"
      "  1. the thrust line of least eccentricity, the fraction s of each joint's\n"
      "     half depth it needs and the depth ratio 1/s, each joint's depth over\n"
      "     the depth the line needs, always Heyman's (rigid, passive pressure\n"
      "     as a fixed load); whether a line fits under the stated hypotheses\n"
      "     decides if the arch stands;\n"
      "  2. the least and largest horizontal thrust of the lines that fit (kN);\n"
      "  3. the live-load factor: the largest multiplier of the variable load\n"
      "     before collapse, with its mechanism (hinges, crushing hinges at the\n"
      "     stress block's edge, sliding joints);\n"
      "  4. the worst position of the strip load, moved across the structure;\n"
      "  5. the minimum thickness: every segment's thickness scaled by one factor,\n"
      "     the road, slab and loads left where the project puts them, and\n"
      "     the thickness factor t/tmin under the stated hypotheses (Heyman's\n"
      "     geometric factor of safety when the masonry is rigid and never slides);\n"
      "  6. with a vehicle (--vehicle, or the project's own): the vehicle driven\n"
      "     across the bridge each way it can travel, its axles spread through the\n"
      "     fill, the live-load factor of the strip load and the vehicle together\n"
      "     at every position, the worst position refined to 0.1 mm, with its\n"
      "     mechanism and each axle's load at collapse.\n"
      "First comes the verdict: the adequacy factor is the live-load factor of\n"
      "the design variable loads (gQ times the loads) with the design permanent\n"
      "loads and the design strength fc/(gM FC), in every combination of the\n"
      "structural (G1) and the other (G2) permanent loads each at its inf or sup\n"
      "factor; the smallest is reported with its combination, and the arch is\n"
      "adequate when it is at least 1. The factors are the project's own unless\n"
      "--code, --knowledge, --factor or --track change them. Under --code en or\n"
      "ntc there is a verdict only when the knowledge level (--knowledge), the\n"
      "masonry's factor gM (--factor gM=) and a compressive strength fc for every\n"
      "ring are given; otherwise the verdict names what is missing and the\n"
      "figures are still given. A rail vehicle's axles (category rail, as LM71)\n"
      "take gQrail alpha Phi instead of gQ: rail traffic's own factor (1.45),\n"
      "the classification factor alpha (en 1.0, ntc 1.1) and the dynamic factor\n"
      "Phi2 (--track careful) or Phi3 (standard) of the determinant length\n"
      "LPhi = 2 x the clear span (the shortest span of a bridge), less\n"
      "(h - 1.00)/10 for a cover h of fill and slab above 1.00 m, never below\n"
      "1.0 (ntc: 1.0 above 2.50 m); the strip load keeps gQ. The vehicle's own\n"
      "live-load factor (figure 6) is of its axle loads as listed, without\n"
      "alpha and Phi.\n"
      "Every figure is certified by both theorems before it is shown: a thrust\n"
      "line that stands (each voussoir in equilibrium, each joint within the\n"
      "stated domain) and a mechanism, or a proof that no line fits, agreeing\n"
      "within the stated gap; the dense simplex first, COIN-OR CLP where it\n"
      "fails. A figure neither certifies is reported as not certified.\n"
      "An arch in which no thrust line fits is a result, not a failure. Projects\n"
      "are assessed one after another; Ctrl+C lets the running one end and starts\n"
      "no further project, a second Ctrl+C aborts.\n",
      {{"--json", "",
        "print one JSON object per project (kN, m): adequacyFactor,\nadequate, combination, partialFactors (code,\nknowledgeLevel, gG1sup ... FC; with a rail vehicle also\ngQrail, alpha, phi and phiFound: clearSpan, LPhi,\nphiBase, cover, reduction, or null when typed), admissible,\nthicknessRatio, geometricSafetyFactor and depthRatio (both\n"
        "1/s; the first kept for compatibility), thrustMin,\nthrustMax, liveLoadFactor, mechanism, sweep,\nworstLiveLoadFactor, worstXq1, minimumThickness,\n"
        "thicknessFactor and geometricFactorOfSafety (both t/tmin;\nthe first kept for compatibility), eccentricities,\ncompressiveStrength, friction, mobilisation,\ncrushingJoints, slidingJoints, "
        "certificate (each figure's\nstatic, kinematic, gap, tolerance, solver, certified)\n(an array for several);\n"
        "with a vehicle also vehicle (its trafficCategory road\nor rail among them), spread, effectiveWidth,\nvehicleSweep, worstVehicleFactor, worstVehicleX,\n"
        "worstVehicleDirection, vehicleMechanism, vehicleAxles,\nvehicleCertificate"},
       {"--strength", "MPA", kAiutoStrength},
       {"--friction", "MU", kAiutoFriction},
       {"--mobilisation", "F", kAiutoMobilisation},
       {"--span", "K",
        "assess span K of a bridge alone, springing from rigid\npiers (no walls at a pier); the difference from the\nwhole bridge is what the piers cost"},
       {"--sweep", "N", kAiutoSweep},
       {"--csv", "FILE.csv",
        "write a summary row per project (figures, mechanism,\nstatus); '-' prints the table instead of the report"},
       {"--plot", "PLOT.svg|.png|.pdf|.dxf",
        "the arch with the thrust line of least eccentricity and\nthe collapse mechanism (one project)"},
       {"--plot-sweep", "CHART.svg|.png",
        "the chart of the live-load factor against the position\nof the strip load (one project)"},
       {"--vehicle", "NAME", kAiutoVehicle},
       {"--vehicle-file", "FILE.txt", kAiutoVehicleFile},
       {"--spread", "none|1:2|30|45|DEGREES", kAiutoSpread},
       {"--step", "M", kAiutoStep},
       {"--plot-vehicle", "PLOT.svg|.png|.pdf|.dxf",
        "the vehicle at its worst position: its loads at collapse,\ntheir spread through the fill and the collapse mechanism\n(one project)"},
       {"--plot-vehicle-sweep", "CHART.svg|.png",
        "the chart of the live-load factor against the vehicle's\nposition, each way it is driven (one project)"},
       {"--white", "", "white background of the PNG and SVG plots"},
       {"--code", "en|ntc|typed", kAiutoCode},
       {"--knowledge", "LC1|LC2|LC3", kAiutoKnowledge},
       {"--factor", "NAME=VALUE", kAiutoFactor},
       {"--track", "careful|standard", kAiutoTrack},
       {"--set", "NAME=VALUE", kAiutoSet},
       OpzioneLocale()},
      assess};
  return c;
}

}  // namespace voro::cli
