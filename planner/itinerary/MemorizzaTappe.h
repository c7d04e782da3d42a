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
// transaction: a failing database leaves the itinerary stored last. With
// orariFissi the stages' ferry departures and booked nights replace the
// trip's stored ones in the same transaction.
QString MemorizzaTappe(Database& db, const QString& codiceMeta, const QList<Tappa>& tappe,
                       Avanzamento* avanzamento = nullptr, bool orariFissi = false);

// A stage's fixed times in the working columns of its grid row
// (TappaTraghetto, TappaNottePrenotata), and back.
QString CellaTraghetto(const std::optional<OrariTraghetto>& orari);
QString CellaNottePrenotata(const std::optional<float>& notte);
void OrariFissiDaCelle(const QStringList& celle, Tappa& tappa);
