// The stage editor's list commands: saving, leaving with or without saving,
// clearing the stops and copying the guide's times into them; copying a
// stretch of another trip's stored itinerary into the open one: the trips
// offered, marking and assigning stages, and the insertion forwards,
// backwards, with or without stops, in the middle or at the end.
#include <QTest>

#include "EditorProva.h"
#include "itinerary/ControlloreItinerario.h"
#include "itinerary/CopiaTratto.h"
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

const QStringList Alpi{"MILANO||||",      "BERGAMO|A4|50|A|00:01:00",  "BRESCIA|SS11|52|P|*00:02:00",
                       "VERONA|A4|68|A|", "VICENZA|A31|51|S|00:01:30", "PADOVA|A4|33|A|"};

// A stored trip with its stages, stored as the editor stores them.
void MetaSalvata(FormViandora& f, const QString& codice, const QString& localita, const QStringList& tappe) {
    SalvaMeta(f, "CodiceMeta=" + codice + ";Localita=" + localita + ";Nazione=ITALIA");
    f.Meta.CodiceMetaCorrente = codice;
    ScriviTappe(f, tappe);
    f.Tappe.MemorizzaTappeItinerario();
}

// The editor open on SICILIA with its own stages, the trip list shown.
struct CopiaProva : Planner {
    const QString codiceAlpi = "000001";
    CopiaProva() {
        // Three trips to one destination: only the first is offered.
        MetaSalvata(*f, codiceAlpi, "ALPI", Alpi);
        MetaSalvata(*f, "000002", "ALPI", {"TORINO||||", "ASTI|A21|60|A|"});
        MetaSalvata(*f, "000003", "ALPI", {"AOSTA||||"});
        SalvaMeta(*f, "CodiceMeta=000004;Localita=BARI");
        NuovaMeta(*this, "SICILIA");
        f->Click("cmdItinerario");
        ScriviTappe(*f, {"PALERMO||||", "CEFALU|SS113|70|P|"});
        f->AggiornaNumeroRiga();
        p.messaggi.clear();
    }
    void Scegli(int riga) {
        f->mfgCopia.Row = riga;
        f->Click("mfgCopia");
    }
    void Assegna(int riga, int slot) {
        Scegli(riga);
        f->Click(QString("cmdAssegna(%1)").arg(slot));
    }
};
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

    void meteOfferte() {
        CopiaProva c;
        c->Click("cmdDuplica");
        // One ALPI, the first stored; BARI has no stages, SICILIA none stored.
        QCOMPARE(Colonne(c->mfgCopia, {0, 1, 2, 3}), QStringList{"1|ALPI|ITALIA|" + c.codiceAlpi});
        QVERIFY(c->frmLista.Visible && c->mfgCopia.Visible && !c->frmPercorso.Visible);
        QVERIFY(c->cmdFine.Enabled && !c->cmdInserisce.Enabled && !c->cmdMapPoint.Enabled);

        c.Scegli(1);
        QCOMPARE(c->CopiaTratto.lblMetaCopia.Caption, QString("ALPI"));
        QCOMPARE(Colonne(c->mfgCopia, {0, 1, 2, 3, 4, 5}).at(2), QString("3|BRESCIA|SS11|52|P|*00:02:00"));
        QVERIFY(c->frmPercorso.Visible && !c->frmInputBox.Enabled);
        QVERIFY(!c->CopiaTratto.cmdInsEsegui.Enabled && !c->CopiaTratto.cmdAssegna[0].Enabled);

        // Marking: one bold row at a time; both slots enable the insertion.
        c.Scegli(3);
        c.Scegli(4);
        QVERIFY(!c->mfgCopia.Stile(3, 1).Bold && c->mfgCopia.Stile(4, 1).Bold);
        c->Click("cmdAssegna(0)");
        QVERIFY(!c->CopiaTratto.cmdInsEsegui.Enabled);
        c.Assegna(2, 1);
        QCOMPARE(c->CopiaTratto.txtDupLocalita[1].Text, QString("BERGAMO"));
        QCOMPARE(c->CopiaTratto.txtDupNumero[0].Text, QString("4"));
        QCOMPARE(QList<int>({c->mfgCopia.Row, c->mfgCopia.RowSel}), QList<int>({2, 4}));
        QVERIFY(c->CopiaTratto.cmdInsEsegui.Enabled);

        // Refusing the confirmation keeps the lists; abandoning leaves the
        // stage list as it was.
        c.p.risposte = {Msg::No};
        c->Click("cmdInsEsegui");
        QVERIFY(c->frmLista.Visible && c->frmPercorso.Visible);
        c->Click("cmdRinunciaCopia");
        QVERIFY(!c->frmLista.Visible && !c->frmPercorso.Visible && c->frmInputBox.Visible &&
                c->frmInputBox.Enabled && c->cmdInserisce.Enabled);
        QCOMPARE(Tappe(*c), (QStringList{"PALERMO||||", "CEFALU|SS113|70|P|"}));
    }

    void inserimento() {
        const auto prova = [&](int primo, int ultimo, bool soste, int riga, QStringList tappe) {
            CopiaProva c;
            c->Itinerario.RigaCorrente = qint16(riga);
            c->Click("cmdDuplica");
            c.Scegli(1);
            c.Assegna(primo, 0);
            c.Assegna(ultimo, 1);
            c->CopiaTratto.optTrasfSoste.Value = soste;
            c->Click("cmdInsEsegui");
            QCOMPARE(Tappe(*c), tappe);
            QCOMPARE(Colonne(c->mfgTab, {0}).last(), QString::number(tappe.size()));
            QVERIFY(!c->frmLista.Visible && !c->frmPercorso.Visible && c->frmInputBox.Enabled);
            QVERIFY(c->cmdInserisce.Enabled && c->cmdMemorizza.Enabled);
            QCOMPARE(c->Itinerario.NumeroTappe, qint16(tappe.size()));
        };
        const QString palermo = "PALERMO||||", cefalu = "CEFALU|SS113|70|P|";
        // all'indietro con le soste, in fondo
        prova(5, 2, true, 3,
              {palermo, cefalu, "VICENZA|A4|33|A|00:01:30", "VERONA|A31|51|S|", "BRESCIA|A4|68|A|*00:02:00",
               "BERGAMO|SS11|52|P|00:01:00"});
        // in avanti senza soste, dopo l'ultima tappa
        prova(2, 5, false, 2,
              {palermo, cefalu, "BERGAMO|A4|50|A|", "BRESCIA|SS11|52|P|", "VERONA|A4|68|A|",
               "VICENZA|A31|51|S|"});
        // in mezzo, dopo la tappa scelta
        prova(4, 4, true, 1, {palermo, "VERONA|A4|68|A|", cefalu});
        // l'ultima tappa all'indietro non ha seguente
        prova(6, 5, false, 3, {palermo, cefalu, "PADOVA||||", "VICENZA|A4|33|A|"});
    }
};

QTEST_GUILESS_MAIN(TestEditorComandi)
#include "test_editor_comandi.moc"
