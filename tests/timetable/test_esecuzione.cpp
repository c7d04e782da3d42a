// The calculation run: passes and days fitting, messages, return limits, the
// locked timetable view, unlocking, stopping and a failing database.
#include <QTest>

#include "ViaggioProva.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

namespace {
const QStringList TreTappe = {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|", "PRATO|A11|75|A|"};

QStringList Limiti(const FormViandora& f) {
    QStringList limiti;
    for (int r = 0; r < f.mfgTab.Rows(); ++r)
        if (!f.mfgTab.TextMatrix(r, 13).isEmpty())
            limiti << QString::number(r) + ":" + f.mfgTab.TextMatrix(r, 13);
    return limiti;
}
} // namespace

class TestEsecuzione : public QObject {
    Q_OBJECT
private slots:
    void adeguamentoDeiGiorni_data() {
        QTest::addColumn<QString>("giorni");
        QTest::addColumn<bool>("stampa");
        QTest::addColumn<QStringList>("tappe");
        QTest::addColumn<int>("passate");
        QTest::addColumn<QString>("messaggio");
        const QStringList due = {"AREZZO|A1|350|A|01:00", "FIRENZE|A1|100|A|"};
        const QString conclusa = "Elaborazione conclusa in 1 tentativi!";
        QTest::newRow("nessun adeguamento") << "000" << false << due << 1 << "";
        // A first day's drive without stops ends on the same day.
        QTest::newRow("giusto alla prima") << "001" << false << due << 1 << conclusa;
        QTest::newRow("per la stampa nessun messaggio") << "001" << true << due << 1 << "";
        // Stops cannot shorten the driving of two days.
        QTest::newRow("impossibile") << "001" << false << QStringList{"BARI|A14|1500|A|01:00"} << 11
                                     << QString("Elaborazione impossibile! (tentativi effettuati n. 11)");
        // No driving and no stops: one day, whatever the days field held.
        QTest::newRow("senza tempi") << "001" << false << QStringList{"ROMA||0|A|", "OSTIA||0|A|"} << 1
                                     << conclusa;
    }

    void adeguamentoDeiGiorni() {
        QFETCH(QString, giorni);
        QFETCH(bool, stampa);
        QFETCH(QStringList, tappe);
        QFETCH(int, passate);
        QFETCH(QString, messaggio);

        ViaggioInFinestra v;
        v.Giorni(giorni);
        if (stampa) v->Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Stampa;
        v.Tappe(tappe);
        v->txtGiorni.Text = "9";
        // While the final message is shown the run is over on screen too.
        QString esce;
        bool barra = true;
        v.p.suMessaggio = [&] { esce = v->cmdEsce.Caption, barra = v->txtPerc.Visible; };
        v.Calcola();
        QCOMPARE(v->TabellaDiMarcia.Calcolo.NumeroTentativo, passate);
        QVERIFY(v->Itinerario.TabellaCalcolata && v->cmdStampa.Enabled && !v->cmdNuovo.Enabled);
        QCOMPARE(v.p.messaggi.size(), messaggio.isEmpty() ? 0 : 1);
        if (!messaggio.isEmpty()) {
            QCOMPARE(v.p.messaggi.first().testo, messaggio);
            QVERIFY(esce == "&Esce" && !barra);
        }
        // The estimate of one day scales the stops by 0.999.
        QCOMPARE(v->mfgCopia.TextMatrix(1, 17),
                 QString(tappe.first().endsWith("01:00") && passate == 1 ? "00:01:00" : ""));
    }

    void fattoreDellaPrimaPassata() {
        // 9 days and 12 hours of stops and 1:44 of driving: 13 days estimated,
        // 10 asked for.
        ViaggioInFinestra v;
        v.Giorni("010");
        v.Tappe({"ROMA|A1|100|A|09:12:00", "OSTIA|SS8|30|A|"});
        QStringList passate;
        v.p.suEventi = [&] {
            const QString e = v->lblElaborazione.Caption;
            if (e.startsWith("Calcolo della tabella di marcia") && !passate.contains(e)) passate << e;
        };
        v.Calcola();
        QCOMPARE(passate.value(0), QString("Calcolo della tabella di marcia, text n. 1/11 [13/10*I=0,769]"));
        QCOMPARE(v->TabellaDiMarcia.Calcolo.NumeroTentativo, int(passate.size()));
    }

