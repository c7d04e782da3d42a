// The stage editor's list commands: saving, leaving with or without saving,
// clearing the stops, copying the guide's times into them, and the key
// filters of the entry fields.
#include <QTest>

#include "EditorProva.h"

namespace {
const QStringList Salvate = {"ROMA|0||0", "FIRENZE|280||0"};
const QStringList SalvateInGriglia = {"ROMA||||", "FIRENZE|A1|280|A|"};
const QStringList Modificate = {"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|*00:01:00"};

// Two stages saved, then a third written but not saved.
void SalvaEModifica(EditorProva& e) {
    FormViandora& f = e.f();
    Scrivi(f, "ROMA");
    Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
    e.p.risposte = {Msg::Yes};
    f.Click("cmdMemorizza");
    Scrivi(f, "BOLOGNA", "A1", "100", "Autostrada", "00:01:00", true);
    e.p.messaggi.clear();
}
} // namespace

class TestEditorComandi : public QObject {
    Q_OBJECT
private slots:
    void salvaReset_data();
    void salvaReset();
    void fineInserimento_data();
    void fineInserimento();
    void fineConGuastoNonPerdeNulla();
    void testiParticolari_data();
    void testiParticolari();
    void azzeraSoste_data();
    void azzeraSoste();
    void copiaSosteGuida();
    void copiaSosteGuidaConGuasto();
    void filtriTasti_data();
    void filtriTasti();
};

void TestEditorComandi::salvaReset_data() {
    QTest::addColumn<QList<int>>("risposte");
    QTest::addColumn<QStringList>("memorizzate");
    QTest::addColumn<QStringList>("griglia");
    const QStringList tutte = {"ROMA|0||0", "FIRENZE|280||0", "BOLOGNA|100|00:01:00|1"};
    QTest::newRow("salva") << QList<int>{Msg::Yes} << tutte << Modificate;
    QTest::newRow("recupera l'originale") << QList<int>{Msg::No, Msg::Yes} << Salvate << SalvateInGriglia;
    QTest::newRow("né salva né recupera") << QList<int>{Msg::No, Msg::No} << Salvate << Modificate;
    QTest::newRow("annulla") << QList<int>{Msg::Cancel} << Salvate << Modificate;
}

void TestEditorComandi::salvaReset() {
    QFETCH(QList<int>, risposte);
    QFETCH(QStringList, memorizzate);
    QFETCH(QStringList, griglia);
    EditorProva e;
    FormViandora& f = e.f();
    SalvaEModifica(e);
    e.p.risposte = risposte;
    f.Click("cmdMemorizza");

    QCOMPARE(e.p.messaggi.size(), risposte.size());
    QCOMPARE(e.p.messaggi[0].testo, QString("Vuoi salvare l'itinerario?"));
    QCOMPARE(e.p.messaggi[0].titolo, QString("Salvataggio itinerario"));
    QCOMPARE(e.p.messaggi[0].pulsanti & 7, Msg::YesNoCancel);
    if (risposte.size() > 1)
        QCOMPARE(e.p.messaggi[1].testo, QString("Vuoi recuperare l'itinerario originale?"));
    QCOMPARE(TappeMemorizzate(f), memorizzate);
    QCOMPARE(Tappe(f), griglia);
    QCOMPARE(f.NumeroTappe, qint16(griglia.size()));
    // The editor stays open in every case.
    QVERIFY(f.frmInputBox.Visible && f.cmdInserisce.Enabled && f.cmdFine.Default);
}

void TestEditorComandi::fineInserimento_data() {
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QStringList>("memorizzate");
    QTest::addColumn<QStringList>("griglia");
    QTest::addColumn<bool>("aperto");
    const QStringList tutte = {"ROMA|0||0", "FIRENZE|280||0", "BOLOGNA|100|00:01:00|1"};
    QTest::newRow("salva ed esce") << Msg::Yes << tutte << Modificate << false;
    QTest::newRow("esce senza salvare") << Msg::No << Salvate << SalvateInGriglia << false;
    QTest::newRow("annulla") << Msg::Cancel << Salvate << Modificate << true;
}

void TestEditorComandi::fineInserimento() {
    QFETCH(int, risposta);
    QFETCH(QStringList, memorizzate);
    QFETCH(QStringList, griglia);
    QFETCH(bool, aperto);
    EditorProva e;
    FormViandora& f = e.f();
    SalvaEModifica(e);
    e.p.risposte = {risposta};
    f.Click("cmdFine");

    QCOMPARE(e.p.messaggi.size(), 1);
    QCOMPARE(
        e.p.messaggi[0].testo,
        QString(
            "Hai chiesto di uscire dalla funzione 'Itinerari':\r\n\r\nVuoi salvare le eventuali modifiche?"));
    QCOMPARE(e.p.messaggi[0].titolo, QString("Fine inserimento"));
    QCOMPARE(TappeMemorizzate(f), memorizzate);
    QCOMPARE(Tappe(f), griglia);
    QCOMPARE(f.frmInputBox.Visible, aperto);
    QCOMPARE(f.cmdInserisce.Enabled, aperto);
    // Back on the trip screen its commands return.
    QCOMPARE(f.cmdItinerario.Enabled, !aperto);
    QCOMPARE(f.cmdNuovo.Enabled, !aperto);
    QCOMPARE(f.mfgTab.Width > 11000, !aperto);
}

