#include "trip/Veicolo.h"

#include <QRegularExpression>
#include <cmath>

QString Veicolo::Errore() const {
    if (!(Consumo > 0 && Consumo <= 100))
        return QStringLiteral("Il consumo deve essere tra 0 e 100 l/100 km.");
    if (!(Serbatoio > 0 && Serbatoio <= 2000))
        return QStringLiteral("Il serbatoio deve essere tra 0 e 2000 litri.");
    if (!(Riserva >= 0 && Riserva < Serbatoio))
        return QStringLiteral("La riserva deve essere minore del serbatoio.");
    for (double euro : {Prezzo, Pedaggio, CostoNotte, CostoTraghetto})
        if (!(euro >= 0 && euro <= 100000)) return QStringLiteral("I costi vanno da 0 a 100000 €.");
    if (GuidaMassima < 1 || GuidaMassima > 24 * 60)
        return QStringLiteral("La guida massima in un giorno va da 00:01 a 24:00.");
    return {};
}

std::optional<double> NumeroDecimale(const QString& testo) {
    static const QRegularExpression numero(QStringLiteral("^\\d{1,7}([.,]\\d{1,4})?$"));
    const QString t = testo.trimmed();
    if (!numero.match(t).hasMatch()) return std::nullopt;
    QString punto = t;
    punto.replace(u',', u'.');
    return punto.toDouble();
}

std::optional<int> MinutiOra(const QString& testo) {
    static const QRegularExpression ora(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = ora.match(testo.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const int ore = m.captured(1).toInt();
    const int minuti = m.captured(2).toInt();
    if (minuti > 59 || ore > 24 || (ore == 24 && minuti > 0)) return std::nullopt;
    return ore * 60 + minuti;
}

QString TestoMinuti(int minuti) {
    return QStringLiteral("%1:%2")
        .arg(minuti / 60, 2, 10, QLatin1Char('0'))
        .arg(minuti % 60, 2, 10, QLatin1Char('0'));
}

QString TestoEuro(double euro) {
    // Half a cent up, whatever the binary form of the sum.
    const double centesimi = std::floor(euro * 100 + 0.5 + 1e-9);
    return QString::number(centesimi / 100, 'f', 2);
}

QString TestoDecimale(double valore) {
    QString t = QString::number(valore, 'f', 4);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.')) t.chop(1);
    return t;
}
