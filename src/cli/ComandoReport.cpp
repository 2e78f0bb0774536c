// voro-cli report: the calculation report of a project as PDF, HTML or text.
#include <cstdlib>
#include <optional>
#include <string>

#include "arch/CostruisciModello.h"
#include "cli/LinguaComandi.h"
#include "cli/AmbienteGrafico.h"
#include "cli/Comandi.h"
#include "cli/Comune.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/IpotesiAssess.h"
#include "cli/Rapporti.h"
#include "cli/Risolutore.h"
#include "limite/Adeguatezza.h"
#include "limite/Valutazione.h"
#include "report/RapportoValutato.h"
#include "cli/SceltaVeicolo.h"
#include "limite/PercorsoVeicolo.h"
#include "report/qt/FileRapporto.h"

namespace voro::cli {

namespace {

// The format a report's name asks for: pdf, html (.html or .htm) or txt;
// "" for any other name.
std::string formatoDalNome(const std::string& percorso) {
  const std::string e = EstensioneFile(percorso);
  if (e == "htm" || e == "html") return "html";
  return e == "pdf" || e == "txt" ? e : "";
}

// The format of the report at --out, from --format or the name.
std::string leggiFormato(const Argomenti& a, const std::string& out) {
  if (out.empty()) throw ErroreUso("report needs --out REPORT.pdf|.html|.txt");
  std::string formato;
  if (auto f = a.valore("--format")) {
    formato = *f;
    if (formato != "pdf" && formato != "html" && formato != "txt") throw ErroreUso("--format is pdf, html or txt");
  } else if (out == kFlussoStandard) {
    throw ErroreUso("--out - needs --format pdf|html|txt");
  } else {
    formato = formatoDalNome(out);
    if (formato.empty()) throw ErroreUso("--out must end in .pdf, .html or .txt, or give --format");
  }
  if (formato == "pdf") ControllaUscitaBinaria(out, "a PDF report");
  return formato;
}

// The safety assessment of the report: the project assessed on its own copy
// and voussoirs, which the section and its drawings read.
struct Valutazione {
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiSicurezza risultati;
  Adeguatezza adeguatezza;
  RecordingMessages messaggi;
  RisultatiVeicolo veicolo;
  bool valutata = false;