void TestEditorComandi::fineConGuastoNonPerdeNulla() {
    EditorProva e;
    FormViandora& f = e.f();
    SalvaEModifica(e);
    // The second record written fails, as a full disk would.
    f.Db.ImpostaGuastoScrittura(2);
    e.p.risposte = {Msg::Yes};
    f.Click("cmdFine");
    f.Db.ImpostaGuastoScrittura(0);

    QCOMPARE(e.p.messaggi.size(), 2);
    QCOMPARE(e.p.messaggi[1].pulsanti & 0x70, Msg::Critical);
    // The stored version whole, the changes still on screen in the editor.
    QCOMPARE(TappeMemorizzate(f), Salvate);
    QCOMPARE(Tappe(f), Modificate);
    QVERIFY(f.frmInputBox.Visible);

    e.p.risposte = {Msg::Yes};
    f.Click("cmdFine");
    QCOMPARE(TappeMemorizzate(f), QStringList({"ROMA|0||0", "FIRENZE|280||0", "BOLOGNA|100|00:01:00|1"}));
    QVERIFY(!f.frmInputBox.Visible);
}

void TestEditorComandi::testiParticolari_data() {
    QTest::addColumn<QString>("localita");
    QTest::addColumn<QString>("strada");
    QTest::newRow("apostrofo") << "L'AQUILA"
                               << "A24 \"STRADA DEI PARCHI\"";
    QTest::newRow("accenti") << "CITTÀ DEL VATICANO"
                             << "VIA DELLA CONCILIAZIONE";
    QTest::newRow("apostrofo e accento") << "SANT'ANTIOCO È"
                                         << "SS126";
    QTest::newRow("segni di confronto") << "A<B=C>D\\E"
                                        << "'";
}

void TestEditorComandi::testiParticolari() {
    QFETCH(QString, localita);
    QFETCH(QString, strada);
    EditorProva e;
    FormViandora& f = e.f();
    VoceGuida(f, localita, "01:30");
    Scrivi(f, "ROMA");
    Scrivi(f, localita, strada, "200", "Autostrada");
    Scrivi(f, "PESCARA", "A25", "150", "Autostrada");
    Scrivi(f, localita, "A25", "150", "Autostrada");
    e.p.risposte = {Msg::Yes};
    f.Click("cmdTrasferisce");
    f.Click("cmdRitorno");
    const QStringList attese = {"ROMA||||", localita + "|" + strada + "|200|A|00:01:30", "PESCARA|A25|150|A|",
                                localita + "|A25|150|A|", "ROMA|" + strada + "|200|A|"};
    QCOMPARE(Tappe(f), attese);

    // Stored and loaded back unchanged, the guide time found again.
    f.Click("cmdFine");
    QVERIFY(!f.frmInputBox.Visible);
    QCOMPARE(Tappe(f), attese);
    QCOMPARE(f.mfgTab.TextMatrix(2, 8), QString("00:01:30"));
    f.Click("cmdItinerario");
    f.mfgTab.Row = 2;
    f.Click("mfgTab");
    QCOMPARE(f.txtTappa.Text, localita);
    QCOMPARE(f.txtStrada.Text, strada);
}

void TestEditorComandi::azzeraSoste_data() {
    QTest::addColumn<int>("risposta");
    QTest::addColumn<QStringList>("griglia");
    QTest::newRow("sì") << Msg::Yes << QStringList{"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|"};
    QTest::newRow("no") << Msg::No << Modificate;
}

void TestEditorComandi::azzeraSoste() {
    QFETCH(int, risposta);
    QFETCH(QStringList, griglia);
    EditorProva e;
    FormViandora& f = e.f();
    SalvaEModifica(e);
    e.p.risposte = {risposta};
    f.mfgTab.Row = 3;
    f.Click("mfgTab");
    QVERIFY(f.chkFineGiornata.Value);
    f.Click("cmdAzzeraSoste");

    QCOMPARE(e.p.messaggi.size(), 1);
    QCOMPARE(e.p.messaggi[0].titolo, QString("Azzera soste itinerario"));
    QCOMPARE(e.p.messaggi[0].testo,
             QString("Vuoi azzerare le soste indicate nell'itinerario?\r\n\r\n"
                     "I tempi traghetto e riposi non sono influenzati e la\r\n"
                     "cancellazione sarà effettiva dopo il salvataggio dell'itinerario."
                     "\r\n\r\nProcedo?"));
    QCOMPARE(Tappe(f), griglia);
    const bool azzerate = risposta == Msg::Yes;
    QCOMPARE(f.chkFineGiornata.Value, !azzerate);
    QCOMPARE(f.cmbSosta[1].Text(), azzerate ? QString("00") : QString("01"));
    QCOMPARE(f.mfgTab.Stile(3, 7).BackColor == -1, azzerate);
    // Only in memory until saved.
    QCOMPARE(TappeMemorizzate(f), Salvate);
}

