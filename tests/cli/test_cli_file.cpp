// viandora-cli on database files: made new, listed, and in awkward states
// (not ours, held by another writer, read-only, left with a hot journal by a
// killed one), where the file and its folder are never changed.
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sqlite3.h>
#include <vector>

#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"

namespace {

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
        QVERIFY(EseguiGrezzo(
            file_, "INSERT INTO MeteViandora VALUES ('000001', 'TOSCANA', 'ITALIA', '05082006', '0800',"
                   " '100', '65', '50', '30', '0900', '1230', '0230', '2000', '0145', '2230', '15', '00',"
                   " '00', '00', '0900', '1800', '0600', '000', '3');"
                   "INSERT INTO Itinerari VALUES ('000001', '0001', 'FIRENZE', '0', 'A1', 'A', '', '', '0'),"
                   " ('000001', '0002', 'SIENA', '70', 'SS2', 'S', '00:02:00', '', '1');"));
        QVERIFY(QFile::copy(file_, dir_.filePath("meta.mdb")));
        file_ = dir_.filePath("meta.mdb");
    }

    // A file that is not ours, held by another program or read-only: every
    // command that would use it says which, exits 1 and changes nothing.
    void databaseNonUsabile() {
        const auto prova = [&](QString sql, QString motivo) {
            QTemporaryDir d, altrove;
            const QString file = d.filePath("meta.mdb");
            sqlite3* altro = nullptr;
            const bool solaLettura = motivo.contains("sola lettura");
            if (motivo.contains("altro programma") || solaLettura) {
                QVERIFY(QFile::copy(file_, file));
            } else {
                QVERIFY(EseguiGrezzo(file, sql));
            }
            QVERIFY(ScriviFile(altrove.filePath("VianMete.dat"), {}));
            QVERIFY(Cli({"esporta", file_, altrove.filePath("scambio.iei"), "1"}).codice == 0);
            const QStringList prima = ImprontaCartella(d.path());
            // Taken after reading the file here: closing any handle of this
            // process on the file would drop the lock.
            if (motivo.contains("altro programma"))
                QVERIFY(Sql(altro = Apri(file), sql.toUtf8().constData()));
            if (solaLettura) QVERIFY(SolaLettura(file, true));

            // Side by side: each one waits as long for a file held by another program.
            QList<QStringList> comandi = {{"importa", file, altrove.filePath("scambio.iei"), "--tutte"},
                                          {"importa-percorso", file, "1", altrove.filePath("VianMete.dat")},
                                          {"converti", file, altrove.path()}};
            if (!solaLettura)
                comandi += QList<QStringList>{{"calcola", file, "1"},
                                              {"mete", file},
                                              {"esporta", file, altrove.filePath("e.iei"), "1"},
                                              {"stampa", file, "1", "--pdf", altrove.filePath("t.pdf")},
                                              {"guida", file, "--pdf", altrove.filePath("g.pdf")}};
            std::vector<std::unique_ptr<QProcess>> processi;
            for (const QStringList& c : std::as_const(comandi)) {
                processi.push_back(std::make_unique<QProcess>());
                processi.back()->start(VIANDORA_CLI, c);
            }
            for (size_t i = 0; i < processi.size(); ++i) {
                QProcess& p = *processi[i];
                QVERIFY(p.waitForFinished(60000));
                const QString err = QString::fromUtf8(p.readAllStandardError());
                QVERIFY2(p.exitCode() == 1 && err.contains(motivo) && err.contains("meta.mdb"),
                         qPrintable(comandi[i].first() + ": " + err));
            }
            if (altro) QVERIFY(Sql(altro, "ROLLBACK"));
            sqlite3_close(altro);
            if (solaLettura) QVERIFY(SolaLettura(file, false));
            QCOMPARE(ImprontaCartella(d.path()), prima);
        };
        // id straniero (every kind of file not ours is the schema tests' business)
        prova("PRAGMA application_id = 7; CREATE TABLE Itinerari (x);", "non è un database di Viandora");
        // occupato
        prova("BEGIN EXCLUSIVE", "è in uso da un altro programma");
        // sola lettura
        prova({}, "è in sola lettura");
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

    // crea makes what the planner's first start makes, and never in place of
    // a file; mete lists the trips; a trip not stored, or a wrong call, is
    // said. "NUOVO" stands for a file in a new folder.
    void archivio() {
        // err: its start
        const auto prova = [&](QStringList argomenti, int codice, QString out, QString err) {
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
        };
        const QString manca = dir_.filePath("manca/nuovo.mdb");
        // crea
        prova({"crea", "NUOVO"}, 0, "Database creato: NUOVO\n", "");
        // crea, file esistente
        prova({"crea", file_}, 1, "", "Il file esiste già: " + file_);
        // crea, cartella mancante
        prova({"crea", manca}, 1, "", "La cartella non esiste: " + dir_.filePath("manca"));
        // mete
        prova({"mete", file_}, 0, "000001\tTOSCANA\tITALIA\t05/08/2006\t2\n", "");
        // mete, archivio vuoto
        prova({"mete", vuoto_}, 0, "", "");
        // mete, file mancante
        prova({"mete", manca}, 1, "", "File inesistente");
        // meta sconosciuta
        prova({"calcola", file_, "9"}, 1, "", "Mèta inesistente: 000009");
        // A code is matched exactly: "*" and "?" are not patterns.
        prova({"calcola", file_, "00000*"}, 1, "", "Mèta inesistente: 00000*");
        // argomenti
        prova({"calcola", file_}, 2, "", "Uso: viandora-cli calcola FILE_DATABASE CODICE_META");
    }

    // Every command's usage is followed by what it does.
    void aiuto() {
        const Esito e = Cli({"--help"});
        QVERIFY(e.codice == 0 && e.err.isEmpty());
        const QStringList righe = e.out.split(u'\n');
        for (qsizetype r = 0; r < righe.size(); ++r)
            if (righe[r].startsWith("Uso: "))
                QVERIFY2(r + 1 < righe.size() && righe[r + 1].startsWith("  ") && righe[r + 1].size() > 20,
                         qPrintable(righe[r]));
    }
};

QTEST_GUILESS_MAIN(TestCliFile)
#include "test_cli_file.moc"
