// Fixed times: a ferry that sails at its hour (the wait at the port on the
// stage's first row, the crossing as its arrival row), a night booked at a
// stage, and guide entries with their closing days and opening hours.
#include <QTest>

#include "journey/Riepilogo.h"
#include "support/MotoreProva.h"

namespace {
// Columns 1 (locality), 10 (date), 11 (clock) and 12 (notes) of the rows
// that calcola prints.
QStringList Colonne(const TabellaCalcolata& t) {
    QStringList righe;
    for (const QString& r : RigheProva(t)) {
        const QStringList c = r.split(u'|');
        righe << QStringList{c.value(1), c.value(10), c.value(11), c.value(12)}.join(u'|');
    }
    return righe;
}
} // namespace

class TestOrariFissi : public QObject {
    Q_OBJECT
private slots:
    void traghetto_data() {
        QTest::addColumn<QString>("partenza");
        QTest::addColumn<QStringList>("parametri");
        QTest::addColumn<QStringList>("tappe");
        QTest::addColumn<QStringList>("righe");
        const QString livorno = "LIVORNO|A12|300|A|"; // 3 hours at 100 km/h
        QTest::newRow("prima dell'ultima partenza: la sera, notte a bordo")
            << "08:00" << QStringList{"A=100", "P=60"}
            << QStringList{livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;;09:00;60", "CAGLIARI|SS131|260|P|"}
            << QStringList{"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|21:00|PranzoCenaImbarco 22:00",
                           "OLBIA|06/08|07:00|Notte a bordo", "verso: Cagliari|06/08|12:30|Pranzo",
                           "CAGLIARI|06/08|15:50|"};
        QTest::newRow("dopo l'ultima: la prima del giorno dopo")
            << "16:00" << QStringList{"A=100"}
            << QStringList{livorno, "OLBIA|TRAGHETTO|0|A||08:00,18:00;;09:00;60"}
            << QStringList{"LIVORNO|05/08|19:00|", "imbarco: Livorno|06/08|07:00|CenaNotteImbarco 08:00",
                           "OLBIA|06/08|17:00|"};
        QTest::newRow("imbarco all'ora d'arrivo, pranzo a bordo")
            << "08:00" << QStringList{"A=100"} << QStringList{livorno, "OLBIA|TRAGHETTO|0|A||12:00;;04:00;60"}
            << QStringList{"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|11:00|Imbarco 12:00",
                           "OLBIA|05/08|16:00|"};
        // 05/08/2006 is a Saturday.
        QTest::newRow("giorno senza partenze")
            << "08:00" << QStringList{"A=100"} << QStringList{livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;dom;09:00;60"}
            << QStringList{"LIVORNO|05/08|11:00|", "imbarco: Livorno|06/08|07:00|PranzoCenaNotteImbarco 08:00",
                           "OLBIA|06/08|17:00|"};
        QTest::newRow("traversata oltre la mezzanotte")
            << "08:00" << QStringList{"A=100"} << QStringList{livorno, "OLBIA|TRAGHETTO|0|A||20:00;;04:00;60"}
            << QStringList{"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|19:00|PranzoImbarco 20:00",
                           "OLBIA|06/08||Notte a bordo"};
        QTest::newRow("due traghetti in un giorno")
            << "08:00" << QStringList{"A=100", "P=60"}
            << QStringList{"LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||10:00;;02:00;30", "SANTA TERESA|SS125|60|P|",
                           "BONIFACIO|TRAGHETTO|0|A||16:00;;01:00;30"}
            << QStringList{"LIVORNO|05/08|09:00|", "imbarco: Livorno|05/08|09:30|Imbarco 10:00",
                           "OLBIA|05/08|12:00|", "verso: Santa Teresa|05/08|12:30|Pranzo",
                           "SANTA TERESA|05/08|15:30|", "imbarco: Santa Teresa|05/08|15:30|Imbarco 16:00",
                           "BONIFACIO|05/08|17:00|"};
        QTest::newRow("traghetto come prima tappa")
            << "08:00" << QStringList{"A=100"}
            << QStringList{"OLBIA|TRAGHETTO|0|A||10:00;;02:00;60", "NUORO|SS131|100|A|"}
            << QStringList{"imbarco|05/08|09:00|Imbarco 10:00", "OLBIA|05/08|12:00|",
                           "verso: Nuoro|05/08|12:30|Pranzo", "NUORO|05/08|15:30|"};
        // Two days asked for: the stop at Firenze shrinks, the wait for the
        // evening ferry does not.
        QTest::newRow("adeguamento ai giorni")
            << "08:00" << QStringList{"A=100", "giorni=002"}
            << QStringList{"FIRENZE|A1|100|A|02:00:00", "LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||22:00;;09:00;60"}
            << QStringList{"FIRENZE|05/08|09:00|", "a: Firenze|05/08|16:58|Visita", "LIVORNO|05/08|17:58|",
                           "imbarco: Livorno|05/08|21:00|CenaImbarco 22:00", "OLBIA|06/08|07:00|Notte a bordo"};
    }

    void traghetto() {
        QFETCH(QString, partenza);
        QFETCH(QStringList, parametri);
        QFETCH(QStringList, tappe);
        QFETCH(QStringList, righe);
        const EsitoCalcolo e = CalcolaProva(ValoriProva("05/08/2006", partenza, parametri), tappe);
        QVERIFY2(e.Riuscito, qPrintable(e.Errore));
        QCOMPARE(Colonne(e.Tabella), righe);
    }

    // A day of visits at Firenze, Saturday to Monday, then Siena.
    void prenotazioniEOrari() {
        const EsitoCalcolo e = CalcolaProva(
            ValoriProva("05/08/2006", "08:00", {"A=100", "S=80"}),
            {"FIRENZE|A1|100|A|01:00:00||05/08/2006", "SIENA|SS2|70|S|||05/08/2006"},
            {"FIRENZE|01|Uffizi|00:00|sab,dom,lun", "FIRENZE|01|Pitti|00:00|sab,dom", "FIRENZE|01|Bargello|00:00||20:00-21:00",
             "FIRENZE|01|Duomo|00:00|lun|09:00-13:00"});
        QVERIFY(e.Riuscito);
        QStringList guida;
        for (const QString& r : RigheProva(e.Tabella))
            if (r.contains(" > ")) guida << r.section(u'|', 1, 1) + u'|' + r.section(u'|', 12, 12);
        QCOMPARE(guida, (QStringList{" > Uffizi|Ottimo (chiuso)", " > Pitti|Ottimo", " > Bargello|Ottimo (chiuso)",
                                     " > Duomo|Ottimo"}));
        const Riepilogo rp = CalcolaRiepilogo(e.Tabella, Veicolo{}, [](const QString&) { return true; });
        QCOMPARE(rp.PrenotazioniMancate, 1);
        QCOMPARE(rp.Giorni.at(0).Avvisi, QStringList{"notte prenotata a Siena il 05/08 non raggiunta"});
        QCOMPARE(rp.Giorni.at(2).Avvisi,
                 (QStringList{"Uffizi chiuso il sabato", "Bargello aperto dalle 20:00 alle 21:00"}));
    }
};

QTEST_GUILESS_MAIN(TestOrariFissi)
#include "test_orari_fissi.moc"
