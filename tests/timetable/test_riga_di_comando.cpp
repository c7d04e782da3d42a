// viandora-cli: the timetable of a stored trip on standard output, the file
// left exactly as it was, as the planner shows it; the stored values the
// calculation refuses.
#include <QTest>
#include <sqlite3.h>

#include "ViaggioProva.h"
#include "database/Confronto.h"
#include "itinerary/ControlloreItinerario.h"
#include "support/MotoreProva.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

namespace {

// A file's lines without the calendar's stamp of the time it was written.
QList<QByteArray> SenzaStampo(const QByteArray& dati) {
    QList<QByteArray> righe = dati.split('\n');
    righe.removeIf([](const QByteArray& r) { return r.startsWith("DTSTAMP"); });
    return righe;
}

// A trip and its stages ("locality|km|stop|road|type") stored as the planner
// stores them; altri ("Campo=valore;...") overrides fields of the trip.
void SalvaViaggio(FormViandora& f, const QString& codice, const QString& data, const QString& ora,
                  const QString& riposoOre, const QString& giorni, const QStringList& tappe,
                  const QString& altri = {}) {
    SalvaMeta(f, QString("CodiceMeta=%1;Localita=TOSCANA;Nazione=ITALIA;DataInizio=%2;OraInizio=%3;"
                         "MediaAutostrada=100;MediaSuperStrada=65;MediaPrincipale=50;MediaLocale=30;"
                         "OraColazione=0900;OraPranzo=1230;DurataPranzo=0230;OraCena=2000;DurataCena=0145;"
                         "OraNotte=2230;RiposoMinuti=15;RiposoOre=%4;RiposoGiorno=01;RiposoDopoGiorni=05;"
                         "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=%5;"
                         "CalcoloSoste=3;")
                         .arg(codice, data, ora, riposoOre, giorni) +
                     altri);
    SalvaTappe(f, codice, tappe);
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
        SalvaViaggio(*v, "000001", "05082006", "0900", "00", "000", {"AREZZO|350|", "FIRENZE|500|"});
        SalvaViaggio(*v, "000002", "28122006", "0830", "03", "012",
                     {"ROMA|0|", "L'AQUILA|120|*01:00|A24", "PESCARA|150|01:30|A25", "FIRENZE|700|",
                      "OLBIA|0||TRAGHETTO", "NUORO|120|00:01:00|SS131|S"});
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
        const Esito e = Cli({"calcola", file_, "000002"});
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
        QCOMPARE(riepilogo, Cli({"riepilogo", file_, "000002"}).Righe());
        QCOMPARE(p.tabelle[0].evidenziate, conAvvisi);
        QVERIFY(!conAvvisi.isEmpty() && riepilogo.last().startsWith("Totale\t"));
        for (const QString estensione : {"ics", "csv"}) {
            const QString finestra = copia.filePath("finestra." + estensione);
            const QString comando = copia.filePath("comando." + estensione);
            p.fileDaSalvare << finestra;
            f.Click("cmdCalendario");
            QVERIFY2(p.messaggi.last().testo.endsWith("\r\n" + finestra),
                     qPrintable(p.messaggi.last().testo));
            QCOMPARE(Cli({"esporta-tabella", file_, "000002", comando}).codice, 0);
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
        const Esito e = Cli({"calcola", file, "1"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(
            e.Righe().mid(0, 4),
            (QStringList{"1\tAREZZO\tA1\t350\tA\t350\t03:30\t\t\tSab\t05/08\t12:30\tPranzo\t<06/08-11:00\t",
                         "2\tFIRENZE\tA1\t500\tA\t850\t05:00\t\t\tSab\t05/08\t20:00\tCena\t<05/08-17:45\t",
                         "\ta: Firenze\t\t\t\t\t\t00:02:00\t\tDom\t06/08\t11:00\tVisita\t\t",
                         "\t> Uffizi\t\t\t\t\t\t02:00\t\t\t\t\tOttimo\t\t"}));
        QCOMPARE(ImprontaCartella(vecchia.path()), prima);
    }

    // Values only a file or an edit outside the planner can hold: the
    // calculation of the stored trip ends with a message naming the trip and
    // the field, or calculates as the planner corrects them.
    void valoriDaFuori() {
        // atteso: start of the error, or of the first row
        const auto prova = [&](QString data, QString altri, QString sosta, QString atteso) {
            Planner pl;
            SalvaViaggio(*pl, "000003", data, "0900", "00", "000", {"AREZZO|100|" + sosta}, altri);
            const EsitoCalcolo e = CalcolaMeta(pl->Db, "000003");
            const QString esito = e.Riuscito ? RigheProva(e.Tabella).value(0) : e.Errore;
            QVERIFY2(esito.startsWith(atteso), qPrintable(esito));
        };
        const QString data = "Mèta 000003, campo DataInizio: ";
        for (const char* d : {"", "00000000", "1x", "01011899", "01012101"})
            prova(d, "", "", data);
        // 31 febbraio
        prova("31022007", "", "", data + "\"31022007\" non è una data valida");
        // anno 2100
        prova("31122100", "", "", "1|AREZZO|A1|100|");
        // sosta negativa
        prova("05082006", "", "-9999",
              "Mèta 000003, tappa 1 (AREZZO), campo TempoSosta: \"-9999\" è un tempo negativo");
        // The first entry of the speed list stands for a speed below 1 km/h, as
        // for 0: 50 km/h, one rest an hour.
        // velocità sotto 1 km/h
        prova("05082006", "MediaAutostrada=0.9;RiposoOre=01", "",
              "1|verso: Arezzo|A1|50|A|50|01:00|||Sab|05/08|10:00|+ Riposo 15'");
    }

private:
    QTemporaryDir dir_;
    QString file_;
};

QTEST_GUILESS_MAIN(TestRigaDiComando)
#include "test_riga_di_comando.moc"
