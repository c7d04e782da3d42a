// A stored trip onto the trip screen.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "database/Database.h"
#include "model/CampiMeta.h"
#include "shell/ControlliMeta.h"
#include "shell/FinestraComune.h"
#include "shell/SlotRecordSet.h"
#include "trip/ControlloreMeta.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

void ControlloreMeta::CaricaDatiAnagraficiMeta() {
    tappe_->CancellaMatrice();
    if (Meta.CodiceMetaCorrente.isEmpty()) RicercaMetaCorrente();
    if (Meta.CodiceMetaCorrente.isEmpty()) return;
    Db().RecordSetImposta(SlotMeta, Query(Db().Schema().NomeTabella[TabMete])
                                        .Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente));
    RecordSet& rs = Db().Rs(SlotMeta);
    if (!rs.Eof()) {
        ui.txtLocalita.Text = rs.Testo(QStringLiteral("Localita"));
        ui.txtNazione.Text = rs.Testo(QStringLiteral("Nazione"));
        ui.txtCodice.Text = rs.Testo(QStringLiteral("CodiceMeta"));
        const QString data = rs.Testo(QStringLiteral("DataInizio"));
        ui.cmbInizio[0].SetText(data.left(2));
        ui.cmbInizio[1].SetText(data.mid(2, 2));
        ui.cmbInizio[2].SetText(data.right(4));
        const QString ora = rs.Testo(QStringLiteral("OraInizio"));
        ui.cmbInizio[3].SetText(ora.left(2));
        ui.cmbInizio[4].SetText(ora.right(2));
        for (int k = 0; k < 4; ++k)
            ui.cmbMediaKm[k].SetText(rs.Testo(QString::fromLatin1(CampiVelocita[k])));
        for (int k = 0; k < 9; ++k) {
            const QString hhmm = rs.Testo(QString::fromLatin1(CampiOrari[k]));
            ui.cmbOra[k].SetText(hhmm.left(2));
            ui.cmbMin[k].SetText(hhmm.mid(2, 2));
        }
        ui.txtTragh.Text.clear();
        MettiCalcoloSoste(rs.Testo(QStringLiteral("CalcoloSoste")));
        ui.cmbRipM.SetText(Zero(rs.Testo(QStringLiteral("RiposoMinuti")), 2));
        ui.cmbRipH.SetText(Zero(rs.Testo(QStringLiteral("RiposoOre")), 2));
        ui.cmbRipG.SetText(Zero(rs.Testo(QStringLiteral("RiposoGiorno")), 2));
        ui.cmbRipGG.SetText(Zero(rs.Testo(QStringLiteral("RiposoDopoGiorni")), 2));
        // Three digits: the days wanted reach 997.
        ui.cmbGiorni.SetText(Zero(rs.Testo(QStringLiteral("GiorniAdeguamento")), 3));
        MostraVeicolo(LeggiVeicolo(Db(), Meta.CodiceMetaCorrente));
    }
    for (int k = 0; k < 5; ++k) {
        ui.txtKmTot[k].Text.clear();
        ui.txtTempo[k].Text.clear();
    }
    // The end of a trip comes only from its calculation.
    for (auto& t : ui.txtFine)
        t.Text.clear();
    ui.txtGiorni.Text.clear();
    MettiGiornoSett();
}
