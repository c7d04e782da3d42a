#include "common/Tempi.h"

#include <QTest>

class TestTempi : public QObject {
    Q_OBJECT

private slots:
    void stringa2Centesimi_data() {
        QTest::addColumn<QString>("stringa");
        QTest::addColumn<float>("centesimi");
        QTest::addColumn<QString>("riempita");
        QTest::newRow("hh:mm") << "09:30" << 950.0f << "00009:30";
        QTest::newRow("ora di una cifra") << "9:30" << 950.0f << "00009:30";
        QTest::newRow("gg:hh:mm") << "01:02:30" << 2650.0f << "01:02:30";
        QTest::newRow("20 minuti") << "00:00:20" << 33.0f << "00:00:20";
        QTest::newRow("10 minuti") << "00:00:10" << 17.0f << "00:00:10";
        QTest::newRow("vuota") << "" << 0.0f << "00000000";
    }
    void stringa2Centesimi() {
        QFETCH(QString, stringa);
        QFETCH(float, centesimi);
        QFETCH(QString, riempita);
        QCOMPARE(ghmStringa2Centesimi(stringa, CentesimiGiorno), centesimi);
        QCOMPARE(stringa, riempita);
    }

    void centesimi2Stringa_data() {
        QTest::addColumn<float>("centesimi");
        QTest::addColumn<QString>("stringa");
        QTest::newRow("zero") << 0.0f << "";
        QTest::newRow("meno di mezzo minuto") << 0.8f << "";
        QTest::newRow("un giorno") << 2400.0f << "01:00:00";
        QTest::newRow("minuti a 60") << 199.5f << "00:02:00";
        QTest::newRow("minuti a 60 a fine giorno") << 2399.9f << "01:00:00";
    }
    void centesimi2Stringa() {
        QFETCH(float, centesimi);
        QFETCH(QString, stringa);
        QCOMPARE(ghmCentesimi2Stringa(centesimi, CentesimiGiorno), stringa);
    }

    // Every minute of three days survives string -> value -> string.
    void andataRitorno() {
        for (int g = 0; g < 3; ++g)
            for (int h = 0; h < 24; ++h)
                for (int m = 0; m < 60; ++m) {
                    QString testo = QString::asprintf("%02d:%02d:%02d", g, h, m);
                    const float valore = ghmStringa2Centesimi(testo, CentesimiGiorno);
                    const QString atteso = valore == 0 ? QString() : testo;
                    if (ghmCentesimi2Stringa(valore, CentesimiGiorno) != atteso) QFAIL(qPrintable(testo));
                }
    }

    void stringa2Punti_data() {
        QTest::addColumn<QString>("cifre");
        QTest::addColumn<QString>("stringa");
        QTest::newRow("cinque cifre") << "10230" << QString("01:02:30");
        QTest::newRow("sei cifre") << "120530" << QString("12:05:30");
        QTest::newRow("vuota") << "" << QString("00:00:00");
    }
    void stringa2Punti() {
        QFETCH(QString, cifre);
        QFETCH(QString, stringa);
        QCOMPARE(ghmStringa2Stringa2Punti(cifre), stringa);
    }
};

QTEST_GUILESS_MAIN(TestTempi)
#include "test_tempi.moc"
