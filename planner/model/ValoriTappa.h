#pragma once
// Reading the cells of a stage row.
#include <QString>
#include <QtGlobal>

#include "common/Numeri.h"
#include "common/Stringhe.h"

// Kilometres of a stage cell as a 16-bit whole number: the digits typed, or
// the grid's own "#,###" form ("1.250"), which Val alone would read as 1.25.
// A negative or unreadable cell counts as 0.
inline qint16 KmCella(const QString& cella) {
    const QString testo = cella.trimmed();
    bool raggruppato = testo.size() > 4 && testo.contains(u'.');
    for (qsizetype i = 0; raggruppato && i < testo.size(); ++i) {
        const qsizetype daDestra = testo.size() - i;
        raggruppato = daDestra % 4 == 0 ? testo.at(i) == u'.' : testo.at(i).isDigit();
    }
    const double km = raggruppato ? ValoreSenzaPunti(testo) : Val(testo);
    return km > 0 ? CInt(km) : qint16(0);
}

// Position of a road-type letter in "ASPL"; anything else counts as "L".
inline int IndiceTipoStrada(const QString& cella) {
    const QString tipo = cella.trimmed();
    const qsizetype i = tipo.size() == 1 ? QStringLiteral("ASPL").indexOf(tipo) : -1;
    return i < 0 ? 3 : int(i);
}

// Hundredths of an hour of a guide entry's "hh:mm".
inline double CentesimiTempoGuida(const QString& tempo) {
    return Int(Val(tempo.right(2)) * 100.0 / 60.0 + Val(tempo.left(2)) * 100.0 + 0.5);
}
