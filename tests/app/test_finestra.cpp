// The real window, offscreen, over a real database in a temporary folder:
// panels and commands, key filters on real key presses, the grid's view and
// "&Calcola" with its timetable view, the exchange screen.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/FinestraViandora.h"
#include "common/Testo1252.h"
#include "exchange/ControlloreScambio.h"
#include "finestre/RiquadroMessaggio.h"
#include "finestre/Traduzioni.h"
#include "support/PlannerProva.h"
#include "timetable/ViaggioProva.h"

namespace {
// Columns 1 to 4 and 7 of the rows shown with a locality; the view leaves
// out the grid's fixed columns.
QStringList Mostrate(const QAbstractItemModel& m, int fisse) {
    QStringList righe;
    for (int r = 0; r < m.rowCount(); ++r) {
        if (m.index(r, 1 - fisse).data().toString().isEmpty()) continue;
        QStringList celle;
        for (int c : {1, 2, 3, 4, 7})
            celle << m.index(r, c - fisse).data().toString();
        righe << celle.join(u'|');
    }
    return righe;
}
} // namespace

class TestFinestra : public QObject {
    Q_OBJECT
private slots:
    // Keys reach the fields' filters; Enter and closing the window ask before
    // leaving.
    void comandiTastiEUscita() {
        Planner pl;
        FormViandora& form = *pl;
        FinestraViandora finestra(form);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));

        form.ComandiMeta = "All";
        form.AbilitaPulsantiComando();
        // A destination wider than the box, stored by a later version, is shown whole.
        form.txtLocalita.Text = "SANTIAGO DE COMPOSTELA VIA FRANCIGENA 1";
        finestra.Aggiorna();
        QCOMPARE(qobject_cast<QLineEdit*>(finestra.Widget("txtLocalita"))->text(), form.txtLocalita.Text);
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
        pl.p.messaggi.clear();
        pl.p.risposte = {Msg::No};
        QTest::keyClick(ora->lineEdit(), Qt::Key_Return);
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi.last().testo, QString("Vuoi chiudere la procedura?"));
        pl.p.risposte = {Msg::No};
        QVERIFY(!finestra.close() && finestra.isVisible());
        pl.p.risposte = {Msg::Yes};
        QVERIFY(finestra.close() && pl.p.terminato && !form.Db.Aperto());
    }

    void calcolaESblocca() {
        ViaggioInFinestra v;
        v.Voce("FIRENZE", "01", "Uffizi", "02:00");
        v.Partenza("05/08/2006", "09:00");
        v.Velocita(0, "100");
        // A gap in the list, closed on unlocking.
        v.Tappe({"AREZZO|A1|350|A|", "", "FIRENZE|A1|500|A|*01:00"});
        v->ComandiMeta = "all";
        v->AbilitaPulsantiComando();
        FinestraViandora finestra(*v);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        auto* vista = qobject_cast<QTableView*>(finestra.Widget("mfgTab"));
        auto* calcola = qobject_cast<QPushButton*>(finestra.Widget("cmdCalcola"));
        QAbstractItemModelTester tester(vista->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QStringList tappe = Mostrate(*vista->model(), v->mfgTab.FixedCols);
        QCOMPARE(tappe, (QStringList{"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|*01:00"}));

        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(calcola->text(), QString("&Sblocca"));
        QVERIFY(!qobject_cast<QPushButton*>(finestra.Widget("cmdNuovo"))->isEnabled());
        const int x = -v->mfgTab.FixedCols;
        const QAbstractItemModel* m = vista->model();
        QCOMPARE(m->headerData(7 + x, Qt::Horizontal).toString(), QString("Sosta"));
        QVERIFY(vista->isColumnHidden(8 + x));
        QCOMPARE(m->index(0, 12 + x).data().toString(), QString("Pranzo"));
        QCOMPARE(m->index(2, 7 + x).data().toString(), QString("00:02:00*"));
        QCOMPARE(m->index(3, 1 + x).data().toString(), QString(" > Uffizi"));
        QVERIFY(m->index(2, 3 + x).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
        QVERIFY(m->index(3, 7 + x).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(qobject_cast<QLineEdit*>(finestra.Widget("txtGiorni"))->text(), QString("1"));

        // Unlocked, the stages come back in order, and calculate again.
        QTest::mouseClick(calcola, Qt::LeftButton);
        QCOMPARE(calcola->text(), QString("&Calcola"));
        QVERIFY(!vista->isColumnHidden(8 + x));
        QCOMPARE(Mostrate(*vista->model(), v->mfgTab.FixedCols), tappe);
        QTest::mouseClick(calcola, Qt::LeftButton);
        QVERIFY(calcola->text() == "&Sblocca" && m->index(0, 12 + x).data().toString() == "Pranzo");
    }

    // A trip or a list loaded shows its first row, wherever the user had
    // scrolled the grid to.
    void caricamentoDallaPrimaRiga() {
        for (const QString azione : {"ricerca", "nuovo", "sblocca", "percorso"}) {
            ViaggioInFinestra v;
            QStringList tappe{"PARTENZA|||"}, percorso{"Percorso", "Ora\tIstruzioni\tKm\tPer\tTempo"};
            for (int i = 1; i < 30; ++i) {
                tappe << QString("TAPPA %1|A1|%1|A|").arg(i);
                percorso << QString("08:00\t%1\ta Paese%1, proseguire su A1").arg(i * 10);
            }
            for (const char* meta : {"PRIMA", "SECONDA"}) {
                NuovaMeta(v, meta);
                v->Click("cmdItinerario");
                v.Tappe(tappe);
                v.p.risposte = {Msg::Yes};
                v->Click("cmdFine");
            }
            if (azione == "sblocca") v.Calcola();
            FinestraViandora finestra(*v);
            finestra.show();
            QScrollBar* barra = qobject_cast<QTableView*>(finestra.Widget("mfgTab"))->verticalScrollBar();
            barra->setValue(barra->maximum());
            QVERIFY(barra->value() > 10);
            if (azione == "ricerca") {
                v->Click("cmdRicerca");
                v->cmbRicerca.SetListIndex(0);
                v->Click("cmbRicerca");
            } else if (azione != "percorso") {
                v->Click(azione == "nuovo" ? "cmdNuovo" : "cmdCalcola");
            } else {
                NuovaMeta(v, "TERZA");
                v->Click("cmdItinerario");
                v.p.fileDaAprire << v.dir.path() + "/percorso.txt";
                QVERIFY(ScriviRigheWindows1252(v.p.fileDaAprire[0], percorso));
                v->Click("cmdMapPoint");
            }
            finestra.Aggiorna();
            QVERIFY2(barra->value() == 0, qPrintable(azione));
        }
    }

    // Qt's own texts are Italian; a message box shows its title whole, in
    // a frame's bold face with room for the frame's buttons.
    void testiDiQtEMessaggi() {
        QVERIFY(CaricaTraduzioniQt(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("Cerca in:"));
        const QString titolo = "Memorizzazione dati mèta di default";
        int larghezza = 0;
        QTimer::singleShot(0, [&] {
            larghezza = QApplication::activeModalWidget()->width();
            QApplication::activeModalWidget()->close();
        });
        RiquadroMessaggio(nullptr, "Confermi?", Msg::YesNo | Msg::Question, titolo);
        QFont grassetto = QApplication::font();
        grassetto.setBold(true);
        const QFontMetrics metrica(grassetto);
        QVERIFY(larghezza >= metrica.horizontalAdvance(titolo) + 4 * metrica.height());
    }

    // The exchange screen opened from its button, trips moved by clicking
    // the list's rows, Esc to leave (the captions are measured with every
    // other text of the window).
    void scambioNellaFinestra() {
        Planner pl;
        SalvaMeta(*pl, "CodiceMeta=000001;Localita=SANTIAGO DE COMPOSTELA;Nazione=SPAGNA");
        SalvaMeta(*pl, "CodiceMeta=000002;Localita=ANCONA;Nazione=ITALIA");
        pl->SchermoMeta.RicercaMetaCorrente();
        FinestraViandora finestra(*pl);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));

        QTest::mouseClick(finestra.Widget("cmdExport"), Qt::LeftButton);
        auto* pannello = finestra.Widget("frmExport");
        QVERIFY(pannello->isVisible() && !finestra.Widget("mfgTab")->isVisible());
        // The status line and progress bar stay in sight below the panel.
        QVERIFY(pannello->geometry().bottom() < finestra.Widget("frmBottoni")->geometry().top());

        auto* lista = qobject_cast<QTableView*>(finestra.Widget("mfgImExp(0)"));
        QCOMPARE(lista->model()->index(1, 1).data().toString(), QString("SANTIAGO DE COMPOSTELA"));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(1, 1)).center());
        QCOMPARE(pl->Scambio.mfgImExp[1].TextMatrix(1, 1), "SANTIAGO DE COMPOSTELA");
        auto* esporta = qobject_cast<QPushButton*>(finestra.Widget("cmdImExp"));
        QVERIFY(esporta->isEnabled() && esporta->isDefault());

        QTest::keyClick(&finestra, Qt::Key_Escape);
        QVERIFY(!pannello->isVisible() && finestra.Widget("cmdExport")->isEnabled());
    }
};

QTEST_MAIN(TestFinestra)
#include "test_finestra.moc"
