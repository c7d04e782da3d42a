#include "common/Tempi.h"

#include <cmath>

#include "common/Numeri.h"
#include "common/Stringhe.h"

// Single precision throughout, as stored time values were computed: a different precision would
// change the rounding of the minutes in a few cases.

float ghmStringa2Centesimi(QString& stringa, float centesimiGiorno) {
    stringa = AntStr(stringa, 8, QStringLiteral("0"));
    const auto giorni = static_cast<float>(Val(stringa.mid(0, 2)));
    const auto ore = static_cast<float>(Val(stringa.mid(3, 2)));
    const auto minuti = static_cast<float>(Val(stringa.mid(6, 2)));
    const qint16 centesimiMinuti = CInt(Int(static_cast<double>(minuti * 100.0f / 60.0f) + 0.5));
    return giorni * centesimiGiorno + ore * 100.0f + centesimiMinuti;
}

QString ghmCentesimi2Stringa(float valore, float centesimiGiorno) {
    auto giorni = static_cast<float>(Int(valore / centesimiGiorno));
    auto ore = static_cast<float>(Int((valore - giorni * centesimiGiorno) / 100.0f));
    qint16 minuti = CInt(
        Int(static_cast<double>((valore - giorni * centesimiGiorno - ore * 100.0f) * 60.0f / 100.0f) + 0.5));
    // Minutes are rounded on their own: 59.5 of them would otherwise show as "60".
    if (minuti >= 60) {
        minuti -= 60;
        ore += 1;
        if (ore >= centesimiGiorno / 100.0f) {
            ore -= centesimiGiorno / 100.0f;
            giorni += 1;
        }
    }
    // Two whole digits each, the usual case, written in place.
    auto dueCifre = [](float v) { return v >= 0 && v < 100 && v == std::floor(v); };
    if (dueCifre(giorni) && dueCifre(ore) && minuti >= 0 && minuti < 100) {
        if (giorni == 0 && ore == 0 && minuti == 0) return QString();
        const int g = int(giorni), o = int(ore), m = minuti;
        const char16_t testo[] = {char16_t(u'0' + g / 10), char16_t(u'0' + g % 10), u':',
                                  char16_t(u'0' + o / 10), char16_t(u'0' + o % 10), u':',
                                  char16_t(u'0' + m / 10), char16_t(u'0' + m % 10)};
        return QString(reinterpret_cast<const QChar*>(testo), 8);
    }
    const QString testo = Zero(giorni, 2) + u':' + Zero(ore, 2) + u':' + Zero(minuti, 2);
    return testo == QLatin1String("00:00:00") ? QString() : testo;
}

bool SostaNegativa(const QString& testo) {
    return testo.contains(u'-');
}

QString TestoSosteNegative(int quante) {
    return quante == 1 ? QStringLiteral("1 sosta negativa è stata letta come nessuna sosta.")
                       : QStringLiteral("%1 soste negative sono state lette come nessuna sosta.").arg(quante);
}

QString ghmStringa2Stringa2Punti(const QString& cifre) {
    const QString testo = AntStr(cifre, 6, QStringLiteral("0"));
    return testo.mid(0, 2) + u':' + testo.mid(2, 2) + u':' + testo.right(2);
}
