// The stage editor's list commands: saving, leaving with or without saving,
// clearing the stops and copying the guide's times into them.
#include <QTest>

#include "EditorProva.h"
#include "shell/Itinerario.h"
#include "trip/Meta.h"

namespace {
const QStringList Salvate = {"ROMA|0| |0", "FIRENZE|280| |0"};
const QStringList Tutte = {"ROMA|0| |0", "FIRENZE|280| |0", "BOLOGNA|100|00:01:00|1"};
const QStringList SalvateInGriglia = {"ROMA||||", "FIRENZE|A1|280|A|"};
const QStringList Modificate = {"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|*00:01:00"};

// Two stages saved, then a third written but not saved.
void SalvaEModifica(EditorProva& e) {
    FormViandora& f = *e;
    Scrivi(f, "ROMA");
    Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
    e.p.risposte = {Msg::Yes};
    f.Click("cmdMemorizza");
    Scrivi(f, "BOLOGNA", "A1", "100", "Autostrada", "00:01:00", true);
    e.p.messaggi.clear();
}
// The stored stages of the open trip.
QStringList TappeMemorizzate(FormViandora& f) {
    return RecordItinerario(f, f.Meta.CodiceMetaCorrente,
                            {"Localita", "Chilometri", "TempoSosta", "FineGiorno"});
}
} // namespace

class TestEditorComandi : public QObject {
    Q_OBJECT
private slots:
    // "Salva Reset" and "Fine inser.": save, take back the stored version, or
    // keep the changes on screen; only leaving closes the editor.
    void salvaOEsce() {
        const auto prova = [&](QString comando, QList<int> risposte, QStringList memorizzate,
                               QStringList griglia, bool aperto) {
            EditorProva e;
            FormViandora& f = *e;
            SalvaEModifica(e);
            e.p.risposte = risposte;
            f.Click(comando);

            QCOMPARE(e.p.messaggi.size(), risposte.size());
            QCOMPARE(e.p.messaggi[0].pulsanti & 7, Msg::YesNoCancel);
            QCOMPARE(TappeMemorizzate(f), memorizzate);
            QCOMPARE(Tappe(f), griglia);
            QCOMPARE(f.Itinerario.NumeroTappe, qint16(griglia.size()));
            QCOMPARE(f.frmInputBox.Visible, aperto);
            QCOMPARE(f.cmdInserisce.Enabled, aperto);
            // Back on the trip screen its commands return.
            QCOMPARE(f.cmdNuovo.Enabled, !aperto);
        };
        const QString reset = "cmdMemorizza", fine = "cmdFine";
        // salva
        prova(reset, QList<int>{Msg::Yes}, Tutte, Modificate, true);
        // recupera
        prova(reset, QList<int>{Msg::No, Msg::Yes}, Salvate, SalvateInGriglia, true);
        // né salva né recupera
        prova(reset, QList<int>{Msg::No, Msg::No}, Salvate, Modificate, true);
        // annulla
        prova(reset, QList<int>{Msg::Cancel}, Salvate, Modificate, true);
        // salva ed esce
        prova(fine, QList<int>{Msg::Yes}, Tutte, Modificate, false);
        // esce senza salvare
        prova(fine, QList<int>{Msg::No}, Salvate, SalvateInGriglia, false);
        // annulla l'uscita
        prova(fine, QList<int>{Msg::Cancel}, Salvate, Modificate, true);
    }

    void fineConGuastoNonPerdeNulla() {
        EditorProva e;
        FormViandora& f = *e;
        SalvaEModifica(e);
        // The new stage's record, the only write, fails as a full disk would.
        f.Db.ImpostaGuastoScrittura(1);
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
        QCOMPARE(TappeMemorizzate(f), Tutte);
        QVERIFY(!f.frmInputBox.Visible);
    }

    void azzeraSoste() {
        const auto prova = [&](int risposta, QStringList griglia) {
            EditorProva e;
            FormViandora& f = *e;
            SalvaEModifica(e);
            e.p.risposte = {risposta};
            f.mfgTab.Row = 3;
            f.Click("mfgTab");
            QVERIFY(f.chkFineGiornata.Value);
            f.Click("cmdAzzeraSoste");

            QCOMPARE(e.p.messaggi.size(), 1);
            QCOMPARE(Tappe(f), griglia);
            const bool azzerate = risposta == Msg::Yes;
            QCOMPARE(f.chkFineGiornata.Value, !azzerate);
            QCOMPARE(f.cmbSosta[1].Text(), azzerate ? QString("00") : QString("01"));
            QCOMPARE(f.mfgTab.Stile(3, 7).BackColor == -1, azzerate);
            // Only in memory until saved.
            QCOMPARE(TappeMemorizzate(f), Salvate);
        };
        // sì
        prova(Msg::Yes, {"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|"});
        // no
        prova(Msg::No, Modificate);
    }

    // A write that fails leaves the stops and the visited flags as they were;
    // No leaves the stops; Yes adds every entry once, the visited one too, on
    // the locality's first stage.
    void copiaSosteGuida() {
        EditorProva e;
        FormViandora& f = *e;
        Scrivi(f, "ROMA", "", "", "", "00:01:00", true);
        Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
        Scrivi(f, "PISA", "A11", "90", "Autostrada", "00:00:30");
        f.chkProgressivo.Value = false;
        Scrivi(f, "ROMA", "A12", "300", "Autostrada");
        AggiungiVoce(f, "ROMA", "01", "Colosseo", "01:30");
        AggiungiVoce(f, "ROMA", "01", "Pantheon", "00:45", "1");
        AggiungiVoce(f, "Firenze", "01", "Uffizi", "02:15");
        AggiungiVoce(f, "PISA", "05", "Parcheggio", "00:00");
        AggiungiVoce(f, "MILANO", "01", "Duomo", "01:00", "1");
        const QStringList prima = Tappe(f);
        // The entries reached are marked by the first write, MILANO cleared
        // by the second.
        f.Db.ImpostaGuastoScrittura(2);
        e.p.risposte = {Msg::Yes};
        f.Click("cmdTrasferisce");
        f.Db.ImpostaGuastoScrittura(0);
        QCOMPARE(e.p.messaggi.size(), 2);
        QCOMPARE(e.p.messaggi[1].pulsanti & 0x70, Msg::Critical);
        QCOMPARE(Tappe(f), prima);
        QCOMPARE(Righe(f.Db, Query("GuidaCitta").Dove("FlagVisto", "1")).size(), 2);

        e.p.risposte = {Msg::No};
        f.Click("cmdTrasferisce");
        QCOMPARE(Tappe(f), prima);
        e.p.risposte = {Msg::Yes};
        f.Click("cmdTrasferisce");
        // The end-of-day mark stays.
        QCOMPARE(Tappe(f), QStringList({"ROMA||||*00:03:15", "FIRENZE|A1|280|A|00:02:15",
                                        "PISA|A11|90|A|00:00:30", "ROMA|A12|300|A|"}));
        QCOMPARE(f.ContatoreProgresso, 0.0);
        // Again: the stops already hold the guide's times, which are added once
        // more.
        f.Click("cmdTrasferisce");
        QCOMPARE(f.mfgTab.TextMatrix(1, 7), QString("*00:05:30"));
    }
};

QTEST_GUILESS_MAIN(TestEditorComandi)
#include "test_editor_comandi.moc"
