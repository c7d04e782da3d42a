// Start-up of the planner in a real folder with a real database file.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include "shell/CartellaProgramma.h"
#include "shell/FormViandora.h"
#include "support/ComandiAbilitati.h"
#include "support/PiattaformaProva.h"

namespace {
QString Cartella(const QTemporaryDir& d) { return d.path() + QLatin1Char('/'); }

QStringList Abilitati(FormViandora& f) { return ComandiAbilitati(f); }

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
    void primoAvvioCreaIlDatabase();
    void secondoAvvioNonDuplicaITipiGuida();
    void vecchiDatiMostranoConverte();
    void fileNonDatabaseNonVieneToccato();
    void fileVecchioPortatoAlloSchema();
    void cartellaDeiDati();
};

void TestAvvio::primoAvvioCreaIlDatabase() {
    QTemporaryDir d;
    PiattaformaProva p;
    FormViandora f(p, Cartella(d));
    QVERIFY(f.Form_Load());
    QVERIFY(p.messaggi.isEmpty());
    QVERIFY(QFile::exists(d.filePath("ViandoraQuintora.mdb")));

    QStringList tabelle = f.Db.NomiTabelle();
    tabelle.sort();
    QCOMPARE(tabelle, QStringList({"GuidaCitta", "Itinerari", "MetaCorrente", "MeteViandora", "Parametri",
                                   "TipoGuida"}));
    const QList<InfoCampo> itinerari = f.Db.CampiTabella("Itinerari");
    QStringList campi;
    for (const InfoCampo& c : itinerari)
        campi << QStringLiteral("%1=%2").arg(c.nome).arg(c.dimensione);
    QCOMPARE(campi, QStringList({"CodiceMeta=6", "Sequenza=4", "Localita=30", "Chilometri=4", "NomeStrada=64",
                                 "TipoStrada=1", "TempoSosta=8", "SostaGuidaCitta=8", "FineGiorno=1"}));
    QStringList indici = f.Db.NomiIndici("Itinerari");
    indici.sort();
    QCOMPARE(indici, QStringList({"CodiceMeta", "Localita", "Sequenza"}));

    f.Db.RecordSetImposta(8, Query("TipoGuida").OrdinaPer("CodiceGuida"));
    QCOMPARE(f.Db.NumeroRecord, 9.0);
    RecordSet& tipi = f.Db.Rs(8);
    QCOMPARE(tipi.Testo("CodiceGuida"), QString("01"));
    QCOMPARE(tipi.Testo("Descrizione"), QString("Ottimo"));
    QVERIFY(tipi.SiNo("TempoObbligatorio"));
    tipi.MoveLast();
    QCOMPARE(tipi.Testo("Descrizione"), QString("Gpl"));
    QVERIFY(!tipi.SiNo("TempoObbligatorio"));

    QVERIFY(f.CodiceMetaCorrente.isEmpty());
    QCOMPARE(Abilitati(f), QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}));
    QVERIFY(!f.cmdConverte.Visible);
    QVERIFY(!f.frmGuida.Visible && !f.frmExport.Visible && !f.frmStampa.Visible && !f.cmbRicerca.Visible);
    QVERIFY(f.mfgTab.Visible);
    // Placed at 4095 high, then closing the secondary panels sets 4055.
    QCOMPARE(f.mfgTab.Height, 4055);
}

void TestAvvio::secondoAvvioNonDuplicaITipiGuida() {
    QTemporaryDir d;
    for (int volta = 0; volta < 2; ++volta) {
        PiattaformaProva p;
        FormViandora f(p, Cartella(d));
        QVERIFY(f.Form_Load());
        f.Db.RecordSetImposta(8, Query("TipoGuida"));
        QCOMPARE(f.Db.NumeroRecord, 9.0);
    }
}

void TestAvvio::vecchiDatiMostranoConverte() {
    for (const char* nome : {"VianMete.dat", "VIANMETE.DAT"}) {
        QTemporaryDir d;
        QFile vecchio(d.filePath(nome));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        vecchio.close();
        PiattaformaProva p;
        FormViandora f(p, Cartella(d));
        QVERIFY(f.Form_Load());
        QVERIFY(f.cmdConverte.Visible);
        QVERIFY(f.cmdConverte.Enabled);
    }
}

void TestAvvio::fileNonDatabaseNonVieneToccato() {
    QTemporaryDir d;
    const QString file = d.filePath("ViandoraQuintora.mdb");
    QByteArray contenuto = "Standard Jet DB\0\0\0 questo non e' un database SQLite\r\n";
    contenuto.append(QByteArray(5000, 'x'));
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }
    PiattaformaProva p;
    FormViandora f(p, Cartella(d));
    QVERIFY(!f.Form_Load());
    QVERIFY(p.terminato);
    QCOMPARE(p.messaggi.size(), 1);
    QCOMPARE(p.messaggi[0].testo, QStringLiteral("Errore apertura database ") + file);
    QCOMPARE(p.messaggi[0].pulsanti & 7, Msg::OkOnly);
    QFile letto(file);
    QVERIFY(letto.open(QIODevice::ReadOnly));
    QCOMPARE(letto.readAll(), contenuto);
    QCOMPARE(QDir(d.path()).entryList(QDir::Files), QStringList({"ViandoraQuintora.mdb"}));
}

void TestAvvio::fileVecchioPortatoAlloSchema() {
    QTemporaryDir d;
    const QString file = d.filePath("ViandoraQuintora.mdb");
    // A file of an older version: no "Parametri", a trip table without
    // CalcoloSoste and with a wider destination field.
    EseguiSql(file, "CREATE TABLE MeteViandora (CodiceMeta TEXT(6), Localita TEXT(50), Nazione TEXT(19),"
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
                    " ('000001', 'L''AQUILA', 'ITALIA', '2230'), ('000002', 'CITTÀ DEL VATICANO', 'VATICANO', '2400');"
                    "INSERT INTO Itinerari (CodiceMeta, Sequenza, Localita) VALUES ('000001', '0001', 'ROMA');"
                    "INSERT INTO TipoGuida VALUES ('01', 'Da non perdere', 1);"
                    "INSERT INTO MetaCorrente VALUES ('000002');");
    PiattaformaProva p;
    FormViandora f(p, Cartella(d));
    QVERIFY(f.Form_Load());
    QVERIFY(p.messaggi.isEmpty());

    // The missing table is created; the start then stores the built-in
    // defaults in it, as in a new file.
    QVERIFY(f.Db.NomiTabelle().contains("Parametri"));
    f.Db.RecordSetImposta(8, Query("Parametri"));
    QCOMPARE(f.Db.NumeroRecord, 1.0);
    QCOMPARE(f.Db.Rs(8).Testo("MediaAutostrada"), QString("75"));

    const QList<InfoCampo> campi = f.Db.CampiTabella("MeteViandora");
    QCOMPARE(campi.size(), 24);
    QCOMPARE(campi[1].nome, QString("Localita"));
    QCOMPARE(campi[1].dimensione, 30);
    QCOMPARE(campi[23].nome, QString("CalcoloSoste"));

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

void TestAvvio::cartellaDeiDati() {
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

QTEST_GUILESS_MAIN(TestAvvio)
#include "test_avvio.moc"
