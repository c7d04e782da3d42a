#include "cli/Opzioni.h"

namespace Cli {

Opzioni Analizza(const QStringList& argomenti, const QStringList& conValore, const QStringList& senzaValore) {
    Opzioni o;
    for (int i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti.at(i);
        if (conValore.contains(a)) {
            if (i + 1 >= argomenti.size()) {
                o.errore = QStringLiteral("Manca il valore di ") + a;
                return o;
            }
            o.valori.insert(a, argomenti.at(++i));
        } else if (senzaValore.contains(a)) {
            o.interruttori.append(a);
        } else if (a.startsWith(QLatin1String("--"))) {
            o.errore = QStringLiteral("Opzione sconosciuta: ") + a;
            return o;
        } else {
            o.posizionali.append(a);
        }
    }
    return o;
}

} // namespace Cli
