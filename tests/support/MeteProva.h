#pragma once
// Trips for the planner's tests: one made through the trip screen, rows
// written straight into the file as another run or another program left
// them, and the row count of a table.
#include "support/PlannerProva.h"

// "&Nuovo", the destination and its country, "&Salva" with the given answer.
inline void NuovaMeta(FormViandora& f, PiattaformaProva& p, const QString& localita,
                      const QString& nazione = QStringLiteral("ITALIA"), int risposta = Msg::Yes) {
    f.Click("cmdNuovo");
    f.txtLocalita.Text = localita;
    f.txtNazione.Text = nazione;
    p.risposte = {risposta};
    f.Click("cmdSalva");
}
inline void NuovaMeta(Planner& pl, const QString& localita, const QString& nazione = QStringLiteral("ITALIA"),
                      int risposta = Msg::Yes) {
    NuovaMeta(*pl, pl.p, localita, nazione, risposta);
}

// One row of a table, its fields as "Campo=valore".
inline void AggiungiRiga(FormViandora& f, const QString& tabella, const QStringList& campi) {
    f.Db.RecordSetImposta(SlotLibero, Query(tabella).Dove(campi.first().section(u'=', 0, 0), "\\"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    rs.AddNew();
    for (const QString& c : campi)
        rs.Imposta(c.section(u'=', 0, 0), c.section(u'=', 1));
    rs.Update();
}

inline int Righe(FormViandora& f, const QString& tabella) {
    f.Db.RecordSetImposta(SlotLibero, Query(tabella));
    return int(f.Db.NumeroRecord);
}
