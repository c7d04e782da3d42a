#include "trip/ElencoMete.h"

#include <QHash>

#include "common/Date.h"
#include "database/Database.h"

QVector<VoceElencoMete> ElencoMete(Database& db) {
    const SchemaDatabase& schema = db.Schema();
    const QString codice = QStringLiteral("CodiceMeta");
    // Stages are counted in one pass over the itineraries; codes compare as
    // the planner's "=" does, letter case aside.
    QHash<QString, int> tappe;
    db.Leggi(Query(schema.NomeTabella[TabItinerari]).SenzaOrdine(), {codice},
             [&](qint64, const QStringList& v) { ++tappe[v.at(0).toCaseFolded()]; });
    QVector<VoceElencoMete> mete;
    db.Leggi(Query(schema.NomeTabella[TabMete]).OrdinaPer(codice),
             {codice, QStringLiteral("Localita"), QStringLiteral("Nazione"), QStringLiteral("DataInizio")},
             [&](qint64, const QStringList& v) {
                 const QString data = v.at(3).trimmed();
                 mete.append({v.at(0), v.at(1), v.at(2), data.isEmpty() ? data : Data2Data(data),
                              tappe.value(v.at(0).toCaseFolded())});
             });
    return mete;
}
