// The entry panel in the real window, offscreen: tick boxes both ways, the
// key filters on real key presses, and a stage written from the panel.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EditorProva.h"
#include "app/FinestraViandora.h"

class TestEditorFinestra : public QObject {
    Q_OBJECT
private slots:
    void pannelloInserimento();
};

void TestEditorFinestra::pannelloInserimento() {
    EditorProva e;
    FormViandora& f = e.f();
    FinestraViandora finestra(f);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));

    auto* fine = qobject_cast<QCheckBox*>(finestra.Widget("chkFineGiornata"));
    auto* progressivo = qobject_cast<QCheckBox*>(finestra.Widget("chkProgressivo"));
    QVERIFY(fine && progressivo);
    QCOMPARE(fine->text(), QString("Fine giornata"));
    QVERIFY(fine->isVisible());
    // Shown from the third row on.
    QVERIFY(!progressivo->isVisible());
    QCOMPARE(qobject_cast<QComboBox*>(finestra.Widget("cmbTipoStrada"))->count(), 4);
    QVERIFY(finestra.Widget("cmbSosta(2)")->isVisible());

    QTest::mouseClick(fine, Qt::LeftButton);
    QVERIFY(f.chkFineGiornata.Value);
    f.chkFineGiornata.Value = false;
    finestra.Aggiorna();
    QVERIFY(!fine->isChecked());

    auto* tappa = qobject_cast<QLineEdit*>(finestra.Widget("txtTappa"));
    tappa->setFocus();
    QTest::keyClicks(tappa, "l'aquila");
    QCOMPARE(f.txtTappa.Text, QString("L'AQUILA"));
    auto* km = qobject_cast<QLineEdit*>(finestra.Widget("txtKm"));
    km->setFocus();
    QTest::keyClicks(km, "1a2.0");
    QCOMPARE(f.txtKm.Text, QString("120"));
    QTest::keyClick(km, Qt::Key_Backspace);
    QCOMPARE(km->text(), QString("120"));

    QTest::mouseClick(finestra.Widget("cmdInserisce"), Qt::LeftButton);
    QCOMPARE(Tappe(f), QStringList({"L'AQUILA||120||"}));
    QCOMPARE(qobject_cast<QLineEdit*>(finestra.Widget("txtRiga"))->text(), QString("2"));
}

QTEST_MAIN(TestEditorFinestra)
#include "test_editor_finestra.moc"
