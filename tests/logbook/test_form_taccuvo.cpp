// The logbook printer's rules: its command line, its window module, and the
// pages of the logbook on a recording page; its real window, offscreen.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "PiattaformaRegistrata.h"
#include "common/Date.h"
#include "core/FormTaccuvo.h"
#include "core/PagineDiario.h"
#include "core/RigaComando.h"
#include "finestra/FinestraTaccuvo.h"
#include "support/Mnemonici.h"
#include "support/PaginaRegistrata.h"
#include "support/ProgrammaProva.h"

using namespace Taccuvo;
using P = PaginaRegistrata;

namespace {
DatiDiario Dati(bool compilati = true) {
    DatiDiario d;
    d.Compilati = compilati;
    d.Destinazione = QStringLiteral("ROMA");
    d.Periodo = QStringLiteral("01/07 - 03/07/2026");
    d.PrimoGiorno = Data2Giul(QStringLiteral("01072026"));
    d.Pagine = 3;
    d.AltezzaStampabile = 287;
    d.Versione = QStringLiteral("Taccuvo 2.0.0");
    return d;
}

// Every call of page n, each as "type text x1 y1 x2 y2".
QStringList DellaPagina(const P& p, int n) {
    QStringList r;
    for (const P::Chiamata& c : p.chiamate)
        if (c.pagina == n)
            r << QString::number(c.tipo) + c.testo +
                     QString::asprintf(" %g %g %g %g", c.x1, c.y1, c.x2, c.y2);
    return r;
}
} // namespace

class TestFormTaccuvo : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    QString iniziale_;

    static QString Marcatore() {
        const QString file = QStringLiteral("FineStampaQuintora.tmp");
        return QFile::exists(file) ? QString::fromLatin1(LeggiFile(file)) : QStringLiteral("<assente>");
    }
    static QString Data(const Elenco& g, const Elenco& m, const Elenco& a) {
        return g.Text + QLatin1Char('/') + m.Text + QLatin1Char('/') + a.Text;
    }
    // Day pages printed: every page after the cover.
    static int PagineGiorno(const PaginaRegistrata& r) {
        return int(r.Di(PaginaRegistrata::NuovaPagina).size()) - 1;
    }
    static bool Finito(const PaginaRegistrata& r) { return !r.Di(PaginaRegistrata::FineDocumento).isEmpty(); }
    static bool Annullato(const PaginaRegistrata& r) {
        return !r.Di(PaginaRegistrata::Annullamento).isEmpty();
    }

