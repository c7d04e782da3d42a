// Command lists, confirmations, progress bar, exit and key filters.
#include <QTemporaryDir>
#include <QTest>

#include "shell/FormViandora.h"
#include "support/ComandiAbilitati.h"
#include "support/PiattaformaProva.h"

namespace {
QStringList Abilitati(FormViandora& f, const QString& pannello) { return ComandiAbilitati(f, pannello); }

const QStringList TuttiMeta = {"cmdCalcola",  "cmdCancItin", "cmdCancMeta", "cmdEsce",
                               "cmdExport",   "cmdGuidaCitta", "cmdImport", "cmdItinerario",
                               "cmdNuovo",    "cmdRicerca",  "cmdSalva",    "cmdStampa"};
} // namespace

class TestComandi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listeDiComandi_data();
    void listeDiComandi();
    void tuttiIComandiEPulsantePredefinito();
    void itinerarioCercaEImport();
    void tabellaCalcolataLasciaSbloccaEStampa();
    void pannelloDiInserimentoBloccaLaMeta();
    void stopDuranteIlCalcolo();
    void uscitaConfermata();
    void chiusuraDallaCornice();

    void boxConferma_data();
    void boxConferma();

    void barraDiAvanzamento();
    void avanzamentoCancellazione();

    void oraDiPartenza_data();
    void oraDiPartenza();

    void filtriTastiera();

private:
    QTemporaryDir* dir_ = nullptr;
    PiattaformaProva* p_ = nullptr;
    FormViandora* f_ = nullptr;
};

void TestComandi::init() {
    dir_ = new QTemporaryDir;
    p_ = new PiattaformaProva;
    f_ = new FormViandora(*p_, dir_->path() + "/");
    QVERIFY(f_->Form_Load());
}

void TestComandi::cleanup() {
    delete f_;
    delete p_;
    delete dir_;
}

void TestComandi::listeDiComandi_data() {
    QTest::addColumn<QString>("comandi");
    QTest::addColumn<QStringList>("abilitati");
    QTest::addColumn<QString>("captionEsce");
    QTest::addColumn<bool>("escAttivo");
    QTest::newRow("nessuna meta") << "NuImEs" << QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}) << "&Esce"
                                  << false;
    QTest::newRow("solo stop") << "Es" << QStringList({"cmdEsce"}) << "&Stop" << false;
    QTest::newRow("ricerca con Esc") << "NuRi" << QStringList({"cmdNuovo", "cmdRicerca"}) << "&Esce" << true;
    QTest::newRow("ricerca con uscita") << "NuRiEs" << QStringList({"cmdEsce", "cmdNuovo", "cmdRicerca"})
                                        << "&Esce" << true;
    QTest::newRow("nessun codice") << "ZZ" << QStringList() << "&Esce" << false;
    QTest::newRow("codici minuscoli") << "nuri" << QStringList() << "&Esce" << false;
    QTest::newRow("tutti in minuscolo") << "aLL" << TuttiMeta << "&Esce" << false;
}

void TestComandi::listeDiComandi() {
    QFETCH(QString, comandi);
    QFETCH(QStringList, abilitati);
    QFETCH(QString, captionEsce);
    QFETCH(bool, escAttivo);
    f_->ComandiMeta = comandi;
    f_->ComandiItinerario = "ZZ";
    f_->AbilitaPulsantiComando();
    QCOMPARE(Abilitati(*f_, "frmBottoni"), abilitati);
    QCOMPARE(f_->cmdEsce.Caption, captionEsce);
    QCOMPARE(f_->cmdEsce.Cancel, escAttivo);
    QCOMPARE(f_->cmdEsce.ToolTipText, escAttivo ? QString("Esce dal form (Esc attivo)") : QString("Esce dal form"));
    QVERIFY(!f_->cmdConverte.Visible && !f_->cmdConverte.Enabled);
}

