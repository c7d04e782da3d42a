// Command lists, confirmations, progress bar, exit, key filters and the
// help buttons.
#include <QRect>
#include <QRegularExpression>
#include <QTest>

#include "shell/Itinerario.h"
#include "support/ComandiAbilitati.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {
const QStringList TuttiMeta = {"cmdCalcola", "cmdCancItin",   "cmdCancMeta", "cmdEsce",
                               "cmdExport",  "cmdGuidaCitta", "cmdImport",   "cmdItinerario",
                               "cmdNuovo",   "cmdRicerca",    "cmdSalva",    "cmdStampa"};

QRect Rettangolo(const Controllo& c) {
    return QRect(c.Left, c.Top, c.Width, c.Height);
}

// What a click could wrongly change: every control's state and the command lists.
QStringList Stato(FormViandora& f) {
    QStringList s{f.ComandiMeta, f.ComandiItinerario, f.Meta.CodiceMetaCorrente};
    for (Controllo* c : f.Controlli()) {
        QString riga = c->NomeCompleto() + QString::number(c->Visible) + QString::number(c->Enabled);
        if (auto* b = dynamic_cast<Pulsante*>(c)) riga += b->Caption;
        if (auto* e = dynamic_cast<Etichetta*>(c)) riga += e->Caption;
        if (auto* t = dynamic_cast<CasellaTesto*>(c)) riga += t->Text;
        s << riga;
    }
    return s;
}
} // namespace

class TestComandi : public QObject {
    Q_OBJECT
private slots:
    // The command lists, and what else decides: a timetable on screen, the
    // stage editor open, the number of stages; the exit button stops a run
    // ("Es" alone) and takes Esc while a search list is offered. Closing from
    // the frame is "&Esce", asked as the button asks; where the screen does
    // not offer it, the window stays and says what comes first.
    void listeDiComandi() {
        // stato: "calcolata", "editor" or the number of stages
        // abilitati: in both panels
        // chiusura: the start of what closing from the frame asks or says
        const auto prova = [&](QString meta, QString itinerario, QString stato, QString metaDopo,
                               QStringList abilitati, QString esce, bool esc, QString chiusura) {
            Planner pl;
            if (stato == "calcolata")
                pl->Itinerario.Calcola = StatoItinerario::ComandoCalcola::Sblocca;
            else if (stato == "editor")
                pl->frmInputBox.Visible = true;
            else
                pl->Itinerario.NumeroTappe = qint16(stato.toInt());
            pl->ComandiMeta = meta;
            pl->ComandiItinerario = itinerario;
            pl->AbilitaPulsantiComando();
            QCOMPARE(pl->ComandiMeta, metaDopo);
            QCOMPARE(ComandiAbilitati(*pl) + ComandiAbilitati(*pl, "frmInputBox"), abilitati);
            QCOMPARE(pl->cmdEsce.Caption, esce);
            QCOMPARE(pl->cmdEsce.Cancel, esc);
            pl.p.risposte = {Msg::Yes};
            bool annulla = false;
            pl->Form_QueryUnload(annulla);
            QVERIFY(annulla != chiusura.startsWith("Vuoi chiudere") && pl.p.terminato == !annulla);
            QCOMPARE(pl.p.messaggi.size(), 1);
            QVERIFY2(pl.p.messaggi[0].testo.startsWith(chiusura), qPrintable(pl.p.messaggi[0].testo));
        };
        const QString chiudi = "Vuoi chiudere la procedura?", prima = "Per chiudere la procedura ";
        // nessuna meta
        prova("NuImEs", "ZZ", "0", "NuImEs", {"cmdEsce", "cmdImport", "cmdNuovo", "cmdMapPoint"}, "&Esce",
              false, chiudi);
        // solo stop
        prova("Es", "ZZ", "0", "Es", {"cmdEsce", "cmdMapPoint"}, "&Stop", false,
              "Vuoi interrompere l'elaborazione?");
        // ricerca con Esc
        prova("NuRi", "ZZ", "0", "NuRi", {"cmdNuovo", "cmdRicerca", "cmdMapPoint"}, "&Esce", true,
              prima + "termina prima l'operazione in corso.");
        // codici minuscoli
        prova("nuri", "ZZ", "0", "nuri", {"cmdMapPoint"}, "&Esce", false,
              prima + "termina prima l'operazione in corso.");
        // tutti in minuscolo
        prova("aLL", "ZZ", "0", "NuRiSaCmCaStItGcCiEsImEx", TuttiMeta + QStringList{"cmdMapPoint"}, "&Esce",
              false, chiudi);
        // cmdCerca needs more than one stage, and the import fewer than two.
        // itinerario intero, due tappe
        prova("ZZ", "all", "2", "ZZ",
              {"cmdAggiunge", "cmdAzzeraSoste", "cmdCancella", "cmdCerca", "cmdDuplica", "cmdFine",
               "cmdInserisce", "cmdMemorizza", "cmdRicalcola", "cmdRitorno", "cmdTrasferisce"},
              "&Esce", false, prima + "termina prima l'operazione in corso.");
        // cerca con una tappa
        prova("ZZ", "CeFi", "1", "ZZ", {"cmdFine", "cmdMapPoint"}, "&Esce", false,
              prima + "termina prima l'operazione in corso.");
        // tabella calcolata: sblocca, stampa, riepilogo
        prova("All", "ZZ", "calcolata", "CaSt",
              {"cmdCalcola", "cmdCalendario", "cmdRiepilogo", "cmdStampa", "cmdMapPoint"}, "&Esce", false,
              prima + "sblocca prima la tabella di marcia");
        // vv tiene tutto spento
        prova("vv", "ZZ", "calcolata", "vv", {"cmdMapPoint"}, "&Esce", false,
              prima + "sblocca prima la tabella di marcia");
        // editor aperto: la meta aspetta
        prova("All", "InFi", "editor", "F", {"cmdFine", "cmdInserisce", "cmdMapPoint"}, "&Esce", false,
              prima + "esci prima dall'inserimento dell'itinerario");
    }