void TestEditorComandi::copiaSosteGuida() {
    EditorProva e;
    FormViandora& f = e.f();
    Scrivi(f, "ROMA", "", "", "", "00:01:00", true);
    Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
    Scrivi(f, "PISA", "A11", "90", "Autostrada", "00:00:30");
    f.chkProgressivo.Value = false;
    Scrivi(f, "ROMA", "A12", "300", "Autostrada");
    VoceGuida(f, "ROMA", "01:30");
    VoceGuida(f, "ROMA", "00:45", "1");
    VoceGuida(f, "Firenze", "02:15");
    VoceGuida(f, "PISA", "00:00");

    e.p.risposte = {Msg::No};
    f.Click("cmdTrasferisce");
    QCOMPARE(e.p.messaggi[0].titolo, QString("Copia soste Guida -> Itinerario"));
    QCOMPARE(e.p.messaggi[0].testo,
             QString("Vuoi copiare le soste indicate nella Guida nelle tappe dell'itinerario?"
                     "\r\n\r\nI tempi traghetto e riposi non sono influenzati e la\r\n"
                     "modifica sarà effettiva dopo il salvataggio dell'itinerario."
                     "\r\n\r\nProcedo?"));
    QCOMPARE(f.mfgTab.TextMatrix(1, 7), QString("*00:01:00"));

    e.p.risposte = {Msg::Yes};
    f.Click("cmdTrasferisce");
    // Every entry once, the visited one too, on the locality's first stage;
    // the end-of-day mark stays.
    QCOMPARE(Tappe(f), QStringList({"ROMA||||*00:03:15", "FIRENZE|A1|280|A|00:02:15",
                                    "PISA|A11|90|A|00:00:30", "ROMA|A12|300|A|"}));
    QCOMPARE(f.ContatoreProgresso, 0.0);
    // Again: the stops already hold the guide's times, which are added once
    // more.
    f.Click("cmdTrasferisce");
    QCOMPARE(f.mfgTab.TextMatrix(1, 7), QString("*00:05:30"));
}

void TestEditorComandi::copiaSosteGuidaConGuasto() {
    EditorProva e;
    FormViandora& f = e.f();
    Scrivi(f, "ROMA", "", "", "", "00:01:00");
    Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
    VoceGuida(f, "ROMA", "01:30", "1");
    VoceGuida(f, "FIRENZE", "02:15", "1");
    f.Db.ImpostaGuastoScrittura(3);
    e.p.risposte = {Msg::Yes};
    f.Click("cmdTrasferisce");
    f.Db.ImpostaGuastoScrittura(0);

    QCOMPARE(e.p.messaggi.size(), 2);
    QCOMPARE(e.p.messaggi[1].pulsanti & 0x70, Msg::Critical);
    QCOMPARE(Tappe(f), QStringList({"ROMA||||00:01:00", "FIRENZE|A1|280|A|"}));
    // The flags as they were.
    f.Db.RecordSetImposta(7, Query("GuidaCitta").Dove("FlagVisto", "1"));
    QCOMPARE(f.Db.NumeroRecord, 2.0);
}

void TestEditorComandi::filtriTasti_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("passati"); // "_" for a discarded key
    QTest::newRow("località") << "txtTappa"
                              << "l'aquila à"
                              << "L'AQUILA À";
    QTest::newRow("strada") << "txtStrada"
                            << "a1 tragh"
                            << "A1 TRAGH";
    QTest::newRow("km") << "txtKm"
                        << "12a.\b 9"
                        << "12____9";
    QTest::newRow("tipo strada") << "cmbTipoStrada"
                                 << "A\b"
                                 << "__";
    QTest::newRow("giorni di sosta") << "cmbSosta(0)"
                                     << "1"
                                     << "_";
    QTest::newRow("ore di sosta") << "cmbSosta(1)"
                                  << "2"
                                  << "_";
    QTest::newRow("minuti di sosta") << "cmbSosta(2)"
                                     << "3"
                                     << "_";
}

void TestEditorComandi::filtriTasti() {
    QFETCH(QString, campo);
    QFETCH(QString, tasti);
    QFETCH(QString, passati);
    EditorProva e;
    FormViandora& f = e.f();
    QVERIFY(f.HaGestoreTasti(campo));
    QString risultato;
    for (QChar c : tasti) {
        int k = c.unicode();
        f.KeyPress(campo, k);
        risultato += k == 0 ? QChar(u'_') : QChar(k);
    }
    QCOMPARE(risultato, passati);
}

QTEST_GUILESS_MAIN(TestEditorComandi)
#include "test_editor_comandi.moc"
