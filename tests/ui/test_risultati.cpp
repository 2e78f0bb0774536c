// Solving and the calculation report: the engine's numbers in one format, a
// long search stopped, start values, the report printed, saved and exported.
#include <QLabel>

#include "Banco.h"
#include "analysis/Calcolo.h"
#include "data/Versione.h"
#include "report/NumeriRapporto.h"
#include "ui/FormInfo.h"
#include "ui/Schemi.h"

namespace voro::ui::test {

// File > Output File (TXT) into the user's folder; the text written.
QString Testo(Banco& b, const QString& nome = "rapporto.txt") {
  return QString::fromUtf8(b.scritto("mnuFileItem5", nome));
}

class TestRisultati : public QObject {
  Q_OBJECT

 private slots:
  void rapportoMostraIRisultati_data() { RigheEsempi(); }
  void rapportoMostraIRisultati() {
    QFETCH(QString, esempio);
    Banco b("ENG", esempio);
    Nucleo nucleo(b.esempio(esempio));
    ModelloArco& m = nucleo.m;
    RisultatiCalcolo e;
    Calcolo(nucleo.d, m, e, nucleo.msg).CalcoloMain();
    QVERIFY(b.risolvi() && b.messaggi.empty());
    QCOMPARE(b.finestra->finestraPlot()->PlottaGeometria(), 0);
    QVERIFY(!b.finestra->formOpzioni());  // closed after a solution that was not stopped
    b.comando("mnuReport");
    FormRisultati* f = b.finestra->formRisultati();
    const int n = m.nConciTot;
    QTableWidget* grid = f->Grid1;
    QCOMPARE(QSize(grid->columnCount(), grid->rowCount()), QSize(7, n + 2));
    const QStringList testate{"Sect.", "sig_e [MPa]", "sig_i [MPa]", "%comp", "N [kN]", "T [kN]", "e [mm]"};
    for (int c = 0; c < 7; ++c) QCOMPARE(grid->item(0, c)->text(), testate[c]);
    const Regional& reg = b.s().regional;
    auto valore = [&](const QString& t) { return reg.ValInternazionale(t.toStdString()); };
    auto cella = [&](int i, int c) { return valore(grid->item(i, c)->text()); };
    // Every number of a column has the column's decimals.
    const int decimali[7] = {0, 3, 3, 1, 2, 2, 1};
    for (int i = 1; i <= n + 1; ++i) {
      QCOMPARE(grid->item(i, 0)->text(), QString::number(i));
      for (int c = 1; c < 7; ++c) QVERIFY(Decimali(decimali[c]).match(grid->item(i, c)->text()).hasMatch());
      QVERIFY(std::fabs(cella(i, 1) - e.SigmaEstGiunti(i) / 1000) <= 5e-4 + 1e-9);
      QVERIFY(std::fabs(cella(i, 3) - e.PercGiunti(i)) <= 0.05 + 1e-9);
      const double N = i == 1 ? e.NPrimaSezione : m.Conci(i - 1).Fassiale;
      const double ecc = i == 1 ? e.EccCalcSinistra : m.Conci(i - 1).Eccentric;
      QVERIFY(std::fabs(cella(i, 4) - N) <= 5e-3 + 1e-9 && std::fabs(cella(i, 6) - ecc * 1000) <= 0.05 + 1e-9);
    }
    // The first section's N and T make the left reaction.
    const double reazione = std::hypot(e.HSinistra, e.VSinistra);
    QVERIFY(std::fabs(std::hypot(cella(1, 4), cella(1, 5)) - reazione) <= 1e-3 * reazione + 0.01);
    // The boxes, each the engine's: forces with two decimals, stresses three, shares and eccentricities one.
    const std::tuple<QLineEdit*, double, int> caselle[] = {
        {f->txtReazioni[0], e.HSinistra, 2},       {f->txtReazioni[1], e.HDestra, 2},
        {f->txtReazioni[2], e.VSinistra, 2},       {f->txtReazioni[3], e.VDestra, 2},
        {f->txtReazioni[4], e.HSinistra + e.SommaHSinistra, 2},
        {f->txtReazioni[5], e.SommaHSinistra, 2},  {f->txtReazioni[6], -e.SommaHDestra, 2},
        {f->txtMax[0], e.SigmaEstPeggiore / 1000, 3}, {f->txtMax[2], e.SigmaIntPeggiore / 1000, 3},
        {f->txtMax[4], e.PercMinima, 1},           {f->txtDati[9], e.EccCalcSinistra * 1000, 1},
        {f->txtDati[10], e.EccCalcChiave * 1000, 1}, {f->txtDati[11], e.EccCalcDestra * 1000, 1}};
    for (const auto& [box, atteso, cifre] : caselle) {
      const double scarto = std::fabs(valore(box->text()) - atteso);
      QVERIFY2(Decimali(cifre).match(box->text()).hasMatch() &&
                   scarto <= std::max(0.51 * std::pow(10, -cifre), 6e-4 * std::fabs(atteso)),
               qPrintable(box->text()));
    }
    for (std::size_t i : {7, 8}) QVERIFY(Decimali(2).match(f->txtReazioni[i]->text()).hasMatch());
    QCOMPARE(
        (std::vector<int>{f->txtMax[1]->text().toInt(), f->txtMax[3]->text().toInt(), f->txtMax[5]->text().toInt()}),
        (std::vector<int>{int(e.iSigmaEstPeggiore), int(e.iSigmaIntPeggiore), int(e.iPercMinima)}));
    // Copied: the headers, then every section; a block, its columns' headers.
    const QStringList righe = Copiato(grid);
    QCOMPARE(righe.size(), grid->rowCount());
    QCOMPARE(righe[0].split('\t'), testate);
    for (int i = 1; i < righe.size(); ++i)
      for (int c = 0; c < 7; ++c) QCOMPARE(righe[i].split('\t').value(c), grid->item(i, c)->text());
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(3, 1, 5, 2), true);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList blocco = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(blocco.mid(0, 2),
             QStringList({"sig_e [MPa]\tsig_i [MPa]", grid->item(3, 1)->text() + '\t' + grid->item(3, 2)->text()}));
    QCOMPARE(blocco.size(), 4);
  }
  // A search of hours: it answers, stops, says so; changed data leave no results.
  void ricercaLunga() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* w = b.finestra.get();
    b.avanti();
    FormOpzioni* o = b.opzioni();
    o->CheckOttimizzaCerniere->setChecked(true);
    Digita(o->txtOttimizz, "1000");
    QSignalSpy fine(w, &FinestraPrincipale::calcoloConcluso);
    o->SolveButton->click();
    QVERIFY(w->calcoloInCorso());
    QTRY_VERIFY_WITH_TIMEOUT(o->lblStep->isVisible() && o->lblStep->text().startsWith("Step ") && o->cmdStop->isVisible(),
                             30000);
    // Before its grid is scanned, a long search tells how long it will take.
    QTRY_VERIFY_WITH_TIMEOUT(o->lblStima->isVisible() && o->lblStima->text().startsWith("Estimated time: about "), 30000);
    b.comando("mnuSolve");  // refused, as New is, with a message
    QVERIFY(b.quanti() == 1 && b.messaggi.entries()[0].kind == MessageKind::Information);
    w->FileNuovo();
    QVERIFY(b.quanti() == 2 && w->calcoloInCorso());
    o->cmdStop->click();
    QVERIFY(fine.wait(30000) && fine.at(0).at(0).toBool());
    // The best point so far, with every result of a full solution.
    const RisultatiCalcolo& r = b.s().risultati;
    QVERIFY(b.s().modello.nGiunti > 0 && std::isfinite(r.HSinistra) && r.HSinistra > 0);
    for (int i = 1; i <= b.s().modello.nGiunti; ++i)
      QVERIFY(std::isfinite(r.SigmaEstGiunti(i)) && std::isfinite(r.SigmaIntGiunti(i)) && r.PercGiunti(i) >= 0 &&
              r.PercGiunti(i) <= 100);
    QVERIFY(std::fabs(r.EccCalcSinistra) <= b.s().modello.Conci(1).hSezione / 2 + 1e-6 && r.RicercaInterrotta);
    // The options form stays in front, the plot shows the results.
    QVERIFY(w->formOpzioni() && !o->cmdStop->isVisible() && !o->lblStima->isVisible());
    QVERIFY(w->finestraPlot()->PlottaGeometria() == 0 && b.s().dati.nDivisioni == 1000);
    // Said stopped by the status bar, plot, report window and exported report.
    QCOMPARE(w->statusBar()->currentMessage(),
             QString("Search stopped: the results are those of the best point found so far"));
    QVERIFY(w->finestraPlot()->windowTitle().contains("stopped"));
    QLabel* interrotta = b.rapporto()->lblInterrotta;
    QVERIFY(interrotta->isVisible() && interrotta->text().contains("stopped") && interrotta->text().contains("mm"));
    QVERIFY(b.scritto("mnuFileEsportaRapporto", "fermato.html").contains("The search was stopped before its end"));
    // A full solution afterwards says Solved again and takes the marks away.
    o->txtOttimizz->setText("10");
    o->SolveButton->click();
    QVERIFY(fine.wait(30000) && !b.s().risultati.RicercaInterrotta && b.s().risultati.PrecisioneRicerca > 0);
    QCOMPARE(w->statusBar()->currentMessage(), QString("Solved"));
    QVERIFY(!w->finestraPlot()->windowTitle().contains("stopped"));
    // A load read while the search runs: the stopped search's results are not kept.
    fine.clear();
    o = b.opzioni();
    Digita(o->txtOttimizz, "1000");
    o->SolveButton->click();
    QVERIFY(w->calcoloInCorso());
    Digita(b.carichi()->txtDati[0], "25");
    QVERIFY(w->formCarichi()->LeggeCarichi());
    QTRY_VERIFY_WITH_TIMEOUT(o->cmdStop->isVisible(), 30000);
    o->cmdStop->click();
    QVERIFY(fine.wait(30000) && !fine.at(0).at(0).toBool() && !w->RisultatiValidi());
    QVERIFY(!w->finestraPlot() || w->finestraPlot()->PlottaGeometria() != 0);
    QCOMPARE(b.s().dati.qCarico, Single(25));
    QVERIFY(w->statusBar()->currentMessage().startsWith("The input changed during the calculation"));
    // Exit stops the search and waits for it.
    w->Risolvi();
    QVERIFY(w->calcoloInCorso());
    w->close();
    QVERIFY(!w->isVisible());
  }
  void valoriIniziali() {
    Banco b("ENG", "ponte-stradale.vro");
    b.s().dati.OttimizzaCerniere = true;
    b.s().dati.nDivisioni = 12;
    QVERIFY(b.risolvi());
    FormRisultati* f = b.rapporto();
    QVERIFY(f->FrameRis[2]->isEnabled());
    const QString el = f->txtDati[9]->text(), ec = f->txtDati[10]->text(), er = f->txtDati[11]->text();
    const Single chiave = b.s().dati.EccChiave;
    const Regional& reg = b.s().regional;
    auto metri = [&](const QString& mm) { return Single(reg.ValInternazionale(mm.toStdString()) / 1000); };
    f->Command2->click();
    QCOMPARE(b.s().dati.EccSinistra, metri(el));
    // Copied start values are one step of Undo.
    QAction* annulla = b.finestra->azione("mnuModificaAnnulla");
    QCOMPARE(annulla->text(), QString("&Undo Start eccentricities"));
    annulla->trigger();
    QCOMPARE(b.s().dati.EccChiave, chiave);
    f->Command2->click();
    // A value beyond a Single is refused and the start values stay.
    f->txtDati[9]->setText("1e99");
    const Single prima = b.s().dati.EccSinistra;
    f->Command2->click();
    QVERIFY(b.messaggi.entries().back().kind == MessageKind::Critical && b.s().dati.EccSinistra == prima);
    f->txtDati[9]->setText(el);
    // Without the search the solution uses exactly the displayed values.
    QCOMPARE(b.geometria()->txtDati[10]->text().trimmed(), ec);
    b.opzioni()->CheckOttimizzaCerniere->setChecked(false);
    QVERIFY(b.risolvi());
    const RisultatiCalcolo& r = b.s().risultati;
    QVERIFY(std::tie(r.EccCalcSinistra, r.EccCalcChiave, r.EccCalcDestra) ==
            std::tuple(metri(el), metri(ec), metri(er)));
    // The frame of the optimal eccentricities is off without the search.
    QVERIFY(!b.rapporto()->FrameRis[2]->isEnabled());
  }
  // The report window whole, reduced and enlarged; the report exported and printed.
  void finestraEsportazioniEStampa() {
    Banco b("ENG", "volta-semicircolare.vro");
    QVERIFY(b.risolvi());
    FormRisultati* f = b.rapporto();
    // The report opens showing its grid, every box and every column whole.
    QWidget* w = f->parentWidget();
    QCoreApplication::processEvents();
    auto dentro = [w](QWidget* box) {
      return w->rect().contains(box->mapTo(w, box->rect().bottomRight())) &&
             w->rect().contains(box->mapTo(w, box->rect().topLeft()));
    };
    for (QWidget* box :
         std::initializer_list<QWidget*>{f->txtReazioni[8], f->Command2, f->txtMax[5], f->txtDati[11], f->Grid1})
      QVERIFY(dentro(box));
    QVERIFY(f->Grid1->height() >= 10 * f->Grid1->rowHeight(1));
    int colonne = 0;
    for (int c = 0; c < 7; ++c) colonne += f->Grid1->columnWidth(c);
    QVERIFY(f->Grid1->viewport()->width() >= colonne);
    // Reduce gives the small window of the corner; Enlarge the whole report again.
    f->Command1->click();
    QCOMPARE(w->size(), QSize(Twips(2865, f), Twips(2415, f)));
    QCOMPARE(f->Command1->text(), QString("Enlarge"));
    f->Command1->click();
    QVERIFY(dentro(f->txtReazioni[8]) && f->Command1->text() == "Reduce");
    // Report shows the form afresh from the current results.
    b.comando("mnuReport");
    QVERIFY(b.finestra->formRisultati() && b.finestra->formRisultati() != f);
    // Exported as PDF (also without extension) and well-formed HTML; the preview's printing.
    const QString pdf = b.utente.filePath("rapporto.pdf"), html = b.utente.filePath("rapporto.html");
    b.dialoghi.nomi << pdf << html << b.utente.filePath("senza-estensione");
    for (int i = 0; i < 3; ++i) b.comando("mnuFileEsportaRapporto");
    QCOMPARE(b.dialoghi.richieste.back().proposto, QString("volta-semicircolare.pdf"));
    QVERIFY(Contenuto(pdf).startsWith("%PDF-") &&
            Contenuto(b.utente.filePath("senza-estensione.pdf")).startsWith("%PDF-"));
    const QByteArray pagina = Contenuto(html);
    QVERIFY(pagina.count("<svg") == 2 && pagina.contains("Volta a botte semicircolare"));  // the drawings inline
    // The folder of the last export is where the next dialog starts.
    QCOMPARE(QString::fromStdString(b.s().stato.CartellaDati), b.utente.path());
    b.comando("mnuFileItem4");
    QCOMPARE(b.dialoghi.anteprime, 1);
    b.dialoghi.stampaAccettata = true;
    b.dialoghi.filePdf = b.utente.filePath("stampa.pdf");
    b.comando("mnuFileItem4");
    QCOMPARE(b.dialoghi.anteprime, 2);
    const QByteArray stampa = Contenuto(b.dialoghi.filePdf);
    QVERIFY(stampa.startsWith("%PDF-") && stampa.size() > 20000 && b.messaggi.empty());
  }
  // The text report: parts, numbers, version; results and assessment while they stand; the forms read first.
  void rapportoDiTesto() {
    Banco b("ENG", "ponte-stradale.vro");
    QVERIFY(b.risolvi());
    const QString testo = Testo(b);
    const auto& richiesta = b.dialoghi.richieste.back();
    QCOMPARE(QStringList({richiesta.proposto, richiesta.preselezionato}),
             QStringList({"ponte-stradale.txt", "Text Files (*.txt)"}));
    QVERIFY(testo.contains("Ponte stradale ad arco") && testo.contains("ponte-stradale.vro") &&
            testo.contains("Passive pressure resultants"));
    // Italian settings: decimal commas, the same digits as the tables print.
    const NumeriRapporto num(b.s().regional);
    const auto& r = b.s().risultati;
    QVERIFY(testo.contains(QString::fromStdString(num.kN(r.HSinistra))) &&
            QString::fromStdString(num.kN(r.HSinistra)).contains(','));
    QVERIFY(testo.contains(QString::fromStdString(num.MPa(r.SigmaEstPeggiore))));
    QVERIFY(!testo.contains("nan", Qt::CaseInsensitive) && !testo.contains("inf ", Qt::CaseInsensitive));
    // The build's version (voro-cli --version ties it to the build), in the report and the About window.
    const QString versione = kVersioneVoro;
    QVERIFY(testo.contains(QRegularExpression("\\nProgram: +Voro " + QRegularExpression::escape(versione) + "\\n")));
    FormInfo info(b.messaggi, b.finestra.get());
    QStringList etichette;
    for (const QLabel* l : info.findChildren<QLabel*>()) etichette << l->text();
    QVERIFY2(etichette.contains("Voro, version " + versione), qPrintable(etichette.join(" | ")));
    QVERIFY(b.messaggi.empty());
    // An assessment goes in while it stands.
    QPointer<FinestraSicurezza> f = b.valuta();
    QVERIFY(f && f->valutata());
    const QString valutato = Testo(b, "valutato.txt");
    QVERIFY(valutato.contains("Safety assessment") &&
            valutato.contains("Live-load factor against the position of the strip load"));
    QVERIFY(valutato.contains(QString::fromStdString(num.fattore(*f->risultati().fattoreGeometrico))));
    // fc, code basis, title: the assessment, which reads fc, closes and leaves the report; the results stay.
    b.s().dati.ResistenzaAnello = 5;
    b.s().dati.Normativa.coefficienti.gM = 2;
    b.s().dati.Titolo = "Ponte sul Serio";
    b.finestra->DatiCambiati();
    QTRY_VERIFY(!f);
    const QString resistenza = Testo(b, "resistenza.txt");
    QVERIFY(resistenza.contains("Passive pressure resultants") && !resistenza.contains("Safety assessment"));
    // A folder that does not exist: the reason (every other is the file writer's), nothing written.
    const QString pdf = b.utente.filePath("manca/rapporto.pdf");
    b.messaggi.clear();
    QVERIFY(b.scritto("mnuFileEsportaRapporto", "manca/rapporto.pdf").isEmpty() && !QFile::exists(pdf));
    QCOMPARE(b.messaggi.texts(),
             std::vector<std::string>{"Cannot write the file " + pdf.toStdString() + ": No such file or directory"});
    // The report reads the forms first, the results then out of date; a box that cannot be read refuses it.
    QVERIFY(b.risolvi() && b.valuta());
    FormGeometria* g = b.geometria();
    g->txtDati[1]->end(false);
    QTest::keyClicks(g->txtDati[1], "1");
    QVERIFY(g->toccato());
    const QString html = QString::fromUtf8(b.scritto("mnuFileEsportaRapporto", "rapporto.html"));
    QVERIFY(!html.isEmpty() && !g->toccato() && !html.contains("geometry has not been read"));
    QVERIFY(html.contains("No results: the data have changed since the last solution") &&
            !html.contains("Safety assessment") && !b.finestra->finestraSicurezza());
    // The results belong to the old fill; the voussoirs are the new ones.
    QVERIFY(!html.contains("Passive pressure resultants") && html.contains("Voussoirs of the ring"));
    Digita(g->txtDati[1], "abc");
    b.messaggi.clear();
    b.scritto("mnuFileEsportaRapporto", "rifiutato.html");
    QVERIFY(b.quanti() == 1 && !QFile::exists(b.utente.filePath("rifiutato.html")));
  }
  // A geometry never read: the report says why.
  void senzaRisultati() {
    Banco b;
    b.avvia();
    const QString testo = Testo(b);
    QVERIFY(testo.contains("No voussoir model: the geometry has not been read") && testo.contains("(untitled)") &&
            testo.contains("(not saved)"));
    QCOMPARE(b.dialoghi.richieste.back().proposto, QString("Voro.txt"));
    QVERIFY(b.scritto("mnuFileEsportaRapporto", "vuoto.pdf").startsWith("%PDF-") && b.messaggi.empty());
  }
};

}  // namespace voro::ui::test

QTEST_MAIN(voro::ui::test::TestRisultati)
#include "test_risultati.moc"
