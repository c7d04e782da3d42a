// What a traveller meets on the way through the screens, model side: where
// the focus goes, the way out of the stage editor of a trip never saved,
// and a start-up whose writes are refused.
#include <QTest>

#include "guide/ControlloreGuida.h"
#include "itinerary/EditorProva.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "trip/ControlloreMeta.h"

class TestPercorsoUtente : public QObject {
    Q_OBJECT
private slots:
    void fuocoDoveSiLavora() {
        Planner pl;
        FormViandora& f = *pl;
        NuovaMeta(pl, "ROMA");
        QCOMPARE(pl.p.fuoco, QString("txtLocalita"));

        // The stage editor: the locality field after opening, writing a
        // stage, deleting a row and a click on the grid.
        const auto dopo = [&](const char* comando) {
            pl.p.fuoco.clear();
            f.Click(comando);
            return pl.p.fuoco;
        };
        QCOMPARE(dopo("cmdItinerario"), QString("txtTappa"));
        Scrivi(f, "ROMA");
        QCOMPARE(pl.p.fuoco, QString("txtTappa"));
        Scrivi(f, "FIRENZE", "A1", "270", "Autostrada");
        f.mfgTab.Row = 1;
        QCOMPARE(dopo("mfgTab"), QString("txtTappa"));
        QCOMPARE(dopo("cmdCancella"), QString("txtTappa"));
        pl.p.risposte = {Msg::Yes};
        f.Click("cmdMemorizza");
        pl.p.risposte = {Msg::No};
        f.Click("cmdFine");

        // The guide: its description field after loading, saving and
        // deleting an entry.
        f.Click("cmdGuidaCitta");
        f.mfgTab.Row = 1;
        QCOMPARE(dopo("mfgTab"), QString("txtGDescrizione"));
        f.Guida.txtGDescrizione.Text = "Duomo";
        f.cmbGTipo.SetText("Da vedere");
        f.cmbGH.SetText("01");
        QCOMPARE(dopo("cmdSalvaRiga"), QString("txtGDescrizione"));
        f.mfgTab.Row = 2;
        f.Click("mfgTab");
        QCOMPARE(f.Guida.txtGDescrizione.Text, QString("Duomo"));
        QCOMPARE(dopo("cmdCancellaRiga"), QString("txtGDescrizione"));
    }

    void fineInserimentoConSalvataggioRifiutato() {
        // A trip never saved: storing is refused, and leaving with Yes must
        // keep the editor and the stages typed.
        Planner pl;
        FormViandora& f = *pl;
        f.Click("cmdNuovo");
        f.Click("cmdItinerario");
        Scrivi(f, "ROMA");
        Scrivi(f, "FIRENZE", "A1", "270", "Autostrada");
        pl.p.risposte = {Msg::Yes};
        f.Click("cmdFine");
        QVERIFY(pl.p.messaggi.last().testo.startsWith("Impossibile memorizzare l'itinerario"));
        QVERIFY(f.frmInputBox.Visible);
        QCOMPARE(Tappe(f), QStringList({"ROMA||||", "FIRENZE|A1|270|A|"}));
        // No stays the way out, dropping the changes.
        pl.p.risposte = {Msg::No};
        f.Click("cmdFine");
        QVERIFY(!f.frmInputBox.Visible);
    }

    void avvioConScritturaRifiutata() {
        QTemporaryDir dir;
        const QString cartella = dir.path() + "/";
        {
            PiattaformaProva p;
            FormViandora f(p, cartella);
            QVERIFY(f.Form_Load());
            // A saved trip, and no saved defaults: the next start writes them.
            NuovaMeta(f, p, "ROMA");
            f.Db.CancellaTabella(TabParametri, "MediaAutostrada", "75", nullptr);
        }
        PiattaformaProva p;
        FormViandora f(p, cartella);
        f.Db.ImpostaGuastoScrittura(1);
        QVERIFY(f.Form_Load());
        QCOMPARE(p.messaggi.size(), 1);
        QVERIFY(p.messaggi[0].testo.startsWith("Errore di scrittura nel database") && !p.terminato);
        // The window is usable: the trip and its screen are there.
        QVERIFY(f.txtLocalita.Text == "ROMA" && f.cmbMediaKm[0].Text() == "75");
        QVERIFY(!f.cmbInizio[2].Text().isEmpty());
        QCOMPARE(ComandiAbilitati(f).size(), 12);
    }
};

QTEST_GUILESS_MAIN(TestPercorsoUtente)
#include "test_percorso_utente.moc"
