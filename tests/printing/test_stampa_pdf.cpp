// The timetable and the city guide printed to real PDF files, through the
// window's flow and through viandora-cli, read back with poppler's tools.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "common/Testo1252.h"
#include "printing/Stampa.h"
#include "stampa/PaginaPdf.h"
#include "support/StrumentiPdf.h"
#include "timetable/TabellaDiMarcia.h"
#include "timetable/ViaggioProva.h"

namespace {

struct Esito {
    int codice = -1;
    QString out, err;
};

Esito Cli(const QStringList& argomenti) {
    QProcess processo;
    processo.start(QStringLiteral(VIANDORA_CLI), argomenti);
    Esito e;
    if (!processo.waitForFinished(120000)) return e;
    e.codice = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -2;
    e.out = QString::fromUtf8(processo.readAllStandardOutput());
    e.err = QString::fromUtf8(processo.readAllStandardError());
    return e;
}

// Forty stages over two weeks: the timetable runs over several pages.
QStringList Tappe() {
    QStringList tappe{"TORINO|A4|0|A|"};
    for (int i = 1; i < 40; ++i)
        tappe << QString("CITTA NUMERO %1|SS%2|%3|%4|")
                     .arg(i)
                     .arg(i * 7)
                     .arg(60 + i * 3)
                     .arg(i % 2 ? "S" : "P");
    return tappe;
}

void SalvaMeta(FormViandora& f, const QString& codice, const QStringList& tappe) {
    f.Db.RecordSetImposta(7, Query("MeteViandora").Dove("CodiceMeta", "\\"));
    RecordSet& m = f.Db.Rs(7);
    m.AddNew();
    const QString campi = "CodiceMeta=%1;Localita=ALPI;Nazione=ITALIA;DataInizio=05082006;OraInizio=0800;"
                          "MediaAutostrada=100;MediaSuperStrada=65;MediaPrincipale=50;MediaLocale=30;"
                          "OraColazione=0900;OraPranzo=1230;DurataPranzo=0130;OraCena=2000;DurataCena=0130;"
                          "OraNotte=2230;RiposoMinuti=15;RiposoOre=00;RiposoGiorno=00;RiposoDopoGiorni=00;"
                          "InizioVisita=0900;FineVisita=1800;OreTraghetti=0600;GiorniAdeguamento=000;"
                          "CalcoloSoste=3";
    for (const QString& campo : campi.arg(codice).split(u';'))
        m.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    m.Update();
    f.Db.RecordSetImposta(7, Query("Itinerari").Dove("CodiceMeta", "\\"));
    RecordSet& t = f.Db.Rs(7);
    int sequenza = 0;
    for (const QString& tappa : tappe) {
        const QStringList c = tappa.split(u'|');
        t.AddNew();
        t.Imposta("CodiceMeta", codice);
        t.Imposta("Sequenza", Zero(++sequenza, 4));
        t.Imposta("Localita", c.value(0));
        t.Imposta("NomeStrada", c.value(1));
        t.Imposta("Chilometri", c.value(2));
        t.Imposta("TipoStrada", c.value(3));
        t.Imposta("TempoSosta", " ");
        t.Imposta("SostaGuidaCitta", " ");
        t.Imposta("FineGiorno", "0");
        t.Update();
    }
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
        Viaggio v;
        SalvaMeta(*v, "000003", Tappe());
        AggiungiVoce(*v, "TORINO", "01", "Mole Antonelliana", "0100");
        AggiungiVoce(*v, "CITTA NUMERO 3", "02", "Castello", "0030");
        v->Db.Chiudi();
        db_ = dir_.filePath("viaggi.db");
        QVERIFY(QFile::copy(v.dir.filePath(NomeFileDatabase), db_));
    }

