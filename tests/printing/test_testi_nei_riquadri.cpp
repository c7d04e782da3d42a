// Every text of the printouts stays inside the lines round it and under no
// fill drawn later, measured in the print fonts as the PDF measures them:
// pages of the timetable, the city guide and the logbook holding the widest
// values each cell can get.
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include "StampaProva.h"
#include "core/PagineDiario.h"
#include "guide/ControlloreGuida.h"
#include "stampa/FontStampa.h"
#include "support/PlannerProva.h"
#include "trip/Meta.h"

using P = PaginaRegistrata;

namespace {

// Text widths in the print fonts on a 1200 dpi device, as on the PDF.
double LarghezzaStampata(const PaginaStampa& pagina, const QString& testo) {
    static QImage dispositivo = [] {
        QImage i(1, 1, QImage::Format_Mono);
        i.setDotsPerMeterX(47244);
        i.setDotsPerMeterY(47244);
        return i;
    }();
    return QFontMetricsF(FontDellaPagina(pagina), &dispositivo).horizontalAdvance(testo) * 25.4 /
           dispositivo.logicalDpiX();
}

// A text's band from the top of its capitals down to its baseline: above
// is the font's leading, below the descenders, which may reach the rule the
// text stands on.
QRectF Banda(const P::Chiamata& t) {
    P misura;
    misura.FontName = t.font;
    misura.FontSize = t.size;
    misura.FontBold = t.bold;
    misura.FontItalic = t.italic;
    const double altezza = t.size * 0.4;
    return QRectF(t.x1, t.y1 + 0.2 * altezza, LarghezzaStampata(misura, t.testo), 0.6 * altezza);
}

// The texts that come within 0.3 mm of a line's side, that a fill drawn
// after them covers or that run into another text, as "page: text / what".
QStringList TestiCoperti(const P& p) {
    const QList<P::Chiamata>& c = p.chiamate;
    auto incontra = [](const QRectF& a, const QRectF& b) {
        const QRectF comune = a.intersected(b);
        return comune.width() > 0.01 && comune.height() > 0.05;
    };
    QStringList coperti;
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (c[i].tipo != P::Testo) continue;
        const QRectF testo = Banda(c[i]), discosto = testo.adjusted(-0.3, 0, 0.3, 0);
        for (qsizetype j = 0; j < c.size(); ++j) {
            const P::Chiamata& f = c[j];
            if (f.pagina != c[i].pagina || j == i) continue;
            const double m = qMax(1, f.drawWidth) * PaginaStampa::PixelStampanteMm / 2;
            auto tratto = [&](double x1, double y1, double x2, double y2) {
                return incontra(discosto,
                                QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-m, -m, m, m));
            };
            const bool coperto =
                (f.tipo == P::Linea && tratto(f.x1, f.y1, f.x2, f.y2)) ||
                (f.tipo == P::Riquadro &&
                 (tratto(f.x1, f.y1, f.x2, f.y1) || tratto(f.x1, f.y2, f.x2, f.y2) ||
                  tratto(f.x1, f.y1, f.x1, f.y2) || tratto(f.x2, f.y1, f.x2, f.y2) ||
                  (f.fillSolid && j > i &&
                   incontra(testo, QRectF(QPointF(f.x1, f.y1), QPointF(f.x2, f.y2)).normalized())))) ||
                (f.tipo == P::Testo && j > i && incontra(testo, Banda(f)));
            if (coperto)
                coperti << QString::asprintf("%d: %s / %s %g %g %g %g", f.pagina, qPrintable(c[i].testo),
                                             qPrintable(f.testo), f.x1, f.y1, f.x2, f.y2);
        }
    }
    return coperti;
}

const QString LocalitaLunga = QStringLiteral("MARINA DI CAMEROTA WEST MOLISE"); // 30 characters

