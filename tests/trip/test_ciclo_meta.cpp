// A trip's life: new, save, search, delete, and what comes back at the next
// start.
#include <QTest>
#include <utility>

#include "database/DatabaseProva.h"
#include "shell/Itinerario.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

class TestCicloMeta : public QObject {
    Q_OBJECT
private slots:
    void primaMetaEObbligatori() {
        Planner pl;
        pl->Click("cmdRicerca");
        QCOMPARE(pl.p.messaggi.last().testo, QStringLiteral("Nessuna mèta nel database!"));
        QVERIFY(!pl->cmbRicerca.Visible);
        QCOMPARE(ComandiAbilitati(*pl), QStringList({"cmdEsce", "cmdNuovo"}));
        pl->Click("cmdNuovo");
        QCOMPARE(ComandiAbilitati(*pl), QStringList({"cmdEsce", "cmdNuovo", "cmdSalva"}));
        QCOMPARE(pl->cmbGiorni.Text(), QString("000"));
        pl->txtNazione.Text = "ITALIA";
        pl->Click("cmdSalva");
        QCOMPARE(pl.p.messaggi.last().testo, QStringLiteral("Campo Località: obbligatorio!"));
        pl->txtLocalita.Text = "ROMA";
        pl->txtNazione.Text = "  ";
        pl->Click("cmdSalva");
        QCOMPARE(pl.p.messaggi.last().testo, QString("Campo Nazione: obbligatorio!"));
        QCOMPARE(Righe(*pl, "MeteViandora"), 0);

        // No writes nothing.
        pl->txtNazione.Text = "ITALIA";
        pl.p.risposte = {Msg::No};
        pl->Click("cmdSalva");
        QCOMPARE(Righe(*pl, "MeteViandora") + Righe(*pl, "MetaCorrente"), 0);
        QVERIFY(pl->txtCodice.Text.isEmpty());

        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdSalva");
        QCOMPARE(pl->txtCodice.Text, QString("000001"));
        QCOMPARE(pl->Meta.CodiceMetaCorrente, QString("000001"));
        pl->Db.RecordSetImposta(SlotScrittura, Query("MetaCorrente"));
        QCOMPARE(pl->Db.Rs(SlotScrittura).Testo("MetaCorrente"), QString("000001"));
    }

    // The vehicle's eight fields, "|"-joined: stored with the trip (a point or
    // a comma for decimals) and shown again with it; a value that cannot be
    // used is refused with its message and nothing is stored. A trip saved
    // with the defaults on screen keeps following them.
    void veicoloConLaMeta() {
        // messaggio: the start of the refusal, empty when stored
        // mostrati: after a new start
        const auto prova = [&](QString campi, QString messaggio, QString mostrati, bool proprio) {
            Planner pl;
            auto schermo = [&pl] {
                QStringList valori;
                for (const CasellaTesto& t : pl->txtVeicolo)
                    valori << t.Text;
                return valori.join(u'|');
            };
            pl->Click("cmdNuovo");
            QCOMPARE(schermo(), QString("12|90|15|1.85|0.09|0|0|09:00"));
            pl->txtLocalita.Text = "ROMA";
            pl->txtNazione.Text = "ITALIA";
            const QStringList valori = campi.split(u'|');
            for (int k = 0; k < 8; ++k)
                pl->txtVeicolo[k].Text = valori[k];
            pl->Click("cmdSalva");
            if (!messaggio.isEmpty()) {
                QVERIFY2(pl.p.messaggi.last().testo.startsWith(messaggio),
                         qPrintable(pl.p.messaggi.last().testo));
                QCOMPARE(Righe(*pl, "MeteViandora") + Righe(*pl, "VeicoliMete"), 0);
                return;
            }
            QCOMPARE(VeicoloProprio(pl->Db, "000001"), proprio);
            pl.Riapri();
            QCOMPARE(pl->txtCodice.Text, QString("000001"));
            QCOMPARE(schermo(), mostrati);
        };
        const QString predefiniti = "12|90|15|1.85|0.09|0|0|09:00";
        // virgola e punto
        prova("12,5|100|20,25|1,899|0.1|25|120|10:30", "", "12.5|100|20.25|1.899|0.1|25|120|10:30", true);
        // i default
        prova(predefiniti, "", predefiniti, false);
        // non un numero
        prova("12|9O|15|1.85|0.09|0|0|09:00", "Serbatoio litri: \"9O\" non è un numero valido.", "", false);
        // riserva oltre il serbatoio
        prova("12|50|60|1.85|0.09|0|0|09:00", "La riserva deve essere minore del serbatoio.", "", false);
        // guida oltre il giorno
        prova("12|90|15|1.85|0.09|0|0|24:30", "Guida max hh:mm: \"24:30\" non è un orario valido.", "",
              false);
    }

