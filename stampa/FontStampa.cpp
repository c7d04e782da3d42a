#include "stampa/FontStampa.h"

#include "common/PaginaStampa.h"

QString FamigliaFont(const QString& nomeFont) {
    const QString nome = nomeFont.trimmed();
    if (nome.compare(QLatin1String("Times new roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (nome.compare(QLatin1String("arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (nome.compare(QLatin1String("Arial Narrow"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans Narrow");
    return nome;
}

QFont FontDellaPagina(const PaginaStampa& pagina) {
    QFont font(FamigliaFont(pagina.FontName));
    // A size of zero or less would make Qt fall back to its default size.
    font.setPointSizeF(pagina.FontSize > 0.1 ? pagina.FontSize : 0.1);
    font.setBold(pagina.FontBold);
    font.setItalic(pagina.FontItalic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::ForceOutline));
    return font;
}
