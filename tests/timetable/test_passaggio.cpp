// One pass of the timetable: segments, meals, nights, rests, rest days,
// stops within the visiting hours, guide rows and the trip screen's totals.
#include <QTest>

#include "ViaggioProva.h"
#include "timetable/TabellaDiMarcia.h"

namespace {
// Columns 0 to 12 but the hidden guide column.
const QList<int> Visibili = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12};

// "chiave=valore": A, S, P, L average speeds; ripM, ripH, ripG, ripGG the
// rests; oraK the time pair K of the trip screen.
void Imposta(ViaggioInFinestra& v, const QStringList& parametri) {
    for (const QString& p : parametri) {
        const QString chiave = p.section(u'=', 0, 0);
        const QString valore = p.section(u'=', 1);
        const qsizetype tipo = QStringLiteral("ASPL").indexOf(chiave);
        if (chiave.size() == 1 && tipo >= 0)
            v.Velocita(int(tipo), valore);
        else if (const int r = QStringList{"ripM", "ripH", "ripG", "ripGG"}.indexOf(chiave); r >= 0)
            (r == 0 ? v->cmbRipM : r == 1 ? v->cmbRipH : r == 2 ? v->cmbRipG : v->cmbRipGG).SetText(valore);
        else if (chiave.startsWith("ora"))
            v.Ora(chiave.mid(3).toInt(), valore);
        else
            QFAIL(qPrintable("parametro sconosciuto: " + p));
    }
}
} // namespace

