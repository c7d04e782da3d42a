// "Converte" and viandora-cli converti over the old files of vecchi/: what
// reaches the database field by field, what is kept, and that a refusal or
// a failure half way leaves the database and every old file as they were;
// the slots of the old files and their fields.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include "common/Testo1252.h"
#include "conversion/FileARecord.h"
#include "database/DatabaseProva.h"
#include "guide/ControlloreGuida.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

namespace {

const QStringList FileVecchi = {"VianGuid.dat", "VianMete.dat", "vian0012.dat",
                                "vian0013.dat", "vian0071.dat", "vian9999.dat"};

void CopiaVecchi(const QString& cartella, const QHash<QString, QString>& rinomina = {}) {
    for (const QString& nome : FileVecchi)
        QVERIFY(QFile::copy(VECCHI_FILE "/" + nome, cartella + u'/' + rinomina.value(nome, nome)));
}

QStringList FileDellaCartella(const QString& cartella) {
    return QDir(cartella).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

QStringList Contenuto(Database& db) {
    QStringList tutto;
    for (int t = TabMete; t <= TabParametri; ++t)
        tutto << Righe(db, Query(db.Schema().NomeTabella[t]));
    return tutto;
}

const QStringList GuidaConvertita = {"BOLOGNA|02|DUE TORRI|00:45|1", "Città di Castello|03|Duomo|00:00|0",
                                     "MADRID|07|CAMPING OSUNA|00:30|0", "ROMA|05|COLOSSEO|02:00|1",
                                     "ROMA|08|PIZZERIA *|01:00|0"};

// A planner started over the old files and a database that already holds
// trips, stages, a guide entry and a guide type of its own.
struct Archivio : Planner {
    explicit Archivio(const QHash<QString, QString>& rinomina = {}) : Planner(false) {
        CopiaVecchi(dir.path(), rinomina);
        Riapri();
        const QString meta = "Localita=VECCHIA LISBONA;Nazione=PORTOGALLO;DataInizio=01012000;OraInizio=0700;"
                             "OreTraghetti=0130;GiorniAdeguamento=0010;CalcoloSoste=2;OraColazione=0800";
        AggiungiRiga(*f, "MeteViandora", "CodiceMeta=000071;" + meta);
        AggiungiRiga(*f, "MeteViandora", "CodiceMeta=010071;" + meta);
        for (const char* tappa :
             {"0009;Localita=PISA;Chilometri=10;NomeStrada=SS1 ;TipoStrada=P;FineGiorno=1",
              "0001;Localita=LUCCA;Chilometri=5;NomeStrada= ;TipoStrada=L;FineGiorno=1"})
            AggiungiRiga(*f, "Itinerari",
                         QString("TempoSosta= ;SostaGuidaCitta=01:00;CodiceMeta=000071;Sequenza=") + tappa);
        AggiungiRiga(
            *f, "GuidaCitta",
            "Localita=ROMA;CodiceGuida=08;Descrizione=PIZZERIA DA MARIO;TempoSosta=01:00;FlagVisto=0");
        AggiungiRiga(*f, "TipoGuida", "CodiceGuida=10;Descrizione=Museo;TempoObbligatorio=true");
    }
};

} // namespace

class TestConversione : public QObject {
    Q_OBJECT
private slots:
    void conversioneCompleta() {
        Archivio a;
        FormViandora& f = *a;
        QVERIFY(f.cmdConverte.Visible && f.cmdConverte.Enabled);
        f.Click("cmdConverte");

        QCOMPARE(a.p.messaggi.size(), 2);
        QCOMPARE(a.p.messaggi[1].testo, QString("Conversione eseguita..."));

        // The old trip 71 overwrites the stored 000071 but for the three
        // fields the old file lacks; 010071 is only adjusted.
        QCOMPARE(
            Righe(f.Db, Query("MeteViandora").OrdinaPer("CodiceMeta")),
            QStringList({"000012|Città di Castello|ITALIA             |15082004|    |100|80 |60 |40 |0900|"
                         "1230|0100|1930|0100|2200|20|00|00|07|0000|2400|||",
                         "000013|MADRID|SPAGNA             |10072004|0600|120|100|80 |50 |0830|1300|0100|"
                         "2000|0130|2300|15|03|01|06|0930|1900|||",
                         "000071|LISBONA|PORTOGALLO         |01062004|0800|110|90 |70 |50 |0830|1300|0100|"
                         "2000|0130|2300|15|02|01|05|0900|1800|0130|0010|2",
                         "010071|VECCHIA LISBONA|PORTOGALLO|01012000|0700|||||0800|1230|0230|2000|0130|"
                         "2230|00|00|00|00|0000|2400|0130|0010|2"}));

        // 000071: records 2 to 6 of its file, three of them passed over;
        // stage 0001 overwritten, 0009 kept. 010071 ends alike but the file
        // was consumed; 000012's counts disagree; 000013's header counts
        // three stages of which the file holds one and a half.
        QCOMPARE(Righe(f.Db, Query("Itinerari").OrdinaPer("CodiceMeta, Sequenza")),
                 QStringList({"000013|0001|SARAGOZZA|310|N2 |P|00:00:30||0",
                              "000013|0002|VALENCIA|34 |E15 | | ||0",
                              "000071|0001|ROMA|120|A1 |A|01:02:30|01:00|0",
                              "000071|0004|BOLOGNA| 95| |S| ||0", "000071|0009|PISA|10|SS1 |P| |01:00|1"}));

        // Two records of ROMA COLOSSEO make one entry with the later values;
        // the "*" of PIZZERIA * does not reach PIZZERIA DA MARIO. The seen
        // marks are those of the trip loaded at the end, which has no stages.
        QStringList guida = GuidaConvertita;
        guida << "ROMA|08|PIZZERIA DA MARIO|01:00|0";
        guida.replaceInStrings("|1", "|0");
        QCOMPARE(VociGuida(f), guida);

        // The nine rebuilt guide types, reloaded into the window.
        const QStringList tipi = Righe(f.Db, Query("TipoGuida").OrdinaPer("CodiceGuida"));
        QVERIFY(tipi.size() == 9 && tipi.last().startsWith("09|") &&
                f.Guida.DescrizioneTipoGuida[10].isEmpty());

        // Every old file read is gone; the one of a trip in no table stays.
        // The copy holds the database as it was before.
        const QStringList rimasti = FileDellaCartella(a.dir.path());
        QCOMPARE(rimasti.size(), 3);
        QVERIFY(rimasti.at(1).startsWith("ViandoraQuintora_copia_") && rimasti.at(2) == "vian9999.dat");
        QCOMPARE(ContaGrezzo(a.dir.filePath(rimasti.at(1)), "MeteViandora"), 2);

        // Reloaded: the last trip by code, no button.
        QCOMPARE(f.txtLocalita.Text, QString("VECCHIA LISBONA"));
        QVERIFY(!f.cmdConverte.Visible && !f.cmdConverte.Enabled);
        QCOMPARE(f.ContatoreProgresso, 0.0);
    }

