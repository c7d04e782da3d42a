// The check that turns the trip screen's values into ParametriMeta, and the
// refresh that brings corrected values back to the screen.
#include "common/Numeri.h"
#include "database/Database.h"
#include "model/ControlloMeta.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"

namespace {
// Lists are written only where the check changed them.
void Metti(Elenco& elenco, const QString& testo) {
    if (elenco.Text() != testo) elenco.SetText(testo);
}
} // namespace

ValoriMeta ControlloreMeta::ValoriSchermo() const {
    ValoriMeta v;
    for (size_t k = 0; k < 5; ++k)
        v.Inizio[k] = ui.cmbInizio[k].Text();
    for (size_t k = 0; k < 4; ++k)
        v.MediaKm[k] = ui.cmbMediaKm[k].Text();
    for (size_t k = 0; k < 9; ++k) {
        v.Ora[k] = ui.cmbOra[k].Text();
        v.Minuti[k] = ui.cmbMin[k].Text();
    }
    v.RiposoMinuti = ui.cmbRipM.Text();
    v.RiposoOre = ui.cmbRipH.Text();
    v.RiposoGiorno = ui.cmbRipG.Text();
    v.RiposoDopoGiorni = ui.cmbRipGG.Text();
    v.Giorni = ui.cmbGiorni.Text();
    v.SceltaSoste = int(Val(ui.cmbSoste.Text().left(1)));
    return v;
}

void ControlloreMeta::MostraValori(const ValoriMeta& v) {
    for (size_t k = 0; k < 5; ++k)
        Metti(ui.cmbInizio[k], v.Inizio[k]);
    for (size_t k = 0; k < 4; ++k)
        Metti(ui.cmbMediaKm[k], v.MediaKm[k]);
    for (size_t k = 0; k < 9; ++k) {
        Metti(ui.cmbOra[k], v.Ora[k]);
        Metti(ui.cmbMin[k], v.Minuti[k]);
    }
    Metti(ui.cmbRipM, v.RiposoMinuti);
    Metti(ui.cmbRipH, v.RiposoOre);
    Metti(ui.cmbRipG, v.RiposoGiorno);
    Metti(ui.cmbRipGG, v.RiposoDopoGiorni);
}

void ControlloreMeta::ControllaVariabiliConvertite() {
    ValoriMeta valori = ValoriSchermo();
    Meta.ParametriMeta = ControllaValoriMeta(valori);
    MostraValori(valori);
    f_.Sistema().ElaboraEventi();
}

void ControlloreMeta::Aggiorna(bool mantieniPannelli) {
    MettiGiornoSett();
    ValoriMeta valori = ValoriSchermo();
    Meta.ParametriMeta = AggiornaValoriMeta(valori);
    MostraValori(valori);
    f_.Sistema().ElaboraEventi();

    if (!mantieniPannelli) {
        editor_.cmbRicercaTappa.Visible = false;
        editor_.frmInputBox.Visible = false;
        f_.GrigliaPrincipale().Width = 11535;
        f_.Sistema().ElaboraEventi();
    }
}

void ControlloreMeta::cmbMediaKm_Click(int Index) {
    Q_UNUSED(Index);
    // The totals follow the speeds.
    tappe_->CalcolaKmTempiItinerario();
}
