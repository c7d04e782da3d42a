// Copying a stretch of another trip's stored itinerary into the open one:
// the trips offered, marking and assigning stages, and the insertion
// forwards, backwards, with or without stops, in the middle or at the end.
#include <QTest>

#include "EditorProva.h"
#include "itinerary/ControlloreItinerario.h"
#include "itinerary/CopiaTratto.h"
#include "shell/Itinerario.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {

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

class TestCopiaTratto : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestCopiaTratto)
#include "test_copia_tratto.moc"
