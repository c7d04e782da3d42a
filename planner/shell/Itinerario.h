#pragma once
// The itinerary on the stage grid: how many stages it holds, the row being
// worked on and what the stage editor was opened for.
#include <QtGlobal>

struct StatoItinerario {
    qint16 NumeroTappe = 0;
    qint16 RigaCorrente = 1;
    // Cell colour of the grid before loading; -1 is the grid's own.
    double ColoreBaseCelle = -1;
    // What the command that opened a screen or ran a calculation asked for:
    // Ricalcola shows the stage editor (and is cleared once it is shown);
    // Stampa calculates for a printout, without the final message.
    enum class Attivita { Nessuna, Ricalcola, Stampa };
    Attivita AttivitaCorrente = Attivita::Nessuna;
    // What "Calcola" does: calculate the timetable, or unlock the finished
    // one on screen (its caption then reads "&Sblocca", and only unlocking
    // and printing are offered).
    enum class ComandoCalcola { Calcola, Sblocca };
    ComandoCalcola Calcola = ComandoCalcola::Calcola;
    // A calculated timetable is on the stage grid; the stages wait in mfgCopia.
    bool TabellaCalcolata = false;
};
