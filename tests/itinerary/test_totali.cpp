// Driving times, progressive kilometres, totals per road type, ferries and the
// day-count list.
#include <QTest>

#include "support/PlannerProva.h"

namespace {
void Velocita(FormViandora& f, const QStringList& velocita) {
    for (int t = 0; t < 4; ++t)
        f.cmbMediaKm[t].SetText(velocita.value(t));
}
} // namespace

class TestTotali : public QObject {
    Q_OBJECT
private slots:
    void tempiETotali() {
        // colonne: columns 5|6 per stage
        // chilometri: txtKmTot 0..4
        // tempi: txtTempo 0..4
        const auto prova = [&](QStringList tappe, QStringList velocita, QStringList colonne,
                               QStringList chilometri, QStringList tempi, QString traghetti) {
            Planner pl;
            FormViandora& f = *pl.f;
            // Totals left from another itinerary must not survive.
            for (int k = 0; k < 5; ++k) {
                f.txtKmTot[k].Text = "999";
                f.txtTempo[k].Text = "09:09:09";
            }
            ScriviTappe(f, tappe);
            Velocita(f, velocita);
            f.CalcolaKmTempiItinerario();
            QCOMPARE(Colonne(f.mfgTab, {5, 6}), colonne);
            QStringList km, tempo;
            for (int k = 0; k < 5; ++k) {
                km << f.txtKmTot[k].Text;
                tempo << f.txtTempo[k].Text;
            }
            QCOMPARE(km, chilometri);
            QCOMPARE(tempo, tempi);
            QCOMPARE(f.txtTragh.Text, traghetti);
        };

        const QStringList v = {"110", "90", "70", "40"};
        // 1200 km a 40: ore oltre le 24
        prova({"ROMA|SP1|1200|L|"}, v, {"1.200|30:00"}, {"", "", "", "1.200", "1.200"},
              {"", "", "", "01:06:00", "01:06:00"}, "0");
        // Rounded to the hundredth of an hour: 15.6 hundredths make 10 minutes.
        // 7 km a 45
        prova({"BRA|SP7|7|A|"}, {"45", "90", "70", "40"}, {"7|00:10"}, {"7", "", "", "", "7"},
              {"00:00:10", "", "", "", "00:00:10"}, "0");
        // tipi diversi, progressivi
        prova({"ASTI|A21|110|A|", "BRA|SS231|90|S|", "ALBA|SP7|35|P|", "CUNEO|X|20|Q|"}, v,
              {"110|01:00", "200|01:00", "235|00:30", "255|00:30"}, {"110", "90", "35", "20", "255"},
              {"00:01:00", "00:01:00", "00:00:30", "00:00:30", "00:03:00"}, "0");
        // Ferries count whether or not a driving stage follows them.
        // traghetti dopo l'ultima tappa con km
        prova({"NAPOLI|A3|110|A|", "PALERMO|TRAGHETTO|0|L|", "CAGLIARI|TRAGHETTO TIRRENIA|0||"}, v,
              {"110|01:00", "|", "|"}, {"110", "", "", "", "110"}, {"00:01:00", "", "", "", "00:01:00"}, "2");
    }

    // A speed that reads as 0 drives at the first entry of its list, 50 km/h.
    void velocitaNulla() {
        const auto prova = [&](QString velocita) {
            Planner pl;
            FormViandora& f = *pl.f;
            f.cmbMediaKm[0].SetText(velocita);
            ScriviTappe(f, {"ROMA|A1|100|A|"});
            f.CalcolaKmTempiItinerario();
            QCOMPARE(f.mfgTab.TextMatrix(1, 6), QStringLiteral("02:00"));
        };
        // zero
        prova("0");
        // non numerica
        prova("abc");
    }

    void righeSenzaChilometri() {
        Planner pl;
        FormViandora& f = *pl.f;
        Velocita(f, {"100", "100", "100", "100"});
        ScriviTappe(f, {"ROMA|A1|100|A|", "OSTIA|SS8|0|S|", "", "LATINA|SS7|50|S|"});
        // A pure stop keeps what its time columns held; a row without a
        // locality is emptied.
        f.mfgTab.SetTextMatrix(2, 5, "7");
        f.mfgTab.SetTextMatrix(2, 6, "00:10");
        f.mfgTab.SetTextMatrix(3, 2, "A1");
        f.mfgTab.SetTextMatrix(3, 7, "*");
        f.CalcolaKmTempiItinerario();
        QCOMPARE(Colonne(f.mfgTab, {1, 5, 6}),
                 QStringList({"ROMA|100|01:00", "OSTIA|7|00:10", "LATINA|150|00:30"}));
        for (int c = 1; c < f.mfgTab.Cols(); ++c)
            QVERIFY(f.mfgTab.TextMatrix(3, c).isEmpty());
        QCOMPARE(f.txtKmTot[1].Text, QString("50"));
    }

    void listaDeiGiorni() {
        // km: one motorway stage at 100 km/h
        // minimo: the list's first entry after "000"
        const auto prova = [&](int km, QString richiesti, QString mostrati, QString minimo) {
            Planner pl;
            FormViandora& f = *pl.f;
            Velocita(f, {"100", "100", "100", "100"});
            ScriviTappe(f, {QString("ROMA|A1|%1|A|").arg(km)});
            f.cmbGiorni.SetText(richiesti);
            f.CalcolaKmTempiItinerario();
            const QStringList voci = f.cmbGiorni.Voci();
            QCOMPARE(voci.first(), QString("000"));
            QCOMPARE(voci.value(1), minimo);
            QCOMPARE(f.cmbGiorni.Text(), mostrati);
        };

        // 9,900 km at 100 km/h: 4 days and 3 hours of driving, so 5 days.
        // 4 giorni e 3 ore, 3 richiesti
        prova(9900, "003", "005", "005");
        // richiesti più del minimo
        prova(9900, "010", "010", "005");
        // nessun giorno richiesto
        prova(9900, "000", "000", "005");
        // giorni interi
        prova(4800, "001", "002", "002");
        // nessun chilometro
        prova(0, "003", "003", "");
    }
};

QTEST_APPLESS_MAIN(TestTotali)
#include "test_totali.moc"
