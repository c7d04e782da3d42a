#pragma once
// The stage editor's tests: a saved trip with the editor open on it, stages
// written through the entry fields, and the stage list read back.
#include "support/PlannerProva.h"

struct EditorProva : Planner {
    EditorProva() {
        NuovaMeta(*this, "SICILIA");
        f->Click("cmdItinerario");
        p.messaggi.clear();
    }
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
    for (int k = 0; k < 3; ++k)
        f.cmbSosta[k].SetText(sosta.mid(3 * k, 2));
    f.chkFineGiornata.Value = fine;
    f.Click("cmdInserisce");
}

// The stage list as "locality|road|km|type|stop", each cell trimmed: loaded
// cells keep the blanks stored after an empty road or type.
inline QStringList Tappe(const FormViandora& f) {
    return CelleTagliate(Colonne(f.mfgTab, {1, 2, 3, 4, 7}));
}
