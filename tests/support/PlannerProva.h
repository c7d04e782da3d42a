#pragma once
// A planner over a temporary folder, started as the program starts, with the
// helpers that type stages into its grid, make a trip through the trip
// screen, store rows straight into the file as another run or another
// program left them, and read back the grid and the stored rows.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "common/Stringhe.h"
#include "common/Testo1252.h"
#include "exchange/FileScambio.h"
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

// Every field (or the ones named) of every row, "|"-joined, in the query's order.
inline QStringList Righe(Database& db, const Query& query, const QStringList& campi = {}) {
    db.RecordSetImposta(SlotLibero, query);
    QStringList righe;
    for (RecordSet& rs = db.Rs(SlotLibero); !rs.Eof(); rs.MoveNext()) {
        QStringList valori;
        for (int p = 0; p < (campi.isEmpty() ? rs.NumeroCampi() : int(campi.size())); ++p)
            valori << (campi.isEmpty() ? rs.Testo(p) : rs.Testo(campi.at(p)));
        righe << valori.join(u'|');
    }
    return righe;
}

// The stored records of a trip, in order, as "field|field|...".
inline QStringList RecordItinerario(FormViandora& f, const QString& codice, const QStringList& campi) {
    return Righe(f.Db, Query("Itinerari").Dove("CodiceMeta", codice).OrdinaPer("Sequenza"), campi);
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
    return Righe(f.Db, Query("GuidaCitta").OrdinaPer("Localita, Descrizione"));
}

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

// "Campo=valore;Campo=valore" as a new row of the table.
inline void AggiungiRiga(FormViandora& f, const QString& tabella, const QString& campi) {
    f.Db.RecordSetImposta(SlotLibero, Query(tabella).Dove(f.Db.CampiTabella(tabella).at(0).nome, "\\"));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    rs.AddNew();
    for (const QString& campo : campi.split(u';', Qt::SkipEmptyParts))
        rs.Imposta(campo.section(u'=', 0, 0), campo.section(u'=', 1));
    rs.Update();
}

// A trip: "field=value;field=value", CodiceMeta and Localita at least.
inline void SalvaMeta(FormViandora& f, const QString& campi) {
    AggiungiRiga(f, "MeteViandora", campi);
}

// Its stages, "locality|km|stop" or "locality|km|stop|road|type" (A1 and A
// when not given); a stop after "*" ends the day.
inline void SalvaTappe(FormViandora& f, const QString& codice, const QStringList& tappe) {
    int sequenza = 0;
    for (const QString& tappa : tappe) {
        const QStringList c = tappa.split(u'|');
        const bool fine = c.value(2).startsWith(u'*');
        AggiungiRiga(
            f, "Itinerari",
            QString("CodiceMeta=%1;Sequenza=%2;Localita=%3;Chilometri=%4;TempoSosta=%5;NomeStrada=%6;"
                    "TipoStrada=%7;SostaGuidaCitta= ;FineGiorno=%8")
                .arg(codice, Zero(++sequenza, 4), c.value(0), c.value(1), c.value(2).mid(fine ? 1 : 0),
                     c.value(3, "A1"), c.value(4, "A"), fine ? "1" : "0"));
    }
}

// The rows of a table; every row with every value trimmed (Null as empty).
inline int Righe(FormViandora& f, const QString& tabella) {
    f.Db.RecordSetImposta(SlotLibero, Query(tabella));
    return int(f.Db.NumeroRecord);
}
inline QStringList Righe(FormViandora& f, const QString& tabella, const QString& ordine) {
    return CelleTagliate(Righe(f.Db, Query(tabella).OrdinaPer(ordine)));
}

inline QStringList TutteLeTabelle(FormViandora& f) {
    return Righe(f, "MeteViandora", "CodiceMeta") + Righe(f, "Itinerari", "CodiceMeta, Sequenza") +
           Righe(f, "GuidaCitta", "Localita, Descrizione");
}

// An exchange file from its sections' "value|value|..." lines, the first
// line of each its header.
inline QByteArray FileIei(const QList<QStringList>& sezioni) {
    QString testo;
    for (int s = 0; s < sezioni.size(); ++s)
        for (const QString& riga : sezioni.at(s)) {
            for (const QString& valore : riga.split(u'|'))
                testo += valore + QChar(SeparatoriScambio[size_t(s)]);
            testo += QStringLiteral("\r\n");
        }
    return CodificaWindows1252(testo);
}
