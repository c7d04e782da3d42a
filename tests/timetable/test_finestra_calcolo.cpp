// "&Calcola" in the real window, offscreen: the timetable view and back.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "ViaggioProva.h"
#include "app/FinestraViandora.h"

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

class TestFinestraCalcolo : public QObject {
    Q_OBJECT
private slots:
    void calcolaESblocca();
};

void TestFinestraCalcolo::calcolaESblocca() {
    Viaggio v;
    v.Voce("FIRENZE", "01", "Uffizi", "02:00");
    v.Partenza("05/08/2006", "09:00");
    v.Velocita(0, "100");
    v.Tappe({"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|*01:00"});
    v->ComandiMeta = "all";
    v->AbilitaPulsantiComando();
    FinestraViandora finestra(*v);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    auto* vista = qobject_cast<QTableView*>(finestra.Widget("mfgTab"));
    auto* calcola = qobject_cast<QPushButton*>(finestra.Widget("cmdCalcola"));
    QVERIFY(vista && calcola);
    QAbstractItemModelTester tester(vista->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList tappe = Mostrate(*vista->model(), v->mfgTab.FixedCols);
    QCOMPARE(tappe, (QStringList{"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|*01:00"}));

    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(calcola->text(), QString("&Sblocca"));
    QVERIFY(!qobject_cast<QPushButton*>(finestra.Widget("cmdNuovo"))->isEnabled());
    const int x = -v->mfgTab.FixedCols;
    const QAbstractItemModel* m = vista->model();
    QCOMPARE(m->headerData(7 + x, Qt::Horizontal).toString(), QString("Sosta"));
    QVERIFY(vista->isColumnHidden(8 + x));
    QCOMPARE(m->index(0, 1 + x).data().toString(), QString("AREZZO"));
    QCOMPARE(m->index(0, 12 + x).data().toString(), QString("Pranzo"));
    QCOMPARE(m->index(2, 1 + x).data().toString(), QString("a: Firenze"));
    QCOMPARE(m->index(2, 7 + x).data().toString(), QString("00:02:00*"));
    QCOMPARE(m->index(3, 1 + x).data().toString(), QString(" > Uffizi"));
    QVERIFY(m->index(3, 7 + x).data(Qt::FontRole).value<QFont>().bold());
    auto* giorni = qobject_cast<QLineEdit*>(finestra.Widget("txtGiorni"));
    QVERIFY(giorni && giorni->isVisible());
    QCOMPARE(giorni->text(), QString("1"));

    QTest::mouseClick(calcola, Qt::LeftButton);
    QCOMPARE(calcola->text(), QString("&Calcola"));
    QCOMPARE(vista->model()->headerData(7 + x, Qt::Horizontal).toString(), QString("Itinerario"));
    QVERIFY(!vista->isColumnHidden(8 + x));
    QCOMPARE(Mostrate(*vista->model(), v->mfgTab.FixedCols), tappe);
}

QTEST_MAIN(TestFinestraCalcolo)
#include "test_finestra_calcolo.moc"
