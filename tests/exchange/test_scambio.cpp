// Trip exchange: the file written byte for byte, the import's rules, the
// round trip, bad files, the exchange screen's lists, and viandora-cli
// elenca, esporta, importa (the only command that writes the database).
#include <QTest>

#include "common/FileOrdinario.h"
#include "common/Testo1252.h"
#include "exchange/ControlloreScambio.h"
#include "exchange/Scambio.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

namespace {

const QString Mete = "CodiceMeta|Localita|Nazione";
const QString Tappe = "CodiceMeta|Sequenza|Localita|Chilometri";
const QString Guida = "Localita|CodiceGuida|Descrizione|TempoSosta|FlagVisto";

void Clic(FormViandora& f, int lista, int riga) {
    f.Scambio.mfgImExp[lista].Row = riga;
    f.Click(f.Scambio.mfgImExp[lista].NomeCompleto());
}

// Columns 0 to 3 of the filled rows of a list.
QStringList Lista(const Griglia& g) {
    QStringList righe;
    for (int r = 1; r < g.Rows() && !g.TextMatrix(r, 1).isEmpty(); ++r)
        righe << QStringList{g.TextMatrix(r, 0), g.TextMatrix(r, 1), g.TextMatrix(r, 2), g.TextMatrix(r, 3)}
                     .join(u'|');
    return righe;
}

// Lists a file on the import screen and imports every trip in it.
void ImportaTutto(Planner& pl, const QString& file) {
    pl.p.fileDaAprire << file;
    pl->Click("cmdImport");
    pl->Click("cmdTutto(1)");
    pl->Click("cmdImExp");
}

// The field names of a table, as a section's header.
QString Intestazione(FormViandora& f, const QString& tabella) {
    QStringList campi;
    for (const InfoCampo& c : f.Db.CampiTabella(tabella))
        campi << c.nome;
    return campi.join(u'|');
}

QString UltimoMessaggio(Planner& pl) {
    return pl.p.messaggi.isEmpty() ? QString() : pl.p.messaggi.last().testo;
}

} // namespace

class TestScambio : public QObject {
    Q_OBJECT
private slots:
    void esportazioneBytePerByte() {
        Planner pl;
        SalvaMeta(*pl, "CodiceMeta=000001;Localita=ROMA;Nazione=ITALIA ;DataInizio=05082006");
        SalvaMeta(*pl, "CodiceMeta=000002;Localita=PRAGA;Nazione=REP. CECA");
        SalvaMeta(*pl, "CodiceMeta=000003;Localita=OSLO;Nazione=NORVEGIA");
        SalvaTappe(*pl, "000001", {"FIRENZE|0270|", "ROMA|0280|01:00"});
        SalvaTappe(*pl, "000002", {"SVATÝ VÍT|0900|"});
        SalvaTappe(*pl, "000003", {"OSLO|2000|"});
        AggiungiVoce(*pl, "Svatý Vít", "01", "Cattedrale", "01:00");
        AggiungiVoce(*pl, "ROMA", "02", "Museo \"Egizio\" þ Þór ÞÓR Ÿ", "00:30");
        const QStringList prima = TutteLeTabelle(*pl);

        pl->Click("cmdExport");
        Clic(*pl, 0, 3); // ROMA
        Clic(*pl, 0, 2); // PRAGA
        const QString file = pl.dir.filePath("mete");
        pl.p.fileDaSalvare << file;
        pl->Click("cmdImExp");

        // One header per section, the chosen trips in list order (sorted by
        // locality), their stages, the whole guide; the separators that a value
        // may not hold are replaced, in both letter cases so that a locality
        // keeps one spelling, and the user is told.
        const QByteArray atteso = FileIei({
            {Intestazione(*pl, "MeteViandora"), "000002|PRAGA|REP. CECA" + QString(21, u'|'),
             "000001|ROMA|ITALIA|05082006" + QString(20, u'|')},
            {Intestazione(*pl, "Itinerari"), "000002|0001|SVATY VÍT|0900|A1|A|||0",
             "000001|0001|FIRENZE|0270|A1|A|||0", "000001|0002|ROMA|0280|A1|A|01:00||0"},
            {Guida, "Svaty Vít|01|Cattedrale|01:00|0", "ROMA|02|Museo \"Egizio\" th Thór THÓR Y|00:30|0"},
        });
        QCOMPARE(QString::fromLatin1(LeggiFile(file + ".iei")).split("\r\n"),
                 QString::fromLatin1(atteso).split("\r\n"));
        QVERIFY(UltimoMessaggio(pl).contains("3 valori"));
        QCOMPARE(TutteLeTabelle(*pl), prima);

        // An existing file is replaced only after a yes; cancelling the
        // dialog writes nothing.
        ScriviFile(file + ".iei", "vecchio");
        pl.p.fileDaSalvare << file + ".iei";
        pl.p.risposte << Msg::No;
        const int messaggi = pl.p.messaggi.size();
        pl->Click("cmdImExp");
        QCOMPARE(LeggiFile(file + ".iei"), QByteArray("vecchio"));
        pl->Click("cmdImExp");
        QCOMPARE(pl.p.messaggi.size(), messaggi + 1);
    }

