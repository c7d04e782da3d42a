// The printer page against a real print queue: a private CUPS server on a
// temporary configuration with one PDF queue (cups-pdf); the timetable is
// printed through the printer panel by the queue's device name and the PDF
// the queue produced is read back. Skipped, saying why, where the server
// cannot run.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "printing/Stampa.h"
#include "stampa/PaginaStampante.h"
#include "support/ProgrammaProva.h"
#include "support/StrumentiPdf.h"
#include "timetable/ViaggioProva.h"

namespace {

const QString Coda = QStringLiteral("ViandoraPDF");
QTemporaryDir* Cartella = nullptr; // made before the application: CUPS_SERVER points into it

bool Scrivi(const QString& percorso, const QString& testo) {
    return ScriviFile(percorso, testo.toUtf8());
}

// Where cups-pdf writes the documents of the current user.
QString CartellaUscita() {
    QString uscita = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly))
        for (const QString& riga : QString::fromUtf8(conf.readAll()).split(u'\n'))
            if (riga.startsWith(QLatin1String("Out "))) uscita = riga.mid(4).trimmed();
    uscita.replace(QLatin1String("${HOME}"), QDir::homePath());
    uscita.replace(QLatin1String("${USER}"), qEnvironmentVariable("USER", QStringLiteral("root")));
    return uscita;
}

} // namespace

class TestStampaCups : public QObject {
    Q_OBJECT
    QProcess cupsd_;
    QString motivo_; // why the server is not there
    QStringList prodotti_;

