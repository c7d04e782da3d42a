#pragma once
// "Converte": the old data files of the program's folder into the database,
// from the question to the reloaded trip screen. The button stands on the
// command panel and shows only while the old trips file is there.
#include "shell/Controlli.h"

class FinestraComune;

class ControlloreConversione {
public:
    ControlloreConversione(FinestraComune& finestra, Pulsante& cmdConverte);
    void CollegaEventi();
    // Shows "Converte" when the old trips file is in the program's folder.
    void MostraConverte();
    void cmdConverte_Click();

private:
    FinestraComune& finestra_;
    Pulsante& cmdConverte_;
};
