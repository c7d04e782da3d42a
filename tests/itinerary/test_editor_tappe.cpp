// The stage editor's row commands: writing a stage and its checks, the
// progressive kilometres, deleting and opening rows, the locality search
// and the return journey.
#include <QTest>

#include "EditorProva.h"
#include "common/Stringhe.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "shell/Itinerario.h"
#include "timetable/TabellaDiMarcia.h"

class TestEditorTappe : public QObject {
    Q_OBJECT
private slots:
    void apertura() {
        const auto prova = [&](StatoItinerario::Attivita attivita, bool pannello) {
            EditorProva e;
            FormViandora& f = *e;
            f.Click("cmdFine");
            QVERIFY(!f.frmInputBox.Visible);

            // A calculated timetable on the grid, the stages waiting in the copy grid.
            f.mfgCopia.SetCols(ColonneMatrice);
            f.mfgCopia.SetRows(5);
            f.mfgCopia.SetTextMatrix(1, 1, "ROMA");
            f.mfgCopia.SetTextMatrix(3, 1, "FIRENZE");
            f.mfgCopia.SetTextMatrix(3, 3, "280");
            f.mfgTab.SetTextMatrix(1, 1, "a: Roma");
            f.Itinerario.TabellaCalcolata = true;
            f.Itinerario.Calcola = StatoItinerario::ComandoCalcola::Sblocca;
            f.Itinerario.AttivitaCorrente = attivita;
            f.Tappe.AttivitaInserimentoItinerario();

            QCOMPARE(Tappe(f), QStringList({"ROMA||||", "FIRENZE||280||"}));
            QVERIFY(!f.Itinerario.TabellaCalcolata && f.cmdInserisce.Enabled);
            QCOMPARE(f.cmdCalcola.Caption, QString("&Calcola"));
            QCOMPARE(f.frmInputBox.Visible, pannello);
            QVERIFY(f.Itinerario.AttivitaCorrente ==
                    (pannello ? StatoItinerario::Attivita::Nessuna : attivita));
            // The trip's own commands wait until the editor is left.
            if (pannello) QVERIFY(!f.cmdNuovo.Enabled && !f.cmdCalcola.Enabled && !f.cmdEsce.Enabled);
        };
        // editor
        prova(StatoItinerario::Attivita::Ricalcola, true);
        // sblocco dopo una stampa
        prova(StatoItinerario::Attivita::Stampa, false);
    }

    void controlli() {
        // partenza: a start stage already written
        // campi: locality, road, km, road type, stop, "*" for end of day
        // riga: the row written; empty when refused
        // avviso: the refusal's text
        const auto prova = [&](bool partenza, QStringList campi, QString riga, QString avviso) {
            EditorProva e;
            FormViandora& f = *e;
            QStringList attese;
            if (partenza) {
                Scrivi(f, "ROMA");
                attese << "ROMA||||";
            }
            const int rigaScritta = f.Itinerario.RigaCorrente;
            Scrivi(f, campi[0], campi[1], campi[2], campi[3], campi[4].isEmpty() ? "00:00:00" : campi[4],
                   campi[5] == "*");
            QCOMPARE(e.p.messaggi.size(), avviso.isEmpty() ? 0 : 1);
            if (!avviso.isEmpty()) QCOMPARE(e.p.messaggi[0].testo, avviso);
            if (!riga.isEmpty()) attese << riga;
            QCOMPARE(Tappe(f), attese);
            // Written: on to the next, empty row; refused: the fields as typed.
            QCOMPARE(int(f.Itinerario.RigaCorrente), rigaScritta + (riga.isEmpty() ? 0 : 1));
            QCOMPARE(f.txtTappa.Text, riga.isEmpty() ? campi[0] : QString());
            if (!riga.isEmpty()) QCOMPARE(f.txtRiga.Text, QString::number(rigaScritta + 1));
        };

        auto caso = [&]([[maybe_unused]] const char* nome, bool partenza, const QString& campi,
                        const QString& riga,
                        const QString& avviso = {}) { prova(partenza, campi.split(u'|'), riga, avviso); };
        caso("partenza senza km né sosta", false, "ROMA|||||", "ROMA||||");
        caso("seconda tappa senza km né sosta", true, "FIRENZE|A1||Autostrada||", "",
             "Chilometri (o sosta): dato obbligatorio!");
        caso("traghetto senza km", true, "OLBIA|TRAGH CIV-OLB||Autostrada||", "OLBIA|TRAGH CIV-OLB|||");
        caso("fine giornata senza km", true, "TIVOLI|SS5||||*", "TIVOLI|SS5|||*");
        caso("sosta senza km: tipo strada vuoto", true, "OSTIA|SS8||Principale|00:02:30|",
             "OSTIA|SS8|||00:02:30");
        caso("999 km", true, "MILANO|A1|999|Autostrada||", "MILANO|A1|999|A|");
        caso("1000 km", true, "MILANO|A1|1000|Autostrada||", "",
             "Impossibile:\r\nIndica un valore compreso tra 1 e 999");
        caso("località vuota", true, "   |A1|100|Autostrada||", "",
             "Impossibile:\r\nIndica il nome della località!");
        caso("tipo strada sconosciuto", true, "PISA|A12|90|Mulattiera||", "", "Tipo strada obbligatorio!");
        caso("giorni, ore e minuti di sosta", true, "SIENA|RA3|70|SuperStrada|01:05:45|*",
             "SIENA|RA3|70|S|*01:05:45");
    }

