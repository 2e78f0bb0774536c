// Printing, saving and exporting the calculation report.
#include "ui/ComandiRapporto.h"

#include <cstdlib>
#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

#include "analysis/Calcolo.h"
#include "data/FileAtomico.h"
#include "data/Impronte.h"
#include "data/Versione.h"
#include "report/RapportoValutato.h"
#include "report/qt/FileRapporto.h"
#include "ui/Dialoghi.h"
#include "ui/EsportaPlot.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FinestraSicurezza.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

// Messages of the drawings, each shown once however often the preview paints.
void Mostra(const RecordingMessages& m, Messages& msg) {
  std::vector<std::string> visti;
  for (const auto& e : m.entries()) {
    if (std::find(visti.begin(), visti.end(), e.text) != visti.end()) continue;
    visti.push_back(e.text);
    msg.show(e.kind, e.text, e.title);
  }
}

}  // namespace

ComandiRapporto::ComandiRapporto(FinestraPrincipale& main, Sessione& s) : QObject(&main), main_(main), s_(s) {
  connect(&main, &FinestraPrincipale::calcoloConcluso, this, [this](bool ok) { calcoloConcluso(ok); });
}

void ComandiRapporto::calcoloConcluso(bool riuscito) {
  if (riuscito) {
    datiRisolti_ = ImprontaCalcolo(s_.dati);
    errore_.clear();
  } else {
    datiRisolti_.reset();
    errore_ = main_.ultimoErrore().toStdString();
  }
}

FontiRapporto ComandiRapporto::Fonti() {
  FontiRapporto f;
  f.dati = &s_.dati;
  f.file = s_.NomeFileBreve.empty() ? "" : s_.NomeFileBreve + ".vro";
  f.momento = MomentoDa(std::getenv("SOURCE_DATE_EPOCH"));
  f.programma = std::string("Voro ") + kVersioneVoro;
  // The commands that need a geometry are enabled once it has been read and
  // its voussoirs built.
  const QAction* risolvi = main_.azione("mnuSolve");
  if (!risolvi || !risolvi->isEnabled() || s_.modello.nConciTot < 1) {
    f.errore = QCoreApplication::translate("ComandiRapporto", "the geometry has not been read: enter it and press Next on the geometry form.").toStdString();
    return f;
  }
  f.modello = &s_.modello;
  if (s_.modello.ponte()) {
    // A bridge's three hinges belong to each span alone: solved here, span by span.
    campate_ = RisolviCampate(s_.dati);
    f.campate = &campate_;
    f.risultati = &s_.risultati;
    return f;
  }
  if (!datiRisolti_) {
    f.errore = errore_.empty() ? QCoreApplication::translate("ComandiRapporto", "the project has not been solved: use Solve.").toStdString()
                               : QCoreApplication::translate("ComandiRapporto", "the calculation failed: %1").arg(QString::fromStdString(errore_)).toStdString();
    return f;
  }
  // The title block, the masonry's strength, the vehicle and the code basis
  // change no three-hinge figure: only the input the calculation reads counts.
  if (*datiRisolti_ != ImprontaCalcolo(s_.dati)) {
    f.errore = QCoreApplication::translate("ComandiRapporto",
                                           "the data have changed since the last solution: solve the project again.")
                   .toStdString();
    return f;
  }
  f.risultati = &s_.risultati;
  Calcolo calcolo(s_.dati, s_.modello, s_.risultati, s_.msg());
  calcolo.SommaMomentiPareti(s_.modello.Conci(1).y(4), s_.modello.Conci(s_.modello.nConciTot).y(3),
                             f.MomentoPareteSinistra, f.MomentoPareteDestra);
  return f;
}