    // A refusal (0) and failures: a write that fails at any point of the
    // run (a full disk, a killed process), an old file that is a folder or a
    // FIFO (never opened: it would wait for ever).
    void nienteCambia() {
        // scrittura: the write that fails; 0 none, -1 an old file replaced
        // nodo: "folder" or "fifo", a blank, the old file it replaces
        const auto prova = [&](int scrittura, QString nodo, QString errore) {
            Archivio a;
            FormViandora& f = *a;
            const QStringList prima = Contenuto(f.Db);
            if (scrittura < 0) {
                const QString file = a.dir.filePath(nodo.section(' ', 1));
                QVERIFY(QFile::remove(file));
                QVERIFY(nodo.startsWith("folder") ? QDir().mkdir(file) : CreaFifo(file));
            } else if (scrittura == 0) {
                a.p.risposte = {Msg::No};
            }
            f.Db.ImpostaGuastoScrittura(qMax(0, scrittura));
            f.Click("cmdConverte");
            f.Db.ImpostaGuastoScrittura(0);

            QCOMPARE(Contenuto(f.Db), prima);
            const QStringList rimasti = FileDellaCartella(a.dir.path());
            for (const QString& nome : FileVecchi)
                QVERIFY2(rimasti.contains(nome), qPrintable(nome));
            QCOMPARE(f.txtLocalita.Text, QString("VECCHIA LISBONA"));
            if (errore.isEmpty()) {
                QCOMPARE(a.p.messaggi.size(), 1);
                QVERIFY(!f.cmdConverte.Visible);
                return;
            }
            QCOMPARE(a.p.messaggi.size(), 2);
            QVERIFY2(a.p.messaggi[1].testo.startsWith("Conversione non eseguita") &&
                         a.p.messaggi[1].testo.endsWith(errore),
                     qPrintable(a.p.messaggi[1].testo));
            QCOMPARE(a.p.messaggi[1].pulsanti, Msg::OkOnly | Msg::Critical);
            // The old files are there: the command can be given again.
            QVERIFY(f.cmdConverte.Visible && f.cmdConverte.Enabled);
        };
        // rifiuto
        prova(0, "", "");
        // The first write is the safety copy of the database.
        for (int n : {1, 2, 3, 5, 8, 12, 20, 30})
            prova(n, "",
                  QString(n == 1 ? "Errore nella copia di sicurezza del database"
                                 : "Errore di scrittura nel database") +
                      ": disco pieno");
        // cartella
        prova(-1, "folder vian0013.dat", "vian0013.dat: è una cartella, non un file");
        // FIFO delle mète
        prova(-1, "fifo VianMete.dat", "VianMete.dat: è una FIFO (pipe con nome), non un file");
        // FIFO di un itinerario
        prova(-1, "fifo vian0071.dat", "vian0071.dat: è una FIFO (pipe con nome), non un file");
    }