    // The code a saved trip gets: the first one free, or the stored trip's
    // own when its destination is stored already; the country typed is
    // stored, its first 19 characters.
    void codiciLiberi() {
        const auto prova = [&](QStringList codici, QString localita, QString atteso, int righe) {
            Planner pl;
            for (const QString& c : codici)
                SalvaMeta(*pl, "CodiceMeta=" + c + ";Localita=META " + c + ";Nazione=ITALIA");
            NuovaMeta(pl, localita, "REPUBBLICA DI SAN MARINOX");
            QCOMPARE(pl->txtCodice.Text, atteso);
            QCOMPARE(Righe(*pl, "MeteViandora"), righe);
            QCOMPARE(Righe(*pl, "MeteViandora", "CodiceMeta")
                         .filter(atteso + "|" + localita + "|REPUBBLICA DI SAN M|")
                         .size(),
                     1);
        };
        // buco
        prova({"000001", "000002", "000004"}, "NAPOLI", "000003", 4);
        // di seguito
        prova({"000001", "000002", "000003"}, "NAPOLI", "000004", 4);
        // manca il primo
        prova({"000002", "000003"}, "NAPOLI", "000001", 3);
        // stessa destinazione
        prova({"000001", "000002"}, "META 000002", "000002", 2);
    }

    // Another writer (an import beside the window) stores a trip while the
    // window asks its question: the new trip's code is chosen after it.
    void codiceSceltoNellaTransazione() {
        Planner pl;
        NuovaMeta(pl, "ROMA", "ITALIA");
        bool scritta = false;
        pl.p.suMessaggio = [&] {
            if (std::exchange(scritta, true)) return;
            Database altro;
            altro.FileDatabase = pl->Db.FileDatabase;
            QVERIFY(altro.DatabaseApre());
            altro.AggiungiRighe("MeteViandora",
                                {{{"CodiceMeta", QString("000002")}, {"Localita", QString("MILANO")}}});
        };
        NuovaMeta(pl, "NAPOLI", "ITALIA");
        QCOMPARE(pl->txtCodice.Text, QString("000003"));
        QCOMPARE(Righe(*pl, "MeteViandora"), 3);
    }

