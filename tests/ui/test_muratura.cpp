// The masonry and soil dialog: the project's values into the boxes and back,
// a value that is not a number leaves the project as it was.
#include <QTest>

#include "ui/DialogoMuratura.h"

using namespace voro;
using namespace voro::ui;

class TestMuratura : public QObject {
  Q_OBJECT

 private slots:
  void anelloAndataERitorno() {
    DatiProgetto d;
    d.ResistenzaAnello = 4.5f;
    RecordingMessages msg;
    DialogoMuratura dlg(d, msg);
    QCOMPARE(dlg.tabellaResistenza->rowCount(), 1);
    QCOMPARE(dlg.tabellaResistenza->item(0, 0)->text(), QString("4.5"));
    QVERIFY(!dlg.chkAttrito->isChecked());
    QVERIFY(!dlg.txtAttrito->isEnabled());
    QCOMPARE(dlg.txtMobilitazione->text(), QString("1"));
    dlg.tabellaResistenza->item(0, 0)->setText("5");
    dlg.chkAttrito->setChecked(true);
    QVERIFY(dlg.txtAttrito->isEnabled());
    dlg.txtAttrito->setText("0,6");
    dlg.txtMobilitazione->setText("0.5");
    QVERIFY(dlg.Leggi());
    QCOMPARE(d.ResistenzaAnello, 5.0f);
    QVERIFY(d.Attrito.has_value());
    QCOMPARE(*d.Attrito, 0.6f);
    QCOMPARE(d.Mobilitazione, 0.5f);
    QVERIFY(msg.empty());
    // Unchecked, the joints never slide again.
    dlg.chkAttrito->setChecked(false);
    QVERIFY(dlg.Leggi());
    QVERIFY(!d.Attrito.has_value());
  }

  void segmentiOgnunoLaSua() {
    DatiProgetto d;
    d.nVori = 3;
    d.dimensionaVori(3);
    d.Vori(2).Resistenza = 7;
    RecordingMessages msg;
    DialogoMuratura dlg(d, msg);
    QCOMPARE(dlg.tabellaResistenza->rowCount(), 3);
    QCOMPARE(dlg.tabellaResistenza->item(1, 0)->text(), QString("7"));
    dlg.tabellaResistenza->item(2, 0)->setText("3.2");
    QVERIFY(dlg.Leggi());
    QCOMPARE(d.Vori(1).Resistenza, 0.0f);
    QCOMPARE(d.Vori(2).Resistenza, 7.0f);
    QCOMPARE(d.Vori(3).Resistenza, 3.2f);
  }

  void testoNonNumericoLasciaIlProgetto() {
    DatiProgetto d;
    d.ResistenzaAnello = 2;
    RecordingMessages msg;
    DialogoMuratura dlg(d, msg);
    dlg.tabellaResistenza->item(0, 0)->setText("8");
    dlg.txtMobilitazione->setText("-1");
    QVERIFY(!dlg.Leggi());
    QCOMPARE(d.ResistenzaAnello, 2.0f);
    QCOMPARE(d.Mobilitazione, 1.0f);
    QVERIFY(!msg.empty());
    dlg.txtMobilitazione->setText("1");
    dlg.tabellaResistenza->item(0, 0)->setText("abc");
    QVERIFY(!dlg.Leggi());
    QCOMPARE(d.ResistenzaAnello, 2.0f);
  }
};

QTEST_MAIN(TestMuratura)
#include "test_muratura.moc"
