// Driving times, progressive kilometres, the trip screen's totals and the
// list of day counts, recomputed from the stage grid.
#include "common/Numeri.h"
#include "common/Stringhe.h"
#include "common/Tempi.h"
#include "itinerary/ColonneGriglie.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"

namespace {
// The first entry of each speed list, used when a speed reads as 0.
constexpr double VelocitaMinime[4] = {50, 45, 30, 20};
} // namespace

void FormViandora::CalcolaKmTempiItinerario() {
    double kmTipo[4] = {0, 0, 0, 0};
    double tempoTipo[4] = {0, 0, 0, 0};
    double kmTotali = 0;
    double tempoTotale = 0;
    int traghetti = 0;

    double velocita[4];
    for (int t = 0; t < 4; ++t) {
        double v = Val(cmbMediaKm[t].Text());
        if (v <= 0) v = Val(cmbMediaKm[t].List(0));
        velocita[t] = v > 0 ? v : VelocitaMinime[t];
    }

    Griglia& g = mfgTab;
    for (int r = 1; r < g.Rows(); ++r) {
        if (g.TextMatrix(r, TappaLocalita).trimmed().isEmpty()) {
            for (int c = 1; c < g.Cols(); ++c)
                g.SetTextMatrix(r, c, QString());
            continue;
        }
        const qint16 km = KmCella(g.TextMatrix(r, TappaKm));
        if (g.TextMatrix(r, TappaStrada).contains(QLatin1String("TRAGH"))) ++traghetti;
        // A pure stop keeps what its time columns held.
        if (km == 0) continue;
        const int tipo = IndiceTipoStrada(g.TextMatrix(r, TappaTipoStrada));
        const double tempo = Int(km / velocita[tipo] * 100 + 0.5);
        kmTipo[tipo] += km;
        tempoTipo[tipo] += tempo;
        kmTotali += km;
        tempoTotale += tempo;
        // Hours run past 24: a days part would only start at 99 hours.
        g.SetTextMatrix(r, TappaTempo, ghmCentesimi2Stringa(float(tempo), 9900).mid(3));
        g.SetTextMatrix(r, TappaKmProgressivi, Formato(kmTotali, QStringLiteral("#,##0")));
    }

    // A road type without kilometres shows nothing, as after emptying the
    // itinerary; so does the total of an itinerary without kilometres.
    for (int t = 0; t < 4; ++t) {
        txtKmTot[t].Text = kmTipo[t] != 0 ? Formato(kmTipo[t], QStringLiteral("#,##0")) : QString();
        txtTempo[t].Text =
            kmTipo[t] != 0 ? ghmCentesimi2Stringa(float(tempoTipo[t]), CentesimiGiorno) : QString();
    }
    txtKmTot[4].Text = kmTotali != 0 ? Formato(kmTotali, QStringLiteral("#,##0")) : QString();
    txtTempo[4].Text = kmTotali != 0 ? ghmCentesimi2Stringa(float(tempoTotale), CentesimiGiorno) : QString();
    txtTragh.Text = Formato(traghetti, QStringLiteral("#0"));

    qint16 giorniRichiesti = CInt(Val(cmbGiorni.Text()));
    cmbGiorni.Clear();
    cmbGiorni.AddItem(QStringLiteral("000"));
    cmbGiorni.SetText(QStringLiteral("000"));
    int minimo = 0;
    if (kmTotali != 0) {
        const QString totale = txtTempo[4].Text;
        minimo = int(Val(totale.left(2))) + (totale.mid(3) != QLatin1String("00:00") ? 1 : 0);
        // The ranges overlap on purpose: the list is read in this order.
        for (int i = minimo; i <= minimo + 30; ++i)
            cmbGiorni.AddItem(Zero(i, 3));
        for (int i = 30; i <= 100; i += 5)
            cmbGiorni.AddItem(Zero(i, 3));
        for (int i = 110; i <= 200; i += 10)
            cmbGiorni.AddItem(Zero(i, 3));
        cmbGiorni.SetText(Zero(minimo, 3));
    }
    if (giorniRichiesti != 0 && giorniRichiesti < minimo) giorniRichiesti = qint16(minimo);
    cmbGiorni.SetText(Zero(giorniRichiesti, 3));
}
