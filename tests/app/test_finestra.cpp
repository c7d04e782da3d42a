// The real window, offscreen, over a real database in a temporary folder.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/FinestraViandora.h"
#include "support/PiattaformaProva.h"

class TestFinestra : public QObject {
    Q_OBJECT
private slots:
    void pannelliEComandi();
    void tastiFiltrati();
    void grigliaSuTableView();
    void esceDallaFinestra();
    void nuovaMetaDallaFinestra();
};

void TestFinestra::pannelliEComandi() {
    QTemporaryDir d;
    PiattaformaProva p;
    FormViandora form(p, d.path() + "/");
    QVERIFY(form.Form_Load());
    FinestraViandora finestra(form);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));

    QCOMPARE(finestra.windowTitle(), QString("Quintora 2.00 - 2005"));
    // 15 twips make one pixel.
    auto* input = qobject_cast<QGroupBox*>(finestra.Widget("frmInputBox"));
    QVERIFY(input);
    QCOMPARE(input->title(), QString("Inserimento itinerario:"));
    QCOMPARE(input->geometry(), QRect(527, 157, 243, 342));
    auto* griglia = finestra.Widget("mfgTab");
    QCOMPARE(griglia->geometry(), QRect(0, 190, 769, 270));
    QVERIFY(griglia->isVisible());
    QVERIFY(!finestra.Widget("frmGuida")->isVisible());
    QVERIFY(!finestra.Widget("cmdConverte")->isVisible());

    auto* nuovo = qobject_cast<QPushButton*>(finestra.Widget("cmdNuovo"));
    auto* salva = qobject_cast<QPushButton*>(finestra.Widget("cmdSalva"));
    QCOMPARE(nuovo->text(), QString("&Nuovo"));
    QCOMPARE(nuovo->toolTip(), QString("Predispone per una nuova meta (cancella tutti i campi)"));
    QVERIFY(nuovo->isEnabled());
    QVERIFY(!salva->isEnabled());

    // A change of the command list shows after the repaint.
    form.ComandiMeta = "Es";
    form.AbilitaPulsantiComando();
    finestra.Aggiorna();
    QVERIFY(!nuovo->isEnabled());
    QCOMPARE(qobject_cast<QPushButton*>(finestra.Widget("cmdEsce"))->text(), QString("&Stop"));
    p.risposte = {Msg::Yes};
    QTest::mouseClick(finestra.Widget("cmdEsce"), Qt::LeftButton);
    QVERIFY(form.Interrompi);
}

void TestFinestra::tastiFiltrati() {
    QTemporaryDir d;
    PiattaformaProva p;
    FormViandora form(p, d.path() + "/");
    QVERIFY(form.Form_Load());
    form.ComandiMeta = "All";
    form.AbilitaPulsantiComando();
    FinestraViandora finestra(form);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));

    auto* localita = qobject_cast<QLineEdit*>(finestra.Widget("txtLocalita"));
    localita->setFocus();
    QTest::keyClicks(localita, "l'aquila");
    QCOMPARE(localita->text(), QString("L'AQUILA"));
    QCOMPARE(form.txtLocalita.Text, QString("L'AQUILA"));

    auto* velocita = qobject_cast<QComboBox*>(finestra.Widget("cmbMediaKm(1)"));
    velocita->lineEdit()->setFocus();
    velocita->lineEdit()->selectAll();
    QTest::keyClicks(velocita->lineEdit(), "9x0");
    QCOMPARE(form.cmbMediaKm[1].Text(), QString("90"));

    auto* ora = qobject_cast<QComboBox*>(finestra.Widget("cmbOra(3)"));
    ora->lineEdit()->setFocus();
    QTest::keyClicks(ora->lineEdit(), "12");
    QCOMPARE(form.cmbOra[3].Text(), QString("22"));
    QCOMPARE(ora->currentText(), QString("22"));

    // Enter is no key for a field's filter: it triggers the default button
    // (here the exit command, answered No).
    QVERIFY(form.cmdEsce.Default);
    p.risposte = {Msg::No};
    QTest::keyClick(localita, Qt::Key_Return);
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(p.messaggi.last().testo, QString("Vuoi chiudere la procedura?"));
    QCOMPARE(form.txtLocalita.Text, QString("L'AQUILA"));
}