    // A ferry's departures and a booked night go with their rows, are stored
    // with the itinerary and come back with it; a bad time stores nothing.
    void orariFissi() {
        EditorProva e;
        FormViandora& f = *e;
        Scrivi(f, "LIVORNO");
        f.txtPartenze.Text = "22:00,08:00";
        f.txtDurata.Text = "9:00";
        f.txtNottePrenotata.Text = "16/6/2007";
        Scrivi(f, "OLBIA", "TRAGH LIV-OLB");
        QCOMPARE(Tappe(f), QStringList({"LIVORNO||||", "OLBIA|TRAGH LIV-OLB|||"}));
        f.Itinerario.RigaCorrente = 2;
        f.Click("cmdAggiunge");
        Scrivi(f, "PISA", "A12", "20", "Autostrada");
        f.txtDurata.Text = "9:75";
        Scrivi(f, "OLBIA", "TRAGH LIV-OLB");
        QCOMPARE(e.p.messaggi.size(), 1);
        QCOMPARE(e.p.messaggi[0].testo, QString("Durata non valida (hh:mm): 9:75"));
        QVERIFY(f.Tappe.MemorizzaTappeItinerario());
        f.Tappe.CaricaTappeItinerario();
        f.Itinerario.RigaCorrente = 3;
        f.AggiornaNumeroRiga();
        QCOMPARE(
            QStringList({f.txtPartenze.Text, f.txtDurata.Text, f.txtAnticipo.Text, f.txtNottePrenotata.Text}),
            QStringList({"08:00,22:00", "09:00", "60", "16/06/2007"}));
        QVERIFY(f.txtPartenze.Enabled);
        f.Itinerario.RigaCorrente = 1;
        f.AggiornaNumeroRiga();
        QVERIFY(f.txtPartenze.Text.isEmpty() && !f.txtPartenze.Enabled);
        // The panel takes the vehicle's place while the editor is open; a
        // night can be booked at any stage.
        QVERIFY(f.frmTraghetto.Visible && !f.frmVeicolo.Visible && f.txtNottePrenotata.Enabled);
        f.Click("cmdFine");
        QVERIFY(!f.frmInputBox.Visible && !f.frmTraghetto.Visible && f.frmVeicolo.Visible);
        // The window's timetable waits for the sailing; the booking at
        // Olbia, a night the plan does not spend there, is counted as missed.
        e.p.messaggi.clear();
        f.Click("cmdCalcola");
        QVERIFY2(f.Itinerario.TabellaCalcolata, qPrintable(e.p.messaggi.value(0).testo));
        const QString note = Colonne(f.mfgTab, {MarciaNote}).join(u'|');
        QVERIFY2(note.contains("Imbarco 08:00") || note.contains("Imbarco 22:00"), qPrintable(note));
        QVERIFY(f.lblPrenotazioni.Visible);
        QCOMPARE(f.lblPrenotazioni.Caption, QString("Prenotazioni mancate: 1"));
    }

