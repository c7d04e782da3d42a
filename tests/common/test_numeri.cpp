#include "common/Numeri.h"

#include <QTest>

#include <limits>

class TestNumeri : public QObject {
    Q_OBJECT

private slots:
    void val_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        QTest::newRow("cifre iniziali") << "  12abc" << 12.0;
        QTest::newRow("spazio tra le cifre") << "1 2" << 12.0;
        QTest::newRow("tab e a capo") << "\t\n4" << 4.0;
        QTest::newRow("negativo decimale") << "-3.5x" << -3.5;
        QTest::newRow("segno staccato") << "- 3" << -3.0;
        QTest::newRow("segno piu") << "+7" << 7.0;
        QTest::newRow("due segni") << "--3" << 0.0;
        QTest::newRow("vuoto") << "" << 0.0;
        QTest::newRow("lettere") << "abc" << 0.0;
        QTest::newRow("zero iniziale") << "0900" << 900.0;
        QTest::newRow("solo decimali") << ".5" << 0.5;
        QTest::newRow("decimali con zeri") << "0.05" << 0.05;
        QTest::newRow("secondo punto") << "1.2.3" << 1.2;
        QTest::newRow("virgola") << "1,5" << 1.0;
        QTest::newRow("esponente E") << "2.5E-1" << 0.25;
        QTest::newRow("esponente D") << "1d2" << 100.0;
        QTest::newRow("esponente vuoto") << "1e" << 1.0;
        QTest::newRow("molte cifre") << "12345678901234567890" << 12345678901234567890.0;
        QTest::newRow("troppo grande") << "1e400" << std::numeric_limits<double>::infinity();
        QTest::newRow("troppo piccolo") << "1e-400" << 0.0;
    }
    void val() {
        QFETCH(QString, testo);
        QFETCH(double, valore);
        QCOMPARE(Val(testo), valore);
    }

    void arrotondamenti_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("cint");
        QTest::addColumn<qint32>("clng");
        QTest::newRow("2.5 al pari") << 2.5 << 2 << 2;
        QTest::newRow("3.5 al pari") << 3.5 << 4 << 4;
        QTest::newRow("-2.5 al pari") << -2.5 << -2 << -2;
        QTest::newRow("-3.5 al pari") << -3.5 << -4 << -4;
        QTest::newRow("2.6") << 2.6 << 3 << 3;
        QTest::newRow("-2.4") << -2.4 << -2 << -2;
        QTest::newRow("oltre 16 bit") << 40000.0 << 32767 << 40000;
        QTest::newRow("sotto 16 bit") << -40000.0 << -32768 << -40000;
        QTest::newRow("oltre 32 bit") << 1e10 << 32767 << 2147483647;
        QTest::newRow("sotto 32 bit") << -1e10 << -32768 << -2147483647 - 1;
        QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << 32767 << 2147483647;
        QTest::newRow("non numero") << std::numeric_limits<double>::quiet_NaN() << 0 << 0;
    }
    void arrotondamenti() {
        QFETCH(double, x);
        QFETCH(int, cint);
        QFETCH(qint32, clng);
        QCOMPARE(int(CInt(x)), cint);
        QCOMPARE(CLng(x), clng);
    }

    void interi() {
        QCOMPARE(Int(2.7), 2.0);
        QCOMPARE(Int(-0.5), -1.0);
        QCOMPARE(A16(100), qint16(100));
        QCOMPARE(A16(32768), qint16(-32768));
        QCOMPARE(A16(65535), qint16(-1));
        QCOMPARE(A16(65536), qint16(0));
        QCOMPARE(A16(-32769), qint16(32767));
    }

    void testoNumero_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("testo");
        QTest::newRow("intero") << 5.0 << "5";
        QTest::newRow("intero negativo") << -12.0 << "-12";
        QTest::newRow("intero grande") << 123456789.0 << "123456789";
        QTest::newRow("zero negativo") << -0.0 << "0";
        QTest::newRow("decimale") << 2.5 << "2,5";
        QTest::newRow("sette cifre") << 1.0 / 3 << "0,3333333";
    }
    void testoNumero() {
        QFETCH(double, x);
        QFETCH(QString, testo);
        QCOMPARE(TestoNumero(x), testo);
    }

    void formato_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("testo");
        QTest::newRow("milioni") << 1234567.0 << "#,##0" << QString("1.234.567");
        QTest::newRow("negativo") << -1234.0 << "#,##0" << QString("-1.234");
        QTest::newRow("zero senza cifre") << 0.0 << "#,###" << QString("");
        QTest::newRow("zero con cifra") << 0.0 << "#,##0" << QString("0");
        QTest::newRow("meno di mezzo") << 0.4 << "#,###" << QString("");
        QTest::newRow("negativo che arrotonda a zero") << -0.4 << "#0" << QString("0");
        QTest::newRow("semplice") << 5.0 << "#0" << QString("5");
        QTest::newRow("meta in su") << 2.5 << "#0" << QString("3");
        QTest::newRow("meta negativa") << -2.5 << "#0" << QString("-3");
        QTest::newRow("riporto nel gruppo") << 999.5 << "#,##0" << QString("1.000");
        QTest::newRow("modello lungo") << 1234.0 << "##,##0" << QString("1.234");
        QTest::newRow("decimali") << 3.14159 << "0.00" << QString("3,14");
        QTest::newRow("decimali aggiunti") << 123.0 << "0.00" << QString("123,00");
        QTest::newRow("decimale scritto") << 1.005 << "0.00" << QString("1,01");
        QTest::newRow("grande") << 1e15 << "#,##0" << QString("1.000.000.000.000.000");
    }
    void formato() {
        QFETCH(double, x);
        QFETCH(QString, modello);
        QFETCH(QString, testo);
        QCOMPARE(Formato(x, modello), testo);
    }
};

QTEST_GUILESS_MAIN(TestNumeri)
#include "test_numeri.moc"
