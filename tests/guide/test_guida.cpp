// The city guide: its types, the list of the trip's localities with their
// entries, adding, changing and deleting entries, the visited flags.
#include <QTest>

#include "guide/ControlloreGuida.h"
#include "itinerary/ControlloreItinerario.h"
#include "shell/Itinerario.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {

const QString Codice = "000001";

// The trip's itinerary stored, then the guide's entries; FlagVisto stays "0".
void PreparaGuida(FormViandora& f) {
    f.Meta.CodiceMetaCorrente = Codice;
    ScriviTappe(f, {"FIRENZE|A1|0|A|", "ROMA|A1|270|A|00:01:00", "NAPOLI|A1|220|A|", "L'AQUILA|A24|250|A|",
                    "ROMA|A24|110|A|"});
    f.Tappe.MemorizzaTappeItinerario();
    AggiungiVoce(f, "ROMA", "05", "Parcheggio", "00:00");
    AggiungiVoce(f, "ROMA", "01", "Colosseo", "02:00");
    AggiungiVoce(f, "ROMA", "01", "Area Sacra", "00:30");
    AggiungiVoce(f, "l'aquila", "02", "Duomo", "01:15");
    AggiungiVoce(f, "MILANO", "01", "Duomo", "01:00");
}

const QStringList VociIniziali = {"l'aquila|02|Duomo|01:15|0", "MILANO|01|Duomo|01:00|0",
                                  "ROMA|01|Area Sacra|00:30|0", "ROMA|01|Colosseo|02:00|0",
                                  "ROMA|05|Parcheggio|00:00|0"};

