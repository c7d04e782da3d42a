#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "PiattaformaRegistrata.h"
#include "core/FormTaccuvo.h"

using namespace Taccuvo;

class TestFormTaccuvo : public QObject {
    Q_OBJECT

    QTemporaryDir cartella_;
    QString iniziale_;

    static QString Marcatore() {
        QFile f(QDir::current().absoluteFilePath(QStringLiteral("FineStampaQuintora.tmp")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QStringLiteral("<assente>");
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
        QCOMPARE(f.cmba1.Voci, (QStringList{"2025", "2026", "2027", "2028"}));
        QCOMPARE(f.cmbCopie.Voci.size(), 99);
        QCOMPARE(f.cmbCopie.Text, QStringLiteral("01"));
        QVERIFY(!f.cmdStampa.Enabled); // no destination yet
        QVERIFY(!f.cmbCopie.Enabled);
        QVERIFY(f.cmdHelp.Visible && !f.cmdAnnulla.Visible);
        QCOMPARE(f.lblVersione.Caption, QStringLiteral("Taccuvo 2.0.0"));
        f.txtLocalita_Change(QStringLiteral("roma"));
        QCOMPARE(f.txtLocalita.Text, QStringLiteral("ROMA"));
        QVERIFY(f.cmdStampa.Enabled && f.cmdStampa.Default);
        QVERIFY(!p.terminato);
        QCOMPARE(Marcatore(), QStringLiteral("<assente>"));
    }

    void giorniDelMese_data() {
        QTest::addColumn<QString>("inizio"); // dd/mm/yyyy picked before
        QTest::addColumn<QString>("lista");  // "m" or "a": what changes
        QTest::addColumn<QString>("valore");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<int>("giorni");
        QTest::newRow("31/01 to February") << "31/01/2027"
                                           << "m"
                                           << "02"
                                           << "28/02/2027" << 28;
        QTest::newRow("31/01 to February, leap") << "31/01/2028"
                                                 << "m"
                                                 << "02"
                                                 << "29/02/2028" << 29;
        QTest::newRow("15/01 to February") << "15/01/2027"
                                           << "m"
                                           << "02"
                                           << "15/02/2027" << 28;
        QTest::newRow("31/03 to April") << "31/03/2027"
                                        << "m"
                                        << "04"
                                        << "30/04/2027" << 30;
        QTest::newRow("29/02 to a common year") << "29/02/2028"
                                                << "a"
                                                << "2027"
                                                << "28/02/2027" << 28;
    }
    void giorniDelMese() {
        QFETCH(QString, inizio);
        QFETCH(QString, lista);
        QFETCH(QString, valore);
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
            QTEST(Data(g, m, a), "atteso");
            QTEST(int(g.Voci.size()), "giorni");
            QCOMPARE(g.Voci.last(), QString::number(g.Voci.size()));
        }
    }

    void pulsanteStampa_data() {
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("inizio");
        QTest::addColumn<QString>("fine");
        QTest::addColumn<bool>("abilitato");
        QTest::newRow("one day") << "ROMA"
                                 << "01"
                                 << "01" << true;
        QTest::newRow("inverted") << "ROMA"
                                  << "02"
                                  << "01" << false;
        QTest::newRow("no destination") << ""
                                        << "01"
                                        << "05" << false;
    }
    void pulsanteStampa() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        f.form_load();
        QFETCH(QString, destinazione);
        f.txtLocalita_Change(destinazione);
        QFETCH(QString, inizio);
        QFETCH(QString, fine);
        f.cmbg1.Text = inizio;
        f.cmbG1_Click();
        f.cmbg2.Text = fine;
        f.cmbG2_Click();
        QTEST(f.cmdStampa.Enabled, "abilitato");
        // Blank pages need neither destination nor period.
        f.chkBianco.Value = true;
        f.chkBianco_Click();
        QVERIFY(f.cmdStampa.Enabled && f.cmbCopie.Enabled);
        QVERIFY(!f.frmLocalita.Enabled && !f.frmPeriodo.Enabled);
        QCOMPARE(f.txtLocalita.ForeColor, Bianco);
        QCOMPARE(f.cmbm2.ForeColor, Bianco);
        f.chkBianco.Value = false;
        f.chkBianco_Click();
        QTEST(f.cmdStampa.Enabled, "abilitato");
        QCOMPARE(f.cmba1.ForeColor, Nero);
        QVERIFY(f.frmPeriodo.Enabled && !f.cmbCopie.Enabled);
    }

