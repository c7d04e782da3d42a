#pragma once
// A route planner's exported route as stages: read from its file, with the
// reasons a file is refused, and stored as a trip's itinerary.
#include <QList>
#include <QString>

#include "model/Tappa.h"

class Database;

struct PercorsoLetto {
    QString Errore;       // why nothing was taken, in the planner's words
    bool Critico = false; // the file could not be read at all
    QList<Tappa> Tappe;
    // The stage grid's cells of each stage: number, locality, road, km, road
    // type, stop.
    QList<QStringList> Celle;
};

PercorsoLetto LeggiFilePercorso(const QString& file);

// Why an itinerary with stages refuses a route.
QString RifiutoConTappe();

struct EsitoImportaPercorso {
    QString Errore; // empty when stored
    int Tappe = 0;
    qint64 Km = 0;
};
// Fills the empty itinerary of a stored trip from the route file, in one
// transaction; nothing is written when the trip has stages, the file is
// refused or storing fails.
EsitoImportaPercorso ImportaPercorso(Database& db, const QString& codiceMeta, const QString& file);
