// Fixed times: a ferry that sails at its hour (the wait at the port on the
// stage's first row, the crossing as its arrival row), a night booked at a
// stage, and guide entries with their closing days and opening hours. What
// is derived from a calculated trip: the day-by-day summary; the calendar
// and the sheet read back by their own readers: libical for the events, their times in the zone and
// their UIDs; a CSV reader for the sheet. The command line's files are read by a second, independent client
// (Python's icalendar and csv modules).
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <libical/ical.h>

#include "common/Testo1252.h"
#include "journey/Esportazioni.h"
#include "journey/Riepilogo.h"
#include "model/TestiCalcolo.h"
#include "support/MotoreProva.h"
#include "support/ProgrammaProva.h"

namespace {

const QStringList Tappe = {"GENOVA|A12|100|A|", "OLBIA|TRAGHETTO|0|A|02:00", "NUORO|SS131|180|P|"};
const QStringList Guida = {"OLBIA|06|Area camper, porto|00:00"};

struct Calcolato {
    EsitoCalcolo esito;
    Riepilogo riepilogo;
};

Calcolato Calcola() {
    Calcolato v;
    v.esito = CalcolaProva(ValoriProva("05/08/2006", "08:00", {"A=100", "P=50"}), Tappe, Guida);
    v.riepilogo = CalcolaRiepilogo(v.esito.Tabella, Veicolo{}, [](const QString&) { return true; });
    return v;
}

// "AAAAMMGGThhmmss" of a row's day and a clock in minutes.
QString Orario(float giorno, int minuti) {
    while (minuti < 0) {
        minuti += 24 * 60;
        giorno -= 1;
    }
    int g = 0, m = 0, a = 0;
    Giul2Data(giorno, g, m, a);
    return QString::asprintf("%04d%02d%02dT%02d%02d00", a, m, g, minuti / 60, minuti % 60);
}

int Minuti(float centesimi) {
    const QString t = OraTesto(centesimi);
    return t.isEmpty() ? 0 : t.left(2).toInt() * 60 + t.right(2).toInt();
}

// A CSV line split as RFC 4180 quotes it.
QStringList Campi(const QString& riga) {
    QStringList campi;
    QString campo;
    bool virgolette = false;
    for (int i = 0; i < riga.size(); ++i) {
        const QChar c = riga.at(i);
        if (virgolette && c == u'"' && i + 1 < riga.size() && riga.at(i + 1) == u'"') {
            campo += u'"';
            ++i;
        } else if (c == u'"') {
            virgolette = !virgolette;
        } else if (c == u',' && !virgolette) {
            campi << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    return campi << campo;
}

// "chiave=valore": consumo, serbatoio, riserva, notte, traghetto.
Veicolo VeicoloProva(const QStringList& valori) {
    Veicolo v;
    for (const QString& kv : valori) {
        const QString k = kv.section(u'=', 0, 0);
        const double x = kv.section(u'=', 1).toDouble();
        if (k == "consumo") v.Consumo = x;
        if (k == "serbatoio") v.Serbatoio = x;
        if (k == "riserva") v.Riserva = x;
        if (k == "notte") v.CostoNotte = x;
        if (k == "traghetto") v.CostoTraghetto = x;
    }
    return v;
}

// Columns 1 (locality), 10 (date), 11 (clock) and 12 (notes) of the rows
// that calcola prints.
QStringList Colonne(const TabellaCalcolata& t) {
    QStringList righe;
    for (const QString& r : RigheProva(t)) {
        const QStringList c = r.split(u'|');
        righe << QStringList{c.value(1), c.value(10), c.value(11), c.value(12)}.join(u'|');
    }
    return righe;
}

} // namespace

class TestViaggio : public QObject {
    Q_OBJECT
private slots:
    void calendario() {
        const Calcolato v = Calcola();
        QVERIFY(v.esito.Riuscito);
        const QByteArray ics = CalendarioIcs(v.esito.Tabella, v.riepilogo, "Europe/Rome");
        icalcomponent* cal = icalparser_parse_string(ics.constData());
        QVERIFY(cal);
        QCOMPARE(icalcomponent_count_errors(cal), 0);
        icalcomponent* vtz = icalcomponent_get_first_component(cal, ICAL_VTIMEZONE_COMPONENT);
        QVERIFY(vtz);
        QCOMPARE(QString(icalproperty_get_tzid(icalcomponent_get_first_property(vtz, ICAL_TZID_PROPERTY))),
                 QString("Europe/Rome"));

        // What each event must be, from the rows: a stretch from its
        // departure to its arrival, a stop from the arrival before it.
        QHash<QString, QPair<QString, QString>> attesi;
        const TabellaCalcolata& t = v.esito.Tabella;
        int arrivo = -1;
        for (int r = 1; r < t.Righe.size(); ++r) {
            const RigaMarcia& riga = t.Righe.at(r);
            if (riga.Tipo == TipoRigaMarcia::Tratto) {
                arrivo = r;
                if (riga.Km > 0)
                    attesi.insert(QString("000001-%1-tratto@viandora").arg(r),
                                  {Orario(riga.Giorno, Minuti(riga.Ora) - Minuti(riga.Tempo)),
                                   Orario(riga.Giorno, Minuti(riga.Ora))});
            } else if (riga.Tipo == TipoRigaMarcia::Sosta) {
                const RigaMarcia& prima = t.Righe.at(arrivo);
                attesi.insert(
                    QString("000001-%1-sosta@viandora").arg(r),
                    {Orario(prima.Giorno, Minuti(prima.Ora)), Orario(riga.Giorno, Minuti(riga.Ora))});
            }
        }
        QCOMPARE(attesi.size(), 4); // three stretches and the ferry's stop

        QSet<QString> uid;
        int giorni = 0;
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
            const QString id = icalcomponent_get_uid(e);
            QVERIFY2(!uid.contains(id), qPrintable(id));
            uid.insert(id);
            const icaltimetype inizio = icalcomponent_get_dtstart(e);
            if (inizio.is_date) {
                ++giorni;
                QVERIFY(QString(icalcomponent_get_summary(e)).contains("280 km, guida 04:36"));
                continue;
            }
            QVERIFY2(attesi.contains(id), qPrintable(id));
            icalproperty* p = icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY);
            QCOMPARE(
                QString(icalparameter_get_tzid(icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER))),
                QString("Europe/Rome"));
            QCOMPARE(QString(icaltime_as_ical_string(inizio)), attesi.value(id).first);
            QCOMPARE(QString(icaltime_as_ical_string(icalcomponent_get_dtend(e))), attesi.value(id).second);
            attesi.remove(id);
        }
        QVERIFY(attesi.isEmpty());
        QCOMPARE(giorni, v.riepilogo.Giorni.size());
        icalcomponent_free(cal);
    }

    void foglio() {
        const Calcolato v = Calcola();
        const QStringList righe = QString::fromUtf8(FoglioCsv(v.esito.Tabella, v.riepilogo)).split("\r\n");
        QCOMPARE(righe.last(), QString()); // every line ends with CR LF
        QStringList calcola = RigheProva(v.esito.Tabella);
        QCOMPARE(righe.size() - 2, calcola.size());
        QCOMPARE(Campi(righe.first()).size(), 15);
        for (int i = 1; i < righe.size() - 1; ++i) {
            const QStringList c = Campi(righe.at(i));
            QCOMPARE(c.size(), 15);
            QVERIFY2(c[10].isEmpty() || QRegularExpression("^2006-08-0\\d$").match(c[10]).hasMatch(),
                     qPrintable(c[10]));
            QCOMPARE(c[14], QString("1"));
        }
        // A description with a comma travels whole, between quotes.
        QVERIFY(righe.join("\n").contains("\"> Area camper, porto\""));
        QVERIFY(Campi(righe.at(5)).contains("250")); // progressive km without a thousands separator
    }

    // The command line, end to end, read by Python's own readers.
    void rigaDiComando() {
        QTemporaryDir dir;
        const QString db = dir.filePath("viaggi.mdb");
        const QString cli = QStringLiteral(VIANDORA_CLI);
        QCOMPARE(EseguiProgramma(cli, {"crea", db}).codice, 0);
        QVERIFY(EseguiGrezzo(
            db, "INSERT INTO MeteViandora VALUES ('000001', 'SARDEGNA', 'ITALIA', '05082006', '0800',"
                " '100', '65', '50', '30', '0900', '1230', '0230', '2000', '0145', '2230', '15', '00',"
                " '00', '00', '0900', '1800', '0600', '000', '3');"
                "INSERT INTO Itinerari VALUES ('000001', '0001', 'GENOVA', '100', 'A12', 'A', '', '', '0'),"
                " ('000001', '0002', 'OLBIA', '0', 'TRAGHETTO', 'A', '00:02:00', '', '0'),"
                " ('000001', '0003', 'NUORO', '180', 'SS131', 'P', '', '', '0');"));

        Esito e = EseguiProgramma(cli, {"veicolo", db, "1", "--consumo", "10,5", "--traghetto", "120"});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.Righe().contains("consumo\t10.5") && e.Righe().contains("traghetto\t120"));
        QVERIFY(EseguiProgramma(cli, {"veicolo", db, "1"}).Righe().contains("consumo\t10.5"));
        QCOMPARE(EseguiProgramma(cli, {"veicolo", db, "1", "--riserva", "95"}).codice, 1); // beyond the tank
        e = EseguiProgramma(cli, {"riepilogo", db, "1"});
        QCOMPARE(e.codice, 0);
        QVERIFY2(e.Righe().last().startsWith("Totale\t\t280\t04:36\t"), qPrintable(e.out));
        QVERIFY(e.Righe().last().contains("\t120.00\t"));

        const int righe = EseguiProgramma(cli, {"calcola", db, "1"}).Righe().size() - 2;
        const QString ics = dir.filePath("viaggio.ics"), csv = dir.filePath("viaggio.csv");
        QCOMPARE(EseguiProgramma(cli, {"esporta-tabella", db, "1", ics, "--fuso", "Europe/Rome"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"esporta-tabella", db, "1", csv}).codice, 0);
        const Esito py = EseguiProgramma(
            "/usr/bin/python3",
            {"-c",
             "import csv, icalendar, sys\n"
             "c = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
             "ev = c.walk('VEVENT')\n"
             "print(c.get('X-WR-CALNAME'), len(ev), len(set(e.get('uid') for e in ev)))\n"
             "print(min(e.get('dtstart').dt for e in ev if hasattr(e.get('dtstart').dt, 'tzinfo')))\n"
             "r = list(csv.reader(open(sys.argv[2], newline='', encoding='utf-8')))\n"
             "print(len(r) - 1, len(set(len(x) for x in r)))",
             ics, csv});
        QCOMPARE(py.codice, 0);
        QCOMPARE(py.Righe(),
                 (QStringList{"Sardegna 5 5", "2006-08-05 08:00:00+02:00", QString("%1 1").arg(righe)}));

        // Refused before anything is written: a zone nobody knows, another
        // kind of file, a FIFO.
        QCOMPARE(EseguiProgramma(cli, {"esporta-tabella", db, "1", ics, "--fuso", "Marte/Olimpo"}).codice, 2);
        QCOMPARE(EseguiProgramma(cli, {"esporta-tabella", db, "1", dir.filePath("x.txt")}).codice, 2);
        const QString fifo = dir.filePath("fifo.ics");
        QVERIFY(CreaFifo(fifo));
        QCOMPARE(EseguiProgramma(cli, {"esporta-tabella", db, "1", fifo}).codice, 1);
    }

    // The day-by-day summary against figures worked out by hand from the
    // timetable's rows: kilometres and driving time by day, the first
    // departure and the last clock, where each night is spent, refuels at
    // the last arrival the fuel still reaches, and the costs and warnings of
    // each day.
    void riepilogo() {
        const auto prova = [&](QStringList tappe, QStringList veicolo, QStringList giorni) {
            const EsitoCalcolo e =
                CalcolaProva(ValoriProva("05/08/2006", "08:00", {"A=100", "S=80", "P=50"}), tappe,
                             {"OLBIA|06|Area camper|00:00", "SIENA|07|Campeggio|00:00"});
            QVERIFY2(e.Riuscito, qPrintable(e.Errore));
            const Riepilogo rp = CalcolaRiepilogo(e.Tabella, VeicoloProva(veicolo), [](const QString& l) {
                return l == QLatin1String("OLBIA") || l == QLatin1String("SIENA");
            });
            QStringList righe = RigheRiepilogo(rp);
            for (QString& r : righe)
                r.replace(u'\t', u'|');
            QCOMPARE(righe, giorni);
        };

        // Range 625 km: the 175 km after Roma no longer fit, so the tank is
        // filled on arriving in Roma; the night falls on the road to Nuoro.
        // giornata lunga, notte in viaggio, rifornimento
        prova({"ROMA|A1|600|A|", "OLBIA|TRAGHETTO|0|A|", "NUORO|SS131|500|P|"}, {"notte=30"},
              {"2006-08-05|Sab|812|10:14|08:00|22:29|verso: Nuoro|1|180.26|54.00|0.00|30.00|264.26|"
               "guida 10:14 oltre 09:00; notte in viaggio verso Nuoro",
               "2006-08-06|Dom|288|05:46|09:00|17:16||0|63.94|0.00|0.00|0.00|63.94|",
               "Totale||1100|16:00||||1|244.20|54.00|0.00|30.00|328.20|"});
        // Range 150 km: filled in Genova before the 150 km to Nuoro, and on
        // the way there; the crossing is paid the day Olbia is reached.
        // traghetto
        prova({"GENOVA|A12|100|A|", "OLBIA|TRAGHETTO|0|A|02:00", "NUORO|SS131|180|P|"},
              {"serbatoio=20", "riserva=5", "consumo=10", "traghetto=120"},
              {"2006-08-05|Sab|280|04:36|08:00|22:21||2|51.80|9.00|120.00|0.00|180.80|",
               "Totale||280|04:36||||2|51.80|9.00|120.00|0.00|180.80|"});
        // A day of visits at Firenze, two nights there without a camper stop
        // in the guide, one at Siena with a campsite.
        // notti e tratto oltre l'autonomia
        prova({"FIRENZE|A1|300|A|01:00:00", "SIENA|SS2|70|S|*02:00", "GROSSETO|SS223|75|S|"},
              {"serbatoio=20", "riserva=5", "consumo=10", "notte=25"},
              {"2006-08-05|Sab|300|03:00|08:00|11:00|Firenze|1|55.50|27.00|0.00|25.00|107.50|"
               "tratto più lungo dell'autonomia; nessuna sosta camper nella guida a Firenze",
               "2006-08-06|Dom|0|00:00|||Firenze|0|0.00|0.00|0.00|25.00|25.00|"
               "nessuna sosta camper nella guida a Firenze",
               "2006-08-07|Lun|70|00:53|17:00|17:53|Siena|0|12.95|0.00|0.00|25.00|37.95|",
               "2006-08-08|Mar|0|00:00|||Siena|0|0.00|0.00|0.00|25.00|25.00|",
               "2006-08-09|Mer|75|00:56|09:00|09:56||0|13.88|0.00|0.00|0.00|13.88|",
               "Totale||445|04:49||||1|82.33|27.00|0.00|100.00|209.33|"});
    }

    void traghetto() {
        const auto prova = [&](QString partenza, QStringList parametri, QStringList tappe,
                               QStringList righe) {
            const EsitoCalcolo e = CalcolaProva(ValoriProva("05/08/2006", partenza, parametri), tappe);
            QVERIFY2(e.Riuscito, qPrintable(e.Errore));
            QCOMPARE(Colonne(e.Tabella), righe);
        };
        const QString livorno = "LIVORNO|A12|300|A|"; // 3 hours at 100 km/h
        // prima dell'ultima partenza: la sera, notte a bordo
        prova("08:00", {"A=100", "P=60"},
              {livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;;09:00;60", "CAGLIARI|SS131|260|P|"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|21:00|PranzoCenaImbarco 22:00",
               "OLBIA|06/08|07:00|Notte a bordo", "verso: Cagliari|06/08|12:30|Pranzo",
               "CAGLIARI|06/08|15:50|"});
        // dopo l'ultima: la prima del giorno dopo
        prova("16:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||08:00,18:00;;09:00;60"},
              {"LIVORNO|05/08|19:00|", "imbarco: Livorno|06/08|07:00|CenaNotteImbarco 08:00",
               "OLBIA|06/08|17:00|"});
        // imbarco all'ora d'arrivo, pranzo a bordo
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||12:00;;04:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|11:00|Imbarco 12:00", "OLBIA|05/08|16:00|"});
        // 05/08/2006 is a Saturday.
        // giorno senza partenze
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||08:00,22:00;dom;09:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|06/08|07:00|PranzoCenaNotteImbarco 08:00",
               "OLBIA|06/08|17:00|"});
        // traversata oltre la mezzanotte
        prova("08:00", {"A=100"}, {livorno, "OLBIA|TRAGHETTO|0|A||20:00;;04:00;60"},
              {"LIVORNO|05/08|11:00|", "imbarco: Livorno|05/08|19:00|PranzoImbarco 20:00",
               "OLBIA|06/08||Notte a bordo"});
        // due traghetti in un giorno
        prova("08:00", {"A=100", "P=60"},
              {"LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||10:00;;02:00;30", "SANTA TERESA|SS125|60|P|",
               "BONIFACIO|TRAGHETTO|0|A||16:00;;01:00;30"},
              {"LIVORNO|05/08|09:00|", "imbarco: Livorno|05/08|09:30|Imbarco 10:00", "OLBIA|05/08|12:00|",
               "verso: Santa Teresa|05/08|12:30|Pranzo", "SANTA TERESA|05/08|15:30|",
               "imbarco: Santa Teresa|05/08|15:30|Imbarco 16:00", "BONIFACIO|05/08|17:00|"});
        // traghetto come prima tappa
        prova("08:00", {"A=100"}, {"OLBIA|TRAGHETTO|0|A||10:00;;02:00;60", "NUORO|SS131|100|A|"},
              {"imbarco|05/08|09:00|Imbarco 10:00", "OLBIA|05/08|12:00|", "verso: Nuoro|05/08|12:30|Pranzo",
               "NUORO|05/08|15:30|"});
        // Two days asked for: the stop at Firenze shrinks, the wait for the
        // evening ferry does not.
        // adeguamento ai giorni
        prova("08:00", {"A=100", "giorni=002"},
              {"FIRENZE|A1|100|A|02:00:00", "LIVORNO|A12|100|A|", "OLBIA|TRAGHETTO|0|A||22:00;;09:00;60"},
              {"FIRENZE|05/08|09:00|", "a: Firenze|05/08|16:58|Visita", "LIVORNO|05/08|17:58|",
               "imbarco: Livorno|05/08|21:00|CenaImbarco 22:00", "OLBIA|06/08|07:00|Notte a bordo"});
    }

    // A day of visits at Firenze, Saturday to Monday, then Siena.
    void prenotazioniEOrari() {
        const EsitoCalcolo e = CalcolaProva(
            ValoriProva("05/08/2006", "08:00", {"A=100", "S=80"}),
            {"FIRENZE|A1|100|A|01:00:00||05/08/2006", "SIENA|SS2|70|S|||05/08/2006"},
            {"FIRENZE|01|Uffizi|00:00|sab,dom,lun", "FIRENZE|01|Pitti|00:00|sab,dom",
             "FIRENZE|01|Bargello|00:00||20:00-21:00", "FIRENZE|01|Duomo|00:00|lun|09:00-13:00"});
        QVERIFY(e.Riuscito);
        QStringList guida;
        for (const QString& r : RigheProva(e.Tabella))
            if (r.contains(" > ")) guida << r.section(u'|', 1, 1) + u'|' + r.section(u'|', 12, 12);
        QCOMPARE(guida, (QStringList{" > Uffizi|Ottimo (chiuso)", " > Pitti|Ottimo",
                                     " > Bargello|Ottimo (chiuso)", " > Duomo|Ottimo"}));
        const Riepilogo rp = CalcolaRiepilogo(e.Tabella, Veicolo{}, [](const QString&) { return true; });
        QCOMPARE(rp.PrenotazioniMancate, 1);
        QCOMPARE(rp.Giorni.at(0).Avvisi, QStringList{"notte prenotata a Siena il 05/08 non raggiunta"});
        QCOMPARE(rp.Giorni.at(2).Avvisi,
                 (QStringList{"Uffizi chiuso il sabato", "Bargello aperto dalle 20:00 alle 21:00"}));
    }

    // Milano, Livorno, the ferry at 08:00 and 22:00 to Olbia, Cagliari: the
    // data stored by the command line, found again by the calculation when
    // a stage is added before them, and carried by an exchange file.
    void archivioEScambio() {
        QTemporaryDir dir;
        const QString db = dir.filePath("viaggi.mdb"), copia = dir.filePath("copia.mdb");
        const QString iei = dir.filePath("sardegna.iei"), cli = QStringLiteral(VIANDORA_CLI);
        QCOMPARE(EseguiProgramma(cli, {"crea", db}).codice, 0);
        auto sql = [&](const char* testo) { QVERIFY(EseguiGrezzo(db, testo)); };
        sql("INSERT INTO MeteViandora VALUES ('000001', 'CAGLIARI', 'ITALIA', '05082026', '0600', '110', "
            "'90', '70',"
            " '50', '0800', '1230', '0100', '2000', '0130', '2230', '15', '03', '01', '05', '0900', '1800', "
            "'0600',"
            " '0', '1');"
            "INSERT INTO Itinerari VALUES ('000001', '0001', 'MILANO', '0', '', 'A', '', '', ''),"
            " ('000001', '0002', 'LIVORNO', '290', 'A1', 'A', '', '', ''),"
            " ('000001', '0003', 'OLBIA', '0', 'TRAGHETTO', 'S', '', '', ''),"
            " ('000001', '0004', 'CAGLIARI', '270', 'SS131', 'S', '', '', '');"
            "INSERT INTO GuidaCitta VALUES ('CAGLIARI', '02', 'Museo Archeologico', '01:00', '0');");
        const QStringList senzaOrari = EseguiProgramma(cli, {"calcola", db, "1"}).Righe();

        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "3", "--partenze", "22:00,8:00", "--durata",
                                       "9:00", "--costo", "250,50"})
                     .Righe(),
                 (QStringList{"partenze\t08:00,22:00", "giorni\tlun,mar,mer,gio,ven,sab,dom", "durata\t09:00",
                              "anticipo\t60", "costo\t250.5"}));
        QCOMPARE(EseguiProgramma(cli, {"notte", db, "1", "2", "--data", "05/08/2026"}).codice, 0);
        QCOMPARE(
            EseguiProgramma(cli, {"orari", db, "cagliari", "museo archeologico", "--chiuso", "gio"}).codice,
            0);
        // Refused, nothing stored: a stage that is no ferry, a time of no day.
        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "2", "--partenze", "08:00", "--durata", "1:00"})
                     .codice,
                 1);
        QCOMPARE(EseguiProgramma(cli, {"traghetto", db, "1", "3", "--partenze", "25:00"}).codice, 2);

        const Esito calcolo = EseguiProgramma(cli, {"calcola", db, "1"});
        QVERIFY(calcolo.Righe().contains("3\timbarco: Livorno\tTRAGHETTO\t\t\t\t\t\t\tMer\t05/08\t21:00\t"
                                         "PranzoCenaImbarco 22:00\t\t"));
        QVERIFY(
            calcolo.out.contains("OLBIA\tTRAGHETTO\t0\tS\t290\t09:00\t\t\tGio\t06/08\t07:00\tNotte a bordo"));
        QVERIFY(calcolo.out.contains("> Museo Archeologico\t\t\t\t\t\t01:00\t\t\t\t\tDa vedere (chiuso)"));
        const QStringList riepilogo = EseguiProgramma(cli, {"riepilogo", db, "1"}).Righe();
        QCOMPARE(riepilogo.at(0).section(u'\t', 6, 6), QString("a bordo verso Olbia"));
        QCOMPARE(riepilogo.at(0).section(u'\t', 13),
                 QString("notte prenotata a Livorno il 05/08 non raggiunta"));
        QCOMPARE(riepilogo.at(1).section(u'\t', 3, 3), QString("03:00")); // the crossing is no driving
        QCOMPARE(riepilogo.at(1).section(u'\t', 13), QString("Museo Archeologico chiuso il giovedì"));
        QCOMPARE(riepilogo.at(2).section(u'\t', 10, 10), QString("250.50"));

        // The exchange file carries the data in columns after the stored
        // fields; a copy calculates the same.
        QCOMPARE(EseguiProgramma(cli, {"esporta", db, iei, "1"}).codice, 0);
        const QString testo = DecodificaWindows1252(LeggiFile(iei));
        QVERIFY(
            testo.contains(QString("FineGiorno\u00FEPartenze\u00FEGiorni\u00FEDurata\u00FEAnticipo\u00FECosto"
                                   "\u00FENottePrenotata\u00FE\r\n")));
        QVERIFY(
            testo.contains(QString("Alle\u00FD\r\nCAGLIARI\u00FD02\u00FDMuseo Archeologico\u00FD01:00\u00FD0"
                                   "\u00FDgio\u00FD\u00FD\u00FD\r\n")));
        QCOMPARE(EseguiProgramma(cli, {"crea", copia}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"importa", copia, iei, "--tutte"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"calcola", copia, "1"}).out, calcolo.out);
        QCOMPARE(EseguiProgramma(cli, {"riepilogo", copia, "1"}).Righe(), riepilogo);

        // A stage added at the start: the ferry and the booking follow their
        // localities to their new numbers.
        sql("UPDATE Itinerari SET Sequenza = printf('%04d', Sequenza + 1);"
            "INSERT INTO Itinerari VALUES ('000001', '0001', 'COMO', '0', '', 'A', '', '', '');"
            "UPDATE Itinerari SET Chilometri = '50', NomeStrada = 'A9' WHERE Localita = 'MILANO';");
        QVERIFY(EseguiProgramma(cli, {"calcola", db, "1"}).out.contains("Notte a bordo"));
        QCOMPARE(EseguiProgramma(cli, {"notte", db, "1", "3"}).Righe(), QStringList{"data\t05/08/2026"});

        // Cleared, the trip calculates as it did before any of it, and its
        // exchange file has no more columns than the tables.
        QCOMPARE(EseguiProgramma(cli, {"traghetto", copia, "1", "3", "--nessuno"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"notte", copia, "1", "2", "--nessuna"}).codice, 0);
        QCOMPARE(EseguiProgramma(cli, {"orari", copia, "CAGLIARI", "Museo Archeologico", "--nessuno"}).codice,
                 0);
        QCOMPARE(EseguiProgramma(cli, {"calcola", copia, "1"}).Righe(), senzaOrari);
        QCOMPARE(EseguiProgramma(cli, {"esporta", copia, iei, "1"}).codice, 0);
        QVERIFY(!DecodificaWindows1252(LeggiFile(iei)).contains("Partenze"));
        QVERIFY(!DecodificaWindows1252(LeggiFile(iei)).contains("Chiuso"));
    }
};

QTEST_GUILESS_MAIN(TestViaggio)
#include "test_viaggio.moc"