void Clic(FormViandora& f, int riga) {
    f.mfgTab.Row = riga;
    f.Click("mfgTab");
}

} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private slots:
    // Time is asked for the four levels of interest, not for the logistic
    // types; a type beyond the list's nine entries is not offered.
    void tipiDiGuida() {
        Planner pl;
        AggiungiRiga(*pl, "TipoGuida", "CodiceGuida=12;Descrizione=Museo;TempoObbligatorio=True");
        pl.Riapri();
        FormViandora& f = *pl;
        QCOMPARE(f.cmbGTipo.ListCount(), 9);
        const QList<QPair<QString, int>> tipi = {
            {"Vedibile", 4}, {"Punto Sosta", 5}, {"ottimo", 0}, {"", 0}, {"Museo", 0}};
        for (const auto& [descrizione, codice] : tipi)
            QCOMPARE(f.Guida.CodiceTipoGuida(descrizione), codice);
        QVERIFY(f.Guida.TempoObbligatorioTipoGuida[4] && !f.Guida.TempoObbligatorioTipoGuida[5] &&
                !f.Guida.TempoObbligatorioTipoGuida[0]);
    }

    void listaDelleLocalita() {
        Planner pl;
        FormViandora& f = *pl;
        // Before the itinerary is stored the guide does not open.
        f.Meta.CodiceMetaCorrente = Codice;
        f.Click("cmdGuidaCitta");
        QCOMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi.first().testo, QString("Impossibile... non esistono tappe memorizzate!"));
        QVERIFY(!f.Guida.ModoGuida && !f.frmGuida.Visible && f.cmdNuovo.Enabled);
        pl.p.messaggi.clear();
        PreparaGuida(f);
        f.Click("cmdGuidaCitta");
        QVERIFY(pl.p.messaggi.isEmpty());
        // ROMA, on stages 2 and 5, is listed once, with the stop of its first
        // stage; L'AQUILA finds the entry written "l'aquila".
        QCOMPARE(Colonne(f.mfgTab, {0, 1, 2, 3, 4, 5, 8}), QStringList({
                                                               "1|FIRENZE|||||",
                                                               "2|L'AQUILA|||||",
                                                               "3|L'AQUILA||Duomo|01:15|Da vedere|1",
                                                               "4|NAPOLI|||||",
                                                               "5|ROMA|00:01:00||||",
                                                               "6|ROMA||Area Sacra|00:30|Ottimo|1",
                                                               "7|ROMA||Colosseo|02:00|Ottimo|1",
                                                               "8|ROMA||Parcheggio|00:00|Punto Sosta|1",
                                                           }));
        QVERIFY(f.Guida.ModoGuida && f.frmGuida.Visible && f.Guida.cmdFineInserimento.Default);
        QVERIFY(!f.cmdNuovo.Enabled && !f.cmdGuidaCitta.Enabled);
    }

    void salvaRiga() {
        const auto prova = [&](int riga, QStringList campi, QString messaggio,
                               QStringList voci) { // type, description, hours, minutes
            Planner pl;
            FormViandora& f = *pl;
            PreparaGuida(f);
            f.Click("cmdGuidaCitta");
            Clic(f, riga);
            f.cmbGTipo.SetText(campi[0]);
            f.Guida.txtGDescrizione.Text = campi[1];
            f.cmbGH.SetText(campi[2]);
            f.cmbGM.SetText(campi[3]);
            const QStringList orari = campi.mid(4); // closed on, from, to
            if (!orari.isEmpty()) {
                f.Guida.txtGChiuso.Text = orari[0];
                f.Guida.txtGDalle.Text = orari[1];
                f.Guida.txtGAlle.Text = orari[2];
            }
            f.Click("cmdSalvaRiga");
            QCOMPARE(pl.p.messaggi.size(), messaggio.isEmpty() ? 0 : 1);
            if (!messaggio.isEmpty()) QCOMPARE(pl.p.messaggi.first().testo, messaggio);
            QCOMPARE(VociGuida(f), voci);
            // Saved, the list shows the change; a locality row is ready for the next entry.
            if (messaggio.isEmpty()) {
                QCOMPARE(int(f.Itinerario.RigaCorrente), riga);
                QCOMPARE(f.Guida.txtGDescrizione.Text,
                         f.mfgTab.TextMatrix(riga, 3).isEmpty() ? QString() : campi[1]);
                QVERIFY(!Colonne(f.mfgTab, {3}).filter(campi[1]).isEmpty());
            }
            if (messaggio.isEmpty() && !orari.isEmpty()) {
                Clic(f, 4);
                QCOMPARE(f.Guida.txtGDalle.Text, QString());
                Clic(f, riga);
                QCOMPARE(
                    QStringList({f.Guida.txtGChiuso.Text, f.Guida.txtGDalle.Text, f.Guida.txtGAlle.Text}),
                    orari);
            }
        };

        auto caso = [&]([[maybe_unused]] const char* nome, int riga, const QString& campi,
                        const char* messaggio, const QStringList& voci) {
            prova(riga, campi.split(u'|'), QString(messaggio), voci);
        };
        QStringList conNapoli = VociIniziali;
        conNapoli.insert(2, "NAPOLI|05|Area camper|00:00|0");
        caso("punto sosta senza tempo, riga della località", 4, "Punto Sosta|Area camper|00|00", "",
             conNapoli);
        caso("ore e minuti non scelti", 4, "Ottimo|Duomo||", "Errore! Manca il tempo stimato!!!",
             VociIniziali);
        caso("manca la descrizione", 4, "Ottimo|   |01|00", "Errore! Manca la descrizione!!!", VociIniziali);
        caso("manca la tipologia", 4, "|Duomo|01|00", "Errore! Manca la tipologia!!!", VociIniziali);
        QStringList colosseo = VociIniziali;
        colosseo[3] = "ROMA|02|Colosseo e Fori|03:00|0";
        caso("riga della voce: sostituita", 7, "Da vedere|Colosseo e Fori|03|00", "", colosseo);
        QStringList aquila = VociIniziali;
        aquila[0] = "L'AQUILA|02|Duomo di San Massimo|01:15|0";
        caso("voce trovata attraverso l'apostrofo", 3, "Da vedere|Duomo di San Massimo|01|15", "", aquila);
        // Closing days and hours stored with the entry and shown again with it.
        colosseo[3] = "ROMA|02|Colosseo|02:00|0";
        caso("giorni e ore di apertura", 7, "Da vedere|Colosseo|02|00|lun,mar|09:00|19:00", "", colosseo);
        caso("ora di apertura non valida", 7, "Da vedere|Colosseo|02|00||25:00|19:00",
             "Ora non valida (hh:mm): 25:00", VociIniziali);
    }

    void cancellaRiga() {
        // altre: "locality|code|description|time" added to the guide
        const auto prova = [&](QStringList altre, int riga, QStringList voci, bool cancellaAbilitato) {
            Planner pl;
            FormViandora& f = *pl;
            PreparaGuida(f);
            for (const QString& v : altre) {
                const QStringList c = v.split(u'|');
                AggiungiVoce(f, c[0], c[1], c[2], c[3]);
            }
            f.Click("cmdGuidaCitta");
            Clic(f, riga);
            f.Click("cmdCancellaRiga");
            QVERIFY(pl.p.messaggi.isEmpty());
            QCOMPARE(VociGuida(f), voci);
            QCOMPARE(f.Guida.cmdCancellaRiga.Enabled, cancellaAbilitato);
            QCOMPARE(f.Guida.txtGDescrizione.Text.isEmpty(),
                     f.mfgTab.TextMatrix(f.Itinerario.RigaCorrente, 3).isEmpty());
        };

        QStringList senzaColosseo = VociIniziali;
        senzaColosseo.removeAt(3);
        // riga della voce
        prova(QStringList(), 7, senzaColosseo, true);
        // riga della località
        prova(QStringList(), 5, VociIniziali, false);
        QStringList senzaParcheggio = VociIniziali;
        senzaParcheggio.removeAt(4);
        // ultima riga: resta vuota
        prova(QStringList(), 8, senzaParcheggio, false);
        // voci uguali: solo la prima
        prova({"ROMA|01|Colosseo|02:00"}, 7, VociIniziali, true);
        // As patterns both would read "Porta ?A?": only the one shown goes.
        // virgolette e apostrofi
        prova({"ROMA|01|Porta \"A\"|01:00", "ROMA|01|Porta 'A'|01:00"}, 9,
              (QStringList(VociIniziali) << "ROMA|01|Porta \"A\"|01:00|0"), true);
    }

    void clicCaricaLaVoce() {
        Planner pl;
        FormViandora& f = *pl;
        PreparaGuida(f);
        f.Click("cmdGuidaCitta");
        auto campi = [&f] {
            return QStringList{f.Guida.txtGLocalita.Text,
                               f.cmbGTipo.Text(),
                               f.Guida.txtGDescrizione.Text,
                               f.cmbGH.Text(),
                               f.cmbGM.Text(),
                               QString::number(f.Guida.cmdCancellaRiga.Enabled)}
                .join(u'|');
        };
        Clic(f, 7);
        QCOMPARE(campi(), QString("ROMA|Ottimo|Colosseo|02|00|1"));
        Clic(f, 4);
        QCOMPARE(campi(), QString("NAPOLI|Ottimo||00|00|0"));
        // Below the list: back to its last row.
        Clic(f, 15);
        QCOMPARE(int(f.Itinerario.RigaCorrente), 8);
        QCOMPARE(campi(), QString("ROMA|Punto Sosta|Parcheggio|00|00|1"));

        // The search lists each locality once, at its first stage.
        f.Click("cmdFind");
        QCOMPARE(f.cmbRicercaTappa.Voci().size(), 4);
        QVERIFY(f.cmbRicercaTappa.Visible && !f.mfgTab.Enabled && !f.frmBottoni.Enabled);
        // Leaving the guide with the list open gives every command back.
        f.Click("cmdFineInserimento");
        QVERIFY(f.frmBottoni.Enabled && f.mfgTab.Enabled && !f.cmbRicercaTappa.Visible);
        QCOMPARE(ComandiAbilitati(f).size(), 12);
    }

    void fineInserimento() {
        Planner pl;
        FormViandora& f = *pl;
        PreparaGuida(f);
        f.Click("cmdGuidaCitta");
        Clic(f, 7);
        f.Click("cmdFineInserimento");
        QVERIFY(!f.Guida.ModoGuida && !f.frmGuida.Visible && f.cmdNuovo.Enabled);
        QCOMPARE(Colonne(f.mfgTab, {1, 8}),
                 QStringList({"FIRENZE|", "ROMA|00:02:30", "NAPOLI|", "L'AQUILA|00:01:15", "ROMA|"}));
        QCOMPARE(f.Itinerario.NumeroTappe, qint16(5));
        QCOMPARE(pl.p.fuoco, QString("txtLocalita"));
        // A click on the grid no longer reaches the guide.
        f.Guida.txtGDescrizione.Text = "x";
        Clic(f, 2);
        QCOMPARE(f.Guida.txtGDescrizione.Text, QString("x"));
    }

    void azzeraVisti() {
        Planner pl;
        FormViandora& f = *pl;
        AggiungiVoce(f, "ROMA", "01", "Colosseo", "02:00", "1");
        AggiungiVoce(f, "ROMA", "02", "Pantheon", "01:00", "0");
        AggiungiVoce(f, "ROMA", "03", "Foro", "01:00", " ");
        AggiungiVoce(f, "ROMA", "04", "Terme", "01:00", "");
        const QStringList prima = VociGuida(f);
        // A failure on its write leaves every flag.
        f.Db.ImpostaGuastoScrittura(1);
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, f.Guida.SettaAZeroFlaGVisto());
        QCOMPARE(VociGuida(f), prima);
        QCOMPARE(f.ContatoreProgresso, 0.0);
        f.Db.ImpostaGuastoScrittura(0);
        f.Guida.SettaAZeroFlaGVisto();
        for (const QString& v : VociGuida(f))
            QVERIFY2(v.endsWith("|0"), qPrintable(v));
    }
};

QTEST_APPLESS_MAIN(TestGuida)
#include "test_guida.moc"
