#pragma once
// The timetable as the window holds it: whether it is on the stage grid, and
// what the last run of the engine left.
#include <QString>

#include "timetable/CalcoloTabellaDiMarcia.h"

struct StatoTabellaDiMarcia {
    // The engine's state as the last run left it: the timetable, the passes,
    // the clock at the trip's end.
    StatoCalcolo Calcolo;
    // The message of the last run that was not stopped; empty without days
    // asked for.
    QString MessaggioCalcolo;
    // The stage grid's rows as the last run read them, and the guide types
    // its rows name.
    QList<QStringList> CelleTappe;
    std::array<QString, 11> TipiGuida;
};
