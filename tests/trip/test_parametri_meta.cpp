// The trip screen's lists, defaults and parameter checks.
#include <QTest>

#include "support/PlannerProva.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"

namespace {
QStringList Schermo(FormViandora& f) {
    QStringList v;
    for (int k = 0; k < 4; ++k)
        v << f.cmbMediaKm[k].Text();
    for (int k = 0; k < 9; ++k)
        v << f.cmbOra[k].Text() + ":" + f.cmbMin[k].Text();
    v << f.cmbRipM.Text() << f.cmbRipH.Text() << f.cmbRipG.Text() << f.cmbRipGG.Text() << f.cmbSoste.Text();
    return v;
}

void Orario(FormViandora& f, int k, const QString& ora, const QString& minuti) {
    f.cmbOra[k].SetText(ora);
    f.cmbMin[k].SetText(minuti);
}
} // namespace

class TestParametriMeta : public QObject {
    Q_OBJECT
private slots:
    void defaultSalvati() {
        Planner pl;
        // The first start's defaults, checked into the daily driving and visiting times.
        pl->SchermoMeta.ControllaVariabiliConvertite();
        QCOMPARE(pl->Meta.ParametriMeta.TempoGuidaGiornaliero, 925.0f);
        QCOMPARE(pl->Meta.ParametriMeta.TempoVisitaGiornaliero, 900.0f);
        const QStringList incorporati = Schermo(*pl);
        pl->cmbMediaKm[0].SetText("110");
        Orario(*pl, 3, "23", "30");
        pl->cmbSoste.SetListIndex(0);
        // No stores nothing and says nothing more.
        pl.p.risposte = {Msg::No};
        pl->Click("cmdDefault(0)");
        QCOMPARE(pl.p.messaggi.size(), 1);
        pl->Db.RecordSetImposta(SlotMeta, Query("Parametri"));
        QCOMPARE(pl->Db.Rs(SlotMeta).Testo("MediaAutostrada"), QString("75"));
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(0)");
        QCOMPARE(pl.p.messaggi.last().testo, QString("Operazione eseguita!"));

        // A new start shows the built-in values and keeps the saved ones.
        pl.Riapri();
        QCOMPARE(Schermo(*pl), incorporati);
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(1)");
        QCOMPARE(pl->cmbMediaKm[0].Text(), QString("110"));
        QCOMPARE(pl->cmbOra[3].Text() + pl->cmbMin[3].Text(), QString("2330"));
        QCOMPARE(pl->cmbSoste.Text(), QString("1 - Soste itinerario"));

        // A new trip starts from them, not from the trip on screen (at 90,
        // with a calculated end); loading a trip without a calculation
        // empties its end as well.
        FormViandora& f = *pl;
        NuovaMeta(pl, "PARIGI");
        f.cmbMediaKm[0].SetText("90");
        f.cmbRipH.SetText("05");
        f.Click("cmdSalva");
        // The end shown, then set to testo.
        const auto fine = [&](const QString& testo) {
            QString testi = f.txtGiorni.Text;
            for (auto& t : f.txtFine) {
                testi += t.Text;
                t.Text = testo;
            }
            f.txtGiorni.Text = testo;
            return testi;
        };
        fine("17");
        f.Click("cmdNuovo");
        QCOMPARE((QStringList{f.cmbMediaKm[0].Text(), f.cmbRipH.Text(), f.cmbSoste.Text(), fine("17")}),
                 (QStringList{"110", "03", "1 - Soste itinerario", ""}));
        f.SchermoMeta.CaricaDatiAnagraficiMeta();
        QCOMPARE((QStringList{f.cmbMediaKm[0].Text(), fine("")}), (QStringList{"90", ""}));

        // Reset brings back and stores the built-in values.
        pl.p.risposte = {Msg::Yes};
        pl->Click("cmdDefault(2)");
        QCOMPARE(Schermo(*pl), incorporati);
        pl->Db.RecordSetImposta(SlotMeta, Query("Parametri"));
        QCOMPARE(pl->Db.NumeroRecord, 1.0);
        QCOMPARE(pl->Db.Rs(8).Testo("MediaAutostrada"), QString("75"));
    }

