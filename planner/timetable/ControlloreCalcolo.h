#pragma once
// The calculation as the user starts it: the engine over the trip screen's
// checked values and the stage list, its timetable written into the main
// grid and its totals into the trip screen; and the commands that start it
// and unlock it.
#include "shell/Controlli.h"
#include "shell/FinestraComune.h"
#include "timetable/ServizioCalcolo.h"
#include "timetable/TabellaDiMarcia.h"

class ControlloreGuida;
class ControlloreItinerario;
class ControlloreMeta;
struct StatoItinerario;
struct StatoMeta;

class ControlloreCalcolo {
public:
    // cmdCalcola: the command whose caption follows the lock.
    ControlloreCalcolo(FinestraComune& finestra, Griglia& mfgTab, ControlloreMeta& meta,
                       ControlloreItinerario& tappe, ControlloreGuida& guida, Pulsante& cmdCalcola);

    // Whether the timetable is on the grid, and what the last run left.
    StatoTabellaDiMarcia TabellaDiMarcia;

    // The days field registered on the trip screen, and the handlers.
    void CollegaEventi();

    // The engine's input from the trip screen and the stage list, after the
    // screen's values are checked and the trip panels locked.
    IngressoCalcolo IngressoCalcoloTabella();
    // The window's side of a run: the stop flag, the progress bar, the
    // parameters checked again before each pass, each pass on the grid.
    ServiziCalcolo ServiziCalcoloFinestra();
    // The timetable into the grid and the totals into the trip screen.
    void ScriviTabellaDiMarcia(const StatoCalcolo& stato);
    // The return limits into the timetable that the last pass wrote.
    void ScriviLimitiRitorno(const StatoCalcolo& stato);
    void ScriviTabellaPreparata(const StatoCalcolo& stato);
    // The timetable calculated as "&Calcola" does it; the grid's state says
    // whether it is on screen afterwards.
    void CalcolaTabellaDiMarcia();
    // Preparation, passes and return limits; false when stopped.
    bool EseguiCalcolo();
    // The stage list back on the grid in place of the timetable.
    void RiprendiElencoTappe();
    void cmdCalcola_Click();
    void cmdRicalcola_Click();
    // The timetable on screen as the services take it (summary, exports).
    TabellaCalcolata TabellaSchermo() const;

private:
    Database& Db() const { return f_.Archivio(); }

    FinestraComune& f_;
    Griglia& mfgTab;
    ControlloreMeta& meta_;
    ControlloreItinerario& tappe_;
    StatoMeta& Meta;
    StatoItinerario& Itinerario;
    ControlloreGuida& Guida;
    Pulsante& cmdCalcola;
};
