#pragma once
// Rows stored straight into a planner's database, and the tables read back
// as text.
#include <QStringList>

#include "common/Stringhe.h"
#include "support/PlannerProva.h"

// "Campo=valore;Campo=valore" as a new row of the table.
inline void AggiungiRiga(FormViandora& f, const QString& tabella, const QString& campi) {
    f.Db.RecordSetImposta(SlotLibero, Query(tabella).Dove(f.Db.CampiTabella(tabella).at(0).nome, "\\"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    rs.AddNew();
    for (const QString& campo : campi.split(u';'))
        rs.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    rs.Update();
}

// A trip: "field=value;field=value", CodiceMeta and Localita at least.
inline void SalvaMeta(FormViandora& f, const QString& campi) {
    AggiungiRiga(f, "MeteViandora", campi);
}

// Its stages, "locality|km|stop" or "locality|km|stop|road|type" (A1 and A
// when not given).
inline void SalvaTappe(FormViandora& f, const QString& codice, const QStringList& tappe) {
    int sequenza = 0;
    for (const QString& tappa : tappe) {
        const QStringList c = tappa.split(u'|');
        AggiungiRiga(
            f, "Itinerari",
            QString("CodiceMeta=%1;Sequenza=%2;Localita=%3;Chilometri=%4;TempoSosta=%5;NomeStrada=%6;"
                    "TipoStrada=%7;SostaGuidaCitta= ;FineGiorno=0")
                .arg(codice, Zero(++sequenza, 4), c.value(0), c.value(1), c.value(2), c.value(3, "A1"),
                     c.value(4, "A")));
    }
}

// Every field of every row, "|"-joined, in the query's order.
inline QStringList Righe(Database& db, const Query& query) {
    db.RecordSetImposta(SlotLibero, query);
    QStringList righe;
    for (RecordSet& rs = db.Rs(SlotLibero); !rs.Eof(); rs.MoveNext()) {
        QStringList valori;
        for (int p = 0; p < rs.NumeroCampi(); ++p)
            valori << rs.Testo(p);
        righe << valori.join(u'|');
    }
    return righe;
}

// The same with every value trimmed (Null as empty).
inline QStringList Righe(FormViandora& f, const QString& tabella, const QString& ordine) {
    return CelleTagliate(Righe(f.Db, Query(tabella).OrdinaPer(ordine)));
}

inline QStringList TutteLeTabelle(FormViandora& f) {
    return Righe(f, "MeteViandora", "CodiceMeta") + Righe(f, "Itinerari", "CodiceMeta, Sequenza") +
           Righe(f, "GuidaCitta", "Localita, Descrizione");
}
