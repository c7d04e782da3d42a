#include <QTest>

#include "common/PaginaStampa.h"
#include "support/PaginaRegistrata.h"

// The recording page measures 0.2 mm per point per character: at 10 points
// every character is 2 mm wide and a line 4 mm high.
class TestStampaTesto : public QObject {
    Q_OBJECT

private slots:
    void posizione_data() {
        QTest::addColumn<int>("adattamento");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("da");
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("allineato");
        QTest::addColumn<QString>("stampato");
        QTest::addColumn<double>("x");
        const int T = int(AdattamentoTesto::Taglia), R = int(AdattamentoTesto::Riduci);
        QTest::newRow("sinistra") << T << "abc" << 10.0 << 30.0 << 0 << "abc" << 10.0;
        QTest::newRow("centrato: 20 - w/2 - 1") << T << "abc" << 10.0 << 30.0 << 1 << "abc" << 16.0;
        QTest::newRow("destra: 27 - w") << T << "abc" << 10.0 << 30.0 << 2 << "abc" << 21.0;
        QTest::newRow("codice ignoto a zero") << T << "abc" << 10.0 << 30.0 << 7 << "abc" << 0.0;
        QTest::newRow("spazi tolti") << T << "  abc " << 10.0 << 30.0 << 0 << "abc" << 10.0;
        QTest::newRow("largo quanto la campata + 2: un carattere in meno")
            << T << "abcdefghijk" << 10.0 << 30.0 << 0 << "abcdefghij" << 10.0;
        QTest::newRow("molto largo: tagliato finché entra")
            << T << "abcdefghijklmnopqrstuvwxyz" << 10.0 << 30.0 << 0 << "abcdefghij" << 10.0;
        QTest::newRow("diario: mai tagliato")
            << R << "abcdefghijk" << 10.0 << 20.0 << 0 << "abcdefghijk" << 10.0;
    }
    void posizione() {
        QFETCH(int, adattamento);
        QFETCH(QString, testo);
        QFETCH(double, da);
        QFETCH(double, a);
        QFETCH(int, allineato);
        QFETCH(QString, stampato);
        QFETCH(double, x);
        PaginaRegistrata p;
        StampaTesto(p, AdattamentoTesto(adattamento), testo, 50, da, a, false, false, 10, allineato);
        const auto testi = p.Di(PaginaRegistrata::Testo);
        QCOMPARE(testi.size(), 1);
        QCOMPARE(testi[0].testo, stampato);
        if (adattamento == int(AdattamentoTesto::Taglia)) {
            QCOMPARE(testi[0].x1, x);
            QCOMPARE(testi[0].y1, 46.0); // the text stands on line 50
        }
    }

    void pocoOltreLaTolleranzaStampaIntero() {
        PaginaRegistrata p;
        p.larghezza = [](const PaginaRegistrata&, const QString& t) { return t.size() * 1.99; };
        StampaTesto(p, AdattamentoTesto::Taglia, "abcdefghijk", 50, 10, 30, false, false, 10, 0);
        QCOMPARE(p.Testi(), QStringList{"abcdefghijk"}); // 21.89 mm in a 20 mm span
    }

    void vuotoNonStampaELasciaIlFont() {
        for (auto adattamento : {AdattamentoTesto::Taglia, AdattamentoTesto::Riduci}) {
            PaginaRegistrata p;
            p.FontSize = 7;
            p.FontBold = false;
            p.FontItalic = true;
            StampaTesto(p, adattamento, "   ", 50, 10, 30, true, false, 12, 0);
            QVERIFY(p.chiamate.isEmpty());
            QCOMPARE(p.FontSize, 7.0);
            QVERIFY(!p.FontBold);
            QVERIFY(p.FontItalic);
        }
    }

    // A span narrower than the tolerance, or a text that never fits, ends
    // the fitting: the planner prints nothing, the logbook stops shrinking.
    void campataImpossibileTermina() {
        PaginaRegistrata p;
        StampaTesto(p, AdattamentoTesto::Taglia, "Roma", 50, 40, 37, false, false, 10, 0);
        QVERIFY(p.Di(PaginaRegistrata::Testo).isEmpty());

        PaginaRegistrata d;
        StampaTesto(d, AdattamentoTesto::Riduci, "Roma", 50, 40, 35, false, false, 10, 0);
        QCOMPARE(d.Testi(), QStringList{"Roma"});
        QVERIFY(d.FontSize > 0 && d.FontSize < 10);
        QVERIFY(d.misure < 30);
    }

    void diarioRiduceDiQuattroDecimi() {
        PaginaRegistrata p;
        // 11 characters need a size below 5.68 points to be under 12.5 mm.
        StampaTesto(p, AdattamentoTesto::Riduci, "abcdefghijk", 50, 10, 20, false, false, 10, 0);
        QCOMPARE(p.Di(PaginaRegistrata::Testo).at(0).size, 5.6);
        QVERIFY(qAbs(p.FontSize - 5.6) < 1e-9);
    }

    void stileResta() {
        PaginaRegistrata p;
        StampaTesto(p, AdattamentoTesto::Taglia, "x", 50, 10, 30, true, true, 9.5, 0);
        QVERIFY(p.FontBold && p.FontItalic);
        QCOMPARE(p.FontSize, 9.5);
        QCOMPARE(p.FontName, QStringLiteral("arial"));
    }
};

QTEST_GUILESS_MAIN(TestStampaTesto)
#include "test_stampa_testo.moc"