void TestComandi::tuttiIComandiEPulsantePredefinito() {
    f_->cmbRicercaTappa.Visible = true;
    f_->cmdNuovo.Default = true;
    f_->ComandiMeta = "ZZ";
    f_->ComandiItinerario = "All";
    f_->AbilitaPulsantiComando();
    QVERIFY(!f_->cmbRicercaTappa.Visible);
    QVERIFY(f_->cmdEsce.Default);
    QVERIFY(!f_->cmdNuovo.Default);
    QCOMPARE(f_->ComandiItinerario, QString("InAgCaRcRtCeFiMeDuAzTr"));
    QCOMPARE(Abilitati(*f_, "frmBottoni"), QStringList());
    // cmdCerca needs more than one stage, and the import needs fewer than two.
    QStringList attesi = {"cmdAggiunge", "cmdAzzeraSoste", "cmdCancella", "cmdDuplica", "cmdFine", "cmdInserisce",
                          "cmdMapPoint", "cmdMemorizza", "cmdRicalcola", "cmdRitorno", "cmdTrasferisce"};
    QCOMPARE(Abilitati(*f_, "frmInputBox"), attesi);
}

void TestComandi::itinerarioCercaEImport() {
    f_->ComandiItinerario = "all";
    f_->NumeroTappe = 2;
    f_->AbilitaPulsantiComando();
    QVERIFY(f_->cmdCerca.Enabled);
    QVERIFY(!f_->cmdMapPoint.Enabled);
    f_->ComandiItinerario = "CeFi";
    f_->NumeroTappe = 1;
    f_->AbilitaPulsantiComando();
    QCOMPARE(Abilitati(*f_, "frmInputBox"), QStringList({"cmdFine", "cmdMapPoint"}));
}

void TestComandi::tabellaCalcolataLasciaSbloccaEStampa() {
    f_->cmdCalcola.Caption = "&Sblocca";
    f_->ComandiMeta = "All";
    f_->AbilitaPulsantiComando();
    QCOMPARE(f_->ComandiMeta, QString("CaSt"));
    QCOMPARE(Abilitati(*f_, "frmBottoni"), QStringList({"cmdCalcola", "cmdStampa"}));
    // "vv" keeps everything disabled even then.
    f_->ComandiMeta = "vv";
    f_->AbilitaPulsantiComando();
    QCOMPARE(Abilitati(*f_, "frmBottoni"), QStringList());
}

void TestComandi::pannelloDiInserimentoBloccaLaMeta() {
    f_->frmInputBox.Visible = true;
    f_->ComandiMeta = "All";
    f_->ComandiItinerario = "InFi";
    f_->AbilitaPulsantiComando();
    QCOMPARE(f_->ComandiMeta, QString("F"));
    QCOMPARE(Abilitati(*f_, "frmBottoni"), QStringList());
    QCOMPARE(Abilitati(*f_, "frmInputBox"), QStringList({"cmdFine", "cmdInserisce", "cmdMapPoint"}));
}

void TestComandi::stopDuranteIlCalcolo() {
    f_->ComandiMeta = "Es";
    f_->AbilitaPulsantiComando();
    p_->risposte = {Msg::No};
    f_->Click("cmdEsce");
    QVERIFY(!f_->Interrompi);
    p_->risposte = {Msg::Yes};
    f_->Click("cmdEsce");
    QVERIFY(f_->Interrompi);
    QVERIFY(!p_->terminato);
    QCOMPARE(p_->messaggi.last().testo, QString("Vuoi interrompere l'elaborazione?"));
    QCOMPARE(p_->messaggi.last().titolo, QString("Fine Lavoro"));
}

void TestComandi::uscitaConfermata() {
    f_->frmInputBox.Visible = true;
    f_->frmMeteTempi.Enabled = false;
    f_->mfgTab.Width = 7000;
    p_->risposte = {Msg::No};
    f_->Click("cmdEsce");
    QVERIFY(!p_->terminato);
    QVERIFY(f_->Db.Aperto());
    QCOMPARE(p_->messaggi.last().testo, QString("Vuoi chiudere la procedura?"));
    p_->risposte = {Msg::Yes};
    f_->Click("cmdEsce");
    QVERIFY(p_->terminato);
    QVERIFY(f_->Terminato());
    QVERIFY(!f_->Db.Aperto());
    QVERIFY(!f_->frmInputBox.Visible);
    QVERIFY(f_->frmMeteTempi.Enabled);
    QCOMPARE(f_->mfgTab.Width, 11535);
}

