// The day-by-day summary against figures worked out by hand from the
// timetable's rows: kilometres and driving time by day, the first departure
// and the last clock, where each night is spent, refuels at the last arrival
// the fuel still reaches, and the costs and warnings of each day.
#include <QTest>

#include "journey/Riepilogo.h"
#include "support/MotoreProva.h"

namespace {

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

class TestRiepilogo : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestRiepilogo)
#include "test_riepilogo.moc"
