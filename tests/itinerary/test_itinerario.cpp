// The stage grid and its storage: stages stored and loaded back, guide times,
// failures while storing, the refresh of the grid; the totals of a stage
// list, and the trip screen that shows them.
#include <QTest>

#include "itinerary/ControlloreItinerario.h"
#include "model/TotaliItinerario.h"
#include "shell/Itinerario.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {
const QString Codice = "000001";
const QStringList CampiRecord = {"Sequenza",   "Localita",   "Chilometri", "NomeStrada",
                                 "TipoStrada", "TempoSosta", "FineGiorno"};
// Stages LOC1..LOCn, each of i km on road SSi.
QStringList TappeNumerate(int tappe) {
    QStringList elenco;
    for (int i = 1; i <= tappe; ++i)
        elenco << QString("LOC%1|SS%1|%1|A|").arg(i);
    return elenco;
}
} // namespace

class TestItinerario : public QObject {
    Q_OBJECT
private slots:
    void memorizzaERicarica() {
        // griglia: columns 1|2|3|4|7|14 after loading
        const auto prova = [&](QStringList tappe, QStringList record, QStringList griglia) {
            Planner pl;
            FormViandora& f = *pl.f;
            f.Meta.CodiceMetaCorrente = Codice;
            ScriviTappe(f, tappe);
            f.Tappe.MemorizzaTappeItinerario();
            QVERIFY(pl.p.messaggi.isEmpty());
            QCOMPARE(RecordItinerario(f, Codice, CampiRecord), record);
            QCOMPARE(f.ContatoreProgresso, 0.0);

            f.Tappe.CaricaTappeItinerario();
            QCOMPARE(Colonne(f.mfgTab, {1, 2, 3, 4, 7, 14}), griglia);
            QCOMPARE(f.Itinerario.NumeroTappe, qint16(record.size()));
            for (int r = 1; r <= record.size(); ++r) {
                QCOMPARE(f.mfgTab.TextMatrix(r, 0), QString::number(r));
                // End-of-day stops stand out.
                QCOMPARE(f.mfgTab.Stile(r, 7).BackColor >= 0, f.mfgTab.TextMatrix(r, 7).startsWith('*'));
            }
            QVERIFY(f.mfgTab.Rows() >= qMax(int(FormViandora::RigheVisibili), int(record.size()) + 2));

            // Stored again as loaded, the records do not change.
            f.Tappe.MemorizzaTappeItinerario();
            QCOMPARE(RecordItinerario(f, Codice, CampiRecord), record);
        };

        // Over 999 km (written as the grid shows it) in 999-km records, each with the stop.
        // 1.500 km in due record
        prova({"ROMA|A1|1.500|A|*01:02:30"},
              {"0001|ROMA|999|A1 |A|01:02:30|1", "0002|ROMA|501|A1 |A|01:02:30|1"},
              {"ROMA|A1 |999|A|*01:02:30|1", "ROMA|A1 |501|A|*01:02:30|1"});
        // righe vuote in mezzo
        prova({"ASTI|A21|10|A|", "", "BRA|SP7|20|P|", "   |X|5|L|", "CUNEO|SS20|30|L|"},
              {"0001|ASTI|10|A21 |A| |0", "0002|BRA|20|SP7 |P| |0", "0003|CUNEO|30|SS20 |L| |0"},
              {"ASTI|A21 |10|A||0", "BRA|SP7 |20|P||0", "CUNEO|SS20 |30|L||0"});
        // località di 35 caratteri
        prova({"ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789|SS1|12|L|"},
              {"0001|ABCDEFGHIJKLMNOPQRSTUVWXYZ123|12|SS1 |L| |0"},
              {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123|SS1 |12|L||0"});
        // apostrofi, virgolette e accenti
        prova({"L'AQUILA|\"A24\" dell'Aquila|120|A|", "CITTÀ DEL VATICANO|VIA|3|L|*"},
              {"0001|L'AQUILA|120|\"A24\" dell'Aquila |A| |0", "0002|CITTÀ DEL VATICANO|3|VIA |L| |1"},
              {"L'AQUILA|\"A24\" dell'Aquila |120|A||0", "CITTÀ DEL VATICANO|VIA |3|L|*|1"});
        // strada, km e tipo vuoti
        prova({"ROMA|||  |"}, {"0001|ROMA|0| | | |0"}, {"ROMA| || ||0"});
        // The blank that marks the end of the road is not added twice.
        // strada già chiusa da un blank
        prova({"ROMA|A1 |10|A|"}, {"0001|ROMA|10|A1 |A| |0"}, {"ROMA|A1 |10|A||0"});
    }

    void tempiGuidaContatiUnaVolta() {
        // guidaMemorizzata: SostaGuidaCitta per record
        // colonnaGuida: column 8 per row after loading
        // visti: FlagVisto by locality and description
        const auto prova = [&](QStringList tappe, QStringList guidaMemorizzata, QStringList colonnaGuida,
                               QString visti) {
            Planner pl;
            FormViandora& f = *pl.f;
            AggiungiVoce(f, "ROMA", "01", "Colosseo", "02:00");
            AggiungiVoce(f, "ROMA", "05", "Parcheggio", "00:30", "1");
            AggiungiVoce(f, "L'AQUILA", "02", "Duomo", "01:15");
            AggiungiVoce(f, "l'aquila", "03", "Castello", "00:45");
            AggiungiVoce(f, "MILANO", "01", "Duomo", "01:00");
            f.Meta.CodiceMetaCorrente = Codice;
            ScriviTappe(f, tappe);
            f.Tappe.MemorizzaTappeItinerario();
            QCOMPARE(RecordItinerario(f, Codice, {"SostaGuidaCitta"}), guidaMemorizzata);

            f.Tappe.CaricaTappeItinerario();
            QStringList colonna;
            for (int r = 1; r <= guidaMemorizzata.size(); ++r)
                colonna << f.mfgTab.TextMatrix(r, 8);
            QCOMPARE(colonna, colonnaGuida);
            // Counted entries are marked visited, the others not.
            QString flag;
            for (const QString& voce : VociGuida(f))
                flag += voce.right(1);
            QCOMPARE(flag, visti);
            // Loaded again, nothing changes and nothing is written.
            f.Db.ImpostaGuastoScrittura(1);
            f.Tappe.CaricaTappeItinerario();
            f.Db.ImpostaGuastoScrittura(0);
            QCOMPARE(f.mfgTab.TextMatrix(1, 8), colonnaGuida.first());
        };

        // ROMA: 02:00 + 00:30 (already marked before: the pass resets it);
        // L'AQUILA: 01:15 + 00:45 of "l'aquila", found through the apostrophe.
        // località ripetuta
        prova({"ROMA||0|L|", "L'AQUILA|A24|100|A|", "ROMA|A24|100|A|", "NAPOLI|A1|200|A|"},
              {"00:02:30", "00:02:00", " ", " "}, {"00:02:30", "00:02:00", "", ""}, "11011");
        // solo la prima fetta di una tappa lunga
        prova({"ROMA|A1|1500|A|", "ROMA|A1|10|A|"}, {"00:02:30", " ", " "}, {"00:02:30", "", ""}, "00011");
    }

    void guastoDuranteLaMemorizzazione() {
        Planner pl;
        FormViandora& f = *pl.f;
        AggiungiVoce(f, "BRA", "01", "Castello", "01:00");
        AggiungiVoce(f, "ALBA", "02", "Duomo", "00:30");
        f.Meta.CodiceMetaCorrente = Codice;
        const QStringList vecchie = {"ASTI|A21|10|A|", "BRA|SP7|20|P|*00:01:00", "CUNEO|SS20|1500|L|"};
        ScriviTappe(f, vecchie);
        f.Tappe.MemorizzaTappeItinerario();
        const QStringList attesi = RecordItinerario(f, Codice, CampiRecord);
        const QStringList guidaAttesa = VociGuida(f);
        QCOMPARE(attesi.size(), 4);

        // Every write of the store fails in turn: rewriting the old stages,
        // adding the new ones, marking the guide.
        const QStringList nuove = {"ALBA|SS231|40|S|", "BRA|SP7|20|P|", "", "TORINO|A6|1200|A|",
                                   "GENOVA|A26|150|A|"};
        int guasti = 0;
        for (int n = 1;; ++n) {
            ScriviTappe(f, nuove);
            f.Db.ImpostaGuastoScrittura(n);
            bool fallita = false;
            try {
                f.Tappe.MemorizzaTappeItinerario();
            } catch (const ErroreDatabase&) {
                fallita = true;
            }
            f.Db.ImpostaGuastoScrittura(0);
            if (!fallita) break;
            ++guasti;
            QCOMPARE(RecordItinerario(f, Codice, CampiRecord), attesi);
            QCOMPARE(VociGuida(f), guidaAttesa);
            QCOMPARE(f.ContatoreProgresso, 0.0);
            QVERIFY(n < 100);
        }
        // The 4 old records rewritten in place, 1 added, 1 statement marking
        // ALBA (BRA stays counted, nothing to clear).
        QCOMPARE(guasti, 6);
        QCOMPARE(RecordItinerario(f, Codice, {"Localita"}),
                 QStringList({"ALBA", "BRA", "TORINO", "TORINO", "GENOVA"}));

        // The file itself, read by the next start.
        ScriviTappe(f, nuove.mid(0, 1));
        f.Db.ImpostaGuastoScrittura(3);
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, f.Tappe.MemorizzaTappeItinerario());
        pl.Riapri();
        QCOMPARE(RecordItinerario(*pl, Codice, {"Localita"}),
                 QStringList({"ALBA", "BRA", "TORINO", "TORINO", "GENOVA"}));
    }

    void guastoDuranteIlCaricamento() {
        Planner pl;
        FormViandora& f = *pl.f;
        f.Meta.CodiceMetaCorrente = Codice;
        ScriviTappe(f, {"ASTI|A21|10|A|", "BRA|SP7|20|P|*00:01:00", "CUNEO|SS20|1500|L|"});
        f.Tappe.MemorizzaTappeItinerario();
        // An entry marked by another pass: loading must set it back to "0".
        AggiungiVoce(f, "ALBA", "01", "Duomo", "01:00", "1");
        f.Db.ImpostaGuastoScrittura(1);
        QVERIFY_THROWS_EXCEPTION(ErroreDatabase, f.Tappe.CaricaTappeItinerario());
        f.Db.ImpostaGuastoScrittura(0);
        QCOMPARE(Colonne(f.mfgTab, {1, 3, 5}),
                 QStringList({"ASTI|10|10", "BRA|20|30", "CUNEO|999|1.029", "CUNEO|501|1.530"}));
        QCOMPARE(f.txtKmTot[4].Text, QString("1.530"));
        QCOMPARE(VociGuida(f), QStringList({"ALBA|01|Duomo|01:00|1"}));
    }

    void senzaMetaNonSiMemorizza() {
        Planner pl;
        FormViandora& f = *pl.f;
        f.Meta.CodiceMetaCorrente = Codice;
        ScriviTappe(f, {"ASTI|A21|10|A|"});
        f.Tappe.MemorizzaTappeItinerario();
        f.Meta.CodiceMetaCorrente.clear();
        ScriviTappe(f, {"BRA|A21|10|A|"});
        f.Tappe.MemorizzaTappeItinerario();
        QCOMPARE(pl.p.messaggi.size(), 1);
        QVERIFY(pl.p.messaggi.first().testo.contains("mèta non è stata salvata"));
        QCOMPARE(RecordItinerario(f, "", {"Localita"}), QStringList());
        QCOMPARE(RecordItinerario(f, Codice, {"Localita"}), QStringList({"ASTI"}));

        // Beyond 9999 records the four-digit sequence would repeat.
        f.Meta.CodiceMetaCorrente = Codice;
        QStringList lunghe;
        for (int i = 0; i < 310; ++i)
            lunghe << "ROMA|A1|32000|A|"; // 33 records each
        ScriviTappe(f, lunghe);
        f.Tappe.MemorizzaTappeItinerario();
        QCOMPARE(pl.p.messaggi.size(), 2);
        QVERIFY(pl.p.messaggi.last().testo.contains("9999"));
        QCOMPARE(RecordItinerario(f, Codice, {"Localita"}), QStringList({"ASTI"}));
    }

    void righeDopoLUltimaTappa() {
        Planner pl;
        FormViandora& f = *pl.f;
        // 20 stages (more than the screen shows), the last one emptied, all emptied.
        for (const auto& [cancellate, righe] : QList<QPair<int, int>>{{0, 22}, {1, 21}, {20, 18}}) {
            ScriviTappe(f, TappeNumerate(20));
            f.AggiornaNumeroRiga();
            for (int i = 20; i > 20 - cancellate; --i)
                f.mfgTab.SetTextMatrix(i, 1, QString());
            // Refreshing twice gives the same grid.
            f.AggiornaNumeroRiga();
            f.AggiornaNumeroRiga();
            QVERIFY2(f.Itinerario.NumeroTappe == 20 - cancellate && f.mfgTab.Rows() == righe,
                     qPrintable(QString("%1 cancellate: %2 righe").arg(cancellate).arg(f.mfgTab.Rows())));
            QVERIFY(f.mfgTab.TextMatrix(f.mfgTab.Rows() - 1, 1).isEmpty());
        }
    }

    void tastiDellaGriglia() {
        const auto prova = [&](int tappe, int riga, int tasto, int attesa, int primaVisibile) {
            Planner pl;
            FormViandora& f = *pl.f;
            ScriviTappe(f, TappeNumerate(tappe));
            f.Itinerario.RigaCorrente = qint16(riga);
            f.AggiornaNumeroRiga();
            f.KeyDown("mfgTab", tasto);
            QCOMPARE(int(f.Itinerario.RigaCorrente), attesa);
            QCOMPARE(f.mfgTab.Row, attesa);
            QCOMPARE(f.mfgTab.TopRow, primaVisibile);
            QCOMPARE(f.txtTappa.Text, f.mfgTab.TextMatrix(attesa, 1));
        };
        // su dalla prima riga
        prova(5, 1, 38, 1, 1);
        // giù oltre la riga nuova
        prova(5, 6, 40, 6, 1);
        // pagina giù
        prova(40, 1, 34, 19, 5);
        // pagina su oltre l'inizio
        prova(40, 10, 33, 1, 1);
    }

    void campiDiModificaDallaRiga() {
        Planner pl;
        FormViandora& f = *pl;
        ScriviTappe(f, {"ROMA|A1|100|A|", "FIRENZE||50||*01:02:30", "BOLOGNA|A1|80|X|00:00:45"});
        f.cmbTipoStrada.Clear();
        for (const char* t : {"Autostrada", "Superstrada", "Principale", "Locale"})
            f.cmbTipoStrada.AddItem(t);
        // locality|road|km|type index|end of day|stop|row; an empty road is
        // the one of the row above, an empty or unknown type "L"; the first
        // stage has no type of its own and the new row no stop.
        auto campi = [&f](int riga) {
            f.Itinerario.RigaCorrente = qint16(riga);
            f.AggiornaNumeroRiga();
            return QStringList{f.txtTappa.Text,
                               f.txtStrada.Text,
                               f.txtKm.Text,
                               QString::number(f.cmbTipoStrada.ListIndex()),
                               QString::number(f.chkFineGiornata.Value),
                               f.cmbSosta[0].Text() + f.cmbSosta[1].Text() + f.cmbSosta[2].Text(),
                               f.txtRiga.Text}
                .join(u'|');
        };
        QCOMPARE(campi(2), QString("FIRENZE|A1|50|3|1|010230|2"));
        QVERIFY(!f.cmdMapPoint.Enabled && f.cmdRicalcola.Enabled && f.cmdCancella.Enabled);
        QCOMPARE(campi(3), QString("BOLOGNA|A1|80|3|0|000045|3"));
        f.cmbTipoStrada.SetListIndex(1);
        QCOMPARE(campi(1), QString("ROMA|A1|100|1|0|000000|1"));
        QCOMPARE(campi(4), QString("|A1||3|0|000000|4"));
        ScriviTappe(f, {"ROMA|A1|100|A|"});
        f.AggiornaNumeroRiga();
        QVERIFY(f.cmdMapPoint.Enabled && !f.cmdRicalcola.Enabled && !f.cmdCancella.Enabled);
    }

    // Driving times, progressive kilometres, totals per road type, ferries
    // and the fewest days of a stage list.
    void totali() {
        // tappe: "locality|road|km|type"; medie: the speed lists A, S, P, L
        // righe: per stage "hundredths|km so far", "|" without kilometres
        // km: per road type A S P L, then the total
        // giorni: the fewest days; richiesti: days asked for, which rise to
        // the fewest ("000" asks for none), and what they become
        const auto prova = [](QStringList tappe, std::array<QString, 4> medie, QStringList righe, QString km,
                              QString tempo, int traghetti, int giorni, QString richiesti, int attesi) {
            QList<Tappa> t;
            for (const QString& s : tappe)
                t << TappaDaCelle(QStringList{""} + s.split(u'|'));
            const TotaliItinerario tot = CalcolaTotaliItinerario(t, VelocitaTotali(medie));
            QStringList r, k;
            for (const auto& riga : tot.Righe)
                r << (riga.Tempo ? QString::number(*riga.Tempo) : "") + "|" +
                         (riga.KmProgressivi ? QString::number(*riga.KmProgressivi) : "");
            for (double x : tot.KmTipo)
                k << QString::number(x);
            k << QString::number(tot.Km);
            QCOMPARE(r, righe);
            QCOMPARE(k.join(u' '), km);
            QCOMPARE(tot.TestoTempo(), tempo);
            QCOMPARE(tot.Traghetti, traghetti);
            QCOMPARE(tot.GiorniMinimi(), giorni);
            QCOMPARE(tot.GiorniRichiesti(richiesti), attesi);
        };
        const std::array<QString, 4> v = {"110", "90", "70", "40"};
        // Hours past 24 carry into days.
        prova({"ROMA|SP1|1200|L"}, v, {"3000|1200"}, "0 0 0 1200 1200", "01:06:00", 0, 2, "001", 2);
        // Two whole days of driving take two days.
        prova({"ROMA|A1|4800|A"}, {"100", "90", "70", "40"}, {"4800|4800"}, "4800 0 0 0 4800", "02:00:00", 0,
              2, "003", 3);
        // Rounded to the hundredth of an hour: 15.6 hundredths make 16.
        prova({"BRA|SP7|7|A"}, {"45", "90", "70", "40"}, {"16|7"}, "7 0 0 0 7", "00:00:10", 0, 1, "000", 0);
        // An unknown type drives as "L".
        prova({"ASTI|A21|110|A", "BRA|SS231|90|S", "ALBA|SP7|35|P", "CUNEO|X|20|Q"}, v,
              {"100|110", "100|200", "50|235", "50|255"}, "110 90 35 20 255", "00:03:00", 0, 1, "010", 10);
        // Ferries count whether or not a driving stage follows them; rows
        // without a locality count for nothing.
        prova(
            {"NAPOLI|A3|110|A", "PALERMO|TRAGHETTO|0|L", "|TRAGHETTO|50|A", "CAGLIARI|TRAGHETTO TIRRENIA|0|"},
            v, {"100|110", "|", "|", "|"}, "110 0 0 0 110", "00:01:00", 2, 1, "001", 1);
        // A speed that reads as 0 drives at the list's first entry.
        prova({"ROMA|A1|100|A", "OSTIA|SS8|45|S"}, {"0", "abc", "70", "40"}, {"200|100", "100|145"},
              "100 45 0 0 145", "00:03:00", 0, 1, "001", 1);
        prova({}, v, {}, "0 0 0 0 0", "", 0, 0, "003", 3);
    }

    void schermataDelViaggio() {
        Planner pl;
        FormViandora& f = *pl.f;
        // Totals left from another itinerary must not survive.
        for (int k = 0; k < 5; ++k) {
            f.txtKmTot[k].Text = "999";
            f.txtTempo[k].Text = "09:09:09";
        }
        const QStringList velocita = {"110", "90", "70", "40"};
        for (int t = 0; t < 4; ++t)
            f.cmbMediaKm[t].SetText(velocita.at(t));
        ScriviTappe(f, {"ASTI|A21|9900|A|", "OSTIA|SS8|0|S|", "", "CUNEO|X|20|Q|", "PALERMO|TRAGHETTO|0|L|"});
        // A pure stop keeps what its time columns held; a row without a
        // locality is emptied.
        f.mfgTab.SetTextMatrix(2, 5, "7");
        f.mfgTab.SetTextMatrix(2, 6, "00:10");
        f.mfgTab.SetTextMatrix(3, 2, "A1");
        f.mfgTab.SetTextMatrix(3, 7, "*");
        f.cmbGiorni.SetText("002");
        f.Tappe.CalcolaKmTempiItinerario();
        QCOMPARE(Colonne(f.mfgTab, {1, 5, 6}),
                 QStringList({"ASTI|9.900|90:00", "OSTIA|7|00:10", "CUNEO|9.920|00:30", "PALERMO||"}));
        for (int c = 1; c < f.mfgTab.Cols(); ++c)
            QVERIFY(f.mfgTab.TextMatrix(3, c).isEmpty());
        QStringList km, tempo;
        for (int k = 0; k < 5; ++k) {
            km << f.txtKmTot[k].Text;
            tempo << f.txtTempo[k].Text;
        }
        QCOMPARE(km, QStringList({"9.900", "", "", "20", "9.920"}));
        QCOMPARE(tempo, QStringList({"03:18:00", "", "", "00:00:30", "03:18:30"}));
        QCOMPARE(f.txtTragh.Text, QString("1"));
        // The days asked for rise to the fewest the driving takes.
        QCOMPARE(f.cmbGiorni.Voci().mid(0, 2), QStringList({"000", "004"}));
        QCOMPARE(f.cmbGiorni.Text(), QString("004"));
    }
};

QTEST_APPLESS_MAIN(TestItinerario)
#include "test_itinerario.moc"