void TestComandi::chiusuraDallaCornice() {
    // While only the stop button is offered the window cannot be closed
    // under a running calculation.
    f_->ComandiMeta = "Es";
    f_->AbilitaPulsantiComando();
    p_->risposte = {Msg::Yes};
    bool annulla = false;
    f_->Form_QueryUnload(annulla);
    QVERIFY(annulla);
    QVERIFY(!p_->terminato);
    f_->ComandiMeta = "ZZ";
    f_->AbilitaPulsantiComando();
    f_->Form_QueryUnload(annulla);
    QVERIFY(annulla);
    QVERIFY(!p_->terminato);
    f_->ComandiMeta = "NuImEs";
    f_->AbilitaPulsantiComando();
    p_->risposte = {Msg::Yes};
    f_->Form_QueryUnload(annulla);
    QVERIFY(!annulla);
    QVERIFY(p_->terminato);
}

void TestComandi::boxConferma_data() {
    QTest::addColumn<QString>("operazione");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QString>("domanda");
    QTest::newRow("I") << "I" << "Inserimento meta" << "Confermi inserimento meta?";
    QTest::newRow("DF") << "DF" << QStringLiteral("Memorizzazione dati mèta di default")
                        << QStringLiteral("Confermi memorizzazione dati mèta di default?");
    QTest::newRow("CI") << "CI" << "la rinuncia alle eventuali modifiche dell'itinerario"
                        << "Confermi la rinuncia alle eventuali modifiche dell'itinerario?";
    QTest::newRow("IM") << "IM" << QStringLiteral("Import delle mète selezionate nei propri archivi")
                        << QStringLiteral("Confermi import delle mète selezionate nei propri archivi?");
    QTest::newRow("testo libero") << "Prova" << "Prova" << "Confermi prova?";
    QTest::newRow("codice in minuscolo") << "df" << "df" << "Confermi df?";
}

void TestComandi::boxConferma() {
    QFETCH(QString, operazione);
    QFETCH(QString, titolo);
    QFETCH(QString, domanda);
    p_->risposte = {Msg::No};
    f_->BoxConferma(operazione);
    QCOMPARE(operazione, titolo);
    QCOMPARE(p_->messaggi.last().testo, domanda);
    QCOMPARE(p_->messaggi.last().titolo, titolo);
    QCOMPARE(p_->messaggi.last().pulsanti & 7, Msg::YesNo);
    QCOMPARE(f_->RispostaConferma, qint16(7));
    p_->risposte = {Msg::Yes};
    f_->BoxConferma(operazione);
    QCOMPARE(f_->RispostaConferma, qint16(6));
}

void TestComandi::barraDiAvanzamento() {
    const int base = f_->txtBase.Width;
    f_->TotaleProgresso = 200;
    f_->ContatoreProgresso = 74;
    const int eventi = p_->eventiElaborati;
    f_->AggiornaPercentuale();
    QVERIFY(f_->txtPerc.Visible);
    QCOMPARE(f_->txtPerc.Text, QString("37%"));
    QCOMPARE(f_->txtPerc.Width, base * 37 / 100);
    QVERIFY(p_->eventiElaborati > eventi);

    f_->ContatoreProgresso = 500;
    f_->AggiornaPercentuale();
    QCOMPARE(f_->ContatoreProgresso, 200.0);
    QCOMPARE(f_->txtPerc.Text, QString("100%"));
    QCOMPARE(f_->txtPerc.Width, base);

    f_->ContatoreProgresso = -3;
    f_->txtBase.Text = "x";
    f_->AggiornaPercentuale();
    QVERIFY(!f_->txtPerc.Visible);
    QCOMPARE(f_->txtPerc.Width, 0);
    QCOMPARE(f_->txtBase.Text, QString());
    QCOMPARE(f_->lblElaborazione.Caption, QString("Sposta il mouse sui pulsanti/campi attivi per istruzioni."));

    // No total: nothing to divide by, the bar stays empty.
    f_->TotaleProgresso = 0;
    f_->ContatoreProgresso = 5;
    f_->AggiornaPercentuale();
    QVERIFY(!f_->txtPerc.Visible);

    f_->TotaleProgresso = 10;
    f_->ContatoreProgresso = 5;
    f_->AggiornaPercentuale();
    f_->AzzeraPercentuale();
    QCOMPARE(f_->TotaleProgresso, 0.0);
    QVERIFY(!f_->txtPerc.Visible);
}

