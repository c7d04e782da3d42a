// viandora-cli on database files: made new, listed, and in awkward states
// (held by another writer, left with a hot journal by a killed one, too short
// to be a database), where the file and its folder are never changed.
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"

namespace {

Esito Cli(const QStringList& argomenti) {
    return EseguiProgramma(QStringLiteral(VIANDORA_CLI), argomenti);
}

sqlite3* Apri(const QString& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return db;
}

bool Sql(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// The whole file as the sqlite3 shell sees it: application id, schema, rows.
QString Contenuto(const QString& file) {
    const Esito e = EseguiProgramma("sqlite3", {file, "PRAGMA application_id;", ".dump"});
    return e.codice == 0 ? e.out : "sqlite3: " + e.err;
}

} // namespace

class TestCliFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString file_;
    QString vuoto_; // as the planner's first start leaves it

private slots:
    void initTestCase() {
        // A file made by the planner, with one trip of two stages.
        Planner pl;
        QVERIFY(pl.avviato);
        file_ = pl->Db.FileDatabase;
        pl.f.reset();
        vuoto_ = dir_.filePath("vuoto.mdb");
        QVERIFY(QFile::copy(file_, vuoto_));
        sqlite3* db = Apri(file_);
        QVERIFY(Sql(db,
                    "INSERT INTO MeteViandora VALUES ('000001', 'TOSCANA', 'ITALIA', '05082006', '0800',"
                    " '100', '65', '50', '30', '0900', '1230', '0230', '2000', '0145', '2230', '15', '00',"
                    " '00', '00', '0900', '1800', '0600', '000', '3');"
                    "INSERT INTO Itinerari VALUES ('000001', '0001', 'FIRENZE', '0', 'A1', 'A', '', '', '0'),"
                    " ('000001', '0002', 'SIENA', '70', 'SS2', 'S', '00:02:00', '', '1');"));
        sqlite3_close(db);
        QVERIFY(QFile::copy(file_, dir_.filePath("meta.mdb")));
        file_ = dir_.filePath("meta.mdb");
        const Esito e = Cli({"calcola", file_, "1"});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.out.contains("SIENA"), qPrintable(e.out + e.err));
    }

    // Another program writing: the command waits, then says so.
    void databaseOccupato() {
        const QStringList prima = ImprontaCartella(dir_.path());
        sqlite3* scrittore = Apri(file_);
        QVERIFY(Sql(scrittore, "BEGIN EXCLUSIVE"));
        const Esito e = Cli({"calcola", file_, "1"});
        QVERIFY(Sql(scrittore, "ROLLBACK"));
        sqlite3_close(scrittore);
        QCOMPARE(e.codice, 1);
        QVERIFY2(e.err.startsWith("Database occupato da un altro programma"), qPrintable(e.err));
        QVERIFY(e.out.isEmpty());
        QCOMPARE(ImprontaCartella(dir_.path()), prima);
    }

    // A writer killed half way left its journal: what is printed is the file
    // as that journal rolls it back, and neither file is touched.
    void giornaleDaRiprendere() {
        QTemporaryDir copia;
        const QString file = copia.filePath("meta.mdb");
        QVERIFY(QFile::copy(file_, file));
        sqlite3* scrittore = Apri(file);
        // A small cache makes the writer spill its changes into the file
        // before the end of the transaction.
        QVERIFY(Sql(scrittore,
                    "PRAGMA cache_size = 2; BEGIN;"
                    "UPDATE MeteViandora SET Localita = 'ROVINATA';"
                    "DELETE FROM Itinerari;"
                    "CREATE TABLE Zavorra (x);"
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
                    " INSERT INTO Zavorra SELECT randomblob(900) FROM n;"));
        const QString altrove = copia.filePath("ucciso");
        QVERIFY(QDir().mkpath(altrove));
        QVERIFY(QFile::copy(file, altrove + "/meta.mdb"));
        QVERIFY(QFile::copy(file + "-journal", altrove + "/meta.mdb-journal"));
        QVERIFY(Sql(scrittore, "ROLLBACK"));
        sqlite3_close(scrittore);

        const QStringList prima = ImprontaCartella(altrove);
        const Esito e = Cli({"calcola", altrove + "/meta.mdb", "1"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.Righe(), Cli({"calcola", file_, "1"}).Righe());
        QCOMPARE(ImprontaCartella(altrove), prima);
    }

    void fileTroppoCorti_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::newRow("vuoto") << QByteArray();
        QTest::newRow("un byte") << QByteArray("S");
    }
    void fileTroppoCorti() {
        QFETCH(QByteArray, contenuto);
        QTemporaryDir d;
        QFile f(d.filePath("corto.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
        f.close();
        const Esito e = Cli({"calcola", f.fileName(), "1"});
        QCOMPARE(e.codice, 1);
        QVERIFY2(e.err.startsWith("Il file non è un database leggibile"), qPrintable(e.err));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"corto.mdb"});
    }

    // crea makes what the planner's first start makes, and never in place of
    // a file; mete lists the trips. "NUOVO" stands for a file in a new folder.
    void archivio_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // its start
        const QString manca = dir_.filePath("manca/nuovo.mdb");
        QTest::newRow("crea") << QStringList{"crea", "NUOVO"} << 0 << "Database creato: NUOVO\n"
                              << "";
        QTest::newRow("crea, file esistente") << QStringList{"crea", file_} << 1 << ""
                                              << "Il file esiste già: " + file_;
        QTest::newRow("crea, cartella mancante") << QStringList{"crea", manca} << 1 << ""
                                                 << "La cartella non esiste: " + dir_.filePath("manca");
        QTest::newRow("mete") << QStringList{"mete", file_} << 0 << "000001\tTOSCANA\tITALIA\t05/08/2006\t2\n"
                              << "";
        QTest::newRow("mete, archivio vuoto") << QStringList{"mete", vuoto_} << 0 << ""
                                              << "";
        QTest::newRow("mete, file mancante") << QStringList{"mete", manca} << 1 << ""
                                             << "File inesistente";
    }
    void archivio() {
        QFETCH(QStringList, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir nuova;
        const QString nuovo = nuova.filePath("nuovo.mdb");
        argomenti.replaceInStrings("NUOVO", nuovo);
        const QStringList prima = ImprontaCartella(dir_.path());
        const Esito e = Cli(argomenti);
        QCOMPARE(e.codice, codice);
        QCOMPARE(e.out, out.replace("NUOVO", nuovo));
        QVERIFY2(err.isEmpty() ? e.err.isEmpty() : e.err.startsWith(err), qPrintable(e.err));
        QCOMPARE(ImprontaCartella(dir_.path()), prima);
        if (argomenti.contains(nuovo)) {
            QCOMPARE(QDir(nuova.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"nuovo.mdb"});
            QCOMPARE(Contenuto(nuovo), Contenuto(vuoto_));
        }
    }

    // The usage of every command, what it does and writes, and the exit codes.
    void aiuto() {
        const Esito e = Cli({"--help"});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.err.isEmpty() && e.out.contains("Uso: viandora-cli calcola FILE_DATABASE CODICE_META\n"));
        for (int colonna = 0; colonna <= 13; ++colonna)
            QVERIFY2(e.out.contains(QStringLiteral("%1 ").arg(colonna, 2)), qPrintable(e.out));
        const QStringList righe = e.out.split(u'\n');
        for (qsizetype r = 0; r < righe.size(); ++r)
            if (righe[r].startsWith("Uso: "))
                QVERIFY2(r + 1 < righe.size() && righe[r + 1].startsWith("  ") && righe[r + 1].size() > 20,
                         qPrintable(righe[r]));
        QVERIFY(e.out.contains("Uscita: 0 se riuscito, 1 per un errore"));
    }
};

QTEST_GUILESS_MAIN(TestCliFile)
#include "test_cli_file.moc"
