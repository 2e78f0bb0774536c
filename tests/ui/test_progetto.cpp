// The project on screen: caption, New, Open, Save, changes never lost, recent files, the command
// line, files that fail to open, the first language, commands waiting for a geometry, results.
#include <QStandardPaths>
#include <QWindow>

#include "Banco.h"

namespace voro::ui::test {

void Elimina() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class TestProgetto : public QObject {
  Q_OBJECT

 private slots:
  void captionNuovoApriSalva() {
    Banco b;
    const QString file = b.copia("arco.vro");
    b.avvia({file});
    auto* f = b.finestra.get();
    FormGeometria* g = f->formGeometria();
    QCOMPARE(f->Didascalia(), kCaption + "arco");
    // Open cancelled: the model and the form as they were, typing not read.
    const std::string titolo = b.s().dati.Titolo;
    g->txtTitolo->setText("scritto ma non letto");
    f->FileApri();
    QVERIFY(b.messaggi.empty() && b.s().dati.Titolo == titolo && f->Didascalia() == kCaption + "arco");
    QCOMPARE(g->txtTitolo->text().toStdString(), titolo);
    // Ctrl+S writes the project to its own file, with what the forms hold.
    Digita(g->txtDati[1], "0,75");
    b.attiva();
    QTest::keyClick(f, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(b.dialoghi.richieste.size(), std::size_t(1));  // the cancelled Open's only
    QVERIFY(!f->Modificato() && f->Didascalia() == kCaption + "arco");
    QVERIFY(Contenuto(file).contains("\r\n.75,18\r\n") && !QFile::exists(file + ".part"));
    // Save As into a folder that does not exist: a message, no file.
    b.dialoghi.nomi << b.utente.filePath("non/esiste/arco.vro");
    f->FileSalvaConNome();
    QVERIFY(!b.messaggi.empty() && !QFile::exists(b.utente.filePath("non/esiste/arco.vro")));
    b.messaggi.clear();
    f->FileNuovo();
    g = f->formGeometria();
    QCOMPARE(QStringList({f->Didascalia(), g->windowTitle(), g->txtNvori->text(), g->txtTitolo->text()}),
             QStringList({kCaption, "Geometry", "1", ""}));
    // A new project: Save asks for a name, proposing the last one.
    const char* anello[4] = {"10", "3", "0,5", "30"};
    for (std::size_t i = 0; i < 4; ++i) Digita(g->txt1Voro[i], anello[i]);
    const QString salvato = b.utente.filePath("nuovo arco.vro");
    b.dialoghi.nomi << salvato;
    QVERIFY(f->FileSalva());
    const auto& r = b.dialoghi.richieste.back();
    QCOMPARE(QStringList({r.proposto, r.preselezionato, r.filtri}),
             QStringList({"arco.vro", "Voro Files (*.vro)", "All Files (*.*);;Voro Files (*.vro)"}));
    QCOMPARE(f->Didascalia(), kCaption + "nuovo arco");
    QVERIFY(QFile::exists(salvato) && !QFile::exists(salvato + ".part"));
    // A project the program could not open again is not written.
    Digita(g->txt1Voro[2], "-1");
    QVERIFY(!f->FileSalva() && !b.messaggi.empty());
    // Open reads the file into the model and the form.
    b.apri(b.esempio("arco-policentrico.vro"));
    QCOMPARE(f->Didascalia(), kCaption + "arco-policentrico");
    QCOMPARE(b.dialoghi.richieste.back().proposto, QString("nuovo arco.vro"));
    QVERIFY(b.s().dati.nVori > 1 && f->formGeometria()->FlexGrid->isVisibleTo(f->formGeometria()));
    // Saving over the example and reading it back gives the same file.
    const QByteArray originale = Contenuto(b.esempio("arco-policentrico.vro"));
    b.dialoghi.nomi << b.esempio("arco-policentrico.vro");
    f->FileSalvaConNome();
    QCOMPARE(Contenuto(b.esempio("arco-policentrico.vro")), originale);
  }
  // The window system's caption keeps the "*" while a child is maximised.
  void asteriscoDopoIngrandisciERipristina() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* f = b.finestra.get();
    b.avanti();
    b.s().dati.qCarico += 10;
    f->DatiCambiati();
    QVERIFY(f->Modificato());
    auto titolo = [f] { return f->windowHandle()->title(); };
    QCOMPARE(titolo(), kCaption + "ponte-stradale*");
    f->MostraGeometria();
    // As a person does it: the form shown, then maximised.
    QCoreApplication::processEvents();
    QMdiSubWindow* sub = f->area()->activeSubWindow();
    sub->showMaximized();
    QCoreApplication::processEvents();
    QVERIFY2(titolo().startsWith(kCaption + "ponte-stradale* - ["), qPrintable(titolo()));
    sub->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(titolo(), kCaption + "ponte-stradale*");
    // Saved: the mark goes, and stays gone after another maximise.
    b.dialoghi.nomi << b.utente.filePath("salvato.vro");
    QVERIFY(f->FileSalvaConNome());
    sub->showMaximized();
    sub->showNormal();
    QCoreApplication::processEvents();
    QCOMPARE(titolo(), kCaption + "salvato");
  }
  void modificheMostrateEChieste() {
    Banco b;
    const QString file = b.copia("ponte.vro");
    b.avvia({file});
    auto* f = b.finestra.get();
    b.avanti();
    // Unmodified: the caption exactly as the program names it, and no question.
    QVERIFY(f->Didascalia() == kCaption + "ponte" && !f->Modificato());
    // A load typed (even before the form is read) shows in the caption.
    Digita(b.carichi()->txtDati[0], "30");
    QCOMPARE(f->Didascalia(), kCaption + "ponte*");
    // Exit asks; Cancel keeps the program and the typing.
    b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Annulla;
    QVERIFY(!f->close());
    QCOMPARE(b.dialoghi.domandeModifiche, QStringList{"Save changes to ponte?"});
    QCOMPARE(f->formCarichi()->txtDati[0]->text(), QString("30"));
    // New, Open and Example Files ask too; Cancel changes nothing.
    for (int i = 0; i < 3; ++i) b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Annulla;
    b.dialoghi.nomi << b.esempio("volta-semicircolare.vro") << b.esempio("volta-semicircolare.vro");
    f->FileNuovo();
    f->FileApri();
    b.comando("mnuAiutoItem1");
    QVERIFY(b.dialoghi.domandeModifiche.size() == 4 && f->Didascalia() == kCaption + "ponte*");
    // Save writes what was typed into the project's own file, then exits.
    b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Salva;
    QVERIFY(f->close());
    QCOMPARE(Letto(file).qCarico, Single(30));
    // New after Discard writes nothing and starts afresh; a new project is asked about by that name.
    Banco d;
    d.avvia();
    const QByteArray iniziale = d.progetto();
    d.apri(file);
    QVERIFY(d.progetto() != iniziale);
    QTest::keyClicks(d.finestra->formGeometria()->txtTitolo, "scartato");
    d.finestra->FileNuovo();
    QCOMPARE(d.dialoghi.domandeModifiche, QStringList{"Save changes to ponte?"});
    QVERIFY(d.progetto() == iniziale && d.finestra->Didascalia() == kCaption && !d.finestra->Modificato());
    QVERIFY(!Letto(file).Titolo.ends_with("scartato"));
    Digita(d.finestra->formGeometria()->txtTitolo, "Nuovo");
    QCOMPARE(d.finestra->Didascalia(), kCaption + "*");
    QVERIFY(d.finestra->close() && d.dialoghi.domandeModifiche.back() == "Save changes to the new project?");
  }
  void progettiRecenti() {
    Banco b;
    b.avvia();
    auto* f = b.finestra.get();
    auto visibili = [&] {
      QStringList t;
      for (int i = 0; i < Impostazioni::kRecenti; ++i)
        if (QAction* a = f->azione(QString("mnuFileItem%1").arg(6 + i)); a->isVisible()) t << a->data().toString();
      return t;
    };
    QVERIFY(visibili().isEmpty());
    const QString ponte = b.esempio("ponte-stradale.vro"), volta = b.esempio("volta-semicircolare.vro");
    b.apri(ponte);
    b.apri(volta);
    QCOMPARE(visibili(), (QStringList{volta, ponte}));
    // Numbered, and kept in the user's settings for the next run.
    QVERIFY(f->azione("mnuFileItem6")->text().startsWith("&1 ") &&
            Impostazioni(b.utente.path()).Recenti() == visibili());
    // Choosing one opens it.
    b.comando("mnuFileItem7");
    QVERIFY(f->Didascalia() == kCaption + "ponte-stradale" && visibili().first() == ponte);
    // A file that has gone is dropped, with a message.
    QVERIFY(QFile::remove(volta));
    b.messaggi.clear();
    b.comando("mnuFileItem7");
    QCOMPARE(b.messaggi.texts(), std::vector<std::string>{("File " + volta + " not found").toStdString()});
    QVERIFY(visibili() == QStringList{ponte} && f->Didascalia() == kCaption + "ponte-stradale");
  }
  // The command line ("@" the user's folder): the caption, or a message and a new project.
  void rigaDiComando_data() {
    QTest::addColumn<QStringList>("parole");
    QTest::addColumn<QString>("didascalia");
    QTest::addColumn<QString>("messaggio");
    const QString arco = "arco a tutto sesto";
    QTest::addRow("quoted") << QStringList{"@/cartella con spazi/arco a tutto sesto.vro"} << arco << "";
    QTest::addRow("split") << QStringList{"@/cartella", "con", "spazi/arco", "a", "tutto", "sesto.vro"} << arco << "";
    QTest::addRow("quotes kept") << QStringList{"\"@/cartella con spazi/arco a tutto sesto.vro\""} << arco << "";
    QTest::addRow("missing") << QStringList{"@/manca.vro"} << "" << "File @/manca.vro not found";
    QTest::addRow("negative thickness") << QStringList{"@/negativo.vro"} << "" << "Cannot open @/negativo.vro";
  }
  void rigaDiComando() {
    QFETCH(QStringList, parole);
    QFETCH(QString, didascalia);
    QFETCH(QString, messaggio);
    Banco b;
    QDir(b.utente.path()).mkpath("cartella con spazi");
    b.copia("cartella con spazi/arco a tutto sesto.vro", "volta-semicircolare.vro");
    Scrivi(b.utente.filePath("negativo.vro"),
           Contenuto(b.esempio("volta-semicircolare.vro")).replace("6,2.995,.45,30", "6,2.995,-.6,30"));
    for (QString& p : parole) p.replace("@", b.utente.path());
    b.avvia(parole);
    QCOMPARE(b.finestra->Didascalia(), kCaption + didascalia);
    if (messaggio.isEmpty()) {
      QVERIFY(b.messaggi.empty() && !b.s().stato.DatiNuovi);
      QCOMPARE(QString::fromStdString(b.s().stato.CartellaDati), b.utente.filePath("cartella con spazi"));
      return;
    }
    QVERIFY2(b.unErrore(messaggio.replace("@", b.utente.path())), qPrintable(b.ultimo()));
    // A new project, with its defaults.
    QVERIFY(b.finestra->formGeometria() && b.s().dati.Larghezza == Single(1) && b.s().dati.SpessoreAnello == Single(0));
  }
  void fileCheNonSiApre() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* f = b.finestra.get();
    b.avanti();
    const QByteArray prima = b.progetto();
    const QString corto = b.utente.filePath("corto.vro"), negativo = b.utente.filePath("negativo.vro");
    Scrivi(corto, "\"Titolo rotto\"\r\n1,2\r\n");
    Scrivi(negativo, Contenuto(b.esempio("volta-semicircolare.vro")).replace("6,2.995,.45,30", "6,2.995,-.6,30"));
    for (const QString& file : {corto, negativo}) {
      b.messaggi.clear();
      b.dialoghi.nomi << file;
      f->FileApri();
      // One message, and the project as it was before the attempt.
      QVERIFY(b.unErrore("Cannot open " + file) && b.progetto() == prima);
      QVERIFY(f->Didascalia() == kCaption + "ponte-stradale" && f->azione("mnuSolve")->isEnabled() &&
              f->finestraPlot());
    }
    QVERIFY(b.ultimo().contains("Thickness of the ring t [m] = -0.6"));
    QVERIFY(!f->formGeometria() || f->formGeometria()->txtTitolo->text() != "Titolo rotto");
  }
  // Open starts in the documents, then the latest project's folder; Examples in theirs.
  void cartelleDeiDialoghi() {
    Banco b;
    b.avvia();
    b.finestra->FileApri();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(b.dialoghi.richieste.back().cartella, QFileInfo(documenti).isDir() ? documenti : QDir::homePath());
    const std::string dati = b.s().stato.CartellaDati;
    b.dialoghi.nomi << b.esempio("arco-ribassato-spinta.vro");
    b.comando("mnuAiutoItem1");
    QVERIFY(b.dialoghi.richieste.back().cartella == b.programma.path() + "/examples" &&
            b.finestra->Didascalia() == kCaption + "arco-ribassato-spinta");
    QVERIFY(b.s().stato.CartellaDati == dati && b.s().dati.SpintaPassiva);
    const QString cartella = b.utente.filePath("progetti");
    QDir().mkpath(cartella);
    b.apri(b.copia("progetti/ponte.vro"));
    auto dopo = std::make_unique<FinestraPrincipale>(b.programma.path(), b.utente.path(), &b.messaggi, &b.dialoghi);
    dopo->Avvio({});
    dopo->FileApri();
    QCOMPARE(b.dialoghi.richieste.back().cartella, cartella);
  }
  // No language known: the user chooses, kept in the user's settings only.
  void linguaAllAvvio_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scelta");  // -1: the form closed
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("impostata");
    QTest::addRow("English chosen") << "" << 1 << "ENG" << "ENG";
    QTest::addRow("form closed") << "" << -1 << "ITA" << "";
    QTest::addRow("unknown language") << "FRA" << 0 << "ITA" << "ITA";
  }
  void linguaAllAvvio() {
    QFETCH(QString, file);
    QFETCH(int, scelta);
    QFETCH(QString, lingua);
    QFETCH(QString, impostata);
    Banco b(file);
    b.dialoghi.lingua = scelta < 0 ? std::nullopt : std::optional<int>(scelta);
    b.avvia();
    QCOMPARE(b.linguaImpostata(), impostata);
    QCOMPARE(QString::fromStdString(b.s().stato.Lingua), lingua);
    QVERIFY(b.dialoghi.lingueChieste == 1 && QFile::exists(b.programma.filePath("Lingua.ini")) == !file.isEmpty());
    QVERIFY(b.finestra->azione("mnuLingua0")->isChecked() == (lingua == "ITA") && b.messaggi.empty());
    QVERIFY(b.finestra->azione("mnuLingua1")->isChecked() == (lingua == "ENG"));
  }
  // The Italian program's advice on the decimal comma, once a run or never again.
  void avvisoNonMostrarePiu() {
    for (const bool mai : {true, false}) {
      Banco b("ITA");
      b.messaggi.setOptOut(mai);
      b.avvia({}, Regional::inglese());
      QVERIFY(b.quanti() == 1 && b.messaggi.entries()[0].title == "ATTENZIONE ");
      QCOMPARE(b.finestra->impostazioni().AvvisoSeparatoriNascosto(), mai);
      b.finestra->formGeometria()->parentWidget()->close();
      b.finestra->MostraGeometria();
      QVERIFY(b.quanti() == 1 && Impostazioni(b.utente.path()).AvvisoSeparatoriNascosto() == mai);
    }
  }
  void comandiCheRichiedonoLaGeometria() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* f = b.finestra.get();
    const QStringList dipendenti{"mnuFileItem2",    "mnuDataItem1",     "mnuDataItem2",    "mnuSolve",
                                 "mnuReport",       "Toolbar1Button2",  "Toolbar1Button5", "Toolbar1Button6",
                                 "Toolbar1Button8", "Toolbar1Button10", "mnuAssess",       "Toolbar1Button12"};
    auto stato = [&](bool atteso) {
      for (const QString& n : dipendenti) QVERIFY2(f->azione(n)->isEnabled() == atteso, qPrintable(n));
      for (const char* m : {"mnuPlot", "mnuVisualizza"})
        QCOMPARE(f->findChild<QMenu*>(m)->menuAction()->isEnabled(), atteso);
      for (const char* n : {"mnuFileItem0", "mnuFileItem1", "mnuDataItem0", "Toolbar1Button1", "Toolbar1Button4"})
        QVERIFY(f->azione(n)->isEnabled());
    };
    stato(true);  // a project read from its file builds at once
    FormGeometria* g = b.geometria();
    QVERIFY(g->LeggeDatiGeom() && f->azione("mnuSolve")->isEnabled());
    // Zero voussoirs typed: Solve, Report and Plot wait for a readable geometry.
    Digita(g->txt1Voro[3], "0");
    for (const char* n : {"mnuSolve", "mnuReport", "Toolbar1Button8", "Toolbar1Button10"})
      QVERIFY2(!f->azione(n)->isEnabled(), n);
    QVERIFY(!f->findChild<QMenu*>("mnuPlot")->menuAction()->isEnabled());
    // Closing the form does not take the zero in: it stays open with the message.
    b.messaggi.clear();
    QVERIFY(!g->parentWidget()->close());
    QVERIFY(b.quanti() == 1 && b.ultimo().contains("Number of voussoirs of the ring = 0") &&
            b.s().dati.nConciAnello == 36);
    // Solve from the options form refuses to run on it.
    f->MostraOpzioni();
    b.messaggi.clear();
    f->formOpzioni()->SolveButton->click();
    QVERIFY(!f->calcoloInCorso() && !b.messaggi.empty());
    // Corrected, Next builds the voussoirs again and the commands come back.
    const int prima = b.s().modello.nConciTot;
    Digita(g->txt1Voro[3], "40");
    g->cbPltGeom->click();
    QVERIFY(f->azione("mnuSolve")->isEnabled() && b.s().modello.nConciTot > prima);
    // Opening and closing an untouched geometry form leaves the commands be.
    f->MostraGeometria();
    const bool aperto = f->azione("mnuSolve")->isEnabled();
    f->formGeometria()->parentWidget()->close();
    QVERIFY(aperto && f->azione("mnuSolve")->isEnabled());
    // A new project has no span yet, even once its form is read.
    f->FileNuovo();
    stato(false);
    f->formGeometria()->LeggeDatiGeom();
    stato(false);
    b.apri(b.esempio("volta-semicircolare.vro"));
    stato(true);
  }
  // Results shown only while their data stand.
  void risultatiSeguonoIDati() {
    Banco b;
    b.finestra->resize(1100, 800);
    b.avvia({b.esempio("ponte-stradale.vro")});
    auto* f = b.finestra.get();
    // A strip load past the structure's end, which the calculation brings back to it.
    b.s().dati.xq2 = 1000;
    b.s().dati.OttimizzaCerniere = true;
    f->DatiCambiati();
    QPointer<FinestraSicurezza> sicurezza = b.valuta();
    QVERIFY(sicurezza && b.risolvi() && b.s().dati.xq2 < 1000 && sicurezza);
    QPointer<FormRisultati> rapporto = b.rapporto();
    QSignalSpy scaduti(f, &FinestraPrincipale::risultatiScaduti);
    // Nothing the results read changes: every result stays.
    rapporto->Command2->click();
    sicurezza = b.valuta();
    f->MostraGeometria();
    f->formGeometria()->parentWidget()->close();
    b.avanti();
    FormCarichi* c = b.carichi();
    c->Check1->click();
    Digita(c->txtDati[3], "12");
    QVERIFY(c->LeggeCarichi());
    Elimina();
    QVERIFY(sicurezza && rapporto && b.risolvi() && sicurezza && f->finestraPlot());
    QCOMPARE(scaduti.count(), 0);
    // A thickness typed and not yet read: the figures are marked, the window stays.
    sicurezza = b.valuta();
    QVERIFY(b.risolvi() && sicurezza);
    const QString titolo = sicurezza->windowTitle();
    QLineEdit* spessore = b.geometria()->txt1Voro[2];
    const QString t = spessore->text();
    QTest::keyClicks(spessore, "1");
    QVERIFY(sicurezza && sicurezza->windowTitle() != titolo && !sicurezza->tabella->isEnabled());
    Digita(spessore, t);
    // A new load read: every result goes.
    rapporto = b.rapporto();
    Digita(b.carichi()->txtDati[0], "25");
    QVERIFY(f->formCarichi()->LeggeCarichi());
    Elimina();
    QCOMPARE(scaduti.count(), 1);
    QVERIFY(!rapporto && !sicurezza && !f->finestraPlot() && !f->RisultatiValidi());
    QCOMPARE(f->statusBar()->currentMessage(), QString("Ready"));
    // A failed calculation leaves no results behind; the report says why.
    QVERIFY(b.risolvi());
    b.s().dati.nDivisioni = 0;  // the search has no grid: the calculation fails
    QVERIFY(!b.risolvi() && !f->RisultatiValidi());
    QCOMPARE(f->statusBar()->currentMessage(), QString("Calculation failed"));
    const QString fallito = QString::fromUtf8(b.scritto("mnuFileItem5", "fallito.txt"));
    QVERIFY2(fallito.contains("No results: the calculation failed: " + f->ultimoErrore()), qPrintable(fallito));
    // Another project: no window shows the first one's arch or numbers.
    b.s().dati.nDivisioni = 12;
    QVERIFY(b.risolvi());
    sicurezza = b.valuta();
    rapporto = b.rapporto();
    QPointer<FinestraPlot> plot = f->finestraPlot();
    QVERIFY(sicurezza && rapporto && plot && f->RisultatiValidi());
    b.apri(b.esempio("volta-semicircolare.vro"));
    Elimina();
    QVERIFY(!rapporto && !plot && !sicurezza && !f->RisultatiValidi());
    // Report is there and says why it shows nothing.
    b.messaggi.clear();
    f->MostraRisultati();
    b.comando("mnuPlotItem1");
    QVERIFY(f->azione("mnuReport")->isEnabled() && b.quanti() == 2);
    // New too (the same road as Open), for any window registered with one call.
    QPointer<QWidget> altra = new QWidget;
    f->area()->addSubWindow(altra)->setAttribute(Qt::WA_DeleteOnClose);
    altra->parentWidget()->show();
    f->RegistraFinestraRisultati(altra);
    f->FileNuovo();
    Elimina();
    QVERIFY(!altra);
  }
};

}  // namespace voro::ui::test

QTEST_MAIN(voro::ui::test::TestProgetto)
#include "test_progetto.moc"
