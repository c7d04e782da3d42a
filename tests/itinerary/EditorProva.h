#pragma once
// The stage editor's tests: a planner over a temporary folder with one
// saved trip, stages written through the entry fields, and the grid and the
// stored stages read back.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "shell/FormViandora.h"
#include "support/PiattaformaProva.h"

struct EditorProva {
    QTemporaryDir dir;
    PiattaformaProva p;
    std::unique_ptr<FormViandora> form;

    // A saved trip, with the stage editor open on it.
    EditorProva() {
        form = std::make_unique<FormViandora>(p, dir.path() + "/");
        form->Form_Load();
        form->Click("cmdNuovo");
        form->txtLocalita.Text = "SICILIA";
        form->txtNazione.Text = "ITALIA";
        form->Click("cmdSalva");
        form->Click("cmdItinerario");
        p.messaggi.clear();
    }
    FormViandora& f() { return *form; }
};

// Fills the entry fields and presses "Inserisce tappa". tipo is the road
// type's list text; sosta "gg:hh:mm".
inline void Scrivi(FormViandora& f, const QString& localita, const QString& strada = {},
                   const QString& km = {}, const QString& tipo = {}, const QString& sosta = "00:00:00",
                   bool fine = false) {
    f.txtTappa.Text = localita;
    f.txtStrada.Text = strada;
    f.txtKm.Text = km;
    f.cmbTipoStrada.SetText(tipo);
    f.cmbSosta[0].SetText(sosta.mid(0, 2));
    f.cmbSosta[1].SetText(sosta.mid(3, 2));
    f.cmbSosta[2].SetText(sosta.mid(6, 2));
    f.chkFineGiornata.Value = fine;
    f.Click("cmdInserisce");
}

// The grid rows whose locality is not empty, as "locality|road|km|type|stop",
// each cell trimmed.
inline QStringList Tappe(const FormViandora& f) {
    const Griglia& g = f.mfgTab;
    QStringList righe;
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, 1).trimmed().isEmpty()) continue;
        QStringList celle;
        // Loaded cells keep the blanks stored after an empty road or type.
        for (int c : {1, 2, 3, 4, 7})
            celle << g.TextMatrix(r, c).trimmed();
        righe << celle.join(u'|');
    }
    return righe;
}

// The stored stages of the open trip, as "Localita|Chilometri|TempoSosta|FineGiorno".
inline QStringList TappeMemorizzate(FormViandora& f) {
    f.Db.RecordSetImposta(7,
                          Query("Itinerari").Dove("CodiceMeta", f.CodiceMetaCorrente).OrdinaPer("Sequenza"));
    RecordSet& rs = f.Db.Rs(7);
    QStringList righe;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        righe << QStringList{rs.Testo("Localita"), rs.Testo("Chilometri"), rs.Testo("TempoSosta").trimmed(),
                             rs.Testo("FineGiorno")}
                     .join(u'|');
    return righe;
}

inline void VoceGuida(FormViandora& f, const QString& localita, const QString& tempo,
                      const QString& visto = "0") {
    f.Db.RecordSetImposta(7, Query("GuidaCitta").Dove("Localita", "\\"));
    RecordSet& rs = f.Db.Rs(7);
    rs.AddNew();
    rs.Imposta("Localita", localita);
    rs.Imposta("CodiceGuida", "02");
    rs.Imposta("Descrizione", "Centro storico di " + localita);
    rs.Imposta("TempoSosta", tempo);
    rs.Imposta("FlagVisto", visto);
    rs.Update();
}
