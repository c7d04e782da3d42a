// The check that turns the trip screen's values into ParametriMeta, and the
// refresh that brings corrected values back to the screen.
#include "common/Numeri.h"
#include "model/ControlloMeta.h"
#include "shell/FormViandora.h"
#include "trip/Meta.h"

namespace {
// Lists are written only where the check changed them.
void Metti(Elenco& elenco, const QString& testo) {
    if (elenco.Text() != testo) elenco.SetText(testo);
}
} // namespace

ValoriMeta FormViandora::ValoriSchermo() const {
    ValoriMeta v;
    for (size_t k = 0; k < 5; ++k)
        v.Inizio[k] = cmbInizio[k].Text();
    for (size_t k = 0; k < 4; ++k)
        v.MediaKm[k] = cmbMediaKm[k].Text();
    for (size_t k = 0; k < 9; ++k) {
        v.Ora[k] = cmbOra[k].Text();
        v.Minuti[k] = cmbMin[k].Text();
    }
    v.RiposoMinuti = cmbRipM.Text();
    v.RiposoOre = cmbRipH.Text();
    v.RiposoGiorno = cmbRipG.Text();
    v.RiposoDopoGiorni = cmbRipGG.Text();
    v.Giorni = cmbGiorni.Text();
    v.SceltaSoste = int(Val(cmbSoste.Text().left(1)));
    return v;
}

void FormViandora::MostraValori(const ValoriMeta& v) {
    for (size_t k = 0; k < 5; ++k)
        Metti(cmbInizio[k], v.Inizio[k]);
    for (size_t k = 0; k < 4; ++k)
        Metti(cmbMediaKm[k], v.MediaKm[k]);
    for (size_t k = 0; k < 9; ++k) {
        Metti(cmbOra[k], v.Ora[k]);
        Metti(cmbMin[k], v.Minuti[k]);
    }
    Metti(cmbRipM, v.RiposoMinuti);
    Metti(cmbRipH, v.RiposoOre);
    Metti(cmbRipG, v.RiposoGiorno);
    Metti(cmbRipGG, v.RiposoDopoGiorni);
}

void FormViandora::ControllaVariabiliConvertite() {
    ValoriMeta valori = ValoriSchermo();
    Meta.ParametriMeta = ControllaValoriMeta(valori);
    MostraValori(valori);
    piattaforma_.ElaboraEventi();
}

void FormViandora::Aggiorna(bool mantieniPannelli) {
    MettiGiornoSett();
    ValoriMeta valori = ValoriSchermo();
    Meta.ParametriMeta = AggiornaValoriMeta(valori);
    MostraValori(valori);
    piattaforma_.ElaboraEventi();

    if (!mantieniPannelli) {
        cmbRicercaTappa.Visible = false;
        frmInputBox.Visible = false;
        mfgTab.Width = 11535;
        piattaforma_.ElaboraEventi();
    }
}

void FormViandora::cmbMediaKm_Click(int Index) {
    Q_UNUSED(Index);
    // The totals follow the speeds.
    CalcolaKmTempiItinerario();
}
