// Text fitted into its span on the recording page, which measures 0.2 mm
// per point per character (at 10 points a character is 2 mm wide, a line
// 4 mm high); real PDF files read back with poppler's tools.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "common/PaginaStampa.h"
#include "stampa/FontStampa.h"
#include "stampa/PaginaPdf.h"
#include "support/PaginaRegistrata.h"
#include "support/ProgrammaProva.h"
#include "support/StrumentiPdf.h"

class TestPaginaPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Percorso(const QString& nome) { return dir.filePath(nome); }
    std::unique_ptr<PaginaPdf> Apri(const QString& percorso) {
        QString errore;
        auto pagina = PaginaPdf::Apri(percorso, QStringLiteral("Prova"), errore);
        if (!pagina) qWarning() << errore;
        return pagina;
    }
    // The x extent in points of the first word that equals parola (pdftotext -bbox).
    static QPair<double, double> Estensione(const QString& pdf, const QString& parola) {
        const QString html = StrumentiPdf::Esegui("pdftotext", {"-bbox", pdf, "-"});
        const QRegularExpression re(
            QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">%1<")
                .arg(parola));
        const auto m = re.match(html);
        return m.hasMatch() ? qMakePair(m.captured(1).toDouble(), m.captured(2).toDouble())
                            : qMakePair(-1.0, -1.0);
    }
    static double Mm(double punti) { return punti * 25.4 / 72; }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // The fonts package is installed and the names reach a real font (serif
    // and narrow: the complete document's embedded fonts).
    void fontRisolti() {
        auto pagina = Apri(Percorso("font.pdf"));
        pagina->FontName = "arial";
        QCOMPARE(QFontInfo(FontDellaPagina(*pagina)).family(), QString("Liberation Sans"));
    }

    // Two pages, A4, text as text with embedded fonts, the logo as an image;
    // ending right after a page break adds no blank page. Text measured at
    // the PDF's resolution lands where it was placed: the left edge at the
    // margin plus its x, a right-aligned end 3 mm before the span's end.
    void documentoCompleto() {
        const QString pdf = Percorso("doc.pdf");
        {
            auto p = Apri(pdf);
            QVERIFY(p);
            p->FontName = "Times new roman";
            p->FontSize = 12;
            StampaTesto(*p, AdattamentoTesto::Taglia, "Portofino", 20, 10, 100, false, false, 12, 0);
            p->PaintPicture(":/stampa/logo.png", 10, 0, 15, 15);
            p->Box(5, 30, 100, 40);
            p->NewPage();
            QCOMPARE(p->Page(), 2);
            p->FontName = "Arial Narrow";
            StampaTesto(*p, AdattamentoTesto::Taglia, "Zermatt", 20, 10, 100, true, true, 10, 2);
            p->NewPage();
            QVERIFY(p->EndDoc());
            QVERIFY(p->Errore().isEmpty());
        }
        QCOMPARE(StrumentiPdf::Pagine(pdf), 2);
        QVERIFY(StrumentiPdf::TuttoA4(pdf));
        const QString testo = StrumentiPdf::Testo(pdf);
        QVERIFY2(testo.contains("Portofino") && testo.contains("Zermatt"), qPrintable(testo));
        const QString font = StrumentiPdf::Esegui("pdffonts", {pdf});
        QVERIFY2(font.contains("LiberationSerif") && font.contains("LiberationSansNarrow-BoldItalic"),
                 qPrintable(font));
        for (const QString& riga : font.split('\n').mid(2, 2))
            QVERIFY2(riga.contains(QRegularExpression("\\byes\\b")), qPrintable(font)); // embedded
        QVERIFY(StrumentiPdf::Esegui("pdfimages", {"-list", pdf}).count("image") >= 1);
        QCOMPARE(QDir(dir.path()).entryList({"doc.pdf*"}, QDir::Files).size(), 1);
        const double sinistra = Mm(Estensione(pdf, "Portofino").first) - PaginaPdf::MargineMm;
        const double destra = Mm(Estensione(pdf, "Zermatt").second) - PaginaPdf::MargineMm;
        QVERIFY2(qAbs(sinistra - 10) < 0.3 && qAbs(destra - 97) < 0.3,
                 qPrintable(QStringLiteral("%1 %2").arg(sinistra).arg(destra)));
    }

    // A line width counts printer pixels: a frame of width 8 is 8 pixels
    // thick at 600 dpi, a third of a millimetre, not a bar over the labels.
    void spessoreLinee() {
        const QString pdf = Percorso("linee.pdf");
        {
            auto p = Apri(pdf);
            QVERIFY(p);
            p->DrawWidth = 8;
            p->Line(20, 50, 100, 50);
            QVERIFY(p->EndDoc());
        }
        // A strip of the rendered page across the line, 100 pixels each side.
        const auto px = [](double mm) {
            return QString::number(qRound((PaginaPdf::MargineMm + mm) * 600 / 25.4));
        };
        const QString png = Percorso("linee");
        StrumentiPdf::Esegui("pdftoppm",
                             {"-r", "600", "-gray", "-png", "-singlefile", "-x", px(60), "-y",
                              QString::number(px(50).toInt() - 100), "-W", "1", "-H", "200", pdf, png});
        const QImage striscia(png + ".png");
        QCOMPARE(striscia.height(), 200);
        int scuri = 0;
        for (int y = 0; y < striscia.height(); ++y)
            scuri += qGray(striscia.pixel(0, y)) < 128;
        QVERIFY2(qAbs(scuri - 8) <= 1, qPrintable(QString::number(scuri)));
    }

    // An abandoned document, one with nothing drawn, or a path that cannot
    // be written leaves no file, and an earlier file of that name as it was.
    void nessunFileAMeta() {
        const QString pdf = Percorso("annullato.pdf");
        QVERIFY(ScriviFile(pdf, "precedente"));
        {
            auto p = Apri(pdf);
            p->Line(0, 0, 50, 50);
            p->KillDoc();
        }
        Apri(pdf)->Line(0, 0, 50, 50); // dropped without an end
        QCOMPARE(LeggiFile(pdf), QByteArray("precedente"));
        QVERIFY(Apri(Percorso("vuoto.pdf"))->EndDoc());
        QCOMPARE(QDir(dir.path()).entryList({"annullato*", "vuoto*"}, QDir::Files),
                 QStringList{"annullato.pdf"});
        QString errore;
        QVERIFY(!PaginaPdf::Apri(Percorso("manca/x.pdf"), "Prova", errore));
        QVERIFY2(errore.startsWith("Impossibile scrivere il file"), qPrintable(errore));
        QVERIFY(!PaginaPdf::Apri(dir.path(), "Prova", errore) && !errore.isEmpty());
    }

    // On the recording page (0.2 mm per point per character unless a row
    // says otherwise), with the font 7 pt italic before the call and bold
    // 10 pt asked: what is printed, where it starts, the size in force
    // after. A blank text prints nothing and leaves the font alone; a span
    // narrower than the tolerance, or a text that never fits, ends the
    // fitting: the planner prints nothing, the logbook stops shrinking.
    void posizione() {
        // misura: mm per point per character
        const auto prova = [&](int adattamento, QString testo, double da, double a, int allineato,
                               double misura, QString stampato, double x, double dimensione) {
            PaginaRegistrata p;
            p.larghezza = [misura](const PaginaRegistrata& q, const QString& t) {
                return t.size() * q.FontSize * misura;
            };
            p.FontSize = 7;
            p.FontBold = false;
            p.FontItalic = true;
            StampaTesto(p, AdattamentoTesto(adattamento), testo, 50, da, a, true, false, 10, allineato);
            QCOMPARE(p.Testi(), stampato.isEmpty() ? QStringList() : QStringList{stampato});
            QCOMPARE(p.FontSize, dimensione);
            QCOMPARE(p.FontBold, dimensione != 7);
            QCOMPARE(p.FontItalic, dimensione == 7);
            QCOMPARE(p.chiamate.size(), stampato.isEmpty() ? 0 : 1);
            if (stampato.isEmpty()) return;
            const PaginaRegistrata::Chiamata c = p.chiamate.first();
            QCOMPARE(c.x1, x);
            QCOMPARE(c.y1 + c.size * 0.4, 50.0); // the text stands on line 50
        };
        const int T = int(AdattamentoTesto::Taglia), R = int(AdattamentoTesto::Riduci);
        // sinistra
        prova(T, "abc", 10.0, 30.0, 0, 0.2, "abc", 10.0, 10.0);
        // centrato: 20 - w/2 - 1
        prova(T, "abc", 10.0, 30.0, 1, 0.2, "abc", 16.0, 10.0);
        // destra: 27 - w
        prova(T, "abc", 10.0, 30.0, 2, 0.2, "abc", 21.0, 10.0);
        // codice ignoto a zero
        prova(T, "abc", 10.0, 30.0, 7, 0.2, "abc", 0.0, 10.0);
        // spazi tolti
        prova(T, "  abc ", 10.0, 30.0, 0, 0.2, "abc", 10.0, 10.0);
        // largo quanto la campata + 2: un carattere in meno
        prova(T, "abcdefghijk", 10.0, 30.0, 0, 0.2, "abcdefghij", 10.0, 10.0);
        // poco oltre la tolleranza: intero
        prova(T, "abcdefghijk", 10.0, 30.0, 0, 0.199, "abcdefghijk", 10.0, 10.0);
        // molto largo: tagliato finché entra
        prova(T, "abcdefghijklmnopqrstuvwxyz", 10.0, 30.0, 0, 0.2, "abcdefghij", 10.0, 10.0);
        // 11 characters need a size below 5.68 points to be under 12.5 mm.
        // diario: mai tagliato, ridotto di 0.4 pt
        prova(R, "abcdefghijk", 10.0, 20.0, 0, 0.2, "abcdefghijk", 10.0, 5.6);
        // vuoto
        prova(T, "   ", 10.0, 30.0, 0, 0.2, "", 0.0, 7.0);
        // diario vuoto
        prova(R, "   ", 10.0, 30.0, 0, 0.2, "", 0.0, 7.0);
        // campata impossibile
        prova(T, "Roma", 40.0, 37.0, 0, 0.2, "", 0.0, 10.0);
        // diario, campata impossibile
        prova(R, "Roma", 40.0, 35.0, 0, 0.2, "Roma", 40.0, 2.4);
    }
};

QTEST_MAIN(TestPaginaPdf)
#include "test_pagina_pdf.moc"
