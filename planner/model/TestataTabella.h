#pragma once
// The heading of a printed timetable.
#include <QString>
#include <array>

// Everything the heading shows, as the trip screen shows it.
struct TestataTabella {
    QString Localita, Nazione;
    QString Inizio, InizioGiorno, InizioOra; // gg/mm/aaaa, "Lun", hh:mm
    QString Fine, FineGiorno, FineOra;
    QString Giorni, KmTotali;
    std::array<QString, 4> Velocita, Km, Tempo; // by road type
    QString Traghetti;
    // hh:mm of the trip screen's nine times: breakfast, lunch, dinner, night,
    // the meals' lengths, the visiting hours, a ferry.
    std::array<QString, 9> Orari;
    QString RiposoMinuti, RiposoOre, RiposoGiorno, RiposoDopoGiorni;
};