void StampaTabella(P& pagina) {
    TestataTabella testata;
    testata.Localita = LocalitaLunga;
    testata.Nazione = QStringLiteral("BOSNIA-ERZEGOVINA W"); // 19 characters
    testata.RiposoOre = QStringLiteral("03");
    StampaCelle(
        pagina,
        {"1|ROMA|SS123-E45-A1-A90-SS100|12345|A|12.345|10:30|01:00:00||Me|06/08|* 14:00|"
         "+ Riposo 15'PranzoCenaNotte|>06/08-14:00",
         "2|" + LocalitaLunga + "|A1|999|A|99.999|23:59||00:30|Me|06/08|23:59|ps Parcheggio custodito|",
         "|> " + QString(94, u'W') + "||||||01:30|||||Museo, pinacoteca, galleria d'ar|",
         "3|>Traghetto per Olbia|||||||||||Riposo|"},
        testata);
}

void StampaGuida(PlannerStampa& s, int dettaglio) {
    s->Guida.DescrizioneTipoGuida[1] = QStringLiteral("Museo, pinacoteca, galleria d'ar"); // 32
    for (const QString& l : {LocalitaLunga, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW")})
        AggiungiVoce(*s, l, "01", QString(96, u'W'), "01:30");
    s->Click("cmdStampaGuidaCitta");
    s->Click("optGuidaListaStampa(1)");
    s->Click(QString("optGuidaDettaglioStampa(%1)").arg(dettaglio));
    s->Click("cmdStampaGuida(0)");
    s.p.fileDaSalvare << s.pdf();
    s->Click("cmdSelStampante(0)");
}

void StampaDiario(P& p, bool compilati) {
    Taccuvo::DatiDiario d;
    d.Compilati = compilati;
    d.Destinazione = LocalitaLunga;
    d.Periodo = QStringLiteral("28/12 - 02/01/2027");
    d.PrimoGiorno = 730138; // a Tuesday: "Ma" and "Me", the widest days
    d.AltezzaStampabile = 287;
    d.Versione = QStringLiteral("Taccuvo 2.0.0");
    p.FontName = QStringLiteral("Times new roman"); // as the logbook printer sets it
    Taccuvo::StampaCopertina(p, d);
    for (int k = 1; k <= 2; ++k) {
        Taccuvo::StampaPaginaGiorno(p, d, k);
        p.NewPage();
    }
}

} // namespace

class TestTestiNeiRiquadri : public QObject {
    Q_OBJECT
private slots:
    void testiNeiRiquadri() {
        // interi: numbers and names shrunk, not cut
        const auto prova = [&](QString stampa, QStringList interi) {
            PlannerStampa s;
            s.p.preparaPagina = [](P& p) { p.larghezza = LarghezzaStampata; };
            P diario;
            diario.larghezza = LarghezzaStampata;
            if (stampa == "tabella") StampaTabella(diario);
            if (stampa == "voci" || stampa == "nomi") StampaGuida(s, stampa == "voci" ? 0 : 1);
            if (stampa == "diario" || stampa == "bianco") StampaDiario(diario, stampa == "diario");
            const P& pagina = diario.chiamate.isEmpty() ? s.Pagina() : diario;
            for (const QString& t : interi)
                QVERIFY2(pagina.TestoUguale(t), qPrintable(t));
            const QStringList coperti = TestiCoperti(pagina);
            QVERIFY2(coperti.isEmpty(), qPrintable(coperti.join(u'\n')));
        };
        // tabella di marcia
        prova("tabella", {LocalitaLunga, "12.345", "99.999", "* 14:00", "ogni 03 ore;"});
        // guida, ogni voce
        prova("voci", {LocalitaLunga, "01:30"});
        // guida, solo nomi
        prova("nomi", {LocalitaLunga});
        // diario compilato
        prova("diario", {LocalitaLunga, "Ma", "Me"});
        // diario in bianco
        prova("bianco", {"Cod.", "Div."});
    }
};

QTEST_MAIN(TestTestiNeiRiquadri)
#include "test_testi_nei_riquadri.moc"