class TestPassaggio : public QObject {
    Q_OBJECT
private slots:
    void tabellaDiMarcia_data() {
        QTest::addColumn<QString>("partenza");
        QTest::addColumn<QStringList>("parametri");
        QTest::addColumn<QStringList>("tappe");
        QTest::addColumn<QStringList>("righe");

        QTest::newRow("riposo breve")
            << "08:00" << QStringList{"A=100", "ripM=15", "ripH=02"} << QStringList{"ROMA|A1|300|A|"}
            << QStringList{"1|verso: Roma|A1|200|A|200|02:00||Sab|05/08|10:00|+ Riposo 15'",
                           "2|ROMA|A1|100|A|300|01:00||Sab|05/08|11:15|"};
        QTest::newRow("cena e notte")
            << "17:00" << QStringList{"A=100"} << QStringList{"NAPOLI|A1|1000|A|"}
            << QStringList{"1|verso: Napoli|A1|300|A|300|03:00||Sab|05/08|20:00|Cena",
                           "2|verso: Napoli|A1|75|A|375|00:45||Sab|05/08|22:30|Notte",
                           "3|verso: Napoli|A1|350|A|725|03:30||Dom|06/08|12:30|Pranzo",
                           "4|NAPOLI|A1|275|A|1.000|02:45||Dom|06/08|17:45|"};
        QTest::newRow("giorni di riposo")
            << "09:00" << QStringList{"A=100", "ripG=01", "ripGG=03"} << QStringList{"BARI|A14|3000|A|"}
            << QStringList{"1|verso: Bari|A14|350|A|350|03:30||Sab|05/08|12:30|Pranzo",
                           "2|verso: Bari|A14|500|A|850|05:00||Sab|05/08|20:00|Cena",
                           "3|verso: Bari|A14|75|A|925|00:45||Sab|05/08|22:30|Notte",
                           "4|verso: Bari|A14|350|A|1.275|03:30||Dom|06/08|12:30|Pranzo",
                           "5|verso: Bari|A14|500|A|1.775|05:00||Dom|06/08|20:00|Cena",
                           "6|verso: Bari|A14|75|A|1.850|00:45||Dom|06/08|22:30|Notte",
                           "7|verso: Bari|A14|350|A|2.200|03:30||Lun|07/08|12:30|Pranzo",
                           "8|verso: Bari|A14|500|A|2.700|05:00||Lun|07/08|20:00|Cena",
                           "9|verso: Bari|A14|75|A|2.775|00:45||Lun|07/08|* 22:30|Notte",
                           "10|BARI|A14|225|A|3.000|02:15||Mer|09/08|11:15|"};
        QTest::newRow("sosta di un giorno come riposo")
            << "09:00" << QStringList{"A=100", "ripG=01", "ripGG=03"}
            << QStringList{"ASTI|A1|925|A|01:00:00", "BRA|A1|500|A|"}
            << QStringList{"1|verso: Asti|A1|350|A|350|03:30||Sab|05/08|12:30|Pranzo",
                           "2|verso: Asti|A1|500|A|850|05:00||Sab|05/08|20:00|Cena",
                           "3|ASTI|A1|75|A|925|00:45||Sab|05/08|22:30|Notte",
                           "|a: Asti||||||01:00:00|Mar|08/08|15:00|Visita",
                           "5|BRA|A1|500|A|1.425|05:00||Mar|08/08|20:00|Cena"};
        QTest::newRow("fine giornata, colazione prima delle visite")
            << "09:00" << QStringList{"A=100", "ora0=08:00", "ora6=10:00"}
            << QStringList{"COMO|A9|100|A|*01:00", "LECCO|A9|100|A|"}
            << QStringList{"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|",
                           "|a: Como||||||00:01:00*|Dom|06/08|08:00|Visita/f.g.",
                           "3|LECCO|A9|100|A|200|01:00||Dom|06/08|09:00|"};
        QTest::newRow("traghetto") << "09:00" << QStringList{"A=100"} << QStringList{"OLBIA|TRAGHETTO|100|A|"}
                                   << QStringList{"1|OLBIA|TRAGHETTO|100|A|100|01:00||Sab|05/08|10:00|",
                                                  "|a: Olbia|||||||Sab|05/08|16:00|Traghetto/Visita"};
        QTest::newRow("tappa senza km né sosta")
            << "09:00" << QStringList{"A=100"} << QStringList{"ROMA||0|A|", "TIVOLI|SS5|100|A|"}
            << QStringList{"1|ROMA||||||||||", "2|TIVOLI|SS5|100|A|100|01:00||Sab|05/08|10:00|"};
        QTest::newRow("sosta senza km") << "09:00" << QStringList{"A=100"} << QStringList{"ROMA|A1|0|A|01:00"}
                                        << QStringList{"1|ROMA|A1|0|A||||Sab|05/08|09:00|",
                                                       "|a: Roma||||||00:01:00|Sab|05/08|10:00|Visita"};
        QTest::newRow("pranzo due volte")
            << "11:00" << QStringList{"A=100", "ora4=00:00"}
            << QStringList{"PISA|A12|150|A|", "LUCCA|A11|10|A|"}
            << QStringList{"1|PISA|A12|150|A|150|01:30||Sab|05/08|12:30|Pranzo",
                           "2|LUCCA|A11|10|A|160|00:06||Sab|05/08|12:36|Pranzo"};

        // Uneven speeds: every segment time is rounded to the hundredth of an
        // hour, and the clock adds the rounded times.
        QTest::newRow("velocità dispari")
            << "15:02" << QStringList{"A=45"} << QStringList{"ASTI|A21|100|A|", "BRA|SP7|7|A|"}
            << QStringList{"1|ASTI|A21|100|A|100|02:13||Sab|05/08|17:15|",
                           "2|BRA|SP7|7|A|107|00:10||Sab|05/08|17:25|"};
        // 1.6 intervals since the last pause give one rest, not two.
        QTest::newRow("riposi a velocità dispari")
            << "08:00" << QStringList{"A=45", "ripM=15", "ripH=01"}
            << QStringList{"ROMA|A1|27|A|", "TIVOLI|A24|100|A|"}
            << QStringList{"1|ROMA|A1|27|A|27|00:36||Sab|05/08|08:36|",
                           "2|verso: Tivoli|A24|45|A|72|01:00||Sab|05/08|09:36|+ Riposo 15'",
                           "3|verso: Tivoli|A24|45|A|117|01:00||Sab|05/08|10:51|+ Riposo 15'",
                           "4|TIVOLI|A24|10|A|127|00:13||Sab|05/08|11:19|+ Riposo 15'"};
        QTest::newRow("riposi di 0 minuti")
            << "15:30" << QStringList{"A=45", "ripM=00", "ripH=01"} << QStringList{"ASTI|A21|100|A|"}
            << QStringList{"1|ASTI|A21|100|A|100|02:13||Sab|05/08|17:43|"};
        // Breakfast and the start of the visits at different hours: a stop
        // that ends with the visiting hours goes on at breakfast, one that
        // does not at the start of the visits.
        QTest::newRow("sosta fino a fine visita, colazione prima delle visite")
            << "09:00" << QStringList{"A=100", "ora0=08:00", "ora6=10:00"}
            << QStringList{"COMO|A9|100|A|08:00", "LECCO|A9|100|A|"}
            << QStringList{"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|",
                           "|a: Como||||||00:08:00|Dom|06/08|08:00|Visita",
                           "3|LECCO|A9|100|A|200|01:00||Dom|06/08|09:00|"};
        QTest::newRow("sosta oltre le visite, colazione prima delle visite")
            << "09:00" << QStringList{"A=100", "ora0=08:00", "ora6=10:00"}
            << QStringList{"COMO|A9|100|A|09:00", "LECCO|A9|50|A|"}
            << QStringList{"1|COMO|A9|100|A|100|01:00||Sab|05/08|10:00|",
                           "|a: Como||||||00:09:00|Dom|06/08|11:00|Visita",
                           "3|LECCO|A9|50|A|150|00:30||Dom|06/08|11:30|"};

        // Starts and arrivals past the night, and a clock past lunch, must bring
        // the day to its end instead of cutting every segment to 1 km.
        QTest::newRow("partenza all'ora della notte")
            << "22:30" << QStringList{"A=100"} << QStringList{"RIETI|SS4|100|A|"}
            << QStringList{"1|RIETI|SS4|100|A|100|01:00||Dom|06/08|10:00|"};
        QTest::newRow("cena oltre la notte")
            << "17:00" << QStringList{"A=100", "ora2=18:00", "ora5=02:30", "ora3=20:00"}
            << QStringList{"SIENA|A1|500|A|"}
            << QStringList{"1|verso: Siena|A1|100|A|100|01:00||Sab|05/08|18:00|CenaNotte",
                           "2|verso: Siena|A1|350|A|450|03:30||Dom|06/08|12:30|Pranzo",
                           "3|SIENA|A1|50|A|500|00:30||Dom|06/08|15:30|"};
        QTest::newRow("pasti mancati a passo lento")
            << "08:45" << QStringList{"L=2", "ripM=00"} << QStringList{"TODI|SP|40|L|"}
            << QStringList{"1|verso: Todi|SP|7|L|7|03:30||Sab|05/08|12:15|",
                           "2|verso: Todi|SP|1|L|8|00:30||Sab|05/08|12:45|",
                           "3|verso: Todi|SP|14|L|22|07:00||Sab|05/08|19:45|",
                           "4|verso: Todi|SP|5|L|27|02:30||Sab|05/08|22:15|",
                           "5|verso: Todi|SP|1|L|28|00:30||Sab|05/08|22:45|Notte",
                           "6|verso: Todi|SP|7|L|35|03:30||Dom|06/08|12:30|Pranzo",
                           "7|TODI|SP|5|L|40|02:30||Dom|06/08|17:30|"};
    }

