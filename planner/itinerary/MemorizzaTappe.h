#pragma once
// Storing a trip's itinerary: the stages replace those stored, each stage
// taking as many records as its kilometres need, with the city guide's time
// of each locality on its first stage.
#include <QList>
#include <QString>

#include "model/Tappa.h"

class Avanzamento;
class Database;

// Every row of the stage list: rows without a locality are left out. Empty
// when stored; otherwise why not (nothing is written then). Runs in one
// transaction: a failing database leaves the itinerary stored last.
QString MemorizzaTappe(Database& db, const QString& codiceMeta, const QList<Tappa>& tappe,
                       Avanzamento* avanzamento = nullptr);