    void chilometriProgressivi() {
        // precedenti: "locality|km" after the start
        // spuntata: the box as the editor offers it
        // spunta: -1 left so, else 0/1
        // scritti: empty: refused
        const auto prova = [&](QStringList precedenti, bool spuntata, int spunta, QString digitati,
                               QString scritti) {
            EditorProva e;
            FormViandora& f = *e;
            Scrivi(f, "ROMA");
            QVERIFY(!f.chkProgressivo.Visible);
            for (const QString& t : precedenti) {
                // Real distances, not progressive figures.
                f.chkProgressivo.Value = false;
                Scrivi(f, t.section('|', 0, 0), "A1", t.section('|', 1, 1), "Autostrada");
            }
            const int riga = f.Itinerario.RigaCorrente;
            QVERIFY(f.chkProgressivo.Visible);
            QCOMPARE(f.chkProgressivo.Value, spuntata);
            if (spunta >= 0) f.chkProgressivo.Value = spunta == 1;

            Scrivi(f, "VERONA", "A22", digitati, "Autostrada");
            if (scritti.isEmpty()) {
                QCOMPARE(e.p.messaggi.size(), 1);
                QCOMPARE(f.mfgTab.TextMatrix(riga, 1), QString());
            } else {
                QCOMPARE(e.p.messaggi.size(), 0);
                QCOMPARE(f.mfgTab.TextMatrix(riga, 3), scritti);
                // The progressive figure follows the distance written.
                QCOMPARE(ValoreSenzaPunti(f.mfgTab.TextMatrix(riga, 5)),
                         ValoreSenzaPunti(f.mfgTab.TextMatrix(riga - 1, 5)) + scritti.toInt());
            }
        };

        const QStringList oltre1250 = {"FIRENZE|600", "BOLOGNA|650"};
        const QStringList a150 = {"FIRENZE|100", "BOLOGNA|50"};
        // progressivo 1.250, digitato 1320
        prova(oltre1250, true, -1, "1320", "70");
        // digitato sotto il progressivo
        prova(a150, true, -1, "120", "120");
        // casella tolta: distanza vera
        prova(a150, true, 0, "200", "200");
        // casella tolta, oltre 999
        prova(oltre1250, true, 0, "1320", QString());
        // progressivo di soli 100
        prova({"FIRENZE|60", "BOLOGNA|40"}, false, 1, "130", "130");
    }

    void cancellaEAggiungeRighe() {
        EditorProva e;
        FormViandora& f = *e;
        Scrivi(f, "ROMA");
        Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
        Scrivi(f, "BOLOGNA", "A1", "100", "Autostrada", "00:01:00", true);
        Scrivi(f, "VERONA", "A22", "140", "Autostrada");
        const int colore = f.mfgTab.Stile(3, 7).BackColor;
        QVERIFY(colore != -1);
        const auto clicca = [&f](int riga, const char* comando) {
            f.mfgTab.Row = riga;
            f.Click("mfgTab");
            f.Click(comando);
        };

        clicca(2, "cmdCancella");
        QCOMPARE(Colonne(f.mfgTab, {0, 1, 7}), QStringList({"1|ROMA|", "2|BOLOGNA|*00:01:00", "3|VERONA|"}));
        QCOMPARE(f.Itinerario.NumeroTappe, qint16(3));
        QCOMPARE(f.txtKmTot[4].Text, QString("240"));
        QCOMPARE(f.txtTappa.Text, QString("BOLOGNA"));
        // The end-of-day colour moves with its stop.
        QCOMPARE(QList<int>({f.mfgTab.Stile(2, 7).BackColor, f.mfgTab.Stile(3, 7).BackColor}),
                 QList<int>({colore, -1}));

        f.Click("cmdAggiunge");
        QCOMPARE(Colonne(f.mfgTab, {0, 1}), QStringList({"1|ROMA", "3|BOLOGNA", "4|VERONA"}));
        QCOMPARE(f.txtTappa.Text, QString());
        QCOMPARE(QList<int>({f.mfgTab.Stile(2, 7).BackColor, f.mfgTab.Stile(3, 7).BackColor}),
                 QList<int>({-1, colore}));
        Scrivi(f, "FIRENZE", "A1", "280", "Autostrada");
        QCOMPARE(Tappe(f), QStringList({"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|*00:01:00",
                                        "VERONA|A22|140|A|"}));
        QCOMPARE(f.txtKmTot[4].Text, QString("520"));

        // The last stage goes; the grid keeps its empty rows.
        clicca(4, "cmdCancella");
        QCOMPARE(f.Itinerario.NumeroTappe, qint16(3));
        QVERIFY(f.mfgTab.Rows() >= FormViandora::RigheVisibili);
        QCOMPARE(f.mfgTab.TextMatrix(4, 1), QString());
    }

