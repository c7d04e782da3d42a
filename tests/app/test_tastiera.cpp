// The real window with the keyboard: focus where the work is, Tab through the
// input fields, mnemonics that open one command each, the grid's keys, a
// paste that obeys the field's rules, and the search lists open on their
// entries.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/FinestraViandora.h"
#include "itinerary/EditorProva.h"
#include "shell/Itinerario.h"
#include "support/Mnemonici.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

namespace {

// The window over a planner, shown and active, applying the module's focus.
struct Finestra {
    FinestraViandora finestra;
    explicit Finestra(Planner& pl) : finestra(*pl) {
        pl.p.suFocus = [this](const QString& nome) { finestra.Fuoco(nome); };
        finestra.show();
        finestra.activateWindow();
    }
    QWidget* operator()(const char* nome) const { return finestra.Widget(QString::fromLatin1(nome)); }
};

// The control that has the focus, by its name ("cmbOra(3)").
QString Fuoco() {
    QWidget* w = QApplication::focusWidget();
    while (w && w->objectName().isEmpty())
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

void Tasto(Qt::Key tasto, Qt::KeyboardModifiers modi = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tasto, modi);
}

// A saved trip with three stages.
void TreTappe(Planner& pl) {
    FormViandora& f = *pl;
    NuovaMeta(pl, "ROMA");
    f.Click("cmdItinerario");
    Scrivi(f, "ROMA");
    Scrivi(f, "FIRENZE", "A1", "270", "Autostrada");
    Scrivi(f, "BOLOGNA", "A1", "100", "Autostrada");
    pl.p.risposte = {Msg::Yes};
    f.Click("cmdMemorizza");
}

} // namespace

