// The trip screen's events and the lock of its panels.
#include "common/Numeri.h"
#include "database/Database.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"
#include "shell/FiltriTasti.h"
#include "shell/FinestraComune.h"
#include "shell/Itinerario.h"
#include "trip/ControlloreMeta.h"

ControlloreMeta::ControlloreMeta(FinestraComune& finestra, ControlliMeta& controlli,
                                 ControlliItinerario& editor, Elenco& cmbGH, Elenco& cmbGM)
    : ui(controlli), f_(finestra), editor_(editor), cmbGH_(cmbGH), cmbGM_(cmbGM) {}

void ControlloreMeta::CollegaEventi() {
    for (const QString& nome : {QStringLiteral("txtLocalita"), QStringLiteral("txtNazione")})
        f_.SuTasto(nome, FiltroMaiuscolo);
    for (int i = 0; i < 4; ++i)
        f_.SuTasto(ui.cmbMediaKm[i].NomeCompleto(), FiltroCifre);
    f_.SuTasto(QStringLiteral("cmbGiorni"), [this](int& k) { cmbGiorni_KeyPress(k); });
    f_.SuCambio(QStringLiteral("cmbGiorni"), [this] { cmbGiorni_Change(); });
    QList<Controllo*> soloLista = {&ui.cmbRipG, &ui.cmbRipGG, &ui.cmbRipH, &ui.cmbRipM, &ui.cmbSoste};
    for (auto& c : ui.cmbInizio)
        soloLista.append(&c);
    for (int i = 0; i < 9; ++i)
        soloLista << &ui.cmbOra[i] << &ui.cmbMin[i];
    for (Controllo* c : soloLista)
        f_.SuTasto(c->NomeCompleto(), FiltroSoloLista);

    f_.SuClick(QStringLiteral("cmdNuovo"), [this] { cmdNuovo_Click(); });
    f_.SuClick(QStringLiteral("cmdRicerca"), [this] { cmdRicerca_Click(); });
    f_.SuClick(QStringLiteral("cmdSalva"), [this] { cmdSalva_Click(); });
    f_.SuClick(QStringLiteral("cmdCancMeta"), [this] { cmdCancMeta_Click(); });
    f_.SuClick(QStringLiteral("cmdCancItin"), [this] { cmdCancItin_Click(); });
    f_.SuClick(QStringLiteral("cmbRicerca"), [this] { cmbRicerca_Click(); });
    for (int i = 0; i < 3; ++i)
        f_.SuClick(ui.cmdDefault[i].NomeCompleto(), [this, i] { cmdDefault_Click(i); });
    for (int i = 0; i < 5; ++i)
        f_.SuClick(ui.cmbInizio[i].NomeCompleto(), [this, i] { cmbInizio_Click(i); });
    for (int i = 0; i < 4; ++i) {
        f_.SuClick(ui.cmbMediaKm[i].NomeCompleto(), [this, i] { cmbMediaKm_Click(i); });
        f_.SuUscita(ui.cmbMediaKm[i].NomeCompleto(), [this, i] { cmbMediaKm_Click(i); });
    }
    for (int i = 0; i < 9; ++i) {
        f_.SuUscita(ui.cmbOra[i].NomeCompleto(), [this] { ControllaVariabiliConvertite(); });
        f_.SuUscita(ui.cmbMin[i].NomeCompleto(), [this] { ControllaVariabiliConvertite(); });
    }
    for (size_t k = 0; k < ui.txtVeicolo.size(); ++k)
        f_.SuTasto(ui.txtVeicolo[k].NomeCompleto(),
                   [this, k](int& tasto) { txtVeicolo_KeyPress(int(k), tasto); });
}

void ControlloreMeta::AttivaFormMeta(bool attiva) {
    ui.frmMetePeriodo.Enabled = attiva;
    ui.frmMeteVelocita.Enabled = attiva;
    ui.frmMeteTempi.Enabled = attiva;
    ui.frmVeicolo.Enabled = attiva;
    if (attiva && f_.StatoGriglia().TabellaCalcolata) tappe_->RicomponiTabellaMfgTab();
}

void ControlloreMeta::cmbGiorni_KeyPress(int& KeyAscii) {
    FiltroCifre(KeyAscii);
}

void ControlloreMeta::cmbGiorni_Change() {
    if (Val(ui.cmbGiorni.Text()) > 997) ui.cmbGiorni.SetText(QStringLiteral("997"));
}