    // Fields wider than ours (a later version) and values longer than their
    // field (an import, another tool): saving the trip and its itinerary
    // gives every value back whole, and the file needs no rebuild.
    void valoriLunghiNonTagliati() {
        const auto prova = [&](int larghezza, QString localita, QString tappa) {
            const QString nazione = "REPUBBLICA DI SAN MARINO ";
            Planner pl(false);
            QVERIFY(EseguiGrezzo(
                pl.dir.filePath(NomeFileDatabase),
                "PRAGMA application_id = 1449746798;" + SqlTabelleNostre(larghezza) +
                    QString("INSERT INTO MeteViandora (CodiceMeta, Localita, Nazione, DataInizio,"
                            " OraInizio) VALUES ('000001', '%1', '%2', '05082006', '0800');"
                            "INSERT INTO Itinerari VALUES ('000001', '0001', '%3', '0', 'A1 ', 'A',"
                            " ' ', ' ', '0'), ('000001', '0002', 'ROMA', '120', 'A1 ', 'A', ' ',"
                            " ' ', '0');")
                        .arg(localita, nazione, tappa)));
            pl.Riapri();
            QVERIFY(pl.avviato);
            QCOMPARE(pl->txtLocalita.Text, localita);
            pl.p.risposte = {Msg::Yes};
            pl->Click("cmdSalva");
            QVERIFY(pl->Tappe.MemorizzaTappeItinerario());

            pl->Db.RecordSetImposta(SlotScrittura, Query("MeteViandora"));
            QCOMPARE(pl->Db.Rs(SlotScrittura).Testo("Localita") + '|' +
                         pl->Db.Rs(SlotScrittura).Testo("Nazione"),
                     localita + '|' + nazione);
            QCOMPARE(RecordItinerario(*pl, "000001", {"Localita"}), QStringList({tappa, "ROMA"}));
            QCOMPARE(QDir(pl.dir.path()).entryList(QDir::Files), QStringList{NomeFileDatabase});
        };
        // campi nostri
        prova(0, "SANTIAGO DE COMPOSTELA VIA FRA", "SANTIAGO DE COMPOSTELA, CATTEDRALE");
        // campi piu larghi
        prova(40, "SANTIAGO DE COMPOSTELA VIA FRANCIGENA 1", "SANTIAGO DE COMPOSTELA, CATTEDRALE");
    }

    void autostradaInFondoEApostrofi() {
        Planner pl;
        NuovaMeta(pl, "AUTOSTRADA DEL SOLE", "ITALIA");
        QCOMPARE(pl->txtLocalita.Text, QString("autostrada del sole"));
        NuovaMeta(pl, "L'AQUILA", "ITALIA");
        NuovaMeta(pl, "ZURIGO", "SVIZZERA");
        NuovaMeta(pl, "CITTÀ DEL VATICANO", "VATICANO");
        QCOMPARE(Righe(*pl, "MeteViandora"), 4);

        pl->Click("cmdRicerca");
        QVERIFY(pl->cmbRicerca.Visible);
        QCOMPARE(pl->cmbRicerca.Voci(),
                 QStringList({"CITTÀ DEL VATICANO", "L'AQUILA", "ZURIGO", "autostrada del sole"}));
        pl->cmbRicerca.SetListIndex(1);
        pl->Click("cmbRicerca");
        QVERIFY(!pl->cmbRicerca.Visible);
        QCOMPARE(pl->txtLocalita.Text, QString("L'AQUILA"));
        QCOMPARE(pl->Meta.CodiceMetaCorrente, QString("000002"));
        pl->cmbRicerca.SetListIndex(0);
        pl->Meta.ModoRicerca = 1;
        pl->Click("cmbRicerca");
        QCOMPARE(pl->txtNazione.Text, QString("VATICANO "));
    }

