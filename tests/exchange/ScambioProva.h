#pragma once
// Trips stored straight into a planner's database, exchange files written
// from readable text, and the tables read back as text.
#include <QFile>
#include <QStringList>

#include "common/Stringhe.h"
#include "common/Testo1252.h"
#include "support/PlannerProva.h"

// A trip: "field=value;field=value", CodiceMeta and Localita at least.
inline void SalvaMeta(FormViandora& f, const QString& campi) {
    f.Db.RecordSetImposta(7, Query("MeteViandora").Dove("Localita", "\\"));
    RecordSet& rs = f.Db.Rs(7);
    rs.AddNew();
    for (const QString& campo : campi.split(u';'))
        rs.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    rs.Update();
}

// Its stages, "locality|km|stop".
inline void SalvaTappe(FormViandora& f, const QString& codice, const QStringList& tappe) {
    f.Db.RecordSetImposta(7, Query("Itinerari").Dove("Localita", "\\"));
    RecordSet& rs = f.Db.Rs(7);
    int sequenza = 0;
    for (const QString& tappa : tappe) {
        const QStringList c = tappa.split(u'|');
        rs.AddNew();
        rs.Imposta("CodiceMeta", codice);
        rs.Imposta("Sequenza", Zero(++sequenza, 4));
        rs.Imposta("Localita", c.value(0));
        rs.Imposta("Chilometri", c.value(1));
        rs.Imposta("NomeStrada", "A1");
        rs.Imposta("TipoStrada", "A");
        rs.Imposta("TempoSosta", c.value(2));
        rs.Imposta("SostaGuidaCitta", " ");
        rs.Imposta("FineGiorno", "0");
        rs.Update();
    }
}

// Every row of a table as "value|value|..." (values trimmed, Null as empty),
// in the given order.
inline QStringList Righe(FormViandora& f, const QString& tabella, const QString& ordine) {
    QStringList campi;
    for (const InfoCampo& c : f.Db.CampiTabella(tabella))
        campi << c.nome;
    QStringList righe;
    f.Db.Leggi(Query(tabella).OrdinaPer(ordine), campi, [&](qint64, const QStringList& valori) {
        QStringList t;
        for (const QString& v : valori)
            t << v.trimmed();
        righe << t.join(u'|');
    });
    return righe;
}

inline QStringList TutteLeTabelle(FormViandora& f) {
    return Righe(f, "MeteViandora", "CodiceMeta") + Righe(f, "Itinerari", "CodiceMeta, Sequenza") +
           Righe(f, "GuidaCitta", "Localita, Descrizione");
}

// An exchange file from three sections of "value|value|..." lines, the
// first line of each its header.
inline QByteArray FileIei(const QList<QStringList>& sezioni) {
    static const char16_t separatori[] = {0xFF, 0xFE, 0xFD};
    QString testo;
    for (int s = 0; s < sezioni.size(); ++s)
        for (const QString& riga : sezioni.at(s)) {
            for (const QString& valore : riga.split(u'|'))
                testo += valore + QChar(separatori[s]);
            testo += QStringLiteral("\r\n");
        }
    return CodificaWindows1252(testo);
}

inline bool ScriviFile(const QString& percorso, const QByteArray& byte) {
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

inline QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
