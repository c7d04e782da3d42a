// Start-up of the planner in a real folder with a real database file.
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include "database/DatabaseProva.h"
#include "shell/CartellaProgramma.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

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

    // A file that is not ours is refused as it is: no copy, no change (every
    // kind of foreign file is the schema tests' business).
    void fileNonNostroNonVieneToccato() {
        Planner pl(false);
        const QString file = pl.dir.filePath("ViandoraQuintora.mdb");
        QVERIFY(EseguiGrezzo(file, "PRAGMA application_id = 99;" + SqlTabelleNostre()));
        const QByteArray contenuto = LeggiFile(file);
        pl.Riapri();
        QVERIFY(!pl.avviato && pl.p.terminato);
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].testo, "Il file " + file + " non è un database di Viandora");
        QCOMPARE(LeggiFile(file), contenuto);
        QCOMPARE(QDir(pl.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"ViandoraQuintora.mdb"}));
    }

    // A second window on a database that another one holds only reads it,
    // if the user wants it at all; a file that cannot be written likewise.
    void secondaFinestraSolaLettura() {
        const auto prova = [&](bool fileSolaLettura) {
            Planner prima;
            NuovaMeta(prima, "ROMA");
            const QString cartella = prima.dir.path() + "/", file = prima->Db.FileDatabase;
            const QByteArray contenuto = LeggiFile(file);
            if (fileSolaLettura) {
                prima.f.reset();
                QVERIFY(SolaLettura(file, true));
            }
            const QString domanda =
                fileSolaLettura ? " è in sola lettura." : " è già aperto in un'altra finestra";
            PiattaformaProva p;
            p.risposte = {Msg::No};
            QVERIFY(!FormViandora(p, cartella).Form_Load() && p.terminato);
            QVERIFY2(p.messaggi.last().testo.contains(domanda), qPrintable(p.messaggi.last().testo));

            p.risposte = {Msg::Yes};
            FormViandora seconda(p, cartella);
            QVERIFY(seconda.Form_Load());
            QCOMPARE(seconda.txtLocalita.Text, QString("ROMA"));
            QVERIFY(seconda.Caption.endsWith("sola lettura"));
            QVERIFY(!seconda.cmdSalva.Enabled && !seconda.cmdCancMeta.Enabled && !seconda.cmdImport.Enabled);
            // Leaving the export screen does not offer the import either.
            seconda.Click("cmdExport");
            seconda.Click("cmdRinuncia");
            QVERIFY(seconda.cmdExport.Enabled && !seconda.cmdImport.Enabled);
            // Reached anyway, a write is refused with a message.
            seconda.txtNazione.Text = "FRANCIA";
            p.risposte = {Msg::Yes};
            seconda.Click("cmdSalva");
            QVERIFY2(p.messaggi.last().testo.contains("aperto in sola lettura"),
                     qPrintable(p.messaggi.last().testo));
            if (fileSolaLettura) QVERIFY(SolaLettura(file, false));
            QCOMPARE(LeggiFile(file), contenuto);

            // Once the first window is gone, the next one writes.
            prima.f.reset();
            p.messaggi.clear();
            FormViandora terza(p, cartella);
            QVERIFY(terza.Form_Load() && p.messaggi.isEmpty() && terza.cmdSalva.Enabled);
        };
        // altra finestra
        prova(false);
        // file in sola lettura
        prova(true);
    }

    // Another program holds the file longer than the wait: the window says
    // so and tries again when asked, here once that program has let go.
    void occupatoDaAltroProgramma() {
        Planner pl;
        const QString file = pl->Db.FileDatabase;
        pl.f.reset();
        sqlite3* altro = nullptr;
        QCOMPARE(sqlite3_open(file.toUtf8().constData(), &altro), SQLITE_OK);
        QCOMPARE(sqlite3_exec(altro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        pl.p.suMessaggio = [&] { sqlite3_exec(altro, "ROLLBACK", nullptr, nullptr, nullptr); };
        pl.Riapri();
        sqlite3_close(altro);
        QVERIFY(pl.avviato);
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].testo,
                 "Il database " + file + " è in uso da un altro programma.\r\n\r\nVuoi riprovare?");
    }

    // The disk fills up while the copy kept before an upgrade is written:
    // the user is told, the file stays as it was, nothing is left beside it.
    void discoPienoNellaCopia() {
        Planner pl(false);
        const QString file = pl.dir.filePath("ViandoraQuintora.mdb");
        QVERIFY(CreaFileCollazioneVecchia(file, ""));
        const QByteArray contenuto = LeggiFile(file);
        pl.f = std::make_unique<FormViandora>(pl.p, pl.dir.path() + "/");
        pl->Db.ImpostaGuastoScrittura(1);
        QVERIFY(!pl->Form_Load());
        QCOMPARE(pl.p.messaggi.last().testo, "Il disco del database " + file + " è pieno");
        QCOMPARE(LeggiFile(file), contenuto);
        QCOMPARE(QDir(pl.dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"ViandoraQuintora.mdb"}));
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

        // A program folder that holds the user's database but cannot be
        // written: the data move to the user's folder once, and the user is
        // told where.
        const QString programma = d.filePath("copia/programma"), utente = d.filePath("copia/utente");
        QVERIFY(QDir().mkpath(programma));
        const QString originale = programma + "/ViandoraQuintora.mdb";
        const QString copia = utente + "/ViandoraQuintora.mdb";
        QVERIFY(EseguiGrezzo(originale, "CREATE TABLE MetaCorrente (MetaCorrente TEXT(6));"
                                        "INSERT INTO MetaCorrente VALUES ('000007');"));
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
        QVERIFY(EseguiGrezzo(originale, "INSERT INTO MetaCorrente VALUES ('000008');"));
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
