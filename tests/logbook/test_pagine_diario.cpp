#include <QTest>
#include <algorithm>

#include "common/Date.h"
#include "core/PagineDiario.h"
#include "support/PaginaRegistrata.h"

using namespace Taccuvo;

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

using Chiamata = PaginaRegistrata::Chiamata;

// The last line or box at those corners (an image: x, y, width, height).
const Chiamata* Trova(const QList<Chiamata>& chiamate, PaginaRegistrata::Tipo tipo, double x1, double y1,
                      double x2, double y2) {
    const Chiamata* trovato = nullptr;
    for (const Chiamata& c : chiamate)
        if (c.tipo == tipo && PaginaRegistrata::Vicino(c.x1, x1) && PaginaRegistrata::Vicino(c.y1, y1) &&
            PaginaRegistrata::Vicino(c.x2, x2) && PaginaRegistrata::Vicino(c.y2, y2))
            trovato = &c;
    return trovato;
}

QList<Chiamata> DellaPagina(const PaginaRegistrata& p, int n) {
    QList<Chiamata> r;
    for (const Chiamata& c : p.chiamate)
        if (c.pagina == n) r.append(c);
    return r;
}

const Chiamata* TrovaTesto(const QList<Chiamata>& chiamate, const QString& testo) {
    for (const Chiamata& c : chiamate)
        if (c.tipo == PaginaRegistrata::Testo && c.testo == testo) return &c;
    return nullptr;
}

// The recording page's measures: the line a text stands on, and its right end.
double Base(const Chiamata& c) {
    return c.y1 + c.size * 0.4;
}
double Fine(const Chiamata& c) {
    return c.x1 + c.testo.size() * c.size * 0.2 * (c.bold ? 1.1 : 1.0);
}
} // namespace

