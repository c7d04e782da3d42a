#pragma once
// A planner over a temporary folder, started as the program starts, with the
// helpers that type stages into its grid, add guide entries and read back the
// grid and the stored rows.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "itinerary/ControlloreItinerario.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"
#include "support/PiattaformaProva.h"

struct Planner {
    QTemporaryDir dir;
    PiattaformaProva p;
    std::unique_ptr<FormViandora> f;
    bool avviato = false; // what the start returned

    // Without avvia the test puts files in the folder first, then calls Riapri().
    explicit Planner(bool avvia = true) {
        if (avvia) Riapri();
    }
    // A new window on the same folder, as at the next start.
    void Riapri() {
        f.reset();
        f = std::make_unique<FormViandora>(p, dir.path() + "/");
        avviato = f->Form_Load();
    }
    FormViandora& operator*() { return *f; }
    FormViandora* operator->() { return f.get(); }
};

// "locality|road|km|type|stop", the empty text for an empty row.
inline void ScriviTappe(FormViandora& f, const QStringList& tappe) {
    f.Tappe.CancellaMatrice();
    f.mfgTab.SetRows(qMax(int(FormViandora::RigheVisibili), int(tappe.size()) + 2));
    for (int i = 0; i < tappe.size(); ++i) {
        const QStringList c = tappe.at(i).split(u'|');
        f.mfgTab.SetTextMatrix(i + 1, 0, QString::number(i + 1));
        for (int k = 0; k < c.size() && k < 5; ++k)
            f.mfgTab.SetTextMatrix(i + 1, k == 4 ? 7 : k + 1, c.at(k));
    }
}

// Rows of "|"-joined cells with the blanks round each cell removed.
inline QStringList CelleTagliate(QStringList righe) {
    for (QString& r : righe) {
        QStringList celle = r.split(u'|');
        for (QString& c : celle)
            c = c.trimmed();
        r = celle.join(u'|');
    }
    return righe;
}

// The given columns of the rows with a locality, joined by "|" per row.
inline QStringList Colonne(const Griglia& g, const QList<int>& colonne) {
    QStringList righe;
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, 1).trimmed().isEmpty()) continue;
        QStringList celle;
        for (int c : colonne)
            celle << g.TextMatrix(r, c);
        righe << celle.join(u'|');
    }
    return righe;
}

// The stored records of a trip, in order, as "field|field|...".
inline QStringList RecordItinerario(FormViandora& f, const QString& codice, const QStringList& campi) {
    f.Db.RecordSetImposta(SlotLibero, Query("Itinerari").Dove("CodiceMeta", codice).OrdinaPer("Sequenza"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    QStringList righe;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList valori;
        for (const QString& c : campi)
            valori << rs.Testo(c);
        righe << valori.join(u'|');
    }
    return righe;
}

inline void AggiungiVoce(FormViandora& f, const QString& localita, const QString& codice,
                         const QString& descrizione, const QString& tempo, const QString& visto = "0") {
    f.Db.RecordSetImposta(SlotLibero, Query("GuidaCitta").Dove("Localita", "\\"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    rs.AddNew();
    rs.Imposta("Localita", localita);
    rs.Imposta("CodiceGuida", codice);
    rs.Imposta("Descrizione", descrizione);
    rs.Imposta("TempoSosta", tempo);
    rs.Imposta("FlagVisto", visto);
    rs.Update();
}

// "Localita|CodiceGuida|Descrizione|TempoSosta|FlagVisto" of every guide
// entry, by locality and description.
inline QStringList VociGuida(FormViandora& f) {
    f.Db.RecordSetImposta(SlotLibero, Query("GuidaCitta").OrdinaPer("Localita, Descrizione"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    QStringList voci;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        voci << QStringList{rs.Testo("Localita"), rs.Testo("CodiceGuida"), rs.Testo("Descrizione"),
                            rs.Testo("TempoSosta"), rs.Testo("FlagVisto")}
                    .join(u'|');
    return voci;
}