    void limitiDiRitorno_data() {
        QTest::addColumn<QString>("partenza");
        QTest::addColumn<QStringList>("tappe");
        QTest::addColumn<QStringList>("limiti");
        const QStringList cinque = {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|", "PRATO|A11|75|A|",
                                    "PISTOIA|A11|350|A|", "LUCCA|A11|500|A|"};
        QTest::newRow("un giorno") << "05/08/2006" << QStringList{"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|"}
                                   << QStringList{"0:Limite ritorno", "1:<05/08-21:45", "2:<05/08-15:00",
                                                  "16:>05/08-21:45"};
        // The last driving row, followed by a stop or by empty rows only, has
        // no continuation limit: the turn-back pass gives it its own.
        QTest::newRow("sosta dopo l'ultima guida")
            << "05/08/2006" << QStringList{"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|01:00"}
            << QStringList{"0:Limite ritorno", "1:<06/08-10:00", "2:<05/08-16:45", "17:>06/08-10:00"};
        // The limits after New Year keep their year.
        QTest::newRow("a capodanno") << "31/12/2006" << cinque
                                     << QStringList{"0:Limite ritorno", "1:<01/01-21:45", "2:<01/01-15:00",
                                                    "3:<01/01-11:45",   "4:>01/01-15:00", "16:>01/01-21:45"};
    }

    void limitiDiRitorno() {
        QFETCH(QString, partenza);
        QFETCH(QStringList, tappe);
        QFETCH(QStringList, limiti);
        ViaggioInFinestra v;
        v.Partenza(partenza, "09:00");
        v.Velocita(0, "100");
        v.Tappe(tappe);
        v.Calcola();
        QCOMPARE(Limiti(*v), limiti);
    }

    // A date that is no date: the message names the trip and the field, and
    // the stage list stays.
    void dataInsensata() {
        ViaggioInFinestra v;
        v->Meta.CodiceMetaCorrente = "000007";
        v.Partenza("31/02/2007", "09:00");
        v.Tappe(TreTappe);
        const QStringList prima = Elenco(*v);
        v.Calcola();
        QVERIFY(!v->Itinerario.TabellaCalcolata);
        QCOMPARE(v.p.messaggi.size(), 1);
        QVERIFY(v.p.messaggi[0].testo.startsWith("Mèta 000007, campo DataInizio: \"31022007\""));
        QCOMPARE(Elenco(*v), prima);
        QVERIFY(v->cmdCalcola.Enabled);
    }

    // "&Stop" pressed while the only stage of the trip is driven ends the run
    // there, not at the next stage.
    void stopDentroUnaTappa() {
        ViaggioInFinestra v;
        v.Tappe({"PALERMO|A1|9000|A|"});
        bool premuto = false;
        v.p.suEventi = [&] {
            if (!premuto && v->lblElaborazione.Caption.startsWith("Calcolo della tabella") &&
                v->ContatoreProgresso == 1) {
                premuto = true;
                v.p.risposte = {Msg::Yes};
                v->Click("cmdEsce");
            }
        };
        v.Calcola();
        v.p.suEventi = nullptr;
        QVERIFY(premuto);
        QVERIFY(!v->Itinerario.TabellaCalcolata);
        QVERIFY(v->TabellaDiMarcia.Calcolo.RigaTabella < 10);
        QCOMPARE(v->cmdCalcola.Caption, QString("&Calcola"));
    }