    void giorniDelMese() {
        Planner pl;
        pl->cmbInizio[0].SetText("31");
        pl->cmbInizio[2].SetText("2024");
        pl->cmbInizio[1].SetText("02");
        pl->Click("cmbInizio(1)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 29);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("29"));
        QCOMPARE(pl->txtInizioGSett.Text, QString("Gio"));
        pl->cmbInizio[2].SetText("2023");
        pl->Click("cmbInizio(2)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 28);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("28"));
        // Choosing the day keeps the list.
        pl->cmbInizio[0].SetText("05");
        pl->Click("cmbInizio(0)");
        QCOMPARE(pl->cmbInizio[0].ListCount(), 28);
        QCOMPARE(pl->cmbInizio[0].Text(), QString("05"));
    }

    // Values the checks correct, as typed or as stored by an old file or another
    // installation: "k=hh:mm" the time pair k, A S P L the speeds, rip* the
    // rests. The check always ends, and the screen shows what it kept, also
    // after the refresh gives the values back to the lists.
    void correzioni() {
        const auto prova = [&](QStringList valori, QStringList attesi) {
            Planner pl;
            FormViandora& f = *pl;
            auto lista = [&f](const QString& chiave) -> Elenco* {
                const int velocita = QStringLiteral("ASPL").indexOf(chiave);
                if (chiave.size() == 1 && velocita >= 0) return &f.cmbMediaKm[velocita];
                if (chiave == "ripM") return &f.cmbRipM;
                if (chiave == "ripH") return &f.cmbRipH;
                if (chiave == "ripG") return &f.cmbRipG;
                if (chiave == "ripGG") return &f.cmbRipGG;
                if (chiave == "giorni") return &f.cmbGiorni;
                return nullptr;
            };
            for (const QString& v : valori) {
                const QString chiave = v.section(u'=', 0, 0), valore = v.section(u'=', 1);
                if (Elenco* l = lista(chiave))
                    l->SetText(valore);
                else
                    Orario(f, chiave.toInt(), valore.section(u':', 0, 0), valore.section(u':', 1));
            }
            for (int giro = 0; giro < 2; ++giro) {
                f.SchermoMeta.Aggiorna(true);
                for (const QString& a : attesi) {
                    if (a.isEmpty()) continue;
                    const QString chiave = a.section(u'=', 0, 0);
                    const Elenco* l = lista(chiave);
                    const int k = chiave.toInt();
                    QCOMPARE(l ? l->Text() : f.cmbOra[k].Text() + ":" + f.cmbMin[k].Text(),
                             a.section(u'=', 1));
                }
                QVERIFY(f.cmbOra[1].ListIndex() >= 0 && f.cmbOra[6].ListIndex() >= 0);
                QVERIFY(f.Meta.ParametriMeta.OraPranzo > f.Meta.ParametriMeta.OraColazione);
                QVERIFY(f.Meta.ParametriMeta.OraNotte > f.Meta.ParametriMeta.OraCena);
                QVERIFY(f.Meta.ParametriMeta.GiorniAdeguamento >= 0);
            }
        };
        auto caso = [&]([[maybe_unused]] const char* nome, const QString& valori, const QString& attesi) {
            prova(valori.split(u' '), attesi.split(u' '));
        };
        caso("pranzo alle 11 dopo la colazione delle 10:30", "0=10:30 1=11:00", "0=00:30 1=11:00");
        caso("visite oltre la notte", "3=23:30 7=24:00", "7=23:30 3=23:30");
        caso("ora oltre la lista", "8=30:00", "8=24:00");
        caso("cena ferma alla prima ora della lista", "2=18:00 5=02:15 3=20:00 7=18:00", "2=18:00");
        caso("notte alle 24", "3=24:00 2=20:00", "3=24:00 2=20:00");
        caso("velocità nulle: la prima della lista", "A=0 S= P=abc L=35", "A=50 S=45 P=30 L=35");
        caso("riposi e giorni fuori lista", "ripH=xx ripG=9 ripGG=-3 giorni=-5", "ripH=00 ripG=00 ripGG=00");
        caso("riposo oltre l'ora: nessuno", "ripM=75", "ripM=00");
        caso("riposo di 20 minuti", "ripM=20", "ripM=20");
        caso("orari vuoti o non numeri", "1=: 6=ab:cd", "");
    }
};

QTEST_GUILESS_MAIN(TestParametriMeta)
#include "test_parametri_meta.moc"
