// Start-up of the planner in a real folder with a real database file.
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include "shell/CartellaProgramma.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

namespace {
void EseguiSql(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    char* errore = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &errore);
    const QString messaggio = QString::fromUtf8(errore ? errore : "");
    sqlite3_free(errore);
    sqlite3_close(db);
    QVERIFY2(rc == SQLITE_OK, qPrintable(messaggio));
}
} // namespace

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    // The tables and the upgrade of older files are the schema tests' business;
    // here what the window makes of a new file, of old data files and of a
    // file that is not a database.
    void primoAvvio() {
        Planner pl;
        QVERIFY(pl.avviato && pl.p.messaggi.isEmpty() && pl->Meta.CodiceMetaCorrente.isEmpty());
        QCOMPARE(ComandiAbilitati(*pl), QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}));
        QVERIFY(!pl->cmdConverte.Visible && !pl->frmGuida.Visible && !pl->frmStampa.Visible);
        for (const char* nome : {"VianMete.dat", "VIANMETE.DAT"}) {
            Planner vecchi(false);
            QVERIFY(ScriviFile(vecchi.dir.filePath(nome), {}));
            vecchi.Riapri();
            QVERIFY(vecchi.avviato && vecchi->cmdConverte.Visible && vecchi->cmdConverte.Enabled);
        }
    }

    void fileNonDatabaseNonVieneToccato() {
        Planner pl(false);
        const QString file = pl.dir.filePath("ViandoraQuintora.mdb");
        const QByteArray contenuto = "Standard Jet DB, non un database SQLite\r\n" + QByteArray(5000, 'x');
        QVERIFY(ScriviFile(file, contenuto));
        pl.Riapri();
        QVERIFY(!pl.avviato && pl.p.terminato);
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].testo, QStringLiteral("Errore apertura database ") + file);
        QCOMPARE(LeggiFile(file), contenuto);
        QCOMPARE(QDir(pl.dir.path()).entryList(QDir::Files), QStringList({"ViandoraQuintora.mdb"}));
    }

    void cartellaDeiDati() {
        QTemporaryDir d;
        QCOMPARE(ScegliCartellaProgramma(d.path(), d.filePath("utente")), d.path() + "/");
        // A program folder that cannot be written (here: it would lie below a
        // file) gives way to the user's data folder, created when missing.
        QVERIFY(ScriviFile(d.filePath("file"), {}));
        QCOMPARE(ScegliCartellaProgramma(d.filePath("file/programma"), d.filePath("utente/dati")),
                 d.filePath("utente/dati") + "/");
        QVERIFY(QDir(d.filePath("utente/dati")).exists());
        QCOMPARE(ScegliCartellaProgramma(d.filePath("file/a"), d.filePath("file/b")), QString());
        // An installed copy uses the user's folder even where it could write.
        const QString bin = d.filePath("usr/bin"), segno = FileSegnoInstallazione(bin);
        QVERIFY(segno.startsWith(d.filePath("usr/share/")));
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(QFileInfo(segno).path()) && ScriviFile(segno, {}));
        QCOMPARE(ScegliCartellaProgramma(bin, d.filePath("utente")), d.filePath("utente") + "/");
    }

    // A program folder that holds the user's database but cannot be written:
    // the data move to the user's folder once, and the user is told where.
    void datiCopiatiNellaCartellaUtente() {
        QTemporaryDir d;
        const QString programma = d.filePath("programma"), utente = d.filePath("utente");
        QVERIFY(QDir().mkpath(programma));
        const QString originale = programma + "/ViandoraQuintora.mdb";
        const QString copia = utente + "/ViandoraQuintora.mdb";
        EseguiSql(originale, "CREATE TABLE MetaCorrente (MetaCorrente TEXT(6));"
                             "INSERT INTO MetaCorrente VALUES ('000007');");
        const auto solaLettura = [&](const QString& cartella) {
            return cartella != programma && QDir().mkpath(cartella);
        };
        auto righe = [](const QString& file) {
            Database db;
            db.FileDatabase = file;
            if (!db.DatabaseApre()) return -1;
            db.RecordSetImposta(8, Query("MetaCorrente"));
            return int(db.NumeroRecord);
        };

        QString avviso;
        QCOMPARE(ScegliCartellaProgramma(programma, utente, &avviso, solaLettura), utente + "/");
        QVERIFY(avviso.contains(QDir::toNativeSeparators(copia)));
        QCOMPARE(righe(copia), 1);
        // Once only: the next start goes on with the copy, whatever the old file holds.
        EseguiSql(originale, "INSERT INTO MetaCorrente VALUES ('000008');");
        avviso.clear();
        QCOMPARE(ScegliCartellaProgramma(programma, utente, &avviso, solaLettura), utente + "/");
        QVERIFY(avviso.isEmpty());
        QCOMPARE(righe(copia), 1);

        // A database that cannot be copied stops the start: never an empty one in its place.
        QVERIFY(QFile::remove(copia));
        QVERIFY(QFile::remove(originale));
        QVERIFY(ScriviFile(originale, "non un database, ma i dati di qualcuno"));
        QCOMPARE(ScegliCartellaProgramma(programma, utente, &avviso, solaLettura), QString());
        QVERIFY(avviso.contains(QDir::toNativeSeparators(originale)));
        QCOMPARE(QDir(utente).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestAvvio)
#include "test_avvio.moc"
