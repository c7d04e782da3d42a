#pragma once
// The synthetic trip of the calculation benchmark: n stages over the
// localities of a guide of 20,000 entries, some of them twice, with stops,
// ends of day, ferries and every road type. Shared by the benchmark and the
// timetable comparison tool, so that both drive the same trips.
#include <QString>
#include <QStringList>
#include <random>

namespace ViaggioSintetico {

constexpr int VociGuida = 20000;
constexpr int VociPerLocalita = 5;

// One name in twenty has an apostrophe, whose pattern no index serves.
inline QString NomeLocalita(int i) {
    const QString numero = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    return (i % 20 == 0 ? QStringLiteral("SANT'ANGELO ") : QStringLiteral("LOCALITA ")) + numero;
}

// Guide entry i: locality, type code, description, time.
inline QStringList VoceGuida(int i) {
    return {NomeLocalita(i / VociPerLocalita), QStringLiteral("%1").arg(1 + i % 9, 2, 10, QLatin1Char('0')),
            QStringLiteral("Voce %1").arg(i), i % 3 == 0 ? QStringLiteral("00:00") : QStringLiteral("00:45")};
}

// Stages as "locality|road|km|type|stop", a leading "*" on the stop marking
// the end of the day.
inline QStringList Tappe(int n) {
    std::mt19937 caso(12345);
    const QString tipi = QStringLiteral("ASPL");
    QStringList tappe;
    for (int r = 1; r <= n; ++r) {
        const int localita = int(caso() % (VociGuida / VociPerLocalita + 1000));
        QString sosta;
        if (r % 3 == 0) sosta = QStringLiteral("01:30");
        if (r % 7 == 0) sosta = QStringLiteral("01:00:00");
        if (r % 5 == 0) sosta.prepend(u'*');
        const QString strada = r % 50 == 0 ? QStringLiteral("TRAGHETTO") : QStringLiteral("SS%1").arg(r % 90);
        const QString km = QString::number(r % 50 == 0 ? 0 : 20 + int(caso() % 380));
        tappe << QStringList{NomeLocalita(localita), strada, km, tipi.mid(r % 4, 1), sosta}.join(u'|');
    }
    return tappe;
}

} // namespace ViaggioSintetico