    void tabellaDiMarcia() {
        QFETCH(QString, partenza);
        QFETCH(QStringList, parametri);
        QFETCH(QStringList, tappe);
        QFETCH(QStringList, righe);

        ViaggioInFinestra v;
        v.Partenza("05/08/2006", partenza);
        Imposta(v, parametri);
        v.Tappe(tappe);
        v.Calcola();
        QVERIFY(v.p.messaggi.isEmpty());
        QCOMPARE(Colonne(v->mfgTab, Visibili), righe);
    }

    void totaliSulloSchermoDellaMeta() {
        ViaggioInFinestra v;
        v.Partenza("05/08/2006", "17:00");
        v.Velocita(0, "100");
        v.Velocita(1, "65");
        v.Tappe({"NAPOLI|A1|1000|A|", "SORRENTO|SS145|130|S|"});
        v->txtTragh.Text = "7";
        v.Calcola();

        QStringList totali;
        for (int k = 0; k < 5; ++k)
            totali << v->txtKmTot[k].Text + " " + v->txtTempo[k].Text;
        QCOMPARE(totali.join(u'|'), QString("1.000 00:10:00|130 00:02:00| | |1.130 00:12:00"));
        // Arrival at Sorrento at 19:45 on the second day.
        QString fine = v->txtTragh.Text;
        for (const CasellaTesto& t : v->txtFine)
            fine += " " + t.Text;
        QCOMPARE(fine + " " + v->txtGiorni.Text, QString("0 06 08 2006 19 45 Dom 2"));
    }

