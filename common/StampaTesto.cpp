#include "common/PaginaStampa.h"

namespace {
// Shrinking stops here, so a text that can never fit still ends the loop.
constexpr double DimensioneMinima = 2.0;
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
    double x = 0;
    switch (Allineato) {
    case 0:
        x = daOrizz;
        break;
    case 1:
        x = (daOrizz + aOrizz) / 2 - w / 2 - 1;
        break;
    case 2:
        x = aOrizz - w - 3;
        break;
    default:
        break;
    }
    pagina.CurrentX = x;
    pagina.CurrentY = RigaStampaVerticale - pagina.TextHeight(t);
    pagina.Print(t);
    return w;
}
