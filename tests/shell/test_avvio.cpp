// Start-up of the planner in a real folder with a real database file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include "shell/CartellaProgramma.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
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
    // The tables themselves are the schema tests' business; here what the
    // window makes of a new file.
    void primoESecondoAvvio() {
        Planner pl;
        QVERIFY(pl.avviato);
        QVERIFY(pl.p.messaggi.isEmpty());
        QVERIFY(QFile::exists(pl.dir.filePath("ViandoraQuintora.mdb")));
        FormViandora& f = *pl;
        QVERIFY(f.Meta.CodiceMetaCorrente.isEmpty());
        QCOMPARE(ComandiAbilitati(f), QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}));
        QVERIFY(!f.cmdConverte.Visible);
        QVERIFY(!f.frmGuida.Visible && !f.frmExport.Visible && !f.frmStampa.Visible && !f.cmbRicerca.Visible);
        QVERIFY(f.mfgTab.Visible);
        // Placed at 4095 high, then closing the secondary panels sets 4055.
        QCOMPARE(f.mfgTab.Height, 4055);
        f.Db.RecordSetImposta(8, Query("TipoGuida"));
        QCOMPARE(f.Db.NumeroRecord, 9.0);
        // A second start adds no guide types.
        pl.Riapri();
        pl->Db.RecordSetImposta(8, Query("TipoGuida"));
        QCOMPARE(pl->Db.NumeroRecord, 9.0);
    }

    void vecchiDatiMostranoConverte() {
        for (const char* nome : {"VianMete.dat", "VIANMETE.DAT"}) {
            Planner pl(false);
            QFile vecchio(pl.dir.filePath(nome));
            QVERIFY(vecchio.open(QIODevice::WriteOnly));
            vecchio.close();
            pl.Riapri();
            QVERIFY(pl.avviato);
            QVERIFY(pl->cmdConverte.Visible && pl->cmdConverte.Enabled);
        }
    }

    void fileNonDatabaseNonVieneToccato() {
        Planner pl(false);
        const QString file = pl.dir.filePath("ViandoraQuintora.mdb");
        QByteArray contenuto = "Standard Jet DB\0\0\0 questo non e' un database SQLite\r\n";
        contenuto.append(QByteArray(5000, 'x'));
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenuto);
        }
        pl.Riapri();
        QVERIFY(!pl.avviato);
        QVERIFY(pl.p.terminato);
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].testo, QStringLiteral("Errore apertura database ") + file);
        QCOMPARE(pl.p.messaggi[0].pulsanti & 7, Msg::OkOnly);
        QFile letto(file);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), contenuto);
        QCOMPARE(QDir(pl.dir.path()).entryList(QDir::Files), QStringList({"ViandoraQuintora.mdb"}));
    }

    void fileVecchioPortatoAlloSchema() {
        Planner pl(false);
        const QString file = pl.dir.filePath("ViandoraQuintora.mdb");
        // A file of an older version: no "Parametri", a trip table without
        // CalcoloSoste and with a wider destination field.
        EseguiSql(
            file,
            "CREATE TABLE MeteViandora (CodiceMeta TEXT(6), Localita TEXT(50), Nazione TEXT(19),"
            " DataInizio TEXT(8), OraInizio TEXT(4), MediaAutostrada TEXT(3), MediaSuperStrada TEXT(3),"
            " MediaPrincipale TEXT(3), MediaLocale TEXT(3), OraColazione TEXT(4), OraPranzo TEXT(4),"
            " DurataPranzo TEXT(4), OraCena TEXT(4), DurataCena TEXT(4), OraNotte TEXT(4),"
            " RiposoMinuti TEXT(2), RiposoOre TEXT(2), RiposoGiorno TEXT(2), RiposoDopoGiorni TEXT(2),"
            " InizioVisita TEXT(4), FineVisita TEXT(4), OreTraghetti TEXT(4), GiorniAdeguamento TEXT(4));"
            "CREATE TABLE Itinerari (CodiceMeta TEXT(6), Sequenza TEXT(4), Localita TEXT(30),"
            " Chilometri TEXT(4), NomeStrada TEXT(64), TipoStrada TEXT(1), TempoSosta TEXT(8),"
            " SostaGuidaCitta TEXT(8), FineGiorno TEXT(1));"
            "CREATE TABLE GuidaCitta (Localita TEXT(30), CodiceGuida TEXT(2), Descrizione TEXT(96),"
            " TempoSosta TEXT(5), FlagVisto TEXT(1));"
            "CREATE TABLE TipoGuida (CodiceGuida TEXT(2), Descrizione TEXT(32), TempoObbligatorio YESNO);"
            "CREATE TABLE MetaCorrente (MetaCorrente TEXT(6));"
            "INSERT INTO MeteViandora (CodiceMeta, Localita, Nazione, OraNotte) VALUES"
            " ('000001', 'L''AQUILA', 'ITALIA', '2230'), ('000002', 'CITTÀ DEL VATICANO', 'VATICANO', "
            "'2400');"
            "INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita) VALUES ('000001', '0001', 'ROMA');"
            "INSERT INTO TipoGuida VALUES ('01', 'Da non perdere', 1);"
            "INSERT INTO MetaCorrente VALUES ('000002');");
        pl.Riapri();
        QVERIFY(pl.avviato);
        QVERIFY(pl.p.messaggi.isEmpty());
        FormViandora& f = *pl;

        // The missing table is created; the start then stores the built-in
        // defaults in it, as in a new file.
        QVERIFY(f.Db.NomiTabelle().contains("Parametri"));
        f.Db.RecordSetImposta(8, Query("Parametri"));
        QCOMPARE(f.Db.NumeroRecord, 1.0);
        QCOMPARE(f.Db.Rs(8).Testo("MediaAutostrada"), QString("75"));

        QCOMPARE(f.Db.CampiTabella("MeteViandora").size(), 24);
        f.Db.RecordSetImposta(8, Query("MeteViandora").OrdinaPer("CodiceMeta"));
        QCOMPARE(f.Db.NumeroRecord, 2.0);
        RecordSet& mete = f.Db.Rs(8);
        QCOMPARE(mete.Testo("Localita"), QString("L'AQUILA"));
        QCOMPARE(mete.Testo("OraNotte"), QString("2230"));
        mete.MoveNext();
        QCOMPARE(mete.Testo("Localita"), QStringLiteral("CITTÀ DEL VATICANO"));
        QCOMPARE(mete.Testo("CalcoloSoste"), QString());
        f.Db.RecordSetImposta(8, Query("Itinerari").Dove("Localita", "roma"));
        QCOMPARE(f.Db.NumeroRecord, 1.0);
        // The guide types the user had are kept, none added.
        f.Db.RecordSetImposta(8, Query("TipoGuida"));
        QCOMPARE(f.Db.NumeroRecord, 1.0);
        QCOMPARE(f.Db.Rs(8).Testo("Descrizione"), QString("Da non perdere"));
        QVERIFY(QFile::exists(f.Db.CopiaDiSicurezza()));
    }

    void cartellaDeiDati() {
        QTemporaryDir d;
        QCOMPARE(ScegliCartellaProgramma(d.path(), d.filePath("utente")), d.path() + "/");
        // A program folder that cannot be written (here: it would lie below a
        // file) gives way to the user's data folder, created when missing.
        QFile ostacolo(d.filePath("file"));
        QVERIFY(ostacolo.open(QIODevice::WriteOnly));
        ostacolo.close();
        QCOMPARE(ScegliCartellaProgramma(d.filePath("file/programma"), d.filePath("utente/dati")),
                 d.filePath("utente/dati") + "/");
        QVERIFY(QDir(d.filePath("utente/dati")).exists());
        QCOMPARE(ScegliCartellaProgramma(d.filePath("file/a"), d.filePath("file/b")), QString());
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
        QFile rotto(originale);
        QVERIFY(rotto.open(QIODevice::WriteOnly));
        rotto.write("non un database, ma i dati di qualcuno");
        rotto.close();
        QCOMPARE(ScegliCartellaProgramma(programma, utente, &avviso, solaLettura), QString());
        QVERIFY(avviso.contains(QDir::toNativeSeparators(originale)));
        QCOMPARE(QDir(utente).entryList(QDir::Files), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestAvvio)
#include "test_avvio.moc"
