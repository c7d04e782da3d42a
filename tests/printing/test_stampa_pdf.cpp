// The timetable and the city guide printed to real PDF files through
// viandora-cli, read back with poppler's tools (the window's flow to a PDF is
// the window's own test).
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "common/FileOrdinario.h"
#include "common/Testo1252.h"
#include "support/PlannerProva.h"
#include "support/ProgrammaProva.h"
#include "support/StrumentiPdf.h"
#include "timetable/TabellaDiMarcia.h"

namespace {

// Forty stages over two weeks, "locality|km|stop|road|type": the timetable
// runs over several pages.
QStringList Tappe() {
    QStringList tappe{"TORINO|0||A4|A"};
    for (int i = 1; i < 40; ++i)
        tappe << QString::asprintf("CITTA NUMERO %d|%d||SS%d|%s", i, 60 + i * 3, i * 7, i % 2 ? "S" : "P");
    return tappe;
}

// Every locality of the list is somewhere in the text.
QStringList Mancanti(const QString& testo, const QStringList& localita) {
    QStringList mancanti;
    for (const QString& l : localita)
        if (!testo.contains(l)) mancanti << l;
    return mancanti;
}

} // namespace

class TestStampaPdf : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString db_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY2(!QStandardPaths::findExecutable("pdfinfo").isEmpty(),
                 "pdfinfo (poppler-utils) non installato: scripts/installa-dipendenze.sh");
        Planner v;
        SalvaMeta(*v,
                  "CodiceMeta=000003;Localita=ALPI;Nazione=ITALIA;DataInizio=05082006;OraInizio=0800;"
                  "MediaAutostrada=100;MediaSuperStrada=65;MediaPrincipale=50;MediaLocale=30;"
                  "OraColazione=0900;OraPranzo=1230;DurataPranzo=0130;OraCena=2000;DurataCena=0130;"
                  "OraNotte=2230;RiposoMinuti=15;RiposoOre=00;RiposoGiorno=00;RiposoDopoGiorni=00;"
                  "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=000;CalcoloSoste=3");
        SalvaTappe(*v, "000003", Tappe());
        AggiungiVoce(*v, "TORINO", "01", "Mole Antonelliana", "0100");
        AggiungiVoce(*v, "CITTA NUMERO 3", "02", "Castello", "0030");
        v->Db.Chiudi();
        db_ = dir_.filePath("viaggi.db");
        QVERIFY(QFile::copy(v.dir.filePath(NomeFileDatabase), db_));
    }

    void riga_di_comando() {
        const QString pdf = dir_.filePath("cli.pdf");
        const QString txt = dir_.filePath("cli.txt");
        const Esito e = Cli({"stampa", db_, "3", "--pdf", pdf, "--testo", txt});
        QVERIFY2(e.codice == 0, qPrintable(e.err));
        QVERIFY(e.out.startsWith("Tabella di marcia: "));
        // Several A4 pages, each numbered; every stage and the trip's
        // characteristics are there.
        const int pagine = StrumentiPdf::Pagine(pdf);
        QVERIFY2(pagine >= 2, qPrintable(QString::number(pagine)));
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        const QString testo = StrumentiPdf::Testo(pdf);
        QCOMPARE(testo.count("Pagina: "), pagine);
        QStringList localita{"ALPI", "Periodo del viaggio:"};
        for (const QString& t : Tappe())
            localita << t.section('|', 0, 0);
        QVERIFY2(Mancanti(testo, localita).isEmpty(), qPrintable(Mancanti(testo, localita).join(", ")));
        QStringList righe;
        QVERIFY(LeggiRigheWindows1252(txt, righe) && righe.value(0) == "ALPI");
        QCOMPARE(righe.filter(QRegularExpression("^\\d+\\tCITTA NUMERO 39\\t")).size(), 1);

        // Relative paths are the caller's, not the database's folder's.
        QVERIFY(QDir(dir_.path()).mkpath("lavoro/db") && QFile::copy(db_, dir_.filePath("lavoro/db/x.db")));
        const Esito r =
            EseguiProgramma(VIANDORA_CLI, {"stampa", "db/x.db", "3", "--pdf", "t.pdf", "--testo", "t.txt"},
                            dir_.filePath("lavoro"));
        QVERIFY2(r.codice == 0 && r.out.startsWith("Tabella di marcia: t.pdf"), qPrintable(r.out + r.err));
        QCOMPARE(QDir(dir_.filePath("lavoro")).entryList(QDir::Files), (QStringList{"t.pdf", "t.txt"}));

        const QString guida = dir_.filePath("guida.pdf");
        const Esito g = Cli({"guida", db_, "--pdf", guida, "--meta", "000003", "--dettaglio"});
        QVERIFY2(g.codice == 0, qPrintable(g.err));
        const QString testoGuida = StrumentiPdf::Testo(guida);
        QVERIFY(Mancanti(testoGuida, {"Mole Antonelliana", "Castello", "Guida Città"}).isEmpty());
    }

    void riga_di_comando_errori() {
        const auto prova = [&](QStringList argomenti, QString messaggio) {
            const QString pdf = dir_.filePath("errore.pdf");
            // A FIFO is neither opened (it would wait) nor replaced.
            const QString fifo = dir_.filePath("fifo");
            QVERIFY(QFile::exists(fifo) || CreaFifo(fifo));
            for (QString& a : argomenti)
                a.replace("DIR", dir_.path()).replace("PDF", pdf).replace("DB", db_).replace("FIFO", fifo);
            const Esito e = Cli(argomenti);
            QVERIFY(e.codice != 0 && e.codice != -1);
            QVERIFY2(e.err.contains(messaggio), qPrintable(e.err));
            QVERIFY(!QFile::exists(pdf));
            QCOMPARE(TipoDelPercorso(fifo), TipoPercorso::Fifo);
        };
        // pdf non scrivibile
        prova({"stampa", "DB", "3", "--pdf", "DIR/manca/x.pdf"}, "Impossibile scrivere il file");
        // pdf su una FIFO
        prova({"stampa", "DB", "3", "--pdf", "FIFO"}, "è una FIFO");
        // testo su una FIFO
        prova({"stampa", "DB", "3", "--pdf", "PDF", "--testo", "FIFO"}, "è una FIFO");
        // guida su una FIFO
        prova({"guida", "DB", "--pdf", "FIFO"}, "è una FIFO");
        // senza --pdf
        prova({"guida", "DB", "--meta", "3", "--dettaglio"}, "--pdf");
        // guida di una meta sconosciuta
        prova({"guida", "DB", "--pdf", "PDF", "--meta", "8"}, "Mèta inesistente");
    }
};

QTEST_MAIN(TestStampaPdf)
#include "test_stampa_pdf.moc"
