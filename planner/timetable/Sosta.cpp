// The stop of the current stage, spent within the visiting hours.
#include "common/Numeri.h"
#include "common/Tempi.h"
#include "itinerary/ColonneGriglie.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

void CalcoloTabellaDiMarcia::CalcolaLaSosta(qint16 Traghetto, QString& descrizione) {
    const ParametriMetaTipo& p = s_.Parametri;
    descrizione.clear();
    QStringList& tappa = s_.Preparata[s_.TappaCorrente];
    QString S0 = tappa.at(TappaSostaApplicata);
    const int F = Val(tappa.at(TappaFineGiornata)) != 0 ? 1 : 0;
    const QString L = (S0 + QStringLiteral(" *").mid(F, 1)).trimmed();

    float S = ghmStringa2Centesimi(S0, CentesimiGiorno) * s_.FattoreSoste;
    if (S == 0 && Traghetto == 0) return;
    // The next pass scales the stop as this one leaves it.
    tappa[TappaSostaApplicata] = ghmCentesimi2Stringa(S, CentesimiGiorno);
    S += float(Traghetto) * p.OreTraghetti;
    ImpostaCella(s_.RigaTabella, MarciaSosta, L);

    if (s_.OraCorrente < p.InizioVisita) s_.OraCorrente = p.InizioVisita;
    if (s_.OraCorrente > p.FineVisita) {
        s_.GiornoCorrente += 1;
        s_.OraCorrente = p.InizioVisita;
        s_.PranzoFatto = false;
        s_.CenaFatta = false;
    }
    // Checked parameters always leave hours to visit; without them the stop
    // could never be spent.
    if (p.FineVisita <= p.InizioVisita) {
        s_.OraCorrente += S;
        S = 0;
    }
    while (S != 0) {
        float P = S;
        if (s_.OraCorrente + P > p.FineVisita) P = p.FineVisita - s_.OraCorrente;
        s_.OraCorrente += P;
        if (s_.OraCorrente >= p.FineVisita - 2) {
            s_.GiornoCorrente += 1;
            s_.OraCorrente = P == S ? p.OraColazione : p.InizioVisita;
        }
        S -= P;
    }

    if (F != 0) {
        s_.GiornoCorrente += 1;
        s_.OraCorrente = p.OraColazione;
    }
    if (s_.OraCorrente > p.OraPranzo) {
        if (s_.OraCorrente < p.OraPranzo + p.DurataPranzo && !s_.PranzoFatto)
            s_.OraCorrente = p.OraPranzo + p.DurataPranzo;
        s_.PranzoFatto = true;
    }
    if (s_.OraCorrente > p.OraCena) {
        if (s_.OraCorrente < p.OraCena + p.DurataCena && !s_.CenaFatta)
            s_.OraCorrente = p.OraCena + p.DurataCena;
        s_.CenaFatta = true;
    }
    descrizione = F != 0 ? QStringLiteral("Visita/f.g.") : QStringLiteral("Visita");
    // A stop of a day or more is the periodic rest as well.
    if (Val(S0.left(2)) != 0) s_.GiornoUltimoRiposo = s_.GiornoCorrente;
}
