#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "common/PaginaStampa.h"
#include "stampa/FontStampa.h"
#include "stampa/PaginaPdf.h"
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

    void fontRisolti_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("famiglia");
        QTest::newRow("serif") << "Times new roman"
                               << "Liberation Serif";
        QTest::newRow("sans") << "arial"
                              << "Liberation Sans";
        QTest::newRow("narrow") << "Arial Narrow"
                                << "Liberation Sans Narrow";
    }
    // The fonts package is installed and the names reach a real font.
    void fontRisolti() {
        QFETCH(QString, nome);
        QFETCH(QString, famiglia);
        auto pagina = Apri(Percorso("font.pdf"));
        QVERIFY(pagina);
        pagina->FontName = nome;
        QCOMPARE(QFontInfo(FontDellaPagina(*pagina)).family(), famiglia);
    }

    // Two pages, A4, text as text with embedded fonts, the logo as an image;
    // ending right after a page break adds no blank page.
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
    }

    // Text measured at the PDF's resolution lands where it was placed: the
    // left edge at the margin plus its x, a right-aligned end 3 mm before
    // the span's end.
    void misuraEPosizione() {
        const QString pdf = Percorso("pos.pdf");
        {
            auto p = Apri(pdf);
            QVERIFY(p);
            p->FontName = "arial";
            StampaTesto(*p, AdattamentoTesto::Taglia, "Sinistra", 30, 20, 100, false, false, 10, 0);
            StampaTesto(*p, AdattamentoTesto::Taglia, "Destra", 60, 20, 100, false, false, 10, 2);
            QVERIFY(p->EndDoc());
        }
        const auto sinistra = Estensione(pdf, "Sinistra");
        const auto destra = Estensione(pdf, "Destra");
        QVERIFY(sinistra.first >= 0 && destra.first >= 0);
        QVERIFY2(qAbs(Mm(sinistra.first) - (PaginaPdf::MargineMm + 20)) < 0.3,
                 qPrintable(QString::number(Mm(sinistra.first))));
        QVERIFY2(qAbs(Mm(destra.second) - (PaginaPdf::MargineMm + 97)) < 0.3,
                 qPrintable(QString::number(Mm(destra.second))));
    }

    // An abandoned document leaves no file, and an earlier file of that
    // name as it was.
    void annullatoNonLasciaNulla() {
        const QString pdf = Percorso("annullato.pdf");
        {
            QFile vecchio(pdf);
            QVERIFY(vecchio.open(QIODevice::WriteOnly));
            vecchio.write("precedente");
        }
        {
            auto p = Apri(pdf);
            QVERIFY(p);
            p->Line(0, 0, 50, 50);
            p->KillDoc();
        }
        {
            auto p = Apri(pdf);
            QVERIFY(p);
            p->Line(0, 0, 50, 50); // dropped without an end
        }
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("precedente"));
        QCOMPARE(QDir(dir.path()).entryList({"annullato*"}, QDir::Files).size(), 1);
    }

    void senzaDisegniNessunFile() {
        const QString pdf = Percorso("vuoto.pdf");
        auto p = Apri(pdf);
        QVERIFY(p);
        QVERIFY(p->EndDoc());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(QDir(dir.path()).entryList({"vuoto*"}, QDir::Files).isEmpty());
    }

    void nonScrivibile() {
        QString errore;
        QVERIFY(!PaginaPdf::Apri(Percorso("manca/x.pdf"), "Prova", errore));
        QVERIFY2(errore.startsWith("Impossibile scrivere il file"), qPrintable(errore));
        QVERIFY(!PaginaPdf::Apri(dir.path(), "Prova", errore));
        QVERIFY(!errore.isEmpty());
    }
};

QTEST_MAIN(TestPaginaPdf)
#include "test_pagina_pdf.moc"
