#include "timetable/GuidaDatabase.h"

#include "common/Stringhe.h"
#include "database/Database.h"
#include "model/ValoriTappa.h"
#include "shell/SlotRecordSet.h"
#include "trip/OrariFissi.h"

GuidaDatabase::GuidaDatabase(Database& db, const QStringList& localita)
    : db_(db), passaggio_(db, &CentesimiTempoGuida, localita) {}

double GuidaDatabase::TempoLocalita(const QString& localita) {
    return passaggio_.TempoLocalita(localita);
}

const QList<VoceGuida>& GuidaDatabase::Voci(const QString& localita) {
    const QString modello = LikeTesto(localita);
    auto trovate = voci_.constFind(modello);
    if (trovate != voci_.constEnd()) return *trovate;
    db_.RecordSetImposta(SlotRicerca, Query(db_.Schema().NomeTabella[TabGuida])
                                          .DoveCome(QStringLiteral("Localita"), modello)
                                          .OrdinaPer(QStringLiteral("CodiceGuida, Descrizione")));
    QList<VoceGuida> voci;
    for (RecordSet& rs = db_.Rs(SlotRicerca); !rs.Eof(); rs.MoveNext()) {
        VoceGuida voce;
        voce.Localita = rs.Testo(QStringLiteral("Localita"));
        voce.Descrizione = rs.Testo(QStringLiteral("Descrizione"));
        voce.TempoSosta = rs.Testo(QStringLiteral("TempoSosta"));
        voce.CodiceGuida = rs.Testo(QStringLiteral("CodiceGuida"));
        voce.Visto = rs.Testo(QStringLiteral("FlagVisto")) == QLatin1String("1");
        voci.append(voce);
    }
    AggiungiOrariGuida(db_, modello, voci);
    return *voci_.insert(modello, voci);
}