    // Names copied from another system: the exact name first, then any
    // letter case.
    void nomiInAltreMaiuscole() {
        Archivio a({{"vian0071.dat", "VIAN0071.DAT"}, {"VianGuid.dat", "vianguid.DAT"}});
        QVERIFY(
            ScriviFile(a.dir.filePath("VIANMETE.DAT"), QByteArray("PARIGI").leftJustified(97, ' ') + "0044"));
        // Trip 12's one stage stops for minus an hour: no stop, and the user
        // is told.
        QVERIFY(ScriviFile(a.dir.filePath("vian0012.dat"), QByteArray("1").leftJustified(24) + "1" +
                                                               QByteArray(39, ' ') + "PARIGI" +
                                                               QByteArray(18, ' ') + "100P-00100"));
        a->Click("cmdConverte");
        QCOMPARE(
            a.p.messaggi.last().testo,
            QString("Conversione eseguita...\r\n\r\n1 sosta negativa è stata letta come nessuna sosta."));
        QCOMPARE(RecordItinerario(*a, "000012", {"Localita", "TempoSosta"}), QStringList{"PARIGI| "});
        QCOMPARE(Righe(a->Db, Query("MeteViandora")).size(), 4);
        QCOMPARE(RecordItinerario(*a, "000071", {"Sequenza"}), QStringList({"0001", "0004", "0009"}));
        QCOMPARE(VociGuida(*a).size(), 6);
        QCOMPARE(FileDellaCartella(a.dir.path()).filter(".dat", Qt::CaseInsensitive),
                 QStringList({"VIANMETE.DAT", "vian9999.dat"}));
    }

    void rigaDiComando() {
        QTemporaryDir dir;
        const QString vecchi = dir.filePath("vecchi"), db = dir.filePath("nuovo.mdb");
        QVERIFY(QDir().mkpath(vecchi));
        CopiaVecchi(vecchi);
        QString out, err;
        auto esegui = [&](const QStringList& argomenti) {
            const Esito e = EseguiProgramma(VIANDORA_CLI, QStringList{"converti"} + argomenti);
            out = e.out;
            err = e.err;
            return e.codice;
        };

        // A new database, made with its tables; nothing to keep a copy of.
        QCOMPARE(esegui({db, vecchi}), 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QCOMPARE(out, QString("Mète convertite: 3\nMète scartate: 4\nTappe convertite: 4\nTappe scartate: 4\n"
                              "Voci della guida convertite: 6\nMète adeguate: 1\n"
                              "Vecchi file letti e cancellati: 5\n"));
        QCOMPARE(FileDellaCartella(vecchi), QStringList({"vian9999.dat"}));

        // Into the same database again, keeping the old files: a copy first.
        QVERIFY(QFile::remove(vecchi + "/vian9999.dat"));
        CopiaVecchi(vecchi);
        QCOMPARE(esegui({db, vecchi, "--conserva"}), 0);
        QVERIFY(out.contains("Copia di sicurezza: ") && out.endsWith("Vecchi file conservati: 5\n"));
        QCOMPARE(FileDellaCartella(vecchi), FileVecchi);

        // A file that is not a database, or a folder without the old files:
        // nothing is made, nothing is deleted.
        const QStringList prima = ImprontaCartella(vecchi);
        QCOMPARE(esegui({vecchi + "/VianMete.dat", vecchi}), 1);
        QVERIFY(err.contains("non è un database"));
        QCOMPARE(esegui({dir.filePath("altro.mdb"), dir.path()}), 1);
        QVERIFY(err.contains("non ci sono i vecchi file") && !QFile::exists(dir.filePath("altro.mdb")));
        QCOMPARE(ImprontaCartella(vecchi), prima);
    }

    // Every slot reads back whole: the part in the file as it is, the rest,
    // and any slot past the end, as blanks.
    void numeroDeiRecord() {
        const auto prova = [&](int lunghezza, int slot, int record) {
            QByteArray dati(lunghezza, 'x');
            QBuffer buffer(&dati);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            FileARecord file(buffer, slot, "prova.dat");
            QCOMPARE(file.NumeroRecord(), qint64(record));
            for (int n = 1; n <= record + 1; ++n) {
                const QByteArray letto = file.Record(n);
                const int pieni = qBound(0, lunghezza - (n - 1) * slot, slot);
                QCOMPARE(letto, QByteArray(pieni, 'x') + QByteArray(slot - pieni, ' '));
            }
        };
        // vuoto
        prova(0, 128, 0);
        // senza coda
        prova(117, 128, 1);
        // uno intero
        prova(128, 128, 1);
        // un byte oltre
        prova(129, 128, 2);
        // itinerario tagliato
        prova(64 * 2 + 26, 64, 3);

        // The fields of a record, in code page 1252.
        const QByteArray record = CodificaWindows1252("CITTÀ€") + QByteArray("\0\r\tX\x7f", 5);
        QCOMPARE(CampoRecord(record, 0, 6), QString("CITTÀ€"));
        // Control characters, and bytes past the record, are blanks.
        QCOMPARE(CampoRecord(record, 6, 7), QString("   X   "));
        QCOMPARE(CampoRecord(record, 40, 3), QString("   "));
    }
};

QTEST_GUILESS_MAIN(TestConversione)
#include "test_conversione.moc"