    void codiciNuovi() {
        const auto prova = [&](QStringList archivio, QStringList scelti, QStringList assegnati) {
            QStringList ottenuti;
            for (const auto& [file, nuovo] : AssegnaCodiciImportazione(archivio, scelti))
                ottenuti << nuovo;
            QCOMPARE(ottenuti, assegnati);
        };
        QStringList da1a41;
        for (int i = 1; i <= 41; ++i)
            da1a41 << Zero(i, 6);
        // scontro, scontro, libero
        prova(da1a41, {"000007", "000003", "000050"}, {"000042", "000043", "000050"});
        // libero tenuto prima
        prova(da1a41, {"000007", "000042"}, {"000043", "000042"});
        // codice corto
        prova({"000001"}, {"7", "000001"}, {"000002", "000003"});
        // oltre l'ultimo
        prova({"000001", "999999"}, {"999999"}, {"000002"});
    }

    void regoleDiImportazione() {
        Planner pl;
        // 000003 has the locality of a file trip, in another case.
        for (int i = 1; i <= 41; ++i)
            SalvaMeta(*pl, QString("CodiceMeta=%1;Localita=%2")
                               .arg(Zero(i, 6), i == 3 ? "Provenza" : "LUOGO " + Zero(i, 2)));
        SalvaTappe(*pl, "000002", {"Arles|0100|"});
        AggiungiVoce(*pl, "PALERMO", "01", "cattedrale", "01:00");
        // An older installation's file: fewer, reordered and unknown fields;
        // its stages lack SostaGuidaCitta.
        ImportaTutto(pl, DATI "/due_mete.iei");

        QCOMPARE(UltimoMessaggio(pl), "Sono stati inseriti:\r\n1 mète/itinerari;\r\n2 tratti stradali;\r\n"
                                      "1 guide/informazioni località.\r\n\r\nSono stati scartati:\r\n"
                                      "1 mète/itinerari;\r\n1 guide/informazioni località,\r\n"
                                      "perchè già presenti nel database con lo stesso nome.\r\n\r\n"
                                      "1 guide/informazioni località non inserite: nessun itinerario "
                                      "dell'archivio passa per la loro località.");
        // SICILIA's 000007 is taken: it becomes 000042; PROVENZA is stored already.
        QCOMPARE(Righe(*pl, "MeteViandora", "CodiceMeta").last(),
                 "000042|SICILIA|ITALIA|01052006|0800" + QString(19, u'|'));
        QCOMPARE(Righe(*pl, "Itinerari", "CodiceMeta, Sequenza").mid(1),
                 (QStringList{"000042|0001|NAPOLI|0230|A1|A|||0",
                              "000042|0002|PALERMO|0300|TRAGHETTO|A|01:00||1"}));
        // The guide of ARLES (reached by a stored itinerary) comes with its
        // quotes; PALERMO's is stored already; OSLO is reached by nothing.
        // The screen is closed and the trip on screen reloaded (which marks
        // PALERMO's entry as visited).
        QCOMPARE(VociGuida(*pl),
                 (QStringList{"ARLES|02|Arena \"romana\"|00:45|0", "PALERMO|01|cattedrale|01:00|1"}));
        QVERIFY(!pl->frmExport.Visible && pl->mfgTab.Visible);
        QCOMPARE(pl->txtLocalita.Text, "SICILIA");

        // Again: everything is there already, nothing is added.
        const QStringList prima = TutteLeTabelle(*pl);
        ImportaTutto(pl, DATI "/due_mete.iei");
        QVERIFY(UltimoMessaggio(pl).contains("Sono stati scartati:\r\n2 mète/itinerari;\r\n2 guide"));
        QCOMPARE(TutteLeTabelle(*pl), prima);
    }

