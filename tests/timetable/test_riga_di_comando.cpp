// viandora-cli: the timetable of a stored trip on standard output, the file
// left exactly as it was, and clear failures.
#include <QTest>
#include <sqlite3.h>

#include "ViaggioProva.h"
#include "database/Confronto.h"
#include "itinerary/ControlloreItinerario.h"
#include "support/MeteProva.h"
#include "support/ProgrammaProva.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

namespace {

Esito Esegui(const QStringList& argomenti) {
    return EseguiProgramma(QStringLiteral(VIANDORA_CLI), argomenti);
}

// A file's lines without the calendar's stamp of the time it was written.
QList<QByteArray> SenzaStampo(const QByteArray& dati) {
    QList<QByteArray> righe = dati.split('\n');
    righe.removeIf([](const QByteArray& r) { return r.startsWith("DTSTAMP"); });
    return righe;
}

// A trip and its stages stored as the planner stores them; altri
// ("Campo=valore;...") overrides fields of the trip.
void SalvaMeta(FormViandora& f, const QString& codice, const QString& data, const QString& ora,
               const QString& riposoOre, const QString& giorni, const QStringList& tappe,
               const QString& altri = {}) {
    const QString campi = "CodiceMeta=%1;Localita=TOSCANA;Nazione=ITALIA;DataInizio=%2;OraInizio=%3;"
                          "MediaAutostrada=100;MediaSuperStrada=65;MediaPrincipale=50;MediaLocale=30;"
                          "OraColazione=0900;OraPranzo=1230;DurataPranzo=0230;OraCena=2000;DurataCena=0145;"
                          "OraNotte=2230;RiposoMinuti=15;RiposoOre=%4;RiposoGiorno=01;RiposoDopoGiorni=05;"
                          "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=%5;"
                          "CalcoloSoste=3";
    AggiungiRiga(f, "MeteViandora",
                 campi.arg(codice, data, ora, riposoOre, giorni).split(u';') +
                     altri.split(u';', Qt::SkipEmptyParts));
    for (int i = 0; i < tappe.size(); ++i) {
        const QStringList c = tappe[i].split(u'|');
        const bool fine = c.value(4).startsWith('*');
        AggiungiRiga(f, "Itinerari",
                     {"CodiceMeta=" + codice, "Sequenza=" + Zero(i + 1, 4), "Localita=" + c.value(0),
                      "NomeStrada=" + c.value(1) + " ", "Chilometri=" + c.value(2),
                      "TipoStrada=" + c.value(3) + " ", "TempoSosta=" + c.value(4).mid(fine ? 1 : 0) + " ",
                      "SostaGuidaCitta= ", QString("FineGiorno=") + (fine ? "1" : "0")});
    }
}

} // namespace

