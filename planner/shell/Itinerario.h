#pragma once
// The itinerary on the stage grid: how many stages it holds, the row being
// worked on and what the stage editor was opened for.
#include <QString>
#include <QtGlobal>

struct StatoItinerario {
    qint16 NumeroTappe = 0;
    qint16 RigaCorrente = 1;
    // Cell colour of the grid before loading; -1 is the grid's own.
    double ColoreBaseCelle = -1;
    // The activity asked for when a screen opens: "Ricalcola" shows the stage
    // editor; emptied once it is shown.
    QString AttivitaCorrente;
    // A calculated timetable is on the stage grid; the stages wait in mfgCopia.
    bool TabellaCalcolata = false;
};