    // Values of a file written elsewhere: localities taken as plain text, a
    // value too long for its field, stops and visit times with a minus sign
    // (no stop, never a positive one).
    void valoriDaAltriProgrammi() {
        Planner pl;
        SalvaMeta(*pl, "CodiceMeta=000001;Localita=ROMA NORD");
        SalvaMeta(*pl, "CodiceMeta=000002;Localita=L'AQUILA");
        SalvaMeta(*pl, "CodiceMeta=000003;Localita=LA SPEZIA");
        const QString lunga = QString(40, u'X');
        const QString file = pl.dir.filePath("mete.iei");
        ScriviFile(file, FileIei({{Mete, "000011|ROMA*|ITALIA", "000012|l'aquila|ITALIA",
                                   "000013|L?SPEZIA|ITALIA", "000014|" + lunga + "|ITALIA"},
                                  {Tappe + "|TempoSosta", "000011|0001|OSTIA|0030|-01:00",
                                   "000011|0002|ANZIO|0040|-00:01:00", "000011|0003|NETTUNO|0010|00:01:00"},
                                  {Guida, "ANZIO|01|Porto|-00:30|0"}}));
        ImportaTutto(pl, file);
        QVERIFY(UltimoMessaggio(pl).startsWith("Sono stati inseriti:\r\n3 mète/itinerari;\r\n3 tratti"));
        QVERIFY(UltimoMessaggio(pl).endsWith("\r\n\r\n3 soste negative sono state lette come nessuna sosta."
                                             "\r\n\r\n1 valore più lungo del suo campo è stato accorciato."));
        QCOMPARE(RecordItinerario(*pl, "000011", {"TempoSosta"}), (QStringList{" ", " ", "00:01:00"}));
        QCOMPARE(VociGuida(*pl), QStringList{"ANZIO|01|Porto|00:00|0"});
        QStringList localita;
        for (const QString& r : Righe(*pl, "MeteViandora", "CodiceMeta"))
            localita << r.section(u'|', 1, 1);
        QCOMPARE(localita,
                 (QStringList{"ROMA NORD", "L'AQUILA", "LA SPEZIA", "ROMA*", "L?SPEZIA", lunga.left(30)}));
    }

    void andataERitorno() {
        Planner origine;
        SalvaMeta(*origine,
                  "CodiceMeta=000004;Localita=CÔTE D'AZUR;Nazione=FRANCIA;DataInizio=01072006;"
                  "OraInizio=0800;MediaAutostrada=100;MediaSuperStrada=70;MediaPrincipale=50;MediaLocale=30;"
                  "OraColazione=0900;OraPranzo=1230;DurataPranzo=0130;OraCena=2000;DurataCena=0145;"
                  "OraNotte=2230;RiposoMinuti=15;RiposoOre=03;RiposoGiorno=01;RiposoDopoGiorni=05;"
                  "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=012;"
                  "CalcoloSoste=3");
        SalvaMeta(*origine, "CodiceMeta=000009;Localita=\"LA\" ROCCA;Nazione=ITALIA;DataInizio=31122006");
        SalvaTappe(*origine, "000004", {"GENOVA|0150|", "NIZZA|0200|01:30", "CANNES|0030|00:01:00"});
        SalvaTappe(*origine, "000009", {"TERNI|0080|", "L'AQUILA|0100|00:45"});
        AggiungiVoce(*origine, "NIZZA", "01", "Promenade des Anglais €", "01:00", "1");
        AggiungiVoce(*origine, "L'AQUILA", "05", "Area \"camper\" – Collemaggio", "00:00");
        AggiungiVoce(*origine, "cannes", "08", "Bistrot ; , !", "01:15");

        origine->Click("cmdExport");
        origine->Click("cmdTutto(0)");
        const QString file = origine.dir.filePath("tutte.iei");
        origine.p.fileDaSalvare << file;
        origine->Click("cmdImExp");

        // Straight into an empty database: the screen would then load a trip
        // and mark its guide entries as visited.
        Planner destinazione;
        ContenutoScambio contenuto;
        QCOMPARE(LeggiFileScambio(file, contenuto), QString());
        QStringList codici;
        for (const auto& m : contenuto.Mete())
            codici << m.codice;
        const RiepilogoImportazione r = ImportaMete(destinazione->Db, file, codici, nullptr);
        QCOMPARE(r.mete + r.tappe + r.voci, 2 + 5 + 3);
        QCOMPARE(TutteLeTabelle(*destinazione), TutteLeTabelle(*origine));
    }

