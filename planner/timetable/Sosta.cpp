// The stop of the current stage, spent within the visiting hours.
#include "common/Numeri.h"
#include "common/Tempi.h"
#include "shell/FormViandora.h"

void FormViandora::CalcolaLaSosta(float fattoreSoste, qint16 Traghetto, QString& descrizione) {
    const ParametriMetaTipo& p = ParametriMeta;
    descrizione.clear();
    QString S0 = mfgCopia.TextMatrix(TappaCorrente, 17);
    const int F = Val(mfgCopia.TextMatrix(TappaCorrente, 14)) != 0 ? 1 : 0;
    const QString L = (S0 + QStringLiteral(" *").mid(F, 1)).trimmed();

    float S = ghmStringa2Centesimi(S0, CentesimiGiorno) * fattoreSoste;
    if (S == 0 && Traghetto == 0) return;
    // The next pass scales the stop as this one leaves it.
    mfgCopia.SetTextMatrix(TappaCorrente, 17, ghmCentesimi2Stringa(S, CentesimiGiorno));
    S += float(Traghetto) * p.OreTraghetti;
    mfgTab.SetTextMatrix(RigaTabella, 7, L);

    if (OraCorrente < p.InizioVisita) OraCorrente = p.InizioVisita;
    if (OraCorrente > p.FineVisita) {
        GiornoCorrente += 1;
        OraCorrente = p.InizioVisita;
        PranzoFatto = false;
        CenaFatta = false;
    }
    // Checked parameters always leave hours to visit; without them the stop
    // could never be spent.
    if (p.FineVisita <= p.InizioVisita) {
        OraCorrente += S;
        S = 0;
    }
    while (S != 0) {
        float P = S;
        if (OraCorrente + P > p.FineVisita) P = p.FineVisita - OraCorrente;
        OraCorrente += P;
        if (OraCorrente >= p.FineVisita - 2) {
            GiornoCorrente += 1;
            OraCorrente = P == S ? p.OraColazione : p.InizioVisita;
        }
        S -= P;
    }

    if (F != 0) {
        GiornoCorrente += 1;
        OraCorrente = p.OraColazione;
    }
    if (OraCorrente > p.OraPranzo) {
        if (OraCorrente < p.OraPranzo + p.DurataPranzo && !PranzoFatto)
            OraCorrente = p.OraPranzo + p.DurataPranzo;
        PranzoFatto = true;
    }
    if (OraCorrente > p.OraCena) {
        if (OraCorrente < p.OraCena + p.DurataCena && !CenaFatta) OraCorrente = p.OraCena + p.DurataCena;
        CenaFatta = true;
    }
    descrizione = F != 0 ? QStringLiteral("Visita/f.g.") : QStringLiteral("Visita");
    // A stop of a day or more is the periodic rest as well.
    if (Val(S0.left(2)) != 0) GiornoUltimoRiposo = GiornoCorrente;
}