void TestComandi::avanzamentoCancellazione() {
    // Deleting rows drives the same bar, one step per row.
    {
        Database::Transazione t(f_->Db);
        RecordSet& rs = f_->Db.Rs(2);
        for (int i = 1; i <= 4; ++i) {
            rs.AddNew();
            rs.Imposta("CodiceMeta", "000007");
            rs.Imposta("Sequenza", QString::number(i));
            rs.Update();
        }
        t.Conferma();
    }
    QStringList percentuali;
    p_->suEventi = [&] {
        if (f_->txtPerc.Visible)
            percentuali << f_->txtPerc.Text;
    };
    f_->Db.CancellaTabella(2, "CodiceMeta", "000007", f_);
    QCOMPARE(percentuali, QStringList({"25%", "50%", "75%", "100%"}));
    QCOMPARE(f_->TotaleProgresso, 0.0);
    QVERIFY(!f_->txtPerc.Visible);
}

void TestComandi::oraDiPartenza_data() {
    QTest::addColumn<QTime>("adesso");
    QTest::addColumn<QString>("ora");
    QTest::addColumn<QString>("minuti");
    QTest::newRow("10:52") << QTime(10, 52) << "10" << "45";
    QTest::newRow("10:07") << QTime(10, 7) << "10" << "00";
    QTest::newRow("10:08") << QTime(10, 8) << "10" << "15";
    QTest::newRow("10:53 passa all'ora dopo") << QTime(10, 53) << "11" << "00";
    QTest::newRow("23:59") << QTime(23, 59) << "24" << "00";
    QTest::newRow("00:00") << QTime(0, 0) << "00" << "00";
}

void TestComandi::oraDiPartenza() {
    QFETCH(QTime, adesso);
    QFETCH(QString, ora);
    QFETCH(QString, minuti);
    p_->adesso = QDateTime(QDate(2024, 2, 9), adesso);
    f_->frmGuida.Visible = true;
    f_->txtFine[0].Text = "12";
    f_->AzzeraSchermo();
    QCOMPARE(f_->cmbInizio[0].Text(), QString("09"));
    QCOMPARE(f_->cmbInizio[1].Text(), QString("02"));
    QCOMPARE(f_->cmbInizio[2].Text(), QString("2024"));
    QCOMPARE(f_->cmbInizio[3].Text(), ora);
    QCOMPARE(f_->cmbInizio[4].Text(), minuti);
    QVERIFY(!f_->frmGuida.Visible);
    QCOMPARE(f_->txtFine[0].Text, QString());
}

void TestComandi::filtriTastiera() {
    auto tasto = [this](const QString& controllo, int k) {
        f_->KeyPress(controllo, k);
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
    for (const char* soloLista : {"cmbInizio(0)", "cmbInizio(4)", "cmbOra(8)", "cmbMin(0)", "cmbRipM", "cmbRipH",
                                  "cmbRipG", "cmbRipGG", "cmbSoste"})
        QCOMPARE(tasto(soloLista, '1'), 0);
    // The days wanted never exceed 997.
    f_->cmbGiorni.SetText("998");
    f_->Change("cmbGiorni");
    QCOMPARE(f_->cmbGiorni.Text(), QString("997"));
    f_->cmbGiorni.SetText("120");
    f_->Change("cmbGiorni");
    QCOMPARE(f_->cmbGiorni.Text(), QString("120"));
}

QTEST_GUILESS_MAIN(TestComandi)
#include "test_comandi.moc"
