// The prepared stage table that a calculation drives: the stages copied to
// the copy grid without gaps, each with its locality's city-guide time and
// the stop that the trip's choice keeps.
#include "common/Numeri.h"
#include "common/Tempi.h"
#include "itinerary/PassaggioGuida.h"
#include "itinerary/ValoriTappa.h"
#include "shell/FormViandora.h"

namespace {

QString Tempo(float centesimi) {
    return ghmCentesimi2Stringa(centesimi, CentesimiGiorno);
}

// Which of the itinerary stop Si and the guide time G a choice of
// "cmbSoste" keeps; false when the end of the day goes as well.
bool ApplicaScelta(int scelta, float& Si, float& G) {
    switch (scelta) {
    case 2:
        Si = 0;
        return false;
    case 3:
        // The larger; equal times keep the itinerary stop.
        if (0 < G && G <= Si)
            G = 0;
        else if (G >= Si)
            Si = 0;
        return true;
    case 4:
        // The smaller; without an itinerary stop there is none at all.
        if (G >= Si)
            G = 0;
        else if (G > 0)
            Si = 0;
        return true;
    case 5:
        Si = 0;
        G = 0;
        return false;
    default:
        return true;
    }
}

} // namespace

void FormViandora::PreparaTabellaPerCalcoloTabellaDiMarcia(float& Ts) {
    Ts = 0;
    AttivaFormMeta(false);
    ControllaVariabiliConvertite();
    PulisciFinestre();

    // The guide's visited flags all start from "0" and the entries counted end
    // at "1": the pass leaves exactly that, writing only the flags that
    // change, in one transaction, so a failure leaves the guide as it was.
    Database::Transazione transazione(Db);
    QStringList localita;
    for (int r = 1; r < mfgTab.Rows(); ++r)
        localita << mfgTab.TextMatrix(r, 1);
    PassaggioGuida guida(Db, &CentesimiTempoGuida, localita);

    Griglia& t = mfgCopia;
    t.SetRows(1);
    t.SetRows(mfgTab.Rows());
    t.SetCols(mfgTab.Cols());
    ImpostaGriglia(5);
    InizioAvanzamento(QStringLiteral("Elaborazione delle soste e guida città"), t.Rows() - 1);

    const int scelta = int(Val(cmbSoste.Text().left(1)));
    QString precedente = QStringLiteral("\\");
    int k = 0;
    for (int r = 1; r < mfgTab.Rows(); ++r) {
        const QString localita = mfgTab.TextMatrix(r, 1);
        if (localita.trimmed().isEmpty()) continue;
        ++k;
        Avanza();
        for (int c = 0; c < t.Cols(); ++c)
            t.SetTextMatrix(k, c, mfgTab.TextMatrix(r, c));

        // A locality's guide time counts once, at the first stage that
        // reaches it: its entries are marked visited.
        float G = 0;
        if (localita != precedente) {
            precedente = localita;
            G = float(guida.TempoLocalita(localita));
        }
        t.SetTextMatrix(k, 8, Tempo(G));

        QString I = t.TextMatrix(k, 7).trimmed();
        for (int c = 14; c <= 17; ++c)
            t.SetTextMatrix(k, c, QString());
        if (I.startsWith(u'*')) {
            t.SetTextMatrix(k, 14, QStringLiteral("1"));
            I = I.mid(1);
        }
        float Si = ghmStringa2Centesimi(I, CentesimiGiorno);
        if (Si == 0 && G == 0) continue;
        if (!ApplicaScelta(scelta, Si, G)) t.SetTextMatrix(k, 14, QString());
        const float S = G + Si;
        Ts += S;
        t.SetTextMatrix(k, 15, Tempo(Si));
        t.SetTextMatrix(k, 16, Tempo(G));
        t.SetTextMatrix(k, 17, Tempo(S));
    }
    guida.ScriviVisti();
    transazione.Conferma();
}
