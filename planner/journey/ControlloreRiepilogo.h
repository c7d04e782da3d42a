#pragma once
// The calculated timetable on screen outside the grid: its day-by-day summary
// in a window of its own, the calendar or sheet saved where the user says,
// and the count of booked nights the plan misses beside the progress bar.
#include "shell/Controlli.h"

class FinestraComune;

class ControlloreRiepilogo {
public:
    // lblPrenotazioni and txtBase: the count and the progress bar, on the
    // command panel.
    ControlloreRiepilogo(FinestraComune& finestra, Etichetta& lblPrenotazioni, CasellaTesto& txtBase);
    void CollegaEventi();
    void cmdRiepilogo_Click();
    void cmdCalendario_Click();
    // After a calculation (calcolata) of a trip with booked nights: how many
    // of them the plan does not reach; hidden otherwise.
    void MostraPrenotazioniMancate(bool calcolata);

private:
    FinestraComune& finestra_;
    Etichetta& lblPrenotazioni_;
    CasellaTesto& txtBase_;
};
