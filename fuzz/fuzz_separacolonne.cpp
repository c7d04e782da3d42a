// The column splitter of exchange and import lines on arbitrary text: the
// first byte chooses whether the rest is Windows-1252 bytes or UTF-16 text.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "Verifica.h"
#include "common/Stringhe.h"
#include "common/Testo1252.h"

namespace {

QString Riga(const uint8_t* dati, size_t dimensione) {
    if (dimensione == 0) return QString();
    const char* resto = reinterpret_cast<const char*>(dati + 1);
    const qsizetype lunghezza = qsizetype(dimensione - 1);
    if (dati[0] % 2 == 0) return DecodificaWindows1252(QByteArray(resto, lunghezza));
    QString testo(lunghezza / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < testo.size(); ++i)
        testo[i] = QChar(char16_t(uint8_t(resto[2 * i]) | uint8_t(resto[2 * i + 1]) << 8));
    return testo;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
    const QString riga = Riga(dati, dimensione);
    RigaColonne colonne;
    SeparaColonne(riga, colonne);

    VERIFICA(colonne.NumeroColonne >= 0 && colonne.NumeroColonne <= 100);
    VERIFICA(colonne.ColonneRiga[0].isEmpty());
    int caratteri = 0;
    for (int i = 1; i <= colonne.NumeroColonne; ++i) {
        for (QChar c : colonne.ColonneRiga[i])
            VERIFICA((c.unicode() >= 32 || c == u'\t') && c != u'"');
        caratteri += colonne.ColonneRiga[i].size();
    }
    for (std::size_t i = colonne.NumeroColonne + 1; i < colonne.ColonneRiga.size(); ++i)
        VERIFICA(colonne.ColonneRiga[i].isEmpty());
    VERIFICA(caratteri <= riga.size());

    // A set reused for another line keeps nothing of the previous one.
    RigaColonne riusata;
    SeparaColonne(QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s,t,u,v,w,x,y,z"), riusata);
    SeparaColonne(riga, riusata);
    VERIFICA(riusata.NumeroColonne == colonne.NumeroColonne && riusata.ColonneRiga == colonne.ColonneRiga);
    return 0;
}
