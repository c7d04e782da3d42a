#pragma once
// A trip as the planner knows it: the stored record, the values of its
// parameters as the trip screen holds them, and the checked trip that the
// calculation reads.
#include <QString>
#include <array>

#include "model/ParametriMeta.h"

// The record of "MeteViandora" (or of "Parametri", whose fields are a part of
// it), every field as its stored text.
struct RecordMeta {
    QString CodiceMeta, Localita, Nazione;
    QString DataInizio;           // ggmmaaaa
    QString OraInizio;            // hhmm
    std::array<QString, 4> Medie; // km/h: motorway, dual carriageway, main road, local road
    // hhmm: breakfast, lunch, dinner, night, the meals' lengths, the visiting
    // hours and a ferry crossing, in the order of CampiOrari.
    std::array<QString, 9> Orari;
    QString RiposoMinuti, RiposoOre, RiposoGiorno, RiposoDopoGiorni;
    QString GiorniAdeguamento;
    QString CalcoloSoste;
};

// The trip's parameters as the trip screen's lists show them: texts that the
// check reads and corrects.
struct ValoriMeta {
    std::array<QString, 5> Inizio; // day, month, year, hour, minutes
    std::array<QString, 4> MediaKm;
    std::array<QString, 9> Ora, Minuti; // the hour and minute lists of each time
    QString RiposoMinuti, RiposoOre, RiposoGiorno, RiposoDopoGiorni;
    QString Giorni;      // the days asked for, "000" for none
    int SceltaSoste = 3; // 1..5
};

// The checked trip: what a calculation needs of it.
struct Viaggio {
    QString CodiceMeta; // empty for a trip not stored yet
    QString Localita, Nazione;
    QString DataInizio; // ggmmaaaa, as the lists give it: a calculation refuses a date that is none
    ParametriMetaTipo Parametri;
    std::array<double, 4> Velocita{}; // km/h by road type, never below 1
    int SceltaSoste = 3;
};
