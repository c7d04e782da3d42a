// What is derived from a calculated trip: the day-by-day summary; the
// calendar and the sheet read back by their own readers: libical for the events, their times in the zone and
// their UIDs; a CSV reader for the sheet. The command line's files are read by a second, independent client
// (Python's icalendar and csv modules).
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <libical/ical.h>

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

} // namespace

class TestEsportazioni : public QObject {
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
};

QTEST_GUILESS_MAIN(TestEsportazioni)
#include "test_esportazioni.moc"
