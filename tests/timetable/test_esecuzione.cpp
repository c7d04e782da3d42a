// The calculation run in the window: passes, messages, stopping and a
// failing database (unlocking is the real window's test).
#include <QTest>

#include "ViaggioProva.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"
#include "trip/Meta.h"

namespace {
const QStringList TreTappe = {"AREZZO|A1|350|A|", "FIRENZE|A1|500|A|", "PRATO|A11|75|A|"};
} // namespace

class TestEsecuzione : public QObject {
    Q_OBJECT
private slots:
    // The fitting to the days asked for is the engine's test; on screen each
    // pass says its estimate (9 days and 12 hours of stops and 1:44 of
    // driving: 13 days estimated, 10 asked for), and the final message shows
    // once the run is over, but not for a printout.
    void adeguamentoSulloSchermo() {
        for (const bool stampa : {false, true}) {
            ViaggioInFinestra v;
            v.Giorni("010");
            if (stampa) v->Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Stampa;
            v.Tappe({"ROMA|A1|100|A|09:12:00", "OSTIA|SS8|30|A|"});
            QString esce;
            bool barra = true;
            v.p.suMessaggio = [&] { esce = v->cmdEsce.Caption, barra = v->txtPerc.Visible; };
            QStringList passate;
            v.p.suEventi = [&] {
                const QString e = v->lblElaborazione.Caption;
                if (e.startsWith("Calcolo della tabella di marcia") && !passate.contains(e)) passate << e;
            };
            v.Calcola();
            QVERIFY(v->Itinerario.TabellaCalcolata && v->cmdStampa.Enabled && !v->cmdNuovo.Enabled);
            QCOMPARE(v.p.messaggi.size(), stampa ? 0 : 1);
            if (!stampa) QVERIFY(esce == "&Esce" && !barra);
            QCOMPARE(passate.value(0),
                     QString("Calcolo della tabella di marcia, text n. 1/11 [13/10*I=0,769]"));
            QCOMPARE(v->TabellaDiMarcia.Calcolo.NumeroTentativo, int(passate.size()));
        }
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

    // From the trip screen before and during a pass, and from the editor.
    void stopDuranteIlCalcolo() {
        for (const auto& [ricalcola, eventi] : {std::pair{false, 0}, {false, 3}, {true, 2}}) {
            ViaggioInFinestra v;
            v.Tappe(TreTappe);
            if (ricalcola) {
                v->Itinerario.AttivitaCorrente = StatoItinerario::Attivita::Ricalcola;
                v->Tappe.AttivitaInserimentoItinerario();
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
