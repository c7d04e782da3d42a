#pragma once
// The trip's travel parameters in numeric form: times and durations in
// hundredths of an hour, day numbers as the date utilities count them.
#include <QtGlobal>

struct ParametriMetaTipo {
    float OraColazione = 0; // start of the day's activity, after breakfast
    float OraPranzo = 0;
    float OraCena = 0;
    float OraNotte = 0; // end of the day's driving
    float DurataPranzo = 0;
    float DurataCena = 0;
    float InizioVisita = 0;
    float FineVisita = 0;
    float OreTraghetti = 0;       // a ferry crossing
    qint16 RiposoMinuti = 0;      // a driving break, hundredths (0..100)
    qint16 RiposoOre = 0;         // driving hours between breaks (0..10)
    qint16 RiposoGiorno = 0;      // whole rest days (0..4)
    qint16 RiposoDopoGiorni = 0;  // travel days between rest days (0..10)
    qint16 GiorniAdeguamento = 0; // days available; the timetable is fitted to them
    // The start as the trip states it, and the working copy the calculation
    // advances.
    float DataInizioFissa = 0;
    float OraInizioFissa = 0;
    float DataInizio = 0;
    float OraInizio = 0;
    float TempoGuidaGiornaliero = 0;  // OraNotte - OraColazione - both meals
    float TempoVisitaGiornaliero = 0; // FineVisita - InizioVisita
};