    void righeDellaGuida() {
        ViaggioInFinestra v;
        v.Partenza("05/08/2006", "09:00");
        v.Velocita(0, "100");
        v.Voce("ROMA", "03", "Colosseo", "02:00");
        v.Voce("ROMA", "01", "Vaticano", "03:30");
        v.Voce("ROMA", "05", "Parcheggio", "00:00");
        v.Voce("ROMA", "11", "Senza tipo", "00:30");
        v.Voce("ROMA", "01", "Pantheon", "00:15");
        v.Voce("OSTIA", "02", "Scavi", "01:00");
        // Roma twice in a row: its guide time counts once, its entries show twice.
        v.Tappe({"ROMA|A1|100|A|", "ROMA|A1|0|A|01:00", "OSTIA|SS8|30|A|"});
        v.Calcola();

        QStringList voci;
        for (const char* voce :
             {" > Pantheon|00:15|Ottimo", " > Vaticano|03:30|Ottimo", " > Colosseo|02:00|Interessante",
              " > Parcheggio||Punto Sosta", " > Senza tipo|00:30|"}) {
            const QStringList c = QString(voce).split(u'|');
            voci << "|" + c[0] + "||||||" + c[1] + "||||" + c[2];
        }
        const QStringList attese = QStringList{"1|ROMA|A1|100|A|100|01:00||Sab|05/08|10:00|",
                                               "|a: Roma||||||00:06:15|Sab|05/08|16:15|Visita"} +
                                   voci +
                                   QStringList{"8|ROMA|A1|0|A|100|||Sab|05/08|16:15|",
                                               "|a: Roma||||||00:01:00|Sab|05/08|17:15|Visita"} +
                                   voci +
                                   QStringList{"15|OSTIA|SS8|30|A|130|00:18||Sab|05/08|17:33|",
                                               "|a: Ostia||||||00:01:00|Dom|06/08|09:33|Visita",
                                               "| > Scavi||||||01:00||||Da vedere"};
        QCOMPARE(Colonne(v->mfgTab, Visibili), attese);

        // The guide's time cells stand out; the others do not.
        QVERIFY(v->mfgTab.Stile(3, 7).Bold && !v->mfgTab.Stile(2, 7).Bold && !v->mfgTab.Stile(1, 7).Bold);
    }

    void oltre32767Km() {
        ViaggioInFinestra v;
        v.Velocita(0, "140");
        v.Tappe({"CAPO NORD|E6|20000|A|", "LISBONA|E1|20000|A|"});
        v.Calcola();
        const FormViandora& f = *v;
        QCOMPARE(f.txtKmTot[4].Text, QString("40.000"));
        // Every row's kilometres add up to the trip, and the last one reaches it.
        int km = 0, progressivi = 0;
        for (int r = 1; r < f.TabellaDiMarcia.Calcolo.RigaTabella; ++r) {
            km += f.mfgTab.TextMatrix(r, 3).toInt();
            if (!f.mfgTab.TextMatrix(r, 5).isEmpty())
                progressivi = QString(f.mfgTab.TextMatrix(r, 5)).remove(u'.').toInt();
        }
        QCOMPARE(km, 40000);
        QCOMPARE(progressivi, 40000);
    }

    void righeSoloNumeroERighe() {
        ViaggioInFinestra v;
        v.Tappe({"ROMA|A1|100|A|", "TIVOLI|SS5|30|S|"});
        v.Calcola();
        // The prepared table keeps the stage grid's empty rows: each gives a
        // numbered row without a locality after the last stage.
        const FormViandora& f = *v;
        QCOMPARE(f.TabellaDiMarcia.Calcolo.RigaTabella, int(FormViandora::RigheVisibili));
        QCOMPARE(
            (QStringList{f.mfgTab.TextMatrix(3, 0), f.mfgTab.TextMatrix(3, 1), f.mfgTab.TextMatrix(16, 0)}),
            (QStringList{"3", "", "16"}));
    }
};

QTEST_GUILESS_MAIN(TestPassaggio)
#include "test_passaggio.moc"