    void riavvioRitrovaLaMeta() {
        Planner pl;
        NuovaMeta(pl, "BARCELLONA", "SPAGNA");
        pl->cmbInizio[0].SetText("05");
        pl->cmbInizio[1].SetText("08");
        pl->cmbInizio[2].SetText("2006");
        pl->cmbInizio[3].SetText("07");
        pl->cmbInizio[4].SetText("30");
        pl->cmbMediaKm[1].SetText("90");
        pl->cmbOra[3].SetText("23");
        pl->cmbMin[3].SetText("15");
        pl->cmbRipH.SetText("02");
        // Days of 100 and more come back whole: two digits would turn 100
        // into 00 and switch the fitting off.
        pl->cmbGiorni.SetText("100");
        pl->cmbSoste.SetListIndex(3);
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdSalva");
        ScriviTappe(*pl, {"ASTI|A21|10|A|", "BRA|SP7|20|P|*00:01:00", "CUNEO|SS20|30|L|"});
        QVERIFY(pl->Tappe.MemorizzaTappeItinerario());
        NuovaMeta(pl, "LISBONA", "PORTOGALLO");
        // Back to the first: it is the current one at exit.
        pl->Click("cmdRicerca");
        pl->cmbRicerca.SetText("BARCELLONA");
        pl->Click("cmbRicerca");

        pl.Riapri();
        QCOMPARE(pl->Meta.CodiceMetaCorrente, QString("000001"));
        QCOMPARE(QStringList({pl->txtCodice.Text, pl->txtLocalita.Text, pl->txtNazione.Text,
                              pl->cmbInizio[0].Text() + pl->cmbInizio[1].Text() + pl->cmbInizio[2].Text(),
                              pl->cmbInizio[3].Text() + pl->cmbInizio[4].Text(), pl->txtInizioGSett.Text,
                              pl->cmbMediaKm[1].Text(), pl->cmbOra[3].Text() + pl->cmbMin[3].Text(),
                              pl->cmbRipH.Text(), pl->cmbGiorni.Text(), pl->cmbSoste.Text()}),
                 QStringList({"000001", "BARCELLONA", "SPAGNA ", "05082006", "0730", "Sab", "90", "2315",
                              "02", "100", "4 - Sosta minore"}));
        pl->SchermoMeta.ControllaVariabiliConvertite();
        QCOMPARE(int(pl->Meta.ParametriMeta.GiorniAdeguamento), 100);
        // Its itinerary on the grid, with the totals.
        QCOMPARE(Colonne(pl->mfgTab, {1, 3, 5}), QStringList({"ASTI|10|10", "BRA|20|30", "CUNEO|30|60"}));
        QVERIFY(pl->Itinerario.NumeroTappe == 3 && pl->mfgTab.Row == 1 && pl->txtKmTot[4].Text == "60");
        // A code that is not stored leaves the screen as it is.
        pl->Meta.CodiceMetaCorrente = "000077";
        pl->SchermoMeta.CaricaDatiAnagraficiMeta();
        QCOMPARE(pl->txtLocalita.Text, QString("BARCELLONA"));
    }

    void cancellazioniTengonoLaGuida() {
        Planner pl;
        NuovaMeta(pl, "ROMA", "ITALIA");
        SalvaTappe(*pl, "000001", {"ROMA|0|", "FIRENZE|0|"});
        SalvaTappe(*pl, "000009", {"ALTRA|0|"});
        AggiungiVoce(*pl, "FIRENZE", "01", "Uffizi", "");

        // Deleting the itinerary asks twice.
        pl.p.risposte = {Msg::Yes, Msg::No};
        pl->Click("cmdCancItin");
        QCOMPARE(Righe(*pl, "Itinerari"), 3);
        pl.p.risposte = {Msg::Yes, Msg::Yes};
        pl->Click("cmdCancItin");
        QCOMPARE(Righe(*pl, "Itinerari"), 1);
        QCOMPARE(pl->Meta.CodiceMetaCorrente, QString("000001"));
        SalvaTappe(*pl, "000001", {"ROMA|0|"});

        pl.p.risposte = {Msg::No};
        pl->Click("cmdCancMeta");
        QCOMPARE(Righe(*pl, "MeteViandora"), 1);
        QCOMPARE(Righe(*pl, "Itinerari"), 2);

        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdCancMeta");
        QCOMPARE(Righe(*pl, "MeteViandora"), 0);
        QCOMPARE(Righe(*pl, "Itinerari"), 1); // another trip's stage stays
        QCOMPARE(Righe(*pl, "GuidaCitta"), 1);
        QVERIFY(pl->Meta.CodiceMetaCorrente.isEmpty());
        QCOMPARE(ComandiAbilitati(*pl), QStringList({"cmdEsce", "cmdImport", "cmdNuovo"}));
    }
};

QTEST_GUILESS_MAIN(TestCicloMeta)
#include "test_ciclo_meta.moc"