class TestRigaDiComando : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        ViaggioInFinestra v;
        // Stored out of order: the calculation reads them by code.
        v.Voce("FIRENZE", "05", "Parcheggio", "00:00");
        v.Voce("FIRENZE", "01", "Uffizi", "02:00");
        v.Voce("L'AQUILA", "02", "Fontana", "00:45", "1");
        SalvaMeta(*v, "000001", "05082006", "0900", "00", "000", {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|"});
        SalvaMeta(*v, "000002", "28122006", "0830", "03", "012",
                  {"ROMA|A1|0|A|", "L'AQUILA|A24|120|A|*01:00", "PESCARA|A25|150|A|01:30",
                   "FIRENZE|A1|700|A|", "OLBIA|TRAGHETTO|0|A|", "NUORO|SS131|120|S|00:01:00"});
        Veicolo veicolo;
        veicolo.CostoNotte = 30;
        veicolo.CostoTraghetto = 100;
        veicolo.GuidaMassima = 4 * 60;
        ScriviVeicolo(v->Db, "000002", veicolo);
        file_ = dir_.filePath("viaggi.db");
        // The guide's flags as the planner leaves them after a load.
        v->Db.Chiudi();
        QVERIFY(QFile::copy(v.dir.filePath(NomeFileDatabase), file_));
    }

    // The command line leaves the file exactly as it was, with nothing new
    // beside it; the summary, calendar and sheet that the planner shows for
    // the trip on a copy of the file are those of the command line.
    void comeIlPlanner() {
        const QStringList cartella = ImprontaCartella(dir_.path());
        const Esito e = Esegui({"calcola", file_, "000002"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.err, QString());
        QCOMPARE(ImprontaCartella(dir_.path()), cartella);

        QTemporaryDir copia;
        QVERIFY(QFile::copy(file_, copia.filePath(NomeFileDatabase)));
        PiattaformaProva p;
        FormViandora f(p, copia.path() + "/");
        QVERIFY(f.Form_Load());
        f.Meta.CodiceMetaCorrente = "000002";
        f.SchermoMeta.CaricaDatiAnagraficiMeta();
        f.Tappe.CaricaTappeItinerario();
        f.Click("cmdCalcola");
        QCOMPARE(p.messaggi.size(), 1);
        QCOMPARE(f.txtTragh.Text, QString("1"));

        // The summary, the calendar and the sheet of the timetable on screen,
        // with the vehicle loaded with the trip, as the command line gives
        // them from the file.
        QCOMPARE(f.txtVeicolo[7].Text, QString("04:00"));
        f.Click("cmdRiepilogo");
        QCOMPARE(p.tabelle.size(), 1);
        QStringList riepilogo;
        QList<int> conAvvisi;
        for (const QStringList& r : p.tabelle[0].righe) {
            if (!r.last().isEmpty()) conAvvisi << int(riepilogo.size());
            riepilogo << r.join(u'\t');
        }
        QCOMPARE(riepilogo, Esegui({"riepilogo", file_, "000002"}).Righe());
        QCOMPARE(p.tabelle[0].evidenziate, conAvvisi);
        QVERIFY(!conAvvisi.isEmpty() && riepilogo.last().startsWith("Totale\t"));
        for (const QString estensione : {"ics", "csv"}) {
            const QString finestra = copia.filePath("finestra." + estensione);
            const QString comando = copia.filePath("comando." + estensione);
            p.fileDaSalvare << finestra;
            f.Click("cmdCalendario");
            QVERIFY2(p.messaggi.last().testo.endsWith("\r\n" + finestra),
                     qPrintable(p.messaggi.last().testo));
            QCOMPARE(Esegui({"esporta-tabella", file_, "000002", comando}).codice, 0);
            QCOMPARE(SenzaStampo(LeggiFile(finestra)), SenzaStampo(LeggiFile(comando)));
        }
        QCOMPARE(p.proposteSalvataggio.last(), copia.filePath("Tabella di marcia - TOSCANA.ics"));
    }

    void fileDiUnaVersionePrecedente() {
        // A table without one of its fields is rebuilt, in memory only: no copy
        // of the file is kept beside it, since the file is not touched.
        QTemporaryDir vecchia;
        const QString file = vecchia.filePath("vecchio.mdb");
        QVERIFY(QFile::copy(file_, file));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(RegistraConfronti(db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "ALTER TABLE TipoGuida DROP COLUMN TempoObbligatorio", nullptr, nullptr,
                              nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        const QStringList prima = ImprontaCartella(vecchia.path());

        // Firenze's guide time is its stop, spent the next morning.
        const Esito e = Esegui({"calcola", file, "1"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(
            e.Righe().mid(0, 4),
            (QStringList{"1\tAREZZO\tA1\t350\tA\t350\t03:30\t\t\tSab\t05/08\t12:30\tPranzo\t<06/08-11:00\t",
                         "2\tFIRENZE\tA1\t500\tA\t850\t05:00\t\t\tSab\t05/08\t20:00\tCena\t<05/08-17:45\t",
                         "\ta: Firenze\t\t\t\t\t\t00:02:00\t\tDom\t06/08\t11:00\tVisita\t\t",
                         "\t> Uffizi\t\t\t\t\t\t02:00\t\t\t\t\tOttimo\t\t"}));
        QCOMPARE(ImprontaCartella(vecchia.path()), prima);
    }

    // Values only a file or an edit outside the planner can hold: the run ends
    // with a message naming the trip and the field, or calculates as the
    // planner corrects them.
    void valoriDaFuori() {
        // atteso: start of the error, or of the first row
        const auto prova = [&](QString data, QString altri, QString sosta, int codice, QString atteso) {
            QTemporaryDir cartella;
            const QString file = cartella.filePath(NomeFileDatabase);
            {
                ViaggioInFinestra v;
                SalvaMeta(*v, "000003", data, "0900", "00", "000", {"AREZZO|A1|100|A|" + sosta}, altri);
                v->Db.Chiudi();
                QVERIFY(QFile::copy(v.dir.filePath(NomeFileDatabase), file));
            }
            const Esito e = Esegui({"calcola", file, "3"});
            QCOMPARE(e.codice, codice);
            if (codice == 0)
                QVERIFY2(e.out.startsWith(atteso), qPrintable(e.out));
            else
                QVERIFY2(e.err.startsWith(atteso) && e.out.isEmpty(), qPrintable(e.err));
        };
        const QString data = "Mèta 000003, campo DataInizio: ";
        for (const char* d : {"", "00000000", "1x", "01011899", "01012101"})
            prova(d, "", "", 1, data);
        // 31 febbraio
        prova("31022007", "", "", 1, data + "\"31022007\" non è una data valida");
        // anno 2100
        prova("31122100", "", "", 0, "1\tAREZZO\tA1\t100\t");
        // sosta negativa
        prova("05082006", "", "-9999", 1,
              "Mèta 000003, tappa 1 (AREZZO), campo TempoSosta: \"-9999\" è un tempo negativo");
        // The first entry of the speed list stands for a speed below 1 km/h, as
        // for 0: 50 km/h, one rest an hour.
        // velocità sotto 1 km/h
        prova("05082006", "MediaAutostrada=0.9;RiposoOre=01", "", 0,
              "1\tverso: Arezzo\tA1\t50\tA\t50\t01:00\t\t\tSab\t05/08\t10:00\t+ Riposo 15'\t");
    }

    void errori() {
        // argomenti: "@" stands for the stored trips' file
        const auto prova = [&](QStringList argomenti, int codice, QString messaggio) {
            const QStringList prima = ImprontaCartella(dir_.path());
            for (QString& a : argomenti)
                a = a == "@" ? file_ : a.contains('.') ? dir_.filePath(a) : a;
            const Esito e = Esegui(argomenti);
            QCOMPARE(e.codice, codice);
            QVERIFY2(e.err.startsWith(messaggio) && e.out.isEmpty(), qPrintable(e.err));
            QCOMPARE(ImprontaCartella(dir_.path()), prima);
        };
        auto caso = [&]([[maybe_unused]] const char* nome, const QString& argomenti, int codice,
                        const char* messaggio) { prova(argomenti.split(u' '), codice, QString(messaggio)); };
        caso("meta sconosciuta", "calcola @ 9", 1, "Mèta inesistente: 000009");
        // A code is matched exactly: "*" and "?" are not patterns.
        caso("codice con asterisco", "calcola @ 00000*", 1, "Mèta inesistente: 00000*");
        caso("argomenti", "calcola @", 2, "Uso: viandora-cli calcola FILE_DATABASE CODICE_META");
    }

private:
    QTemporaryDir dir_;
    QString file_;
};

QTEST_GUILESS_MAIN(TestRigaDiComando)
#include "test_riga_di_comando.moc"
