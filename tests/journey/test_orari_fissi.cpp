// Fixed times: a ferry that sails at its hour (the wait at the port on the
// stage's first row, the crossing as its arrival row), a night booked at a
// stage, and guide entries with their closing days and opening hours.
#include <QTemporaryDir>
#include <QTest>

#include "common/Testo1252.h"
#include "journey/Riepilogo.h"
#include "support/MotoreProva.h"
#include "support/ProgrammaProva.h"

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
    void traghetto() {
        const auto prova = [&](QString partenza, QStringList parametri, QStringList tappe,
                               QStringList righe) {
            const EsitoCalcolo e = CalcolaProva(ValoriProva("05/08/2006", partenza, parametri), tappe);
            QVERIFY2(e.Riuscito, qPrintable(e.Errore));
            QCOMPARE(Colonne(e.Tabella), righe);
        };
        const QString livorno = "LIVORNO|A12|300|A|"; // 3 hours at 100 km/h
        // prima dell'ultima partenza: la sera, notte a bordo
        prova("08:00", {"A=100", "P=60"},
              {livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;;09:00;60", "CAGLIARI|SS131|260|P|"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|21:00|PranzoCenaImbarco 22:00",
               "OLBIA|06/08|07:00|Notte a bordo", "verso: Cagliari|06/08|12:30|Pranzo",
               "CAGLIARI|06/08|15:50|"});
        // dopo l'ultima: la prima del giorno dopo
        prova("16:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||08:00,18:00;;09:00;60"},
              {"LIVORNO|05/08|19:00|", "imbarco: Livorno|06/08|07:00|CenaNotteImbarco 08:00",
               "OLBIA|06/08|17:00|"});
        // imbarco all'ora d'arrivo, pranzo a bordo
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||12:00;;04:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|11:00|Imbarco 12:00", "OLBIA|05/08|16:00|"});
        // 05/08/2006 is a Saturday.
        // giorno senza partenze
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;dom;09:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|06/08|07:00|PranzoCenaNotteImbarco 08:00",
               "OLBIA|06/08|17:00|"});
        // traversata oltre la mezzanotte
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||20:00;;04:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|19:00|PranzoImbarco 20:00",
               "OLBIA|06/08||Notte a bordo"});
        // due traghetti in un giorno
        prova("08:00", {"A=100", "P=60"},
              {"LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||10:00;;02:00;30", "SANTA TERESA|SS125|60|P|",
               "BONIFACIO|TRAGHETTO|0|A||16:00;;01:00;30"},
              {"LIVORNO|05/08|09:00|", "imbarco: Livorno|05/08|09:30|Imbarco 10:00", "OLBIA|05/08|12:00|",
               "verso: Santa Teresa|05/08|12:30|Pranzo", "SANTA TERESA|05/08|15:30|",
               "imbarco: Santa Teresa|05/08|15:30|Imbarco 16:00", "BONIFACIO|05/08|17:00|"});
        // traghetto come prima tappa
        prova("08:00", {"A=100"}, {"OLBIA|TRAGHETTO|0|A||10:00;;02:00;60", "NUORO|SS131|100|A|"},
              {"imbarco|05/08|09:00|Imbarco 10:00", "OLBIA|05/08|12:00|", "verso: Nuoro|05/08|12:30|Pranzo",
               "NUORO|05/08|15:30|"});
        // Two days asked for: the stop at Firenze shrinks, the wait for the
        // evening ferry does not.
        // adeguamento ai giorni
        prova("08:00", {"A=100", "giorni=002"},
              {"FIRENZE|A1|100|A|02:00:00", "LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||22:00;;09:00;60"},
              {"FIRENZE|05/08|09:00|", "a: Firenze|05/08|16:58|Visita", "LIVORNO|05/08|17:58|",
               "imbarco: Livorno|05/08|21:00|CenaImbarco 22:00", "OLBIA|06/08|07:00|Notte a bordo"});
    }

    // A day of visits at Firenze, Saturday to Monday, then Siena.
    void prenotazioniEOrari() {
        const EsitoCalcolo e = CalcolaProva(
            ValoriProva("05/08/2006", "08:00", {"A=100", "S=80"}),
            {"FIRENZE|A1|100|A|01:00:00||05/08/2006", "SIENA|SS2|70|S|||05/08/2006"},
            {"FIRENZE|01|Uffizi|00:00|sab,dom,lun", "FIRENZE|01|Pitti|00:00|sab,dom",
             "FIRENZE|01|Bargello|00:00||20:00-21:00", "FIRENZE|01|Duomo|00:00|lun|09:00-13:00"});
        QVERIFY(e.Riuscito);
        QStringList guida;
        for (const QString& r : RigheProva(e.Tabella))
            if (r.contains(" > ")) guida << r.section(u'|', 1, 1) + u'|' + r.section(u'|', 12, 12);
        QCOMPARE(guida, (QStringList{" > Uffizi|Ottimo (chiuso)", " > Pitti|Ottimo",
                                     " > Bargello|Ottimo (chiuso)", " > Duomo|Ottimo"}));
        const Riepilogo rp = CalcolaRiepilogo(e.Tabella, Veicolo{}, [](const QString&) { return true; });
        QCOMPARE(rp.PrenotazioniMancate, 1);
        QCOMPARE(rp.Giorni.at(0).Avvisi, QStringList{"notte prenotata a Siena il 05/08 non raggiunta"});
        QCOMPARE(rp.Giorni.at(2).Avvisi,
                 (QStringList{"Uffizi chiuso il sabato", "Bargello aperto dalle 20:00 alle 21:00"}));
    }

    // Milano, Livorno, the ferry at 08:00 and 22:00 to Olbia, Cagliari: the
    // data stored by the command line, found again by the calculation when
    // a stage is added before them, and carried by an exchange file.
    void archivioEScambio() {
        QTemporaryDir dir;
        const QString db = dir.filePath("viaggi.mdb"), copia = dir.filePath("copia.mdb");
        const QString iei = dir.filePath("sardegna.iei"), cli = QStringLiteral(VIANDORA_CLI);
        QCOMPARE(EseguiProgramma(cli, {"crea", db}).codice, 0);
        auto sql = [&](const char* testo) { QVERIFY(EseguiGrezzo(db, testo)); };
        sql("INSERT INTO MeteViandora VALUES ('000001', 'CAGLIARI', 'ITALIA', '05082026', '0600', '110', "
            "'90', '70',"
            " '50', '0800', '1230', '0100', '2000', '0130', '2230', '15', '03', '01', '05', '0900', '1800', "
            "'0600',"
            " '0', '1');"
            "INSERT INTO Itinerari VALUES ('000001', '0001', 'MILANO', '0', '', 'A', '', '', ''),"
            " ('000001', '0002', 'LIVORNO', '290', 'A1', 'A', '', '', ''),"
            " ('000001', '0003', 'OLBIA', '0', 'TRAGHETTO', 'S', '', '', ''),"
            " ('000001', '0004', 'CAGLIARI', '270', 'SS131', 'S', '', '', '');"
            "INSERT INTO GuidaCitta VALUES ('CAGLIARI', '02', 'Museo Archeologico', '01:00', '0');");
        const QStringList senzaOrari = EseguiProgramma(cli, {"calcola", db, "1"}).Righe();

        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "3", "--partenze", "22:00,8:00", "--durata",
                                       "9:00", "--costo", "250,50"})
                     .Righe(),
                 (QStringList{"partenze\t08:00,22:00", "giorni\tlun,mar,mer,gio,ven,sab,dom", "durata\t09:00",
                              "anticipo\t60", "costo\t250.5"}));
        QCOMPARE(EseguiProgramma(cli, {"notte", db, "1", "2", "--data", "05/08/2026"}).codice, 0);
        QCOMPARE(
            EseguiProgramma(cli, {"orari", db, "cagliari", "museo archeologico", "--chiuso", "gio"}).codice,
            0);
        // Refused, nothing stored: a stage that is no ferry, a time of no day.
        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "2", "--partenze", "08:00", "--durata", "1:00"})
                     .codice,
                 1);
        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "3", "--partenze", "25:00"}).codice, 2);

        const Esito calcolo = EseguiProgramma(cli, {"calcola", db, "1"});
        QVERIFY(calcolo.Righe().contains("3\timbarco: Livorno\tTRAGHETTO\t\t\t\t\t\t\tMer\t05/08\t21:00\t"
                                         "PranzoCenaImbarco 22:00\t\t"));
        QVERIFY(
            calcolo.out.contains("OLBIA\tTRAGHETTO\t0\tS\t290\t09:00\t\t\tGio\t06/08\t07:00\tNotte a bordo"));
        QVERIFY(calcolo.out.contains("> Museo Archeologico\t\t\t\t\t\t01:00\t\t\t\t\tDa vedere (chiuso)"));
        const QStringList riepilogo = EseguiProgramma(cli, {"riepilogo", db, "1"}).Righe();
        QCOMPARE(riepilogo.at(0).section(u'\t', 6, 6), QString("a bordo verso Olbia"));
        QCOMPARE(riepilogo.at(0).section(u'\t', 13),
                 QString("notte prenotata a Livorno il 05/08 non raggiunta"));
        QCOMPARE(riepilogo.at(1).section(u'\t', 3, 3), QString("03:00")); // the crossing is no driving
        QCOMPARE(riepilogo.at(1).section(u'\t', 13), QString("Museo Archeologico chiuso il giovedì"));
        QCOMPARE(riepilogo.at(2).section(u'\t', 10, 10), QString("250.50"));

        // The exchange file carries the data in columns after the stored
        // fields; a copy calculates the same.
        QCOMPARE(EseguiProgramma(cli, {"esporta", db, iei, "1"}).codice, 0);
        const QString testo = DecodificaWindows1252(LeggiFile(iei));
        QVERIFY(
            testo.contains(QString("FineGiorno\u00FEPartenze\u00FEGiorni\u00FEDurata\u00FEAnticipo\u00FECosto"
                                   "\u00FENottePrenotata\u00FE\r\n")));
        QVERIFY(
            testo.contains(QString("Alle\u00FD\r\nCAGLIARI\u00FD02\u00FDMuseo Archeologico\u00FD01:00\u00FD0"
                                   "\u00FDgio\u00FD\u00FD\u00FD\r\n")));
        QCOMPARE(EseguiProgramma(cli, {"crea", copia}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"importa", copia, iei, "--tutte"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"calcola", copia, "1"}).out, calcolo.out);
        QCOMPARE(EseguiProgramma(cli, {"riepilogo", copia, "1"}).Righe(), riepilogo);

        // A stage added at the start: the ferry and the booking follow their
        // localities to their new numbers.
        sql("UPDATE Itinerari SET Sequenza = printf('%04d', Sequenza + 1);"
            "INSERT INTO Itinerari VALUES ('000001', '0001', 'COMO', '0', '', 'A', '', '', '');"
            "UPDATE Itinerari SET Chilometri = '50', NomeStrada = 'A9' WHERE Localita = 'MILANO';");
        QVERIFY(EseguiProgramma(cli, {"calcola", db, "1"}).out.contains("Notte a bordo"));
        QCOMPARE(EseguiProgramma(cli, {"notte", db, "1", "3"}).Righe(), QStringList{"data\t05/08/2026"});

        // Cleared, the trip calculates as it did before any of it, and its
        // exchange file has no more columns than the tables.
        QCOMPARE(EseguiProgramma(cli, {"traghetto", copia, "1", "3", "--nessuno"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"notte", copia, "1", "2", "--nessuna"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"orari", copia, "CAGLIARI", "Museo Archeologico", "--nessuno"}).codice,
                 0);
        QCOMPARE(EseguiProgramma(cli, {"calcola", copia, "1"}).Righe(), senzaOrari);
        QCOMPARE(EseguiProgramma(cli, {"esporta", copia, iei, "1"}).codice, 0);
        QVERIFY(!DecodificaWindows1252(LeggiFile(iei)).contains("Partenze"));
        QVERIFY(!DecodificaWindows1252(LeggiFile(iei)).contains("Chiuso"));
    }
};

QTEST_GUILESS_MAIN(TestOrariFissi)
#include "test_orari_fissi.moc"
