// The program as a user runs it from a shell, and as the planner starts it
// (one argument text, the data folder as working directory), with real PDFs
// read back by poppler's tools.
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "common/FileOrdinario.h"
#include "support/ProgrammaProva.h"
#include "support/StrumentiPdf.h"

namespace {
// No print server: the system has no printer, whatever this machine has.
Esito Avvia(const QStringList& argomenti, const QString& cartella) {
    return EseguiProgramma(QStringLiteral(TACCUVO_PROGRAMMA), argomenti, cartella,
                           {{"QT_QPA_PLATFORM", "offscreen"}, {"CUPS_SERVER", "/nonexistent/cups.sock"}});
}

QString Marcatore(const QString& cartella) {
    return QString::fromLatin1(LeggiFile(cartella + QStringLiteral("/FineStampaQuintora.tmp")));
}

QString Pagina(const QString& pdf, int n) {
    return StrumentiPdf::Esegui(QStringLiteral("pdftotext"),
                                {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                                 QString::number(n), pdf, QStringLiteral("-")});
}
} // namespace

class TestTaccuvoPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QFAIL("pdfinfo (poppler-utils) is missing: scripts/installa-dipendenze.sh installs it");
    }

    void daShell() {
        QTemporaryDir cartella;
        const Esito e = Avvia({QStringLiteral("--pdf"), QStringLiteral("out.pdf"),
                               QStringLiteral("LISBONA,30/12/2026,02/01/2027")},
                              cartella.path());
        QCOMPARE(e.codice, 0);
        const QString pdf = cartella.filePath(QStringLiteral("out.pdf"));
        QCOMPARE(StrumentiPdf::Pagine(pdf), 5);
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        const QString copertina = Pagina(pdf, 1);
        QVERIFY(copertina.contains(QStringLiteral("LISBONA")) &&
                copertina.contains(QStringLiteral("30/12 - 02/01/2027")));
        // 30 December 2026 is a Wednesday.
        const QStringList giorni{QStringLiteral("Me"), QStringLiteral("Gi"), QStringLiteral("Ve"),
                                 QStringLiteral("Sa")};
        for (int k = 1; k <= 4; ++k) {
            const QString testo = Pagina(pdf, k + 1);
            QVERIFY2(testo.contains(QStringLiteral("Giorno %1 di 4").arg(k)) &&
                         testo.contains(QStringLiteral("LISBONA")),
                     qPrintable(testo));
            QVERIFY(testo.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(giorni[k - 1]))));
        }
        QCOMPARE(Marcatore(cartella.path()), QStringLiteral("Fatto\r\n"));
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files).size(), 2);
    }

    // Refused before anything is printed (the reasons are the window
    // module's tests'); a FIFO named in the working
    // folder (the PDF or the marker) is neither opened nor replaced.
    void rifiuti() {
        const auto prova = [&](QStringList argomenti, int codice, bool marcatore, QString fifo) {
            QTemporaryDir cartella;
            if (!fifo.isEmpty()) QVERIFY(CreaFifo(cartella.filePath(fifo)));
            const Esito e = Avvia(argomenti, cartella.path());
            QCOMPARE(e.codice, codice);
            QVERIFY(!e.err.trimmed().isEmpty());
            if (!fifo.isEmpty()) {
                QVERIFY2(e.err.contains("è una FIFO"), qPrintable(e.err));
                QCOMPARE(TipoDelPercorso(cartella.filePath(fifo)), TipoPercorso::Fifo);
                return;
            }
            QVERIFY(!QFile::exists(cartella.filePath(QStringLiteral("x.pdf"))));
            QCOMPARE(Marcatore(cartella.path()), marcatore ? QStringLiteral("Fatto\r\n") : QString());
        };
        // unwritable pdf
        prova({"--pdf", "manca/x.pdf", "ROMA,01/07/2026,01/07/2026"}, 1, true, "");
        // fifo as pdf
        prova({"--pdf", "x.pdf", "ROMA,01/07/2026,01/07/2026"}, 1, true, "x.pdf");
        // fifo as marker
        prova({"--pdf", "x.pdf", "ROMA,03/07/2026,01/07/2026"}, 1, false, "FineStampaQuintora.tmp");
        // unknown option
        prova({"--copie", "3"}, 2, false, "");
    }
};

QTEST_GUILESS_MAIN(TestTaccuvoPdf)
#include "test_taccuvo_pdf.moc"