private slots:
    void init() {
        iniziale_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cartella_.path()));
        QFile::remove(QStringLiteral("FineStampaQuintora.tmp"));
    }
    void cleanup() { QDir::setCurrent(iniziale_); }

    void avvioSenzaArgomenti() {
        PiattaformaRegistrata p;
        p.oggi = QDate(2026, 11, 7);
        FormTaccuvo f(p, QStringLiteral("Taccuvo 2.0.0"));
        f.form_load();
        QCOMPARE(Data(f.cmbg1, f.cmbm1, f.cmba1), QStringLiteral("07/11/2026"));
        // November has no 31st.
        QCOMPARE(Data(f.cmbg2, f.cmbm2, f.cmba2), QStringLiteral("30/11/2026"));
        QVERIFY(!f.cmdStampa.Enabled && !f.cmbCopie.Enabled); // no destination yet
        f.txtLocalita_Change(QStringLiteral("roma"));
        QVERIFY(f.cmdStampa.Enabled && f.cmdStampa.Default && !p.terminato);
        QCOMPARE(Marcatore(), QStringLiteral("<assente>"));
    }

    // Picked before (dd/mm/yyyy), then the month ("m") or year ("a") list
    // changed to a value: the date shown and the days listed.
    void giorniDelMese() {
        const auto prova = [&](QStringList caso, int giorni) {
            const QString inizio = caso[0], lista = caso[1], valore = caso[2];
            PiattaformaRegistrata p;
            p.oggi = QDate(2026, 6, 1);
            for (int fine = 0; fine < 2; ++fine) {
                FormTaccuvo f(p, {});
                f.form_load();
                Elenco& g = fine ? f.cmbg2 : f.cmbg1;
                Elenco& m = fine ? f.cmbm2 : f.cmbm1;
                Elenco& a = fine ? f.cmba2 : f.cmba1;
                a.Text = inizio.mid(6);
                m.Text = inizio.mid(3, 2);
                fine ? f.cmbM2_Click() : f.cmbM1_Click();
                g.Text = inizio.left(2);
                if (lista == QLatin1String("m")) {
                    m.Text = valore;
                    fine ? f.cmbM2_Click() : f.cmbM1_Click();
                } else {
                    a.Text = valore;
                    fine ? f.cmbA2_Click() : f.cmbA1_Click();
                }
                QCOMPARE(Data(g, m, a), caso[3]);
                QCOMPARE(int(g.Voci.size()), giorni);
                QCOMPARE(g.Voci.last(), QString::number(g.Voci.size()));
            }
        };
        prova({"31/01/2028", "m", "02", "29/02/2028"}, 29);
        prova({"29/02/2028", "a", "2027", "28/02/2027"}, 28);
    }

    void pulsanteStampa() {
        // campi: destination, start day, end day
        const auto prova = [&](QStringList campi, bool abilitato) {
            PiattaformaRegistrata p;
            FormTaccuvo f(p, {});
            f.form_load();
            f.txtLocalita_Change(campi[0]);
            f.cmbg1.Text = campi[1];
            f.cmbG1_Click();
            f.cmbg2.Text = campi[2];
            f.cmbG2_Click();
            QCOMPARE(f.cmdStampa.Enabled, abilitato);
            // Blank pages need neither destination nor period.
            f.chkBianco.Value = true;
            f.chkBianco_Click();
            QVERIFY(f.cmdStampa.Enabled && f.cmbCopie.Enabled);
            QVERIFY(!f.frmLocalita.Enabled && !f.frmPeriodo.Enabled);
            f.chkBianco.Value = false;
            f.chkBianco_Click();
            QCOMPARE(f.cmdStampa.Enabled, abilitato);
            QVERIFY(f.frmPeriodo.Enabled && !f.cmbCopie.Enabled);
        };
        prova({"ROMA", "01", "01"}, true);
        prova({"ROMA", "02", "01"}, false);
        prova({"", "01", "05"}, false);
    }

    void tasti() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        QCOMPARE(f.txtLocalita_KeyPress('a'), int('A'));
        QCOMPARE(f.txtLocalita_KeyPress(0xE8), 0xC8); // è
        QCOMPARE(f.txtLocalita_KeyPress(0xDF), 0xDF); // ß has no one-letter capital
        QCOMPARE(f.cmbData_KeyPress('5'), 0);
        QCOMPARE(f.cmbCopie_KeyPress('9'), 0);
    }

    // Started with arguments: fields filled and locked, pages printed on the
    // default printer without a question, marker written, program ended.
    void avvioConArgomenti() {
        // campi: destination|from|to as shown; pagine: day pages, -1 none; avviso: part of
        // the one message when nothing is printed
        const auto prova = [&](QString argomento, QString campi, int pagine, int codice, QString avviso) {
            QFile::remove(QStringLiteral("FineStampaQuintora.tmp"));
            PiattaformaRegistrata p;
            p.stampanti = {QStringLiteral("Ufficio")};
            p.predefinita = QStringLiteral("Ufficio");
            FormTaccuvo f(p, {});
            f.form_load(argomento);
            QCOMPARE(f.txtLocalita.Text + '|' + Data(f.cmbg1, f.cmbm1, f.cmba1) + '|' +
                         Data(f.cmbg2, f.cmbm2, f.cmba2),
                     campi);
            QVERIFY(!f.txtLocalita.Enabled && !f.cmbg1.Enabled && !f.cmba2.Enabled && !f.chkBianco.Enabled);
            QVERIFY(p.messaggi.isEmpty()); // never a question
            if (pagine < 0) {
                QVERIFY(p.aperti.isEmpty());
            } else {
                QCOMPARE(p.aperti, QStringList{QStringLiteral("stampante:Ufficio")});
                QCOMPARE(PagineGiorno(*p.ultimo), pagine);
                QVERIFY(Finito(*p.ultimo));
            }
            QCOMPARE(p.avvisi.size() + p.errori.size(), pagine < 0 ? 1 : 0);
            QVERIFY2((p.avvisi + p.errori).join(u'|').contains(avviso),
                     qPrintable((p.avvisi + p.errori).join(u'|')));
            QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
            QVERIFY(p.terminato);
            QCOMPARE(p.codice, codice);
        };
        prova("ROMA,01/07/2006,01/07/2006", "ROMA|01/07/2006|01/07/2006", 1, 0, "");
        prova("ROMA", "|31/01/2026|31/01/2026", -1, 1, "Manca il periodo");
        prova("ROMA,20/01/2026,40/01/2026", "ROMA|20/01/2026|31/01/2026", -1, 1,
              "La data finale \"40/01/2026\" non è un giorno");
        prova("ROMA,01/07/2150,02/07/2150", "ROMA|31/01/2026|31/01/2026", -1, 1, "dal 1901");
        prova("ROMA,03/07/2026,01/07/2026", "ROMA|03/07/2026|01/07/2026", -1, 1, "segue quella finale");
        prova("X,01/01/2028,31/12/2028", "X|01/01/2028|31/12/2028", 366, 0, "");
        prova("X,01/01/2027,02/01/2028", "X|01/01/2027|02/01/2028", -1, 1, "367 giorni");
    }

    // --pdf FILE: printed there without a question; a document that cannot
    // be opened or ended is said, and the program ends with 1. The name of a
    // PDF of its own has no character a file name may not hold (the
    // program's tests run the default one).
    void conPdf() {
        for (int caso = 0; caso < 3; ++caso) {
            QFile::remove(QStringLiteral("FineStampaQuintora.tmp"));
            PiattaformaRegistrata p;
            p.rifiutaApertura = caso == 1;
            p.fineFallita = caso == 2;
            FormTaccuvo f(p, {});
            f.form_load(QStringLiteral("A/B:C,01/07/2026,01/07/2026"), QStringLiteral("scelto.pdf"));
            QCOMPARE(p.aperti, QStringList{QStringLiteral("pdf:scelto.pdf")});
            QVERIFY(p.uscita.isEmpty() && p.messaggi.isEmpty());
            QCOMPARE(p.avvisi.size(), caso ? 1 : 0);
            QCOMPARE(p.codice, caso ? 1 : 0);
            QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
            QCOMPARE(f.NomePdf(), QStringLiteral("Diario di Bordo - A_B_C - 01-07-2026 01-07-2026.pdf"));
        }
    }

    // Started by the user: printer panel, question, pages, cancel. "No"
    // prints nothing but writes the marker, over a longer one of an earlier
    // run.
    void pannelloStampanti() {
        QVERIFY(ScriviFile(QStringLiteral("FineStampaQuintora.tmp"), "resto di una volta precedente\r\n"));
        PiattaformaRegistrata p;
        p.stampanti = {QStringLiteral("Ufficio"), QStringLiteral("Camper")};
        p.predefinita = QStringLiteral("Camper");
        FormTaccuvo f(p, {});
        f.form_load();
        f.txtLocalita_Change(QStringLiteral("ROMA"));
        f.cmdStampa_Click();
        QCOMPARE(f.lstStampanti.Voci, (QStringList{"Ufficio", "Camper", "File PDF"}));
        QCOMPARE(f.lstStampanti.Text(), QStringLiteral("Camper"));
        f.cmdSelStampante_Click(1);
        QVERIFY(!f.frmSelStampa.Visible && p.aperti.isEmpty() && p.messaggi.isEmpty());
        f.cmdStampa_Click();
        f.lstStampanti.ListIndex = 0;
        p.risposte = {Msg::No};
        f.cmdSelStampante_Click(0);
        QVERIFY(p.aperti.isEmpty());
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));

        f.cmdStampa_Click();
        f.lstStampanti.ListIndex = 0;
        f.cmdSelStampante_Click(0);
        QCOMPARE(p.aperti, QStringList{QStringLiteral("stampante:Ufficio")});
        QVERIFY(p.messaggi[1].testo.contains(QStringLiteral("Periodo: . . . . . . . 31/01 - 31/01/2026")));
        QVERIFY(Finito(*p.ultimo) && !p.terminato); // the window stays

        // "File PDF": the dialog proposes a name; giving up prints nothing.
        f.cmdStampa_Click();
        f.lstStampanti.ListIndex = 2;
        f.cmdSelStampante_Click(0);
        QCOMPARE(p.proposte,
                 QStringList{QStringLiteral("Diario di Bordo - ROMA - 31-01-2026 31-01-2026.pdf")});
        QCOMPARE(p.aperti.size(), 1);
        p.fileDaSalvare = {QStringLiteral("/tmp/diario.pdf")};
        f.cmdStampa_Click();
        f.lstStampanti.ListIndex = 2;
        f.cmdSelStampante_Click(0);
        QCOMPARE(p.aperti.last(), QStringLiteral("pdf:/tmp/diario.pdf"));
    }

    void annulla() {
        const auto prova = [&](int risposta) {
            QFile::remove(QStringLiteral("FineStampaQuintora.tmp"));
            PiattaformaRegistrata p;
            p.predefinita = QStringLiteral("Camper");
            p.stampanti = {p.predefinita};
            FormTaccuvo f(p, {});
            f.form_load();
            f.txtLocalita_Change(QStringLiteral("ROMA"));
            f.cmbg2.Text = QStringLiteral("31");
            f.cmbG2_Click();
            f.chkBianco.Value = true;
            f.chkBianco_Click();
            f.cmbCopie.Text = QStringLiteral("05");
            p.risposte = {Msg::Yes, risposta};
            // The user presses "&Annulla" (or "&Fine") while page 2 is being printed.
            p.suEventi = [&] {
                QVERIFY(f.cmdAnnulla.Visible && !f.cmdStampa.Visible);
                if (p.eventi == 3) risposta ? f.cmdAnnulla_Click() : f.cmdFine_Click();
            };
            f.cmdStampa_Click();
            f.cmdSelStampante_Click(0);
            QCOMPARE(p.messaggi.size(), risposta ? 2 : 1);
            QCOMPARE(p.terminato, !risposta);
            if (risposta) QCOMPARE(p.messaggi[1].testo, QStringLiteral("Vuoi annullare la stampa?"));
            if (risposta == Msg::No) {
                QVERIFY(Finito(*p.ultimo) && !Annullato(*p.ultimo));
                QCOMPARE(PagineGiorno(*p.ultimo), 5); // the count of the list, not the period
            } else {
                QVERIFY(!Finito(*p.ultimo) && Annullato(*p.ultimo));
            }
            QVERIFY(!f.cmdAnnulla.Visible && f.cmdStampa.Visible && !f.txtFondo.RiempimentoVisibile);
            QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
        };
        prova(int(Msg::No));
        prova(int(Msg::Yes));
        prova(0);
    }

    // What the command line gives: "destination|start|end|pdf file|help"
    // (a date not valid is empty), or "errore".
    void rigaDiComando() {
        const auto prova = [&](QStringList argomenti, QString letto) {
            const Argomenti a = LeggiArgomenti(argomenti);
            const ParametriStampa p = SeparaParametriAvvio(a.ParametriAvvio);
            auto forma = [](const DataAvvio& d) {
                return d.Valida ? QStringLiteral("%1/%2/%3").arg(d.Giorno).arg(d.Mese).arg(d.Anno)
                                : QString();
            };
            const QStringList campi{p.Destinazione, forma(p.Inizio), forma(p.Fine), a.FilePdf,
                                    a.Aiuto ? "aiuto" : ""};
            QCOMPARE(a.Errore.isEmpty() ? campi.join(u'|') : QStringLiteral("errore"), letto);
        };
        const QString lunga(LunghezzaMassimaDestinazione, QLatin1Char('A'));
        prova({"PARIGI,01/07/2006,15/07/2006"}, "PARIGI|1/7/2006|15/7/2006||");
        prova({"PORTO", "SANTO", "STEFANO,01/07/2026,03/07/2026"}, "PORTO SANTO STEFANO|1/7/2026|3/7/2026||");
        prova({"--", "--help"}, "||||");
        prova({"--help"}, "||||aiuto");
        prova({"--pdf"}, "errore");
        prova({" ROMA , 01/07/2026 , 3/7/2026 "}, "ROMA|1/7/2026|3/7/2026||");
        prova({"ROMA 01/07/2026"}, "||||");
        prova({"\tSAN\x1c MARINO\x7f\n,01/07/2026,02/07/2026"}, "SAN  MARINO|1/7/2026|2/7/2026||");
        prova({"X,29/02/2027,01/03/2027"}, "X||1/3/2027||");
        prova({"X,01/01/1900,01/01/2100"}, "X||||");
        prova({"A" + lunga + ",01/07/2026,02/07/2026"}, lunga + "|1/7/2026|2/7/2026||");
        // Cut where a blank falls, it keeps no blank at its end.
        prova({lunga.left(lunga.size() - 1) + " CD,"}, lunga.left(lunga.size() - 1) + "||||");
    }

    void pagineInBianco() {
        P p;
        const DatiDiario dati = Dati(false);
        StampaCopertina(p, dati);
        for (int k = 1; k <= 3; ++k) {
            StampaPaginaGiorno(p, dati, k);
            p.NewPage();
        }
        // The cover and every day page leave the destination and the day to
        // the pen; the day pages are all alike.
        QVERIFY(p.Testi(1).contains(QStringLiteral("Meta del viaggio")) && !p.Testi(1).contains("ROMA"));
        QCOMPARE(DellaPagina(p, 4), DellaPagina(p, 2));
        QVERIFY(p.Testi(2).contains(QStringLiteral("settimana")) && !p.Testi(2).join(u'|').contains("ROMA") &&
                !p.Testi(2).contains(QStringLiteral("Giorno 1 di 3")));
    }

    // Too wide for its span, a text prints smaller (that it stays whole and
    // inside its lines is the boxed-texts test); the next text gets its own
    // size back.
    void destinazioneLunga() {
        DatiDiario dati = Dati();
        dati.Destinazione = QStringLiteral("SAN GIOVANNI IN PERSICETO SULLA VIA EMILIA");
        P p;
        StampaPaginaGiorno(p, dati, 1);
        const P::Chiamata* banda = p.TestoUguale(dati.Destinazione, 1);
        const P::Chiamata* dopo = p.TestoUguale(QStringLiteral("Pernottamento"), 1);
        QVERIFY(banda && dopo && banda->size < 16 && dopo->size == 12);
    }

    // The real window, offscreen: placed, keys through the filters, the
    // lists' days.
    void tastiera() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, QStringLiteral("Taccuvo 2.0.0"));
        FinestraTaccuvo w(f);
        f.form_load();
        w.Aggiorna();
        // Centred as the program places it, before it is first shown.
        w.Centra();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint scarto = w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY(qAbs(scarto.x()) <= 2 && qAbs(scarto.y()) <= 2);

        QTest::keyClicks(w.Localita(), QStringLiteral("porto "));
        QKeyEvent accentata(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("è"));
        QApplication::sendEvent(w.Localita(), &accentata);
        QCOMPARE(w.Localita()->text(), QStringLiteral("PORTO È"));
        QCOMPARE(f.txtLocalita.Text, QStringLiteral("PORTO È"));
        QVERIFY(w.Pulsante(QStringLiteral("cmdStampa"))->isEnabled());

        // The lists take no typed keys.
        QComboBox* giorno = w.Elenco(QStringLiteral("cmbg1"));
        const QString prima = giorno->currentText();
        QTest::keyClicks(giorno, QStringLiteral("2"));
        QVERIFY(giorno->currentText() == prima && f.cmbg1.Text == prima);

        // Picking a month refills the days.
        QComboBox* mese = w.Elenco(QStringLiteral("cmbm1"));
        mese->setCurrentIndex(1);
        emit mese->activated(1);
        QCOMPARE(f.cmbm1.Text, QStringLiteral("02"));
        QCOMPARE(giorno->count(), 28);
    }

    // Every caption is shown whole; one control per Alt+letter, printing
    // ("&Al", "&Annulla") or with the printer panel (two "&Stampa").
    void testiLeggibili() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, QStringLiteral("Taccuvo 2.0.0"));
        FinestraTaccuvo w(f);
        f.form_load();
        f.cmdAnnulla.Visible = true;
        w.Aggiorna();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto senzaAcceleratore = [](QString t) { return t.remove(QLatin1Char('&')); };
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
            if (!b->isVisible()) continue;
            const int larghezza = b->fontMetrics().horizontalAdvance(senzaAcceleratore(b->text()));
            QVERIFY2(larghezza <= b->width(), qPrintable(b->text()));
        }
        for (QLabel* l : w.findChildren<QLabel*>())
            QVERIFY2(l->fontMetrics().horizontalAdvance(senzaAcceleratore(l->text())) <= l->width(),
                     qPrintable(l->text()));
        for (QGroupBox* g : w.findChildren<QGroupBox*>())
            QVERIFY2(g->fontMetrics().horizontalAdvance(senzaAcceleratore(g->title())) < g->width(),
                     qPrintable(g->title()));
        for (QComboBox* c : w.findChildren<QComboBox*>())
            QVERIFY2(c->fontMetrics().horizontalAdvance(c->currentText()) < c->width(),
                     qPrintable(c->currentText()));
        QCOMPARE(MnemoniciDoppi(w), QStringList());
        f.cmdStampa.Enabled = true;
        f.cmdStampa_Click();
        w.Aggiorna();
        QCOMPARE(MnemoniciDoppi(w), QStringList());
    }
};

QTEST_MAIN(TestFormTaccuvo)
#include "test_form_taccuvo.moc"