void TestFinestra::grigliaSuTableView() {
    QTemporaryDir d;
    PiattaformaProva p;
    FormViandora form(p, d.path() + "/");
    QVERIFY(form.Form_Load());
    FinestraViandora finestra(form);
    auto* vista = qobject_cast<QTableView*>(finestra.Widget("mfgTab"));
    QVERIFY(vista);
    QAbstractItemModelTester tester(vista->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    form.mfgTab.SetCols(4);
    form.mfgTab.SetRows(3);
    form.mfgTab.SetTextMatrix(0, 1, "Localita");
    form.mfgTab.SetTextMatrix(2, 1, "ROMA");
    form.mfgTab.SetColWidth(3, 0);
    form.mfgTab.SetColAlignment(1, Griglia::Destra);
    form.mfgTab.SetStile(2, 1, {true, 0xFFFF00, -1});
    finestra.Aggiorna();
    QAbstractItemModel* m = vista->model();
    QCOMPARE(m->rowCount(), 2);
    QCOMPARE(m->columnCount(), 4);
    QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QString("Localita"));
    QCOMPARE(m->index(1, 1).data().toString(), QString("ROMA"));
    QVERIFY(m->index(1, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    QVERIFY(m->index(1, 1).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(vista->isColumnHidden(3));
    form.mfgTab.SetRows(1);
    finestra.Aggiorna();
    QCOMPARE(m->rowCount(), 0);
}

void TestFinestra::esceDallaFinestra() {
    QTemporaryDir d;
    PiattaformaProva p;
    FormViandora form(p, d.path() + "/");
    QVERIFY(form.Form_Load());
    FinestraViandora finestra(form);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    p.risposte = {Msg::No};
    QVERIFY(!finestra.close());
    QVERIFY(finestra.isVisible());
    p.risposte = {Msg::Yes};
    QVERIFY(finestra.close());
    QVERIFY(p.terminato);
    QVERIFY(!form.Db.Aperto());
}

void TestFinestra::nuovaMetaDallaFinestra() {
    QTemporaryDir d;
    PiattaformaProva p;
    {
        FormViandora form(p, d.path() + "/");
        QVERIFY(form.Form_Load());
        FinestraViandora finestra(form);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));

        QTest::mouseClick(finestra.Widget("cmdNuovo"), Qt::LeftButton);
        auto* localita = qobject_cast<QLineEdit*>(finestra.Widget("txtLocalita"));
        auto* nazione = qobject_cast<QLineEdit*>(finestra.Widget("txtNazione"));
        QTest::keyClicks(localita, "parigi");
        QTest::keyClicks(nazione, "francia");
        // The start year is chosen from its list.
        auto* anno = qobject_cast<QComboBox*>(finestra.Widget("cmbInizio(2)"));
        const int indice = anno->findText("2007");
        QVERIFY(indice >= 0);
        anno->setCurrentIndex(indice);
        emit anno->activated(indice);
        p.risposte = {Msg::Yes};
        QTest::mouseClick(finestra.Widget("cmdSalva"), Qt::LeftButton);
        QCOMPARE(p.messaggi.last().testo, QString("Confermi inserimento meta?"));
        QCOMPARE(qobject_cast<QLineEdit*>(finestra.Widget("txtCodice"))->text(), QString("000001"));
        QVERIFY(qobject_cast<QPushButton*>(finestra.Widget("cmdCancMeta"))->isEnabled());
    }
    // The next start shows the trip again.
    FormViandora form(p, d.path() + "/");
    QVERIFY(form.Form_Load());
    FinestraViandora finestra(form);
    QCOMPARE(qobject_cast<QLineEdit*>(finestra.Widget("txtLocalita"))->text(), QString("PARIGI"));
    QCOMPARE(qobject_cast<QComboBox*>(finestra.Widget("cmbInizio(2)"))->currentText(), QString("2007"));
}

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
