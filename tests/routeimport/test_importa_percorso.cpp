// The route import in the stage editor and from viandora-cli: refusal with
// stages present, the file dialog, the unrecognised file, and a fixture trip
// imported and stored.
#include <QTest>

#include "itinerary/EditorProva.h"
#include "support/ProgrammaProva.h"
#include "trip/Meta.h"

namespace {

const QString Percorsi = QStringLiteral(PERCORSI "/");

} // namespace

class TestImportaPercorso : public QObject {
    Q_OBJECT
private slots:
    // Nothing chosen, a file not recognised, a FIFO (never opened: it would
    // wait for ever): no stage, and the editor goes on; with a stage written
    // no file is asked for.
    void dialogoAnnullatoOFileNonRiconosciuto() {
        EditorProva e;
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.isEmpty() && Tappe(*e).isEmpty());

        QVERIFY(CreaFifo(e.dir.filePath("percorso.txt")));
        e.p.fileDaAprire << Percorsi + "intestazione_riga16.txt" << e.dir.filePath("percorso.txt");
        for (const QString atteso : {"File non riconosciuto!", "è una FIFO"}) {
            e.p.messaggi.clear();
            e->Click("cmdMapPoint");
            QCOMPARE(e.p.messaggi.size(), 1);
            QVERIFY2(e.p.messaggi.first().testo.contains(atteso), qPrintable(e.p.messaggi.first().testo));
            QVERIFY(Tappe(*e).isEmpty() && e->frmInputBox.Enabled && e->cmdInserisce.Enabled);
        }
        Scrivi(*e, "ROMA");
        e.p.messaggi.clear();
        e.p.fileDaAprire << Percorsi + "roma_cagliari.txt";
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.size() == 1 && e.p.fileDaAprire.size() == 1);
        QVERIFY(e.p.messaggi.first().testo.startsWith("Impossibile: sono presenti delle tappe!"));
        QCOMPARE(Tappe(*e), QStringList{"ROMA||||"});
    }

    void importaEMemorizza() {
        EditorProva e;
        e.p.fileDaAprire << Percorsi + "roma_cagliari.txt";
        e->Click("cmdMapPoint");
        QVERIFY(e.p.messaggi.isEmpty());
        // The stages as read (the reader's tests check them all), with the ferry.
        QCOMPARE(Tappe(*e).size(), 8);
        QCOMPARE(Tappe(*e).at(3), QString("OLBIA|TRAGH|232|P|00:02:00"));
        QVERIFY(e->txtKmTot[4].Text == "562" && e->txtTragh.Text == "1");
        QVERIFY(e->frmInputBox.Enabled && e->cmdMemorizza.Enabled && !e->cmdMapPoint.Enabled);

        // Nothing is stored until the user saves.
        const QString codice = e->Meta.CodiceMetaCorrente;
        QVERIFY(RecordItinerario(*e, codice, {"Localita"}).isEmpty());
        e.p.risposte = {Msg::Yes};
        e->Click("cmdFine");
        QCOMPARE(RecordItinerario(*e, codice, {"Localita", "Chilometri", "NomeStrada", "TempoSosta"}).at(3),
                 QString("OLBIA|232|TRAGH |00:02:00"));
    }

    void rigaDiComando() {
        Planner pl;
        NuovaMeta(pl, "SARDEGNA");
        const QString codice = pl->Meta.CodiceMetaCorrente;
        const QString db = pl.dir.path() + "/ViandoraQuintora.mdb";
        // Without its default parameters, which loading a trip writes.
        pl->Db.CancellaTabella(TabParametri, {}, {}, nullptr);
        pl.f.reset();
        const QStringList prima = ImprontaCartella(pl.dir.path());

        // A refusal writes nothing.
        Esito e = Cli({"importa-percorso", db, "999", Percorsi + "roma_cagliari.txt"});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.err.contains("Mèta inesistente: 000999"));
        QCOMPARE(ImprontaCartella(pl.dir.path()), prima);

        e = Cli({"importa-percorso", db, codice.mid(4), Percorsi + "roma_cagliari.txt"});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.out, QString("8 tappe, 562 km\n"));
        // A second import finds the stages and refuses.
        const QStringList importato = ImprontaCartella(pl.dir.path());
        e = Cli({"importa-percorso", db, codice, Percorsi + "como_lucerna.txt"});
        QCOMPARE(e.codice, 1);
        QVERIFY(e.err.startsWith("Impossibile: sono presenti delle tappe!\n"));
        QCOMPARE(ImprontaCartella(pl.dir.path()), importato);

        pl.Riapri();
        const QStringList tappe = RecordItinerario(*pl, codice, {"Localita", "Chilometri", "TempoSosta"});
        QCOMPARE(tappe.size(), 8);
        QCOMPARE(tappe.at(3), QString("OLBIA|232|00:02:00"));
    }
};

QTEST_GUILESS_MAIN(TestImportaPercorso)
#include "test_importa_percorso.moc"