    // Stampa, options, "File PDF", a file name: a PDF a viewer opens.
    void dallaFinestra() {
        Viaggio v;
        v.p.apriPagina = [](const QString& nome) -> std::unique_ptr<PaginaStampa> {
            QString errore;
            return PaginaPdf::Apri(nome.section(':', 1), "Tabella di marcia", errore);
        };
        v->txtLocalita.Text = "ALPI";
        v->txtNazione.Text = "ITALIA";
        v.Tappe(Tappe());
        v->Click("cmdStampa");
        QVERIFY(v->TabellaDiMarcia.TabellaCalcolata && v->frmStampa.Visible);
        v->Click("CmdEsegui(0)");
        QCOMPARE(v->Stampa.lstStampanti.List(v->Stampa.lstStampanti.ListCount() - 1), QString("File PDF"));
        v->Stampa.lstStampanti.ListIndex = v->Stampa.lstStampanti.ListCount() - 1;
        const QString pdf = dir_.filePath("finestra.pdf");
        v.p.fileDaSalvare << pdf;
        v->Click("cmdSelStampante(0)");
        QCOMPARE(v.p.messaggi.first().testo, QString("Stampa Tabella di Marcia  completata..."));

        const int pagine = StrumentiPdf::Pagine(pdf);
        QVERIFY2(pagine >= 2, qPrintable(QString::number(pagine)));
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        const QString testo = StrumentiPdf::Testo(pdf);
        QCOMPARE(testo.count("Pagina: "), pagine);
        QStringList localita;
        for (const QString& t : Tappe())
            localita << t.section('|', 0, 0);
        QVERIFY2(Mancanti(testo, localita).isEmpty(), qPrintable(Mancanti(testo, localita).join(", ")));
        QVERIFY(testo.contains("Periodo del viaggio:"));
    }

    void riga_di_comando() {
        const QString pdf = dir_.filePath("cli.pdf");
        const QString txt = dir_.filePath("cli.txt");
        const Esito e = Cli({"stampa", db_, "3", "--pdf", pdf, "--testo", txt});
        QVERIFY2(e.codice == 0, qPrintable(e.err));
        QVERIFY(e.out.startsWith("Tabella di marcia: "));
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        QVERIFY(Mancanti(StrumentiPdf::Testo(pdf), {"TORINO", "CITTA NUMERO 39", "ALPI"}).isEmpty());
        QStringList righe;
        QVERIFY(LeggiRigheWindows1252(txt, righe));
        QCOMPARE(righe.value(0), QString("ALPI"));
        QVERIFY(righe.filter(QRegularExpression("^\\d+\\tCITTA NUMERO 39\\t")).size() == 1);

        const QString guida = dir_.filePath("guida.pdf");
        const Esito g = Cli({"guida", db_, "--pdf", guida, "--meta", "000003", "--dettaglio"});
        QVERIFY2(g.codice == 0, qPrintable(g.err));
        const QString testoGuida = StrumentiPdf::Testo(guida);
        QVERIFY(Mancanti(testoGuida, {"Mole Antonelliana", "Castello", "Guida Città"}).isEmpty());
    }

    void riga_di_comando_errori_data() {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("database mancante")
            << QStringList{"stampa", "manca.db", "1", "--pdf", "x.pdf"} << "File inesistente";
        QTest::newRow("meta sconosciuta")
            << QStringList{"stampa", "DB", "99", "--pdf", "PDF"} << "Mèta inesistente";
        QTest::newRow("pdf non scrivibile")
            << QStringList{"stampa", "DB", "3", "--pdf", "DIR/manca/x.pdf"} << "Impossibile scrivere il file";
        QTest::newRow("senza --pdf") << QStringList{"guida", "DB", "--meta", "3", "--dettaglio"} << "--pdf";
        QTest::newRow("guida di una meta sconosciuta")
            << QStringList{"guida", "DB", "--pdf", "PDF", "--meta", "8"} << "Mèta inesistente";
    }
    void riga_di_comando_errori() {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, messaggio);
        const QString pdf = dir_.filePath("errore.pdf");
        for (QString& a : argomenti)
            a.replace("DIR", dir_.path()).replace("PDF", pdf).replace("DB", db_);
        const Esito e = Cli(argomenti);
        QVERIFY(e.codice != 0 && e.codice != -1);
        QVERIFY2(e.err.contains(messaggio), qPrintable(e.err));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestStampaPdf)
#include "test_stampa_pdf.moc"
