// Driving times, progressive kilometres, totals per road type, ferries and the
// fewest days of a stage list, and the trip screen that shows them.
#include <QTest>

#include "itinerary/ControlloreItinerario.h"
#include "model/TotaliItinerario.h"
#include "support/PlannerProva.h"

class TestTotali : public QObject {
    Q_OBJECT
private slots:
    void calcolo() {
        // tappe: "locality|road|km|type"; medie: the speed lists A, S, P, L
        // righe: per stage "hundredths|km so far", "|" without kilometres
        // km: per road type A S P L, then the total
        // giorni: the fewest days; richiesti: days asked for, which rise to
        // the fewest ("000" asks for none), and what they become
        const auto prova = [](QStringList tappe, std::array<QString, 4> medie, QStringList righe, QString km,
                              QString tempo, int traghetti, int giorni, QString richiesti, int attesi) {
            QList<Tappa> t;
            for (const QString& s : tappe)
                t << TappaDaCelle(QStringList{""} + s.split(u'|'));
            const TotaliItinerario tot = CalcolaTotaliItinerario(t, VelocitaTotali(medie));
            QStringList r, k;
            for (const auto& riga : tot.Righe)
                r << (riga.Tempo ? QString::number(*riga.Tempo) : "") + "|" +
                         (riga.KmProgressivi ? QString::number(*riga.KmProgressivi) : "");
            for (double x : tot.KmTipo)
                k << QString::number(x);
            k << QString::number(tot.Km);
            QCOMPARE(r, righe);
            QCOMPARE(k.join(u' '), km);
            QCOMPARE(tot.TestoTempo(), tempo);
            QCOMPARE(tot.Traghetti, traghetti);
            QCOMPARE(tot.GiorniMinimi(), giorni);
            QCOMPARE(tot.GiorniRichiesti(richiesti), attesi);
        };
        const std::array<QString, 4> v = {"110", "90", "70", "40"};
        // Hours past 24 carry into days.
        prova({"ROMA|SP1|1200|L"}, v, {"3000|1200"}, "0 0 0 1200 1200", "01:06:00", 0, 2, "001", 2);
        // Two whole days of driving take two days.
        prova({"ROMA|A1|4800|A"}, {"100", "90", "70", "40"}, {"4800|4800"}, "4800 0 0 0 4800", "02:00:00", 0,
              2, "003", 3);
        // Rounded to the hundredth of an hour: 15.6 hundredths make 16.
        prova({"BRA|SP7|7|A"}, {"45", "90", "70", "40"}, {"16|7"}, "7 0 0 0 7", "00:00:10", 0, 1, "000", 0);
        // An unknown type drives as "L".
        prova({"ASTI|A21|110|A", "BRA|SS231|90|S", "ALBA|SP7|35|P", "CUNEO|X|20|Q"}, v,
              {"100|110", "100|200", "50|235", "50|255"}, "110 90 35 20 255", "00:03:00", 0, 1, "010", 10);
        // Ferries count whether or not a driving stage follows them; rows
        // without a locality count for nothing.
        prova(
            {"NAPOLI|A3|110|A", "PALERMO|TRAGHETTO|0|L", "|TRAGHETTO|50|A", "CAGLIARI|TRAGHETTO TIRRENIA|0|"},
            v, {"100|110", "|", "|", "|"}, "110 0 0 0 110", "00:01:00", 2, 1, "001", 1);
        // A speed that reads as 0 drives at the list's first entry.
        prova({"ROMA|A1|100|A", "OSTIA|SS8|45|S"}, {"0", "abc", "70", "40"}, {"200|100", "100|145"},
              "100 45 0 0 145", "00:03:00", 0, 1, "001", 1);
        prova({}, v, {}, "0 0 0 0 0", "", 0, 0, "003", 3);
    }

    void schermataDelViaggio() {
        Planner pl;
        FormViandora& f = *pl.f;
        // Totals left from another itinerary must not survive.
        for (int k = 0; k < 5; ++k) {
            f.txtKmTot[k].Text = "999";
            f.txtTempo[k].Text = "09:09:09";
        }
        const QStringList velocita = {"110", "90", "70", "40"};
        for (int t = 0; t < 4; ++t)
            f.cmbMediaKm[t].SetText(velocita.at(t));
        ScriviTappe(f, {"ASTI|A21|9900|A|", "OSTIA|SS8|0|S|", "", "CUNEO|X|20|Q|", "PALERMO|TRAGHETTO|0|L|"});
        // A pure stop keeps what its time columns held; a row without a
        // locality is emptied.
        f.mfgTab.SetTextMatrix(2, 5, "7");
        f.mfgTab.SetTextMatrix(2, 6, "00:10");
        f.mfgTab.SetTextMatrix(3, 2, "A1");
        f.mfgTab.SetTextMatrix(3, 7, "*");
        f.cmbGiorni.SetText("002");
        f.Tappe.CalcolaKmTempiItinerario();
        QCOMPARE(Colonne(f.mfgTab, {1, 5, 6}),
                 QStringList({"ASTI|9.900|90:00", "OSTIA|7|00:10", "CUNEO|9.920|00:30", "PALERMO||"}));
        for (int c = 1; c < f.mfgTab.Cols(); ++c)
            QVERIFY(f.mfgTab.TextMatrix(3, c).isEmpty());
        QStringList km, tempo;
        for (int k = 0; k < 5; ++k) {
            km << f.txtKmTot[k].Text;
            tempo << f.txtTempo[k].Text;
        }
        QCOMPARE(km, QStringList({"9.900", "", "", "20", "9.920"}));
        QCOMPARE(tempo, QStringList({"03:18:00", "", "", "00:00:30", "03:18:30"}));
        QCOMPARE(f.txtTragh.Text, QString("1"));
        // The days asked for rise to the fewest the driving takes.
        QCOMPARE(f.cmbGiorni.Voci().mid(0, 2), QStringList({"000", "004"}));
        QCOMPARE(f.cmbGiorni.Text(), QString("004"));
    }
};

QTEST_APPLESS_MAIN(TestTotali)
#include "test_totali.moc"
