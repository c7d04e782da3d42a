#include "timetable/GuidaDatabase.h"

#include "common/Stringhe.h"
#include "database/Database.h"
#include "itinerary/ValoriTappa.h"
#include "shell/SlotRecordSet.h"

GuidaDatabase::GuidaDatabase(Database& db, const QStringList& localita)
    : db_(db), passaggio_(db, &CentesimiTempoGuida, localita) {}

double GuidaDatabase::TempoLocalita(const QString& localita) {
    return passaggio_.TempoLocalita(localita);
}

const QList<QStringList>& GuidaDatabase::Voci(const QString& localita) {
    const QString modello = LikeTesto(localita);
    auto trovate = voci_.constFind(modello);
    if (trovate != voci_.constEnd()) return *trovate;
    db_.RecordSetImposta(SlotRicerca, Query(db_.Schema().NomeTabella[TabGuida])
                                          .DoveCome(QStringLiteral("Localita"), modello)
                                          .OrdinaPer(QStringLiteral("CodiceGuida, Descrizione")));
    QList<QStringList> voci;
    for (RecordSet& rs = db_.Rs(SlotRicerca); !rs.Eof(); rs.MoveNext())
        voci.append({rs.Testo(QStringLiteral("Descrizione")), rs.Testo(QStringLiteral("TempoSosta")),
                     rs.Testo(QStringLiteral("CodiceGuida"))});
    return *voci_.insert(modello, voci);
}
