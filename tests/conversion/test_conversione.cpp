// "Converte" and viandora-cli converti over the old files of vecchi/: what
// reaches the database field by field, what is kept, and that a refusal or
// a failure half way leaves the database and every old file as they were.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"

namespace {

const QStringList FileVecchi = {"VianMete.dat", "VianGuid.dat", "vian0012.dat",
                                "vian0013.dat", "vian0071.dat", "vian9999.dat"};

void CopiaVecchi(const QString& cartella, const QHash<QString, QString>& rinomina = {}) {
    for (const QString& nome : FileVecchi)
        QVERIFY(QFile::copy(QStringLiteral(VECCHI_FILE "/") + nome,
                            cartella + u'/' + rinomina.value(nome, nome)));
}

// "Campo=valore;..." into a new row of the table.
void AggiungiRiga(FormViandora& f, const QString& tabella, const QString& campi) {
    // A set of no rows, to add to.
    f.Db.RecordSetImposta(7, Query(tabella).Dove(f.Db.CampiTabella(tabella).at(0).nome, "\\"));
    RecordSet& rs = f.Db.Rs(7);
    rs.AddNew();
    for (const QString& campo : campi.split(u';'))
        rs.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    rs.Update();
}

// Every field of every row, "|"-joined, in the query's order.
QStringList Righe(Database& db, const Query& query) {
    db.RecordSetImposta(7, query);
    RecordSet& rs = db.Rs(7);
    QStringList righe;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList valori;
        for (int p = 0; p < rs.NumeroCampi(); ++p)
            valori << rs.Testo(p);
        righe << valori.join(u'|');
    }
    return righe;
}

QStringList Contenuto(Database& db) {
    QStringList tutto;
    for (int t = TabMete; t <= TabParametri; ++t)
        tutto << db.Schema().NomeTabella[t] << Righe(db, Query(db.Schema().NomeTabella[t]));
    return tutto;
}

QStringList FileDellaCartella(const QString& cartella) {
    QStringList nomi = QDir(cartella).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    nomi.sort();
    return nomi;
}

// A planner started over the old files and a database that already holds
// trips, stages, guide entries and guide types of its own.
struct Archivio : Planner {
    QStringList didascalie; // the status line at every "process events"
    QStringList mostrate;   // the trip screen's locality, likewise

    explicit Archivio(const QHash<QString, QString>& rinomina = {}) : Planner(false) {
        CopiaVecchi(dir.path(), rinomina);
        Riapri();
        FormViandora& form = *f;
        const QString meta = "Localita=VECCHIA LISBONA;Nazione=PORTOGALLO;DataInizio=01012000;OraInizio=0700;"
                             "OreTraghetti=0130;GiorniAdeguamento=0010;CalcoloSoste=2;OraColazione=0800";
        AggiungiRiga(form, "MeteViandora", "CodiceMeta=000071;" + meta);
        AggiungiRiga(form, "MeteViandora", "CodiceMeta=010071;" + meta);
        AggiungiRiga(
            form, "Itinerari",
            "CodiceMeta=000071;Sequenza=0009;Localita=PISA;Chilometri=10;NomeStrada=SS1 ;TipoStrada=P;"
            "TempoSosta= ;SostaGuidaCitta=00:30;FineGiorno=1");
        AggiungiRiga(form, "Itinerari",
                     "CodiceMeta=000071;Sequenza=0001;Localita=LUCCA;Chilometri=5;NomeStrada= ;TipoStrada=L;"
                     "TempoSosta= ;SostaGuidaCitta=01:00;FineGiorno=1");
        AggiungiRiga(
            form, "GuidaCitta",
            "Localita=ROMA;CodiceGuida=08;Descrizione=PIZZERIA DA MARIO;TempoSosta=01:00;FlagVisto=0");
        AggiungiRiga(form, "TipoGuida", "CodiceGuida=10;Descrizione=Museo;TempoObbligatorio=true");
        p.suEventi = [this] {
            didascalie << f->lblElaborazione.Caption;
            mostrate << f->txtLocalita.Text;
        };
    }
};

