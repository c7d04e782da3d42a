#pragma once
// Copying a stretch of another trip's itinerary into the open one: the
// controls of the stretch panel and the copy grid's marked row.
#include <deque>

#include "shell/Controlli.h"

struct StatoCopiaTratto {
    // The copy-grid row last clicked, shown in bold; 0 for none.
    qint16 RigaCopia = 0;
    // Above the copy grid: what to do with the list shown.
    Etichetta lblGuidaCopia;
    // The stretch panel: the chosen trip, then two slots (0 first stage,
    // 1 last stage) of stage number, locality, road and kilometres.
    Etichetta lblMetaCopia;
    std::deque<Etichetta> lblSlot;
    std::deque<CasellaTesto> txtDupNumero, txtDupLocalita, txtDupStrada, txtDupKm;
    std::deque<Pulsante> cmdAssegna;
    CasellaSpunta optTrasfSoste;
    Pulsante cmdInsEsegui, cmdRinunciaCopia;
};
