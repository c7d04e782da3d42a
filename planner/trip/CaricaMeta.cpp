// A stored trip onto the trip screen.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "model/CampiMeta.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"
#include "trip/Meta.h"
#include "trip/VeicoloMeta.h"

void FormViandora::CaricaDatiAnagraficiMeta() {
    CancellaMatrice();
    if (Meta.CodiceMetaCorrente.isEmpty()) RicercaMetaCorrente();
    if (Meta.CodiceMetaCorrente.isEmpty()) return;
    Db.RecordSetImposta(
        SlotMeta,
        Query(Db.Schema().NomeTabella[TabMete]).Dove(QStringLiteral("CodiceMeta"), Meta.CodiceMetaCorrente));
    RecordSet& rs = Db.Rs(SlotMeta);
    if (!rs.Eof()) {
        txtLocalita.Text = rs.Testo(QStringLiteral("Localita"));
        txtNazione.Text = rs.Testo(QStringLiteral("Nazione"));
        txtCodice.Text = rs.Testo(QStringLiteral("CodiceMeta"));
        const QString data = rs.Testo(QStringLiteral("DataInizio"));
        cmbInizio[0].SetText(data.left(2));
        cmbInizio[1].SetText(data.mid(2, 2));
        cmbInizio[2].SetText(data.right(4));
        const QString ora = rs.Testo(QStringLiteral("OraInizio"));
        cmbInizio[3].SetText(ora.left(2));
        cmbInizio[4].SetText(ora.right(2));
        for (int k = 0; k < 4; ++k)
            cmbMediaKm[k].SetText(rs.Testo(QString::fromLatin1(CampiVelocita[k])));
        for (int k = 0; k < 9; ++k) {
            const QString hhmm = rs.Testo(QString::fromLatin1(CampiOrari[k]));
            cmbOra[k].SetText(hhmm.left(2));
            cmbMin[k].SetText(hhmm.mid(2, 2));
        }
        txtTragh.Text.clear();
        MettiCalcoloSoste(rs.Testo(QStringLiteral("CalcoloSoste")));
        cmbRipM.SetText(Zero(rs.Testo(QStringLiteral("RiposoMinuti")), 2));
        cmbRipH.SetText(Zero(rs.Testo(QStringLiteral("RiposoOre")), 2));
        cmbRipG.SetText(Zero(rs.Testo(QStringLiteral("RiposoGiorno")), 2));
        cmbRipGG.SetText(Zero(rs.Testo(QStringLiteral("RiposoDopoGiorni")), 2));
        // Three digits: the days wanted reach 997.
        cmbGiorni.SetText(Zero(rs.Testo(QStringLiteral("GiorniAdeguamento")), 3));
        MostraVeicolo(LeggiVeicolo(Db, Meta.CodiceMetaCorrente));
    }
    for (int k = 0; k < 5; ++k) {
        txtKmTot[k].Text.clear();
        txtTempo[k].Text.clear();
    }
    // The end of a trip comes only from its calculation.
    for (auto& t : txtFine)
        t.Text.clear();
    txtGiorni.Text.clear();
    MettiGiornoSett();
}