    void sbloccoRidaLElencoTappe() {
        ViaggioInFinestra v;
        v.Tappe({"AREZZO|A1|350|A|*01:00", "FIRENZE|A1|500|A|02:00", "", "PRATO|A11|75|S|"});
        const QStringList prima = Elenco(*v);
        QCOMPARE(prima.size(), 3);
        v.Calcola();
        QVERIFY(v->Itinerario.TabellaCalcolata && Elenco(*v) != prima);

        v.Calcola();
        QVERIFY(!v->Itinerario.TabellaCalcolata && v->frmMetePeriodo.Enabled);
        // The stages come back in order, without the empty row.
        QCOMPARE(Elenco(*v), prima);

        // And calculate again from the list given back.
        v.Calcola();
        QVERIFY(v->Itinerario.TabellaCalcolata);
        QCOMPARE(v->mfgTab.TextMatrix(1, 1), QString("verso: Arezzo"));
    }

    void stopDuranteIlCalcolo_data() {
        QTest::addColumn<bool>("ricalcola");
        QTest::addColumn<int>("eventi");
        QTest::newRow("calcola, prima della passata") << false << 0;
        QTest::newRow("calcola, a metà passata") << false << 3;
        QTest::newRow("ricalcola dall'editor") << true << 2;
    }

    void stopDuranteIlCalcolo() {
        QFETCH(bool, ricalcola);
        QFETCH(int, eventi);
        ViaggioInFinestra v;
        v.Tappe(TreTappe);
        if (ricalcola) {
            v->Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Ricalcola;
            v->AttivitaInserimentoItinerario();
        }
        const QStringList prima = Elenco(*v);

        // The exit button, captioned "&Stop" while the run goes on, is pressed
        // once the bar has been drawn a few times.
        int contati = 0;
        v.p.suEventi = [&] {
            if (v->cmdEsce.Caption == "&Stop" && contati++ == eventi) {
                v.p.risposte = {Msg::Yes};
                v->Click("cmdEsce");
            }
        };
        v->Click(ricalcola ? "cmdRicalcola" : "cmdCalcola");
        v.p.suEventi = nullptr;

        QVERIFY(v->Interrompi);
        QCOMPARE(v.p.messaggi.size(), 1);
        QCOMPARE(v.p.messaggi.first().testo, QString("Vuoi interrompere l'elaborazione?"));
        QVERIFY(!v->Itinerario.TabellaCalcolata);
        QCOMPARE(v->cmdCalcola.Caption + v->cmdEsce.Caption, QString("&Calcola&Esce"));
        QCOMPARE(Elenco(*v), prima);
        // Back to the stage editor, or to the trip screen's commands.
        QCOMPARE(v->frmInputBox.Visible, ricalcola);
        QCOMPARE(v->cmdCalcola.Enabled, !ricalcola);
        QCOMPARE(v->cmdRicalcola.Enabled, ricalcola);
    }

    void guastoDelDatabase() {
        ViaggioInFinestra v;
        // Counting the entry marks it visited: the first write of the run.
        v.Voce("AREZZO", "01", "Duomo", "01:00");
        v.Tappe(TreTappe);
        const QStringList flag = VociGuida(*v);
        const QStringList prima = Elenco(*v);
        v->Db.ImpostaGuastoScrittura(1);
        v.Calcola();
        v->Db.ImpostaGuastoScrittura(0);

        QCOMPARE(v.p.messaggi.size(), 1);
        QVERIFY(v.p.messaggi.first().testo.startsWith("Errore di scrittura nel database"));
        QCOMPARE(VociGuida(*v), flag);
        QCOMPARE(Elenco(*v), prima);
        // Nothing is left locked: the user can calculate again.
        QVERIFY(!v->Itinerario.TabellaCalcolata && v->cmdCalcola.Enabled && v->cmdEsce.Enabled);
        v.Calcola();
        QVERIFY(v->Itinerario.TabellaCalcolata);
        QCOMPARE(VociGuida(*v), QStringList{"AREZZO|01|Duomo|01:00|1"});
    }
};

QTEST_GUILESS_MAIN(TestEsecuzione)
#include "test_esecuzione.moc"