    bool Avvia() {
        const QString t = Cartella->path();
        if (!QFile::exists("/usr/sbin/cupsd"))
            return (motivo_ = "cupsd non installato (pacchetto cups)"), false;
        if (!QFile::exists("/usr/lib/cups/backend/cups-pdf"))
            return (motivo_ = "backend cups-pdf non installato (pacchetto printer-driver-cups-pdf)"), false;
        if (geteuid() != 0)
            return (motivo_ = "il backend cups-pdf funziona solo con cupsd avviato da root"), false;
        for (const char* d : {"ppd", "spool", "tmp", "cache", "state"})
            QDir(t).mkpath(d);
        QFile::setPermissions(t, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                     QFileDevice::ExeGroup);
        // The filters run as an unprivileged user and write here.
        chmod(QFile::encodeName(t + "/tmp").constData(), 01777);
        // The queue's PPD, told to turn PDF into PostScript with poppler: the
        // text stays text, so the document can be read back.
        QFile ppd("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
        if (!ppd.open(QIODevice::ReadOnly)) return (motivo_ = "PPD di cups-pdf non trovato"), false;
        if (!Scrivi(t + "/ppd/" + Coda + ".ppd",
                    QString::fromLatin1(ppd.readAll()) + "*pdftopsRenderer: pdftops\n"))
            return (motivo_ = "configurazione temporanea non scrivibile"), false;
        const QString cupsd =
            QString(
                "Listen %1/cups.sock\nLogLevel info\nWebInterface No\nBrowsing Off\n"
                "DefaultAuthType None\nPreserveJobFiles Yes\n<Location />\n  Order allow,deny\n  Allow all\n"
                "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                "  </Limit>\n</Policy>\n")
                .arg(t);
        const QString files =
            QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                    "StateDir %1/state\nAccessLog %1/access_log\nErrorLog %1/error_log\n"
                    "PageLog %1/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                    "Sandboxing Relaxed\n")
                .arg(t);
        const QString stampanti = QString("<DefaultPrinter %1>\nInfo Viandora PDF\nDeviceURI cups-pdf:/\n"
                                          "State Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n")
                                      .arg(Coda);
        if (!Scrivi(t + "/cupsd.conf", cupsd) || !Scrivi(t + "/cups-files.conf", files) ||
            !Scrivi(t + "/printers.conf", stampanti))
            return (motivo_ = "configurazione temporanea non scrivibile"), false;
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", t + "/cupsd.conf", "-s", t + "/cups-files.conf"});
        if (!cupsd_.waitForStarted(10000))
            return (motivo_ = "cupsd non parte: " + cupsd_.errorString()), false;
        QElapsedTimer attesa;
        attesa.start();
        while (attesa.elapsed() < 15000) {
            if (QFile::exists(t + "/cups.sock") && PaginaStampante::ElencoStampanti().contains(Coda))
                return true;
            if (cupsd_.state() == QProcess::NotRunning) break;
            QTest::qWait(200);
        }
        motivo_ = "cupsd non risponde: " + QString::fromUtf8(cupsd_.readAll()).simplified();
        return false;
    }

private slots:
    void initTestCase() {
        QVERIFY(Cartella && Cartella->isValid());
        if (!Avvia()) QSKIP(qPrintable("Server CUPS privato non disponibile, prova saltata: " + motivo_));
    }

    void tabellaSullaCodaPdf() {
        QVERIFY(PaginaStampante::ElencoStampanti().contains(Coda));
        const QString uscita = CartellaUscita();
        const QStringList prima = QDir(uscita).entryList({"*.pdf"}, QDir::Files);

        ViaggioInFinestra v;
        v.p.stampanti = PaginaStampante::ElencoStampanti();
        v.p.apriPagina = [](const QString& nome) -> std::unique_ptr<PaginaStampa> {
            QString errore;
            auto pagina = PaginaStampante::Apri(nome.section(':', 1), "Tabella di marcia", errore);
            if (!pagina) qWarning() << errore;
            return pagina;
        };
        v->txtLocalita.Text = "DOLOMITI";
        const QStringList localita = {"BOLZANO", "ORTISEI", "CORTINA", "BELLUNO", "TRENTO"};
        QStringList tappe;
        for (int i = 0; i < localita.size(); ++i)
            tappe << localita[i] + "|SS" + QString::number(i + 40) + "|" + QString::number(i * 35) + "|P|";
        v.Tappe(tappe);
        v->Click("cmdStampa");
        v->Click("CmdEsegui(0)");
        const int indice = v->Stampa.lstStampanti.Voci().indexOf(Coda);
        QVERIFY(indice >= 0 && indice < v->Stampa.lstStampanti.ListCount() - 1); // before "File PDF"
        v->Stampa.lstStampanti.ListIndex = indice;
        v->Click("cmdSelStampante(0)");
        QCOMPARE(v.p.pagineAperte, QStringList{"stampante:" + Coda});
        QCOMPARE(v.p.messaggi.first().testo, QString("Stampa Tabella di Marcia  completata..."));

        // The queue converts and writes the document in its own time.
        QString pdf;
        QElapsedTimer attesa;
        attesa.start();
        while (pdf.isEmpty() && attesa.elapsed() < 90000) {
            QTest::qWait(500);
            for (const QString& f :
                 QDir(uscita).entryList({"Tabella_di_marcia*.pdf"}, QDir::Files, QDir::Time))
                if (!prima.contains(f)) pdf = QDir(uscita).filePath(f);
        }
        QVERIFY2(!pdf.isEmpty(), qPrintable("Nessun PDF dalla coda in " + uscita));
        prodotti_ << pdf;
        // Readable once the queue has written it whole; a loaded machine
        // may take long over it.
        attesa.start();
        while (StrumentiPdf::Pagine(pdf) == 0 && attesa.elapsed() < 180000)
            QTest::qWait(500);
        QCOMPARE(StrumentiPdf::Pagine(pdf), 1);
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        // The queue redraws the text as outlines on its way through
        // PostScript; the document the queue received keeps it as text.
        const QStringList ricevuti = QDir(Cartella->path() + "/spool").entryList({"d*-001"}, QDir::Files);
        QCOMPARE(ricevuti.size(), 1);
        const QString ricevuto = Cartella->path() + "/spool/" + ricevuti[0];
        QVERIFY(StrumentiPdf::TuttoA4(ricevuto));
        const QString testo = StrumentiPdf::Testo(ricevuto);
        for (const QString& l : localita)
            QVERIFY2(testo.contains(l), qPrintable(l + " manca in:\n" + testo));
        const QString finale = StrumentiPdf::Testo(pdf);
        if (!finale.trimmed().isEmpty()) QVERIFY(finale.contains(localita[0]));
    }

    void cleanupTestCase() {
        for (const QString& f : prodotti_)
            QFile::remove(f);
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
        }
    }
};

int main(int argc, char** argv) {
    // The CUPS client library reads the server's address once, at its first
    // use: it must point to the private server before anything asks.
    QTemporaryDir cartella(QDir::tempPath() + "/viandora-cups-XXXXXX");
    Cartella = &cartella;
    qputenv("CUPS_SERVER", QFile::encodeName(cartella.path() + "/cups.sock"));
    QGuiApplication app(argc, argv);
    TestStampaCups prova;
    return QTest::qExec(&prova, argc, argv);
}
#include "test_stampa_cups.moc"
