// The timetable engine fed directly: segments, meals, nights, rests, rest
// days, stops within the visiting hours, guide rows, fitting to the days
// asked for, the return limits and the trip screen's totals.
#include <QTest>

#include "support/MotoreProva.h"

namespace {
// A trip starting on 05/08/2006 at partenza ("hh:mm", or "dd/mm/yyyy hh:mm"),
// as MotoreProva reads parametri, tappe and guida. righe: columns 0 to 12
// but the hidden guide column, of the rows with a locality; limiti: "row:limit"
// of column 13; passate and messaggio: the fitting to the days asked for.
struct Caso {
    const char* nome;
    QString partenza;
    QStringList parametri, tappe, righe, limiti, guida;
    int passate;
    QString messaggio;
    Caso(const char* n, const QString& p, const QStringList& par, const QStringList& t, const QStringList& r,
         const QStringList& l = {}, const QStringList& g = {}, int pas = 1, const QString& m = {})
        : nome(n), partenza(p), parametri(par), tappe(t), righe(r), limiti(l), guida(g), passate(pas),
          messaggio(m) {}
};

const QString Conclusa = "Elaborazione conclusa in 1 tentativi!";
const QStringList Cinque = {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|", "PRATO|A11|75|A|", "PISTOIA|A11|350|A|",
                            "LUCCA|A11|500|A|"};
// In the order the database gives them: by code, then description.
const QStringList GuidaRoma = {"ROMA|01|Pantheon|00:15",   "ROMA|01|Vaticano|03:30",
                               "ROMA|03|Colosseo|02:00",   "ROMA|05|Parcheggio|00:00",
                               "ROMA|11|Senza tipo|00:30", "OSTIA|02|Scavi|01:00"};
const QStringList VociRoma = {"| > Pantheon||||||00:15||||Ottimo", "| > Vaticano||||||03:30||||Ottimo",
                              "| > Colosseo||||||02:00||||Interessante",
                              "| > Parcheggio||||||||||Punto Sosta", "| > Senza tipo||||||00:30||||"};

const Caso Casi[] = {
    Caso("riposo breve", "08:00", {"A=100", "ripM=15", "ripH=02"}, {"ROMA|A1|300|A|"},
         {"1|verso: Roma|A1|200|A|200|02:00||Sab|05/08|10:00|+ Riposo 15'",
          "2|ROMA|A1|100|A|300|01:00||Sab|05/08|11:15|"}),
    Caso("cena e notte", "17:00", {"A=100"}, {"NAPOLI|A1|1000|A|"},
         {"1|verso: Napoli|A1|300|A|300|03:00||Sab|05/08|20:00|Cena",
          "2|verso: Napoli|A1|75|A|375|00:45||Sab|05/08|22:30|Notte",
          "3|verso: Napoli|A1|350|A|725|03:30||Dom|06/08|12:30|Pranzo",
          "4|NAPOLI|A1|275|A|1.000|02:45||Dom|06/08|17:45|"}),
    Caso("giorni di riposo", "09:00", {"A=100", "ripG=01", "ripGG=03"}, {"BARI|A14|3000|A|"},
         {"1|verso: Bari|A14|350|A|350|03:30||Sab|05/08|12:30|Pranzo",
          "2|verso: Bari|A14|500|A|850|05:00||Sab|05/08|20:00|Cena",
          "3|verso: Bari|A14|75|A|925|00:45||Sab|05/08|22:30|Notte",
          "4|verso: Bari|A14|350|A|1.275|03:30||Dom|06/08|12:30|Pranzo",
          "5|verso: Bari|A14|500|A|1.775|05:00||Dom|06/08|20:00|Cena",
          "6|verso: Bari|A14|75|A|1.850|00:45||Dom|06/08|22:30|Notte",
          "7|verso: Bari|A14|350|A|2.200|03:30||Lun|07/08|12:30|Pranzo",
          "8|verso: Bari|A14|500|A|2.700|05:00||Lun|07/08|20:00|Cena",
          "9|verso: Bari|A14|75|A|2.775|00:45||Lun|07/08|* 22:30|Notte",
          "10|BARI|A14|225|A|3.000|02:15||Mer|09/08|11:15|"}),
    Caso("sosta di un giorno come riposo", "09:00", {"A=100", "ripG=01", "ripGG=03"},
         {"ASTI|A1|925|A|01:00:00", "BRA|A1|500|A|"},
         {"1|verso: Asti|A1|350|A|350|03:30||Sab|05/08|12:30|Pranzo",
          "2|verso: Asti|A1|500|A|850|05:00||Sab|05/08|20:00|Cena",
          "3|ASTI|A1|75|A|925|00:45||Sab|05/08|22:30|Notte", "|a: Asti||||||01:00:00|Mar|08/08|15:00|Visita",
          "5|BRA|A1|500|A|1.425|05:00||Mar|08/08|20:00|Cena"}),
    Caso("fine giornata, colazione prima delle visite", "09:00", {"A=100", "ora0=08:00", "ora6=10:00"},
         {"COMO|A9|100|A|*01:00", "LECCO|A9|100|A|"},
         {"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|",
          "|a: Como||||||00:01:00*|Dom|06/08|08:00|Visita/f.g.",
          "3|LECCO|A9|100|A|200|01:00||Dom|06/08|09:00|"}),
    Caso("traghetto", "09:00", {"A=100"}, {"OLBIA|TRAGHETTO|100|A|"},
         {"1|OLBIA|TRAGHETTO|100|A|100|01:00||Sab|05/08|10:00|",
          "|a: Olbia|||||||Sab|05/08|16:00|Traghetto/Visita"}),
    Caso("tappa senza km né sosta", "09:00", {"A=100"}, {"ROMA||0|A|", "TIVOLI|SS5|100|A|"},
         {"1|ROMA||||||||||", "2|TIVOLI|SS5|100|A|100|01:00||Sab|05/08|10:00|"}),
    Caso("sosta senza km", "09:00", {"A=100"}, {"ROMA|A1|0|A|01:00"},
         {"1|ROMA|A1|0|A||||Sab|05/08|09:00|", "|a: Roma||||||00:01:00|Sab|05/08|10:00|Visita"}),
    Caso("pranzo due volte", "11:00", {"A=100", "ora4=00:00"}, {"PISA|A12|150|A|", "LUCCA|A11|10|A|"},
         {"1|PISA|A12|150|A|150|01:30||Sab|05/08|12:30|Pranzo",
          "2|LUCCA|A11|10|A|160|00:06||Sab|05/08|12:36|Pranzo"}),
    // Every segment time is rounded to the hundredth of an hour, and the
    // clock adds the rounded times.
    Caso("velocità dispari", "15:02", {"A=45"}, {"ASTI|A21|100|A|", "BRA|SP7|7|A|"},
         {"1|ASTI|A21|100|A|100|02:13||Sab|05/08|17:15|", "2|BRA|SP7|7|A|107|00:10||Sab|05/08|17:25|"}),
    // 1.6 intervals since the last pause give one rest, not two.
    Caso("riposi a velocità dispari", "08:00", {"A=45", "ripM=15", "ripH=01"},
         {"ROMA|A1|27|A|", "TIVOLI|A24|100|A|"},
         {"1|ROMA|A1|27|A|27|00:36||Sab|05/08|08:36|",
          "2|verso: Tivoli|A24|45|A|72|01:00||Sab|05/08|09:36|+ Riposo 15'",
          "3|verso: Tivoli|A24|45|A|117|01:00||Sab|05/08|10:51|+ Riposo 15'",
          "4|TIVOLI|A24|10|A|127|00:13||Sab|05/08|11:19|+ Riposo 15'"}),
    Caso("riposi di 0 minuti", "15:30", {"A=45", "ripM=00", "ripH=01"}, {"ASTI|A21|100|A|"},
         {"1|ASTI|A21|100|A|100|02:13||Sab|05/08|17:43|"}),
    // Breakfast before the visits: a stop that ends with the visiting hours
    // goes on at breakfast, one that does not at the start of the visits.
    Caso("sosta fino a fine visita", "09:00", {"A=100", "ora0=08:00", "ora6=10:00"},
         {"COMO|A9|100|A|08:00", "LECCO|A9|100|A|"},
         {"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|", "|a: Como||||||00:08:00|Dom|06/08|08:00|Visita",
          "3|LECCO|A9|100|A|200|01:00||Dom|06/08|09:00|"}),
    Caso("sosta oltre le visite", "09:00", {"A=100", "ora0=08:00", "ora6=10:00"},
         {"COMO|A9|100|A|09:00", "LECCO|A9|50|A|"},
         {"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|", "|a: Como||||||00:09:00|Dom|06/08|11:00|Visita",
          "3|LECCO|A9|50|A|150|00:30||Dom|06/08|11:30|"}),
    // Starts and arrivals past the night, and a clock past lunch, bring the
    // day to its end instead of cutting every segment to 1 km.
    Caso("partenza all'ora della notte", "22:30", {"A=100"}, {"RIETI|SS4|100|A|"},
         {"1|RIETI|SS4|100|A|100|01:00||Dom|06/08|10:00|"}),
    Caso("cena oltre la notte", "17:00", {"A=100", "ora2=18:00", "ora5=02:30", "ora3=20:00"},
         {"SIENA|A1|500|A|"},
         {"1|verso: Siena|A1|100|A|100|01:00||Sab|05/08|18:00|CenaNotte",
          "2|verso: Siena|A1|350|A|450|03:30||Dom|06/08|12:30|Pranzo",
          "3|SIENA|A1|50|A|500|00:30||Dom|06/08|15:30|"}),
    Caso("pasti mancati a passo lento", "08:45", {"L=2", "ripM=00"}, {"TODI|SP|40|L|"},
         {"1|verso: Todi|SP|7|L|7|03:30||Sab|05/08|12:15|", "2|verso: Todi|SP|1|L|8|00:30||Sab|05/08|12:45|",
          "3|verso: Todi|SP|14|L|22|07:00||Sab|05/08|19:45|",
          "4|verso: Todi|SP|5|L|27|02:30||Sab|05/08|22:15|",
          "5|verso: Todi|SP|1|L|28|00:30||Sab|05/08|22:45|Notte",
          "6|verso: Todi|SP|7|L|35|03:30||Dom|06/08|12:30|Pranzo",
          "7|TODI|SP|5|L|40|02:30||Dom|06/08|17:30|"}),
    // Roma twice in a row: its guide time counts once, its entries show
    // twice, by type; a code without a type shows no type.
    Caso("righe della guida", "09:00", {"A=100"}, {"ROMA|A1|100|A|", "ROMA|A1|0|A|01:00", "OSTIA|SS8|30|A|"},
         QStringList{"1|ROMA|A1|100|A|100|01:00||Sab|05/08|10:00|",
                     "|a: Roma||||||00:06:15|Sab|05/08|16:15|Visita"} +
             VociRoma +
             QStringList{"8|ROMA|A1|0|A|100|||Sab|05/08|16:15|",
                         "|a: Roma||||||00:01:00|Sab|05/08|17:15|Visita"} +
             VociRoma +
             QStringList{"15|OSTIA|SS8|30|A|130|00:18||Sab|05/08|17:33|",
                         "|a: Ostia||||||00:01:00|Dom|06/08|09:33|Visita",
                         "| > Scavi||||||01:00||||Da vedere"},
         {}, GuidaRoma),
    // The last driving row, followed by a stop or by empty rows only, has no
    // continuation limit: the turn-back pass gives it its own.
    Caso("limiti, un giorno", "09:00", {"A=100"}, {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|"}, {},
         {"1:<05/08-21:45", "2:<05/08-15:00", "16:>05/08-21:45"}),
    Caso("limiti, sosta dopo l'ultima guida", "09:00", {"A=100"},
         {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|01:00"}, {},
         {"1:<06/08-10:00", "2:<05/08-16:45", "17:>06/08-10:00"}),
    Caso("limiti a capodanno", "31/12/2006 09:00", {"A=100"}, Cinque, {},
         {"1:<01/01-21:45", "2:<01/01-15:00", "3:<01/01-11:45", "4:>01/01-15:00", "16:>01/01-21:45"}),
    // A first day's drive without stops ends on the same day; stops cannot
    // shorten the driving of two days; no driving and no stops is one day.
    Caso("giorni, giusto alla prima", "08:00", {"giorni=001"}, {"AREZZO|A1|350|A|01:00", "FIRENZE|A1|100|A|"},
         {}, {}, {}, 1, Conclusa),
    Caso("giorni, impossibile", "08:00", {"giorni=001"}, {"BARI|A14|1500|A|01:00"}, {}, {}, {}, 11,
         "Elaborazione impossibile! (tentativi effettuati n. 11)"),
    Caso("giorni, senza tempi", "08:00", {"giorni=001"}, {"ROMA||0|A|", "OSTIA||0|A|"}, {}, {}, {}, 1,
         Conclusa),
};

// The stages followed by the empty rows of the window's grid, as the
// window's calculation reads them.
EsitoCalcolo Calcola(const Caso& c) {
    const QString data = c.partenza.size() > 5 ? c.partenza.left(10) : QStringLiteral("05/08/2006");
    QStringList tappe = c.tappe;
    while (tappe.size() < 16)
        tappe << QString();
    return CalcolaProva(ValoriProva(data, c.partenza.right(5), c.parametri), tappe, c.guida);
}
} // namespace

class TestPassaggio : public QObject {
    Q_OBJECT
private slots:
    void tabellaDiMarcia() {
        for (const Caso& c : Casi) {
            const EsitoCalcolo e = Calcola(c);
            QVERIFY2(e.Riuscito, c.nome);
            QStringList righe, limiti;
            for (int r = 1; r < e.Tabella.Righe.size(); ++r) {
                const auto celle = e.Tabella.Celle(r);
                if (!celle[13].isEmpty()) limiti << QString::number(r) + ":" + celle[13];
                if (celle[1].trimmed().isEmpty()) continue;
                QStringList visibili;
                for (int k = 0; k <= 12; ++k)
                    if (k != 8) visibili << celle[size_t(k)];
                righe << visibili.join(u'|');
            }
            if (!c.righe.isEmpty()) QCOMPARE(righe, c.righe);
            if (!c.limiti.isEmpty()) QCOMPARE(limiti, c.limiti);
            QVERIFY2(e.Tabella.Passate == c.passate && e.Tabella.Messaggio == c.messaggio, c.nome);
        }
    }

    // Which stop each choice keeps (1 both, 2 the guide's, 3 the longer, 4
    // the shorter, 5 none, any other as 1) and whether the end of the day
    // stays, with a gap in the stage list: the visit rows' times and the day
    // of the arrival at Napoli.
    void sceltaDelleSoste() {
        const auto prova = [](int scelta, QString sosta, QString guida, QString visite) {
            const QStringList voci =
                guida.isEmpty() ? QStringList() : QStringList{"ROMA|01|Colosseo|" + guida};
            const EsitoCalcolo e = CalcolaProva(
                ValoriProva("05/08/2006", "08:00", {"A=100", "soste=" + QString::number(scelta)}),
                {"ROMA|A1|100|A|" + sosta, "", "NAPOLI|A1|200|A|01:00"}, voci);
            QStringList tempi;
            for (int r = 1; r < e.Tabella.Righe.size(); ++r) {
                const auto celle = e.Tabella.Celle(r);
                if (celle[1].startsWith(QLatin1String("a: "))) tempi << celle[1].mid(3) + " " + celle[7];
                if (celle[1] == QLatin1String("NAPOLI")) tempi << celle[10];
            }
            QCOMPARE(tempi.join(u','), visite);
        };
        prova(1, "01:00", "01:30", "Roma 00:02:30,05/08,Napoli 00:01:00");
        prova(2, "*01:00", "01:30", "Roma 00:01:30,05/08");
        prova(3, "01:00", "01:30", "Roma 00:01:30,05/08,Napoli 00:01:00");
        prova(3, "*01:30", "01:30", "Roma 00:01:30*,06/08,Napoli 00:01:00");
        prova(3, "01:00", "", "Roma 00:01:00,05/08,Napoli 00:01:00");
        prova(4, "01:00", "01:30", "Roma 00:01:00,05/08,Napoli 00:01:00");
        prova(4, "02:00", "01:30", "Roma 00:01:30,05/08,Napoli 00:01:00");
        prova(4, "*", "01:30", "05/08,Napoli 00:01:00");
        prova(5, "*01:00", "01:30", "05/08");
        prova(5, "*", "", "05/08");
        prova(9, "01:00", "01:30", "Roma 00:02:30,05/08,Napoli 00:01:00");
    }

    void totali() {
        const EsitoCalcolo e = CalcolaProva(ValoriProva("05/08/2006", "17:00", {"A=100", "S=65"}),
                                            {"NAPOLI|A1|1000|A|", "SORRENTO|SS145|130|S|"});
        const TestiTotali t = e.Tabella.Totale();
        QStringList totali;
        for (size_t k = 0; k < 5; ++k)
            totali << t.Km[k].value_or("-") + " " + t.Tempo[k].value_or("-");
        QCOMPARE(totali.join(u'|'), QString("1.000 00:10:00|130 00:02:00| | |1.130 00:12:00"));
        // Arrival at Sorrento at 19:45 on the second day.
        QString fine = t.Traghetti.value_or("-");
        for (const auto& f : t.Fine)
            fine += " " + f.value_or("-");
        QCOMPARE(fine + " " + t.Giorni.value_or("-"), QString("0 06 08 2006 19 45 Dom 2"));
        // The table keeps the grid's rows after the last stage, numbered.
        QCOMPARE(e.Tabella.RigheTabella, 17);

        // Beyond 32,767 km.
        const EsitoCalcolo lungo = CalcolaProva(ValoriProva("05/08/2006", "08:00", {"A=140"}),
                                                {"CAPO NORD|E6|20000|A|", "LISBONA|E1|20000|A|"});
        QCOMPARE(lungo.Tabella.Totale().Km[4].value_or(""), QString("40.000"));
        // Every row's kilometres add up to the trip, and the last one reaches it.
        int km = 0, progressivi = 0;
        for (int r = 1; r < lungo.Tabella.RigheTabella; ++r) {
            const auto celle = lungo.Tabella.Celle(r);
            km += celle[3].toInt();
            if (!celle[5].isEmpty()) progressivi = QString(celle[5]).remove(u'.').toInt();
        }
        QCOMPARE(km, 40000);
        QCOMPARE(progressivi, 40000);
    }
};

QTEST_GUILESS_MAIN(TestPassaggio)
#include "test_passaggio.moc"