class TestPagineDiario : public QObject {
    Q_OBJECT
private slots:
    // Every box and line of the day page, by the block it belongs to, with
    // line width and fill.
    void geometria_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("y1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y2");
        QTest::addColumn<int>("spessore");
        QTest::addColumn<int>("riempimento"); // -1 transparent
        const int B = PaginaRegistrata::Riquadro, L = PaginaRegistrata::Linea;
        const double F = 282, F40 = 242;
        QTest::newRow("band") << B << 28. << 5. << 195. << 13. << 8 << 0xC0FFFF;
        QTest::newRow("band inner") << B << 110. << 5. << 155. << 13. << 8 << 0xC0FFFF;
        QTest::newRow("night stop cell") << B << 10. << 14. << 110. << 20. << 1 << 0xC0FFC0;
        QTest::newRow("odometer cell") << B << 145. << 14. << 165. << 20. << 1 << 0xC0FFFF;
        QTest::newRow("date cell") << B << 165. << 14. << 195. << 26. << 1 << 0xC0FFC0;
        QTest::newRow("block frame") << B << 10. << 14. << 195. << 35. << 8 << -1;
        QTest::newRow("kinds frame") << B << 110. << 14. << 129.5 << 35. << 8 << -1;
        QTest::newRow("day of month") << B << 175. << 14. << 185. << 26. << 3 << -1;
        QTest::newRow("place box") << B << 10. << 20. << 110. << 28. << 1 << -1;
        QTest::newRow("place rule") << L << 10. << 20. << 110. << 20. << 8 << 0;
        QTest::newRow("cost rule") << L << 135. << 21. << 135. << 35. << 1 << 0;
        QTest::newRow("last tick box") << B << 125. << 31. << 128. << 34. << 1 << -1;
        QTest::newRow("free tick box") << B << 140. << 16. << 143. << 19. << 1 << -1;
        QTest::newRow("places heading") << B << 10. << 36. << 195. << 43. << 8 << 0xFFFFC0;
        QTest::newRow("places body") << B << 60. << 44. << 175. << F40 - 20 << 1 << -1;
        QTest::newRow("lower frame") << B << 10. << 44. << 195. << F << 8 << -1;
        QTest::newRow("checks title") << B << 10. << F40 - 20 << 50. << F40 - 15 << 1 << 0xC0FFC0;
        QTest::newRow("tanks title") << B << 50. << F40 - 20 << 195. << F40 - 15 << 1 << 0xC0FFC0;
        QTest::newRow("tanks rule") << L << 10. << F40 - 11 << 195. << F40 - 11 << 5 << 0;
        QTest::newRow("tanks column") << L << 184.8 << F40 - 15 << 184.8 << F40 - 6 << 1 << 0;
        QTest::newRow("check cell line") << L << 40. << F40 - 15 << 40. << F40 - 5 << 1 << 0;
        QTest::newRow("expenses band") << B << 10. << F40 - 5 << 195. << F40 << 1 << 0xFFE0C0;
        QTest::newRow("lower field") << B << 10. << F40 << 195. << F << 1 << 0xC0FFFF;
        QTest::newRow("fuel rule") << L << 41. << F40 + 5 << 41. << F - 15 << 1 << 0;
        QTest::newRow("first writing line") << L << 10. << F40 + 5 << 195. << F40 + 5 << 1 << 0;
        QTest::newRow("last writing line") << L << 10. << F - 5 << 195. << F - 5 << 1 << 0;
    }
    void geometria() {
        PaginaRegistrata p;
        StampaPaginaGiorno(p, Dati(), 1);
        QFETCH(int, tipo);
        QFETCH(double, x1);
        QFETCH(double, y1);
        QFETCH(double, x2);
        QFETCH(double, y2);
        const Chiamata* c = Trova(p.chiamate, PaginaRegistrata::Tipo(tipo), x1, y1, x2, y2);
        QVERIFY(c);
        QTEST(c->drawWidth, "spessore");
        QFETCH(int, riempimento);
        if (tipo == PaginaRegistrata::Riquadro) QCOMPARE(c->fillSolid ? int(c->fillColor) : -1, riempimento);
    }

    void righeDaScrivere() {
        PaginaRegistrata p;
        StampaPaginaGiorno(p, Dati(), 1);
        QList<double> y;
        for (const Chiamata& c : p.Di(PaginaRegistrata::Linea))
            if (c.x1 == 62 && c.x2 == 173) y.append(c.y1);
        // From 51 every 6 mm; the first at or past F40 - 30 = 212 is the last.
        QCOMPARE(y.first(), 51.0);
        QCOMPARE(y.last(), 213.0);
        QCOMPARE(y.size(), 28);
        for (const Chiamata& c : p.chiamate) {
            const double destra = c.tipo == PaginaRegistrata::Testo ? Fine(c) : c.x2;
            const double basso = c.tipo == PaginaRegistrata::Testo ? Base(c) : c.y2;
            QVERIFY2(c.x1 >= 0 && destra <= 205 && c.y1 >= 0 && basso <= 287, qPrintable(c.testo));
        }
    }

    void paginaCompilata() {
        DatiDiario dati = Dati();
        dati.PrimoGiorno = 730135.0f + 7 * 1000; // a Saturday
        PaginaRegistrata p;
        for (int k = 1; k <= 3; ++k) {
            StampaPaginaGiorno(p, dati, k);
            p.NewPage();
        }
        QStringList giorni;
        for (int k = 1; k <= 3; ++k) {
            const QList<Chiamata> pagina = DellaPagina(p, k);
            const Chiamata* conto = TrovaTesto(pagina, QStringLiteral("Giorno %1 di 3").arg(k));
            QVERIFY(conto);
            QCOMPARE(Base(*conto), 33.0);
            for (const Chiamata& c : pagina)
                if (c.tipo == PaginaRegistrata::Testo && c.size == 20 && c.testo.at(0).isLetter())
                    giorni.append(c.testo);
            QVERIFY(TrovaTesto(pagina, QStringLiteral("ROMA")));
            QVERIFY(!TrovaTesto(pagina, QStringLiteral("settimana")));
        }
        QCOMPARE(giorni, (QStringList{"Sa", "Do", "Lu"}));
        // Day and month of the page date, right-aligned in their cells.
        const QString data = Giu2Datas(dati.PrimoGiorno + 2);
        const QList<Chiamata> terza = DellaPagina(p, 3);
        const Chiamata* mese = TrovaTesto(terza, data.mid(2, 2));
        QVERIFY(mese);
        QCOMPARE(Fine(*mese), 196.0 - 3);
    }

    void pagineInBianco() {
        PaginaRegistrata p;
        const DatiDiario dati = Dati(false);
        StampaCopertina(p, dati);
        for (int k = 1; k <= 3; ++k) {
            StampaPaginaGiorno(p, dati, k);
            p.NewPage();
        }
        const QStringList copertina = p.Testi(1);
        QVERIFY(copertina.contains(QStringLiteral("Meta del viaggio")));
        QVERIFY(!copertina.contains(QStringLiteral("ROMA")));
        QVERIFY(Trova(DellaPagina(p, 1), PaginaRegistrata::Linea, 35, 141, 175, 141));
        const QList<Chiamata> prima = DellaPagina(p, 2);
        const QList<Chiamata> terza = DellaPagina(p, 4);
        QCOMPARE(terza.size(), prima.size());
        for (int i = 0; i < prima.size(); ++i)
            QVERIFY(terza[i].tipo == prima[i].tipo && terza[i].testo == prima[i].testo &&
                    terza[i].x1 == prima[i].x1 && terza[i].y1 == prima[i].y1 && terza[i].x2 == prima[i].x2 &&
                    terza[i].y2 == prima[i].y2);
        const QStringList testi = p.Testi(2);
        QVERIFY(testi.contains(QStringLiteral("settimana")));
        QVERIFY(!testi.contains(QStringLiteral("ROMA")) && !testi.contains(QStringLiteral("Giorno 1 di 3")));
    }

    void copertinaCompilata() {
        PaginaRegistrata p;
        StampaCopertina(p, Dati());
        QCOMPARE(p.Di(PaginaRegistrata::NuovaPagina).size(), 1);
        const Chiamata* meta = p.TestoUguale(QStringLiteral("ROMA"));
        QVERIFY(meta && meta->size == 48 && meta->bold);
        QCOMPARE(Base(*meta), 141.0);
        QVERIFY(p.TestoUguale(QStringLiteral("Diario di Bordo")));
        QVERIFY(p.TestoUguale(QStringLiteral("Taccuvo 2.0.0")));
        QVERIFY(p.HaForma(PaginaRegistrata::Riquadro, 15, 15, 195, 282));
        QVERIFY(p.HaForma(PaginaRegistrata::Immagine, 170, 19, 18, 18));
    }

    // Too wide for its span, a text prints smaller, whole.
    void destinazioneLunga() {
        DatiDiario dati = Dati();
        dati.Destinazione = QStringLiteral("SAN GIOVANNI IN PERSICETO SULLA VIA EMILIA");
        PaginaRegistrata p;
        StampaCopertina(p, dati);
        StampaPaginaGiorno(p, dati, 1);
        const QList<Chiamata> copertina = DellaPagina(p, 1);
        const Chiamata* grande = TrovaTesto(copertina, dati.Destinazione);
        const QList<Chiamata> pagina = DellaPagina(p, 2);
        const Chiamata* banda = TrovaTesto(pagina, dati.Destinazione);
        QVERIFY(grande && banda);
        QVERIFY(grande->size < 48 && banda->size < 16 && banda->size > 0);
        QVERIFY(Fine(*banda) - banda->x1 < (75 - 30) + 2.5);
        QCOMPARE(banda->x1, 30.0);
        // The font is set anew for the next text.
        const Chiamata* dopo = TrovaTesto(pagina, QStringLiteral("Pernottamento"));
        QVERIFY(dopo && dopo->size == 12);
    }

    void legenda() {
        PaginaRegistrata p;
        StampaPaginaGiorno(p, Dati(), 1);
        QList<Chiamata> voci;
        for (const Chiamata& c : p.Di(PaginaRegistrata::Testo))
            if (PaginaRegistrata::Vicino(Base(c), 281)) voci.append(c);
        QCOMPARE(voci.size(), 11);
        QCOMPARE(voci.first().testo, QStringLiteral("Div=Divisa"));
        QCOMPARE(voci.last().testo, QStringLiteral("V=Varie"));
        QCOMPARE(voci.first().x1, 71.0);
        for (int i = 1; i < voci.size(); ++i)
            QVERIFY(PaginaRegistrata::Vicino(voci[i].x1, Fine(voci[i - 1]) + 1));
        QVERIFY(Fine(voci.last()) <= 195 + 2.5);
    }
};

QTEST_APPLESS_MAIN(TestPagineDiario)
#include "test_pagine_diario.moc"
