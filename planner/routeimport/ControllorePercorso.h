#pragma once
// The route-planner import of the stage editor: the refusal with stages
// present, the file choice and the stages read written into the grid.
#include <QString>

class FinestraComune;

class ControllorePercorso {
public:
    explicit ControllorePercorso(FinestraComune& finestra);
    void CollegaEventi();
    void cmdMapPoint_Click();
    // Reads a route planner's exported route into the empty stage grid;
    // false, with the message shown, when nothing was taken.
    bool CaricaDaPacchetto(const QString& file);

private:
    FinestraComune& finestra_;
};
