#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "DatabaseProva.h"

namespace {

// A trip table of another version: Localita of 40 characters, with another
// letter case and before Nazione, Nazione narrower than ours, no
// CalcoloSoste, and a field of its own.
QString VecchiaTabellaMete() {
    QStringList colonne;
    for (const SpecificaCampo& c : AnalizzaStruttura(SchemaViandora().StrutturaTabella[TabMete])) {
        if (c.nome == QLatin1String("CalcoloSoste")) continue;
        colonne.append(c.nome == QLatin1String("Localita") ? QStringLiteral("localita TEXT(40)")
                       : c.nome == QLatin1String("Nazione")
                           ? QStringLiteral("Nazione TEXT(10)")
                           : QStringLiteral("%1 TEXT(%2)").arg(c.nome).arg(c.dimensione));
    }
    colonne.swapItemsAt(1, 2);
    colonne.append(QStringLiteral("Note TEXT(50)"));
    return QStringLiteral("CREATE TABLE MeteViandora (%1);").arg(colonne.join(u','));
}

const QString NomeLungo = QStringLiteral("Sant'Agata de' Goti e Valle Caudina"); // 35 characters
// Longer than its field of 10 and than ours of 19, as another tool left it.
const QString NazioneLunga = QStringLiteral("Repubblica Italiana, Campania");

bool CreaFileVecchio(const QString& percorso) {
    return EseguiGrezzo(
        percorso, VecchiaTabellaMete() +
                      QStringLiteral("CREATE INDEX vecchio ON MeteViandora (CodiceMeta);"
                                     "INSERT INTO MeteViandora (CodiceMeta, localita, Nazione, Note)"
                                     " VALUES ('000001', '%1', '%2', 'tienimi'),"
                                     " ('000002', 'Roma', 'Italia', NULL);"
                                     "CREATE TABLE TipoGuida (CodiceGuida TEXT(2), Descrizione TEXT(32),"
                                     " TempoObbligatorio TEXT(5));"
                                     "INSERT INTO TipoGuida VALUES ('01', 'Ottimo', 'True'),"
                                     " ('05', 'Punto Sosta', 'False');")
                          .arg(QString(NomeLungo).replace(u'\'', QStringLiteral("''")), NazioneLunga));
}

const QString RigheCollazioneVecchia =
    "INSERT INTO MeteViandora (CodiceMeta, Localita) VALUES ('000001', 'Città di Castello');"
    "INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita) VALUES ('000001', '0001', 'Roma'),"
    " ('000001', '0002', 'ROMA');";

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    // A first start makes every table and index of the schema; a later one
    // finds nothing to do, and puts back a table or index gone missing,
    // keeping every row.
    void primoAvvioESecondo() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(NomeFileDatabase);
        const SchemaDatabase schema = SchemaViandora();
        auto conforme = [&](Database& db) {
            QStringList tabelle = db.NomiTabelle();
            tabelle.sort();
            QCOMPARE(tabelle,
                     (QStringList{"GuidaCitta", "Itinerari", "MetaCorrente", "MeteViandora", "NottiPrenotate",
                                  "OrariGuida", "Parametri", "TipoGuida", "TraghettiTappe", "VeicoliMete"}));
            for (int t = TabMete; t <= TabUltima; ++t) {
                QStringList campi, attesi;
                for (const InfoCampo& c : db.CampiTabella(schema.NomeTabella[t]))
                    campi << QStringLiteral("%1 %2 %3").arg(c.nome).arg(int(c.tipo)).arg(c.dimensioneFile);
                for (const SpecificaCampo& c : AnalizzaStruttura(schema.StrutturaTabella[t]))
                    attesi << QStringLiteral("%1 %2 %3").arg(c.nome).arg(int(c.tipo)).arg(c.dimensione);
                QCOMPARE(campi, attesi);
                QStringList indici = db.NomiIndici(schema.NomeTabella[t]);
                attesi = schema.IndiciTabella[t].split(u',', Qt::SkipEmptyParts);
                for (const QString& campo : schema.IndiciSegnati[t].split(u',', Qt::SkipEmptyParts))
                    attesi << campo + "_segnato";
                indici.sort();
                attesi.sort();
                QCOMPARE(indici, attesi);
            }
            QVERIFY(db.CopiaDiSicurezza().isEmpty());
        };
        {
            Database db;
            QVERIFY(PreparaDatabase(db, percorso));
            conforme(db);
            AggiungiTappa(db, "000001", "0001", "Roma");
        }
        QVERIFY(EseguiGrezzo(percorso, "DROP TABLE Parametri; DROP INDEX \"Itinerari.Sequenza\";"));
        Database db;
        db.FileDatabase = percorso;
        QVERIFY(!db.DatabaseCrea());
        QVERIFY(db.DatabaseApre());
        db.DataBaseTabelleAggiorna();
        QVERIFY(!ScriviTipiGuidaDefault(db));
        conforme(db);
        QCOMPARE(ContaGrezzo(percorso, "Itinerari"), 1);
        QCOMPARE(ContaGrezzo(percorso, "TipoGuida"), 9);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{NomeFileDatabase});
    }

    void fileVecchioPortatoAlloSchema() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(NomeFileDatabase);
        QVERIFY(CreaFileVecchio(percorso));
        // Files already bearing the names a copy could take are never touched.
        const QDateTime adesso = QDateTime::currentDateTime();
        QStringList esche;
        for (int s = 0; s < 3; ++s) {
            esche.append(cartella.filePath("ViandoraQuintora_copia_" +
                                           adesso.addSecs(s).toString("yyyyMMdd_hhmmss") + ".mdb"));
            QVERIFY(ScriviFile(esche.last(), "non toccare"));
        }
        // What a start killed while copying left: removed by the next copy.
        const QString parziale = cartella.filePath("ViandoraQuintora_copia_20200101_000000.mdb.parziale");
        QVERIFY(ScriviFile(parziale, "mezza copia") && ScriviFile(parziale + "-journal", "mezza copia"));

        // The safety copy is the first write, the drop of the old table the
        // fourth: failing there, the file is intact, so the copy made for it
        // is gone too.
        Database db;
        db.FileDatabase = percorso;
        QVERIFY(db.DatabaseApre());
        db.ImpostaGuastoScrittura(4);
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, db.DataBaseTabelleAggiorna());
        QVERIFY(db.CopiaDiSicurezza().isEmpty());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(), 1 + esche.size());
        QCOMPARE(db.NomiTabelle(), (QStringList{"MeteViandora", "TipoGuida"}));
        QCOMPARE(db.CampiTabella("MeteViandora")[2].nome, QStringLiteral("localita"));
        QCOMPARE(ContaGrezzo(percorso, "MeteViandora"), 2);
        db.ImpostaGuastoScrittura(0);
        db.DataBaseTabelleAggiorna();

        // Our fields in our order, the file's own after them; the wider
        // field keeps its width, the narrower one gets ours; values come over
        // whole, even one longer than its field.
        const QList<InfoCampo> campi = db.CampiTabella("MeteViandora");
        QCOMPARE(campi.size(), AnalizzaStruttura(db.Schema().StrutturaTabella[TabMete]).size() + 1);
        QVERIFY(campi[1].nome == "Localita" && campi.last().nome == "Note");
        QVERIFY(campi[1].dimensioneFile == 40 && campi[2].dimensioneFile == 19);
        QVERIFY(db.NomiIndici("MeteViandora").contains("Localita"));
        QCOMPARE(db.NomiTabelle().size(), TabUltima);

        db.RecordSetImpostaDefault();
        RecordSet& mete = db.Rs(TabMete);
        QCOMPARE(mete.RecordCount(), 2);
        QCOMPARE(mete.Testo("Localita"), NomeLungo);
        QCOMPARE(mete.Testo("Nazione"), NazioneLunga);
        QCOMPARE(mete.Testo("Note"), QStringLiteral("tienimi"));
        QVERIFY(!mete.Valore("CalcoloSoste").isValid());

        // The yes/no field that an older file kept as text.
        QCOMPARE(Colonna(db, TabTipoGuida, "TempoObbligatorio"), (QStringList{"True", "False"}));
        QVERIFY(!ScriviTipiGuidaDefault(db));

        const QString copia = db.CopiaDiSicurezza();
        QVERIFY(QRegularExpression("^ViandoraQuintora_copia_\\d{8}_\\d{6}(_\\d+)?\\.mdb$")
                    .match(QFileInfo(copia).fileName())
                    .hasMatch());
        QCOMPARE(QFileInfo(copia).absolutePath(), QFileInfo(percorso).absolutePath());
        QVERIFY(!esche.contains(copia));
        for (const QString& esca : esche)
            QCOMPARE(LeggiFile(esca), QByteArray("non toccare"));

        // The copy is the old file.
        QCOMPARE(ContaGrezzo(copia, "MeteViandora"), 2);
        QVERIFY(!EseguiGrezzo(copia, "SELECT CalcoloSoste FROM MeteViandora"));

        // A second start finds nothing to rebuild and makes no copy.
        db.Chiudi();
        const int file = QDir(cartella.path()).entryList(QDir::Files).size();
        QVERIFY(db.DatabaseApre());
        db.DataBaseTabelleAggiorna();
        QVERIFY(db.CopiaDiSicurezza().isEmpty());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(), file);
    }

    // Any SQLite tool can check, read, edit, dump and reload the file, both
    // a new one and one an earlier build made and this one upgraded.
    void fileApertoDaOgniStrumento() {
        const auto prova = [&](bool vecchio) {
            QTemporaryDir cartella;
            const QString percorso = cartella.filePath(NomeFileDatabase);
            if (vecchio) QVERIFY(CreaFileCollazioneVecchia(percorso, RigheCollazioneVecchia));
            {
                Database db;
                QVERIFY(PreparaDatabase(db, percorso));
                if (!vecchio) AggiungiTappa(db, "000001", "0001", "Roma");
                QCOMPARE(!db.CopiaDiSicurezza().isEmpty(), vecchio);
            }
            QCOMPARE(ValoreGrezzo(percorso, "PRAGMA integrity_check"), QStringLiteral("ok"));
            QCOMPARE(ValoreGrezzo(percorso, "PRAGMA application_id"), QString::number(0x5669616E));
            QCOMPARE(ValoreGrezzo(percorso, "SELECT count(*) FROM Itinerari WHERE Localita = 'roma'"),
                     vecchio ? QStringLiteral("2") : QStringLiteral("1"));
            QCOMPARE(
                ValoreGrezzo(percorso, "SELECT Localita FROM Itinerari ORDER BY Localita, Sequenza DESC"),
                vecchio ? QStringLiteral("ROMA") : QStringLiteral("Roma"));
            for (const char* sql :
                 {"INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita) VALUES ('000009', '0001', 'Èze')",
                  "UPDATE Itinerari SET Localita = 'Nizza' WHERE CodiceMeta = '000009'",
                  "DELETE FROM Itinerari WHERE Localita = 'NIZZA'", "REINDEX", "VACUUM"})
                QCOMPARE(ValoreGrezzo(percorso, sql), QString(""));
            QCOMPARE(ValoreGrezzo(percorso, "PRAGMA integrity_check"), QStringLiteral("ok"));
            QVERIFY(!LeggiFile(percorso).contains("VIANDORA"));

            // A dump loads back: its schema runs on a bare new file, and the rows follow.
            const QString schema =
                ValoreGrezzo(percorso, "SELECT group_concat(sql, ';') FROM sqlite_master WHERE sql NOT NULL");
            const QString copia = cartella.filePath("ricaricato.db");
            QVERIFY(EseguiGrezzo(copia, schema + ";ATTACH '" + percorso +
                                            "' AS o; INSERT INTO Itinerari SELECT * FROM o.Itinerari;"));
            QCOMPARE(ContaGrezzo(copia, "Itinerari"), ContaGrezzo(percorso, "Itinerari"));
            QCOMPARE(ValoreGrezzo(copia, "PRAGMA integrity_check"), QStringLiteral("ok"));

            // The program starts again on the edited file, with nothing to upgrade.
            Database db;
            QVERIFY(PreparaDatabase(db, percorso));
            QVERIFY(db.CopiaDiSicurezza().isEmpty());
            QCOMPARE(db.Rs(TabItinerari).RecordCount(), vecchio ? 2 : 1);
            QCOMPARE(ValoreGrezzo(percorso, "PRAGMA integrity_check"), QStringLiteral("ok"));
        };
        // nuovo
        prova(false);
        // aggiornato
        prova(true);
    }

    void fileNonDatabaseLasciatoIntatto() {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(NomeFileDatabase);
        QByteArray testo;
        for (int i = 0; i < 200; ++i)
            testo += "Elenco delle tappe, non un database.\r\n";

        // One of ours with its header spoilt.
        QVERIFY(EseguiGrezzo(cartella.filePath("vero.mdb"), SqlTabelleNostre()));
        QByteArray rovinato = LeggiFile(cartella.filePath("vero.mdb"));
        rovinato.replace(0, 16, "Non e' SQLite!!!");
        QVERIFY(QFile::remove(cartella.filePath("vero.mdb")));

        // Other programs' SQLite files under our name: one of their own, one
        // that shares a table name with us, one with its application id over
        // tables like ours.
        QList<QByteArray> altri;
        for (const QString& sql :
             {QStringLiteral("CREATE TABLE Rubrica (Nome TEXT); INSERT INTO Rubrica VALUES ('Anna');"),
              QStringLiteral("CREATE TABLE parametri (Chiave TEXT PRIMARY KEY, Valore);"
                             "CREATE TABLE Fatture (Numero INTEGER);"),
              QStringLiteral("PRAGMA application_id = 1234;") + SqlTabelleNostre()}) {
            QVERIFY(EseguiGrezzo(cartella.filePath("altro.db"), sql));
            altri.append(LeggiFile(cartella.filePath("altro.db")));
            QVERIFY(QFile::remove(cartella.filePath("altro.db")));
        }

        for (const QByteArray& contenuto : QList<QByteArray>{testo, rovinato, QByteArray(), QByteArray("S"),
                                                             QByteArray("\x00\xff\x13garbage")} +
                                               altri) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(contenuto);
            f.close();

            Database db;
            db.FileDatabase = percorso;
            QVERIFY(!db.DatabaseCrea());
            QVERIFY(!db.DatabaseApre());
            QVERIFY(!db.Aperto());
            QCOMPARE(MessaggioErroreApertura("f", db.CodiceApertura()),
                     QStringLiteral("Il file f non è un database di Viandora"));
            QCOMPARE(LeggiFile(percorso), contenuto);
            QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{NomeFileDatabase});
        }
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