    void barraDiAvanzamento() {
        Planner pl;
        const int base = pl->txtBase.Width;
        pl->TotaleProgresso = 200;
        pl->ContatoreProgresso = 74;
        const int eventi = pl.p.eventiElaborati;
        pl->AggiornaPercentuale();
        QCOMPARE(pl->txtPerc.Text, QString("37%"));
        QCOMPARE(pl->txtPerc.Width, base * 37 / 100);
        QVERIFY(pl->txtPerc.Visible && pl.p.eventiElaborati > eventi);
        // Beyond the total the bar stops full; below zero or with no total it is hidden.
        pl->ContatoreProgresso = 500;
        pl->AggiornaPercentuale();
        QVERIFY(pl->ContatoreProgresso == 200.0 && pl->txtPerc.Width == base);
        pl->ContatoreProgresso = -3;
        pl->AggiornaPercentuale();
        QVERIFY(!pl->txtPerc.Visible && pl->txtPerc.Width == 0);
        pl->TotaleProgresso = 0;
        pl->ContatoreProgresso = 5;
        pl->AggiornaPercentuale();
        QVERIFY(!pl->txtPerc.Visible);
    }

    // The start: today, minutes down to the quarter; 53 to 59 carry into the next hour.
    void oraDiPartenza() {
        const auto prova = [&](QTime adesso, QString ora) {
            Planner pl;
            pl.p.adesso = QDateTime(QDate(2024, 2, 9), adesso);
            pl->frmGuida.Visible = true;
            pl->txtFine[0].Text = "12";
            pl->SchermoMeta.AzzeraSchermo();
            QCOMPARE(pl->cmbInizio[0].Text() + pl->cmbInizio[1].Text() + pl->cmbInizio[2].Text() + " " +
                         pl->cmbInizio[3].Text() + ":" + pl->cmbInizio[4].Text(),
                     "09022024 " + ora);
            QVERIFY(!pl->frmGuida.Visible && pl->txtFine[0].Text.isEmpty());
        };
        for (const char* caso : {"10:52 10:45", "10:07 10:00", "10:08 10:15", "10:53 11:00", "23:59 24:00"})
            prova(QTime::fromString(QString(caso).left(5), "hh:mm"), QString(caso).mid(6));
    }