class TestTastiera : public QObject {
    Q_OBJECT
private slots:
    void cinqueTappeSoloDaTastiera() {
        Planner pl;
        NuovaMeta(pl, "SICILIA");
        Finestra w(pl);
        QVERIFY(QTest::qWaitForWindowActive(&w.finestra));

        // A mnemonic clicks its button a moment later, as a click shows.
        QTest::keyClick(&w.finestra, Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(pl->frmInputBox.Visible);
        const QStringList tappe = {"palermo", "cefalu|ss113|70", "messina|a20|160", "taormina|a18|50",
                                   "catania|a18|55"};
        int riga = 1;
        for (const QString& tappa : tappe) {
            QTRY_COMPARE(int(pl->Itinerario.RigaCorrente), riga);
            ++riga;
            QCOMPARE(Fuoco(), QString("txtTappa"));
            // Alt with the letter of a disabled command ("&Cancella", one
            // stage) types nothing.
            if (riga == 3) QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
            QVERIFY(pl->txtTappa.Text.isEmpty());
            const QStringList c = tappa.split(u'|');
            QTest::keyClicks(QApplication::focusWidget(), c[0]);
            if (c.size() > 1) {
                Tasto(Qt::Key_Tab);
                QCOMPARE(Fuoco(), QString("txtStrada"));
                QTest::keyClicks(QApplication::focusWidget(), c[1]);
                Tasto(Qt::Key_Tab);
                QCOMPARE(Fuoco(), QString("txtKm"));
                QTest::keyClicks(QApplication::focusWidget(), c[2]);
                // On to the road type, past the progressive box when shown.
                while (Fuoco() != QLatin1String("cmbTipoStrada"))
                    Tasto(Qt::Key_Tab);
                // From "Locale" up to "Principale".
                Tasto(Qt::Key_Up);
                QCOMPARE(pl->cmbTipoStrada.Text(), QString("Principale"));
            }
            QTest::keyClick(&w.finestra, Qt::Key_I, Qt::AltModifier);
        }
        QTRY_COMPARE(int(pl->Itinerario.RigaCorrente), riga);
        pl.p.messaggi.clear();
        pl.p.risposte = {Msg::Yes};
        QTest::keyClick(&w.finestra, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(pl.p.messaggi.size(), 1);
        QCOMPARE(pl.p.messaggi.last().testo, QString("Vuoi salvare l'itinerario?"));
        QCOMPARE(RecordItinerario(*pl, pl->Meta.CodiceMetaCorrente,
                                  {"Localita", "NomeStrada", "Chilometri", "TipoStrada"}),
                 QStringList({"PALERMO| |0| ", "CEFALU|SS113 |70|P", "MESSINA|A20 |160|P",
                              "TAORMINA|A18 |50|P", "CATANIA|A18 |55|P"}));
    }

    void tabSoloSuiCampi() {
        Planner pl;
        pl->Click("cmdNuovo");
        Finestra w(pl);
        QVERIFY(QTest::qWaitForWindowActive(&w.finestra));
        w.finestra.Aggiorna();
        QCOMPARE(Fuoco(), QString("txtLocalita"));
        QStringList ordine;
        for (int i = 0; i < 60 && !ordine.contains(Fuoco()); ++i) {
            ordine << Fuoco();
            Tasto(Qt::Key_Tab);
        }
        // Screen order, display-only boxes (code, totals, end, weekday) and
        // buttons left out.
        QCOMPARE(ordine.mid(0, 4),
                 QStringList({"txtLocalita", "txtNazione", "cmbInizio(0)", "cmbInizio(1)"}));
        for (const QString& nome : ordine) {
            QVERIFY2(!nome.startsWith("cmd") && !nome.startsWith("txtKmTot") && !nome.startsWith("txtFine") &&
                         nome != "txtCodice" && nome != "txtInizioGSett",
                     qPrintable(nome));
        }
        QVERIFY(ordine.contains("cmbGiorni") && ordine.contains("mfgTab"));
    }

    // One command per Alt+letter on every screen of the planner, panels
    // over panels included.
    void mnemoniciUnici() {
        Planner pl;
        TreTappe(pl);
        FinestraViandora finestra(*pl);
        const auto passo = [&](const char* schermo, const QStringList& comandi, const Controllo& pannello) {
            for (const QString& c : comandi) {
                pl.p.risposte = {Msg::No};
                pl->Click(c);
            }
            finestra.Aggiorna();
            QVERIFY2(pannello.Visible, schermo);
            const QStringList doppi = MnemoniciDoppi(finestra);
            QVERIFY2(doppi.isEmpty(), qPrintable(QString(schermo) + ": " + doppi.join(", ")));
        };
        passo("itinerario", {}, pl->frmInputBox);
        passo("cerca", {"cmdCerca"}, pl->cmbRicercaTappa);
        passo("copia", {"cmdFine", "cmdDuplica"}, pl->frmLista);
        passo("mete", {"cmdRinunciaCopia", "cmdFine"}, pl->frmMeteTempi);
        passo("guida", {"cmdGuidaCitta"}, pl->frmGuida);
        passo("opzioni guida", {"cmdStampaGuidaCitta"}, pl->frmGuidaStampa);
        passo("stampanti guida", {"cmdStampaGuida(0)"}, pl->frmSelStampa);
        passo("tabella di marcia",
              {"cmdSelStampante(1)", "cmdStampaGuida(1)", "cmdFineInserimento", "cmdCalcola"}, pl->mfgTab);
        passo("opzioni di stampa", {"cmdStampa"}, pl->frmStampa);
        passo("stampanti", {"CmdEsegui(0)"}, pl->frmSelStampa);
        passo("export", {"cmdSelStampante(1)", "CmdEsegui(1)", "cmdCalcola", "cmdFine", "cmdExport"},
              pl->frmExport);
        passo("nuova", {"cmdRinuncia", "cmdNuovo"}, pl->frmMeteTempi);
        passo("ricerca", {"cmdRicerca"}, pl->cmbRicerca);
    }

    void grigliaEListaDiRicerca() {
        Planner pl;
        TreTappe(pl);
        Finestra w(pl);
        QVERIFY(QTest::qWaitForWindowActive(&w.finestra));
        auto* vista = qobject_cast<QTableView*>(w("mfgTab"));
        vista->setFocus();
        // Ctrl+End: the new row; what is written lands on the row shown.
        QTest::keyClick(vista, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(int(pl->Itinerario.RigaCorrente), 4);
        QCOMPARE(vista->currentIndex().row(), 3);
        QVERIFY(pl->txtTappa.Text.isEmpty());
        Scrivi(*pl, "MODENA", "A1", "40", "Autostrada");
        QCOMPARE(pl->mfgTab.TextMatrix(4, 1), QString("MODENA"));
        // Home, and a letter that finds a row: the fields follow.
        vista->setFocus();
        QTest::keyClick(vista, Qt::Key_Home);
        QCOMPARE(pl->txtTappa.Text, QString("ROMA"));
        QTest::keyClicks(vista, "b");
        QCOMPARE(vista->currentIndex().row(), 2);
        QCOMPARE(pl->txtTappa.Text, QString("BOLOGNA"));
        QCOMPARE(w.finestra.Widget("txtRiga")->property("text").toString(), QString("3"));

        // The search list opens on its entries, with the focus.
        pl->Click("cmdCerca");
        w.finestra.Aggiorna();
        auto* lista = qobject_cast<QListWidget*>(w("cmbRicercaTappa"));
        QVERIFY(lista->isVisible() && lista->count() == 4);
        QCOMPARE(Fuoco(), QString("cmbRicercaTappa"));
        // The row numbers end every entry in one column.
        const QFontMetrics m = lista->fontMetrics();
        QCOMPARE(m.horizontalAdvance(lista->item(0)->text()), m.horizontalAdvance(lista->item(2)->text()));
        // The commands it stops look stopped.
        QVERIFY(!w("cmdInserisce")->isEnabled());
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Return);
        QVERIFY(!lista->isVisible());
        QCOMPARE(pl->txtTappa.Text, QString("FIRENZE"));
        QVERIFY(w("cmdInserisce")->isEnabled());
    }

    void incollaSecondoLeRegole() {
        const auto prova = [&](QString campo, QString appunti, QString atteso) {
            EditorProva e;
            Finestra w(e);
            QVERIFY(QTest::qWaitForWindowActive(&w.finestra));
            QWidget* widget = w.finestra.Widget(campo);
            auto* testo = qobject_cast<QLineEdit*>(widget);
            if (auto* cb = qobject_cast<QComboBox*>(widget)) {
                cb->setEditText(QString());
                testo = cb->lineEdit();
            }
            testo->setFocus();
            QApplication::clipboard()->setText(appunti);
            QTest::keyClick(testo, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(testo->text(), atteso);
            if (auto* casella = dynamic_cast<CasellaTesto*>(e->TrovaControllo(campo)))
                QCOMPARE(casella->Text, atteso);
        };
        // km
        prova("txtKm", "1.2a5 km", "125");
        // maiuscole
        prova("txtTappa", "l'aquila\nroma", "L'AQUILA");
        // lunghezza
        prova("txtTappa", QString(40, 'a'), QString(29, 'A'));
        // solo lista
        prova("cmbTipoStrada", "Autostrada", "");
        // No more than what is stored.
        // velocita
        prova("cmbMediaKm(0)", "123456", "123");
        // giorni
        prova("cmbGiorni", "0000012", "0000");
    }

    void grigliaFermaSenzaRidisegno() {
        Planner pl;
        TreTappe(pl);
        Finestra w(pl);
        auto* vista = qobject_cast<QTableView*>(w("mfgTab"));
        QAbstractItemModelTester tester(vista->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int righe = vista->model()->rowCount();
        // While the module fills the grid with its redraw off, the view keeps
        // its rows; switched on, the rows come, added at the end.
        pl->mfgTab.Redraw = false;
        pl->mfgTab.SetRows(40);
        w.finestra.Aggiorna();
        QCOMPARE(vista->model()->rowCount(), righe);
        pl->mfgTab.Redraw = true;
        w.finestra.Aggiorna();
        QCOMPARE(vista->model()->rowCount(), 40 - pl->mfgTab.FixedRows);
    }
};

QTEST_MAIN(TestTastiera)
#include "test_tastiera.moc"