  void Esegui(const DatiProgetto& progetto, int nPosizioni, const SceltaVeicolo& scelta) {
    dati = progetto;
    scelta.Applica(dati);
    OpzioniSicurezza opzioni;
    opzioni.nPosizioni = nPosizioni;
    opzioni.passoVeicolo = scelta.passo;
    try {
      CostruisciModello(dati, modello, messaggi);
      ValutaSicurezza(dati, modello, messaggi, opzioni, risultati);
      if (dati.VeicoloCarico) PercorriVeicolo(dati, modello, scelta.passo, nullptr, veicolo);
      ValutaAdeguatezza(dati, opzioni, adeguatezza, &risultati, dati.VeicoloCarico ? &veicolo : nullptr);
    } catch (const RuntimeError&) {
      return;  // its message is among the messages
    }
    valutata = true;
  }
};

int report(const Argomenti& a) {
  if (a.file.empty()) throw ErroreUso("report needs a project file");
  if (a.file.size() > 1) throw ErroreUso("report takes one project file");
  const std::string file = a.file[0];
  const std::string out = a.valore("--out").value_or("");
  const std::string formato = leggiFormato(a, out);
  const bool italiano = LinguaRichiesta(a) == Lingua::Italiano;
  const std::string lingua = italiano ? "it" : "en";
  Regional regional = italiano ? Regional::italiano() : Regional::inglese();
  regional.setTraduzioni(a.traduzioni);
  OpzioniSoluzione opzioni;
  opzioni.impostazioni = LeggiImpostazioni(a);
  if (!a.ha("--assess") && (a.ha("--vehicle") || a.ha("--spread") || a.ha("--step")))
    throw ErroreUso("--vehicle, --spread and --step need --assess");
  const SceltaVeicolo scelta = LeggiSceltaVeicolo(a);
  const IpotesiAssess ipotesi = LeggiIpotesi(a);
  opzioni.normativa = LeggiSceltaNormativa(a);
  opzioni.traduzioni = a.traduzioni;

  Soluzione s;
  s.file = file;
  Risolvi(s, opzioni);
  StampaMessaggi(file, s.messaggi);
  if (s.esito == Esito::FileIllegibile) {
    StampaIllegibile(file, s.errore);
    return esito::FileErrato;
  }

  // The hypotheses of the assessment, as assess takes them; the three-hinge
  // solution reads none of them.
  ApplicaIpotesi(ipotesi, s.dati);
  // A project that failed still gets its report, which says why.
  FontiRapporto fonti = FontiDaSoluzione(s);
  // SOURCE_DATE_EPOCH, when set, dates the report in UTC and makes the PDF repeatable.
  fonti.momento = MomentoDa(std::getenv("SOURCE_DATE_EPOCH"));
  // A bridge's three hinges, span by span.
  const std::vector<CampataRisolta> campate = fonti.modello ? RisolviCampate(s.dati) : std::vector<CampataRisolta>{};
  if (!campate.empty()) fonti.campate = &campate;
  Valutazione valutazione;
  valutazione.messaggi.setTraduzioni(a.traduzioni);
  if (a.ha("--assess") && fonti.modello) {
    valutazione.Esegui(s.dati, LeggiPosizioni(a), scelta);
    StampaMessaggi(file, valutazione.messaggi);
  }
  const ValutazioneRapporto fatta{&valutazione.dati, &valutazione.modello, &valutazione.risultati,
                                  &valutazione.adeguatezza, &valutazione.veicolo};
  Documento doc = ComponiRapportoValutato(fonti, NumeriRapporto(regional), valutazione.valutata ? &fatta : nullptr,
                                          a.ha("--assess"));
  doc.lingua = lingua;

  RecordingMessages disegni;
  disegni.setTraduzioni(a.traduzioni);
  bool ok = true;
  QByteArray bytes;
  if (formato == "txt") {
    bytes = RapportoTesto(doc);
  } else {
    AmbienteGrafico grafica;
    bytes = formato == "pdf" ? RapportoPdf(doc, disegni, &ok) : RapportoHtml(doc, disegni, &ok);
  }
  StampaMessaggi(file, disegni);
  if (bytes.isEmpty()) throw ErroreUscita(out, "the report could not be made");
  std::string contenuto = bytes.toStdString();
  // The project's title may hold control characters that would drive the terminal.
  if (out == kFlussoStandard && formato == "txt") contenuto = TestoTerminale(contenuto, true);
  ScriviUscita(out, contenuto);
  const bool valutato = !a.ha("--assess") || valutazione.valutata;
  return s.esito == Esito::Risolto && ok && valutato ? esito::Riuscito : esito::Fallito;
}

}  // namespace

const Comando& ComandoReport() {
  static const Comando c{
      "report",
      {"report FILE.vro --out REPORT.pdf|.html|.txt [options]"},
      "write the calculation report as PDF, HTML or text",
      "Writes the calculation report an engineer signs: the title block, the\n"
      "conclusions (with --assess the verdict under the code's partial factors),\n"
      "every input value, the model, the hypotheses, the results, the references\n"
      "and the drawings. The\n"
      "PDF is A4 portrait, the HTML one self-contained page with the drawings\n"
      "inline as SVG, the text the same content without the drawings. A project\n"
      "that fails to solve still gets its report, which says so; the exit status\n"
      "is then 1, as it is when --assess cannot assess it. SOURCE_DATE_EPOCH,\n"
      "when set, gives the report's date. With a rail vehicle (category rail,\n"
      "as LM71) the table of partial factors adds gQ,rail, alpha and Phi, with\n"
      "how Phi was found (LPhi = 2 x the clear span, Phi2 or Phi3, the cover h\n"
      "and its reduction), each with its clause.\n",
      {{"--out", "REPORT.pdf|.html|.txt", "the report ('-' for standard output, with --format)"},
       {"--format", "pdf|html|txt", "the format, when --out does not end in it"},
       {"--assess", "", "add the safety assessment by exact limit analysis, with\nits safety plot and the chart of the load sweep"},
       {"--vehicle", "NAME", kAiutoVehicle},
       {"--vehicle-file", "FILE.txt", kAiutoVehicleFile},
       {"--spread", "none|1:2|30|45|DEGREES", kAiutoSpread},
       {"--step", "M", kAiutoStep},
       {"--sweep", "N", kAiutoSweep},
       {"--strength", "MPA", kAiutoStrength},
       {"--friction", "MU", kAiutoFriction},
       {"--mobilisation", "F", kAiutoMobilisation},
       {"--code", "en|ntc|typed", kAiutoCode},
       {"--knowledge", "LC1|LC2|LC3", kAiutoKnowledge},
       {"--factor", "NAME=VALUE", kAiutoFactor},
       {"--track", "careful|standard", kAiutoTrack},
       {"--set", "NAME=VALUE", kAiutoSet},
       OpzioneLocale()},
      report};
  return c;
}

}  // namespace voro::cli
