// Command lists, confirmations, progress bar, exit and key filters.
#include <QTest>

#include "itinerary/Itinerario.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"

namespace {
const QStringList TuttiMeta = {"cmdCalcola", "cmdCancItin",   "cmdCancMeta", "cmdEsce",
                               "cmdExport",  "cmdGuidaCitta", "cmdImport",   "cmdItinerario",
                               "cmdNuovo",   "cmdRicerca",    "cmdSalva",    "cmdStampa"};
} // namespace

class TestComandi : public QObject {
    Q_OBJECT
private slots:
    void listeDiComandi_data() {
        QTest::addColumn<QString>("comandi");
        QTest::addColumn<QStringList>("abilitati");
        QTest::addColumn<QString>("captionEsce");
        QTest::addColumn<bool>("escAttivo");
        QTest::newRow("nessuna meta")
            << "NuImEs" << QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}) << "&Esce" << false;
        QTest::newRow("solo stop") << "Es" << QStringList({"cmdEsce"}) << "&Stop" << false;
        QTest::newRow("ricerca con Esc")
            << "NuRi" << QStringList({"cmdNuovo", "cmdRicerca"}) << "&Esce" << true;
        QTest::newRow("ricerca con uscita")
            << "NuRiEs" << QStringList({"cmdEsce", "cmdNuovo", "cmdRicerca"}) << "&Esce" << true;
        QTest::newRow("nessun codice") << "ZZ" << QStringList() << "&Esce" << false;
        QTest::newRow("codici minuscoli") << "nuri" << QStringList() << "&Esce" << false;
        QTest::newRow("tutti in minuscolo") << "aLL" << TuttiMeta << "&Esce" << false;
    }

    void listeDiComandi() {
        Planner pl;
        QFETCH(QString, comandi);
        QFETCH(QStringList, abilitati);
        QFETCH(QString, captionEsce);
        QFETCH(bool, escAttivo);
        pl->ComandiMeta = comandi;
        pl->ComandiItinerario = "ZZ";
        pl->AbilitaPulsantiComando();
        QCOMPARE(ComandiAbilitati(*pl), abilitati);
        QCOMPARE(pl->cmdEsce.Caption, captionEsce);
        QCOMPARE(pl->cmdEsce.Cancel, escAttivo);
        QCOMPARE(pl->cmdEsce.ToolTipText,
                 escAttivo ? QString("Esce dal form (Esc attivo)") : QString("Esce dal form"));
        QVERIFY(!pl->cmdConverte.Visible && !pl->cmdConverte.Enabled);
    }

    // What else decides: a timetable on screen, the stage editor open, the
    // number of stages.
    void comandiSecondoLoStato_data() {
        QTest::addColumn<QString>("meta");
        QTest::addColumn<QString>("itinerario");
        QTest::addColumn<QString>("stato"); // "calcolata", "editor" or the number of stages
        QTest::addColumn<QString>("metaDopo");
        QTest::addColumn<QStringList>("abilitati"); // in both panels
        auto caso = [](const char* nome, const char* meta, const char* itinerario, const char* stato,
                       const char* metaDopo, const QStringList& abilitati) {
            QTest::newRow(nome) << QString(meta) << QString(itinerario) << QString(stato) << QString(metaDopo)
                                << abilitati;
        };
        // cmdCerca needs more than one stage, and the import fewer than two.
        caso("itinerario intero, nessuna tappa", "ZZ", "All", "0", "ZZ",
             {"cmdAggiunge", "cmdAzzeraSoste", "cmdCancella", "cmdDuplica", "cmdFine", "cmdInserisce",
              "cmdMapPoint", "cmdMemorizza", "cmdRicalcola", "cmdRitorno", "cmdTrasferisce"});
        caso("itinerario intero, due tappe", "ZZ", "all", "2", "ZZ",
             {"cmdAggiunge", "cmdAzzeraSoste", "cmdCancella", "cmdCerca", "cmdDuplica", "cmdFine",
              "cmdInserisce", "cmdMemorizza", "cmdRicalcola", "cmdRitorno", "cmdTrasferisce"});
        caso("cerca con una tappa", "ZZ", "CeFi", "1", "ZZ", {"cmdFine", "cmdMapPoint"});
        caso("tabella calcolata: sblocca e stampa", "All", "ZZ", "calcolata", "CaSt",
             {"cmdCalcola", "cmdStampa", "cmdMapPoint"});
        caso("vv tiene tutto spento", "vv", "ZZ", "calcolata", "vv", {"cmdMapPoint"});
        caso("editor aperto: la meta aspetta", "All", "InFi", "editor", "F",
             {"cmdFine", "cmdInserisce", "cmdMapPoint"});
    }

    void comandiSecondoLoStato() {
        QFETCH(QString, meta);
        QFETCH(QString, itinerario);
        QFETCH(QString, stato);
        QFETCH(QString, metaDopo);
        QFETCH(QStringList, abilitati);
        Planner pl;
        if (stato == "calcolata")
            pl->cmdCalcola.Caption = "&Sblocca";
        else if (stato == "editor")
            pl->frmInputBox.Visible = true;
        else
            pl->Itinerario.NumeroTappe = qint16(stato.toInt());
        pl->ComandiMeta = meta;
        pl->ComandiItinerario = itinerario;
        pl->AbilitaPulsantiComando();
        QCOMPARE(pl->ComandiMeta, metaDopo);
        QCOMPARE(ComandiAbilitati(*pl) + ComandiAbilitati(*pl, "frmInputBox"), abilitati);
    }

    // "All" in either list also closes the stage search and gives Enter to the
    // exit button.
    void tuttiEPulsantePredefinito() {
        Planner pl;
        pl->cmbRicercaTappa.Visible = true;
        pl->cmdNuovo.Default = true;
        pl->ComandiMeta = "ZZ";
        pl->ComandiItinerario = "All";
        pl->AbilitaPulsantiComando();
        QVERIFY(!pl->cmbRicercaTappa.Visible);
        QVERIFY(pl->cmdEsce.Default && !pl->cmdNuovo.Default);
        QCOMPARE(pl->ComandiItinerario, QString("InAgCaRcRtCeFiMeDuAzTr"));
    }

    void stopDuranteIlCalcolo() {
        Planner pl;
        pl->ComandiMeta = "Es";
        pl->AbilitaPulsantiComando();
        pl.p.risposte = {Msg::No};
        pl->Click("cmdEsce");
        QVERIFY(!pl->Interrompi);
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdEsce");
        QVERIFY(pl->Interrompi);
        QVERIFY(!pl.p.terminato);
        QCOMPARE(pl.p.messaggi.last().testo, QString("Vuoi interrompere l'elaborazione?"));
        QCOMPARE(pl.p.messaggi.last().titolo, QString("Fine Lavoro"));
    }

    void uscitaConfermata() {
        Planner pl;
        pl->frmInputBox.Visible = true;
        pl->frmMeteTempi.Enabled = false;
        pl->mfgTab.Width = 7000;
        pl.p.risposte = {Msg::No};
        pl->Click("cmdEsce");
        QVERIFY(!pl.p.terminato);
        QVERIFY(pl->Db.Aperto());
        QCOMPARE(pl.p.messaggi.last().testo, QString("Vuoi chiudere la procedura?"));
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdEsce");
        QVERIFY(pl.p.terminato);
        QVERIFY(pl->Terminato());
        QVERIFY(!pl->Db.Aperto());
        QVERIFY(!pl->frmInputBox.Visible);
        QVERIFY(pl->frmMeteTempi.Enabled);
        QCOMPARE(pl->mfgTab.Width, 11535);
    }

    void chiusuraDallaCornice() {
        Planner pl;
        // While only the stop button is offered the window cannot be closed
        // under a running calculation.
        pl->ComandiMeta = "Es";
        pl->AbilitaPulsantiComando();
        pl.p.risposte = {Msg::Yes};
        bool annulla = false;
        pl->Form_QueryUnload(annulla);
        QVERIFY(annulla);
        QVERIFY(!pl.p.terminato);
        pl->ComandiMeta = "ZZ";
        pl->AbilitaPulsantiComando();
        pl->Form_QueryUnload(annulla);
        QVERIFY(annulla);
        QVERIFY(!pl.p.terminato);
        pl->ComandiMeta = "NuImEs";
        pl->AbilitaPulsantiComando();
        pl.p.risposte = {Msg::Yes};
        pl->Form_QueryUnload(annulla);
        QVERIFY(!annulla);
        QVERIFY(pl.p.terminato);
    }

    void boxConferma_data() {
        QTest::addColumn<QString>("operazione");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<QString>("domanda");
        QTest::newRow("accento") << "DF" << QStringLiteral("Memorizzazione dati mèta di default")
                                 << QStringLiteral("Confermi memorizzazione dati mèta di default?");
        QTest::newRow("frase") << "CI" << QString("la rinuncia alle eventuali modifiche dell'itinerario")
                               << "Confermi la rinuncia alle eventuali modifiche dell'itinerario?";
        QTest::newRow("testo libero") << "Prova" << QString("Prova") << "Confermi prova?";
        QTest::newRow("codice in minuscolo") << "df" << QString("df") << "Confermi df?";
    }

    void boxConferma() {
        Planner pl;
        QFETCH(QString, operazione);
        QFETCH(QString, titolo);
        QFETCH(QString, domanda);
        pl.p.risposte = {Msg::No};
        pl->BoxConferma(operazione);
        QCOMPARE(operazione, titolo);
        QCOMPARE(pl.p.messaggi.last().testo, domanda);
        QCOMPARE(pl.p.messaggi.last().titolo, titolo);
        QCOMPARE(pl.p.messaggi.last().pulsanti & 7, Msg::YesNo);
        QCOMPARE(pl->RispostaConferma, qint16(7));
        pl.p.risposte = {Msg::Yes};
        pl->BoxConferma(operazione);
        QCOMPARE(pl->RispostaConferma, qint16(6));
    }

    void barraDiAvanzamento() {
        Planner pl;
        const int base = pl->txtBase.Width;
        pl->TotaleProgresso = 200;
        pl->ContatoreProgresso = 74;
        const int eventi = pl.p.eventiElaborati;
        pl->AggiornaPercentuale();
        QVERIFY(pl->txtPerc.Visible);
        QCOMPARE(pl->txtPerc.Text, QString("37%"));
        QCOMPARE(pl->txtPerc.Width, base * 37 / 100);
        QVERIFY(pl.p.eventiElaborati > eventi);

        pl->ContatoreProgresso = 500;
        pl->AggiornaPercentuale();
        QCOMPARE(pl->ContatoreProgresso, 200.0);
        QCOMPARE(pl->txtPerc.Text, QString("100%"));
        QCOMPARE(pl->txtPerc.Width, base);

        pl->ContatoreProgresso = -3;
        pl->txtBase.Text = "x";
        pl->AggiornaPercentuale();
        QVERIFY(!pl->txtPerc.Visible);
        QCOMPARE(pl->txtPerc.Width, 0);
        QCOMPARE(pl->txtBase.Text, QString());
        QCOMPARE(pl->lblElaborazione.Caption,
                 QString("Sposta il mouse sui pulsanti/campi attivi per istruzioni."));

        // No total: nothing to divide by, the bar stays empty.
        pl->TotaleProgresso = 0;
        pl->ContatoreProgresso = 5;
        pl->AggiornaPercentuale();
        QVERIFY(!pl->txtPerc.Visible);

        pl->TotaleProgresso = 10;
        pl->ContatoreProgresso = 5;
        pl->AggiornaPercentuale();
        pl->AzzeraPercentuale();
        QCOMPARE(pl->TotaleProgresso, 0.0);
        QVERIFY(!pl->txtPerc.Visible);
    }

    void avanzamentoCancellazione() {
        Planner pl;
        // Deleting rows drives the same bar, one step per row.
        {
            Database::Transazione t(pl->Db);
            RecordSet& rs = pl->Db.Rs(2);
            for (int i = 1; i <= 4; ++i) {
                rs.AddNew();
                rs.Imposta("CodiceMeta", "000007");
                rs.Imposta("Sequenza", QString::number(i));
                rs.Update();
            }
            t.Conferma();
        }
        QStringList percentuali;
        pl.p.suEventi = [&] {
            if (pl->txtPerc.Visible) percentuali << pl->txtPerc.Text;
        };
        pl->Db.CancellaTabella(2, "CodiceMeta", "000007", pl.f.get());
        QCOMPARE(percentuali, QStringList({"25%", "50%", "75%", "100%"}));
        QCOMPARE(pl->TotaleProgresso, 0.0);
        QVERIFY(!pl->txtPerc.Visible);
    }

    void oraDiPartenza_data() {
        QTest::addColumn<QTime>("adesso");
        QTest::addColumn<QString>("ora");
        QTest::addColumn<QString>("minuti");
        QTest::newRow("10:52") << QTime(10, 52) << "10"
                               << "45";
        QTest::newRow("10:07") << QTime(10, 7) << "10"
                               << "00";
        QTest::newRow("10:08") << QTime(10, 8) << "10"
                               << "15";
        QTest::newRow("10:53 passa all'ora dopo") << QTime(10, 53) << "11"
                                                  << "00";
        QTest::newRow("23:59") << QTime(23, 59) << "24"
                               << "00";
        QTest::newRow("00:00") << QTime(0, 0) << "00"
                               << "00";
    }

    void oraDiPartenza() {
        Planner pl;
        QFETCH(QTime, adesso);
        QFETCH(QString, ora);
        QFETCH(QString, minuti);
        pl.p.adesso = QDateTime(QDate(2024, 2, 9), adesso);
        pl->frmGuida.Visible = true;
        pl->txtFine[0].Text = "12";
        pl->AzzeraSchermo();
        QCOMPARE(pl->cmbInizio[0].Text(), QString("09"));
        QCOMPARE(pl->cmbInizio[1].Text(), QString("02"));
        QCOMPARE(pl->cmbInizio[2].Text(), QString("2024"));
        QCOMPARE(pl->cmbInizio[3].Text(), ora);
        QCOMPARE(pl->cmbInizio[4].Text(), minuti);
        QVERIFY(!pl->frmGuida.Visible);
        QCOMPARE(pl->txtFine[0].Text, QString());
    }

    void filtriTastiera() {
        Planner pl;
        auto tasto = [&pl](const QString& controllo, int k) {
            pl->KeyPress(controllo, k);
            return k;
        };
        QCOMPARE(tasto("txtLocalita", 'a'), int('A'));
        QCOMPARE(tasto("txtNazione", 0xE0), 0xC0); // à -> À
        QCOMPARE(tasto("txtNazione", '\''), int('\''));
        QCOMPARE(tasto("cmbMediaKm(2)", '7'), int('7'));
        QCOMPARE(tasto("cmbMediaKm(2)", 8), 8);
        QCOMPARE(tasto("cmbMediaKm(0)", 'x'), 0);
        QCOMPARE(tasto("cmbMediaKm(3)", '.'), 0);
        QCOMPARE(tasto("cmbGiorni", '5'), int('5'));
        QCOMPARE(tasto("cmbGiorni", '-'), 0);
        for (const char* soloLista : {"cmbInizio(0)", "cmbInizio(4)", "cmbOra(8)", "cmbMin(0)", "cmbRipM",
                                      "cmbRipH", "cmbRipG", "cmbRipGG", "cmbSoste"})
            QCOMPARE(tasto(soloLista, '1'), 0);
        // The days wanted never exceed 997.
        pl->cmbGiorni.SetText("998");
        pl->Change("cmbGiorni");
        QCOMPARE(pl->cmbGiorni.Text(), QString("997"));
        pl->cmbGiorni.SetText("120");
        pl->Change("cmbGiorni");
        QCOMPARE(pl->cmbGiorni.Text(), QString("120"));
    }
};

QTEST_GUILESS_MAIN(TestComandi)
#include "test_comandi.moc"
