// The trip screen's events.
#include "shell/FormViandora.h"

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
}
