#include "common/Date.h"

#include <QDate>
#include <QTest>

class TestDate : public QObject {
    Q_OBJECT

private slots:
    void giorniMese_data() {
        QTest::addColumn<int>("anno");
        QTest::addColumn<int>("mese");
        QTest::addColumn<int>("giorni");
        QTest::newRow("2000 bisestile") << 2000 << 2 << 29;
        QTest::newRow("1900 non bisestile") << 1900 << 2 << 28;
        QTest::newRow("2024 bisestile") << 2024 << 2 << 29;
        QTest::newRow("2023 febbraio") << 2023 << 2 << 28;
        QTest::newRow("dicembre precedente") << 2023 << 0 << 31;
        QTest::newRow("aprile") << 2023 << 4 << 30;
        QTest::newRow("mese 13") << 2024 << 13 << 28;
    }
    void giorniMese() {
        QFETCH(int, anno);
        QFETCH(int, mese);
        QFETCH(int, giorni);
        QCOMPARE(GiorniMese(anno, mese), giorni);
    }

    void formeData() {
        QCOMPARE(Data2Data("05082006"), QStringLiteral("05/08/2006"));
        QCOMPARE(DataClear("05/08/2006"), QStringLiteral("05082006"));
        QCOMPARE(DataChan("05082006"), QStringLiteral("20060805"));
        QCOMPARE(Gma2Data(QStringLiteral("5"), QStringLiteral(" 8 "), QStringLiteral("2006")),
                 QStringLiteral("05082006"));
        QCOMPARE(Gma2Data(5.0, 8.0, 2006.0), QStringLiteral("05082006"));

        int giorno = -1, mese = -1, anno = -1;
        Data2Gma("05082006", giorno, mese, anno);
        QCOMPARE(giorno, 5);
        QCOMPARE(mese, 8);
        QCOMPARE(anno, 2006);
        Data2Gma("", giorno, mese, anno);
        QCOMPARE(giorno, 0);
        QCOMPARE(mese, 0);
        QCOMPARE(anno, 0);
    }

    // Every day of the valid range: consecutive numbers from 730135 on 1 January 2000, the date
    // back and the right weekday.
    void ogniGiorno19012099() {
        const QString settimana[] = {"Lun", "Mar", "Mer", "Gio", "Ven", "Sab", "Dom"};
        const qint64 scarto = QDate(2000, 1, 1).toJulianDay() - 730135;
        for (QDate d(1901, 1, 1); d <= QDate(2099, 12, 31); d = d.addDays(1)) {
            const QString data = d.toString("ddMMyyyy");
            const float numero = Data2Giul(data);
            if (numero != float(d.toJulianDay() - scarto)) QFAIL(qPrintable("numero di " + data));
            if (Giu2Datas(numero) != data) QFAIL(qPrintable("ritorno di " + data));
            if (GiornoSettimana(data) != settimana[d.dayOfWeek() - 1]) QFAIL(qPrintable("settimana " + data));
        }
    }

    void settimanaFuoriForma() {
        QCOMPARE(GiornoSettimana("0101200"), QString());
        QCOMPARE(GiornoSettimana("010120000"), QString());
        QCOMPARE(GiornoSettimana(""), QString());
        // A malformed date has a negative day number; it must still pick one of the seven names.
        QCOMPARE(GiornoSettimana("00000000").size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestDate)
#include "test_date.moc"
