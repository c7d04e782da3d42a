// The trip screen's events and the lock of its panels.
#include "shell/FormViandora.h"
#include "shell/Itinerario.h"

void FormViandora::CollegaEventiMeta() {
    for (const QString& nome : {QStringLiteral("txtLocalita"), QStringLiteral("txtNazione")})
        tasti_.insert(nome, [this](int& k) { FiltroMaiuscolo(k); });
    for (int i = 0; i < 4; ++i)
        tasti_.insert(cmbMediaKm[i].NomeCompleto(), [this](int& k) { FiltroVelocita(k); });
    tasti_.insert(QStringLiteral("cmbGiorni"), [this](int& k) { cmbGiorni_KeyPress(k); });
    cambi_.insert(QStringLiteral("cmbGiorni"), [this] { cmbGiorni_Change(); });
    QList<Controllo*> soloLista = {&cmbRipG, &cmbRipGG, &cmbRipH, &cmbRipM, &cmbSoste};
    for (auto& c : cmbInizio)
        soloLista.append(&c);
    for (int i = 0; i < 9; ++i)
        soloLista << &cmbOra[i] << &cmbMin[i];
    for (Controllo* c : soloLista)
        tasti_.insert(c->NomeCompleto(), [this](int& k) { FiltroSoloLista(k); });

    click_.insert(QStringLiteral("cmdNuovo"), [this] { cmdNuovo_Click(); });
    click_.insert(QStringLiteral("cmdRicerca"), [this] { cmdRicerca_Click(); });
    click_.insert(QStringLiteral("cmdSalva"), [this] { cmdSalva_Click(); });
    click_.insert(QStringLiteral("cmdCancMeta"), [this] { cmdCancMeta_Click(); });
    click_.insert(QStringLiteral("cmdCancItin"), [this] { cmdCancItin_Click(); });
    click_.insert(QStringLiteral("cmbRicerca"), [this] { cmbRicerca_Click(); });
    click_.insert(QStringLiteral("cmbRicercaTappa"), [this] { cmbRicercaTappa_Click(); });
    for (int i = 0; i < 3; ++i)
        click_.insert(cmdDefault[i].NomeCompleto(), [this, i] { cmdDefault_Click(i); });
    for (int i = 0; i < 5; ++i)
        click_.insert(cmbInizio[i].NomeCompleto(), [this, i] { cmbInizio_Click(i); });
    for (int i = 0; i < 4; ++i) {
        click_.insert(cmbMediaKm[i].NomeCompleto(), [this, i] { cmbMediaKm_Click(i); });
        uscite_.insert(cmbMediaKm[i].NomeCompleto(), [this, i] { cmbMediaKm_Click(i); });
    }
    for (int i = 0; i < 9; ++i) {
        uscite_.insert(cmbOra[i].NomeCompleto(), [this] { ControllaVariabiliConvertite(); });
        uscite_.insert(cmbMin[i].NomeCompleto(), [this] { ControllaVariabiliConvertite(); });
    }
}

void FormViandora::AttivaFormMeta(bool attiva) {
    frmMetePeriodo.Enabled = attiva;
    frmMeteVelocita.Enabled = attiva;
    frmMeteTempi.Enabled = attiva;
    frmVeicolo.Enabled = attiva;
    if (attiva && Itinerario.TabellaCalcolata) RicomponiTabellaMfgTab();
}
