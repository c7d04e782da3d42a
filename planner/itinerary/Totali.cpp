// Driving times, progressive kilometres, the trip screen's totals and the
// list of day counts, recomputed from the stage grid.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "database/Database.h"
#include "itinerary/ControlloreItinerario.h"
#include "model/ColonneGriglie.h"
#include "model/TotaliItinerario.h"
#include "shell/ControlliItinerario.h"
#include "shell/ControlliMeta.h"

void ControlloreItinerario::CalcolaKmTempiItinerario() {
    std::array<QString, 4> medie;
    for (size_t t = 0; t < 4; ++t)
        medie[t] = meta_.ui.cmbMediaKm[t].Text();

    Griglia& g = mfgTab;
    QList<Tappa> tappe;
    tappe.reserve(g.Rows() - 1);
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, TappaLocalita).trimmed().isEmpty()) {
            for (int c = 1; c < g.Cols(); ++c)
                g.SetTextMatrix(r, c, QString());
            tappe << Tappa{};
            continue;
        }
        tappe << TappaDaCelle({QString(), g.TextMatrix(r, TappaLocalita), g.TextMatrix(r, TappaStrada),
                               g.TextMatrix(r, TappaKm), g.TextMatrix(r, TappaTipoStrada)});
    }
    const TotaliItinerario totali = CalcolaTotaliItinerario(tappe, VelocitaTotali(medie));
    for (int r = 1; r < g.Rows(); ++r) {
        const TotaliItinerario::Riga& riga = totali.Righe.at(r - 1);
        // Hours run past 24: a days part would only start at 99 hours.
        if (riga.Tempo) g.SetTextMatrix(r, TappaTempo, ghmCentesimi2Stringa(*riga.Tempo, 9900).mid(3));
        if (riga.KmProgressivi)
            g.SetTextMatrix(r, TappaKmProgressivi, Formato(*riga.KmProgressivi, QStringLiteral("#,##0")));
    }

    // A road type without kilometres shows nothing, as after emptying the
    // itinerary; so does the total of an itinerary without kilometres.
    for (size_t t = 0; t < 4; ++t) {
        const bool km = totali.KmTipo[t] != 0;
        meta_.ui.txtKmTot[t].Text = km ? Formato(totali.KmTipo[t], QStringLiteral("#,##0")) : QString();
        meta_.ui.txtTempo[t].Text =
            km ? ghmCentesimi2Stringa(float(totali.TempoTipo[t]), CentesimiGiorno) : QString();
    }
    meta_.ui.txtKmTot[4].Text = totali.Km != 0 ? Formato(totali.Km, QStringLiteral("#,##0")) : QString();
    meta_.ui.txtTempo[4].Text = totali.TestoTempo();
    meta_.ui.txtTragh.Text = Formato(totali.Traghetti, QStringLiteral("#0"));

    const qint16 giorniRichiesti = totali.GiorniRichiesti(meta_.ui.cmbGiorni.Text());
    meta_.ui.cmbGiorni.Clear();
    meta_.ui.cmbGiorni.AddItem(QStringLiteral("000"));
    meta_.ui.cmbGiorni.SetText(QStringLiteral("000"));
    const int minimo = totali.GiorniMinimi();
    if (totali.Km != 0) {
        // The ranges overlap on purpose: the list is read in this order.
        for (int i = minimo; i <= minimo + 30; ++i)
            meta_.ui.cmbGiorni.AddItem(Zero(i, 3));
        for (int i = 30; i <= 100; i += 5)
            meta_.ui.cmbGiorni.AddItem(Zero(i, 3));
        for (int i = 110; i <= 200; i += 10)
            meta_.ui.cmbGiorni.AddItem(Zero(i, 3));
        meta_.ui.cmbGiorni.SetText(Zero(minimo, 3));
    }
    meta_.ui.cmbGiorni.SetText(Zero(giorniRichiesti, 3));
}
