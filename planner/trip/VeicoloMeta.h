#pragma once
// The vehicle and costs stored for each trip, in a table of their own (the
// row without a trip code holds the user's defaults).
#include <QString>
#include <optional>

#include "trip/Veicolo.h"

class Database;

// The trip's own values, or the user's defaults, or the built-in ones.
Veicolo LeggiVeicolo(Database& db, const QString& codiceMeta);
// Whether the trip has values of its own.
bool VeicoloProprio(Database& db, const QString& codiceMeta);
// Stores the trip's values (an empty code: the defaults), in one transaction.
void ScriviVeicolo(Database& db, const QString& codiceMeta, const Veicolo& veicolo);
// Forgets the trip's values, as when the trip is deleted.
void CancellaVeicolo(Database& db, const QString& codiceMeta);

// The stored fields but the code, their texts as stored, and back (nullopt
// when the values cannot be used).
QStringList NomiCampiVeicolo();
QStringList TestiVeicolo(const Veicolo& veicolo);
std::optional<Veicolo> VeicoloDaTesti(const QStringList& testi);

// Whether the city guide has a place to stop for the night at the locality:
// an entry of type "Punto Sosta", "PS e CS" or "Campeggio".
bool HaSostaCamper(Database& db, const QString& localita);