    void fileMalformati() {
        const auto prova = [&](QString file, QString messaggio) {
            QTemporaryDir cartella;
            QString percorso = QString(DATI) + "/" + file;
            if (file == "FIFO") {
                percorso = cartella.filePath("fifo.iei");
                QVERIFY(CreaFifo(percorso));
            } else if (file.isEmpty()) {
                percorso = cartella.filePath("lunga.iei");
                ScriviFile(percorso,
                           FileIei({{Mete, "000005|SICILIA|ITALIA"},
                                    {Tappe},
                                    {Guida, "PALERMO|01|" + QString(10 << 20, u'a') + "|01:00|0"}}));
            }
            ContenutoScambio contenuto;
            const QString errore = LeggiFileScambio(percorso, contenuto);
            QVERIFY2(!errore.isEmpty() && errore.contains(messaggio), qPrintable(errore));
        };
        const QString senza = "non contiene mète da importare";
        const QString illeggibile = "non è un file di scambio leggibile";
        // vuoto
        prova("vuoto.iei", senza);
        // UTF-8
        prova("utf8.iei", senza);
        // binario
        prova("binario.iei", "");
        // troncato
        prova("troncato.iei", illeggibile);
        // colonne in più
        prova("colonne_in_piu.iei", "riga 6: la riga ha 10 valori invece dei 9");
        // sezioni in disordine
        prova("sezioni_in_disordine.iei", "manca la sezione degli itinerari");
        // descrizione di 10 MB
        prova("", "riga 5: la riga è troppo lunga");
        // senza codice
        prova("senza_codice.iei", "all'intestazione della sezione delle mète manca il campo CodiceMeta");
        // inesistente
        prova("manca.iei", "Impossibile leggere il file");
        // FIFO
        prova("FIFO", "è una FIFO");
    }

    void importazioneTuttoONiente() {
        Planner pl;
        SalvaMeta(*pl, "CodiceMeta=000001;Localita=ROMA");
        SalvaTappe(*pl, "000001", {"ARLES|0100|", "PALERMO|0100|"});
        const QStringList prima = TutteLeTabelle(*pl);
        const QString file = pl.dir.filePath("mete.iei");
        QVERIFY(QFile::copy(DATI "/due_mete.iei", file));

        pl.p.fileDaAprire << file;
        pl->Click("cmdImport");
        pl->Click("cmdTutto(1)");

        // The file spoilt between listing and import.
        QFile::remove(file);
        QVERIFY(QFile::copy(DATI "/troncato.iei", file));
        pl->Click("cmdImExp");
        QVERIFY(UltimoMessaggio(pl).endsWith("Non è stato importato nulla."));
        QCOMPARE(TutteLeTabelle(*pl), prima);
        QFile::remove(file);
        QVERIFY(QFile::copy(DATI "/due_mete.iei", file));

        // The disk fills up at each of the import's writes in turn (2 trips,
        // 4 stages, 2 guide entries): the archive stays as it was.
        for (int scrittura = 1; scrittura <= 8; ++scrittura) {
            pl->Db.ImpostaGuastoScrittura(scrittura);
            pl->Click("cmdImExp");
            pl->Db.ImpostaGuastoScrittura(0);
            QVERIFY2(UltimoMessaggio(pl).startsWith("Importazione non eseguita: "),
                     qPrintable(UltimoMessaggio(pl)));
            QCOMPARE(TutteLeTabelle(*pl), prima);
            QVERIFY(pl->frmExport.Visible && pl->Scambio.cmdImExp.Enabled);
        }
        pl->Click("cmdImExp");
        QVERIFY(UltimoMessaggio(pl).startsWith(
            "Sono stati inseriti:\r\n2 mète/itinerari;\r\n4 tratti stradali;\r\n"
            "2 guide"));
    }

