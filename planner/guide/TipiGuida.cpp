#include "guide/TipiGuida.h"

#include "common/Numeri.h"
#include "database/Confronto.h"
#include "database/Database.h"

namespace {

// Code, description, visit time required.
struct TipoGuidaDefault {
    const char* codice;
    const char* descrizione;
    bool tempoObbligatorio;
};

constexpr TipoGuidaDefault TipiGuidaDefault[] = {
    {"01", "Ottimo", true},     {"02", "Da vedere", true},    {"03", "Interessante", true},
    {"04", "Vedibile", true},   {"05", "Punto Sosta", false}, {"06", "PS e CS", false},
    {"07", "Campeggio", false}, {"08", "Ristorante", false},  {"09", "Gpl", false},
};

} // namespace

bool ScriviTipiGuidaDefault(Database& db) {
    const QString tabella = db.Schema().NomeTabella[TabTipoGuida];
    bool vuota = true;
    db.Leggi(Query(tabella), {QStringLiteral("CodiceGuida")},
             [&](qint64, const QStringList&) { vuota = false; });
    if (!vuota) return false;
    // The program's own rows, written even where the user's data are only read.
    Database::ScritturaDiServizio servizio(db);
    QList<QHash<QString, QVariant>> righe;
    for (const TipoGuidaDefault& tipo : TipiGuidaDefault)
        righe.append({{QStringLiteral("CodiceGuida"), QString::fromUtf8(tipo.codice)},
                      {QStringLiteral("Descrizione"), QString::fromUtf8(tipo.descrizione)},
                      {QStringLiteral("TempoObbligatorio"), tipo.tempoObbligatorio}});
    db.AggiungiRighe(tabella, righe);
    return true;
}

TipiGuidaLetti LeggiTipiGuida(Database& db) {
    TipiGuidaLetti tipi;
    db.Leggi(
        Query(db.Schema().NomeTabella[TabTipoGuida]).OrdinaPer(QStringLiteral("CodiceGuida")),
        {QStringLiteral("CodiceGuida"), QStringLiteral("Descrizione"), QStringLiteral("TempoObbligatorio")},
        [&](qint64, const QStringList& v) {
            const int codice = int(Val(v.at(0)));
            // A type outside the arrays could be listed but never saved.
            if (codice < 1 || codice >= int(tipi.Descrizione.size())) return;
            tipi.Descrizione[size_t(codice)] = v.at(1);
            tipi.TempoObbligatorio[size_t(codice)] = TestoSiNo(v.at(2));
        });
    return tipi;
}
