// The exchange screen in the real window, offscreen: opened from its button,
// trips moved by clicking the list's rows, Esc to leave (the captions are
// measured with every other text of the window).
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/FinestraViandora.h"
#include "exchange/ControlloreScambio.h"
#include "exchange/Scambio.h"
#include "support/PlannerProva.h"

class TestFinestraScambio : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(TestFinestraScambio)
#include "test_finestra_scambio.moc"
