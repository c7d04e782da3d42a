// The trip screen's lists, defaults and parameter checks.
#include <QTest>

#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {
QStringList Schermo(FormViandora& f) {
    QStringList v;
    for (int k = 0; k < 4; ++k)
        v << f.cmbMediaKm[k].Text();
    for (int k = 0; k < 9; ++k)
        v << f.cmbOra[k].Text() + ":" + f.cmbMin[k].Text();
    v << f.cmbRipM.Text() << f.cmbRipH.Text() << f.cmbRipG.Text() << f.cmbRipGG.Text() << f.cmbSoste.Text();
    return v;
}

const QStringList Incorporati = {"75",    "65",    "50",    "30",    "09:00", "12:30",
                                 "20:00", "22:30", "02:30", "01:45", "09:00", "18:00",
                                 "06:00", "15",    "03",    "01",    "05",    "3 - Sosta Maggiore "};

void Orario(FormViandora& f, int k, const QString& ora, const QString& minuti) {
    f.cmbOra[k].SetText(ora);
    f.cmbMin[k].SetText(minuti);
}
} // namespace

class TestParametriMeta : public QObject {
    Q_OBJECT
private slots:
    void primoAvvioMostraEScriveIDefault() {
        Planner pl(false);
        pl.p.adesso = QDateTime(QDate(2024, 2, 10), QTime(10, 52));
        pl.Riapri();
        QCOMPARE(Schermo(*pl), Incorporati);
        pl->Db.RecordSetImposta(SlotMeta, Query("Parametri"));
        QCOMPARE(pl->Db.NumeroRecord, 1.0);
        RecordSet& rs = pl->Db.Rs(8);
        QCOMPARE(rs.Testo("MediaAutostrada"), QString("75"));
        QCOMPARE(rs.Testo("OraNotte"), QString("2230"));
        QCOMPARE(rs.Testo("CalcoloSoste"), QString("3"));
        // The start: today, at the hour, minutes down to the quarter.
        QCOMPARE(pl->cmbInizio[0].Text() + pl->cmbInizio[1].Text() + pl->cmbInizio[2].Text(),
                 QString("10022024"));
        QCOMPARE(pl->cmbInizio[3].Text() + ":" + pl->cmbInizio[4].Text(), QString("10:45"));
        QCOMPARE(pl->txtInizioGSett.Text, QString("Sab"));
        QCOMPARE(pl->Meta.ParametriMeta.TempoGuidaGiornaliero, 0.0f); // not checked yet
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->Meta.ParametriMeta.TempoGuidaGiornaliero, 925.0f);
        QCOMPARE(pl->Meta.ParametriMeta.TempoVisitaGiornaliero, 900.0f);
    }

    void defaultSalvatiSopravvivonoAlRiavvio() {
        Planner pl;
        pl->cmbMediaKm[0].SetText("110");
        Orario(*pl, 3, "23", "30");
        pl->cmbSoste.SetListIndex(0);
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(0)");
        QCOMPARE(pl.p.messaggi.last().testo, QString("Operazione eseguita!"));
        QCOMPARE(pl.p.messaggi.last().titolo, QString("Dati di default"));

        // A new start shows the built-in values and keeps the saved ones.
        pl.Riapri();
        QCOMPARE(Schermo(*pl), Incorporati);
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(1)");
        QCOMPARE(pl->cmbMediaKm[0].Text(), QString("110"));
        QCOMPARE(pl->cmbOra[3].Text() + pl->cmbMin[3].Text(), QString("2330"));
        QCOMPARE(pl->cmbSoste.Text(), QString("1 - Soste itinerario"));

        // Reset brings back and stores the built-in values.
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(2)");
        QCOMPARE(Schermo(*pl), Incorporati);
        pl->Db.RecordSetImposta(SlotMeta, Query("Parametri"));
        QCOMPARE(pl->Db.NumeroRecord, 1.0);
        QCOMPARE(pl->Db.Rs(8).Testo("MediaAutostrada"), QString("75"));
    }

    void pulsantiDefaultChiedonoConferma() {
        Planner pl;
        pl->cmbMediaKm[0].SetText("99");
        pl.p.risposte = {Msg::No};
        pl->Click("cmdDefault(0)");
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi[0].testo, QString("Vuoi salvare i dati di default?"));
        pl->Db.RecordSetImposta(SlotMeta, Query("Parametri"));
        QCOMPARE(pl->Db.Rs(8).Testo("MediaAutostrada"), QString("75"));
        pl.p.risposte = {Msg::No};
        pl->Click("cmdDefault(2)");
        QCOMPARE(pl.p.messaggi.last().testo, QString("Vuoi ripristinare i dati di default?"));
        QCOMPARE(pl->cmbMediaKm[0].Text(), QString("99"));
    }

    void elenchiDelloSchermo() {
        Planner pl;
        QCOMPARE(pl->cmbInizio[2].List(0), QString("1998"));
        // Up to five years from today.
        QCOMPARE(pl->cmbInizio[2].List(pl->cmbInizio[2].ListCount() - 1),
                 QString::number(pl.p.adesso.date().year() + 5));
        QCOMPARE(pl->cmbInizio[4].Voci(), QStringList({"00", "15", "30", "45"}));
        QCOMPARE(pl->cmbOra[3].Voci(), QStringList({"20", "21", "22", "23", "24"}));
        QCOMPARE(pl->cmbMediaKm[0].ListCount(), 91);
        QCOMPARE(pl->cmbSoste.Voci(),
                 QStringList({"1 - Soste itinerario", "2 - Soste Guida", "3 - Sosta Maggiore ",
                              "4 - Sosta minore", "5 - Nessuna sosta!"}));
    }

    void giorniDelMese() {
        Planner pl;
        pl->cmbInizio[0].SetText("31");
        pl->cmbInizio[2].SetText("2024");
        pl->cmbInizio[1].SetText("02");
        pl->Click("cmbInizio(1)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 29);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("29"));
        QCOMPARE(pl->txtInizioGSett.Text, QString("Gio"));
        pl->cmbInizio[2].SetText("2023");
        pl->Click("cmbInizio(2)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 28);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("28"));
        // Choosing the day keeps the list.
        pl->cmbInizio[0].SetText("05");
        pl->Click("cmbInizio(0)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 28);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("05"));
    }

    void correzioniDegliOrari() {
        Planner pl;
        // Lunch at 11:00 with breakfast at 10:30: breakfast to the list's first hour.
        Orario(*pl, 0, "10", "30");
        Orario(*pl, 1, "11", "00");
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->cmbOra[0].Text() + ":" + pl->cmbMin[0].Text(), QString("00:30"));
        QCOMPARE(pl->Meta.ParametriMeta.OraColazione, 50.0f);

        // Visits ending after the night stop end with it.
        Orario(*pl, 3, "23", "30");
        Orario(*pl, 7, "24", "00");
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->cmbOra[7].Text() + ":" + pl->cmbMin[7].Text(), QString("23:30"));
        QCOMPARE(pl->Meta.ParametriMeta.FineVisita, 2350.0f);

        // An hour beyond its list goes to the list's end.
        Orario(*pl, 8, "30", "00");
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->cmbOra[8].Text(), QString("24"));
    }

    void controlloSempreFinito() {
        Planner pl;
        // Dinner 18:00 for 2:15 with the night at 20:00: the dinner is already at
        // its list's first hour, so the correction changes nothing and the check
        // ends.
        Orario(*pl, 2, "18", "00");
        Orario(*pl, 5, "02", "15");
        Orario(*pl, 3, "20", "00");
        Orario(*pl, 7, "18", "00");
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->cmbOra[2].Text(), QString("18"));
        QCOMPARE(pl->Meta.ParametriMeta.OraNotte, 2000.0f);
        pl->Aggiorna(true);
        QVERIFY(pl->Meta.ParametriMeta.OraNotte > pl->Meta.ParametriMeta.OraCena);
    }

    void notteAlleVentiquattro() {
        Planner pl;
        Orario(*pl, 3, "24", "00");
        Orario(*pl, 2, "20", "00");
        pl->Aggiorna(true);
        QCOMPARE(pl->cmbOra[3].Text() + ":" + pl->cmbMin[3].Text(), QString("24:00"));
        QCOMPARE(pl->cmbOra[2].Text() + ":" + pl->cmbMin[2].Text(), QString("20:00"));
        pl->Aggiorna(true);
        QCOMPARE(pl->Meta.ParametriMeta.OraNotte, 2400.0f);
        QCOMPARE(pl->cmbOra[3].Text(), QString("24"));
    }

    void riposiInCentesimi_data() {
        QTest::addColumn<QString>("minuti");
        QTest::addColumn<int>("centesimi");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("20") << "20" << 33 << "20";
        QTest::newRow("5") << "05" << 8 << "05";
        QTest::newRow("10") << "10" << 17 << "10";
        QTest::newRow("60") << "60" << 100 << "60";
        QTest::newRow("oltre un'ora") << "75" << 0 << "00";
    }

    void riposiInCentesimi() {
        Planner pl;
        QFETCH(QString, minuti);
        QFETCH(int, centesimi);
        QFETCH(QString, mostrato);
        pl->cmbRipM.SetText(minuti);
        pl->ControllaVariabiliConvertite();
        QCOMPARE(int(pl->Meta.ParametriMeta.RiposoMinuti), centesimi);
        pl->Aggiorna(true);
        QCOMPARE(pl->cmbRipM.Text(), mostrato);
    }

    void velocitaNulleDiventanoLaPrima() {
        Planner pl;
        pl->cmbMediaKm[0].SetText("0");
        pl->cmbMediaKm[1].SetText("");
        pl->cmbMediaKm[2].SetText("abc");
        pl->cmbMediaKm[3].SetText("35");
        pl->ControllaVariabiliConvertite();
        QCOMPARE(pl->cmbMediaKm[0].Text(), QString("50"));
        QCOMPARE(pl->cmbMediaKm[1].Text(), QString("45"));
        QCOMPARE(pl->cmbMediaKm[2].Text(), QString("30"));
        QCOMPARE(pl->cmbMediaKm[3].Text(), QString("35"));
    }

    void valoriArchiviatiFuoriLista() {
        Planner pl;
        // Values of an old file or of another installation: out of range, empty
        // or not numbers.
        pl->cmbRipH.SetText("xx");
        pl->cmbRipG.SetText("9");
        pl->cmbRipGG.SetText("-3");
        Orario(*pl, 1, "", "");
        Orario(*pl, 6, "ab", "cd");
        pl->cmbGiorni.SetText("-5");
        pl->Aggiorna(true);
        QCOMPARE(pl->cmbRipH.Text(), QString("00"));
        QCOMPARE(pl->cmbRipG.Text(), QString("00"));
        QCOMPARE(pl->cmbRipGG.Text(), QString("00"));
        QCOMPARE(int(pl->Meta.ParametriMeta.GiorniAdeguamento), 0);
        QVERIFY(pl->cmbOra[1].ListIndex() >= 0);
        QVERIFY(pl->cmbOra[6].ListIndex() >= 0);
        QVERIFY(pl->Meta.ParametriMeta.OraPranzo > pl->Meta.ParametriMeta.OraColazione);
    }
};

QTEST_GUILESS_MAIN(TestParametriMeta)
#include "test_parametri_meta.moc"
