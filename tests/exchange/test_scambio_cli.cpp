// viandora-cli elenca, esporta, importa: the same exchange as the screen,
// clear failures, and a database that only importa writes.
#include <QCryptographicHash>
#include <QProcess>
#include <QTest>

#include "ScambioProva.h"

namespace {

struct Esito {
    int codice = -1;
    QString uscita;
    QString errore;
};

Esito Esegui(const QStringList& argomenti) {
    QProcess processo;
    processo.start(QStringLiteral(VIANDORA_CLI), argomenti);
    Esito esito;
    if (!processo.waitForFinished(60000)) return esito;
    esito.codice = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -2;
    esito.uscita = QString::fromUtf8(processo.readAllStandardOutput());
    esito.errore = QString::fromUtf8(processo.readAllStandardError());
    return esito;
}

QByteArray Impronta(const QString& file) {
    return QCryptographicHash::hash(LeggiFile(file), QCryptographicHash::Sha256);
}

} // namespace

class TestScambioCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        Planner pl;
        SalvaMeta(*pl, "CodiceMeta=000001;Localita=ROMA;Nazione=ITALIA");
        SalvaMeta(*pl, "CodiceMeta=000002;Localita=OSLO;Nazione=NORVEGIA");
        SalvaTappe(*pl, "000002", {"PALERMO|0100|"});
        AggiungiVoce(*pl, "PALERMO", "01", "Cattedrale", "01:00");
        pl->Db.Chiudi();
        archivio_ = dir_.filePath("archivio.db");
        QVERIFY(QFile::copy(pl.dir.filePath(NomeFileDatabase), archivio_));
        Planner vuoto;
        vuoto->Db.Chiudi();
        vuoto_ = dir_.filePath("vuoto.db");
        QVERIFY(QFile::copy(vuoto.dir.filePath(NomeFileDatabase), vuoto_));
    }

    void esportaElencaImporta() {
        const QString file = dir_.filePath("due.iei");
        const QByteArray prima = Impronta(archivio_);
        Esito e = Esegui({"esporta", archivio_, file, "2", "000001"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(Impronta(archivio_), prima);

        e = Esegui({"elenca", file});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.uscita, "000002\tOSLO\tNORVEGIA\n000001\tROMA\tITALIA\n");

        // Into a database that holds 000001 already, with the fixture's trips.
        QVERIFY(QFile::copy(archivio_, dir_.filePath("copia.db")));
        e = Esegui({"importa", dir_.filePath("copia.db"), DATI "/due_mete.iei", "--tutte"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.uscita,
                 "Sono stati inseriti:\n2 mète/itinerari;\n4 tratti stradali;\n1 guide/informazioni "
                 "località.\n\nSono stati scartati:\n0 mète/itinerari;\n1 guide/informazioni località,\n"
                 "perchè già presenti nel database con lo stesso nome.\n");
        e = Esegui({"importa", vuoto_, file, "1"});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.uscita.startsWith("Sono stati inseriti:\n1 mète/itinerari;\n0 tratti stradali;\n0 guide"));
    }

    void errori_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("messaggio");
        const QString manca = dir_.filePath("manca.iei");
        const QString utf8 = DATI "/utf8.iei";
        QTest::newRow("elenca, file mancante")
            << QStringList{"elenca", manca} << 1 << "File inesistente: " + manca;
        QTest::newRow("elenca, UTF-8")
            << QStringList{"elenca", utf8} << 1 << "non contiene mète da importare";
        QTest::newRow("esporta, mèta inesistente")
            << QStringList{"esporta", archivio_, dir_.filePath("x.iei"), "000001", "77"} << 1
            << "Mèta inesistente: 000077";
        QTest::newRow("esporta, database mancante")
            << QStringList{"esporta", manca, dir_.filePath("x.iei"), "1"} << 1 << "File inesistente";
        QTest::newRow("importa, codice non nel file")
            << QStringList{"importa", archivio_, DATI "/due_mete.iei", "000007", "000008"} << 1
            << "La mèta 000008 non è nel file";
        QTest::newRow("importa, file malformato")
            << QStringList{"importa", archivio_, DATI "/colonne_in_piu.iei", "--tutte"} << 1 << "riga 6";
        QTest::newRow("importa, senza scelta")
            << QStringList{"importa", archivio_, DATI "/due_mete.iei", "--tutte", "7"} << 2 << "--tutte";
        QTest::newRow("importa, non un database")
            << QStringList{"importa", DATI "/due_mete.iei", DATI "/due_mete.iei", "--tutte"} << 1
            << "non è un database";
    }
    void errori() {
        QFETCH(QStringList, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, messaggio);
        const QByteArray prima = Impronta(archivio_);
        const Esito e = Esegui(argomenti);
        QCOMPARE(e.codice, codice);
        QVERIFY2(e.errore.contains(messaggio), qPrintable(e.errore));
        QCOMPARE(e.uscita, QString());
        QCOMPARE(Impronta(archivio_), prima);
        QVERIFY(!QFile::exists(dir_.filePath("x.iei")));
    }

private:
    QTemporaryDir dir_;
    QString archivio_;
    QString vuoto_;
};

QTEST_GUILESS_MAIN(TestScambioCli)
#include "test_scambio_cli.moc"
