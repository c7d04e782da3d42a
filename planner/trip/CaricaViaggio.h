#pragma once
// A stored trip read from the database with its stages, as the planner shows
// it when the trip is chosen from the list: the parameters as the trip screen
// then holds them and the stage list as its grid does.
#include <QList>
#include <QString>
#include <optional>

#include "model/Tappa.h"
#include "model/TotaliItinerario.h"
#include "model/Viaggio.h"

class Database;

struct ViaggioCaricato {
    RecordMeta Record;
    // Checked, with the days asked for at least the fewest the driving takes.
    ValoriMeta Valori;
    QList<RecordTappa> RecordTappe; // in their order
    // The grid's rows: the stages, then empty rows up to the grid's least
    // height and one more (a calculation numbers them all).
    QList<Tappa> Tappe;
    TotaliItinerario Totali;
};

// The stored record of a trip; nullopt when no trip has that code.
std::optional<RecordMeta> LeggiRecordMeta(Database& db, const QString& codice);
QList<RecordTappa> LeggiTappe(Database& db, const QString& codice);

// The trip of that code; nullopt, with the message, when there is none.
std::optional<ViaggioCaricato> CaricaViaggio(Database& db, const QString& codice, QString& errore);

// The trip for a calculation: the screen's check once more, as "&Calcola"
// does it before the run.
Viaggio ViaggioDaCalcolare(ViaggioCaricato& viaggio);