    void cercaLocalita() {
        EditorProva e;
        FormViandora& f = *e;
        for (const char* t : {"ROMA||", "FIRENZE|A1|280", "L'AQUILA|A24|250", "ROMA|A24|110"})
            Scrivi(f, QString(t).section('|', 0, 0), QString(t).section('|', 1, 1),
                   QString(t).section('|', 2), "Autostrada");
        f.mfgTab.Row = 3;
        f.Click("mfgTab");
        f.Click("cmdAggiunge");

        f.Click("cmdCerca");
        QCOMPARE(f.cmbRicercaTappa.Voci(),
                 QStringList({AggStr("ROMA", 31, " ") + "0001", AggStr("FIRENZE", 31, " ") + "0002",
                              AggStr("L'AQUILA", 31, " ") + "0004", AggStr("ROMA", 31, " ") + "0005"}));
        QVERIFY(f.cmbRicercaTappa.Visible && !f.mfgTab.Enabled && !f.frmBottoni.Enabled);
        QVERIFY(!f.cmdInserisce.Enabled && !f.cmdCancella.Enabled && f.cmdFine.Enabled);
        f.cmbRicercaTappa.SetListIndex(2);
        f.Click("cmbRicercaTappa");
        QVERIFY(!f.cmbRicercaTappa.Visible && f.mfgTab.Enabled && f.frmBottoni.Enabled &&
                f.cmdInserisce.Enabled);
        QCOMPARE(f.mfgTab.Row, 4);
        QCOMPARE(f.txtTappa.Text + "|" + f.txtKm.Text, QString("L'AQUILA|250"));

        // "Fine inser." with the list open only closes it.
        f.Click("cmdCerca");
        f.Click("cmdFine");
        QVERIFY(e.p.messaggi.isEmpty() && !f.cmbRicercaTappa.Visible);
        QVERIFY(f.frmInputBox.Visible && f.mfgTab.Enabled && f.cmdInserisce.Enabled);
        QCOMPARE(int(f.Itinerario.RigaCorrente), 4);
    }

    void ritornoAStart() {
        // righe: "" for an empty row
        const auto prova = [&](QStringList righe, QStringList attese) {
            EditorProva e;
            FormViandora& f = *e;
            for (int r = 0; r < righe.size(); ++r) {
                const QStringList c = righe[r].split('|');
                for (int k = 0; k < c.size(); ++k)
                    f.mfgTab.SetTextMatrix(r + 1, k == 4 ? 7 : k + 1, c[k]);
            }
            f.AggiornaNumeroRiga();
            f.Click("cmdRitorno");

            QCOMPARE(Tappe(f), attese);
            QCOMPARE(int(f.Itinerario.NumeroTappe), int(attese.size()));
            // One stage after the other, numbered, and nothing left below them.
            for (int r = 1; r < f.mfgTab.Rows(); ++r) {
                QCOMPARE(f.mfgTab.TextMatrix(r, 1).isEmpty(), r > attese.size());
                if (r <= attese.size()) QCOMPARE(f.mfgTab.TextMatrix(r, 0), QString::number(r));
            }
        };

        const QStringList andata = {"ROMA||||", "FIRENZE|A1|280|A|", "BOLOGNA|A1|100|A|00:01:00",
                                    "VERONA|A22|140|A|*", "BOLOGNA|A22|140|A|"};
        // da Bologna a Roma
        prova(andata, (QStringList(andata) << "FIRENZE|A1|100|A|"
                                           << "ROMA|A1|280|A|"));
        // nessuna occorrenza: buchi chiusi
        prova({"ROMA||||", "", "FIRENZE|A1|280|A|", "", "PISA|A11|90|A|"},
              {"ROMA||||", "FIRENZE|A1|280|A|", "PISA|A11|90|A|"});
        // buchi e ritorno
        prova({"ROMA||||", "", "FIRENZE|A1|280|A|", "SIENA|RA3|70|S|00:02:00", "", "FIRENZE|RA3|70|S|"},
              {"ROMA||||", "FIRENZE|A1|280|A|", "SIENA|RA3|70|S|00:02:00", "FIRENZE|RA3|70|S|",
               "ROMA|A1|280|A|"});
        // il nome va uguale, maiuscole comprese
        prova({"ROMA||||", "FIRENZE|A1|280|A|", "Roma|A1|280|A|"},
              {"ROMA||||", "FIRENZE|A1|280|A|", "Roma|A1|280|A|"});
    }
};

QTEST_GUILESS_MAIN(TestEditorTappe)
#include "test_editor_tappe.moc"