Documento ComandiRapporto::Componi(const FontiRapporto& f) const {
  // The Safety window is open only while its assessment belongs to the
  // project on screen: a finished one goes into the report, its verdict first.
  const FinestraSicurezza* sicurezza = main_.finestraSicurezza();
  const std::string lingua = s_.stato.Lingua == "ITA" ? "it" : "en";
  std::optional<ValutazioneRapporto> fatta;
  if (sicurezza && sicurezza->valutata())
    fatta = ValutazioneRapporto{&sicurezza->datiValutati(), &sicurezza->modelloValutato(), &sicurezza->risultati(),
                                &sicurezza->adeguatezza(), &sicurezza->veicoloValutato()};
  Documento doc = ComponiRapportoValutato(f, NumeriRapporto(s_.regional), fatta ? &*fatta : nullptr, false);
  doc.lingua = lingua;
  return doc;
}

QString ComandiRapporto::nomeBase() const {
  return s_.NomeFileBreve.empty() ? QString("Voro") : QString::fromStdString(s_.NomeFileBreve);
}

void ComandiRapporto::Stampa() {
  // The report is of the data on screen: the forms' edits are read first.
  if (!main_.Libero() || !main_.LeggiFormAperti()) return;
  const FontiRapporto f = Fonti();
  const Documento doc = Componi(f);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PaginaRapporto());
  printer.setDocName(QCoreApplication::translate("ComandiRapporto", "%1 - calculation report").arg(nomeBase()));
  RecordingMessages disegni;
  disegni.setTraduzioni(s_.msg().traduzioni());
  bool ok = true;
  const bool stampato = s_.dialoghi->anteprima(&main_, printer, [&](QPrinter& p) {
    ok = StampaRapporto(doc, p, disegni) && ok;
  });
  Mostra(disegni, s_.msg());
  if (stampato && !ok && disegni.empty()) s_.msg().information(MessaggioErroreStampa(482, ""));
}

void ComandiRapporto::salva(const QString& percorso, const QByteArray& byte) {
  try {
    ScriviFileAtomico(percorso.toStdString(), std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
  } catch (const RuntimeError& e) {
    s_.msg().critical(QCoreApplication::translate("ComandiRapporto", "Cannot write the file %1: %2")
                          .arg(percorso, QString::fromStdString(s_.msg().traduci("Voro", e.description().c_str())))
                          .toStdString());
    return;
  }
  s_.stato.CartellaDati = QFileInfo(percorso).absolutePath().toStdString();
}

void ComandiRapporto::FileTesto() {
  if (!main_.Libero() || !main_.LeggiFormAperti()) return;
  const QString filtro = QCoreApplication::translate("ComandiRapporto", "All Files (*.*)|*.*|Text Files (*.txt)|*.txt");
  const auto scelto = s_.dialoghi->salva(&main_, QString::fromStdString(s_.stato.CartellaDati),
                                         FiltroDialogo(filtro), VoceFiltro(filtro, 2), nomeBase() + ".txt");
  if (!scelto) return;
  const FontiRapporto f = Fonti();
  salva(*scelto, RapportoTesto(Componi(f)));
}

void ComandiRapporto::Esporta() {
  if (!main_.Libero() || !main_.LeggiFormAperti()) return;
  const QString filtro = "PDF (*.pdf)|*.pdf|HTML (*.html)|*.html";
  const auto scelto = s_.dialoghi->salva(&main_, QString::fromStdString(s_.stato.CartellaDati),
                                         FiltroDialogo(filtro), VoceFiltro(filtro, 1), nomeBase() + ".pdf");
  if (!scelto) return;
  QString percorso = *scelto;
  const QString estensione = QFileInfo(percorso).suffix().toLower();
  const bool html = estensione == "html" || estensione == "htm";
  if (!html && estensione != "pdf") percorso += ".pdf";
  const FontiRapporto f = Fonti();
  const Documento doc = Componi(f);
  RecordingMessages disegni;
  disegni.setTraduzioni(s_.msg().traduzioni());
  const QByteArray byte = html ? RapportoHtml(doc, disegni) : RapportoPdf(doc, disegni);
  Mostra(disegni, s_.msg());
  salva(percorso, byte);
}

}  // namespace voro::ui
