// The stop of the current stage, spent within the visiting hours.
#include "common/Numeri.h"
#include "common/Tempi.h"
#include "model/TestiCalcolo.h"
#include "timetable/CalcoloTabellaDiMarcia.h"

VisitaRiga CalcoloTabellaDiMarcia::CalcolaLaSosta(bool traghetto, RigaMarcia& riga) {
    const ParametriMetaTipo& p = s_.Parametri;
    TappaPreparata& tappa = s_.Preparata[s_.TappaCorrente];
    const float S0 = tappa.SostaApplicata;
    const bool F = tappa.FineGiornata;

    float S = S0 * s_.FattoreSoste;
    if (S == 0 && !traghetto) return VisitaRiga::Nessuna;
    // The next pass scales the stop as this one leaves it.
    tappa.SostaApplicata = AiMinuti(S);
    S += float(traghetto ? 1 : 0) * p.OreTraghetti;
    riga.Sosta = S0;
    riga.FineGiornata = F;

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

    if (F) {
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
    // A stop of a day or more is the periodic rest as well.
    if (Val(ghmCentesimi2Stringa(S0, CentesimiGiorno).left(2)) != 0)
        s_.GiornoUltimoRiposo = s_.GiornoCorrente;
    return F ? VisitaRiga::FineGiornata : VisitaRiga::Visita;
}