    void tasti() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        QCOMPARE(f.txtLocalita_KeyPress('a'), int('A'));
        QCOMPARE(f.txtLocalita_KeyPress(0xE8), 0xC8); // è
        QCOMPARE(f.txtLocalita_KeyPress('7'), int('7'));
        QCOMPARE(f.txtLocalita_KeyPress(0xDF), 0xDF); // ß has no one-letter capital
        QCOMPARE(f.cmbData_KeyPress('5'), 0);
        QCOMPARE(f.cmbCopie_KeyPress('9'), 0);
    }

    // Started with arguments: fields filled and locked, pages printed on the
    // default printer without a question, marker written, program ended.
    void avvioConArgomenti_data() {
        QTest::addColumn<QString>("argomento");
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("dal");
        QTest::addColumn<QString>("al");
        QTest::addColumn<int>("pagine"); // day pages, -1 none
        QTest::addColumn<int>("codice");
        QTest::newRow("one day") << "ROMA,01/07/2006,01/07/2006"
                                 << "ROMA"
                                 << "01/07/2006"
                                 << "01/07/2006" << 1 << 0;
        QTest::newRow("over the new year") << "LISBONA,30/12/2026,02/01/2027"
                                           << "LISBONA"
                                           << "30/12/2026"
                                           << "02/01/2027" << 4 << 0;
        QTest::newRow("no comma") << "ROMA"
                                  << ""
                                  << "31/01/2026"
                                  << "31/01/2026" << 1 << 0;
        QTest::newRow("bad end date") << "ROMA,20/01/2026,40/01/2026"
                                      << "ROMA"
                                      << "20/01/2026"
                                      << "31/01/2026" << 12 << 0;
        QTest::newRow("inverted") << "ROMA,03/07/2026,01/07/2026"
                                  << "ROMA"
                                  << "03/07/2026"
                                  << "01/07/2026" << -1 << 1;
        QTest::newRow("366 days") << "X,01/01/2028,31/12/2028"
                                  << "X"
                                  << "01/01/2028"
                                  << "31/12/2028" << 366 << 0;
        QTest::newRow("367 days") << "X,01/01/2027,02/01/2028"
                                  << "X"
                                  << "01/01/2027"
                                  << "02/01/2028" << -1 << 1;
    }
    void avvioConArgomenti() {
        PiattaformaRegistrata p;
        p.stampanti = {QStringLiteral("Ufficio")};
        p.predefinita = QStringLiteral("Ufficio");
        FormTaccuvo f(p, {});
        QFETCH(QString, argomento);
        f.form_load(argomento);
        QTEST(f.txtLocalita.Text, "destinazione");
        QTEST(Data(f.cmbg1, f.cmbm1, f.cmba1), "dal");
        QTEST(Data(f.cmbg2, f.cmbm2, f.cmba2), "al");
        QVERIFY(!f.txtLocalita.Enabled && !f.cmbg1.Enabled && !f.cmba2.Enabled && !f.chkBianco.Enabled);
        QVERIFY(!f.cmdHelp.Visible);
        QVERIFY(p.messaggi.isEmpty()); // never a question
        QFETCH(int, pagine);
        if (pagine < 0) {
            QVERIFY(p.aperti.isEmpty());
        } else {
            QCOMPARE(p.aperti, QStringList{QStringLiteral("stampante:Ufficio")});
            QCOMPARE(PagineGiorno(*p.ultimo), pagine);
            QVERIFY(Finito(*p.ultimo));
        }
        QCOMPARE(p.avvisi.size() + p.errori.size(), pagine < 0 ? 1 : 0);
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
        QVERIFY(p.terminato);
        QTEST(p.codice, "codice");
        QVERIFY(f.cmdFine.Enabled && !f.cmdAnnulla.Visible);
    }

    void senzaStampanteUnPdf() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        f.form_load(QStringLiteral("PORTO SANTO STEFANO,01/07/2026,03/07/2026"));
        const QString atteso = QDir::current().absoluteFilePath(
            QStringLiteral("Diario di Bordo - PORTO SANTO STEFANO - 01-07-2026 03-07-2026.pdf"));
        QCOMPARE(p.aperti, QStringList{QStringLiteral("pdf:") + atteso});
        QCOMPARE(p.uscita, QStringList{atteso});
        QCOMPARE(PagineGiorno(*p.ultimo), 3);

        PiattaformaRegistrata q;
        FormTaccuvo g(q, {});
        g.form_load(QStringLiteral("A/B:C,01/07/2026,01/07/2026"), QStringLiteral("scelto.pdf"));
        QCOMPARE(q.aperti, QStringList{QStringLiteral("pdf:scelto.pdf")});
        QVERIFY(q.uscita.isEmpty());
        QCOMPARE(g.NomePdf(), QStringLiteral("Diario di Bordo - A_B_C - 01-07-2026 01-07-2026.pdf"));
    }

    void stampaNonRiuscita() {
        for (int caso = 0; caso < 2; ++caso) {
            PiattaformaRegistrata p;
            p.rifiutaApertura = caso == 0;
            p.fineFallita = caso == 1;
            FormTaccuvo f(p, {});
            f.form_load(QStringLiteral("ROMA,01/07/2026,01/07/2026"), QStringLiteral("x.pdf"));
            QCOMPARE(p.avvisi.size(), 1);
            QCOMPARE(p.codice, 1);
            QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
        }
    }

    // Started by the user: printer panel, question, pages, cancel.
    void pannelloStampanti() {
        PiattaformaRegistrata p;
        p.stampanti = {QStringLiteral("Ufficio"), QStringLiteral("Camper")};
        p.predefinita = QStringLiteral("Camper");
        FormTaccuvo f(p, {});
        f.form_load();
        f.txtLocalita_Change(QStringLiteral("ROMA"));
        f.cmdStampa_Click();
        QVERIFY(f.frmSelStampa.Visible);
        QCOMPARE(f.lstStampanti.Voci, (QStringList{"Ufficio", "Camper", "File PDF"}));
        QCOMPARE(f.lstStampanti.Text(), QStringLiteral("Camper"));
        f.cmdSelStampante_Click(1);
        QVERIFY(!f.frmSelStampa.Visible);
        QVERIFY(p.aperti.isEmpty() && p.messaggi.isEmpty());

        f.cmdStampa_Click();
        f.lstStampanti.ListIndex = 0;
        f.cmdSelStampante_Click(0);
        QCOMPARE(p.aperti, QStringList{QStringLiteral("stampante:Ufficio")});
        QCOMPARE(p.messaggi.size(), 1);
        QCOMPARE(p.messaggi[0].titolo, QStringLiteral("Stampa dei moduli"));
        QVERIFY(p.messaggi[0].testo.contains(QStringLiteral("Destinazione: . . ROMA")));
        QVERIFY(p.messaggi[0].testo.contains(QStringLiteral("Periodo: . . . . . . . 31/01 - 31/01/2026")));
        QVERIFY(p.messaggi[0].testo.contains(QStringLiteral("Pagine: . . . . . . . . 1")));
        QVERIFY(Finito(*p.ultimo));
        QVERIFY(!p.terminato); // the window stays
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));

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

    void rispostaNo() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        f.form_load();
        f.txtLocalita_Change(QStringLiteral("ROMA"));
        p.risposte = {Msg::No};
        p.fileDaSalvare = {QStringLiteral("x.pdf")};
        f.cmdStampa_Click();
        f.cmdSelStampante_Click(0);
        QVERIFY(p.aperti.isEmpty());
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
    }

    void annulla_data() {
        QTest::addColumn<int>("risposta");
        QTest::newRow("No goes on") << int(Msg::No);
        QTest::newRow("Yes discards") << int(Msg::Yes);
        QTest::newRow("Fine discards and ends") << 0;
    }
    void annulla() {
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
        QFETCH(int, risposta);
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
        QVERIFY(!f.cmdAnnulla.Visible && f.cmdStampa.Visible);
        QVERIFY(!f.txtFondo.RiempimentoVisibile);
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
    }

    void marcatoreSovrascritto() {
        QFile vecchio(QStringLiteral("FineStampaQuintora.tmp"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly));
        vecchio.write("resto di una volta precedente, molto piu lungo\r\n");
        vecchio.close();
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        f.form_load(QStringLiteral("ROMA,02/07/2026,01/07/2026"));
        QCOMPARE(Marcatore(), QStringLiteral("Fatto\r\n"));
    }

    void aiuto() {
        PiattaformaRegistrata p;
        FormTaccuvo f(p, {});
        f.form_load();
        f.cmdHelp_Click();
        QCOMPARE(p.messaggi.size(), 1);
        QCOMPARE(p.messaggi[0].titolo, QStringLiteral("Help - istruzioni per l'uso"));
        const QStringList righe = p.messaggi[0].testo.split(QStringLiteral("\r\n"));
        QCOMPARE(righe.size(), 12);
        QVERIFY(righe[5].isEmpty() && righe[9].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFormTaccuvo)
#include "test_form_taccuvo.moc"