    void listeDelloSchermo() {
        Planner pl;
        pl->Click("cmdExport");
        QCOMPARE(UltimoMessaggio(pl), "Non ci sono altre mète da esportare...");
        pl->Click("cmdRinuncia");

        SalvaMeta(*pl, "CodiceMeta=000001;Localita=ROMA;Nazione=ITALIA");
        SalvaMeta(*pl, "CodiceMeta=000002;Localita=ANCONA;Nazione=ITALIA");
        SalvaMeta(*pl, "CodiceMeta=000003;Localita=MONACO;Nazione=GERMANIA");
        pl->SchermoMeta.RicercaMetaCorrente();
        pl->Click("cmdExport");
        const Griglia& sorgente = pl->Scambio.mfgImExp[0];
        const Griglia& scelte = pl->Scambio.mfgImExp[1];
        const QStringList tutte = {"1|ANCONA|ITALIA|000002", "2|MONACO|GERMANIA|000003",
                                   "3|ROMA|ITALIA|000001"};
        QCOMPARE(Lista(sorgente), tutte);
        QVERIFY(!pl->Scambio.cmdImExp.Enabled && !pl->cmdImport.Enabled);
        Clic(*pl, 0, 5); // an empty row
        Clic(*pl, 0, 3);
        Clic(*pl, 0, 1);
        QCOMPARE(Lista(sorgente), (QStringList{"1|MONACO|GERMANIA|000003"}));
        QCOMPARE(Lista(scelte), (QStringList{"1|ANCONA|ITALIA|000002", "2|ROMA|ITALIA|000001"}));
        // Leaving gives the trip screen back as it was.
        pl->Click("cmdRinuncia");
        QVERIFY(!pl->frmExport.Visible && pl->mfgTab.Visible && pl->cmdImport.Enabled && pl->cmdEsce.Default);
    }

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
        fifo_ = dir_.filePath("fifo.iei");
        QVERIFY(CreaFifo(fifo_));
    }

    void cliEsportaElencaImporta() {
        const QString file = dir_.filePath("due.iei");
        const QByteArray prima = LeggiFile(archivio_);
        Esito e = Cli({"esporta", archivio_, file, "2", "000001"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(LeggiFile(archivio_), prima);

        e = Cli({"elenca", file});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.out, "000002\tOSLO\tNORVEGIA\n000001\tROMA\tITALIA\n");

        // Into a database that holds 000001 already, and OSLO under the code
        // the file gives SICILIA, which then gets the next free one.
        QVERIFY(QFile::copy(archivio_, dir_.filePath("copia.db")));
        QCOMPARE(EseguiProgramma("sqlite3",
                                 {dir_.filePath("copia.db"),
                                  "UPDATE MeteViandora SET CodiceMeta = '000007' WHERE Localita = 'OSLO'"})
                     .codice,
                 0);
        e = Cli({"importa", dir_.filePath("copia.db"), DATI "/due_mete.iei", "--tutte"});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.out.startsWith("Sono stati inseriti:\n2 mète/itinerari;\n4 tratti stradali;\n") &&
                     e.out.endsWith("\n\nCodici assegnati (nel file, in archivio):\n000007\t000008\n"
                                    "000050\t000050\n"),
                 qPrintable(e.out));
    }

    void cliErrori() {
        const auto prova = [&](QStringList argomenti, int codice, QString messaggio) {
            const QByteArray prima = LeggiFile(archivio_);
            const Esito e = Cli(argomenti);
            QCOMPARE(e.codice, codice);
            QVERIFY2(e.err.contains(messaggio), qPrintable(e.err));
            QVERIFY(e.out.isEmpty() && LeggiFile(archivio_) == prima);
            QVERIFY(!QFile::exists(dir_.filePath("x.iei")));
            QCOMPARE(TipoDelPercorso(fifo_), TipoPercorso::Fifo);
        };
        // esporta, mèta inesistente
        prova({"esporta", archivio_, dir_.filePath("x.iei"), "000001", "77"}, 1, "Mèta inesistente: 000077");
        // esporta su una FIFO
        prova({"esporta", archivio_, fifo_, "000001"}, 1, "è una FIFO");
        // importa, codice non nel file
        prova({"importa", archivio_, DATI "/due_mete.iei", "000007", "000008"}, 1,
              "La mèta 000008 non è nel file");
    }

private:
    QTemporaryDir dir_;
    QString archivio_;
    QString fifo_;
};

QTEST_GUILESS_MAIN(TestScambio)
#include "test_scambio.moc"
