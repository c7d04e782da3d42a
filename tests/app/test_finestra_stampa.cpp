// The print panels in the real window, offscreen: the timetable through
// the options panel, the printer list and "File PDF" to a PDF a viewer
// opens; the option buttons of the city guide keep one choice per group.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <sys/prctl.h>
#include <unistd.h>

#include "app/FinestraViandora.h"
#include "app/PiattaformaQt.h"
#include "printing/Stampa.h"
#include "stampa/PaginaPdf.h"
#include "support/StrumentiPdf.h"
#include "timetable/ViaggioProva.h"

class TestFinestraStampa : public QObject {
    Q_OBJECT

    static void Premi(FinestraViandora& finestra, const QString& nome) {
        auto* b = qobject_cast<QPushButton*>(finestra.Widget(nome));
        QVERIFY2(b && b->isVisible() && b->isEnabled(), qPrintable(nome));
        QTest::mouseClick(b, Qt::LeftButton);
    }

private slots:
    // The timetable through the options panel and "File PDF" to a PDF a
    // viewer opens; then the logbook box alone: the window starts the
    // logbook printer from the data folder, which, with no printer on the
    // system, leaves its pages in a PDF there and its end marker.
    void tabellaEDiarioSuPdf() {
        ViaggioInFinestra v;
        v.p.apriPagina = [](const QString& nome) -> std::unique_ptr<PaginaStampa> {
            QString errore;
            return PaginaPdf::Apri(nome.section(':', 1), "Tabella di marcia", errore);
        };
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
        v.p.avvia = [](const QString& programma, const QString& argomento) {
            if (QFileInfo(programma).absolutePath() != QCoreApplication::applicationDirPath() ||
                QFileInfo(programma).fileName() != QFileInfo(TACCUVO_PROGRAMMA).fileName())
                return false;
            return QProcess::startDetached(TACCUVO_PROGRAMMA, {argomento});
        };
        v->txtLocalita.Text = "GARGANO";
        v.Tappe({"FOGGIA|SS89|0|S|", "MANFREDONIA|SS89|40|S|01:00", "VIESTE|SP53|80|P|"});
        v.Calcola();
        FinestraViandora finestra(*v);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));

        Premi(finestra, "cmdStampa");
        QVERIFY(qobject_cast<QLineEdit*>(finestra.Widget("txtfileTabella"))->isReadOnly());
        Premi(finestra, "CmdEsegui(0)");
        auto* lista = qobject_cast<QListWidget*>(finestra.Widget("lstStampanti"));
        lista->setCurrentRow(lista->count() - 1);
        QCOMPARE(v->Stampa.lstStampanti.Text(), QString("File PDF"));
        const QString pdf = v.dir.path() + "/gargano.pdf";
        v.p.fileDaSalvare << pdf;
        Premi(finestra, "cmdSelStampante(0)");
        QVERIFY(!finestra.Widget("frmSelStampa")->isVisible() && !finestra.Widget("frmStampa")->isVisible());
        QCOMPARE(StrumentiPdf::Pagine(pdf), 1);
        QVERIFY(StrumentiPdf::Testo(pdf).contains("MANFREDONIA"));
        QVERIFY(QFile::exists(v.dir.path() + "/Viantabl.txt"));

        Premi(finestra, "cmdStampa");
        auto spunta = [&](const QString& nome) { return qobject_cast<QCheckBox*>(finestra.Widget(nome)); };
        QVERIFY(spunta("chkTabella")->isChecked() && !spunta("chkModuli")->isChecked());
        QTest::mouseClick(spunta("chkTabella"), Qt::LeftButton, {},
                          QPoint(6, spunta("chkTabella")->height() / 2));
        QTest::mouseClick(spunta("chkModuli"), Qt::LeftButton, {},
                          QPoint(6, spunta("chkModuli")->height() / 2));
        QVERIFY(!v->Stampa.chkTabella.Value && v->Stampa.chkModuli.Value);
        v.p.messaggi.clear();
        Premi(finestra, "CmdEsegui(0)");
        Premi(finestra, "cmdSelStampante(0)");
        QCOMPARE(v.p.programmiAvviati.size(), 1);
        QCOMPARE(v.p.messaggi.size(), 2);

        const QString segnale = v.dir.path() + "/FineStampaQuintora.tmp";
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(segnale), 30000);
        const QStringList diari = QDir(v.dir.path()).entryList({"Diario*.pdf"});
        QCOMPARE(diari.size(), 1);
        const QString testo = StrumentiPdf::Testo(v.dir.path() + '/' + diari[0]);
        QVERIFY(testo.contains("Diario di Bordo") && testo.contains("GARGANO"));
        QVERIFY(StrumentiPdf::Pagine(v.dir.path() + '/' + diari[0]) >= 2);
    }

    // A program started from the planner is waited for when it ends, also
    // where the planner collects orphaned processes (the first process of
    // a container, a session's subreaper).
    void programmaAvviatoRaccolto() {
        QVERIFY(prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
        PiattaformaQt piattaforma;
        QVERIFY(piattaforma.AvviaProgramma(QStandardPaths::findExecutable("true"), "PARIGI"));
        // It ends at once; no child, not even a zombie, stays behind.
        const auto figli = [] {
            QFile f(QString("/proc/self/task/%1/children").arg(getpid()));
            return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
        };
        QTRY_COMPARE_WITH_TIMEOUT(figli(), QByteArray(), 10000);
        prctl(PR_SET_CHILD_SUBREAPER, 0);
    }

    void opzioniDellaGuida() {
        Planner pl;
        FinestraViandora finestra(*pl);
        pl->frmGuida.Visible = true;
        pl->Click("cmdStampaGuidaCitta");
        finestra.Aggiorna();
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        auto opzione = [&](const QString& nome) {
            return qobject_cast<QRadioButton*>(finestra.Widget(nome));
        };
        // On the round mark, where a user clicks.
        auto clic = [](QRadioButton* b) {
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        };
        QVERIFY(opzione("optGuidaListaStampa(0)")->isChecked());
        clic(opzione("optGuidaListaStampa(1)"));
        QVERIFY(!opzione("optGuidaListaStampa(0)")->isChecked() && !pl->Stampa.optGuidaListaStampa[0].Value);
        // Clicking the chosen one again keeps it chosen.
        clic(opzione("optGuidaListaStampa(1)"));
        QVERIFY(opzione("optGuidaListaStampa(1)")->isChecked() && pl->Stampa.optGuidaListaStampa[1].Value);
        QVERIFY(opzione("optGuidaDettaglioStampa(0)")->isChecked());
        // Every caption fits its button.
        for (const QString nome : {"optGuidaListaStampa(0)", "optGuidaListaStampa(1)",
                                   "optGuidaDettaglioStampa(0)", "optGuidaDettaglioStampa(1)"}) {
            QRadioButton* b = opzione(nome);
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(nome));
        }
    }
};

QTEST_MAIN(TestFinestraStampa)
#include "test_finestra_stampa.moc"