const QString Domanda =
    "Vuoi convertire i vecchi file nel corrente database?\r\n\r\n"
    "I dati già presenti nel database saranno integrati e non cancellati.\r\n\r\nProcedo?";

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
        QCOMPARE(a.p.messaggi[0].testo, Domanda);
        QCOMPARE(a.p.messaggi[0].titolo, QString("Conversione file"));
        QCOMPARE(a.p.messaggi[0].pulsanti & 7, Msg::YesNo);
        QCOMPARE(a.p.messaggi[1].testo, QString("Conversione eseguita..."));
        QCOMPARE(a.p.messaggi[1].pulsanti, Msg::OkOnly);

        // The old trip 71 overwrites the stored 000071 but for the three
        // fields the old file lacks; 010071 is only adjusted.
        const QString blanchi4 = "    ";
        QCOMPARE(
            Righe(f.Db, Query("MeteViandora").OrdinaPer("CodiceMeta")),
            QStringList({"000012|Città di Castello|ITALIA             |15082004|" + blanchi4 +
                             "|100|80 |60 |40 |0900|1230|0100|1930|0100|2200|20|00|00|07|0000|2400|||",
                         "000013|MADRID|SPAGNA             |10072004|0600|120|100|80 |50 |0830|1300|0100|"
                         "2000|0130|2300|15|03|01|06|0930|1900|||",
                         "000071|LISBONA|PORTOGALLO         |01062004|0800|110|90 |70 |50 |0830|1300|0100|"
                         "2000|0130|2300|15|02|01|05|0900|1800|0130|0010|2",
                         "010071|VECCHIA LISBONA|PORTOGALLO|01012000|0700|||||0800|1230|0230|2000|0130|2230|"
                         "00|00|00|00|0000|2400|0130|0010|2"}));

        // 000071: records 2 to 6 of its file, three of them passed over;
        // stage 0001 overwritten, 0009 kept. 010071 shares the file name but
        // the file was consumed; 000012's counts disagree; 000013's header
        // counts three stages of which the file holds one and a half.
        QCOMPARE(Righe(f.Db, Query("Itinerari").OrdinaPer("CodiceMeta, Sequenza")),
                 QStringList({"000013|0001|SARAGOZZA|310|N2 |P|00:00:30||0",
                              "000013|0002|VALENCIA|34 |E15 | | ||0",
                              "000071|0001|ROMA|120|A1 |A|01:02:30|01:00|0",
                              "000071|0004|BOLOGNA| 95| |S| ||0", "000071|0009|PISA|10|SS1 |P| |00:30|1"}));

        // Two records of ROMA COLOSSEO make one entry with the later values;
        // the "*" of PIZZERIA * does not reach PIZZERIA DA MARIO. The seen
        // marks are those of the trip loaded at the end, which has no stages;
        // the command-line test sees the converted ones.
        QCOMPARE(VociGuida(f),
                 QStringList({"BOLOGNA|02|DUE TORRI|00:45|0", "Città di Castello|03|Duomo|00:00|0",
                              "MADRID|07|CAMPING OSUNA|00:30|0", "ROMA|05|COLOSSEO|02:00|0",
                              "ROMA|08|PIZZERIA *|01:00|0", "ROMA|08|PIZZERIA DA MARIO|01:00|0"}));

        QCOMPARE(Righe(f.Db, Query("TipoGuida").OrdinaPer("CodiceGuida")),
                 QStringList({"01|Ottimo|False", "02|Da vedere|False", "03|Interessante|False",
                              "04|Vedibile|False", "05|Punto Sosta|False", "06|PS e CS|False",
                              "07|Campeggio|False", "08|Ristorante|False", "09|Gpl|False"}));
        QCOMPARE(f.DescrizioneTipoGuida[9], QString("Gpl"));
        QVERIFY(f.DescrizioneTipoGuida[10].isEmpty());

        // Every old file read is gone; the one of a trip in no table stays.
        const QStringList rimasti = FileDellaCartella(a.dir.path());
        QCOMPARE(rimasti.size(), 3);
        QCOMPARE(rimasti.at(0), QString("ViandoraQuintora.mdb"));
        QVERIFY(rimasti.at(1).startsWith("ViandoraQuintora_copia_"));
        QCOMPARE(rimasti.at(2), QString("vian9999.dat"));
        // The copy holds the database as it was before.
        Database copia;
        copia.UsaCopiaInMemoria(a.dir.filePath(rimasti.at(1)));
        QVERIFY(copia.DatabaseApre());
        QCOMPARE(Righe(copia, Query("MeteViandora").OrdinaPer("CodiceMeta")).size(), 2);

        for (const char* didascalia : {"Conversione file mète", "Conversione file itinerari",
                                       "Conversione file guida città", "Adeguamento archivio mète"})
            QVERIFY2(a.didascalie.contains(QString::fromUtf8(didascalia)), didascalia);
        for (const char* localita : {"LISBONA", "MADRID", "ROMA", "VALENCIA"})
            QVERIFY2(a.mostrate.contains(localita), localita);

        // Reloaded: the last trip by code, every trip command, no button.
        QCOMPARE(f.CodiceMetaCorrente, QString("010071"));
        QCOMPARE(f.txtLocalita.Text, QString("VECCHIA LISBONA"));
        QCOMPARE(ComandiAbilitati(f).size(), 12);
        QVERIFY(!f.cmdConverte.Visible && !f.cmdConverte.Enabled);
        QCOMPARE(f.ContatoreProgresso, 0.0);
    }

    void rifiutoNonCambiaNulla() {
        Archivio a;
        FormViandora& f = *a;
        const QStringList prima = Contenuto(f.Db);
        a.p.risposte = {Msg::No};
        f.Click("cmdConverte");
        QCOMPARE(a.p.messaggi.size(), 1);
        QCOMPARE(Contenuto(f.Db), prima);
        QStringList attesi = FileDellaCartella(VECCHI_FILE) << "ViandoraQuintora.mdb";
        attesi.sort();
        QCOMPARE(FileDellaCartella(a.dir.path()), attesi);
        // Reloaded all the same, with every trip command.
        QCOMPARE(f.CodiceMetaCorrente, QString("010071"));
        QCOMPARE(f.txtLocalita.Text, QString("VECCHIA LISBONA"));
        QCOMPARE(ComandiAbilitati(f).size(), 12);
        QVERIFY(!f.cmdConverte.Visible);
    }

    // A write that fails at any point of the run (a full disk, a killed
    // process) rolls back everything and keeps every old file.
    void guastoAMetaStrada_data() {
        QTest::addColumn<int>("scrittura");
        for (int n : {1, 2, 3, 5, 8, 12, 20, 30})
            QTest::addRow("scrittura %d", n) << n;
    }

    void guastoAMetaStrada() {
        QFETCH(int, scrittura);
        Archivio a;
        FormViandora& f = *a;
        const QStringList prima = Contenuto(f.Db);
        f.Db.ImpostaGuastoScrittura(scrittura);
        f.Click("cmdConverte");
        f.Db.ImpostaGuastoScrittura(0);
        QCOMPARE(a.p.messaggi.size(), 2);
        const QString errore = a.p.messaggi[1].testo;
        QVERIFY2(errore.startsWith("Conversione non eseguita") && errore.contains("disco pieno"),
                 qPrintable(errore));
        QCOMPARE(a.p.messaggi[1].pulsanti, Msg::OkOnly | Msg::Critical);
        QCOMPARE(Contenuto(f.Db), prima);
        const QStringList rimasti = FileDellaCartella(a.dir.path());
        for (const QString& nome : FileVecchi)
            QVERIFY2(rimasti.contains(nome), qPrintable(nome));
        // The old files are there: the command can be given again.
        QVERIFY(f.cmdConverte.Visible && f.cmdConverte.Enabled);
        QCOMPARE(ComandiAbilitati(f).size(), 12);
        f.Click("cmdConverte");
        QCOMPARE(a.p.messaggi.last().testo, QString("Conversione eseguita..."));
        QCOMPARE(VociGuida(f).size(), 6);
    }

    void fileIlleggibile() {
        Archivio a;
        FormViandora& f = *a;
        const QStringList prima = Contenuto(f.Db);
        QVERIFY(QFile::remove(a.dir.filePath("vian0013.dat")));
        QVERIFY(QDir(a.dir.path()).mkdir("vian0013.dat"));
        f.Click("cmdConverte");
        QCOMPARE(a.p.messaggi.size(), 2);
        const QString errore = a.p.messaggi[1].testo;
        QVERIFY2(
            errore.contains(QDir::toNativeSeparators(a.dir.filePath("vian0013.dat")) + ": è una cartella"),
            qPrintable(errore));
        QCOMPARE(Contenuto(f.Db), prima);
        QCOMPARE(FileDellaCartella(a.dir.path()).size(), FileVecchi.size() + 2);
    }

    // Names copied from another system: the exact name first, then any
    // letter case.
    void nomiInAltreMaiuscole() {
        Archivio a({{"vian0071.dat", "VIAN0071.DAT"}, {"VianGuid.dat", "vianguid.DAT"}});
        FormViandora& f = *a;
        QFile altro(a.dir.filePath("VIANMETE.DAT"));
        QVERIFY(altro.open(QIODevice::WriteOnly));
        altro.write(QByteArray("PARIGI").leftJustified(97, ' ') + "0044");
        altro.close();
        f.Click("cmdConverte");
        QCOMPARE(a.p.messaggi.last().testo, QString("Conversione eseguita..."));
        QCOMPARE(Righe(f.Db, Query("MeteViandora").Dove("CodiceMeta", "000044")).size(), 0);
        QCOMPARE(RecordItinerario(f, "000071", {"Sequenza"}), QStringList({"0001", "0004", "0009"}));
        QCOMPARE(VociGuida(f).size(), 6);
        QCOMPARE(FileDellaCartella(a.dir.path()).filter(QRegularExpression("\\.(dat|DAT)$")),
                 QStringList({"VIANMETE.DAT", "vian9999.dat"}));
    }

    // A converted trip calculates, and its stage in ROMA lists the converted
    // guide entries.
    void calcoloConLaGuidaConvertita() {
        Archivio a;
        FormViandora& f = *a;
        f.Click("cmdConverte");
        f.CodiceMetaCorrente = "000071";
        f.CaricaDatiAnagraficiMeta();
        f.CaricaTappeItinerario();
        f.Click("cmdCalcola");
        QVERIFY(f.TabellaCalcolata);
        QStringList voci;
        for (int r = 1; r < f.mfgTab.Rows(); ++r)
            if (f.mfgTab.TextMatrix(r, 1).startsWith(" > ")) voci << f.mfgTab.TextMatrix(r, 1).mid(3);
        QVERIFY2(voci.contains("COLOSSEO") && voci.contains("PIZZERIA *") && voci.contains("DUE TORRI"),
                 qPrintable(voci.join(u',')));
    }

    void rigaDiComando() {
        QTemporaryDir dir;
        const QString vecchi = dir.filePath("vecchi");
        QVERIFY(QDir().mkpath(vecchi));
        CopiaVecchi(vecchi);
        const QString db = dir.filePath("nuovo.mdb");
        auto esegui = [](const QStringList& argomenti, QString* out = nullptr, QString* err = nullptr) {
            QProcess processo;
            processo.start(VIANDORA_CLI, argomenti);
            if (!processo.waitForFinished(60000)) return -1;
            if (out) *out = QString::fromUtf8(processo.readAllStandardOutput());
            if (err) *err = QString::fromUtf8(processo.readAllStandardError());
            return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -2;
        };

        // A new database, made with its tables; nothing to keep a copy of.
        QString out, err;
        QCOMPARE(esegui({"converti", db, vecchi}, &out, &err), 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QCOMPARE(out.split(u'\n').mid(0, 6),
                 QStringList({"Mète convertite: 3", "Mète scartate: 4", "Tappe convertite: 4",
                              "Tappe scartate: 4", "Voci della guida convertite: 6", "Mète adeguate: 1"}));
        QVERIFY(!out.contains("Copia di sicurezza"));
        QCOMPARE(FileDellaCartella(vecchi), QStringList({"vian9999.dat"}));
        QCOMPARE(FileDellaCartella(dir.path()), QStringList({"nuovo.mdb", "vecchi"}));

        // Into the same database again, keeping the old files: a copy first.
        QVERIFY(QFile::remove(vecchi + "/vian9999.dat"));
        CopiaVecchi(vecchi);
        QCOMPARE(esegui({"converti", db, vecchi, "--conserva"}, &out), 0);
        QVERIFY(out.contains("Copia di sicurezza: ") && out.contains("Vecchi file conservati: 5"));
        QCOMPARE(FileDellaCartella(vecchi).filter(".dat").size(), FileVecchi.size());
        {
            Database letto;
            letto.UsaCopiaInMemoria(db);
            QVERIFY(letto.DatabaseApre());
            QCOMPARE(Righe(letto, Query("MeteViandora")).size(), 3);
            QCOMPARE(Righe(letto, Query("GuidaCitta").OrdinaPer("Localita, Descrizione")),
                     QStringList({"BOLOGNA|02|DUE TORRI|00:45|1", "Città di Castello|03|Duomo|00:00|0",
                                  "MADRID|07|CAMPING OSUNA|00:30|0", "ROMA|05|COLOSSEO|02:00|1",
                                  "ROMA|08|PIZZERIA *|01:00|0"}));
        }

        // Failures: nothing written, nothing deleted.
        const QString testo = dir.filePath("testo.mdb");
        QFile t(testo);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("non un database");
        t.close();
        QCOMPARE(esegui({"converti", testo, vecchi}, nullptr, &err), 1);
        QVERIFY(err.contains(testo));
        QCOMPARE(esegui({"converti", db, dir.filePath("manca")}, nullptr, &err), 1);
        QVERIFY(err.contains("La cartella non esiste"));
        QCOMPARE(esegui({"converti", dir.filePath("altro.mdb"), dir.path()}, nullptr, &err), 1);
        QVERIFY(err.contains("non ci sono i vecchi file"));
        QCOMPARE(esegui({"converti", db, vecchi, "--tieni"}), 2);
        QVERIFY(!QFile::exists(dir.filePath("altro.mdb")));
        QCOMPARE(FileDellaCartella(vecchi).filter(".dat").size(), FileVecchi.size());
        QFile letto(testo);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), QByteArray("non un database"));
    }
};

QTEST_GUILESS_MAIN(TestConversione)
#include "test_conversione.moc"
