// The prepared stage table: which stop each choice keeps, the end-of-day
// flag and the rows after the last stage (a locality's guide counted once
// is the guide pass's test).
#include <QTest>

#include "ViaggioProva.h"
#include "common/Tempi.h"

class TestPreparazione : public QObject {
    Q_OBJECT
private slots:
    void sceltaDelleSoste() {
        const auto prova = [&](int scelta, QString sosta, QString guida, QStringList attese) {
            ViaggioInFinestra v;
            if (scelta == 0)
                v->cmbSoste.SetText("9 - ?");
            else
                v.Soste(scelta);
            if (!guida.isEmpty()) v.Voce("ROMA", "01", "Colosseo", guida);
            v.Tappe({"ROMA|A1|100|A|" + sosta, "NAPOLI|A1|200|A|01:00"});
            const float Ts = v.Prepara();

            const Griglia& t = v->mfgCopia;
            QCOMPARE(t.TextMatrix(1, 8), guida.isEmpty() ? QString() : "00:" + guida);
            QCOMPARE((QStringList{t.TextMatrix(1, 14), t.TextMatrix(1, 15), t.TextMatrix(1, 16),
                                  t.TextMatrix(1, 17)}),
                     attese);
            // The total is that of the stops kept, the second stage's hour included
            // unless the choice drops the itinerary's stops.
            QString primo = attese.at(3);
            const float atteso = (primo.isEmpty() ? 0 : ghmStringa2Centesimi(primo, 2400)) +
                                 (scelta == 2 || scelta == 5 ? 0 : 100);
            QCOMPARE(Ts, atteso);
            QVERIFY(!v->frmMetePeriodo.Enabled);
        };
        // The choice, the stage's stop, the guide's time, and columns 14, 15,
        // 16, 17 of the prepared row.
        // 1 entrambe
        prova(1, "01:00", "01:30", {"", "00:01:00", "00:01:30", "00:02:30"});
        // 2 solo guida, fine giornata tolta
        prova(2, "*01:00", "01:30", {"", "", "00:01:30", "00:01:30"});
        // 3 guida maggiore
        prova(3, "01:00", "01:30", {"", "", "00:01:30", "00:01:30"});
        // 3 pari tiene l'itinerario
        prova(3, "*01:30", "01:30", {"1", "00:01:30", "", "00:01:30"});
        // 3 senza guida
        prova(3, "01:00", "", {"", "00:01:00", "", "00:01:00"});
        // 4 itinerario minore
        prova(4, "01:00", "01:30", {"", "00:01:00", "", "00:01:00"});
        // 4 guida minore
        prova(4, "02:00", "01:30", {"", "", "00:01:30", "00:01:30"});
        // 4 senza sosta d'itinerario nessuna sosta
        prova(4, "*", "01:30", {"1", "", "", ""});
        // 5 nessuna sosta, fine giornata tolta
        prova(5, "*01:00", "01:30", {"", "", "", ""});
        // fine giornata senza soste
        prova(5, "*", "", {"1", "", "", ""});
        // scelta sconosciuta come 1
        prova(0, "01:00", "01:30", {"", "00:01:00", "00:01:30", "00:02:30"});
    }

    void tappeSenzaBuchi() {
        ViaggioInFinestra v;
        v.Tappe({"ROMA|A1|100|A|", "", "MILANO|A1|500|A|*02:00"});
        v->mfgTab.SetRows(30);
        const float Ts = v.Prepara();
        const Griglia& t = v->mfgCopia;
        QCOMPARE(t.Rows(), 30);
        QCOMPARE((QStringList{t.TextMatrix(2, 1), t.TextMatrix(2, 14), t.TextMatrix(2, 17)}),
                 (QStringList{"MILANO", "1", "00:02:00"}));
        for (int r = 3; r < t.Rows(); ++r)
            for (int c = 0; c < t.Cols(); ++c)
                QVERIFY(t.TextMatrix(r, c).isEmpty());
        QCOMPARE(Ts, 200.0f);
    }
};

QTEST_GUILESS_MAIN(TestPreparazione)
#include "test_preparazione.moc"
