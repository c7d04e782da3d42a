#include "common/PaginaStampa.h"

namespace {
// Shrinking stops here, so a text that can never fit still ends the loop.
constexpr double DimensioneMinima = 2.0;
// The planner shrinks a text for its box no further than this before it
// cuts it: smaller print is no longer read at a glance.
constexpr double DimensioneMinimaRiquadro = 5.0;
// Room kept between a text and the lines of its box.
constexpr double DistanzaDalBordo = 0.5;

// Where a text of width w starts in its span, by its alignment.
double Inizio(int Allineato, double daOrizz, double aOrizz, double w) {
    switch (Allineato) {
    case 0:
        return daOrizz;
    case 1:
        return (daOrizz + aOrizz) / 2 - w / 2 - 1;
    case 2:
        return aOrizz - w - 3;
    default:
        return 0;
    }
}
} // namespace

double StampaTesto(PaginaStampa& pagina, AdattamentoTesto adattamento, const QString& Testo,
                   double RigaStampaVerticale, double daOrizz, double aOrizz, bool Grassetto, bool Corsivo,
                   double Size, int Allineato) {
    QString t = Testo.trimmed();
    if (t.isEmpty()) return 0;
    pagina.FontBold = Grassetto;
    pagina.FontItalic = Corsivo;
    pagina.FontSize = Size;
    double w = pagina.TextWidth(t);
    if (adattamento == AdattamentoTesto::Taglia) {
        while (!t.isEmpty() && w >= (aOrizz - daOrizz) + 2.0) {
            t.chop(1);
            w = pagina.TextWidth(t);
        }
        if (t.isEmpty()) return 0;
    } else {
        while (w >= (aOrizz - daOrizz) + 2.5 && pagina.FontSize - 0.4 >= DimensioneMinima) {
            pagina.FontSize -= 0.4;
            w = pagina.TextWidth(t);
        }
    }
    pagina.CurrentX = Inizio(Allineato, daOrizz, aOrizz, w);
    pagina.CurrentY = RigaStampaVerticale - pagina.TextHeight(t);
    pagina.Print(t);
    return w;
}

double StampaTestoNelRiquadro(PaginaStampa& pagina, AdattamentoTesto adattamento, const QString& Testo,
                              double RigaStampaVerticale, double daOrizz, double aOrizz, bool Grassetto,
                              bool Corsivo, double Size, int Allineato, double riquadroDa, double riquadroA) {
    QString t = Testo.trimmed();
    if (!t.isEmpty() && Allineato >= 0 && Allineato <= 2) {
        pagina.FontBold = Grassetto;
        pagina.FontItalic = Corsivo;
        pagina.FontSize = Size;
        auto dentro = [&](double w) {
            const double x = Inizio(Allineato, daOrizz, aOrizz, w);
            return x >= riquadroDa + DistanzaDalBordo && x + w <= riquadroA - DistanzaDalBordo;
        };
        const bool taglia = adattamento == AdattamentoTesto::Taglia;
        const double passo = taglia ? 1.0 : 0.4;
        const double minima = taglia ? qMin(Size, DimensioneMinimaRiquadro) : DimensioneMinima;
        double w = pagina.TextWidth(t);
        while (!dentro(w) && pagina.FontSize - passo >= minima) {
            pagina.FontSize -= passo;
            w = pagina.TextWidth(t);
        }
        while (taglia && !dentro(w) && !t.isEmpty()) {
            t.chop(1);
            w = pagina.TextWidth(t);
        }
        Size = pagina.FontSize;
    }
    return StampaTesto(pagina, adattamento, t, RigaStampaVerticale, daOrizz, aOrizz, Grassetto, Corsivo, Size,
                       Allineato);
}
