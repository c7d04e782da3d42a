#pragma once
// The synthetic trip typed into a window module: its guide stored, its
// stages in the grid with their totals. Shared by the calculation benchmarks.
#include "ViaggioSintetico.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "shell/FormViandora.h"
#include "shell/SlotRecordSet.h"

namespace ViaggioNelForm {

inline void RiempiGuida(FormViandora& f) {
    Database::Transazione t(f.Db);
    f.Db.RecordSetImposta(
        SlotLibero,
        Query(QStringLiteral("GuidaCitta")).Dove(QStringLiteral("Localita"), QStringLiteral("\\")));
    RecordSet& rs = f.Db.Rs(SlotLibero);
    for (int i = 0; i < ViaggioSintetico::VociGuida; ++i) {
        const QStringList v = ViaggioSintetico::VoceGuida(i);
        rs.AddNew();
        rs.Imposta(QStringLiteral("Localita"), v.at(0));
        rs.Imposta(QStringLiteral("CodiceGuida"), v.at(1));
        rs.Imposta(QStringLiteral("Descrizione"), v.at(2));
        rs.Imposta(QStringLiteral("TempoSosta"), v.at(3));
        rs.Imposta(QStringLiteral("FlagVisto"), QStringLiteral("0"));
        rs.Update();
    }
    t.Conferma();
    f.Db.RecordSetImpostaDefault();
}

// The trip cannot fit one day: with fitting, the run makes all eleven passes.
inline void PreparaViaggio(FormViandora& f, int tappe) {
    f.cmbInizio[0].SetText(QStringLiteral("01"));
    f.cmbInizio[1].SetText(QStringLiteral("06"));
    f.cmbInizio[2].SetText(QStringLiteral("2007"));
    f.cmbInizio[3].SetText(QStringLiteral("08"));
    f.cmbInizio[4].SetText(QStringLiteral("00"));
    f.Tappe.CancellaMatrice();
    f.mfgTab.SetRows(tappe + 2);
    const QStringList righe = ViaggioSintetico::Tappe(tappe);
    for (int r = 1; r <= tappe; ++r) {
        const QStringList c = righe.at(r - 1).split(u'|');
        f.mfgTab.SetTextMatrix(r, TappaNumero, QString::number(r));
        f.mfgTab.SetTextMatrix(r, TappaLocalita, c.at(0));
        f.mfgTab.SetTextMatrix(r, TappaStrada, c.at(1));
        f.mfgTab.SetTextMatrix(r, TappaKm, c.at(2));
        f.mfgTab.SetTextMatrix(r, TappaTipoStrada, c.at(3));
        f.mfgTab.SetTextMatrix(r, TappaSosta, c.at(4));
    }
    f.Tappe.CalcolaKmTempiItinerario();
    f.cmbGiorni.SetText(QStringLiteral("001"));
    f.cmbRipH.SetText(QStringLiteral("03"));
}

} // namespace ViaggioNelForm
