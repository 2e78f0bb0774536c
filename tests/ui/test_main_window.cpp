// The main window's commands: menus, toolbar and keys, the results plot, Next
// and Previous, help and language, Undo and Redo, the Window menu, every command.
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "Banco.h"
#include "drawing/qt/FileGrafici.h"
#include "ui/Aiuto.h"
#include "ui/FormLingua.h"
#include "ui/StoriaProgetto.h"

namespace voro::ui::test {

// The letter a button or a menu bar's title takes with Alt.
QChar Mnemonico(const QString& testo) {
  const int i = testo.indexOf('&');
  return i >= 0 && i + 1 < testo.size() ? testo[i + 1].toLower() : QChar();
}

// The part of a picture that differs from its corner's colour.
QRect Disegnato(const QImage& img) {
  const QRgb sfondo = img.pixel(1, 1);
  int x0 = img.width(), x1 = -1, y0 = img.height(), y1 = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != sfondo)
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
  return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void menuEToolbar() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* f = b.finestra.get();
    QStringList titoli;
    for (QAction* a : f->menuBar()->actions()) {
      titoli << a->text();
      QVERIFY2(a->menu(), qPrintable(a->text()));  // every title opens a menu
    }
    QCOMPARE(titoli, (QStringList{"&File", "&Edit", "&Data", "S&olve", "&Assess", "&Report", "P&lot", "&View",
                                  "&Window", "&?"}));
    // The common shortcut is the one the menu shows (the toolbar's tips name the
    // others'); the program's own still works.
    for (const auto& [nome, tasto] :
         {std::pair{"mnuFileItem0", "Ctrl+N"}, {"mnuFileItem4", "Ctrl+P"}, {"mnuFileSalva", "Ctrl+S"}})
      QCOMPARE(f->azione(nome)->shortcut(), QKeySequence(tasto));
    for (const auto& [nome, tasto] :
         {std::pair{"mnuFileItem1", "Ctrl+F12"}, {"mnuFileItem2", "Shift+F12"}, {"mnuFileItem4", "Ctrl+Shift+F12"}})
      QVERIFY(f->azione(nome)->shortcuts().contains(QKeySequence(tasto)));
    QVERIFY(f->azione("mnuPlotAdatta")->text().endsWith("\tCtrl+0"));
    // Every command of the first seven menus has its key (the recent files a number).
    const QList<QAction*> menu = f->menuBar()->actions();
    for (QAction* m : menu.mid(0, 7))
      for (QAction* a : m->menu()->actions()) {
        const int voce = a->objectName().startsWith("mnuFileItem") ? a->objectName().mid(11).toInt() : -1;
        if (a->isSeparator() || a->menu() || (voce >= 6 && voce < 6 + Impostazioni::kRecenti)) continue;
        QVERIFY2(!a->shortcut().isEmpty() || a->text().contains('\t'), qPrintable(m->text() + " > " + a->text()));
      }
    const QList<QAction*> voci = f->findChild<QToolBar*>("Toolbar1")->actions();
    const QStringList suggerimenti{"Open (Ctrl+O)", "Save as (Ctrl+Shift+S)", "", "Geometry (Ctrl+1)", "Loads (Ctrl+2)",
                                   "Solve Options (Ctrl+3)", "", "Solve (F5)", "", "Report (F7)", "", "Assess (F6)"};
    QCOMPARE(voci.size(), suggerimenti.size());
    for (int i = 0; i < voci.size(); ++i)
      if (!suggerimenti[i].isEmpty())
        QVERIFY(voci[i]->toolTip() == suggerimenti[i] && !voci[i]->icon().pixmap(32, 32).isNull());
      else QVERIFY(voci[i]->isSeparator());
    // The report's commands ask where to save it; cancelled, nothing happens.
    b.messaggi.clear();
    b.comando("mnuFileItem5");
    b.comando("mnuFileEsportaRapporto");
    QVERIFY(b.messaggi.empty());
    // F5 solves.
    b.attiva();
    QSignalSpy fine(f, &FinestraPrincipale::calcoloConcluso);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : f, Qt::Key_F5);
    QVERIFY(fine.wait(60000) && f->finestraPlot());
    // Alt and a letter is one button or menu in the loads form, in either language.
    for (const QString lingua : {"ENG", "ITA"}) {
      Banco c(lingua, "ponte-stradale.vro");
      QCoreApplication::processEvents();
      c.finestra->MostraCarichi();
      QList<QChar> lettere;
      for (QAction* a : c.finestra->menuBar()->actions()) {
        QVERIFY2(!lettere.contains(Mnemonico(a->text())), qPrintable(a->text()));
        lettere << Mnemonico(a->text());
      }
      for (QPushButton* p : c.finestra->formCarichi()->findChildren<QPushButton*>())
        if (!Mnemonico(p->text()).isNull()) QVERIFY2(!lettere.contains(Mnemonico(p->text())), qPrintable(p->text()));
    }
  }
  // The results plot: each View flag changes it and, taken off, gives it
  // back as it was; it is centred on its drawing at any size; the wheel
  // zooms about the pointer, a drag pans, Fit to Window or a double click
  // give the whole drawing back; it goes out as DXF, to the printer and as
  // the command line's pictures, from the Plot menu and its own.
  void ilPlotDeiRisultati() {
    Banco b("ENG", "ponte-stradale.vro");
    QVERIFY(b.risolvi());
    auto* f = b.finestra.get();
    FinestraPlot* plot = f->finestraPlot();
    AreaPlot* a = plot->area();
    auto immagine = [a] { return a->grab().toImage(); };
    const QImage intera = immagine();
    QCOMPARE(intera.pixelColor(2, 2), QColor(Qt::black));
    for (int i = 0; i < 5; ++i) {
      QAction* v = f->azione(QString("mnuVisualizzaItem%1").arg(i));
      v->trigger();
      QVERIFY(v->isChecked() && b.s().stato.Visualizza[static_cast<std::size_t>(i)]);
      const QImage dopo = immagine();
      QVERIFY2(dopo != intera, qPrintable(v->text()));
      if (i == 4) QCOMPARE(dopo.pixelColor(2, 2), QColor(Qt::white));
      v->trigger();
      QCOMPARE(immagine(), intera);
    }
    QVERIFY(a->disegnato() && a->Adattata());
    for (const QSize dimensione : {QSize(1280, 900), QSize(900, 500), QSize(700, 760)}) {
      f->resize(dimensione);
      QCoreApplication::processEvents();
      QCOMPARE(plot->parentWidget()->size(), f->area()->viewport()->size());
      const QImage img = immagine();
      const QRect r = Disegnato(img);
      const QPointF scarto = QPointF(r.center()) - QPointF(img.width() / 2.0, img.height() / 2.0);
      QVERIFY2(std::fabs(scarto.x()) <= 0.06 * img.width() && std::fabs(scarto.y()) <= 0.06 * img.height(),
               qPrintable(
                   QString("%1x%2: off by %3, %4").arg(img.width()).arg(img.height()).arg(scarto.x()).arg(scarto.y())));
    }
    const QImage adattata = immagine();
    // Three notches of the wheel forward at a point: the drawing grows about it.
    const QPointF punto(a->width() * 0.3, a->height() * 0.4);
    const QPointF frazione = (punto - a->Riquadro().topLeft()) / a->Zoom();
    QWheelEvent rotella(punto, a->mapToGlobal(punto), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(a, &rotella);
    QVERIFY(std::fabs(a->Zoom() - 1.2 * 1.2 * 1.2) < 1e-9);
    const QPointF dopo = (punto - a->Riquadro().topLeft()) / a->Zoom() - frazione;
    QVERIFY(std::fabs(dopo.x()) < 1e-6 && std::fabs(dopo.y()) < 1e-6 && immagine() != adattata);
    const QPointF prima = a->Riquadro().topLeft();
    QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(a, QPoint(130, 90));
    QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, QPoint(130, 90));
    QCOMPARE(a->Riquadro().topLeft(), prima + QPointF(30, -10));
    for (int i = 0; i < 40; ++i) a->Ingrandisci(2, punto);
    QCOMPARE(a->Zoom(), VistaZoom::kZoomMassimo);  // the zoom keeps to its limits
    b.comando("mnuPlotAdatta");
    QVERIFY(a->Adattata());
    QCOMPARE(immagine(), adattata);
    a->Ingrandisci(0.5, punto);
    QTest::mouseDClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(a->Adattata());
    // DXF, its name and filter, also from the plot's own menu; cancelled, quiet.
    const QString cartella = b.utente.path();
    const QByteArray dxf = b.scritto("mnuPlotItem1", "ponte.dxf");
    const auto& r = b.dialoghi.richieste.back();
    QCOMPARE(QStringList({r.proposto, r.preselezionato}), QStringList({"ponte-stradale.dxf", "Autocad Files (*.dxf)"}));
    QVERIFY(dxf.contains("SECTION") && dxf.trimmed().endsWith("EOF"));
    b.dialoghi.nomi << cartella + "/dal menu.dxf";
    plot->menu->actions()[0]->menu()->actions()[1]->trigger();
    QCOMPARE(Contenuto(cartella + "/dal menu.dxf"), dxf);
    b.comando("mnuPlotItem1");
    b.comando("mnuPlotItem0");
    // The printer: a PDF page holding the plot.
    b.dialoghi.stampaAccettata = true;
    b.dialoghi.filePdf = cartella + "/ponte.pdf";
    b.comando("mnuPlotItem0");
    QVERIFY(Contenuto(b.dialoghi.filePdf).startsWith("%PDF") && QFileInfo(b.dialoghi.filePdf).size() > 5000);
    QVERIFY(b.messaggi.empty());
    // Pictures as the command line draws them; no extension: a PNG.
    b.dialoghi.richieste.clear();
    for (const QString n : {"arco.png", "arco.svg", "arco.pdf", "arco-bis"}) b.dialoghi.nomi << cartella + "/" + n;
    for (int i = 0; i < 4; ++i) b.comando("mnuPlotEsporta");
    QCOMPARE(b.dialoghi.richieste.front().proposto, QString("ponte-stradale.png"));
    QVERIFY(b.dialoghi.richieste.front().filtri.contains("*.svg") && b.messaggi.empty());
    plot->plot().Visualizza = b.s().stato.Visualizza;
    QByteArray png, svg;
    QVERIFY(PlottaPng(plot->plot(), png, 1600, 1000, false) && PlottaSvg(plot->plot(), svg, 1600, 1000, false));
    QVERIFY(Contenuto(cartella + "/arco.png") == png && Contenuto(cartella + "/arco-bis.png") == png);
    QVERIFY(Contenuto(cartella + "/arco.svg") == svg);
    QVERIFY(Contenuto(cartella + "/arco.pdf").startsWith("%PDF") && !QFileInfo::exists(cartella + "/arco-bis"));
    // A folder that does not exist: the reason, no file.
    b.dialoghi.nomi << cartella + "/manca/arco.png";
    b.comando("mnuPlotEsporta");
    QVERIFY(b.unErrore("Cannot write the file " + cartella + "/manca/arco.png"));
    b.messaggi.clear();
    // The Safety window's sweep chart, from its own File menu.
    FinestraSicurezza* s = b.valuta();
    QVERIFY(s);
    b.dialoghi.nomi << cartella + "/sweep.svg";
    s->mnuEsportaImmagine(1);
    QVERIFY(b.dialoghi.richieste.back().proposto == "ponte-stradale-sweep.png" &&
            Contenuto(cartella + "/sweep.svg").contains("<svg"));
    s->mnuEsportaImmagine(0);  // cancelled: no file, no message
    QVERIFY(b.messaggi.empty());
  }
  void avantiEIndietro() {
    Banco b("ENG", "ponte-stradale.vro");
    b.avanti();
    auto* f = b.finestra.get();
    QVERIFY(!f->formGeometria() && f->finestraPlot()->PlottaGeometria() == 1);
    auto clic = [](QPushButton* p) {
      p->click();
      QCoreApplication::processEvents();
    };
    clic(f->finestraPlot()->cmdNext);
    QVERIFY(f->formCarichi());
    clic(f->formCarichi()->cmdNext);
    QVERIFY(!f->formCarichi() && f->finestraPlot()->PlottaGeometria() == 2);
    clic(f->finestraPlot()->cmdPrevious);
    QVERIFY(f->formCarichi());
    clic(f->formCarichi()->cmdPrevious);
    QVERIFY(f->formGeometria() && !f->formCarichi());
  }
  // The language chosen in the menu is the user's setting, winning over the
  // old file beside the program, which is never written; the help follows it,
  // finds sections by their words, and says when its file is missing.
  void linguaDalMenuEAiuto() {
    Banco b("ENG");
    b.avvia();
    QVERIFY(b.dialoghi.lingueChieste == 0 && b.s().stato.Lingua == "ENG");
    b.comando("mnuAiutoItem0");
    auto* a = b.finestra->findChild<Aiuto*>();
    QVERIFY(a && a->isVisible() && a->indice->topLevelItemCount() >= 6);
    QVERIFY(a->pagina->toPlainText().contains("thrust line"));
    a->ricerca->setText("tie thrust");
    QVERIFY(a->trovati->count() >= 1);
    a->ricerca->setText("parolachenonce");
    QVERIFY(a->trovati->count() == 0 && b.messaggi.empty());
    b.comando("mnuLingua0");
    // Kept in the user's settings; the old file beside the program is never written.
    QCOMPARE(b.linguaImpostata(), QString("ITA"));
    QCOMPARE(Contenuto(b.programma.filePath("Lingua.ini")), QByteArray("\"ENG\"\r\n"));
    QVERIFY(b.finestra->azione("mnuLingua0")->isChecked() && !b.finestra->azione("mnuLingua1")->isChecked());
    b.comando("mnuAiutoItem0");
    QVERIFY(a->pagina->toPlainText().contains("curva delle pressioni"));
    QFile::remove(b.programma.filePath("docs/Voro-ITA.html"));
    b.comando("mnuAiutoItem0");
    QVERIFY(b.unErrore(""));
    b.comando("mnuLingua1");
    auto dopo = std::make_unique<FinestraPrincipale>(b.programma.path(), b.utente.path(), &b.messaggi, &b.dialoghi);
    dopo->Avvio({});
    QVERIFY(dopo->sessione().stato.Lingua == "ENG" && b.dialoghi.lingueChieste == 0);
  }
  void annullaERipristinaOgniModifica() {
    Banco b("ENG", "ponte-stradale.vro");
    FinestraPrincipale& w = *b.finestra;
    const QByteArray originale = b.progetto();
    QAction* annulla = w.azione("mnuModificaAnnulla");
    QAction* ripeti = w.azione("mnuModificaRipeti");
    QVERIFY(!annulla->isEnabled());
    // The loads form read: one step.
    FormCarichi* c = b.carichi();
    Digita(c->txtDati[0], "12");
    QVERIFY(c->LeggeCarichi() && b.s().dati.qCarico == 12.0f);
    QVERIFY(annulla->text() == "&Undo Loads" && w.Didascalia() == kCaption + "ponte-stradale*");
    const QByteArray dodici = b.progetto();
    // Inside a box Ctrl+Z takes back the typing of that box, not a step.
    c->txtDati[2]->setFocus();
    c->txtDati[2]->selectAll();
    const QString xq2 = c->txtDati[2]->text();
    QTest::keyClicks(c->txtDati[2], "9");
    QTest::keyClick(c->txtDati[2], Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(c->txtDati[2]->text(), xq2);
    QVERIFY(w.storia().pila().count() == 1 && b.s().dati.qCarico == 12.0f);
    // Typed but not yet read: Undo reads it as a step of its own first.
    c->txtDati[1]->selectAll();
    QTest::keyClicks(c->txtDati[1], "1");
    annulla->trigger();
    QVERIFY(b.progetto() == dodici && w.storia().pila().count() == 2);
    // Back to the project as opened: every value, the form's boxes, no mark.
    annulla->trigger();
    QCOMPARE(b.progetto(), originale);
    QCOMPARE(b.s().regional.ValInternazionale(c->txtDati[0]->text().toStdString()), double(b.s().dati.qCarico));
    QVERIFY(!c->toccato() && !annulla->isEnabled() && w.Didascalia() == kCaption + "ponte-stradale");
    ripeti->trigger();
    QVERIFY(b.progetto() == dodici && c->txtDati[0]->text() == "12" && w.Didascalia() == kCaption + "ponte-stradale*");
    // Read unchanged, no step; a change undone builds the old voussoirs again.
    FormGeometria* g = b.geometria();
    const int passi = w.storia().pila().count();
    QVERIFY(g->LeggeDatiGeom() && w.storia().pila().count() == passi);
    const int conci = b.s().modello.nConciTot;
    g->txtNvori->setFocus();
    const QString prima = g->txt1Voro[3]->text();
    Digita(g->txt1Voro[3], QString::number(prima.toInt() + 4));
    QVERIFY(g->LeggeDatiGeom() && b.s().modello.nConciTot == conci + 4 && annulla->text() == "&Undo Geometry");
    annulla->trigger();
    QVERIFY(b.s().modello.nConciTot == conci && w.ModelloValido() && w.formGeometria()->txt1Voro[3]->text() == prima);
    // A geometry that cannot be built is a step too, undone at once.
    g = w.formGeometria();
    Digita(g->txt1Voro[1], "70");
    QVERIFY(!g->LeggeDatiGeom() && !w.ModelloValido() && b.ultimo().startsWith("Error: Check Geometry"));
    annulla->trigger();
    QVERIFY(w.ModelloValido() && b.s().modello.nConciTot == conci && w.azione("mnuSolve")->isEnabled());
    // Saved: the clean state; an undo after it marks the project modified.
    b.dialoghi.nomi << b.utente.path() + "/salvato.vro";
    QVERIFY(w.FileSalvaConNome() && w.storia().pila().isClean() && w.Didascalia() == kCaption + "salvato");
    annulla->trigger();
    QVERIFY(b.progetto() == originale && w.Didascalia() == kCaption + "salvato*");
    ripeti->trigger();
    QCOMPARE(w.Didascalia(), kCaption + "salvato");
    w.FileNuovo();  // another project: no history
    QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled());
  }
  // The Window menu; tiled or cascaded, the Safety window keeps three rows of
  // figures and a drawing of some size in view.
  void menuFinestra() {
    Banco b("ENG", "ponte-stradale.vro");
    FinestraPrincipale& w = *b.finestra;
    FinestraSicurezza* s = b.valuta();
    QTableWidget* t = s->tabella;
    auto leggibile = [&] {
      QCoreApplication::processEvents();
      return t->viewport()->height() >= 3 * t->fontMetrics().height() && s->schede->height() >= 150;
    };
    w.MostraGeometria();
    w.MostraCarichi();
    w.MostraOpzioni();
    QMenu* m = w.menuBar()->findChild<QMenu*>("mnuFinestra");  // its place among the menus: menuEToolbar
    // Tile works before the menu was ever opened.
    w.azione("mnuFinestraAffianca")->trigger();
    QVERIFY(w.formOpzioni()->parentWidget()->pos() == QPoint(0, 0) &&
            w.finestraPlot()->parentWidget()->pos() != QPoint(0, 0));
    emit m->aboutToShow();
    QStringList titoli;
    for (QAction* a : m->actions())
      if (a->objectName().startsWith("mnuFinestra") && a->isCheckable()) titoli << a->text();
    QVERIFY(titoli.size() == w.area()->subWindowList().size() && titoli.join(' ').contains("Geometry") &&
            titoli.join(' ').contains("Load"));
    // Choosing one brings it in front.
    for (QAction* a : m->actions())
      if (a->text().contains("Geometry")) a->trigger();
    QCOMPARE(w.area()->activeSubWindow()->widget(), static_cast<QWidget*>(w.formGeometria()));
    // Tile: side by side, no window over another.
    w.azione("mnuFinestraAffianca")->trigger();
    const QList<QMdiSubWindow*> finestre = w.area()->subWindowList();
    for (int i = 0; i < finestre.size(); ++i)
      for (int k = i + 1; k < finestre.size(); ++k)
        QVERIFY(!finestre[i]->geometry().intersects(finestre[k]->geometry()));
    QVERIFY(leggibile());
    w.azione("mnuFinestraCascata")->trigger();
    QVERIFY(finestre[0]->geometry().topLeft() != finestre[1]->geometry().topLeft() && leggibile());
  }
  // The language dialog fits its title; a window is cut to the screen.
  void finestreLeggibili() {
    FormLingua lingua;
    QVERIFY(lingua.minimumWidth() > lingua.fontMetrics().horizontalAdvance(lingua.windowTitle()) + 100);
    QWidget finestra(nullptr, Qt::Window);
    const QRect schermo = finestra.screen()->availableGeometry();
    DimensionaSulloSchermo(finestra, schermo.size() * 2);
    QVERIFY(schermo.contains(finestra.geometry()));
    DimensionaSulloSchermo(finestra, QSize(300, 200));
    QVERIFY(finestra.size() == QSize(300, 200) && schermo.contains(finestra.geometry()));
  }
  void comandiInOgniOrdine() {
    // Every command, in order and reversed, empty and on an example: never a NaN.
    const QStringList comandi{"mnuDataItem0", "mnuDataItem1", "mnuDataItem2", "mnuSolve", "mnuReport",
                              "mnuPlotItem0", "mnuPlotItem1", "mnuVisualizzaItem4", "mnuFileItem0",
                              "mnuFileItem2", "mnuFileItem4", "mnuFileItem5", "mnuFileEsportaRapporto"};
    // Reversed, New comes before the rest: empty and on an example they are the same.
    for (int giro = 0; giro < 3; ++giro) {  // empty in menu order; on an example in order, then reversed
      Banco b;
      b.avvia(giro ? QStringList{b.esempio("ponte-stradale.vro")} : QStringList{});
      if (auto* g = b.finestra->formGeometria()) g->cbPltGeom->click();
      QStringList ordine = comandi;
      if (giro == 2) std::reverse(ordine.begin(), ordine.end());
      for (const QString& c : ordine) {
        QAction* a = b.finestra->azione(c);
        a->setEnabled(true);  // also the commands the window would keep disabled
        a->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !b.finestra->calcoloInCorso(); }, 60000));
        QCoreApplication::processEvents();
      }
      for (QLineEdit* e : b.finestra->findChildren<QLineEdit*>())
        QVERIFY2(!e->text().contains(QRegularExpression("nan|inf", QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(e->text()));
    }
  }
};

}  // namespace voro::ui::test

QTEST_MAIN(voro::ui::test::TestMainWindow)
#include "test_main_window.moc"
