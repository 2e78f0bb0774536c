// Sections in the order of the report.
#include "report/ComponiRapporto.h"

#include "report/SezioneArcoAnalizzato.h"
#include "report/SezioniCalcolo.h"
#include "report/SezioniProgetto.h"

namespace voro {

namespace {

Documento Componi(const FontiRapporto& f, const NumeriRapporto& num,
                  const std::vector<const SezioneRapporto*>& sezioni, bool disegni) {
  Documento doc;
  doc.testata = f.dati->Titolo;
  doc.piede = f.programma + (f.file.empty() ? "" : " - " + f.file);
  doc.nome = num.traduci("Rapporto", "Calculation report");
  doc.didascalia = num.traduci("Rapporto", "Figure %1: ");
  doc.soloNeiDisegni = num.traduci("Rapporto", " (drawn in the PDF and HTML reports).");
  doc.disegnoMancato = num.traduci("Rapporto", "The drawing could not be made.");
  doc.pagina = num.traduci("Rapporto", "page %1 of %2");
  if (f.momento && f.momento->fisso) doc.epoca = f.momento->secondi;
  for (const SezioneRapporto* s : sezioni) s->Componi(doc, num);
  if (!disegni) return doc;
  std::vector<Figura> figure;
  for (const SezioneRapporto* s : sezioni)
    for (Figura& fig : s->Figure(num)) figure.push_back(std::move(fig));
  if (figure.empty()) return doc;
  doc.sezione(num.traduci("Rapporto", "Drawings"));
  for (Figura& fig : figure) doc.figura(std::move(fig));
  return doc;
}

}  // namespace

Documento ComponiRapporto(const FontiRapporto& f, const NumeriRapporto& num,
                          const std::vector<const SezioneRapporto*>& aggiunte,
                          const std::vector<const SezioneRapporto*>& inTesta) {
  const SezioneTitolo titolo(f, num.traduci("Rapporto", "Calculation report"), true);
  const SezioneDati dati(f);
  const SezioneModello modello(f);
  const SezioneArcoAnalizzato analizzato(f);
  const SezioneIpotesi ipotesi(f);
  const SezioneRisultati risultati(f);
  std::vector<const SezioneRapporto*> sezioni{&titolo};
  sezioni.insert(sezioni.end(), inTesta.begin(), inTesta.end());
  sezioni.insert(sezioni.end(), {&dati, &modello, &analizzato, &ipotesi, &risultati});
  sezioni.insert(sezioni.end(), aggiunte.begin(), aggiunte.end());
  return Componi(f, num, sezioni, true);
}

Documento ComponiRisultati(const FontiRapporto& f, const NumeriRapporto& num) {
  const SezioneTitolo titolo(f, num.traduci("Rapporto", "Voro - arch assessment by limit analysis"), false);
  const SezioneModello modello(f);
  const SezioneRisultati risultati(f);
  return Componi(f, num, {&titolo, &modello, &risultati}, false);
}

}  // namespace voro