    // The key filters of the trip screen and of the stage editor: what each
    // key becomes, "_" for a key discarded.
    void filtriTasti() {
        const auto prova = [&](QString campo, QString tasti, QString passati) {
            Planner pl;
            QVERIFY(pl->HaGestoreTasti(campo));
            QString risultato;
            for (QChar c : tasti) {
                int k = c.unicode();
                pl->KeyPress(campo, k);
                risultato += k == 0 ? QChar(u'_') : QChar(k);
            }
            QCOMPARE(risultato, passati);
        };
        prova("txtLocalita", "a'", "A'");
        prova("txtNazione", "à'", "À'");
        prova("cmbMediaKm(2)", "7\bx.", "7\b__");
        prova("cmbGiorni", "5-", "5_");
        for (const char* soloLista :
             {"cmbInizio(0)", "cmbInizio(4)", "cmbOra(8)", "cmbMin(0)", "cmbRipM", "cmbRipH", "cmbRipG",
              "cmbRipGG", "cmbSoste", "cmbSosta(0)", "cmbSosta(2)"})
            prova(soloLista, "1", "_");
        prova("cmbTipoStrada", "A\b", "__");
        prova("txtTappa", "l'aquila à", "L'AQUILA À");
        prova("txtStrada", "a1 tragh", "A1 TRAGH");
        prova("txtKm", "12a.\b 9", "12__\b_9");
        prova("txtVeicolo(3)", "1,8.5a-:", "1,8.5___");
        prova("txtVeicolo(7)", "09:0a.", "09:0__");
    }

    // The days wanted never exceed 997.
    void giorniAlMassimo997() {
        Planner pl;
        for (const char* giorni : {"998", "120"}) {
            pl->cmbGiorni.SetText(giorni);
            pl->Change("cmbGiorni");
            QCOMPARE(pl->cmbGiorni.Text(), QString(giorni == QString("998") ? "997" : giorni));
        }
    }

    // Help buttons: each shows a text of its own in one OK box and changes
    // nothing else, and none covers another control of its panel.
    void aiuto() {
        Planner pl;
        QStringList testi;
        for (Controllo* c : pl->Controlli()) {
            if (!c->Nome().startsWith(QLatin1String("cmdHelp"))) continue;
            const QString nome = c->NomeCompleto();
            QVERIFY2(c->Visible && c->Enabled && c->Width >= 200 && c->Height >= 200, qPrintable(nome));
            const Controllo* pannello = pl->TrovaControllo(c->Genitore());
            QVERIFY2(QRect(0, 0, pannello->Width, pannello->Height).contains(Rettangolo(*c)),
                     qPrintable(nome));
            // Hidden controls count too: the window shows them at times.
            for (Controllo* altro : pl->Controlli())
                QVERIFY2(altro == c || altro->Genitore() != c->Genitore() ||
                             !Rettangolo(*altro).intersects(Rettangolo(*c)),
                         qPrintable(nome + " copre " + altro->NomeCompleto()));

            const QStringList prima = Stato(*pl);
            pl.p.messaggi.clear();
            pl->Click(nome);
            QCOMPARE(pl.p.messaggi.size(), 1);
            QCOMPARE(pl.p.messaggi[0].pulsanti & 7, Msg::OkOnly);
            QCOMPARE(Stato(*pl), prima);
            // A text of its own, its lines ended by CR LF, none by a blank.
            const QString testo = pl.p.messaggi[0].testo;
            QVERIFY2(testo.size() > 100 && !testi.contains(testo), qPrintable(nome));
            QVERIFY2(!testo.contains(QRegularExpression("[^\r]\n|\r(?!\n)|\\S +(\r|$)")), qPrintable(nome));
            testi << testo;
        }
        QCOMPARE(testi.size(), 15);
    }
};

QTEST_GUILESS_MAIN(TestComandi)
#include "test_comandi.moc"
