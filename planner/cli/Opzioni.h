#pragma once
// The words of a command line split into positional words and options;
// "--pdf" and the like take the next word as their value.
#include <QHash>
#include <QString>
#include <QStringList>

namespace Cli {

struct Opzioni {
    QStringList posizionali;
    QHash<QString, QString> valori;
    QStringList interruttori;
    QString errore;
};

Opzioni Analizza(const QStringList& argomenti, const QStringList& conValore, const QStringList& senzaValore);

} // namespace Cli
